// Start-up of the program under a real X server with a window manager (Xvfb and openbox, fresh
// settings each run): no file, the 10 MB page of bench_editor, and that page then the "Preview"
// tab. Each run is a child process; this process samples the peak memory of the child and of
// every helper process it starts (the browser engine's), and reports min / median of 3 runs.
// Without a DISPLAY of its own choosing (PELORIN_BENCH_DISPLAY) it starts Xvfb and openbox.

#include "HtmlGenerator.h"
#include "Measures.h"

#include "editor/CodeEditor.h"
#include "editor/SyntaxColourer.h"
#include "main/MainWindow.h"
#include "platform/AppDirs.h"
#include "platform/BrowserView.h"
#include "platform/HintRouter.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <malloc.h>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kChildTimeoutMs = 90 * 1000;
constexpr int kRuns = 3;

void say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// ---- the child: the main window as the program starts it -----------------------------------

// Prints "painted" at the first paint that shows the window (with a file: shows the file),
// "idle" when the colouring is complete, "preview" when the Preview tab has shown the page, and
// then ends.
int runChild(const QString& dataDir, const QString& file, bool preview)
{
    AppDirs::setDataDir(dataDir);
    HintRouter hints;
    QtPrompter prompter;
    DesktopShell shell;
    MainWindow window({ &prompter, &shell, {}, {} }, file.isEmpty() ? QStringList() : QStringList { file });
    prompter.setMainWindow(&window);
    const auto* editor = window.findChild<CodeEditor*>();
    auto* browser = window.findChild<BrowserView*>();

    bool helpSeen = !file.isEmpty(), idleSeen = false, previewSeen = !preview;
    const auto finishIfDone = [&] {
        if (helpSeen && idleSeen && previewSeen) std::_Exit(0); // the engine's teardown is no part of the start
    };
    const auto showPreview = [&] {
        QObject::connect(browser, &BrowserView::navigationComplete, qApp, [&] {
            say("preview");
            previewSeen = true;
            finishIfDone();
        });
        window.findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(1);
    };
    if (file.isEmpty())
        QObject::connect(browser, &BrowserView::navigationComplete, qApp, [&] {
            if (helpSeen) return;
            say("help");
            helpSeen = true;
            finishIfDone();
        });
    const auto whenIdle = [&] {
        say("idle");
        // The heap in use once the page is in, coloured where shown: the document's own cost
        // is this less the same without a file.
        std::printf("heap %zu\n", mallinfo2().uordblks + mallinfo2().hblkhd);
        std::fflush(stdout);
        idleSeen = true;
        if (!previewSeen) showPreview();
        finishIfDone();
    };
    struct FirstPaint : QObject {
        std::function<bool()> ready;
        std::function<void()> then;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint && then && ready()) {
                // After the paint pass in progress has ended.
                QTimer::singleShot(0, std::exchange(then, nullptr));
            }
            return false;
        }
    } firstPaint;
    firstPaint.ready = [&] { return file.isEmpty() || !editor->document()->isEmpty(); };
    firstPaint.then = [&] {
        say("painted");
        auto* colourer = window.findChild<SyntaxColourer*>();
        if (!colourer || colourer->isColouringComplete())
            whenIdle();
        else
            QObject::connect(colourer, &SyntaxColourer::colouringComplete, qApp, whenIdle);
    };
    qApp->installEventFilter(&firstPaint);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    QTimer::singleShot(kChildTimeoutMs, qApp, &QApplication::quit);
    QApplication::exec();
    std::_Exit(1);
}

// ---- the driver ------------------------------------------------------------------------------

