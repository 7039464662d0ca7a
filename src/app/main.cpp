#include "app/ScriptRunner.h"
#include "main/MainWindow.h"
#include "platform/AppDirs.h"
#include "platform/BrowserView.h"
#include "platform/FileSystem.h"
#include "platform/HintRouter.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <memory>

namespace {
struct CommandLine {
    QStringList files; // absolute
};

// The options and the file to open; --help, --version and a wrong option end the program here.
CommandLine parseCommandLine(QCoreApplication& app)
{
    QCoreApplication::setApplicationName(QStringLiteral("Pelorin95"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PELORIN_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("An editor for hand-written web pages."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settingsDir(
        QStringLiteral("settings-dir"), QStringLiteral("Keep the settings files in <dir>."), QStringLiteral("dir"));
    parser.addOption(settingsDir);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The file to open."), QStringLiteral("[file]"));
    parser.process(app);
    if (parser.isSet(settingsDir)) AppDirs::setSettingsDir(parser.value(settingsDir));
    // Relative names are the user's, from where the program was started: resolved now, before
    // anything changes the current directory.
    CommandLine line;
    for (const QString& file : parser.positionalArguments())
        line.files << QFileInfo(file).absoluteFilePath();
    return line;
}
} // namespace

int main(int argc, char** argv)
{
    // A file-size limit fails the write, which says so, instead of ending the program unsaved.
    FileSystem::ignoreFileSizeSignal();
    // --help and --version answer where there is no display (a server, a build chroot): they
    // are answered before anything of the desktop starts.
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--") break;
        if (argument == "--help" || argument == "-h" || argument == "-?" || argument == "--version"
            || argument == "-v") {
            QCoreApplication plain(argc, argv);
            parseCommandLine(plain); // prints and ends the program
            return 0;
        }
    }
    // The embedded browser shares OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const CommandLine commandLine = parseCommandLine(app);
    // Task bars show the program's own picture, from the desktop's theme or the data directory.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("pelorin95"), QIcon(AppDirs::dataFile(QStringLiteral("icons/pelorin95.svg")))));
    const QStringList& files = commandLine.files;

    HintRouter hints;
    QtPrompter prompter;
    DesktopShell shell;
    // A script (end-to-end tests, screenshots) answers the questions itself.
    std::unique_ptr<ScriptRunner> script;
    const QString scriptFile = qEnvironmentVariable("PELORIN95_SCRIPT");
    if (!scriptFile.isEmpty()) {
        QFile file(scriptFile);
        if (file.open(QIODevice::ReadOnly))
            script = std::make_unique<ScriptRunner>(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')));
    }
    Prompter* asker = script ? static_cast<Prompter*>(script.get()) : &prompter;
    MainWindow window({ asker, &shell, {}, {} }, files.mid(0, 1));
    prompter.setMainWindow(&window);
    // Maximized; the geometry also covers a desktop without a window manager to maximize it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    if (script) script->start(window);
    if (files.size() > 1) {
        // One document at a time: say which files were left, rather than ignore them.
        QTimer::singleShot(0, &window, [asker, files] {
            QStringList rest;
            for (const QString& file : files.mid(1))
                rest << QDir::toNativeSeparators(file);
            asker->message(
                QStringLiteral("Only one file is opened at a time. Not opened: ") + rest.join(QStringLiteral(", ")),
                Prompter::Icon::Information, Prompter::Ok);
        });
    }
    return app.exec();
}
