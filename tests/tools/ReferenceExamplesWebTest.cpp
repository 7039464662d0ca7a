#include "tools/ReferenceData.h"

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

const QString kDataDir = QStringLiteral(PELORIN_FIXTURES "/../../data");
const QString kExample = QStringLiteral("\nExample:\n");

// What a page needs so that examples run without dialogs, pop-ups or leaving the page; every
// uncaught error is recorded with the number of the article that was running.
const char* const kHarness = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>examples</title>
<script>
var __article = 0, __ran = [], __errors = [];
window.onerror = function (message, source, line) {
  __errors.push("article " + __article + ", line " + line + ": " + message);
};
window.addEventListener("unhandledrejection", function (event) {
  __errors.push("article " + __article + ": unhandled rejection " + event.reason);
});
window.alert = function () {};
window.confirm = function () { return true; };
window.prompt = function (question, value) { return value === undefined ? "" : String(value); };
window.print = function () {};
window.open = function () { return null; };
window.close = function () {};
History.prototype.back = History.prototype.forward = History.prototype.go = function () {};
HTMLFormElement.prototype.submit = function () {};
</script></head><body>
)";

QString exampleOf(const QString& article)
{
    const qsizetype at = article.indexOf(kExample);
    return at < 0 ? QString() : article.mid(at + kExample.size());
}

TEST(ReferenceArticles, EveryTopicHasAnArticleWithAnExample)
{
    const ReferenceData data = ReferenceData::load(kDataDir);
    ASSERT_EQ(data.missingFiles(), QStringList {});
    const QStringList topics = data.topics();
    ASSERT_EQ(topics.size(), 237);
    for (int i = 0; i < topics.size(); ++i) {
        const QString article = data.article(i);
        EXPECT_TRUE(article.startsWith(topics[i] + "\n")) << "article " << i + 1;
        EXPECT_FALSE(exampleOf(article).trimmed().isEmpty()) << "article " << i + 1;
    }
    // The reference still finds what the list's users look for.
    EXPECT_EQ(topics[ReferenceData::findTopic(topics, "mouse", 0)], "MouseDown event");
}

// Runs every article's example in the embedded browser: each in a script element of its own,
// so that one failure does not hide the next.
TEST(ReferenceArticles, EveryExampleRunsWithoutAScriptError)
{
    Q_UNUSED(kSharedContexts);
    const ReferenceData data = ReferenceData::load(kDataDir);
    ASSERT_EQ(data.topics().size(), 237);
    QString page = QString::fromUtf8(kHarness);
    for (int i = 0; i < data.topics().size(); ++i) {
        const QString example = exampleOf(data.article(i));
        ASSERT_FALSE(example.contains("</script", Qt::CaseInsensitive)) << "article " << i + 1;
        page += QStringLiteral("<script>__article = %1; __ran.push(%1);</script>\n<script>\n{\n%2\n}\n</script>\n")
                    .arg(i + 1)
                    .arg(example);
    }
    page += QStringLiteral("<script>__article = \"after the page\";</script>\n</body></html>\n");
    QTemporaryDir dir;
    const QString path = dir.filePath("examples.htm");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(page.toUtf8());
    }

    QWebEngineView view;
    view.resize(800, 600);
    view.show();
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.load(QUrl::fromLocalFile(path));
    ASSERT_TRUE(loaded.wait(120000));
    ASSERT_TRUE(loaded.first().first().toBool());

    // Timers the examples started get their turn before the errors are read.
    QSignalSpy titled(&view, &QWebEngineView::titleChanged);
    view.page()->runJavaScript("setTimeout(function () { document.title = 'checked'; }, 300);");
    QTRY_VERIFY_WITH_TIMEOUT(view.title() == "checked", 60000);

    QString result;
    view.page()->runJavaScript("JSON.stringify({ ran: __ran.length, errors: __errors })",
        [&](const QVariant& value) { result = value.toString(); });
    QTRY_VERIFY_WITH_TIMEOUT(!result.isEmpty(), 60000);
    const QJsonObject report = QJsonDocument::fromJson(result.toUtf8()).object();
    EXPECT_EQ(report.value("ran").toInt(), 237);
    QStringList errors;
    for (const QJsonValue& error : report.value("errors").toArray())
        errors << error.toString();
    EXPECT_EQ(errors, QStringList {}) << errors.join("\n").toStdString();
}

} // namespace
