#include "tools/ReferenceData.h"

#include "editor/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

const QString ReferenceData::kListFile = QStringLiteral("list.jsd");
const QString ReferenceData::kDetailsFile = QStringLiteral("details.jsd");
const QString ReferenceData::kDetails2File = QStringLiteral("details2.jsd");

QStringList ReferenceData::builtInTopics()
{
    static const char* const kTopics[] = {
        "-- (decrement)",
        "! (logical NOT) operator",
        "!= (not equal) , ",
        "% (modulus) ",
        "&& (logical AND) operator ",
        "(comma) operator ",
        "/= operator ",
        "?: (conditional) operator ",
        "|| (logical OR) operator ",
        "+ (string concatenation) operator ",
        "++ (increment) ",
        "+= (string concatenation) operator ",
        "< (less than) ",
        "<= (less than or equal) ",
        "<= (less than or equal) operator ",
        "-= ",
        "== (equal) , ",
        "=== (strict equal) operator , ",
        "> (greater than) ",
        ">= (greater than or equal) ",
        ">= (greater than or equal) operator ",
        ">> (sign-propagating right shift) , ",
        ">> (sign-propagating right shift) operator , ",
        ">>= ",
        ">>= operator ",
        "abs method ",
        "alert method ",
        "alinkColor property ",
        "anchor method ",
        "arrays",
        "bgColor property , ",
        "blur event ",
        "bold method ",
        "break statement ",
        "click method",
        "close method",
        "comma () operator ",
        "concat method",
        "cos method ",
        "description property",
        "do...while statement ",
        "document property",
        "documents",
        "domain property ",
        "E property ",
        "e raised to a power ",
        "element focus , , , , , , , , ",
        "elements array ",
        "escape function ",
        "escape function and ",
        "eval function ",
        "eval method",
        "exec method ",
        "exp method ",
        "fgColor property ",
        "file: (URL syntax) ",
        "filename property ",
        "find method ",
        "fixed method ",
        "focus method",
        "fontcolor method ",
        "fontsize method ",
        "for loops",
        "for statement ",
        "for...in statement ",
        "forward method",
        "functions",
        "getDate method ",
        "getDay method ",
        "getFullYear method ",
        "getHours method ",
        "getMember method (LiveConnect) ",
        "getMilliseconds method ",
        "getMinutes method ",
        "getMonth method ",
        "getPeer method (LiveConnect) ",
        "getSeconds method ",
        "getSelection method ",
        "getSlot method (LiveConnect) ",
        "getTime method ",
        "getTimezoneOffset method ",
        "getting list of for an object ",
        "getting list of properties for ",
        "getUTCDate method ",
        "getUTCDay method ",
        "getUTCFullYear method ",
        "getUTCHours method ",
        "getUTCMilliseconds method ",
        "getUTCMinutes method ",
        "getUTCMonth method ",
        "getUTCSeconds method ",
        "getYear method ",
        "hash property",
        "height property",
        "history property ",
        "identifying ",
        "if...else statement ",
        "ignoreCase property ",
        "Image object ",
        "images array ",
        "in keyword ",
        "increment (++) operator ",
        "Index",
        "index property ",
        "isFinite function ",
        "isNaN function ",
        "italics method ",
        "join method ",
        "lastIndexOf method ",
        "lastMatch property ",
        "lastModified property ",
        "lastParen property ",
        "layers ",
        "layers array ",
        "length property",
        "link objects ",
        "linkColor property ",
        "links",
        "LN property ",
        "LN property ",
        "location property",
        "locationbar property ",
        "log method ",
        "LOGE property ",
        "LOGE property ",
        "lowercase , ",
        "lowsrc property ",
        "mailto: (URL syntax) ",
        "MAP ",
        "MAP HTML tag ",
        "match method ",
        "Math object ",
        "modulo function ",
        "modulus (%) operator ",
        "MouseDown event ",
        "MouseMove event ",
        "MouseOut event ",
        "MouseOver event ",
        "MouseUp event ",
        "move event ",
        "moveAbove method ",
        "moveBelow method ",
        "moveBy method",
        "moveTo method",
        "moveToAbsolute method ",
        "NaN property",
        "natural logarithms",
        "new operator ",
        "next URL in ",
        "NOT (!) logical operator ",
        "of  ",
        "onAbort event handler ",
        "onBlur event handler ",
        "onChange event handler ",
        "onClick event handler ",
        "onDblClick event handler ",
        "onDragDrop event handler ",
        "onError event handler ",
        "onFocus event handler ",
        "onKeyDown event handler ",
        "onKeyPress event handler ",
        "onKeyUp event handler ",
        "onLoad event handler ",
        "onMouseDown event handler ",
        "onMouseMove event handler ",
        "onMouseOut event handler ",
        "onMouseOver event handler ",
        "onMouseUp event handler ",
        "onMove event handler ",
        "onReset event handler ",
        "onResize event handler ",
        "onSelect event handler ",
        "onSubmit event handler ",
        "onUnload event handler ",
        "open method",
        "pageX property",
        "pageXOffset property ",
        "pageY property",
        "pageYOffset property ",
        "parse method ",
        "parseFloat function ",
        "parseInt function ",
        "pathname property",
        "print method ",
        "prompt method ",
        "raised to a power ",
        "random method ",
        "referrer property ",
        "regular expressions ",
        "replace method , ",
        "reserved words ",
        "reset method ",
        "resizeBy method",
        "resizeTo method",
        "return statement",
        "round method ",
        "screenX property ",
        "screenY property ",
        "scroll method ",
        "scrollbars property ",
        "scrollBy method ",
        "scrollTo method ",
        "search method ",
        "setDate method ",
        "setFullYear method ",
        "setHours method ",
        "setMilliseconds method ",
        "setMinutes method ",
        "setMonth method ",
        "setSeconds method ",
        "setTimeout method ",
        "sort method ",
        "splice method ",
        "split method ",
        "sqrt method ",
        "src property",
        "String function ",
        "submit event ",
        "submit method ",
        "substring method ",
        "sup method ",
        "switch statement ",
        "tan method ",
        "this keyword ",
        "title property ",
        "undefined property ",
        "unescape function ",
        "valueOf method",
        "var statement ",
        "visibility property ",
        "vlinkColor property ",
        "void function , ",
        "while ",
        "with statement ",
        "write method ",
        "writeln method ",
        "zIndex property ",
        "",
        "",
        "",
        "",
    };
    QStringList topics;
    for (const char* topic : kTopics)
        topics << QString::fromUtf8(topic);
    return topics;
}

