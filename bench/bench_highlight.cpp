// Colouring figures on a 10 MB page: engine throughput, first screen after loading into the
// editor, keystroke latency in the worst places, peak memory.
#include "HtmlGenerator.h"
#include "Measures.h"

#include "editor/CodeEditor.h"
#include "editor/HighlightEngine.h"
#include "editor/SyntaxColourer.h"
#include "editor/TagCompletion.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr qint64 kFileBytes = 10 * 1000 * 1000;
constexpr double kTargetFirstScreenMs = 100;
constexpr double kTargetKeystrokeP99Ms = 5;
constexpr double kTargetMBPerSecond = 20;
constexpr double kTargetCompletionMs = 20;
constexpr int kStyleBlocks = 20;
constexpr int kRulesPerStyleBlock = 250;

double ms(qint64 ns) { return double(ns) / 1e6; }

const char* verdict(bool ok) { return ok ? "ok" : "MISSED"; }

struct Percentiles {
    double median = 0;
    double p99 = 0;
};

Percentiles percentiles(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at
        = [&](double q) { return samples[std::min(samples.size() - 1, std::size_t(q * double(samples.size())))]; };
    return { at(0.5), at(0.99) };
}

QString peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return QStringLiteral("unknown");
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return QString::fromLatin1(line.mid(6).trimmed());
    return QStringLiteral("unknown");
}

// A style sheet block of the kind a page carries when its author keeps the styles in the page:
// rules over several lines, comments, group rules, colours and numbers with units.
QByteArray styleBlock(int block)
{
    QByteArray css = "<STYLE type=\"text/css\">\r\n";
    for (int i = 0; i < kRulesPerStyleBlock; ++i) {
        const QByteArray n = QByteArray::number(block * kRulesPerStyleBlock + i);
        if (i % 25 == 0) css += "/* Section " + n + ": boxes, links and the navigation\r\n   of this part */\r\n";
        if (i % 50 == 10) css += "@media screen and (max-width: 600px) {\r\n";
        css += "div.box" + n + " > a:hover, #nav" + n + " li.item {\r\n"
            "  color: #3a3a3a; background: rgb(" + QByteArray::number(i % 256) + ", 20, 30) url(\"img/b" + n
            + ".png\") no-repeat;\r\n"
              "  margin: 0 auto 1.5em; padding: 2px 4px !important;\r\n"
              "  font-family: 'Helvetica Neue', Arial, sans-serif; border: 1px solid #ccc;\r\n}\r\n";
        if (i % 50 == 20) css += "}\r\n";
    }
    return css + "</STYLE>\r\n";
}

// The realistic page with large style blocks put in before paragraphs spread over it.
QByteArray pageWithStyleBlocks(qint64 bytes)
{
    const qint64 cssBytes = kStyleBlocks * styleBlock(0).size();
    QByteArray html = generateRealisticHtml(bytes - cssBytes);
    qint64 at = 0;
    for (int block = 0; block < kStyleBlocks; ++block) {
        at = html.indexOf("\r\n<P>", std::max(at, html.size() * block / kStyleBlocks));
        if (at < 0) break;
        const QByteArray css = styleBlock(block);
        html.insert(at + 2, css);
        at += 2 + css.size();
    }
    return html;
}

void engineThroughput(const QByteArray& html, const char* what = "")
{
    const QStringList lines = QString::fromUtf8(html).split(QStringLiteral("\r\n"));
    const HighlightEngine engine;
    std::vector<HighlightSpan> spans;
    qint64 best = -1;
    std::size_t spanCount = 0;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        HighlightState state;
        spanCount = 0;
        for (const QString& line : lines) {
            state = engine.highlightLine(line, state, spans);
            spanCount += spans.size();
        }
        const qint64 t = clock.nsecsElapsed();
        best = best < 0 ? t : std::min(best, t);
    }
    const double mbps = double(html.size()) / 1e6 / (double(best) / 1e9);
    std::printf("engine, colour everything%s from scratch: %.0f ms, %.1f MB/s, %zu spans (target >= %.0f MB/s: %s)\n",
        what, ms(best), mbps, spanCount, kTargetMBPerSecond, verdict(mbps >= kTargetMBPerSecond));
}

void pressKey(QWidget& editor, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&editor, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&editor, &release);
}

void putCaret(CodeEditor& editor, const QTextBlock& block, int column)
{
    QTextCursor c(block);
    c.setPosition(block.position() + column);
    editor.setTextCursor(c);
    editor.centerCursor();
    QApplication::processEvents();
}

