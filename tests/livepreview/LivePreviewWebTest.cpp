#include "livepreview/LiveHtml.h"
#include "livepreview/LivePreviewPane.h"
#include "support/MainWindowFixture.h"
#include "support/QStringPrinter.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// Chromium wants shared GL contexts decided before the application object exists.
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

// The live preview with the real embedded browser, offscreen.
class LivePreviewWebTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        Q_UNUSED(kSharedContexts);
        MainWindowFixture::SetUp();
        QImage image(7, 5, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(workFile("pic.png")));
        page = workFile("page.htm");
        writeFile(
            page, "<html><body><h1>Start</h1><img src=\"pic.png\"><div style=\"height:5000px\"></div></body></html>");
        start();
        window->setHtmlTabActive(true);
        window->openTheFile(page);
        pane = window->findChild<LivePreviewPane*>("livePreviewPane");
        ASSERT_NE(pane, nullptr);
    }
    bool waitForRefresh(QSignalSpy& spy) { return !spy.isEmpty() || spy.wait(60000); }
    // Runs a script in the pane's page and waits for its result.
    QVariant js(const QString& script)
    {
        QVariant result;
        bool done = false;
        pane->view()->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 30000)) << script.toStdString();
        return result;
    }
    QString heading() { return js("document.querySelector('h1').textContent").toString(); }
    QString page;
    LivePreviewPane* pane = nullptr;
};

// Typing changes the page beside the editor, from memory: no file is written, the document
// stays as it is, images load from the document's directory and the scroll position is kept.
TEST_F(LivePreviewWebTest, TypingRefreshesThePaneFromMemory)
{
    EXPECT_FALSE(pane->isVisible());
    QSignalSpy refreshed(pane, &LivePreviewPane::refreshed);
    trigger("a_livePreview");
    ASSERT_TRUE(pane->isVisible());
    ASSERT_TRUE(waitForRefresh(refreshed));
    refreshed.clear();
    // Shown the first time, the pane takes half the width beside the editor.
    EXPECT_NEAR(pane->width(), pane->parentWidget()->width() / 2, pane->parentWidget()->width() / 10);
    EXPECT_EQ(heading(), "Start");
    EXPECT_EQ(js("document.images[0].complete && document.images[0].naturalWidth").toInt(), 7);

    js("window.scrollTo(0, 600)");
    const int heading0 = int(editor().text().indexOf("Start"));
    editor().setSelStart(heading0);
    editor().setSelLength(5);
    editor().setFocus();
    QTest::keyClicks(&editor(), "Changed");
    ASSERT_TRUE(waitForRefresh(refreshed));
    EXPECT_EQ(refreshed.size(), 1); // one refresh after the last key, not one a key
    EXPECT_EQ(heading(), "Changed");
    EXPECT_EQ(js("window.scrollY").toInt(), 600);
    EXPECT_EQ(js("document.images[0].naturalWidth").toInt(), 7);

    EXPECT_TRUE(editor().isModified());
    EXPECT_TRUE(readFile(page).contains("<h1>Start</h1>"));
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), QStringList({ "page.htm", "pic.png" }));
    EXPECT_EQ(window->action("a_save")->isEnabled(), true);
    discard();

    // Remembered: the next start shows the pane beside the editor again.
    start();
    EXPECT_TRUE(window->action("a_livePreview")->isChecked());
    EXPECT_TRUE(window->findChild<LivePreviewPane*>("livePreviewPane")->isVisible());
    EXPECT_EQ(readFile(settingsFile("viewoptions.plr")), "1\r\n0\r\n");
    discard();
}

// A document too large to show from memory says so and is shown as saved, again at each save.
TEST_F(LivePreviewWebTest, ALargeDocumentRefreshesOnSave)
{
    QSignalSpy refreshed(pane, &LivePreviewPane::refreshed);
    trigger("a_livePreview");
    ASSERT_TRUE(waitForRefresh(refreshed));
    refreshed.clear();
    const QString filler = "<!-- " + QString("x y ").repeated(300000) + "-->";
    editor().setText("<html><body><h1>Big</h1>" + filler + "</body></html>");
    ASSERT_FALSE(LiveHtml::fitsInMemory(editor().text()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->note()->isVisible(); }, 10000));
    EXPECT_EQ(pane->note()->text(), LivePreviewPane::kLargeNote);
    EXPECT_EQ(heading(), "Start"); // the saved file, not the text
    refreshed.clear();

    trigger("a_save");
    ASSERT_TRUE(waitForRefresh(refreshed));
    EXPECT_EQ(heading(), "Big");
    discard();
}
} // namespace
