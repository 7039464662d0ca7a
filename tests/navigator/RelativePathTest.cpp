#include "shared/RelativePath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

struct PathCase {
    const char* base;
    const char* target;
    CaseRule rule;
    const char* expected; // after webby
};

const PathCase kPathCases[] = {
    // Windows form, directory names ignoring case.
    { R"(C:\site\docs\page.htm)", R"(C:\site\img\a.gif)", CaseRule::IgnoreCase, "../img/a.gif" },
    { R"(C:\site\docs\page.htm)", R"(C:\site\docs\b.htm)", CaseRule::IgnoreCase, "b.htm" },
    { R"(C:\site\docs\page.htm)", R"(C:\SITE\Docs\sub\c.htm)", CaseRule::IgnoreCase, "sub/c.htm" },
    { R"(C:\site\)", R"(C:\site\b.htm)", CaseRule::IgnoreCase, "b.htm" },
    { R"(c:\site\docs\page.htm)", R"(C:\other\x.htm)", CaseRule::IgnoreCase, "../../other/x.htm" },
    { R"(C:\site\docs\page.htm)", R"(D:\site\img\a.gif)", CaseRule::IgnoreCase, "D:/site/img/a.gif" },
    { R"(\\server\share\site\page.htm)", R"(\\SERVER\Share\site\img\a.gif)", CaseRule::IgnoreCase, "img/a.gif" },
    { R"(\\server\share\site\page.htm)", R"(\\server\other\site\a.gif)", CaseRule::IgnoreCase,
        "//server/other/site/a.gif" },
    { R"(C:\site\page.htm)", R"(\\server\share\a.gif)", CaseRule::IgnoreCase, "//server/share/a.gif" },
    { R"(C:\a\b\c\page.htm)", R"(C:\a\x\y\z.htm)", CaseRule::IgnoreCase, "../../x/y/z.htm" },
    // POSIX form, exact names.
    { "/site/docs/page.htm", "/site/img/a.gif", CaseRule::Exact, "../img/a.gif" },
    { "/site/docs/page.htm", "/site/docs/b.htm", CaseRule::Exact, "b.htm" },
    { "/site/docs/page.htm", "/site/docs/sub/c.htm", CaseRule::Exact, "sub/c.htm" },
    { "/site/docs/page.htm", "/SITE/Docs/sub/c.htm", CaseRule::Exact, "../../SITE/Docs/sub/c.htm" },
    { "/site/", "/site/b.htm", CaseRule::Exact, "b.htm" },
    { "/site/page.htm", "/b.htm", CaseRule::Exact, "../b.htm" },
    { "/site//docs/page.htm", "/site/docs/b.htm", CaseRule::Exact, "b.htm" },
    // A colon belongs to the name on Linux.
    { "/site/a:b/page.htm", "/site/a:b/c:d.htm", CaseRule::Exact, "c:d.htm" },
    // No base: the target as it is.
    { "", "/site/b.htm", CaseRule::Exact, "/site/b.htm" },
};

TEST(RelativePath, ExtractRelativePathTable)
{
    for (const PathCase& c : kPathCases)
        EXPECT_EQ(webby(extractRelativePath(c.base, c.target, c.rule)), c.expected) << c.base << " -> " << c.target;
}

TEST(RelativePath, KeepsBackslashesOnlyInAnotherDrivesTarget)
{
    EXPECT_EQ(
        extractRelativePath(R"(C:\site\docs\page.htm)", R"(C:\site\img\a.gif)", CaseRule::IgnoreCase), "../img/a.gif");
    EXPECT_EQ(extractRelativePath(R"(C:\site\page.htm)", R"(D:\img\a.gif)", CaseRule::IgnoreCase), R"(D:\img\a.gif)");
}

TEST(RelativePath, ForwardSlashResolvesAgainstTheCurrentDirectory)
{
    // A never-saved document measures from the current directory.
    EXPECT_EQ(relativePathForwardSlash(
                  R"(C:\site\b.htm)", relativeBase("", R"(C:\site)"), R"(C:\site)", CaseRule::IgnoreCase),
        "b.htm");
    EXPECT_EQ(relativePathForwardSlash("b.htm", relativeBase("", "/site"), "/site", CaseRule::Exact), "b.htm");
    EXPECT_EQ(relativePathForwardSlash("sub/c.htm", "/site/docs/page.htm", "/site/docs", CaseRule::Exact), "sub/c.htm");
    EXPECT_EQ(relativePathForwardSlash(R"(img\a.gif)", R"(C:\site\docs\page.htm)", R"(C:\site)", CaseRule::IgnoreCase),
        "../img/a.gif");
}

TEST(RelativePath, BaseIsTheDocumentOnlyWhenItExists)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("docs/page.htm");
    QDir(dir.path()).mkdir("docs");
    EXPECT_EQ(relativeBase(page, "/elsewhere"), "/elsewhere/");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(relativeBase(page, "/elsewhere"), page);
    EXPECT_EQ(relativeBase("", "/elsewhere/"), "/elsewhere/");
    EXPECT_EQ(relativeBase(dir.filePath("docs"), "/x"), "/x/");
}

TEST(RelativePath, ExtensionsAndNames)
{
    EXPECT_EQ(fileExtension("/a.b/c"), "");
    EXPECT_EQ(fileExtension(R"(C:\x\page.HTM)"), ".HTM");
    EXPECT_EQ(fileExtension("../js/a.min.js"), ".js");
    EXPECT_EQ(fileNameOf(R"(C:\x\page.htm)"), "page.htm");
    EXPECT_EQ(fileNameOf("C:page.htm"), "page.htm");
    EXPECT_EQ(webby(R"(a\b/c\)"), "a/b/c/");
}

} // namespace