// A key typed and removed again. Each press is timed twice: the edit with the colouring it
// causes, and that plus the repaint of the screen. `settle` runs the background colouring to
// its end between presses, for presses that change what follows.
void keystrokes(const char* what, CodeEditor& editor, SyntaxColourer& colourer, const QTextBlock& block, int column,
    int rounds, const QString& key, bool settle)
{
    putCaret(editor, block, column);
    std::vector<double> edit, painted;
    for (int i = 0; i < rounds; ++i) {
        for (int k = 0; k < 2; ++k) {
            QElapsedTimer clock;
            clock.start();
            if (k == 0)
                pressKey(editor, key == QLatin1String("*") ? Qt::Key_Asterisk : Qt::Key_X, key);
            else
                pressKey(editor, Qt::Key_Backspace, QString());
            edit.push_back(ms(clock.nsecsElapsed()));
            editor.viewport()->repaint();
            painted.push_back(ms(clock.nsecsElapsed()));
            if (settle) colourer.finishColouring();
            QApplication::processEvents();
        }
    }
    const Percentiles e = percentiles(edit), p = percentiles(painted);
    std::printf("keystroke %s (%zu presses): edit and colouring median %.3f ms, p99 %.3f ms (target p99 < %.0f ms: "
                "%s); with the repaint median %.3f ms, p99 %.3f ms\n",
        what, edit.size(), e.median, e.p99, kTargetKeystrokeP99Ms, verdict(e.p99 < kTargetKeystrokeP99Ms), p.median,
        p.p99);
}

// The paragraph in the middle of the longest script block after the middle of the document.
QTextBlock middleOfLongScript(QTextDocument* doc)
{
    QTextBlock b = doc->findBlockByNumber(doc->blockCount() / 2);
    QTextBlock bestStart;
    int bestLength = 0;
    for (int scanned = 0; b.isValid() && scanned < 40000; b = b.next(), ++scanned) {
        if (!b.text().startsWith(QLatin1String("<SCRIPT"))) continue;
        int length = 0;
        QTextBlock e = b;
        while (e.isValid() && !e.text().startsWith(QLatin1String("</SCRIPT>")))
            e = e.next(), ++length;
        if (length > bestLength) bestStart = b, bestLength = length;
        if (bestLength > 500) break;
    }
    return doc->findBlockByNumber(bestStart.blockNumber() + bestLength / 2);
}

// From a key to the completion list on screen, for a key that opens it; the list is closed and
// the key taken back between presses.
void completionLatency(const char* what, CodeEditor& editor, TagCompletion& completion, const QTextBlock& block,
    int column, const QString& typedBefore, const QString& key)
{
    putCaret(editor, block, column);
    editor.setSelText(typedBefore);
    std::vector<double> shown;
    int missing = 0;
    for (int i = 0; i < 100; ++i) {
        QElapsedTimer clock;
        clock.start();
        pressKey(editor, key == QLatin1String("<") ? Qt::Key_Less : key == QLatin1String(";") ? Qt::Key_Semicolon : Qt::Key_Space, key);
        editor.viewport()->repaint();
        shown.push_back(ms(clock.nsecsElapsed()));
        if (!completion.isListShown()) ++missing;
        pressKey(editor, Qt::Key_Escape, QString());
        pressKey(editor, Qt::Key_Backspace, QString());
        QApplication::processEvents();
    }
    const Percentiles p = percentiles(shown);
    std::printf("completion list %s: median %.3f ms, p99 %.3f ms with the repaint (target < %.0f ms: %s)%s\n", what,
        p.median, p.p99, kTargetCompletionMs, verdict(p.p99 < kTargetCompletionMs && !missing),
        missing ? ", LIST MISSING" : "");
}

