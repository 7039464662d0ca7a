// The editor control against a bare QPlainTextEdit doing the same work on a 10 MB page:
// load until the first layout, single-character insertions at the end and in the middle,
// offset round trips, peak memory. Each side runs in a child process of its own so that its
// peak memory is its own.

#include "EditorSide.h"
#include "Measures.h"
#include "HtmlGenerator.h"
#include "editor/CodeEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// One keystroke: the key event and the repaint it causes.
double keystroke(QPlainTextEdit* edit)
{
    QElapsedTimer t;
    t.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(edit, &release);
    edit->viewport()->repaint();
    return double(t.nsecsElapsed()) / 1e6;
}

int runSide(bool bare, const QString& path)
{
    QPlainTextEdit* edit = bare ? new QPlainTextEdit : new CodeEditor;
    edit->resize(1000, 800);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->show();
    QApplication::processEvents();

    QElapsedTimer t;
    t.start();
    loadSide(edit, bare, path);
    edit->viewport()->repaint(); // the first layout and paint of the screen
    const double loadMs = double(t.nsecsElapsed()) / 1e6;

    // Insertions at the end and in the middle.
    std::vector<double> atEnd, inMiddle;
    const int middleBlock = edit->document()->blockCount() / 2;
    for (int i = 0; i < 1000; ++i) {
        QTextCursor c = edit->textCursor();
        if (i % 2 == 0) {
            c.movePosition(QTextCursor::End);
        } else {
            c.setPosition(edit->document()->findBlockByNumber(middleBlock).position() + 5);
        }
        edit->setTextCursor(c);
        (i % 2 == 0 ? atEnd : inMiddle).push_back(keystroke(edit));
    }

    // Offset round trips at random places.
    QRandomGenerator random(42);
    // The bare widget scrolls to every caret it is given, so it gets fewer rounds.
    const int rounds = bare ? 2000 : 100000;
    qint64 checksum = 0;
    t.restart();
    if (bare) {
        const int count = edit->document()->characterCount() - 1;
        for (int i = 0; i < rounds; ++i) {
            QTextCursor c = edit->textCursor();
            c.setPosition(random.bounded(count));
            edit->setTextCursor(c);
            checksum += edit->textCursor().position();
        }
    } else {
        auto* code = static_cast<CodeEditor*>(edit);
        const int count = code->charCount();
        for (int i = 0; i < rounds; ++i) {
            code->setSelStart(random.bounded(count));
            checksum += code->selStart();
        }
    }
    const double roundTripUs = double(t.nsecsElapsed()) / 1e3 / rounds;

    std::printf("%s load_ms=%.1f end_median_ms=%.3f end_p99_ms=%.3f middle_median_ms=%.3f middle_p99_ms=%.3f "
                "roundtrip_us=%.2f peak_mb=%.0f checksum=%lld\n",
        bare ? "bare" : "editor", loadMs, percentile(atEnd, 0.5), percentile(atEnd, 0.99), percentile(inMiddle, 0.5),
        percentile(inMiddle, 0.99), roundTripUs, peakKilobytes() / 1024.0, static_cast<long long>(checksum % 1000));
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 3) return runSide(args[1] == QLatin1String("bare"), args[2]);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.htm"));
    writeInput(path, generateRealisticHtml(10 * 1024 * 1024));
    std::printf("10 MB page, %lld bytes; each side in its own process\n", static_cast<long long>(QFile(path).size()));
    std::fflush(stdout);
    for (const char* side : { "bare", "editor" }) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QApplication::applicationFilePath(), { QLatin1String(side), path });
        child.waitForFinished(-1);
    }
    return 0;
}
