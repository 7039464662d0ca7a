// pelorin95-site, run as a process on small sites: its reports must be what the finders' core
// functions give page by page, its web-link check is asked of a loopback server.

#include "sitetools/AnchorCheck.h"
#include "sitetools/LinkCheck.h"
#include "sitetools/Orphans.h"
#include "sitetools/SiteCheckReport.h"
#include "sitetools/SiteWalk.h"
#include "sitetools/WebLinks.h"

#include "LoopbackServer.h"
#include "support/QStringPrinter.h"
#include "SiteBuilder.h"
#include "SiteCases.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gmock/gmock.h>

namespace {

const QString kFixtures = QStringLiteral(PELORIN_FIXTURES "/sitetools/");

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

class SiteCommand : public ::testing::Test {
protected:
    QTemporaryDir settings;

    // Runs the checker to its end while this process's event loop serves the loopback server.
    Outcome run(const QStringList& arguments)
    {
        QProcess process;
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        process.start(PELORIN_SITE_EXECUTABLE, QStringList { "--settings-dir", settings.path() } + arguments);
        if (!process.waitForStarted()) return {};
        if (process.state() != QProcess::NotRunning) loop.exec();
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "pelorin95-site did not finish";
        }
        return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()) };
    }
};


// The report the broken-link finder's core gives, page by page as "Check Site" checks them.
QString finderLinkReport(const QString& base)
{
    const SiteLists site = loadSite(base, PageRule::AnyCase);
    const SiteIndex index(site.everyFile);
    QString report;
    qsizetype links = 0, broken = 0;
    for (const QString& page : site.pages) {
        const LinkCheck check = findBrokenLinks(readPageText(base + page), pageDirectory(base + page), index);
        links += check.examined;
        broken += check.broken.size();
        for (const FoundLink& link : check.broken)
            report += page + '\t' + QString::number(link.offset) + '\t' + reportField(link.text) + '\n';
    }
    return report + QStringLiteral("pages=%1 links=%2 broken=%3\n").arg(site.pages.size()).arg(links).arg(broken);
}

// The orphans the orphans finder's core gives, one candidate at a time.
QString finderOrphanReport(const QString& base)
{
    const SiteLists site = loadSite(base, PageRule::ExactCase);
    const QStringList everyFile = siteFiles(site.directories);
    const OrphanScan scan = findOrphansOneByOne(base, site.pages, everyFile);
    QString report;
    for (const QString& orphan : scan.orphans)
        report += orphan.mid(base.size()) + '\n';
    return report
        + QStringLiteral("pages=%1 files=%2 orphans=%3\n")
              .arg(site.pages.size())
              .arg(everyFile.size())
              .arg(scan.orphans.size());
}

QStringList reportedNames(const QString& out)
{
    QStringList names = out.split('\n', Qt::SkipEmptyParts);
    names.removeLast(); // the summary
    names.sort();
    return names;
}

} // namespace

TEST_F(SiteCommand, LinkCasesAsTheFinderFindsThem)
{
    SiteBuilder site(kLinkCaseFiles);
    QByteArray index, sub;
    QStringList broken;
    for (const LinkCase& c : kLinkCases) {
        index += "<a href=\"" + c.link.toUtf8() + "\">\r\n";
        if (c.broken) broken << c.link;
    }
    site.write("index.htm", index);
    site.write("sub/page.htm", "<img src=\"../images/logo.gif\">\n<a href=\"../sub/Page.htm\"> <a href=\"page.htm\">");
    const Outcome result = run({ "links", site.base });
    EXPECT_EQ(result.out, finderLinkReport(site.base));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "");
    QStringList reported;
    for (const QString& line : result.out.split('\n'))
        if (line.startsWith("index.htm\t")) reported << line.section('\t', 2).replace("\\\\", "\\");
    EXPECT_THAT(reported, ::testing::UnorderedElementsAreArray(broken));
    EXPECT_TRUE(result.out.contains("sub/page.htm\t41\t../sub/Page.htm\n"));
}

TEST_F(SiteCommand, OrphanCasesAsTheFinderFindsThem)
{
    for (const OrphanCase& c : kOrphanCases) {
        SiteBuilder site(c.files);
        const Outcome result = run({ "orphans", site.base });
        EXPECT_EQ(result.out, finderOrphanReport(site.base)) << c.name;
        EXPECT_EQ(reportedNames(result.out), c.orphans) << c.name;
        EXPECT_EQ(result.status, c.orphans.isEmpty() ? 0 : 1) << c.name;
    }
}

