#include "sitetools/AltText.h"
#include "sitetools/LinkCheck.h"
#include "sitetools/Orphans.h"
#include "sitetools/SiteCheckReport.h"
#include "sitetools/SiteWalk.h"

#include "platform/FileError.h"

#include "support/QStringPrinter.h"
#include "SiteBuilder.h"
#include "SiteCases.h"

#include <QRandomGenerator>
#include <atomic>
#include <gmock/gmock.h>
#include <stdexcept>
#include <thread>

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

inline void PrintTo(const FoundLink& link, std::ostream* out)
{
    *out << '{' << link.text.toStdString() << " @" << link.offset << '}';
}

namespace {

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

// ---- Site walk

TEST(SiteWalk, PagesOnSeveralThreadsEndAsOneByOne)
{
    const qsizetype count = 2000;
    const int workers = 4;
    std::vector<std::atomic<int>> runs(count);
    std::atomic<int> busy[workers] = {};
    std::atomic<bool> overlapped { false };
    const PageWork work = [&](qsizetype k, int worker) {
        if (busy[worker]++ != 0) overlapped = true;
        ++runs[k];
        --busy[worker];
    };
    EXPECT_EQ(forEachPage(count, workers, work), count);
    EXPECT_FALSE(overlapped);
    EXPECT_TRUE(std::all_of(runs.begin(), runs.end(), [](const std::atomic<int>& r) { return r == 1; }));

    // A stop at page 700: the other threads hold their pages until the calling one, which alone
    // asks, has reached it; every page before it is done, that one is not.
    for (auto& r : runs)
        r = 0;
    std::atomic<bool> stopped { false };
    const qsizetype done = forEachPage(
        count, workers,
        [&](qsizetype k, int worker) {
            while (worker != 0 && !stopped)
                std::this_thread::yield();
            ++runs[k];
        },
        [&](qsizetype k, qsizetype total) {
            EXPECT_EQ(total, count);
            stopped = k >= 700;
            return !stopped;
        });
    EXPECT_EQ(done, 700);
    EXPECT_EQ(runs[700], 0);
    EXPECT_TRUE(std::all_of(runs.begin(), runs.begin() + 700, [](const std::atomic<int>& r) { return r == 1; }));

    // Of two failing pages the first in page order is the one reported, whichever failed first.
    try {
        forEachPage(count, workers, [](qsizetype k, int) {
            if (k == 1500 || k == 900) throw std::runtime_error(std::to_string(k));
        });
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "900");
    }
}

TEST(SiteWalk, BreadthFirstWithoutHiddenDirectories)
{
    SiteBuilder site({ { "b/x.txt", "" }, { "a/c/y.htm", "" }, { ".hidden/z.htm", "" }, { "a/.git/w.htm", "" } });
    const QStringList dirs = siteDirectories(site.base);
    ASSERT_EQ(dirs.size(), 4);
    EXPECT_EQ(dirs[0], site.base);
    EXPECT_THAT((QStringList { dirs[1], dirs[2] }), UnorderedElementsAre(site.base + "a", site.base + "b"));
    EXPECT_EQ(dirs[3], site.base + "a/c");
}

TEST(SiteWalk, EmptyBaseGivesOneDirectoryAndItsFiles)
{
    SiteBuilder site({ { "readme.txt", "" }, { "pic.gif", "" } });
    const SiteLists lists = loadSite(site.base, PageRule::AnyCase);
    EXPECT_EQ(lists.directories, QStringList { site.base });
    EXPECT_TRUE(lists.pages.isEmpty());
    EXPECT_EQ(sorted(lists.everyFile), (QStringList { site.path("pic.gif"), site.path("readme.txt") }));
}

