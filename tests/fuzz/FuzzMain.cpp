// One libFuzzer binary per reader: FUZZ_TARGET_NAME picks its entry of the table.
#include "FuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzTarget* target = findFuzzTarget(QStringLiteral(FUZZ_TARGET_NAME));
    target->run(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
