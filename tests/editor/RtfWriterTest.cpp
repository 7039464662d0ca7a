#include "editor/RtfWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

RtfSettings settings()
{
    RtfSettings s;
    s.fontName = QStringLiteral("Courier New");
    s.fontPointSize = 10;
    s.altFontName = QStringLiteral("Sans");
    s.altFontPointSize = 12;
    return s;
}

// Colours the lines from the given state, as the editor would, and keeps each line's spans.
std::vector<RtfLine> colouredLines(const QStringList& lines, bool startInScript)
{
    const HighlightEngine engine;
    std::vector<HighlightSpan> spans;
    HighlightState state = startInScript ? engine.highlightLine(u"<SCRIPT>", {}, spans) : HighlightState();
    std::vector<RtfLine> out;
    for (const QString& line : lines) {
        state = engine.highlightLine(line, state, spans);
        out.push_back({ line, spans });
    }
    return out;
}

const QString kFixedColours = QStringLiteral(
    "\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red255\\green255\\blue255;\\red255\\green255\\blue255;");

} // namespace

TEST(RtfWriter, ScriptLinesWithEscapesAndColourTableInOrderOfAppearance)
{
    const QString rtf = rtfForLines(colouredLines({ "if (a) {", "s='\\n'; // {c}" }, true), settings());
    const QString plain = QStringLiteral("\\plain\\f0\\fs20\\cf0\\cb2 ");
    const QString keyword = QStringLiteral("\\plain\\f0\\fs20\\b\\cf0\\cb2 ");
    const QString brace = QStringLiteral("\\plain\\f0\\fs20\\b\\cf4\\cb2 ");
    const QString string = QStringLiteral("\\plain\\f0\\fs20\\cf4\\cb2 ");
    const QString escape = QStringLiteral("\\plain\\f0\\fs20\\b\\cf5\\cb2 ");
    const QString comment = QStringLiteral("\\plain\\f0\\fs20\\cf5\\cb2 ");
    EXPECT_EQ(rtf,
        "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil Courier New;}{\\f1\\fnil Sans;}}\r\n"
        "{\\colortbl\r\n"
            + kFixedColours + "\\red0\\green0\\blue255;\\red0\\green128\\blue128;}\\pard\\ql\\sl-200" + keyword
            + "\r\n"
              "if"
            + plain + " (a) " + brace + "\\{\r\n\\par " + plain + "s=" + string + "'" + escape + "\\\\n" + string + "'"
            + plain + "; " + comment + "// \\{c\\}\r\n\\par }\r\n");
}

TEST(RtfWriter, AlternateFontEmptyParagraphAndCharactersBeyondAscii)
{
    RtfSettings s = settings();
    s.alignment = RtfAlignment::Centre;
    s.leading = 300;
    const QString rtf = rtfForLines(colouredLines({ "<%\u00e9\u20ac", "", "%>" }, false), s);
    EXPECT_EQ(rtf,
        "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil Courier New;}{\\f1\\fnil Sans;}}\r\n"
        "{\\colortbl\r\n"
            + kFixedColours
            + "\\red0\\green0\\blue255;}\\pard\\qc\\sl300\\plain\\f0\\fs20\\cf4\\cb2 \r\n"
              "<\\plain\\f1\\fs24\\cf0\\cb2 %\\u233\\'3f\\u8364\\'3f\r\n"
              "\\par \r\n"
              "\\par %\\plain\\f0\\fs20\\cf4\\cb2 >\r\n"
              "\\par }\r\n");
}

// Above U+7FFF the code is written as a signed 16-bit number.
TEST(RtfWriter, CharactersAboveU7fffAreNegative)
{
    const QString rtf = rtfForLines(colouredLines({ "\uFF01\u8000" }, false), settings());
    EXPECT_TRUE(rtf.contains("\\u-255\\'3f\\u-32768\\'3f")) << rtf.toStdString();
}

