#include "main/MainWindow.h"
#include "platform/AppDirs.h"
#include "platform/BrowserView.h"
#include "platform/HintRouter.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    // The embedded browser shares OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelorin95"));
    QApplication::setApplicationVersion(QStringLiteral(PELORIN_VERSION));

    const QStringList arguments = AppDirs::takeSettingsOverride(QApplication::arguments()).mid(1);
    HintRouter hints;
    QtPrompter prompter;
    DesktopShell shell;
    MainWindow window({ &prompter, &shell, {}, {} }, arguments);
    prompter.setParent(&window);
    // Maximized; the geometry also covers a desktop without a window manager to maximize it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
