#include "sitetools/SiteChanges.h"
#include "sitetools/SiteFind.h"
#include "sitetools/SiteLinks.h"

#include "editor/TextFile.h"
#include "platform/FileError.h"

#include "support/QStringPrinter.h"
#include "SiteBuilder.h"

#include <QDirIterator>
#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

// Every file below dir, by its path under dir, with its bytes.
QMap<QString, QByteArray> filesBelow(const QString& dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        files.insert(QDir(dir).relativeFilePath(path), file.readAll());
    }
    return files;
}

void copyTree(const QString& from, const QString& to)
{
    for (const auto& [name, bytes] : filesBelow(from).asKeyValueRange()) {
        QDir().mkpath(QFileInfo(to + name).path());
        writeBytes(to + name, bytes);
    }
}

QString fixture(const QString& side) { return QStringLiteral(PELORIN_FIXTURES "/sitetools/move/") + side + '/'; }

// Applies every change of the plan the way the window does, each page in its own format.
void applyAll(SiteJournal& journal, const SitePlan& plan, const OpenPage& open = {})
{
    QList<PageRewrite> pages = prepareRewrites(plan.changes, open);
    QList<TextFormat> formats;
    for (const PageRewrite& page : pages)
        formats << page.file.format();
    journal.commit(plan, pages, formats, open);
}

QStringList newTexts(const SitePlan& plan)
{
    QStringList texts;
    for (const SiteChange& change : plan.changes)
        texts << change.newText;
    return texts;
}

} // namespace

// ---- Link values

TEST(SiteLinks, FindsEveryQuotedLinkAttributeAndUrl)
{
    const QString page = QStringLiteral(
        "<a href=\"a.htm\"> <img SRC='b.gif'> <td background = \"c.gif\"> <form action=\"d.cgi\">\n"
        "<object data=\"e.svg\"> <video poster='f.jpg'> <p style=\"background:url( 'g.png' )\">\n"
        "<a data-href=\"no.htm\"> <a xhref=\"no.htm\"> <a href=no.htm> <i>href=\"no.htm\"</i> <b>url(h.png)</b>");
    QStringList values;
    for (const LinkSpot& spot : linkSpots(page, false)) {
        values << spot.value;
        EXPECT_EQ(page.mid(spot.index, spot.value.size()), spot.value);
    }
    // Text that merely reads like an attribute counts, as a browser would not; the forms are what matter.
    EXPECT_THAT(values, ElementsAre("a.htm", "b.gif", "c.gif", "d.cgi", "e.svg", "f.jpg", "g.png", "no.htm", "h.png"));

    QStringList sheet;
    for (const LinkSpot& spot : linkSpots("a { background: url(x.png) } /* href=\"y.htm\" */ b { x: url(\"z.png\") }", true))
        sheet << spot.value;
    EXPECT_THAT(sheet, ElementsAre("x.png", "z.png"));
}