// The peak resident memory (VmHWM) of a process tree: each process's own peak, summed, so the
// helpers that come and go are counted with the most they held.
class TreeMemory {
public:
    explicit TreeMemory(qint64 root)
        : m_root(root)
    { }
    void sample()
    {
        QHash<qint64, qint64> parents;
        for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            bool number = false;
            const qint64 pid = name.toLongLong(&number);
            if (!number) continue;
            const QByteArray stat = read(pid, "stat");
            const qsizetype close = stat.lastIndexOf(')');
            if (close < 0) continue;
            parents.insert(pid, stat.mid(close + 2).split(' ').value(1).toLongLong());
        }
        for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
            if (!isInTree(it.key(), parents)) continue;
            const long peak = peakOf(it.key());
            if (peak > m_peaks.value(it.key())) m_peaks[it.key()] = peak;
        }
    }
    double ownMb() const { return double(m_peaks.value(m_root)) / 1024.0; }
    double allMb() const
    {
        qint64 sum = 0;
        for (const qint64 kb : m_peaks)
            sum += kb;
        return double(sum) / 1024.0;
    }

private:
    static QByteArray read(qint64 pid, const char* what)
    {
        QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(what)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static long peakOf(qint64 pid)
    {
        for (const QByteArray& line : read(pid, "status").split('\n'))
            if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
        return 0;
    }
    bool isInTree(qint64 pid, const QHash<qint64, qint64>& parents) const
    {
        for (int depth = 0; pid > 1 && depth < 64; ++depth, pid = parents.value(pid))
            if (pid == m_root) return true;
        return false;
    }
    qint64 m_root;
    QHash<qint64, qint64> m_peaks;
};

struct Run {
    QHash<QByteArray, double> at; // each line the child printed and when, in ms from its start
    double heapBytes = -1; // in use when idle
    double ownMb = 0, allMb = 0;
    bool timedOut = false;
};

Run runOnce(const QStringList& arguments, const QProcessEnvironment& env)
{
    QTemporaryDir settings;
    QProcessEnvironment childEnv = env;
    childEnv.insert(QStringLiteral("PELORIN95_SETTINGS_DIR"), settings.path());
    QProcess child;
    child.setProcessEnvironment(childEnv);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Run run;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForStarted();
    TreeMemory memory(child.processId());
    QByteArray pending;
    while (child.state() != QProcess::NotRunning) {
        memory.sample();
        if (child.waitForReadyRead(10)) {
            pending += child.readAllStandardOutput();
            for (qsizetype nl = pending.indexOf('\n'); nl >= 0; nl = pending.indexOf('\n')) {
                const QByteArray line = pending.left(nl);
                if (line.startsWith("heap "))
                    run.heapBytes = line.mid(5).toDouble();
                else
                    run.at.insert(line, double(clock.nsecsElapsed()) / 1e6);
                pending.remove(0, nl + 1);
            }
        }
        if (clock.elapsed() > kChildTimeoutMs) {
            run.timedOut = true;
            child.kill();
            child.waitForFinished(-1);
        }
    }
    run.ownMb = memory.ownMb();
    run.allMb = memory.allMb();
    return run;
}

// "min / median" of the runs' values; "-" when a run lacks it.
QByteArray minMedian(std::vector<double> values, const char* format)
{
    if (values.empty() || std::any_of(values.begin(), values.end(), [](double v) { return v < 0; })) return "-";
    std::sort(values.begin(), values.end());
    return QString::asprintf(format, values.front(), values[values.size() / 2]).toUtf8();
}

