#include "editor/TextFile.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "support/FileSizeLimit.h"
#include "support/SmallDisk.h"
#include <sys/wait.h>
#include <QDir>
#include <sys/stat.h>
#include <unistd.h>

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

#include <QBuffer>

namespace {
// A device that takes only the first `room` bytes, like a full disk.
class FullDevice : public QBuffer {
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    { }

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 n = std::min(length, m_room - pos());
        return n <= 0 ? -1 : QBuffer::writeData(data, n);
    }

private:
    qint64 m_room;
};

TEST(TextFileWriteTest, ShortWritesAreFailures)
{
    FullDevice device(10);
    device.open(QIODevice::WriteOnly);
    EXPECT_FALSE(writeAll(device, QByteArray(100, 'x')));
    QBuffer roomy;
    roomy.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeAll(roomy, QByteArray(100, 'x')));
    EXPECT_EQ(roomy.data().size(), 100);
}

// A file-size limit makes the disk "full" for this process: the old file stays whole.
TEST(TextFileWriteTest, AFullDiskLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.htm");
    writeBytes(path, "old contents");
    {
        const FileSizeLimit full(64 * 1024);
        EXPECT_THROW(writeBytes(path, QByteArray(1024 * 1024, 'x')), FileError);
    }
    EXPECT_EQ(readBytes(path), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "page.htm" });
}

TEST(TextFileWriteTest, AReadOnlyDirectoryIsWrittenInPlace)
{
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories anyway";
    QTemporaryDir dir;
    const QString path = dir.filePath("page.htm");
    writeBytes(path, "old");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    writeBytes(path, "new");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readBytes(path), "new");
}

// A real full disk: the error shows at the flush, after every write "succeeded" into the buffer.
struct FullDiskCase {
    const char* name;
    qint64 oldSize;
    qint64 room; // bytes left free before the save
};
class FullDiskTest : public ::testing::TestWithParam<FullDiskCase> { };

TEST_P(FullDiskTest, ASaveThatDoesNotFitFailsAndKeepsTheFile)
{
    const FullDiskCase& c = GetParam();
    SmallDisk disk(200 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small disk needs root";
    const QString path = disk.filePath("page.htm");
    const QByteArray old(c.oldSize, 'o');
    writeBytes(path, old);
    disk.fill(c.room);
    EXPECT_THROW(writeBytes(path, old + 'x'), FileError);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(disk.names(), QStringList { "page.htm" });
}

INSTANTIATE_TEST_SUITE_P(Sizes, FullDiskTest,
    ::testing::Values(FullDiskCase { "SmallPage", 2590, 0 }, FullDiskCase { "BufferSized", 16000, 0 },
        FullDiskCase { "PartlyFits", 12002, 8192 }),
    [](const auto& info) { return std::string(info.param.name); });

// A file with other names is written in place, and then only when the whole new size is reserved.
TEST(TextFileWriteTest, AFileWithOtherNamesStaysOneFileAndIsKeptWholeOnAFullDisk)
{
    SmallDisk disk(200 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small disk needs root";
    const QString path = disk.filePath("page.htm");
    const QString other = disk.filePath("other-name.htm");
    writeBytes(path, "old");
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    writeBytes(path, "new text");
    EXPECT_EQ(readBytes(other), "new text");
    EXPECT_EQ(FileSystem::facts(path).links, 2u);

    const QByteArray big(44000, 'b');
    writeBytes(path, big);
    disk.fill(0);
    EXPECT_THROW(writeBytes(path, big + QByteArray(40000, 'n')), FileError);
    EXPECT_EQ(readBytes(other), big);
}

TEST(TextFileWriteTest, TheReplacedFileKeepsItsOwner)
{
    if (geteuid() != 0) GTEST_SKIP() << "only root may give a file away";
    QTemporaryDir dir;
    const QString path = dir.filePath("page.htm");
    writeBytes(path, "old");
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 4321, 4322), 0);
    writeBytes(path, "new");
    EXPECT_EQ(FileSystem::facts(path).owner, 4321u);
    EXPECT_EQ(FileSystem::facts(path).group, 4322u);
    EXPECT_EQ(readBytes(path), "new");
}

// Runs `step` in a child process; its exit code, or 128 + the signal that ended it.
template <typename Step> int inChild(Step step)
{
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(step());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(TextFileWriteTest, AFileSizeLimitIsAnErrorNotTheEndOfTheProgram)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.htm");
    writeBytes(path, "old");
    const int code = inChild([&] {
        FileSystem::ignoreFileSizeSignal();
        rlimit limit { 1024, 1024 };
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            writeBytes(path, QByteArray(100 * 1024, 'x'));
        } catch (const FileError&) {
            return 7;
        }
        return 0;
    });
    EXPECT_EQ(code, 7);
    EXPECT_EQ(readBytes(path), "old");
}