TEST_F(SiteCommand, TheFixtureSiteInLinesAndInJson)
{
    const QString base = kFixtures + "linksite";
    const Outcome links = run({ "links", base });
    EXPECT_EQ(links.out,
        "index.htm\t44\tnews.htm\n"
        "index.htm\t102\tgone.htm\n"
        "index.htm\t12\tabout.html\n"
        "index.htm\t74\timages/Logo.GIF\n"
        "pages=4 links=5 broken=4\n");
    EXPECT_EQ(links.out, finderLinkReport(base + '/'));
    const Outcome orphans = run({ "orphans", base });
    EXPECT_EQ(orphans.out, finderOrphanReport(base + '/'));
    EXPECT_EQ(reportedNames(orphans.out), (QStringList { "images/logo.gif", "sub/news.html", "sub/page.htm" }));

    const QJsonObject json = QJsonDocument::fromJson(run({ "--json", "links", base }).out.toUtf8()).object();
    EXPECT_EQ(json["summary"].toObject(), (QJsonObject { { "pages", 4 }, { "links", 5 }, { "broken", 4 } }));
    ASSERT_EQ(json["links"].toArray().size(), 4);
    EXPECT_EQ(json["links"][0].toObject(),
        (QJsonObject { { "page", "index.htm" }, { "offset", 44 }, { "link", "news.htm" }, { "kind", "file" },
            { "broken", true } }));
    const QJsonObject orphansJson = QJsonDocument::fromJson(run({ "orphans", "--json", base }).out.toUtf8()).object();
    EXPECT_EQ(orphansJson["summary"].toObject(), (QJsonObject { { "pages", 4 }, { "files", 5 }, { "orphans", 3 } }));
    EXPECT_EQ(orphansJson["orphans"].toArray().size(), 3);
}

