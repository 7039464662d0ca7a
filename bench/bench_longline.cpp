// Minified files (one long line) in the editor, side by side with a bare QPlainTextEdit on the
// same input: open until painted, End, 200 keystrokes at the end and in the middle, CPU while
// idle, peak memory. Every case runs in a child process of its own, so its memory and its start
// are its own; a child that hangs is stopped and reported as such. (Start-up: bench_startup.)

#include "EditorSide.h"
#include "Measures.h"
#include "HtmlGenerator.h"

#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kKeystrokes = 200;
constexpr int kChildTimeoutMs = 90 * 1000;
// A side that needs longer than this for its keystrokes stops typing and says how far it got.
constexpr qint64 kTypingBudgetNs = 20LL * 1000 * 1000 * 1000;

double ms(qint64 ns) { return double(ns) / 1e6; }

void say(const char* format, auto... values)
{
    std::printf(format, values...);
    std::fflush(stdout);
}

// A minified script: declarations, functions, strings, comments-free, no line break at all.
QByteArray minifiedScript(qint64 bytes)
{
    static const char* const kPieces[] = { "var a%1=function(b,c){if(b>c){return b-c}else{return c+\"x%1\"}};",
        "function f%1(d){for(var i=0;i<d.length;i++){d[i]=d[i]*2+%1}return d}",
        "window.g%1=document.getElementById('id%1');", "if(typeof q%1===\"undefined\"){q%1={n:%1,s:'v'}}",
        "var s%1=[1,2,3,%1].map(function(x){return x*x}).join(\",\");", "try{h%1()}catch(e){console.log(e)}" };
    QByteArray out;
    out.reserve(bytes + 128);
    for (int i = 0; out.size() < bytes; ++i)
        out += QString::fromLatin1(kPieces[i % 6]).arg(i).toLatin1();
    out.truncate(bytes);
    return out;
}

// A minified page: a realistic page with its line breaks taken out.
QByteArray minifiedPage(qint64 bytes)
{
    QByteArray page = generateRealisticHtml(bytes);
    page.replace("\r\n", "");
    while (page.size() < bytes)
        page += page.left(bytes - page.size());
    page.truncate(bytes);
    return page;
}

void sendKey(QWidget* target, int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

// Counts paints of one widget, to tell whether the idle editor keeps drawing.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Lets the event loop run; posted paints are done on the way out.
void settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

int runEditorSide(bool bare, const QString& path)
{
    QPlainTextEdit* edit = bare ? new QPlainTextEdit : new CodeEditor;
    SyntaxColourer* colourer = nullptr;
    if (!bare) {
        colourer = new SyntaxColourer(edit);
        colourer->attach(edit);
    }
    edit->resize(1000, 700);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->show();
    edit->activateWindow();
    edit->setFocus();
    PaintCounter counter;
    edit->viewport()->installEventFilter(&counter);
    settle();

    QElapsedTimer clock;
    clock.start();
    loadSide(edit, bare, path);
    edit->viewport()->repaint();
    say("open_ms=%.1f ", ms(clock.nsecsElapsed()));

    clock.restart();
    sendKey(edit, Qt::Key_End);
    settle();
    say("end_ms=%.1f ", ms(clock.nsecsElapsed()));

    // Typing: each keystroke is the key and the event loop's turn that paints it.
    const auto type = [&](const char* where) {
        std::vector<double> samples;
        QElapsedTimer total;
        total.start();
        for (int i = 0; i < kKeystrokes && total.nsecsElapsed() < kTypingBudgetNs; ++i) {
            QElapsedTimer one;
            one.start();
            sendKey(edit, Qt::Key_X, QStringLiteral("x"));
            settle();
            samples.push_back(ms(one.nsecsElapsed()));
        }
        say("%s_median_ms=%.2f %s_p99_ms=%.2f %s_keys=%d ", where, percentile(samples, 0.5), where,
            percentile(samples, 0.99), where, int(samples.size()));
    };
    type("typing_end");

    clock.restart();
    if (bare) {
        QTextCursor c = edit->textCursor();
        c.setPosition(edit->document()->characterCount() / 2);
        edit->setTextCursor(c);
    } else {
        auto* code = static_cast<CodeEditor*>(edit);
        code->setSelStart(code->charCount() / 2);
        code->scrollInView();
    }
    settle();
    say("to_middle_ms=%.1f ", ms(clock.nsecsElapsed()));
    type("typing_middle");

    // Idle: two seconds of the event loop with nothing to do.
    const int paintsBefore = counter.paints;
    const double cpuBefore = cpuSeconds();
    QEventLoop idle;
    QTimer::singleShot(2000, &idle, &QEventLoop::quit);
    idle.exec();
    const double idleCpu = cpuSeconds() - cpuBefore;
    say("idle_cpu_percent=%.1f idle_paints=%d focus=%d peak_mb=%.0f\n", idleCpu / 2.0 * 100.0,
        counter.paints - paintsBefore, int(edit->hasFocus()), double(peakKilobytes()) / 1024.0);
    return 0;
}

struct ChildResult {
    QByteArray output;
    bool timedOut = false;
};

ChildResult runChild(const QStringList& arguments, const QTemporaryDir& settings)
{
    ChildResult result;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PELORIN95_SETTINGS_DIR"), settings.path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(kChildTimeoutMs)) {
        result.timedOut = true;
        child.kill();
        child.waitForFinished(-1);
    }
    result.output = child.readAllStandardOutput();
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("side"))
        return runEditorSide(args[2] == QLatin1String("bare"), args[3]);
    // For profiling one case by hand: writes the input the benchmark would use.
    if (args.size() == 4 && args[1] == QLatin1String("write")) {
        const qint64 kb = args[2].toLongLong();
        writeInput(args[3],
            kb == 10000 ? generateRealisticHtml(10 * 1000 * 1000)
                : args[3].endsWith(QLatin1String(".js")) ? minifiedScript(kb * 1024)
                                                          : minifiedPage(kb * 1024));
        return 0;
    }

    QTemporaryDir dir;
    QTemporaryDir settings;
    std::printf(
        "Minified files, one line each; each case in its own process (stopped after %d s).\n", kChildTimeoutMs / 1000);
    std::printf("targets: keystroke p99 < 16 ms at 1 MB, < 50 ms at 5 MB; no CPU while idle; open within 2x bare\n");
    for (const char* kind : { "script", "page" }) {
        for (const qint64 kb : { 100, 1024, 5 * 1024 }) {
            const QString path = dir.filePath(QStringLiteral("min-%1-%2.%3")
                                                  .arg(QLatin1String(kind))
                                                  .arg(kb)
                                                  .arg(QLatin1String(kind[0] == 's' ? "js" : "htm")));
            writeInput(path, kind[0] == 's' ? minifiedScript(kb * 1024) : minifiedPage(kb * 1024));
            for (const char* side : { "bare", "editor" }) {
                std::printf("%-6s %5lld KB %-6s ", kind, static_cast<long long>(kb), side);
                std::fflush(stdout);
                const ChildResult r = runChild({ QStringLiteral("side"), QLatin1String(side), path }, settings);
                std::printf(
                    "%s%s", r.output.constData(), r.timedOut ? " STOPPED: still busy when the time was up\n" : "");
                std::fflush(stdout);
            }
        }
    }

    return 0;
}
