#include "app/ScriptRunner.h"

#include "editor/CodeEditor.h"
#include "main/MainWindow.h"
#include "shared/CommandRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {
void say(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QWidget* findWindow(const QString& className)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && QLatin1String(w->metaObject()->className()) == className) return w;
    return nullptr;
}
} // namespace

ScriptRunner::ScriptRunner(const QStringList& steps, QObject* parent)
    : QObject(parent)
    , m_steps(steps)
{
}

void ScriptRunner::start(MainWindow& window)
{
    m_window = &window;
    QTimer::singleShot(100, this, &ScriptRunner::next);
}

void ScriptRunner::next()
{
    if (m_steps.isEmpty()) return;
    const QString step = m_steps.takeFirst().trimmed();
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString rest = step.section(QLatin1Char(' '), 1);
    if (!step.isEmpty() && !step.startsWith(QLatin1Char('#'))) say(QStringLiteral("step: ") + step);
    if (verb == QLatin1String("run")) {
        if (!m_window->commands().run(rest)) say(QStringLiteral("no command: ") + rest);
    } else if (verb == QLatin1String("type")) {
        m_window->editor()->setSelText(QString(rest).replace(QLatin1String("\\n"), QLatin1String("\n")));
    } else if (verb == QLatin1String("file")) {
        m_files.push_back(rest);
    } else if (verb == QLatin1String("expect-window")) {
        say((findWindow(rest) ? QStringLiteral("open: ") : QStringLiteral("not open: ")) + rest);
    } else if (verb == QLatin1String("close-window")) {
        if (QWidget* w = findWindow(rest)) w->close();
    } else if (verb == QLatin1String("click")) {
        // "click CLASS BUTTON": a button of that window, by its object name.
        QWidget* w = findWindow(rest.section(QLatin1Char(' '), 0, 0));
        auto* button = w ? w->findChild<QAbstractButton*>(rest.section(QLatin1Char(' '), 1)) : nullptr;
        if (button)
            button->click();
        else
            say(QStringLiteral("no button: ") + rest);
    } else if (verb == QLatin1String("resize")) {
        // "resize CLASS WIDTH HEIGHT"
        if (QWidget* w = findWindow(rest.section(QLatin1Char(' '), 0, 0)))
            w->resize(rest.section(QLatin1Char(' '), 1, 1).toInt(), rest.section(QLatin1Char(' '), 2, 2).toInt());
    } else if (verb == QLatin1String("screenshot")) {
        // "screenshot PATH [CLASS]": that window, else the main one.
        const QString file = rest.section(QLatin1Char(' '), 0, 0);
        QWidget* w = findWindow(rest.section(QLatin1Char(' '), 1));
        if (!(w ? w : m_window)->grab().save(file)) say(QStringLiteral("screenshot failed: ") + file);
    } else if (verb == QLatin1String("quit")) {
        m_window->close();
        if (m_window->isVisible()) say(QStringLiteral("still open"));
    }
    // Each step gets the event loop before the next, so windows can show and pages load.
    QTimer::singleShot(200, this, &ScriptRunner::next);
}

Prompter::Button ScriptRunner::messageFor(QWidget*, const QString& text, Icon, Buttons buttons, const QString&)
{
    say(QStringLiteral("message: ") + QString(text).replace(QLatin1String("\r\n"), QLatin1String(" ")));
    if (buttons & Yes) return Yes;
    if (buttons & Ok) return Ok;
    return No;
}

std::optional<QString> ScriptRunner::takeFile(const QString& what)
{
    say(what);
    if (m_files.empty()) return std::nullopt;
    const QString file = m_files.front();
    m_files.pop_front();
    return file;
}

std::optional<QString> ScriptRunner::openFileFor(QWidget*, const FileDialog& dialog)
{
    return takeFile(QStringLiteral("open dialog: ") + dialog.title);
}

std::optional<QString> ScriptRunner::saveFileFor(QWidget*, const FileDialog& dialog)
{
    return takeFile(QStringLiteral("save dialog: ") + dialog.title);
}

std::optional<QString> ScriptRunner::chooseDirectoryFor(QWidget*, const QString& title, const QString&)
{
    return takeFile(QStringLiteral("directory dialog: ") + title);
}

std::optional<QColor> ScriptRunner::chooseColorFor(QWidget*, const QColor&) { return std::nullopt; }

std::optional<QString> ScriptRunner::inputTextFor(QWidget*, const QString& caption, const QString&, const QString& value)
{
    say(QStringLiteral("input: ") + caption);
    return value;
}