TEST(SiteWalk, PageRulesHiddenFilesAndOrder)
{
    SiteBuilder site({ { "b.htm", "" }, { "A.Htm", "" }, { "c.HTML", "" }, { "s.JS", "" }, { ".private.htm", "" },
        { "x.css", "" }, { "sub/d.html", "" }, { "sub/D.htm", "" }, { ".hidden/e.htm", "" }, { ".html", "" } });
    const SiteLists any = loadSite(site.base, PageRule::AnyCase);
    EXPECT_EQ(any.pages,
        (QStringList { ".html", ".private.htm", "A.Htm", "b.htm", "c.HTML", "s.JS", "sub/D.htm", "sub/d.html" }));
    EXPECT_EQ(any.everyFile.size(), 10 - 1);
    EXPECT_FALSE(any.everyFile.contains(site.path(".hidden/e.htm")));

    const SiteLists exact = loadSite(site.base, PageRule::ExactCase);
    EXPECT_THAT(exact.pages,
        UnorderedElementsAre("b.htm", "c.HTML", "s.JS", ".private.htm", ".html", "sub/d.html", "sub/D.htm"));
    // Walk order: the base's pages before the subdirectory's.
    EXPECT_TRUE(exact.pages.indexOf("sub/d.html") > exact.pages.indexOf("b.htm"));
}

TEST(SiteWalk, SymbolicLinkToADirectoryIsNotFollowed)
{
    SiteBuilder site(SiteBuilder::Files { { "sub/a.htm", "" } });
    ASSERT_TRUE(QFile::link(site.base, site.path("sub/loop")));
    ASSERT_TRUE(QFile::link(site.top, site.path("up")));
    const SiteLists lists = loadSite(site.base, PageRule::AnyCase);
    EXPECT_EQ(lists.directories, (QStringList { site.base, site.base + "sub" }));
    EXPECT_EQ(lists.pages, QStringList { "sub/a.htm" });
}