TEST(SiteLinks, TargetsAndRewrittenValues)
{
    const QString base = "/site/";
    struct Row {
        const char* value; // from /site/docs/
        const char* target; // empty: names no file of the site
        const char* rewritten; // naming /site/new dir/b.htm from /site/docs/
    };
    const Row rows[] = {
        { "a.htm", "/site/docs/a.htm", "../new dir/b.htm" },
        { "./a.htm", "/site/docs/a.htm", "../new dir/b.htm" },
        { "../a.htm", "/site/a.htm", "../new dir/b.htm" },
        { "sub/../a.htm#x", "/site/docs/a.htm", "../new dir/b.htm#x" },
        { "/docs/a.htm?q=1#f", "/site/docs/a.htm", "/new dir/b.htm?q=1#f" },
        { "my%20page.htm", "/site/docs/my page.htm", "../new%20dir/b.htm" },
        { "my page.htm", "/site/docs/my page.htm", "../new dir/b.htm" },
        { "a+b.htm", "/site/docs/a+b.htm", "../new dir/b.htm" },
        { "http://example.com/a.htm", "", "" },
        { "mailto:me@example.com", "", "" },
        { "//cdn.example.com/a.js", "", "" },
        { "#top", "", "" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(linkTarget(row.value, "/site/docs/", base), QString(row.target));
        if (*row.target) EXPECT_EQ(rewrittenLink(row.value, "/site/new dir/b.htm", "/site/docs/", base), QString(row.rewritten));
    }
    // "./" stays only where the path still starts in the page's directory.
    EXPECT_EQ(rewrittenLink("./a.htm", "/site/docs/sub/b.htm", "/site/docs/", base), "./sub/b.htm");
}

// ---- Renaming and moving

TEST(SiteMove, WholeFixtureSiteMatchesTheExpectedSiteAndUndoRestoresIt)
{
    QTemporaryDir temp;
    const QString base = temp.filePath("site") + '/';
    copyTree(fixture("before"), base);
    SiteJournal journal(temp.filePath("settings/sitechange/"));

    const SitePlan plan = planMove(base, base + "docs/a.htm", base + "archive/old.htm");
    ASSERT_EQ(plan.from, base + "docs/a.htm");
    applyAll(journal, plan);
    EXPECT_EQ(filesBelow(base), filesBelow(fixture("after")));

    // The journal is all files: another journal on the same directory (a restart) undoes it.
    SiteJournal restarted(journal.directory());
    const SiteJournal::Check check = restarted.check();
    EXPECT_TRUE(check.present);
    EXPECT_TRUE(check.changedSince.isEmpty()) << check.changedSince.join(", ").toStdString();
    restarted.undo();
    EXPECT_EQ(filesBelow(base), filesBelow(fixture("before")));
    EXPECT_TRUE(restarted.isEmpty());
}

TEST(SiteMove, ListsPageLineAndBothLinks)
{
    SiteBuilder site({ { "index.htm", "<p>\r\n  <a href=\"a.htm\">a</a> <a href='a.htm#x'>x</a>\r\n" }, { "a.htm", "" } });
    const SitePlan plan = planMove(site.base, site.path("a.htm"), site.path("b c.htm"));
    ASSERT_EQ(plan.changes.size(), 2);
    const SiteChange& first = plan.changes[0];
    EXPECT_EQ(first.page, site.path("index.htm"));
    EXPECT_EQ(first.line, 2);
    EXPECT_EQ(first.column, 12);
    EXPECT_EQ(first.lineText, "  <a href=\"a.htm\">a</a> <a href='a.htm#x'>x</a>");
    EXPECT_EQ(first.oldText, "a.htm");
    EXPECT_EQ(first.newText, "b c.htm");
    EXPECT_EQ(plan.changes[1].newText, "b c.htm#x");
}

TEST(SiteMove, NamesWithSpacesInBothSpellings)
{
    SiteBuilder site({ { "index.htm", "<img src=\"img/my pic.gif\"><img src=\"img/my%20pic.gif\"><img src=\"img/my pic.gifs\">" },
        { "img/my pic.gif", "" } });
    const SitePlan plan = planMove(site.base, site.path("img/my pic.gif"), site.path("img/your pic.gif"));
    EXPECT_THAT(newTexts(plan), ElementsAre("img/your pic.gif", "img/your%20pic.gif"));
}

TEST(SiteMove, TheEditorsTextStandsForThePageOnDisk)
{
    SiteBuilder site({ { "index.htm", "<a href=\"a.htm\">" }, { "a.htm", "" } });
    const OpenPage open { site.path("index.htm"), "new line\n<a href=\"a.htm\"> <a href=\"a.htm#2\">" };
    const SitePlan plan = planMove(site.base, site.path("a.htm"), site.path("b.htm"), open);
    ASSERT_EQ(plan.changes.size(), 2);
    EXPECT_EQ(plan.changes[0].line, 2);

    QTemporaryDir settings;
    SiteJournal journal(settings.filePath("j/"));
    applyAll(journal, plan, open);
    // The page is the editor's to change: the disk keeps its bytes.
    EXPECT_EQ(site.read("index.htm"), "<a href=\"a.htm\">");
    EXPECT_TRUE(site.exists("b.htm"));

    const PageRewrite rewrite = prepareRewrites(plan.changes, open).front();
    const OpenPage edited { open.path, rewrite.newText };
    SiteJournal::Check check = journal.check(edited);
    EXPECT_TRUE(check.changedSince.isEmpty());
    EXPECT_EQ(check.editorPath, open.path);
    EXPECT_EQ(check.editorText, open.text);
    // Typed over since: undo says so.
    check = journal.check({ open.path, rewrite.newText + "x" });
    EXPECT_THAT(check.changedSince, ElementsAre(QDir::toNativeSeparators(open.path)));
}

TEST(SiteMove, RefusesBeforeTouchingAnything)
{
    SiteBuilder site({ { "index.htm", "<a href=\"a.htm\">" }, { "a.htm", "" }, { "b.htm", "" } });
    auto refusal = [&](const QString& from, const QString& to) {
        try {
            planMove(site.base, from, to);
        } catch (const FileError& error) {
            return error.message();
        }
        return QString();
    };
    const QString native = QDir::toNativeSeparators(site.path("b.htm"));
    EXPECT_EQ(refusal(site.path("a.htm"), site.path("b.htm")), SiteChangeTexts::kExists.arg(native));
    EXPECT_EQ(refusal(site.path("a.htm"), site.top + "a.htm"),
        SiteChangeTexts::kOutside.arg(QDir::toNativeSeparators(site.top + "a.htm"), QDir::toNativeSeparators(site.base)));
    EXPECT_EQ(refusal(site.path("a.htm"), site.path("none/a.htm")),
        SiteChangeTexts::kNoDirectory.arg(QDir::toNativeSeparators(site.path("none/"))));

    EXPECT_TRUE(site.exists("a.htm"));
    EXPECT_EQ(site.read("index.htm"), "<a href=\"a.htm\">");
}

TEST(SiteMove, PageChangedSinceTheListStopsTheApply)
{
    SiteBuilder site({ { "index.htm", "<a href=\"a.htm\">" }, { "other.htm", "<a href=\"a.htm\">" }, { "a.htm", "" } });
    const SitePlan plan = planMove(site.base, site.path("a.htm"), site.path("b.htm"));
    site.write("other.htm", "<p><a href=\"a.htm\">");
    try {
        prepareRewrites(plan.changes);
        FAIL() << "the change went ahead";
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(), SiteChangeTexts::kChangedSince.arg(QDir::toNativeSeparators(site.path("other.htm"))));
    }
    EXPECT_TRUE(site.exists("a.htm"));
}