// The last step, the rename over the old file, can be refused too: in a sticky directory a user
// may write another user's file but not replace it.
TEST(TextFileWriteTest, ARefusedRenameIsReportedAndKeepsTheOldContents)
{
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ::chmod(QFile::encodeName(dir.path()).constData(), 01777);
    const QString path = dir.filePath("shared.htm");
    writeBytes(path, "old");
    ::chmod(QFile::encodeName(path).constData(), 0666);
    const int code = inChild([&] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) return 3;
        try {
            writeBytes(path, "new");
        } catch (const FileError& error) {
            return error.message().contains("shared.htm") ? 7 : 4;
        }
        return 0;
    });
    EXPECT_EQ(code, 7);
    EXPECT_EQ(readBytes(path), "old");
}

TEST(TextFileReadTest, APipeIsRefusedNotWaitedFor)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_THROW(readBytes(fifo), FileError);
}

struct RoundTrip {
    const char* name;
    QByteArray bytes;
    QString text;
    TextFormat::Encoding encoding;
    bool keepsInvalidBytes;
};

class RoundTripTest : public ::testing::TestWithParam<RoundTrip> { };

// What is read is written back byte for byte, and a typed character never double-encodes.
TEST_P(RoundTripTest, KeepsTheBytes)
{
    const RoundTrip& c = GetParam();
    TextFileContent content = decodeText(c.bytes);
    EXPECT_EQ(content.paragraphs.join('\n'), c.text);
    EXPECT_EQ(content.format.encoding, c.encoding);
    EXPECT_EQ(content.format.keepsInvalidBytes, c.keepsInvalidBytes);
    EXPECT_EQ(encodeText(content.paragraphs, content.format), c.bytes);
    content.paragraphs.last() += "é";
    const QByteArray edited = encodeText(content.paragraphs, content.format);
    EXPECT_EQ(decodeText(edited).paragraphs.join('\n'), c.text + "é");
}

INSTANTIATE_TEST_SUITE_P(Encodings, RoundTripTest,
    ::testing::Values(RoundTrip { "Utf16Le",
                          QByteArray("\xFF\xFE"
                                     "a\0\r\0\n\0\xE9\0",
                              10),
                          "a\n\u00E9", TextFormat::Encoding::Utf16Le, false },
        RoundTrip { "Utf16Be", QByteArray("\xFE\xFF\0a\0\xE9", 6), "a\u00E9", TextFormat::Encoding::Utf16Be, false },
        RoundTrip { "StrayByteInUtf8", "caf\xC3\xA9 \x96 na\xC3\xAFve", QString::fromUtf8("café \uF796 naïve"),
            TextFormat::Encoding::Utf8, true },
        RoundTrip { "StrayByteBeforeAZeroWidthNoBreakSpace", "\xEF\xEF\xBB\xBF", QString::fromUtf8("\uF7EF\uFEFF"),
            TextFormat::Encoding::Utf8, true },
        // A real character of the range kept bytes use could not be told from one: the file
        // reads as Windows-1252 and is written back unchanged.
        RoundTrip { "TopOfTheKeptRangeBesideAStrayByte", "\xEF\x9F\xBF \x96", QString::fromUtf8("ï\u0178¿ –"),
            TextFormat::Encoding::Windows1252, false },
        RoundTrip { "BottomOfTheKeptRangeBesideAStrayByte", "\xEF\x9E\x80 \x96", QString::fromUtf8("ï\u017E€ –"),
            TextFormat::Encoding::Windows1252, false },
        RoundTrip {
            "Windows1252", "caf\xE9 \x96", QString::fromUtf8("café –"), TextFormat::Encoding::Windows1252, false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFileReadTest, ANulByteIsRecordedWhereItStandsAndDescribed)
{
    const TextFileContent content = decodeText(QByteArray("abc\0def", 7));
    EXPECT_EQ(content.paragraphs, QStringList { "abc" });
    EXPECT_EQ(content.format.nulAt, 3);
    EXPECT_EQ(decodeText("abc").format.nulAt, -1);
    EXPECT_EQ(content.format.describe(), "UTF-8 CR LF");
    TextFormat f;
    f.encoding = TextFormat::Encoding::Windows1252;
    f.lineBreak = TextFormat::LineBreak::Lf;
    EXPECT_EQ(f.describe(), "Windows-1252 LF");
    EXPECT_FALSE(fitsEncoding({ "a", "\u20AC \u4E2D" }, f));
    EXPECT_TRUE(fitsEncoding({ "a", "\u20AC" }, f));
}
} // namespace
