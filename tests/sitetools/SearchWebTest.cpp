#include "sitetools/SearchEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

namespace {

// Chromium wants shared GL contexts decided before the application object exists.
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

const QString kSite = QStringLiteral(PELORIN_FIXTURES "/sitetools/search/site/");

// The generated page for the fixture site, shown in the real embedded browser.
class SearchWebTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Q_UNUSED(kSharedContexts);
        SearchEngine::Project project;
        for (const QString& name : { "apples.htm", "sub/recipes.html", "plain.htm" }) {
            const SearchEngine::PageEntry entry = SearchEngine::readPage(kSite + name);
            project.files << kSite + name;
            project.titles << entry.title;
            project.keywords << entry.keywords;
        }
        page = dir.filePath("1search.htm");
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(SearchEngine::searchPage(project, kSite).toUtf8());
        file.close();

        view.resize(800, 600);
        view.show();
        QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
        view.load(QUrl::fromLocalFile(page));
        ASSERT_TRUE(loaded.wait(120000));
        ASSERT_TRUE(loaded.first().first().toBool());
    }

    QJsonObject run(const QString& script)
    {
        QString result;
        bool done = false;
        view.page()->runJavaScript(script, [&](const QVariant& value) {
            result = value.toString();
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 60000)) return { { "error", "timeout" } };
        return QJsonDocument::fromJson(result.toUtf8()).object();
    }

    // Types a phrase into the text box of a page as freshly loaded, runs the search and reads
    // back the list, the alerts and any reload the script asked for.
    QJsonObject search(const QString& phrase)
    {
        const QString quoted = QString::fromUtf8(QJsonDocument(QJsonArray { phrase }).toJson(QJsonDocument::Compact));
        return run(QStringLiteral(R"js(
(function () {
  var alerts = [], reloads = 0;
  window.alert = function (text) { alerts.push(String(text)); };
  History.prototype.go = function () { reloads++; };
  var list = document.F187.MySelect;
  list.options.length = 1;
  document.F187.MyText.value = %1[0];
  MySearchF();
  var options = [];
  for (var i = 0; i < list.options.length; i++) options.push(list.options[i].textContent + " | " + list.options[i].value);
  return JSON.stringify({ alerts: alerts, options: options, reloads: reloads });
})())js")
                       .arg(quoted));
    }

    static QStringList strings(const QJsonValue& value)
    {
        QStringList list;
        for (const QJsonValue& item : value.toArray())
            list << item.toString();
        return list;
    }

    QTemporaryDir dir;
    QString page;
    QWebEngineView view;
};

TEST_F(SearchWebTest, ListsTheMatchingTitlesWithTheirAddresses)
{
    const QJsonObject fruit = search("fruit");
    EXPECT_EQ(strings(fruit["alerts"]), QStringList {});
    EXPECT_EQ(strings(fruit["options"]),
        (QStringList { "Results: | ", "APPLES AND  PEARS | apples.htm", "PIE \"DELUXE\" RECIPES | sub/recipes.html" }));
    // The results stay: the page does not reload itself over them.
    EXPECT_EQ(fruit["reloads"].toInt(-1), 0);

    // Any letter case; quotes and backslashes came through the script's strings intact.
    EXPECT_EQ(strings(search("Deluxe")["options"]),
        (QStringList { "Results: | ", "PIE \"DELUXE\" RECIPES | sub/recipes.html" }));
    EXPECT_EQ(strings(search("oven\\door")["options"]),
        (QStringList { "Results: | ", "PIE \"DELUXE\" RECIPES | sub/recipes.html" }));
    EXPECT_EQ(strings(search("orchard")["options"]), (QStringList { "Results: | ", "APPLES AND  PEARS | apples.htm" }));
}

TEST_F(SearchWebTest, ApologisesWhenNothingMatchesAndAsksForAWordWhenEmpty)
{
    const QJsonObject banana = search("banana");
    EXPECT_EQ(strings(banana["options"]), (QStringList { "Sorry! Couldn't find anything: | " }));
    EXPECT_EQ(strings(banana["alerts"]), QStringList {});

    const QJsonObject empty = search("");
    EXPECT_EQ(strings(empty["alerts"]), QStringList { "Please enter something to search for." });
    EXPECT_EQ(strings(empty["options"]), QStringList { " | " });

    // Going without a chosen result asks for one.
    const QJsonObject go = run(R"js(
(function () {
  var alerts = [];
  window.alert = function (text) { alerts.push(String(text)); };
  document.F187.MySelect.selectedIndex = 0;
  go();
  return JSON.stringify({ alerts: alerts });
})())js");
    EXPECT_EQ(strings(go["alerts"]), QStringList { "Please select an option." });
}

} // namespace