TEST(SiteMove, APageThatWouldNotComeBackByteForByteIsRefused)
{
    SiteBuilder site({ { "index.htm", "<a href=\"a.htm\">\r\nsecond\nthird\r\n" }, { "a.htm", "" } });
    const SitePlan plan = planMove(site.base, site.path("a.htm"), site.path("b.htm"));
    ASSERT_EQ(plan.changes.size(), 1);
    try {
        prepareRewrites(plan.changes);
        FAIL() << "the change went ahead";
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(), SiteChangeTexts::kNotKept.arg(QDir::toNativeSeparators(site.path("index.htm"))));
    }
}

TEST(SiteMove, DefaultSiteBase)
{
    SiteBuilder site({ { "index.htm", "<a href=\"docs/deep/a.htm\">" }, { "docs/other.htm", "<a href=\"deep/b.htm\">" },
        { "docs/deep/a.htm", "" } });
    EXPECT_EQ(defaultSiteBase(site.path("docs/deep/a.htm"), {}), site.base);
    EXPECT_EQ(defaultSiteBase(site.path("docs/deep/a.htm"), site.path("docs")), site.path("docs/"));
    // A last base the file is not below does not count; nothing links to b.htm but a page of its own directory's parent.
    EXPECT_EQ(defaultSiteBase(site.path("docs/deep/b.htm"), site.top + "elsewhere"), site.path("docs/"));
    EXPECT_EQ(defaultSiteBase(site.path("docs/deep/c.htm"), {}), site.path("docs/deep/"));
}