TEST_F(SiteCommand, AGoodSiteAndBadUse)
{
    SiteBuilder site({ { "index.htm", "<a href=\"a.htm\">" }, { "a.htm", "<a href=\"index.htm\">" } });
    const Outcome good = run({ "links", site.base });
    EXPECT_EQ(good.out, "pages=2 links=2 broken=0\n");
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(run({ "orphans", site.base }).status, 0);

    struct Case {
        QStringList arguments;
        QString message; // the start of standard error
    };
    const QList<Case> cases {
        { { "links" }, "Usage: pelorin95-site" },
        { { "check", site.base }, "Usage: pelorin95-site" },
        { { "--bogus", "links", site.base }, "Unknown option 'bogus'." },
        { { "links", site.base + "missing" }, "Please select a VALID directory.\n" },
        { { "orphans", site.path("index.htm") }, "Please select a VALID directory.\n" },
        { { "links", "" }, "Please select a directory first.\n" },
        { { "--external", "--timeout", "soon", "links", site.base }, "--timeout needs a number of seconds\n" },
    };
    for (const Case& c : cases) {
        const Outcome bad = run(c.arguments);
        EXPECT_EQ(bad.status, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(bad.err.startsWith(c.message)) << bad.err.toStdString();
        EXPECT_EQ(bad.out, "");
    }
}

TEST_F(SiteCommand, AnUnreadablePageEndsTheCheckWithItsMessage)
{
    SiteBuilder site({ { "a.htm", "" }, { "b.htm", "<a href=\"x.htm\">" } });
    QFile::setPermissions(site.path("b.htm"), QFileDevice::Permissions());
    if (QFile(site.path("b.htm")).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions are not enforced for this user";
    const Outcome result = run({ "links", site.base });
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err.contains(site.path("b.htm"))) << result.err.toStdString();
}

TEST(SiteReport, FieldsKeepToOneLine)
{
    const QList<std::pair<QString, QString>> cases {
        { "plain/page.htm", "plain/page.htm" },
        { "a\tb\r\nc", "a\\tb\\r\\nc" },
        { QString("x") + QChar(1) + QChar(0x7F) + QChar(0x9B), "x\\x01\\x7F\\x9B" },
        { "C:\\site\\a.htm", "C:\\\\site\\\\a.htm" },
        { QString::fromUtf8("café"), QString::fromUtf8("café") },
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(reportField(text), field) << text.toStdString();
}

TEST_F(SiteCommand, ControlCharactersInALinkAreEscaped)
{
    SiteBuilder site(SiteBuilder::Files { { "index.htm", "<a href=\"a\tb.htm\">\n<a href=\"c\x01.htm\">" } });
    EXPECT_EQ(run({ "links", site.base }).out,
        "index.htm\t9\ta\\tb.htm\nindex.htm\t29\tc\\x01.htm\npages=1 links=2 broken=2\n");
}

// ---- #anchors

TEST(AnchorCheck, NamesAPageOffers)
{
    const QString text = "<h1 id=\"one\" class=x>\r\n<P ID='two'><a NAME=three></a><A name=\"Four\">"
                         "<img name=\"notanchor\"><!-- <p id=\"hidden\"> --><div data-id=\"no\" id = \" spaced \">"
                         "<p id=\"unclosed>";
    EXPECT_EQ(anchorNames(text), (QSet<QString> { "one", "two", "three", "Four", " spaced " }));
    EXPECT_TRUE(reachesAnchor({ "caf\u00e9" }, "caf%C3%A9"));
    EXPECT_TRUE(reachesAnchor({}, ""));
    EXPECT_TRUE(reachesAnchor({}, "Top"));
    EXPECT_FALSE(reachesAnchor({ "One" }, "one"));
}

TEST_F(SiteCommand, AnchorsOfTheFixtureSite)
{
    const QString base = kFixtures + "anchorsite";
    const Outcome result = run({ "--anchors", "links", base });
    EXPECT_EQ(result.out,
        "about.htm\t109\tindex.htm#team\tanchor\n"
        "index.htm\t74\tabout.htm#Team\tanchor\n"
        "index.htm\t108\tabout.htm#gone\tanchor\n"
        "index.htm\t193\t#nowhere\tanchor\n"
        "index.htm\t285\tmissing.htm#x\tanchor\n"
        "pages=3 links=15 broken=5 anchors=15\n");
    EXPECT_EQ(result.status, 1);
    // Off by default: the finder's rules alone skip every link with a "#".
    const Outcome plain = run({ "links", base });
    EXPECT_EQ(plain.out, "pages=3 links=0 broken=0\n");
    EXPECT_EQ(plain.status, 0);
}

// ---- Every link

TEST_F(SiteCommand, EveryLinkOfTheFixtureSite)
{
    const QString base = kFixtures + "everylinksite";
    const Outcome every = run({ "--every-link", "links", base });
    EXPECT_EQ(every.out,
        "css/site.css\t180\t../img/gone\\\\ bg.png\turl()\n"
        "index.htm\t43\tsite.appcache\tmanifest\n"
        "index.htm\t236\timg/back.png\turl()\n"
        "index.htm\t506\tnodir/\thref\n"
        "index.htm\t537\tSub/page.html\thref\n"
        "index.htm\t727\timg/logo@2x.png\tsrcset\n"
        "index.htm\t822\timg/wide.webp\tsrcset\n"
        "index.htm\t890\t/docs/guide.pdf\thref\n"
        "index.htm\t988\timg/missing.svg\turl()\n"
        "index.htm\t1067\tcgi/send.htm\tformaction\n"
        "index.htm\t1119\tquotes.htm\tcite\n"
        "index.htm\t1183\tmedia/clip.mp4\tsrc\n"
        "sub/page.html\t112\tsub/gone.gif\tsrc\n"
        "pages=8 links=34 broken=13\n");
    EXPECT_EQ(every.status, 1);
    EXPECT_EQ(every.err, "");

    // The classic rule on the same site is still the finder's, quirks and all.
    const Outcome classic = run({ "links", base });
    EXPECT_EQ(classic.out, finderLinkReport(base + '/'));
    EXPECT_TRUE(classic.out.contains("index.htm\t414\tcommented.htm\n"));
    EXPECT_TRUE(classic.out.endsWith("pages=6 links=13 broken=9\n"));

    const QJsonObject json
        = QJsonDocument::fromJson(run({ "--json", "--every-link", "links", base }).out.toUtf8()).object();
    EXPECT_EQ(json["links"][1].toObject(),
        (QJsonObject { { "page", "index.htm" }, { "offset", 43 }, { "link", "site.appcache" }, { "kind", "file" },
            { "broken", true }, { "attribute", "manifest" } }));
}

TEST_F(SiteCommand, EveryLinkFromAnotherRoot)
{
    SiteBuilder site({ { "index.htm", "<img src=\"/site/img/a.png\"><a href=/>" }, { "img/a.png", "" } });
    const Outcome fromSite = run({ "--every-link", "links", site.base });
    EXPECT_EQ(fromSite.out, "index.htm\t10\t/site/img/a.png\tsrc\npages=1 links=2 broken=1\n");
    const Outcome fromTop = run({ "--every-link", "--root", site.top, "links", site.base });
    // The site's own index page is good from the site; from the top there is none.
    EXPECT_EQ(fromTop.out, "index.htm\t35\t/\thref\npages=1 links=2 broken=1\n");

    const QList<std::pair<QStringList, QString>> bad {
        { { "--root", site.top, "links", site.base }, "--root goes with --every-link\n" },
        { { "--every-link", "--root", site.top + "missing", "links", site.base }, "--root needs a directory\n" },
    };
    for (const auto& [arguments, message] : bad) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, message);
    }
}