namespace {

QString marker(const char* kind, int number)
{
    return QLatin1String(kind) + (number < 10 ? QStringLiteral("0%1").arg(number) : QString::number(number));
}

// The text of a file with its breaks as single LFs, or nothing when it cannot be read.
std::optional<QString> readText(const QString& path)
{
    // A pipe or a device by that name would block the window for good.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    TextFormat format;
    return decodeToText(file.readAll(), &format);
}

} // namespace

QString ReferenceData::startMarker(int number) { return marker("#start", number); }
QString ReferenceData::endMarker(int number) { return marker("#end", number); }

QString ReferenceData::articleIn(const QString& fileText, int number)
{
    const QString start = startMarker(number);
    const qsizetype at = fileText.indexOf(start, 0, Qt::CaseInsensitive);
    if (at < 0) return {};
    const qsizetype end = fileText.indexOf(endMarker(number), at, Qt::CaseInsensitive);
    if (end < 0) return {};
    // The article starts on the line after the marker, whichever line break the file uses.
    const qsizetype lineEnd = fileText.indexOf(QLatin1Char('\n'), at + start.size());
    const qsizetype from = lineEnd < 0 ? fileText.size() : lineEnd + 1;
    return from < end ? fileText.mid(from, end - from) : QString();
}

ReferenceData ReferenceData::load(const QString& directory)
{
    ReferenceData data;
    const QDir dir(directory);
    const auto read = [&](const QString& name) {
        const QString path = QFileInfo(dir.filePath(name)).absoluteFilePath();
        std::optional<QString> text = readText(path);
        if (!text) data.m_missing << QDir::toNativeSeparators(path);
        return text;
    };
    if (std::optional<QString> list = read(kListFile)) {
        data.m_topics = list->split(QLatin1Char('\n'));
        // A final line break ends the last topic; it does not add an empty one.
        if (data.m_topics.size() > 1 && data.m_topics.last().isEmpty()) data.m_topics.removeLast();
    } else {
        data.m_topics = builtInTopics();
    }
    data.m_details = read(kDetailsFile).value_or(QString());
    data.m_details2 = read(kDetails2File).value_or(QString());
    return data;
}

QString ReferenceData::article(int position) const
{
    if (position < 0) return {};
    return articleIn(position < kFirstFileArticles ? m_details : m_details2, position + 1);
}

int ReferenceData::findTopic(const QStringList& topics, const QString& word, int current)
{
    if (word.isEmpty()) return -1;
    for (int i = std::max(current, 0) + 1; i < topics.size(); ++i)
        if (topics[i].contains(word, Qt::CaseInsensitive)) return i;
    return -1;
}

QString ReferenceData::lookUpWord(const QString& wordAtCaret)
{
    qsizetype cut = wordAtCaret.indexOf(QLatin1Char('('));
    if (cut < 0) cut = wordAtCaret.indexOf(QLatin1Char('['));
    return cut < 0 ? wordAtCaret : wordAtCaret.left(cut);
}
