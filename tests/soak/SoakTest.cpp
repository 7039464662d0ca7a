#include "editor/CodeEditor.h"
#include "editor/TextFile.h"
#include "main/DocumentSession.h"
#include "main/MainWindow.h"
#include "platform/AppDirs.h"
#include "platform/Prompter.h"
#include "shared/CommandRegistry.h"
#include "support/FakeBrowserView.h"
#include "support/FakeShell.h"
#include "support/FileBytes.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

// The real main window driven at random: registered commands, typing, undo and redo, saves and
// reloads over files that have hurt editors before, every question answered at random. After
// every save the file holds what the program says it wrote; a file it never saved is unchanged.
namespace {

using Random = std::mt19937;

int pick(Random& random, int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

class RandomPrompter : public Prompter {
public:
    RandomPrompter(Random& random, const QStringList& files, const QString& dir)
        : m_random(random)
        , m_files(files)
        , m_dir(dir)
    { }

    Button messageFor(QWidget*, const QString&, Icon, Buttons buttons, const QString&) override
    {
        QList<Button> offered;
        for (const Button b : { Ok, Cancel, Yes, No })
            if (buttons & b) offered << b;
        ++asked;
        return offered.isEmpty() ? Ok : offered[pick(m_random, int(offered.size()))];
    }
    std::optional<QString> openFileFor(QWidget*, const FileDialog&) override
    {
        ++asked;
        if (pick(m_random, 3) == 0) return std::nullopt;
        return m_files[pick(m_random, int(m_files.size()))];
    }
    std::optional<QString> saveFileFor(QWidget*, const FileDialog&) override
    {
        ++asked;
        const int choice = pick(m_random, 4);
        if (choice == 0) return std::nullopt;
        if (choice == 1) return m_dir + QStringLiteral("/saved-%1.htm").arg(pick(m_random, 5));
        return m_files[pick(m_random, int(m_files.size()))];
    }
    std::optional<QString> chooseDirectoryFor(QWidget*, const QString&, const QString&) override
    {
        ++asked;
        return pick(m_random, 2) ? std::optional<QString>(m_dir) : std::nullopt;
    }
    std::optional<QColor> chooseColorFor(QWidget*, const QColor&) override
    {
        ++asked;
        return pick(m_random, 2) ? std::optional<QColor>(QColor(pick(m_random, 256), 0, 255)) : std::nullopt;
    }
    std::optional<QString> inputTextFor(QWidget*, const QString&, const QString&, const QString& value) override
    {
        ++asked;
        return pick(m_random, 2) ? std::optional<QString>(value + QStringLiteral("x")) : std::nullopt;
    }

    int asked = 0;

private:
    Random& m_random;
    QStringList m_files;
    QString m_dir;
};

// Files that have hurt editors before.
const std::vector<std::pair<const char*, QByteArray>>& nastyFiles()
{
    static const std::vector<std::pair<const char*, QByteArray>> files {
        { "nul.htm", QByteArray("<p>before\0after</p>\r\n", 21) },
        { "windows1252.htm", "<p>caf\xE9 \x96 na\xEFve</p>\r\n" },
        { "utf16.htm", QByteArray("\xFF\xFE<\0p\0>\0\xE9\0\r\0\n\0", 14) },
        { "mixed-breaks.htm", "a\r\nb\nc\rd\n\re" },
        { "long-line.htm", QByteArray(200 * 1024, 'x').prepend("<p>") },
        { "stray-byte.htm", "caf\xC3\xA9 \x96 \xEF\x9F\xBF" },
        { "binary.gif", QByteArray("GIF89a\x01\0\x01\0\0\xFF\0", 13) },
        { "plain.htm", "<HTML>\r\n<BODY>\r\n<P>text</P>\r\n</BODY>\r\n</HTML>\r\n" },
    };
    return files;
}

// Commands that leave the program, or act on files the soak does not follow (the navigator's
// selected file, the trash, other programs).
bool leftOut(const QString& name)
{
    static const QStringList names { "a_exit" };
    static const QStringList parts { "Trash", "trash", "delete", "Delete", "rename", "Rename", "linkThisCss",
        "LinkThisCss", "fileOperations", "Browser", "browser", "application", "Application", "mail", "Mail" };
    if (names.contains(name)) return true;
    for (const QString& part : parts)
        if (name.contains(part)) return true;
    return false;
}

TEST(Soak, RandomUseLosesNothing)
{
    const int seconds = qEnvironmentVariableIntValue("SOAK_TIME") > 0 ? qEnvironmentVariableIntValue("SOAK_TIME") : 5;
    const unsigned seed = qEnvironmentVariableIsSet("SOAK_SEED") ? unsigned(qEnvironmentVariableIntValue("SOAK_SEED"))
                                                                 : std::random_device()();
    std::printf("soak: seed %u (replay with SOAK_SEED=%u), %d s\n", seed, seed, seconds);
    std::fflush(stdout);
    Random random(seed);

    QTemporaryDir settings, work;
    AppDirs::setSettingsDir(settings.path());
    QDir::setCurrent(work.path());
    std::map<QString, QByteArray> original;
    QStringList files;
    for (const auto& [name, bytes] : nastyFiles()) {
        const QString path = work.filePath(QString::fromLatin1(name));
        writeFile(path, bytes);
        original[path] = bytes;
        files << path;
    }

    RandomPrompter prompter(random, files, work.path());
    FakeShell shell;
    MainWindow::Services services;
    services.prompter = &prompter;
    services.shell = &shell;
    services.makeBrowser = [](QWidget* parent) { return new FakeBrowserView(parent); };
    services.valuePrompt = [&random](const QString&, const QString& value) {
        return pick(random, 2) ? value : QStringLiteral("42");
    };
    auto window = std::make_unique<MainWindow>(services, QStringList { files[pick(random, int(files.size()))] });
    window->resize(900, 700);
    window->show();
    CodeEditor& editor = *window->editor();

    std::set<QString> written;
    int savesChecked = 0;
    QObject::connect(&window->session(), &DocumentSession::written, [&](const QString& name) {
        const QString path = QFileInfo(name).absoluteFilePath();
        written.insert(path);
        ++savesChecked;
        EXPECT_EQ(readFile(path), encodeText(editor.paragraphs(), editor.textFormat()))
            << "seed " << seed << ": " << path.toStdString();
    });

    // Whatever a command opens modally is closed again, so the soak never waits on a dialog.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start();

    QStringList commands;
    for (const QString& name : window->commands().names())
        if (!leftOut(name)) commands << name;
    static const QString kTyped = QStringLiteral("<>/\"'= ab\u00E9\u0142\u03A9\u20AC\t\r\uF796");

    int steps = 0, commandsRun = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000 && !::testing::Test::HasFailure()) {
        ++steps;
        const int what = pick(random, 20);
        if (what < 8) {
            ++commandsRun;
            window->commands().run(commands[pick(random, int(commands.size()))]);
        } else if (what < 13) {
            editor.setFocus();
            editor.setSelStart(pick(random, editor.charCount() + 1));
            if (pick(random, 3) == 0) editor.setSelLength(pick(random, 20) - 10);
            for (int i = pick(random, 8); i >= 0; --i) {
                const QChar c = kTyped[pick(random, int(kTyped.size()))];
                const int key = c == u'\r' ? Qt::Key_Return : c == u'\t' ? Qt::Key_Tab : Qt::Key_unknown;
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
                QApplication::sendEvent(&editor, &press);
            }
        } else if (what < 15) {
            if (pick(random, 2)) editor.undo(); else editor.redo();
        } else if (what < 18) {
            window->commands().run(pick(random, 3) ? QStringLiteral("a_save") : QStringLiteral("a_saveAs"));
        } else {
            window->session().load(files[pick(random, int(files.size()))]);
        }
        // Tool windows opened on the way are closed again.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != window.get() && top->isVisible() && pick(random, 4) == 0) top->close();
        QCoreApplication::processEvents();
    }
    for (const auto& [path, bytes] : original)
        if (!written.count(path)) EXPECT_EQ(readFile(path), bytes) << "seed " << seed << ": never saved, yet changed: " << path.toStdString();
    std::printf("soak: %d steps, %d commands run, %d saves checked, %d questions answered\n", steps, commandsRun,
        savesChecked, prompter.asked);
    std::fflush(stdout);
    closer.stop();
    editor.setModified(false);
    window->hide();
    window.reset();
}
} // namespace