// The same page with large style blocks: engine throughput, keystrokes inside a style block,
// and the completion list on that page.
void styleSheetFigures(const QString& path, const QTemporaryDir& dir)
{
    const QByteArray html = pageWithStyleBlocks(kFileBytes);
    std::printf("page with %d style blocks of %lld bytes: %.2f MB\n", kStyleBlocks, qlonglong(styleBlock(0).size()),
        double(html.size()) / 1e6);
    engineThroughput(html, " (page with style blocks)");
    const QString stylePath = dir.filePath(QStringLiteral("styled.htm"));
    writeInput(stylePath, html);
    Q_UNUSED(path);

    CodeEditor editor;
    editor.resize(1000, 800);
    editor.show();
    SyntaxColourer colourer;
    colourer.attach(&editor);
    TagCompletion completion(editor, colourer);
    completion.setCloseTags(true);
    editor.loadFromFile(stylePath);
    colourer.finishColouring();
    QTextDocument* doc = editor.document();

    // The middle of the style block after the middle of the page.
    QTextBlock style = doc->findBlockByNumber(doc->blockCount() / 2);
    while (style.isValid() && !style.text().startsWith(QLatin1String("<STYLE")))
        style = style.next();
    for (int i = 0; i < kRulesPerStyleBlock * 3 && style.next().isValid(); ++i)
        style = style.next();
    while (!style.text().startsWith(QLatin1String("  margin")))
        style = style.next();
    keystrokes("in the middle of a large style block", editor, colourer, style, 2, 200, QStringLiteral("x"), false);
    // "/" then "*" there: the rest of the block turns into a comment, up to the end tag.
    putCaret(editor, style, 2);
    pressKey(editor, Qt::Key_Slash, QStringLiteral("/"));
    colourer.finishColouring();
    keystrokes("that opens or closes a style comment", editor, colourer, style, 3, 30, QStringLiteral("*"), true);
    pressKey(editor, Qt::Key_Backspace, QString());
    colourer.finishColouring();

    QTextBlock text = doc->findBlockByNumber(doc->blockCount() / 2);
    while (text.isValid() && !text.text().startsWith(QLatin1String("<P>")))
        text = text.next();
    completionLatency("of tag names after \"<\" in the middle of the page", editor, completion, text, 0, QString(),
        QStringLiteral("<"));
    completionLatency("of attributes after \"<TABLE \"", editor, completion, text, 0, QStringLiteral("<TABLE"),
        QStringLiteral(" "));
    completionLatency("of properties after \";\" in a style block", editor, completion, style, 0,
        QStringLiteral("a: 1"), QStringLiteral(";"));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QElapsedTimer clock;
    clock.start();
    const QByteArray html = generateRealisticHtml(kFileBytes);
    std::printf("generated page: %.2f MB, %lld lines, in %.0f ms\n", double(html.size()) / 1e6,
        qlonglong(html.count("\r\n")), ms(clock.nsecsElapsed()));

    engineThroughput(html);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.htm"));
    writeInput(path, html);

    CodeEditor editor;
    editor.resize(1000, 800);
    editor.show();
    SyntaxColourer colourer;
    colourer.attach(&editor);
    QApplication::processEvents();

    clock.restart();
    editor.loadFromFile(path);
    const qint64 loaded = clock.nsecsElapsed();
    while (!colourer.isVisibleAreaColoured())
        QApplication::processEvents();
    const qint64 firstScreen = clock.nsecsElapsed() - loaded;
    editor.viewport()->repaint();
    const qint64 painted = clock.nsecsElapsed() - loaded;
    std::printf("load into the editor: %.0f ms; first screen coloured %.2f ms after the load (target <= %.0f ms: %s), "
                "painted %.1f ms after\n",
        ms(loaded), ms(firstScreen), kTargetFirstScreenMs, verdict(ms(firstScreen) <= kTargetFirstScreenMs),
        ms(painted));
    while (!colourer.isColouringComplete())
        QApplication::processEvents();
    std::printf("whole document coloured in idle slices %.0f ms after the load\n", ms(clock.nsecsElapsed() - loaded));

    QTextDocument* doc = editor.document();
    const QTextBlock script = middleOfLongScript(doc);
    keystrokes("in the middle of a long script block", editor, colourer, script, 2, 200, QStringLiteral("x"), false);

    // A comment left open in the middle of the page: everything after it is comment.
    QTextBlock open = doc->findBlockByNumber(doc->blockCount() / 2);
    while (open.isValid() && !open.text().startsWith(QLatin1String("<P>")))
        open = open.next();
    editor.replaceRange(open.position(), open.position(), QStringLiteral("<!-- "));
    colourer.finishColouring();
    keystrokes("inside an unclosed comment", editor, colourer, open.next().next(), 0, 200, QStringLiteral("x"), false);
    colourer.setEnabled(false);
    keystrokes("at the same place with colouring off, for comparison", editor, colourer, open.next().next(), 0, 200,
        QStringLiteral("x"), false);
    colourer.setEnabled(true);
    colourer.finishColouring();
    editor.undo();
    colourer.finishColouring();

    // "/" then "*" in a script: the second key turns the rest of the document into a comment.
    putCaret(editor, script, 2);
    pressKey(editor, Qt::Key_Slash, QStringLiteral("/"));
    colourer.finishColouring();
    keystrokes("that opens or closes a script comment", editor, colourer, script, 3, 30, QStringLiteral("*"), true);

    std::printf("peak memory (VmHWM): %s\n", qPrintable(peakMemory()));

    // For comparison: the same load into an editor without colouring.
    CodeEditor plain;
    plain.resize(1000, 800);
    plain.show();
    QApplication::processEvents();
    clock.restart();
    plain.loadFromFile(path);
    std::printf("load into an editor without colouring, for comparison: %.0f ms\n", ms(clock.nsecsElapsed()));
    plain.hide();

    styleSheetFigures(path, dir);
    return 0;
}