// An X server and a window manager of our own, for as long as it lives.
class Desktop {
public:
    Desktop()
    {
        m_display = qEnvironmentVariable("PELORIN_BENCH_DISPLAY");
        if (!m_display.isEmpty()) return;
        m_display = QStringLiteral(":73");
        m_server.start(QStringLiteral("Xvfb"),
            { m_display, QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1920x1080x24"),
                QStringLiteral("-nolisten"), QStringLiteral("tcp") });
        if (!m_server.waitForStarted()) {
            fail("Xvfb");
            return;
        }
        for (int i = 0; i < 100 && !QFile::exists(QStringLiteral("/tmp/.X11-unix/X73")); ++i)
            QThread::msleep(50);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        m_manager.setProcessEnvironment(env);
        m_manager.start(QStringLiteral("openbox"), {});
        if (!m_manager.waitForStarted()) {
            fail("openbox");
            return;
        }
        QThread::msleep(500); // the manager takes the screen
    }
    ~Desktop()
    {
        for (QProcess* p : { &m_manager, &m_server }) {
            p->terminate();
            p->waitForFinished(3000);
        }
    }
    QString display() const { return m_display; }
    bool ok() const { return m_ok; }

private:
    void fail(const char* what)
    {
        std::fprintf(stderr, "cannot start %s (bench/sitetools-data installs it)\n", what);
        m_ok = false;
    }
    QString m_display;
    QProcess m_server, m_manager;
    bool m_ok = true;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "child") {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        QApplication app(argc, argv);
        const QStringList args = QApplication::arguments();
        return runChild(args[2], args.value(3), args.value(4) == QLatin1String("preview"));
    }
    QCoreApplication app(argc, argv);
    Desktop desktop;
    if (!desktop.ok()) return 1;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), desktop.display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page10.htm"));
    writeInput(page, generateRealisticHtml(10 * 1024 * 1024)); // the page of bench_editor
    const QString data = QCoreApplication::applicationDirPath() + QLatin1String("/..");

    std::printf("Start-up under Xvfb and openbox, fresh settings; min / median of %d runs.\n", kRuns);
    std::printf("targets: no file <= 130 MB with helpers; 10 MB page visible <= 350 ms and <= 160 MB\n");
    struct Case {
        const char* name;
        QStringList arguments;
        const char* shown; // the line that says the case's page is on screen
    };
    const Case cases[] = {
        { "no file", { QStringLiteral("child"), data }, "help" },
        { "10 MB page", { QStringLiteral("child"), data, page }, "painted" },
        { "10 MB page, Preview", { QStringLiteral("child"), data, page, QStringLiteral("preview") }, "preview" },
    };
    bool missed = false;
    double heapWithoutFile = -1;
    for (const Case& c : cases) {
        std::vector<double> painted, shown, idle, own, all, heap;
        bool stopped = false;
        for (int i = 0; i < kRuns; ++i) {
            const Run run = runOnce(c.arguments, env);
            stopped |= run.timedOut;
            painted.push_back(run.at.value("painted", -1));
            shown.push_back(run.at.value(c.shown, -1));
            idle.push_back(run.at.value("idle", -1));
            own.push_back(run.ownMb);
            all.push_back(run.allMb);
            heap.push_back(run.heapBytes);
        }
        std::sort(heap.begin(), heap.end());
        const double medianHeap = heap[heap.size() / 2];
        std::printf("%-20s painted %s ms, %s %s ms, idle %s ms, peak %s MB (with helpers %s MB)%s\n", c.name,
            minMedian(painted, "%.0f / %.0f").constData(), c.shown, minMedian(shown, "%.0f / %.0f").constData(),
            minMedian(idle, "%.0f / %.0f").constData(), minMedian(own, "%.1f / %.1f").constData(),
            minMedian(all, "%.1f / %.1f").constData(), stopped ? " STOPPED" : "");
        std::sort(all.begin(), all.end());
        std::sort(painted.begin(), painted.end());
        const double medianAll = all[all.size() / 2], medianPainted = painted[painted.size() / 2];
        if (QByteArray(c.name) == "no file") {
            heapWithoutFile = medianHeap;
            missed |= medianAll > 130;
        }
        if (QByteArray(c.name) == "10 MB page" && heapWithoutFile > 0 && medianHeap > 0)
            std::printf("%-20s heap in use when idle: %.1f MB more than without a file, %.1f bytes a character\n", "",
                (medianHeap - heapWithoutFile) / 1048576.0, (medianHeap - heapWithoutFile) / double(QFileInfo(page).size()));
        if (QByteArray(c.name) == "10 MB page") missed |= medianAll > 160 || medianPainted > 350 || medianPainted < 0;
    }
    std::printf("%s\n", missed ? "TARGETS MISSED" : "targets met");
    return 0;
}