// ---- Web links

TEST_F(SiteCommand, WebLinksAnsweredInEveryWay)
{
    LoopbackServer server;
    const QStringList paths { "/ok", "/moved", "/missing", "/error", "/nohead", "/never", "/busy", "/loop" };
    QString text;
    for (const QString& path : paths)
        text += "<a href=\"" + server.url(path) + "#part\">x</a>\r\n";
    SiteBuilder site({ { "index.htm", text.toUtf8() } });
    auto line = [&](const QString& path, const QString& rest) {
        return "index.htm\t" + QString::number(text.indexOf(server.url(path))) + '\t' + server.url(path) + "#part\t"
            + rest + '\n';
    };
    const Outcome result = run({ "--external", "--timeout", "0.3", "links", site.base });
    EXPECT_EQ(result.out,
        line("/moved", "200\t" + server.url("/ok")) + line("/missing", "404") + line("/error", "500")
            + line("/never", "timeout") + line("/loop", "too many redirects\t" + server.url("/loop"))
            + "pages=1 links=8 broken=4 web=8 200=4 404=1 500=1 timeout=1 too_many_redirects=1\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "");

    EXPECT_EQ(server.methodsFor("/nohead"), (QList<QByteArray> { "HEAD", "GET" }));
    EXPECT_EQ(server.methodsFor("/moved"), QList<QByteArray> { "HEAD" });
    EXPECT_EQ(server.methodsFor("/ok").size(), 2); // asked for itself and at the end of the redirect
    EXPECT_EQ(server.methodsFor("/never").size(), 3); // two retries after the timeout
    EXPECT_EQ(server.methodsFor("/loop").size(), 6); // five redirects followed, the sixth not
    const QList<qint64> busy = server.timesFor("/busy");
    ASSERT_EQ(busy.size(), 2);
    EXPECT_GE(busy[1] - busy[0], 950) << "Retry-After: 1 was not waited for";
}

TEST_F(SiteCommand, NoMoreThanFourRequestsAtATimeToOneHost)
{
    LoopbackServer server;
    QByteArray text;
    for (int i = 0; i < 12; ++i)
        text += "<img src=\"" + server.url(QStringLiteral("/slow/%1.gif").arg(i)).toUtf8() + "\">\n";
    SiteBuilder site({ { "index.htm", text } });
    const Outcome result = run({ "--external", "links", site.base });
    EXPECT_EQ(result.out, "pages=1 links=12 broken=0 web=12 200=12\n");
    EXPECT_EQ(server.requests.size(), 12);
    EXPECT_EQ(server.mostOpen, 4);
}

TEST_F(SiteCommand, WebAnswersAreKeptForADay)
{
    LoopbackServer server;
    SiteBuilder site({ { "index.htm",
        ("<a href=\"" + server.url("/ok") + "\"> <a href=\"" + server.url("/missing") + "\"> <a href=\""
            + server.url("/error") + "\">")
            .toUtf8() } });
    const Outcome first = run({ "--external", "links", site.base });
    EXPECT_EQ(first.status, 1);
    EXPECT_TRUE(QFileInfo::exists(settings.filePath(kWebCacheFile)));
    const Outcome second = run({ "--external", "links", site.base });
    EXPECT_EQ(second.out, first.out);
    // A server error may be gone within the hour: asked again; the others come from the cache.
    EXPECT_EQ(server.methodsFor("/ok").size(), 1);
    EXPECT_EQ(server.methodsFor("/missing").size(), 1);
    EXPECT_EQ(server.methodsFor("/error").size(), 2);
    run({ "--external", "--no-cache", "links", site.base });
    EXPECT_EQ(server.methodsFor("/ok").size(), 2);
}

TEST(WebLinkCache, EntriesOlderThanADayAreForgotten)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(kWebCacheFile);
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);
    WebLinkCache cache;
    cache.put("http://a/", { 200 }, now.addSecs(-WebLinkCache::kMaxAgeSeconds + 60));
    cache.put("http://b/", { 404 }, now.addSecs(-WebLinkCache::kMaxAgeSeconds - 60));
    cache.put("http://c/", { 301, {}, 301, "http://c/new" }, now);
    cache.put("http://d/", { 0, "timeout" }, now);
    cache.put("http://e/", { 503 }, now);
    cache.write(file);
    WebLinkCache read;
    read.read(file, now);
    EXPECT_EQ(read.size(), 2);
    ASSERT_NE(read.find("http://c/"), nullptr);
    EXPECT_EQ(*read.find("http://c/"), (WebResult { 301, {}, 301, "http://c/new" }));
    EXPECT_EQ(read.find("http://b/"), nullptr);
}
