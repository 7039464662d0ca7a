#include "wizards/PageDialogs.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "WizardFixture.h"

namespace {

// Chromium wants shared GL contexts decided before the application object exists.
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

// Serves one page over HTTP on the loopback address: the engine keeps no cookies for local files.
class PageServer : public QTcpServer {
public:
    explicit PageServer(QByteArray page)
        : m_page(std::move(page))
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_request += socket->readAll();
                    if (!m_request.contains("\r\n\r\n")) return;
                    const bool wanted = m_request.startsWith("GET /visits.htm ");
                    m_request.clear();
                    const QByteArray body = wanted ? m_page : QByteArray("not here");
                    socket->write((wanted ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n")
                        + QByteArray("Content-Type: text/html\r\nCache-Control: no-store\r\nConnection: close\r\n")
                        + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/visits.htm").arg(serverPort())); }

private:
    QByteArray m_page;
    QByteArray m_request;
};

// The cookie wizard's code, run in the real browser engine: a page made by the wizard greets a
// first visitor and counts the second visit.
class CookieWebTest : public WizardFixture {
protected:
    // Loads the page afresh and returns the text the visitor sees.
    QString visit(QWebEngineView& view, const QUrl& url)
    {
        QSignalSpy loaded(view.page(), &QWebEnginePage::loadFinished);
        view.load(url);
        if (!loaded.wait(60000)) return "<timeout>";
        if (!loaded.first().first().toBool()) return "<load failed>";
        QString text;
        bool done = false;
        view.page()->runJavaScript("document.body.innerText", [&](const QVariant& result) {
            text = result.toString();
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 60000)) return "<no answer>";
        return text;
    }
};

TEST_F(CookieWebTest, GreetsTheFirstVisitAndCountsTheSecond)
{
    Q_UNUSED(kSharedContexts);
    // The visitor's answer to the name prompt comes from a stub in the page's head.
    const QString page = "<html><head><title>Visits</title>\r\n"
                         "<script>window.prompt = function () { return \"Ann\"; };</script>\r\n"
                         "</head>\r\n<body>\r\n<p>\r\n</body></html>";
    selectInDocument(page, page.indexOf("<p>") + 3, 0);
    auto* dialog = open<CookieDialog>("a_cookieWizard");
    click(dialog, "okButton");
    ASSERT_TRUE(editor->text().contains("</HEAD>"));

    PageServer server(editor->text().toUtf8());
    ASSERT_TRUE(server.isListening());

    QWebEngineProfile profile; // off the record: no cookies from earlier runs
    QWebEnginePage webPage(&profile);
    QWebEngineView view;
    view.setPage(&webPage);
    view.resize(800, 600);
    view.show();

    const QString first = visit(view, server.url());
    EXPECT_TRUE(first.contains("Welcome to the page, Ann. If you are not Ann, then click here."))
        << first.toStdString();
    EXPECT_TRUE(first.contains("By the way, this is your first time here.")) << first.toStdString();

    const QString second = visit(view, server.url());
    EXPECT_TRUE(second.contains("Welcome to the page, Ann.")) << second.toStdString();
    EXPECT_TRUE(second.contains("I note, you have been here 2 times.")) << second.toStdString();
    view.setPage(nullptr);
}

} // namespace
