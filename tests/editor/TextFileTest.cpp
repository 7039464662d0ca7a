#include "editor/TextFile.h"
#include "platform/FileError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QStringList paragraphs;
    TextFormat::LineBreak lineBreak;
    TextFormat::Encoding encoding;
    bool bom;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> { };

TEST_P(DecodeTest, SplitsParagraphsAndKeepsTheFormat)
{
    const DecodeCase& c = GetParam();
    const TextFileContent content = decodeText(c.bytes);
    EXPECT_EQ(content.paragraphs, c.paragraphs);
    EXPECT_EQ(content.format.lineBreak, c.lineBreak);
    EXPECT_EQ(content.format.encoding, c.encoding);
    EXPECT_EQ(content.format.byteOrderMark, c.bom);
    // Saving gives the same bytes back (up to the NUL, which ends reading).
    QByteArray expected = c.bytes.left(c.bytes.indexOf('\0') < 0 ? c.bytes.size() : c.bytes.indexOf('\0'));
    if (std::string(c.name) != "LfCr" && std::string(c.name) != "Mixed")
        EXPECT_EQ(encodeText(content.paragraphs, content.format), expected);
}

using LB = TextFormat::LineBreak;
using EN = TextFormat::Encoding;
INSTANTIATE_TEST_SUITE_P(Files, DecodeTest,
    ::testing::Values(DecodeCase { "CrLf", "a\r\nbc\r\n", { "a", "bc", "" }, LB::CrLf, EN::Utf8, false },
        DecodeCase { "Lf", "a\nbc", { "a", "bc" }, LB::Lf, EN::Utf8, false },
        DecodeCase { "Cr", "a\rbc\r", { "a", "bc", "" }, LB::Cr, EN::Utf8, false },
        DecodeCase { "LfCr", "a\n\rbc", { "a", "bc" }, LB::Lf, EN::Utf8, false },
        DecodeCase { "Mixed", "a\r\nb\nc\rd", { "a", "b", "c", "d" }, LB::CrLf, EN::Utf8, false },
        DecodeCase { "Empty", "", { "" }, LB::CrLf, EN::Utf8, false },
        DecodeCase { "Nul", QByteArray("ab\r\ncd\0ef\r\ngh", 14), { "ab", "cd" }, LB::CrLf, EN::Utf8, false },
        DecodeCase { "Utf8Bom", "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9", { QString::fromUtf8("\xC3\xA9t\xC3\xA9") }, LB::CrLf,
            EN::Utf8, true },
        DecodeCase { "Utf8", "caf\xC3\xA9\r\n\xE2\x82\xAC",
            { QString::fromUtf8("caf\xC3\xA9"), QString::fromUtf8("\xE2\x82\xAC") }, LB::CrLf, EN::Utf8, false },
        DecodeCase { "Windows1252", "caf\xE9 \x80\x93\x81",
            { QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C") + QChar(0x81) }, LB::CrLf, EN::Windows1252,
            false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFile, Windows1252TextThatCannotBeHeldIsWrittenAsUtf8)
{
    TextFormat format;
    format.encoding = TextFormat::Encoding::Windows1252;
    EXPECT_EQ(encodeText({ QString::fromUtf8("\xC3\xA9") }, format), QByteArray("\xE9"));
    EXPECT_EQ(encodeText({ QString::fromUtf8("\xE4\xB8\xAD") }, format), QByteArray("\xE4\xB8\xAD"));
}

TEST(TextFile, ReadAndWriteErrorsAreFileErrors)
{
    QTemporaryDir dir;
    EXPECT_THROW(readTextFile(dir.filePath("missing.htm")), FileError);
    EXPECT_THROW(writeTextFile(dir.filePath("no/such/dir/x.htm"), { "a" }, TextFormat()), FileError);
    writeTextFile(dir.filePath("x.htm"), { "a", "b" }, TextFormat());
    QFile f(dir.filePath("x.htm"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("a\r\nb"));
}
} // namespace
