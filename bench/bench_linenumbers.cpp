// The line-number gutter on the 10 MB generated page: loading, typing and scrolling with the
// gutter off and on, so its cost can be read side by side.

#include "HtmlGenerator.h"
#include "Measures.h"
#include "editor/CodeEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

void run(bool gutter, const QString& path)
{
    CodeEditor editor;
    editor.resize(1000, 800);
    editor.setLineNumbers(gutter);
    editor.show();
    QApplication::processEvents();

    QElapsedTimer t;
    t.start();
    editor.loadFromFile(path);
    editor.repaint();
    const double loadMs = ms(t);

    std::vector<double> keys;
    const int middle = editor.charCount() / 2;
    for (int i = 0; i < 400; ++i) {
        editor.setSelStart(i % 2 ? middle : editor.charCount());
        editor.scrollInView();
        QApplication::processEvents();
        t.restart();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&editor, &press);
        QApplication::processEvents(); // the paint of what the key changed, gutter included
        keys.push_back(ms(t));
    }

    std::vector<double> pages;
    QScrollBar* bar = editor.verticalScrollBar();
    bar->setValue(0);
    for (int i = 0; i < 300; ++i) {
        t.restart();
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QApplication::processEvents();
        pages.push_back(ms(t));
    }
    std::printf("linenumbers: gutter %-3s load+paint %.0f ms; keystroke median %.3f ms; page down median %.3f ms\n",
        gutter ? "on" : "off", loadMs, median(keys), median(pages));
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.htm"));
    writeInput(path, generateRealisticHtml(10 * 1024 * 1024));
    run(false, path);
    run(true, path);
    run(false, path);
    run(true, path);
    return 0;
}
