#include "editor/RtfWriter.h"

#include <algorithm>

namespace {

// Backslash, braces and everything beyond ASCII need escaping; a \u escape carries "?" as the
// fallback for readers that do not know it.
void appendEscaped(QString& out, QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += QLatin1Char('\\');
            out += c;
        } else if (u >= 128) {
            out += QStringLiteral("\\u%1\\'3f").arg(qint16(u));
        } else {
            out += c;
        }
    }
}

class RunFormats {
public:
    RunFormats(const std::vector<RtfLine>& lines, const RtfSettings& settings)
        : m_settings(settings)
    {
        m_table = { settings.textColour, settings.highlightColour, settings.backgroundColour,
            settings.highlightBackground };
        for (const RtfLine& line : lines) {
            for (const HighlightSpan& span : line.spans) {
                const StyleLook& look = styleLook(span.style);
                if (look.background == kNoColour && look.foreground == kNoColour) continue;
                enter(look.background);
                enter(look.foreground);
            }
        }
    }

    QString colourTable() const
    {
        QString out;
        for (int c : m_table)
            out += QStringLiteral("\\red%1\\green%2\\blue%3;").arg((c >> 16) & 0xFF).arg((c >> 8) & 0xFF).arg(c & 0xFF);
        return out;
    }

    // A colour of none is the editor's own: its text colour (entry 0) or background (entry 2).
    QString format(HighlightStyle style) const
    {
        const StyleLook& look = styleLook(style);
        QString f = QStringLiteral("\\plain");
        f += look.altFont ? QStringLiteral("\\f1\\fs%1").arg(qRound(m_settings.altFontPointSize * 2))
                          : QStringLiteral("\\f0\\fs%1").arg(qRound(m_settings.fontPointSize * 2));
        if (look.bold) f += QLatin1String("\\b");
        if (look.italic) f += QLatin1String("\\i");
        if (look.underline) f += QLatin1String("\\ul");
        const int cf = look.foreground == kNoColour ? 0 : position(look.foreground);
        const int cb = look.background == kNoColour ? 2 : position(look.background);
        f += QStringLiteral("\\cf%1\\cb%2 ").arg(cf).arg(cb);
        return f;
    }

private:
    void enter(int colour)
    {
        if (colour != kNoColour && std::find(m_table.begin(), m_table.end(), colour) == m_table.end())
            m_table.push_back(colour);
    }
    int position(int colour) const { return int(std::find(m_table.begin(), m_table.end(), colour) - m_table.begin()); }

    const RtfSettings& m_settings;
    std::vector<int> m_table;
};

QString alignmentWord(RtfAlignment alignment)
{
    switch (alignment) {
    case RtfAlignment::Right:
        return QStringLiteral("\\pard\\qr");
    case RtfAlignment::Centre:
        return QStringLiteral("\\pard\\qc");
    case RtfAlignment::Justified:
        return QStringLiteral("\\pard\\qj");
    case RtfAlignment::Left:
        break;
    }
    return QStringLiteral("\\pard\\ql");
}

HighlightStyle firstStyle(const std::vector<RtfLine>& lines)
{
    if (lines.empty() || lines.front().spans.empty() || lines.front().spans.front().start > 0)
        return HighlightStyle::None;
    return lines.front().spans.front().style;
}

} // namespace

QString rtfForLines(const std::vector<RtfLine>& lines, const RtfSettings& settings)
{
    const RunFormats formats(lines, settings);
    QString out = QStringLiteral("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil ");
    appendEscaped(out, settings.fontName);
    out += QLatin1String(";}{\\f1\\fnil ");
    appendEscaped(out, settings.altFontName);
    out += QLatin1String(";}}\r\n{\\colortbl\r\n");
    out += formats.colourTable();
    out += QLatin1Char('}');
    out += alignmentWord(settings.alignment);
    out += QStringLiteral("\\sl%1").arg(
        settings.leading == -1 ? -qRound(settings.fontPointSize * 20) : settings.leading);
    QString current = formats.format(firstStyle(lines));
    out += current;
    out += QLatin1String("\r\n");

    const auto write = [&](QStringView text, HighlightStyle style) {
        if (text.isEmpty()) return;
        QString f = formats.format(style);
        if (f != current) {
            out += f;
            current = std::move(f);
        }
        appendEscaped(out, text);
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += QLatin1String("\\par ");
        const QStringView text(lines[i].text);
        int pos = 0;
        for (const HighlightSpan& span : lines[i].spans) {
            const int start = std::clamp(span.start, pos, int(text.size()));
            const int end = std::clamp(span.start + span.length, start, int(text.size()));
            write(text.sliced(pos, start - pos), HighlightStyle::None);
            write(text.sliced(start, end - start), span.style);
            pos = end;
        }
        write(text.sliced(pos), HighlightStyle::None);
        out += QLatin1String("\r\n");
    }
    out += QLatin1String("\\par }\r\n");
    return out;
}
