#include "FuzzTargets.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
// Every input a fuzzer once crashed on (tests/fuzz/regressions/<target>/) runs clean now.
TEST(FuzzRegressionTest, SavedCrashersRunClean)
{
    const QDir root(QStringLiteral(PELORIN_FUZZ_REGRESSIONS));
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const FuzzTarget* target = findFuzzTarget(name);
        ASSERT_NE(target, nullptr) << "no fuzz target " << name.toStdString();
        QDirIterator files(root.filePath(name), QDir::Files);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            SCOPED_TRACE(file.fileName().toStdString());
            target->run(file.readAll());
        }
    }
}

// A quick pass of every target over fixed and seeded random inputs, so a reader that crashes
// on odd bytes is caught by make test too.
TEST(FuzzRegressionTest, EveryTargetTakesOddInputs)
{
    const QList<QByteArray> fixed { "", QByteArray(1, '\0'), "\xFF\xFE", "\xFE\xFF\0", "\xEF\xBB\xBF", "GIF89a",
        "\xFF\xD8\xFF\xC0", "\x89PNG\r\n\x1A\n", "%", "%4", "%zz+%41", "<script", "</script>", "<a href=\"x.htm",
        "\"a.htm\"", "function f(", "function ( ) {", "&amp;&#;&#x;&c&copy;opy;", "\r\r\n\n\r", "<!-- /*",
        "*** 001 ***", "\xC3", "\xE2\x82", "\xF4\x90\x80\x80" };
    QRandomGenerator random(20261210);
    for (const FuzzTarget& target : fuzzTargets()) {
        SCOPED_TRACE(target.name);
        for (const QByteArray& input : fixed)
            target.run(input);
        for (int i = 0; i < 200; ++i) {
            QByteArray input(int(random.bounded(300)), Qt::Uninitialized);
            for (char& c : input)
                c = char(random.bounded(256));
            target.run(input);
        }
    }
}
} // namespace