TEST(SiteMove, UndoNamesTheFilesChangedSinceAndLeavesAll)
{
    SiteBuilder site({ { "index.htm", "<a href=\"a.htm\">" }, { "other.htm", "<a href=\"a.htm\">" }, { "a.htm", "" } });
    QTemporaryDir settings;
    SiteJournal journal(settings.filePath("j/"));
    applyAll(journal, planMove(site.base, site.path("a.htm"), site.path("b.htm")));
    site.write("other.htm", "edited by hand");

    const SiteJournal::Check check = journal.check();
    EXPECT_THAT(check.changedSince, ElementsAre(QDir::toNativeSeparators(site.path("other.htm"))));
    EXPECT_EQ(site.read("index.htm"), "<a href=\"b.htm\">");
    EXPECT_FALSE(journal.isEmpty());
}

// ---- Find and replace

TEST(SiteFind, MatchesInSiteOrderWithTheirPlaces)
{
    SiteBuilder site({ { "a.htm", "one Word\nwords and word\n" }, { "sub/b.css", "/* word */" }, { "c.js", "WORD" },
        { "d.txt", "word" } });
    struct Row {
        SiteFindOptions options;
        int count;
    };
    const Row rows[] = {
        { { "word" }, 5 },
        { { "word", false, true }, 3 },
        { { "word", false, false, true }, 4 },
        { { "w(or)d\\b", true, false, false }, 4 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.options.text.toStdString());
        QList<SiteMatch> all;
        ASSERT_TRUE(sitePattern(row.options));
        EXPECT_TRUE(findInSite(site.base, row.options, {}, [&](const QList<SiteMatch>& m) { all += m; }));
        EXPECT_EQ(all.size(), row.count);
    }
    QList<SiteMatch> all;
    findInSite(site.base, { "word", false, true, true }, {}, [&](const QList<SiteMatch>& m) { all += m; });
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[0].page, site.path("a.htm"));
    EXPECT_EQ(all[0].line, 2);
    EXPECT_EQ(all[0].column, 11);
    EXPECT_EQ(all[0].lineText, "words and word");
    EXPECT_EQ(all[1].page, site.path("sub/b.css"));

    QString error;
    EXPECT_FALSE(sitePattern({ "(", true }, &error));
    EXPECT_THAT(error.toStdString(), ::testing::StartsWith("The regular expression is not valid"));
}

TEST(SiteFind, ReplaceAllGoesIntoTheJournal)
{
    SiteBuilder site(SiteBuilder::Files { { "a.htm", "colour: red;\r\ncolor: red;\r\n" } });
    QList<SiteMatch> matches;
    findInSite(site.base, { "colou?r: (\\w+)", true }, {}, [&](const QList<SiteMatch>& m) { matches += m; });
    SitePlan plan;
    plan.base = site.base;
    plan.changes = replacementChanges(matches, "color: \\1 !important", true);
    ASSERT_EQ(plan.changes.size(), 2);
    QTemporaryDir settings;
    SiteJournal journal(settings.filePath("j/"));
    applyAll(journal, plan);
    EXPECT_EQ(site.read("a.htm"), "color: red !important;\r\ncolor: red !important;\r\n");
    journal.undo();
    EXPECT_EQ(site.read("a.htm"), "colour: red;\r\ncolor: red;\r\n");
}