TEST(RtfWriter, PlainTextOnly)
{
    EXPECT_EQ(rtfForLines({ { QStringLiteral("a}"), {} } }, settings()),
        "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil Courier New;}{\\f1\\fnil Sans;}}\r\n"
        "{\\colortbl\r\n"
            + kFixedColours + "}\\pard\\ql\\sl-200\\plain\\f0\\fs20\\cf0\\cb2 \r\na\\}\r\n\\par }\r\n");
}

namespace {

// The text of unrtf's HTML, one (foreground colour, character) pair per character.
struct ReadBack {
    QString text;
    QStringList colours;
};

ReadBack readHtml(const QString& html)
{
    static const QHash<QString, QString> entities
        = { { "lt", "<" }, { "gt", ">" }, { "amp", "&" }, { "quot", "\"" }, { "nbsp", " " }, { "eacute", "\u00e9" } };
    ReadBack out;
    QStringList stack { "#000000" };
    const QString body = html.section(QStringLiteral("<body>"), 1).section(QStringLiteral("</body>"), 0, 0);
    static const QRegularExpression token(QStringLiteral("<(/?)(\\w+)([^>]*)>|&(#?\\w+);|([^<&\\n]+)"));
    for (auto it = token.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString text;
        if (!m.captured(2).isEmpty()) {
            const QString name = m.captured(2);
            if (name == QLatin1String("br")) {
                text = QStringLiteral("\n");
            } else if (name == QLatin1String("font")) {
                if (m.captured(1) == QLatin1String("/")) {
                    stack.removeLast();
                } else {
                    static const QRegularExpression colour(QStringLiteral("color=\"(#[0-9a-f]{6})\""));
                    const auto c = colour.match(m.captured(3));
                    stack << (c.hasMatch() ? c.captured(1) : stack.last());
                }
            }
        } else if (!m.captured(4).isEmpty()) {
            text = entities.value(m.captured(4), QStringLiteral("?"));
        } else {
            text = m.captured(5);
        }
        for (QChar ch : text) {
            if (ch == u' ' && out.text.endsWith(u' ')) continue;
            out.text += ch;
            out.colours << stack.last();
        }
    }
    return out;
}

} // namespace

// A real reader gets back the text and the colours that went in (unrtf collapses runs of spaces).
TEST(RtfWriter, UnrtfReadsTextAndColours)
{
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty()) GTEST_SKIP() << "unrtf is not installed";
    const QStringList lines = { "function f(a) {", "  s = \"caf\u00e9 {x} \\\\ <b>\"; /* note", "  */ return a;", "}" };
    const std::vector<RtfLine> coloured = colouredLines(lines, true);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("copy.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(rtfForLines(coloured, settings()).toLatin1());
    file.close();
    QProcess process;
    process.start(unrtf, { QStringLiteral("--html"), file.fileName() });
    ASSERT_TRUE(process.waitForFinished(10000));
    const ReadBack back = readHtml(QString::fromUtf8(process.readAllStandardOutput()));

    QString text;
    QStringList colours;
    for (const RtfLine& line : coloured) {
        std::vector<int> fg(std::size_t(line.text.size()), 0x000000);
        for (const HighlightSpan& s : line.spans)
            for (int i = s.start; i < s.start + s.length; ++i)
                if (styleLook(s.style).foreground != kNoColour) fg[std::size_t(i)] = styleLook(s.style).foreground;
        for (qsizetype i = 0; i <= line.text.size(); ++i) {
            const QChar ch = i < line.text.size() ? line.text[i] : QChar(u'\n');
            if (ch == u' ' && text.endsWith(u' ')) continue;
            text += ch;
            colours << QStringLiteral("#%1").arg(
                i < line.text.size() ? fg[std::size_t(i)] : 0, 6, 16, QLatin1Char('0'));
        }
    }
    EXPECT_EQ(back.text, text);
    ASSERT_EQ(back.colours.size(), colours.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] != u'\n' && text[i] != u' ')
            EXPECT_EQ(back.colours[i], colours[i]) << "at " << i << " '" << QString(text[i]).toStdString() << "'";
}