TEST(SiteWalk, UnreadableDirectoryContributesNothing)
{
    SiteBuilder site({ { "locked/a.htm", "" }, { "b.htm", "" } });
    QFile::setPermissions(site.path("locked"), QFileDevice::Permissions());
    const bool enforced = !QDir(site.path("locked")).isReadable();
    const SiteLists lists = loadSite(site.base, PageRule::AnyCase);
    QFile::setPermissions(
        site.path("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!enforced) GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_TRUE(lists.pages.contains("b.htm"));
    EXPECT_FALSE(lists.pages.contains("locked/a.htm"));
}

TEST(SiteWalk, SortIgnoringCaseBreaksTiesByExactText)
{
    QStringList list { "b", "B", "a", "_x", "A" };
    sortIgnoringCase(list);
    EXPECT_EQ(list, (QStringList { "_x", "A", "a", "B", "b" }));
    EXPECT_EQ(sortedPosition(list, "Ab"), 3);
}

TEST(SiteWalk, DirectoryWithSlash)
{
    EXPECT_EQ(directoryWithSlash("/web/site"), "/web/site/");
    EXPECT_EQ(directoryWithSlash("/web/site//"), "/web/site/");
    EXPECT_EQ(directoryWithSlash("/"), "/");
}

// ---- Links

TEST(LinkCheck, UrlDecode)
{
    const QList<std::pair<QString, QString>> cases {
        { "my%20page.htm", "my page.htm" }, { "a+b.htm", "a b.htm" }, { "a%2Bb.htm", "a+b.htm" },
        { "100%%.htm", "100%.htm" }, { "50%.htm", "50%.htm" }, // not an escape: kept
        { "my%20", "my " }, // an escape that ends the link
        { "x%4", "x%4" }, { "x%", "x%" }, { "%zz.htm", "%zz.htm" }, { "caf%C3%A9.htm", QString::fromUtf8("café.htm") },
        { "caf%E9.htm", QString::fromUtf8("café.htm") }, // not UTF-8: one character per escape
        { "%EF%BB%BFb.htm", QChar(0xFEFF) + QString("b.htm") }, // a character, not a byte-order mark
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(urlDecode(in), out) << in.toStdString();
}

TEST(LinkCheck, ExpandLink)
{
    const QString dir = "/web/my+site%41/sub/";
    const QList<std::pair<QString, QString>> cases {
        { "page.htm", "/web/my+site%41/sub/page.htm" }, { "./x/../page.htm", "/web/my+site%41/sub/page.htm" },
        { "../images/logo.gif", "/web/my+site%41/images/logo.gif" }, { "/index.htm", "/index.htm" },
        { "../../../../../up.htm", "/up.htm" }, { "my%20page.htm", "/web/my+site%41/sub/my page.htm" },
        { "a\\b.htm", "/web/my+site%41/sub/a\\b.htm" }, // a backslash is part of a name here
        { "%2E%2E/x.htm", "/web/my+site%41/sub/../x.htm" }, // decoded after expanding
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(expandLink(in, dir), out) << in.toStdString();
}

class BrokenLinks : public ::testing::Test {
protected:
    SiteBuilder site { kLinkCaseFiles };
    LinkCheck check(const QString& text, const QString& dir = {})
    {
        const SiteIndex index(loadSite(site.base, PageRule::AnyCase).everyFile);
        return findBrokenLinks(text, dir.isEmpty() ? site.base : site.base + dir, index);
    }
    QStringList broken(const QString& text, const QString& dir = {})
    {
        QStringList links;
        for (const FoundLink& link : check(text, dir).broken)
            links << link.text;
        return links;
    }
};

TEST_F(BrokenLinks, WhichLinksAreBroken)
{
    for (const auto& [link, isBroken] : kLinkCases)
        EXPECT_EQ(broken("<a href=\"" + link + "\">").size(), isBroken ? 1 : 0) << link.toStdString();
}

TEST_F(BrokenLinks, LinksThatAreNotExamined)
{
    const QStringList ignored { "<a href=\"missing.htm#top\">", "<a href='missing.htm'>", "<a href=missing.htm>",
        "<a href=\"missing.php\">", "<a href=\"missing.htm?x=1\">", "<a href=\"http://x/missing.htm\">",
        "<a href=\"mailto:me@missing.htm\">", "<a href=\"javascript:go('missing.htm')\">", "\"open(x.htm\"",
        "\"#missing.htm\"", "missing.htm\"", "" };
    for (const QString& text : ignored)
        EXPECT_TRUE(broken(text).isEmpty()) << text.toStdString();
}

TEST_F(BrokenLinks, FromASubdirectory)
{
    EXPECT_TRUE(broken("<img src=\"../images/logo.gif\"><a href=\"../index.htm\">", "sub/").isEmpty());
    EXPECT_EQ(broken("<a href=\"page.htm\"> <a href=\"../sub/Page.htm\">", "sub/"), QStringList { "../sub/Page.htm" });
}

TEST_F(BrokenLinks, OrderOffsetsAndEscapedMarkup)
{
    // Extensions in their order, each in text order; offsets count line breaks as two.
    const QString text = "<img src=\"x.gif\">\r\n<a href=\"b.htm\">\n&lt;a href=\"c.HTML\"&gt; \"d.htm\"";
    const LinkCheck result = check(text);
    EXPECT_THAT(result.broken,
        ElementsAre(FoundLink { "b.htm", 28 }, FoundLink { "d.htm", 62 }, FoundLink { "c.HTML", 49 },
            FoundLink { "x.gif", 10 }));
    EXPECT_EQ(result.examined, 4);
}

TEST_F(BrokenLinks, ProgressStopsTheCheckKeepingWhatWasFound)
{
    const QString text = "\"a.htm\" \"b.htm\" \"c.htm\"";
    QStringList seen;
    QString verifying;
    const SiteIndex index;
    const LinkCheck result = findBrokenLinks(
        text, site.base, index,
        [&](qsizetype, qsizetype) {
            seen << verifying;
            return seen.size() < 2;
        },
        &verifying);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(seen, (QStringList { "a.htm", "b.htm" }));
    EXPECT_THAT(result.broken, ElementsAre(FoundLink { "a.htm", 1 }));
}

TEST(LinkCheck, AllLinksInOneQuotingStyle)
{
    EXPECT_THAT(findAllLinks("<A HREF=\"a.htm\">\r\n<a href='b.htm'><a href=\"mailto:x\">"),
        ElementsAre(FoundLink { "a.htm", 9 }, FoundLink { "mailto:x", 43 }));
    EXPECT_THAT(findAllLinks("<a href='b.htm'>"), ElementsAre(FoundLink { "b.htm", 9 }));
    EXPECT_TRUE(findAllLinks("<a name=x>").isEmpty());
    EXPECT_THAT(findAllLinks("<a href=\"a\"><a href=\"b"), ElementsAre(FoundLink { "a", 9 }));
}

TEST(LinkCheck, FixKey)
{
    const QList<std::pair<QString, QString>> cases {
        { "pages/About.html", "ABOUT.HTM" },
        { "img/Logo.jpeg", "LOGO.JP" },
        { "Logo.jpg", "LOGO.JP" },
        { "old\\pic.gif", "PIC.GIF" },
        { "a/b\\c/my%20news.htm", "MY NEWS.HTM" },
        { "NEWS.HTM", "NEWS.HTM" },
    };
    for (const auto& [link, key] : cases)
        EXPECT_EQ(fixKey(link), key) << link.toStdString();
}

TEST(LinkCheck, FixSuggestions)
{
    const QStringList every { "/s/About.htm", "/s/images/pic.gif", "/s/OLDNEWS.HTM", "/s/news.html", "/s/sub/x.htm" };
    EXPECT_EQ(fixSuggestions("about.html", every, "/s/index.htm"), QStringList { "About.htm" });
    EXPECT_EQ(fixSuggestions("old/pic.gif", every, "/s/sub/x.htm"), QStringList { "../images/pic.gif" });
    EXPECT_EQ(fixSuggestions("news.htm", every, "/s/index.htm"), (QStringList { "OLDNEWS.HTM", "news.html" }));
    EXPECT_TRUE(fixSuggestions("none.htm", every, "/s/index.htm").isEmpty());
}

// ---- Orphans

namespace {

QStringList names(const SiteBuilder& site, const QStringList& paths)
{
    QStringList relative;
    for (const QString& path : paths)
        relative << path.mid(site.base.size());
    relative.sort();
    return relative;
}

QStringList orphansOf(const SiteBuilder& site)
{
    const SiteLists lists = loadSite(site.base, PageRule::ExactCase);
    const OrphanScan fast = findOrphans(site.base, lists.pages, lists.everyFile);
    const OrphanScan slow = findOrphansOneByOne(site.base, lists.pages, lists.everyFile);
    EXPECT_EQ(fast.orphans, slow.orphans);
    return names(site, fast.orphans);
}

} // namespace

TEST(Orphans, Table)
{
    for (const OrphanCase& c : kOrphanCases) {
        SiteBuilder site(c.files);
        EXPECT_EQ(orphansOf(site), c.orphans) << c.name;
    }
}

TEST(Orphans, FastScanAgreesWithOneByOneOnRandomSites)
{
    QRandomGenerator random(13);
    const QStringList dirs { "", "a/", "b/", "a/c/", "A/" };
    const QStringList files { "x.gif", "y.htm", "X.gif", "xx.gif", "z.css", "n", "a.b.js", "y.html" };
    for (int round = 0; round < 20; ++round) {
        SiteBuilder site;
        QStringList all;
        for (const QString& d : dirs)
            for (const QString& f : files)
                if (random.bounded(2)) all << d + f;
        for (const QString& name : all) {
            QByteArray text;
            for (int i = 0; i < 6; ++i) {
                const QString target = all[random.bounded(int(all.size()))];
                text += (random.bounded(3) == 0 ? "../" : "") + target.mid(random.bounded(3) == 0 ? 2 : 0).toUtf8()
                    + " ";
            }
            site.write(name, text);
        }
        const SiteLists lists = loadSite(site.base, PageRule::ExactCase);
        EXPECT_EQ(findOrphans(site.base, lists.pages, lists.everyFile).orphans,
            findOrphansOneByOne(site.base, lists.pages, lists.everyFile).orphans)
            << "round " << round;
    }
}

TEST(Orphans, ScansOfManyPagesOnSeveralThreadsGiveTheOneByOneResults)
{
    // Enough pages in several directories for the scans to share them out between threads.
    QRandomGenerator random(30);
    SiteBuilder site;
    QStringList files;
    for (const QString& d : { "", "a/", "b/", "a/c/" })
        for (int i = 0; i < 40; ++i)
            files << d + QStringLiteral("p%1.htm").arg(i) << d + QStringLiteral("i%1.gif").arg(i);
    for (const QString& name : files) {
        QByteArray text = "<html>";
        for (int i = 0; i < 4; ++i) {
            const QString target = files[random.bounded(int(files.size()))];
            const bool up = random.bounded(2);
            text += "<a href=\"" + QByteArray(up ? "../" : "") + target.section('/', -1).toUtf8() + "\">\r\n";
        }
        site.write(name, text);
    }
    const SiteLists exact = loadSite(site.base, PageRule::ExactCase);
    EXPECT_EQ(findOrphans(site.base, exact.pages, exact.everyFile).orphans,
        findOrphansOneByOne(site.base, exact.pages, exact.everyFile).orphans);

    const SiteLists any = loadSite(site.base, PageRule::AnyCase);
    const LinkReport report = checkSiteLinks(site.base, any, {});
    const SiteIndex index(any.everyFile);
    qsizetype links = 0;
    QList<ReportedLink> listed;
    for (qsizetype k = 0; k < any.pages.size(); ++k) {
        const QString path = site.base + any.pages[k];
        const LinkCheck check = findBrokenLinks(readPageText(path), path.left(path.lastIndexOf('/') + 1), index);
        links += check.examined;
        for (const FoundLink& link : check.broken)
            listed.append({ k, link });
    }
    EXPECT_EQ(report.links, links);
    ASSERT_EQ(report.listed.size(), listed.size());
    for (qsizetype i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(report.listed[i].page, listed[i].page);
        EXPECT_EQ(report.listed[i].link, listed[i].link);
    }
}

TEST(Orphans, ScanStopsAndUnreadablePagesThrow)
{
    SiteBuilder site({ { "a.htm", "" }, { "b.htm", "" } });
    const SiteLists lists = loadSite(site.base, PageRule::ExactCase);
    const OrphanScan stopped
        = findOrphans(site.base, lists.pages, lists.everyFile, [](qsizetype k, qsizetype) { return k < 1; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_TRUE(stopped.orphans.isEmpty());
    QFile::remove(site.path("b.htm"));
    EXPECT_THROW(findOrphans(site.base, lists.pages, lists.everyFile), FileError);
}

TEST(Orphans, RubbishDirectory)
{
    EXPECT_EQ(extractThisDirectory("/web/mysite/"), "mysite");
    EXPECT_EQ(rubbishDirectory("/web/mysite/"), "/web/mysiteRubbish/");
    EXPECT_EQ(rubbishDirectory("/mysite/"), "/mysiteRubbish/");
    EXPECT_EQ(rubbishDirectory("/"), "");
}

TEST(Orphans, MovingKeepsTheTreeAndNeverOverwrites)
{
    SiteBuilder site({ { "old.htm", "old" }, { "img/pic.gif", "pic" }, { "img/deep/x.gif", "x" } });
    const QString rubbish = site.top + "siteRubbish/";
    EXPECT_EQ(moveToRubbish(site.path("old.htm"), site.base), rubbish + "old.htm");
    EXPECT_EQ(moveToRubbish(site.path("img/deep/x.gif"), site.base), rubbish + "img/deep/x.gif");
    EXPECT_FALSE(site.exists("old.htm"));
    EXPECT_TRUE(QFileInfo::exists(rubbish + "old.htm"));
    EXPECT_TRUE(QFileInfo::exists(rubbish + "img/deep/x.gif"));
    EXPECT_EQ(moveToRubbish(site.path("gone.gif"), site.base), "");

    site.write("old.htm", "new");
    try {
        moveToRubbish(site.path("old.htm"), site.base);
        FAIL() << "overwrote";
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(),
            "Cannot move file \"" + site.path("old.htm") + "\" to \"" + rubbish
                + "old.htm\". A file of that name is already there.");
    }
    EXPECT_EQ(site.read("old.htm"), "new");
    QFile kept(rubbish + "old.htm");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
}

TEST(Orphans, MovesAreRestoredWherePlacesAreFree)
{
    SiteBuilder site({ { "a.htm", "a" }, { "img/pic.gif", "pic" }, { "b.htm", "b" } });
    QList<RubbishMove> moves;
    for (const QString& name : { "a.htm", "img/pic.gif", "b.htm" })
        moves.append({ site.path(name), moveToRubbish(site.path(name), site.base) });
    EXPECT_EQ(parseMoveLog(moveLogText(moves)), moves);
    const QList<RubbishMove> logged { { "/s/a.htm", "/sRubbish/a.htm" }, { "/s/img/p.gif", "/sRubbish/img/p.gif" } };
    EXPECT_EQ(moveLogText(logged).toStdString(), "/sRubbish/a.htm\t/s/a.htm\r\n/sRubbish/img/p.gif\t/s/img/p.gif\r\n");
    QDir(site.path("img")).removeRecursively();
    site.write("b.htm", "new b");
    const QList<RubbishMove> left = restoreMoves(moves);
    EXPECT_EQ(left, QList<RubbishMove> { moves[2] });
    EXPECT_EQ(site.read("a.htm"), "a");
    EXPECT_EQ(site.read("img/pic.gif"), "pic");
    EXPECT_EQ(site.read("b.htm"), "new b");
    EXPECT_TRUE(QFileInfo::exists(moves[2].to));
}

// Any name but one holding "/" is a file name: a backslash makes no directory, and a tab or a
// line break fits in the log and comes back.
TEST(Orphans, OddNamesAreMovedLoggedAndRestoredAsTheyAre)
{
    const QStringList names { "back\\slash.gif", "tab\there.gif", "line\nbreak.gif", "cr\rname.gif", "esc\\n.gif" };
    SiteBuilder::Files files;
    for (const QString& name : names)
        files.push_back({ name, name.toUtf8() });
    SiteBuilder site(files);
    QList<RubbishMove> moves;
    for (const QString& name : names) {
        moves.append({ site.path(name), moveToRubbish(site.path(name), site.base) });
        EXPECT_EQ(moves.last().to, site.top + "siteRubbish/" + name);
    }
    EXPECT_EQ(parseMoveLog(moveLogText(moves)), moves);
    EXPECT_EQ(restoreMoves(parseMoveLog(moveLogText(moves))), QList<RubbishMove> {});
    for (const QString& name : names)
        EXPECT_EQ(site.read(name), name) << name.toStdString();
    // A log of an earlier version, backslash unescaped, still reads.
    EXPECT_EQ(parseMoveLog("/r/a\\b.gif\t/s/a\\b.gif\r\n"), (QList<RubbishMove> { { "/s/a\\b.gif", "/r/a\\b.gif" } }));
}

TEST(Orphans, ARootBaseIsRefused)
{
    try {
        moveToRubbish("/etc/hostname", "/");
        FAIL() << "moved";
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(), "Cannot create /Rubbish/etc/");
    }
}

TEST(Orphans, ADirectoryThatCannotBeMadeIsReported)
{
    SiteBuilder site(SiteBuilder::Files { { "img/pic.gif", "" } });
    site.write("../siteRubbish/img", "a file where the directory should be");
    try {
        moveToRubbish(site.path("img/pic.gif"), site.base);
        FAIL() << "moved";
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(), "Cannot create " + site.top + "siteRubbish/img/");
    }
    EXPECT_TRUE(site.exists("img/pic.gif"));
}

// ---- ALT texts

TEST(AltText, Table)
{
    struct Case {
        QString text;
        QList<FoundLink> found;
    };
    const QList<Case> cases {
        { "<img alt=\"Logo\"><img alt=\"\">\r\n<img ALT=\" \">", { { "Logo", 10 }, { "", 26 }, { " ", 40 } } },
        { "<img alt=\"a\"><img alt='b'>", { { "a", 10 } } },
        { "<img alt='b'>", { { "b", 10 } } },
        { "<img src=x>", {} },
        { "<img alt=\"a\"><img alt=\"b>", { { "a", 10 } } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(findAltTexts(c.text), c.found) << c.text.toStdString();
    EXPECT_EQ(altTextEntry(""), "Empty ALT text");
    EXPECT_EQ(altTextEntry(" "), "Empty ALT text");
    EXPECT_EQ(altTextEntry("  "), "  ");
}
