#include "HtmlGenerator.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace {

// A fixed linear congruential generator, so that every run produces the same page.
class Random {
public:
    std::uint32_t next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return std::uint32_t(m_state >> 33);
    }
    int below(int n) { return int(next() % std::uint32_t(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint64_t m_state = 0x5eed1234abcdULL;
};

const std::array<const char*, 48> kWords = { "site", "page", "welcome", "home", "news", "links", "photo", "gallery",
    "contact", "about", "our", "the", "and", "with", "for", "from", "update", "weekly", "club", "members", "meeting",
    "river", "garden", "summer", "winter", "walk", "history", "family", "recipes", "music", "guitar", "lessons", "café",
    "naïve", "résumé", "price", "order", "free", "download", "email", "mail", "list", "table", "weather", "town",
    "school", "project", "notes" };

const std::array<const char*, 8> kEntities
    = { "&nbsp;", "&amp;", "&copy;", "&lt;", "&gt;", "&quot;", "&#169;", "&eacute;" };

class Page {
public:
    explicit Page(qint64 bytes)
        : m_target(bytes)
    {
        m_text.reserve(bytes + 65536);
    }

    QByteArray build()
    {
        head();
        int section = 0;
        while (m_text.size() < m_target)
            body(section++);
        line("</BODY>");
        line("</HTML>");
        return m_text;
    }

private:
    void line(const QString& text)
    {
        m_text += text.toUtf8();
        m_text += "\r\n";
    }
    QString word() { return QString::fromUtf8(kWords[std::size_t(m_random.below(int(kWords.size())))]); }
    QString words(int count)
    {
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << word();
        return out.join(u' ');
    }

    // Running text with the odd entity, link, emphasis and image.
    QString prose(int words)
    {
        QString out;
        for (int i = 0; i < words; ++i) {
            if (i) out += u' ';
            switch (m_random.below(40)) {
            case 0:
                out += QString::fromLatin1(kEntities[std::size_t(m_random.below(int(kEntities.size())))]);
                break;
            case 1:
                out += QStringLiteral("<A HREF=\"%1.htm\">%2</A>").arg(word(), word());
                break;
            case 2:
                out += QStringLiteral("<B>%1</B>").arg(word());
                break;
            case 3:
                out += QStringLiteral("<I>%1 %2</I>").arg(word(), word());
                break;
            case 4:
                out += QStringLiteral("<IMG SRC=\"images/%1.gif\" WIDTH=%2 HEIGHT=%3 ALT=\"%4\">")
                           .arg(word())
                           .arg(16 + m_random.below(400))
                           .arg(16 + m_random.below(300))
                           .arg(word());
                break;
            case 5:
                out += QStringLiteral("<FONT color=\"#%1\" size=2>%2</FONT>")
                           .arg(m_random.below(0xFFFFFF), 6, 16, QLatin1Char('0'))
                           .arg(word());
                break;
            default:
                out += word();
            }
        }
        return out;
    }

    void head()
    {
        line("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
        line("<HTML>");
        line("<HEAD>");
        line(QStringLiteral("<TITLE>%1</TITLE>").arg(words(4)));
        line(QStringLiteral("<META name=\"keywords\" content=\"%1\">").arg(words(12)));
        line("<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">");
        line("<STYLE type=\"text/css\">");
        line("<!--");
        for (int i = 0; i < 25; ++i)
            line(QStringLiteral(".%1 { font-family: Arial, Helvetica; color: #%2; margin: %3px; }")
                     .arg(word())
                     .arg(m_random.below(0xFFFFFF), 6, 16, QLatin1Char('0'))
                     .arg(m_random.below(20)));
        line("-->");
        line("</STYLE>");
        script(40);
        line("</HEAD>");
        line("<BODY bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000FF\">");
    }

    void script(int lines)
    {
        line("<SCRIPT language=\"JavaScript\" type=\"text/javascript\">");
        line("<!-- hide from old browsers");
        int written = 0;
        while (written < lines) {
            const QString name = word() + QString::number(m_random.below(1000));
            line(QStringLiteral("/* %1 */").arg(words(6)));
            line(QStringLiteral("function %1(a, b) {").arg(name));
            const int body = 3 + m_random.below(12);
            for (int i = 0; i < body; ++i) {
                switch (m_random.below(8)) {
                case 0:
                    line(QStringLiteral("  var %1 = \"%2\";").arg(word(), words(3)));
                    break;
                case 1:
                    line(QStringLiteral("  if (a == '%1') { return b; }").arg(word()));
                    break;
                case 2:
                    line(QStringLiteral("  for (var i = 0; i < %1; i++) {").arg(m_random.below(50)));
                    line("    b += a.charAt(i);");
                    line("  }");
                    i += 2;
                    break;
                case 3:
                    line(QStringLiteral("  // %1").arg(words(5)));
                    break;
                case 4:
                    line(QStringLiteral("  document.write(\"<P>%1</P>\\n\");").arg(words(4)));
                    break;
                case 5:
                    line(QStringLiteral("  window.status = '%1';").arg(words(2)));
                    break;
                case 6:
                    line(QStringLiteral("  else { b = null; }"));
                    break;
                default:
                    line(QStringLiteral("  b = new Array(%1, %2);").arg(m_random.below(9)).arg(m_random.below(9)));
                }
            }
            line("  return true;");
            line("}");
            line("");
            written += body + 5;
        }
        line("// -->");
        line("</SCRIPT>");
    }

    void table()
    {
        line(QStringLiteral("<TABLE border=%1 cellpadding=4 cellspacing=0 width=\"%2%\">")
                 .arg(m_random.below(3))
                 .arg(50 + m_random.below(50)));
        const int rows = 3 + m_random.below(15), columns = 2 + m_random.below(5);
        for (int r = 0; r < rows; ++r) {
            line("  <TR>");
            for (int c = 0; c < columns; ++c)
                line(QStringLiteral("    <TD align=\"left\" valign=top>%1</TD>").arg(prose(1 + m_random.below(6))));
            line("  </TR>");
        }
        line("</TABLE>");
    }

    void form()
    {
        line(QStringLiteral("<FORM name=\"%1\" action=\"/cgi-bin/%1.pl\" method=post>").arg(word()));
        for (int i = 0; i < 3 + m_random.below(5); ++i)
            line(QStringLiteral("  %1: <INPUT type=\"text\" name=\"%2\" size=%3><BR>")
                     .arg(word(), word())
                     .arg(10 + m_random.below(30)));
        line("  <INPUT type=\"submit\" value=\"Send\" onClick=\"return check(this.form);\">");
        line("</FORM>");
    }

    void body(int section)
    {
        line(QStringLiteral("<H%1>%2</H%1>").arg(1 + m_random.below(3)).arg(words(3)));
        if (m_random.chance(30)) line(QStringLiteral("<!-- %1 -->").arg(words(5)));
        if (m_random.chance(10)) {
            line("<!--");
            for (int i = 0; i < 3 + m_random.below(10); ++i)
                line(QStringLiteral("  %1").arg(words(8)));
            line("-->");
        }
        const int paragraphs = 2 + m_random.below(6);
        for (int i = 0; i < paragraphs; ++i) {
            if (m_random.chance(25)) {
                // One long unbroken paragraph, as pasted from a word processor.
                line(QStringLiteral("<P>%1</P>").arg(prose(150 + m_random.below(400))));
            } else {
                line("<P>");
                for (int j = 0; j < 2 + m_random.below(6); ++j)
                    line(prose(6 + m_random.below(10)));
                line("</P>");
            }
        }
        if (m_random.chance(40)) table();
        if (m_random.chance(15)) form();
        // Every twelfth section carries a long script block.
        if (section % 12 == 6)
            script(800 + m_random.below(700));
        else if (m_random.chance(35))
            script(5 + m_random.below(40));
        line("<HR>");
    }

    qint64 m_target;
    QByteArray m_text;
    Random m_random;
};

} // namespace

QByteArray generateRealisticHtml(qint64 bytes) { return Page(bytes).build(); }
