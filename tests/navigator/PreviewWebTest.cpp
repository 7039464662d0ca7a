#include "navigator/NavigatorPanel.h"

#include "platform/BrowserView.h"
#include "support/MainWindowFixture.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include "support/QStringPrinter.h"

namespace {

// Chromium wants shared GL contexts decided before the application object exists.
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

// The preview with the real embedded browser, offscreen.
class PreviewWebTest : public MainWindowFixture {
protected:
    void startWithRealBrowser()
    {
        MainWindow::Services services;
        services.prompter = &prompter;
        services.shell = &shell;
        services.makeBrowser = [this](QWidget* parent) {
            web = new WebBrowserView(parent);
            return web;
        };
        window = std::make_unique<MainWindow>(services);
        window->resize(900, 700);
        window->show();
    }
    // Waits for the browser's next completed navigation; returns its URL.
    QString waitForPage(QSignalSpy& done)
    {
        if (done.isEmpty() && !done.wait(60000)) return "<timeout>";
        return done.takeFirst().first().toString();
    }
    WebBrowserView* web = nullptr;
};

TEST_F(PreviewWebTest, ShowsTheTemporaryFileAndNamesWhatItShows)
{
    Q_UNUSED(kSharedContexts);
    startWithRealBrowser();
    ASSERT_FALSE(web->isCreated()); // Chromium is started only when first needed
    ASSERT_TRUE(QDir(work.path()).mkpath("My Site"));
    const QString doc = workFile("My Site/page one.htm");
    writeFile(doc, "<html><body><p>saved</p></body></html>");
    window->openTheFile(doc);
    editor().setText("<html><body><p>edited</p></body></html>");
    const QString temp = workFile("My Site/1temp.htm");

    QSignalSpy done(web, &BrowserView::navigationComplete);
    window->setHtmlTabActive(false);
    EXPECT_TRUE(web->isCreated());
    EXPECT_TRUE(readFile(temp).endsWith("-->\r\n<html><body><p>edited</p></body></html>"));
    EXPECT_EQ(waitForPage(done), QUrl::fromLocalFile(temp).toString(QUrl::FullyEncoded));
    EXPECT_EQ(web->locationUrl(), "file://" + work.path() + "/My%20Site/1temp.htm");
    EXPECT_EQ(window->currentFileField(), "Temp View: page one.htm");

    // Another file from the navigator: named by its location, the first "%20" only.
    const QString other = workFile("My Site/My Page.htm");
    writeFile(other, "<html><body><p>other</p></body></html>");
    window->openTheFile(other);
    EXPECT_EQ(waitForPage(done), "file://" + work.path() + "/My%20Site/My%20Page.htm");
    EXPECT_EQ(window->currentFileField(), work.path() + "/My Site/My%20Page.htm");

    window->setHtmlTabActive(true);
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_EQ(window->currentFileField(), doc);
    QTest::qWait(200); // a late end of the stopped load must not rename the document
    EXPECT_EQ(window->currentFileField(), doc);
    EXPECT_TRUE(editor().isModified());
    EXPECT_EQ(readFile(doc), QByteArray("<html><body><p>saved</p></body></html>"));
    discard();
}

} // namespace
