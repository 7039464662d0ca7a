#include "navigator/ExternalApps.h"

#include "platform/FileError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct ListCase {
    const char* bytes; // nullptr: no file
    QStringList entries;
};

TEST(ApplicationsListTest, ReadsThreeEntriesWhateverTheFileHolds)
{
    const ListCase cases[] = {
        { nullptr, { " ", " ", " " } },
        { "", { " ", " ", " " } },
        { "/usr/bin/firefox\r\n", { "/usr/bin/firefox", " ", " " } },
        { "/a b/one\r\n/two\r\n", { "/a b/one", "/two", " " } },
        { "/one\r\n/two\r\n/three\r\n", { "/one", "/two", "/three" } },
        { "/one\n\n/three", { "/one", "", "/three" } },
    };
    for (const ListCase& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("mybrowsers.plr");
        if (c.bytes) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.bytes);
        }
        EXPECT_EQ(ExternalApps::readApplications(path), c.entries) << (c.bytes ? c.bytes : "<no file>");
    }
}

TEST(ApplicationsListTest, WritesTheWholeListWithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(ExternalApps::kListFile);
    ExternalApps::writeApplications(path, { "/usr/bin/my browser", " ", " " });
    EXPECT_EQ(readAll(path), QByteArray("/usr/bin/my browser\r\n \r\n \r\n"));
    EXPECT_EQ(ExternalApps::readApplications(path), QStringList({ "/usr/bin/my browser", " ", " " }));
}

TEST(ApplicationsListTest, WriteIntoAMissingDirectoryThrows)
{
    QTemporaryDir dir;
    EXPECT_THROW(ExternalApps::writeApplications(dir.filePath("gone/mybrowsers.plr"), { " ", " ", " " }), FileError);
}

TEST(SupportMailTest, SubjectAndUrlArePercentEncodedWhole)
{
    const QString subject = ExternalApps::emailSubject("Windows 98 & more?");
    EXPECT_EQ(subject, "Pelorin Version: 1.55: Windows 98 & more?");
    EXPECT_EQ(ExternalApps::mailtoUrl("help@pelorin.test", subject),
        "mailto:help@pelorin.test?Subject=%20Pelorin%20Version%3A%201.55%3A%20Windows%2098%20%26%20more%3F&Body=");
    EXPECT_EQ(ExternalApps::mailtoUrl("a@b.test", "x", "line 1\r\nline=2"),
        "mailto:a@b.test?Subject=%20x&Body=line%201%0D%0Aline%3D2");
}

TEST(PreviewLocationTest, DropsTheFilePrefixAndOnlyTheFirstSpaceEscape)
{
    const std::pair<const char*, const char*> cases[] = {
        { "file:///C:/My%20Site/My%20Page.htm", "C:/My Site/My%20Page.htm" },
        { "file:///home/me/My%20Site/My%20Page.htm", "/home/me/My Site/My%20Page.htm" },
        { "file:///home/me/page.htm", "/home/me/page.htm" },
        { "file:///d:/1temp.htm", "d:/1temp.htm" },
        { "https://example.com/a%20b%20c", "https://example.com/a b%20c" },
        { "", "" },
    };
    for (const auto& [url, text] : cases)
        EXPECT_EQ(ExternalApps::locationText(url), text) << url;
}

} // namespace
