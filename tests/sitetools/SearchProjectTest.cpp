#include "sitetools/SearchProject.h"

#include "platform/FileError.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "SiteBuilder.h"
#include "support/QStringPrinter.h"

namespace {

using Row = SearchProject::Row;

QList<Row> rowsOf(const SearchProject& project) { return project.rows(); }

} // namespace

TEST(SearchProject, AddsEditsAndRemovesRowsAndWritesTheProjectFile)
{
    const SiteBuilder site({ { "a.htm", "<title>apples</title><meta name=\"keywords\" content=\"fruit\">" },
        { "b.htm", "<p>no title</p>" } });
    SearchProject project;
    EXPECT_FALSE(project.isChanged());
    project.add(site.path("a.htm"));
    project.add(site.path("b.htm"));
    project.add(site.path("a.htm")); // a page may come twice
    EXPECT_TRUE(project.isChanged());
    const QString a = QDir::toNativeSeparators(site.path("a.htm"));
    const QString b = QDir::toNativeSeparators(site.path("b.htm"));
    EXPECT_EQ(rowsOf(project),
        (QList<Row> { { a, "APPLES", "FRUIT" }, { b, "EnterTitle", "EnterKeywords" }, { a, "APPLES", "FRUIT" } }));

    project.setTitle(1, "plain\npage");
    project.setKeywords(1, "café, quoted");
    project.remove(2);
    EXPECT_EQ(rowsOf(project), (QList<Row> { { a, "APPLES", "FRUIT" }, { b, "PLAIN\r\nPAGE", "CAFé, QUOTED" } }));

    // The file as the generator has always written it: a line break inside an entry as a space.
    project.write(site.path("my.prj"));
    EXPECT_FALSE(project.isChanged());
    EXPECT_EQ(site.read("my.prj"),
        ("2\r\n" + a + "\r\n" + b + "\r\nAPPLES\r\nPLAIN  PAGE\r\nFRUIT\r\nCAF\u00e9, QUOTED\r\n").toUtf8());
    EXPECT_EQ(SearchProject::read(site.path("my.prj")).lists(), SearchEngine::readProject(site.path("my.prj")));
    const SearchProject opened = SearchProject::read(site.path("my.prj"));
    EXPECT_FALSE(opened.isChanged());
    EXPECT_EQ(rowsOf(opened), (QList<Row> { { a, "APPLES", "FRUIT" }, { b, "PLAIN  PAGE", "CAFé, QUOTED" } }));

    // A new project: the changes not yet saved are still there to be saved.
    project.setTitle(0, "x");
    project.clear();
    EXPECT_TRUE(project.isEmpty());
    EXPECT_TRUE(project.isChanged());
}

TEST(SearchProject, RefreshReadsThePagesAgainOrChangesNothing)
{
    const SiteBuilder site({ { "a.htm", "<title>one</title>" }, { "b.htm", "<title>two</title>" } });
    SearchProject project;
    project.add(site.path("a.htm"));
    project.add(site.path("b.htm"));
    project.setTitle(0, "edited");
    project.write(site.path("p.prj"));

    site.write("b.htm", "<title>three</title>");
    project.refresh();
    EXPECT_TRUE(project.isChanged());
    EXPECT_EQ(project.lists().titles, (QStringList { "ONE", "THREE" }));

    project.write(site.path("p.prj"));
    QFile::remove(site.path("a.htm"));
    site.write("b.htm", "<title>four</title>");
    const QList<Row> before = project.rows();
    EXPECT_THROW(project.refresh(), FileError);
    EXPECT_EQ(project.rows(), before);
    EXPECT_FALSE(project.isChanged());
    EXPECT_THROW(project.add(site.path("a.htm")), FileError);
    EXPECT_EQ(project.size(), 2);

    // An empty project read again is no change.
    SearchProject empty;
    empty.refresh();
    EXPECT_FALSE(empty.isChanged());
}
