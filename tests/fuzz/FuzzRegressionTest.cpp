#include "FuzzTargets.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
// Runs one input; a broken promise fails the test with the input shown, and the test goes on.
void runInput(const FuzzTarget& target, const QByteArray& input)
{
    try {
        target.run(input);
    } catch (const std::exception& broken) {
        ADD_FAILURE() << target.name << ": " << broken.what() << "\n  input (hex): " << input.toHex(' ').toStdString();
    }
}

// Every input a fuzzer once crashed on (tests/fuzz/regressions/<target>/) runs clean now.
TEST(FuzzRegressionTest, SavedCrashersRunClean)
{
    const QDir root(QStringLiteral(PELORIN_FUZZ_REGRESSIONS));
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const FuzzTarget* target = findFuzzTarget(name);
        ASSERT_NE(target, nullptr) << "no fuzz target " << name.toStdString();
        QDirIterator files(root.filePath(name), QDir::Files);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            SCOPED_TRACE(file.fileName().toStdString());
            runInput(*target, file.readAll());
        }
    }
}

// A quick pass of every target over fixed and seeded random inputs, so a reader that crashes
// on odd bytes is caught by make test too.
TEST(FuzzRegressionTest, EveryTargetTakesOddInputs)
{
    const QList<QByteArray> fixed { "", QByteArray(1, '\0'), "\xFF\xFE", "\xFE\xFF\0", "\xEF\xBB\xBF", "GIF89a",
        "\xFF\xD8\xFF\xC0", "\x89PNG\r\n\x1A\n", "%", "%4", "%zz+%41", "<script", "</script>", "<a href=\"x.htm",
        "\"a.htm\"", "function f(", "function ( ) {", "&amp;&#;&#x;&c&copy;opy;", "\r\r\n\n\r", "<!-- /*",
        "*** 001 ***", "\xC3", "\xE2\x82", "\xF4\x90\x80\x80" };
    QRandomGenerator random(20261210);
    for (const FuzzTarget& target : fuzzTargets()) {
        SCOPED_TRACE(target.name);
        for (const QByteArray& input : fixed)
            runInput(target, input);
        for (int i = 0; i < 200; ++i) {
            QByteArray input(int(random.bounded(300)), Qt::Uninitialized);
            for (char& c : input)
                c = char(random.bounded(256));
            runInput(target, input);
        }
    }
}

// Random bytes seldom make a link, a script or a project: inputs of the readers' own kinds, and
// seeded variations of them, reach the promises the targets check.
TEST(FuzzRegressionTest, PromisesHoldForRealisticInputs)
{
    const QList<QByteArray> samples {
        "<html><head><title>My Page</title>\n<meta name=\"keywords\" content=\"fish, chips\">\r\n"
        "<script>\nfunction MyFunction(a, b) {\n  return a;\n}\nmyfunction(1, 2); MyFunction(3)</script></head>\n"
        "<body><a href=\"sub/page.htm\">x</a> <A HREF=\"my%20page.html\">y</A>\r\n<img src=\"images/Logo.GIF\" "
        "alt=\"Logo\">\n<img alt=\"\" src=\"b/c.gif\"> a > b &lt;b&gt; &amp; &nbsp;</body></html>\n",
        "<a href='a.htm'>\n<img alt='x'> <a href='b/c.gif'>\r\n<p>'\"x.css\"'</p>",
        "<script>\r\nfunction f(x) {\r\n}\r\nf(1); F(2)\r\n</script>",
        "2\r\n/site/a.htm\r\n/site/b.htm\r\nA TITLE\r\nB\r\nK1, K2\r\nK3\r\n",
        "2\n/x.htm\n/y.htm\nT", // the lines missing at the end are empty entries
        "#start01\r\nabs method\r\nMath.abs(x)\r\n#end01\r\n#START09\nline\n#end09\n#start158\n#end158\nonmousedown",
        "Courier New\r\n12\r\n",
    };
    const QByteArray interesting("<>\"'%+/\\()=&#\r\n\t 0aF\xC3\xA9\xFF");
    QRandomGenerator random(20261211);
    for (const FuzzTarget& target : fuzzTargets()) {
        SCOPED_TRACE(target.name);
        for (const QByteArray& sample : samples) {
            runInput(target, sample);
            for (int i = 0; i < 40; ++i) {
                QByteArray input = sample;
                for (int edits = 1 + int(random.bounded(3)); edits > 0; --edits) {
                    const qsizetype at = random.bounded(int(input.size()) + 1);
                    const char c = interesting[random.bounded(int(interesting.size()))];
                    switch (random.bounded(3)) {
                    case 0:
                        input.insert(at, c);
                        break;
                    case 1:
                        if (at < input.size()) input[at] = c;
                        break;
                    default:
                        input.remove(at, 1 + random.bounded(4));
                    }
                }
                runInput(target, input);
            }
        }
    }
}
} // namespace
