#include "main/StartUpOpen.h"

#include "main/MainWindow.h"
#include "platform/AppDirs.h"

#include <QEvent>
#include <QFileInfo>
#include <QTimer>

namespace {
// Runs an action once, on the event loop's turn after the widget's first paint.
void runAfterFirstPaint(QWidget* widget, std::function<void()> action)
{
    class Watcher : public QObject {
    public:
        Watcher(QWidget* widget, std::function<void()> action)
            : QObject(widget)
            , m_action(std::move(action))
        {
            widget->installEventFilter(this);
        }
        bool eventFilter(QObject* watched, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, parent(), m_action);
                deleteLater();
            }
            return false;
        }

    private:
        std::function<void()> m_action;
    };
    new Watcher(widget, std::move(action));
}
} // namespace

void openAtFirstShow(MainWindow& window, const QStringList& arguments)
{
    MainWindow* w = &window;
    if (arguments.size() > 0) {
        window.setHtmlTabActive(true);
        const QString name = QFileInfo(arguments.first()).absoluteFilePath();
        window.runCommand([w, name] { w->openTheFile(name); });
    } else if (QFileInfo::exists(AppDirs::dataFile(MainWindow::kBriefHelpPage))) {
        // The embedded browser takes a while to start: the window is painted first, with the
        // "Preview" tab up, and the page follows once the browser is there.
        window.showOwnPageTab();
        runAfterFirstPaint(w, [w] { w->showBriefHelp(); });
    } else {
        window.setHtmlTabActive(true);
    }
}
