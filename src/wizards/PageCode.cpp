#include "wizards/PageCode.h"

#include "shared/SettingsFiles.h"

bool docWriteSourceHasScript(const QString& source) { return source.toLower().contains(QLatin1String("</script>")); }

QString docWriteCode(const DocWriteOptions& o)
{
    QString escaped = o.source;
    escaped.replace(u'\'', QLatin1String("\\'")).replace(u'"', QLatin1String("\\\""));
    QStringList lines { QStringLiteral("mystring=\"\";") };
    for (const QString& line : boxLines(escaped))
        lines << (line.isEmpty() ? line : "mystring=mystring+\"" + line + "\"");
    lines << QStringLiteral("document.write(mystring)");
    QString text = lines.join("\r\n");
    if (o.addFunctionTags) text = "function " + o.functionName + " {\r\n" + text + "\r\n}";
    if (o.addJavaScriptTags) text = "<script language=\"JavaScript\">\r\n<!--//\r\n" + text + "\r\n//-->\r\n</script>";
    return text;
}

const QStringList& formMethods()
{
    static const QStringList entries { "get", "post" };
    return entries;
}

const QStringList& formButtonTypes()
{
    static const QStringList entries { "submit", "reset", "button" };
    return entries;
}

void writeForm(const FormOptions& o, CodeTarget& target)
{
    QString attributes;
    if (o.name && !o.nameText.isEmpty()) attributes += "NAME=\"" + o.nameText + "\"";
    if (o.action && !o.actionText.isEmpty()) attributes += " ACTION=\"" + o.actionText + "\"";
    if (o.method) attributes += " METHOD=\"" + formMethods().value(o.methodEntry) + "\"";
    if (o.enctype && !o.enctypeText.isEmpty()) attributes += " ENCTYPE=\"" + o.enctypeText + "\"";
    target.wrap("\r\n<FORM " + attributes + ">\r\n", "\r\n</FORM>\r\n");

    // A form is written with a button whether or not one was asked for.
    const QString value = o.buttonValue.isEmpty() ? QStringLiteral("My Button") : o.buttonValue;
    const QString onClick = o.addButton && o.onClick ? QStringLiteral(" onClick=\"\"") : QString();
    target.wrap(
        "\r\n<INPUT TYPE=\"" + formButtonTypes().value(o.typeEntry) + "\" VALUE=\"" + value + "\"" + onClick + ">\r\n",
        "\r\n");
}

QString cookieCallBlock()
{
    return QStringLiteral(
        "<script language=\"JavaScript\">\r\n<!--//\r\nNewNamer()\r\nVisitCounter()\r\n\r\n//-->\r\n</script></p>\r\n");
}

QString cookieLibrary()
{
    static const QStringList lines {
        "<!-- ####################### ",
        "start of cookie code. Start copying here",
        " ####################### -->",
        "",
        "<script",
        "LANGUAGE=\"JAVASCRIPT\">",
        "<!--//",
        "/* ####################### start set expiry date  ####################### */",
        "var expdate = new Date();",
        "expdate.setTime(expdate.getTime() + (24 * 60 * 60 * 1000 * 365));",
        "/* ####################### end set expiry date  ####################### */",
        "",
        "/* ####################### start set cookie  ####################### */",
        "function setCookie(name, value, expires, path, domain, secure) {",
        "  document.cookie = name + \"=\" + escape(value) +",
        "    ((expires) ? \"; expires=\" + expires.toGMTString() : \"\") +",
        "    ((path) ? \"; path=\" + path : \"\") +",
        "    ((domain) ? \"; domain=\" + domain : \"\") +",
        "    ((secure) ? \"; secure\" : \"\");",
        "}",
        "/* ####################### end set cookie  ####################### */",
        "",
        "/* ####################### start show cookie  ####################### */",
        "function showCookie() {",
        "  alert(unescape(document.cookie));",
        "}",
        "/* ####################### end show cookie  ####################### */",
        "",
        "/* ####################### start get cookie value  ####################### */",
        "function getCookieVal(offset) {",
        "  var endstr = document.cookie.indexOf(\";\", offset);",
        "  if (endstr == -1)",
        "    endstr = document.cookie.length;",
        "  return unescape(document.cookie.substring(offset, endstr));",
        "}",
        "/* ####################### end get cookie value  ####################### */",
        "",
        "/* ####################### start get cookie  ####################### */",
        "function GetCookie(name) {",
        "  var arg = name + \"=\";",
        "  var alen = arg.length;",
        "  var clen = document.cookie.length;",
        "  var i = 0;",
        "  while (i < clen) {",
        "    var j = i + alen;",
        "    if (document.cookie.substring(i, j) == arg)",
        "      return getCookieVal(j);",
        "    i = document.cookie.indexOf(\" \", i) + 1;",
        "    if (i == 0) break;",
        "  }",
        "  return null;",
        "}",
        "/* ####################### end get cookie  ####################### */",
        "",
        "/* ####################### start delete cookie  ####################### */",
        "function DeleteCookie(name, path, domain) {",
        "  if (GetCookie(name)) {",
        "    document.cookie = name + \"=\" +",
        "      ((path) ? \"; path=\" + path : \"\") +",
        "      ((domain) ? \"; domain=\" + domain : \"\") +",
        "      \"; expires=Thu, 01-Jan-70 00:00:01 GMT\";",
        "  }",
        "}",
        "/* ####################### end delete cookie  ####################### */",
        "",
        "/* ####################### start new namer  ####################### */",
        "function NewNamer() {",
        "  var name = GetCookie(\"username\");",
        "  if (name == null || name == \"null\") {",
        "    name = prompt(\"Please enter your name:\", \"\");",
        "  }",
        "  setCookie(\"username\", name, expdate);",
        "  if (name && name != \"null\") {",
        "    document.write(\"Welcome to the page, \" + name + \". If you are not \" + name + \", then \" +",
        "      \"<a href=\\\"#\\\" onClick=\\\"ChangeName();history.go(0)\\\">click here.</a>\");",
        "  } else {",
        "    document.write(\"Welcome to the page, (No name given) \" +",
        "      \"<a href=\\\"#\\\" onClick=\\\"ChangeName();history.go(0)\\\">Click here </a>\" +",
        "      \"to add your name. \");",
        "  }",
        "}",
        "/* ####################### end new namer  ####################### */",
        "",
        "/* ####################### start change name  ####################### */",
        "function ChangeName() {",
        "  var name = prompt(\"Please enter your name:\", \"\");",
        "  setCookie(\"username\", name);",
        "  setCookie(\"counter\", \"\");",
        "  NewNamer();",
        "}",
        "/* ####################### end change name  ####################### */",
        "",
        "/* ####################### start visit counter  ####################### */",
        "function VisitCounter() {",
        "  var count = GetCookie(\"counter\");",
        "  // An emptied counter (a new name) starts again.",
        "  if (count == null || count == \"\" || isNaN(parseInt(count))) {",
        "    count = 1;",
        "    document.write(\"By the way, this is your first time here.\");",
        "  } else {",
        "    count = parseInt(count) + 1;",
        "    document.write(\"I note, you have been here \" + count + \" times.\");",
        "  }",
        "  setCookie(\"counter\", count, expdate);",
        "}",
        "/* ####################### end visit counter  ####################### */",
        "//-->",
        "</script>",
        "<!-- ####################### ",
        "end of cookie code",
        "stop copying here",
        " ####################### -->",
    };
    return lines.join("\r\n");
}

QString arrayCode(const QString& name, const QStringList& elements)
{
    QStringList lines { name + "=new Array(" + QString::number(elements.size()) + ");" };
    for (qsizetype i = 0; i < elements.size(); ++i)
        lines << name + "[" + QString::number(i) + "]=\"" + elements[i] + "\";";
    return lines.join("\r\n");
}

const QStringList& orderedListTypes()
{
    static const QStringList entries { "1", "A", "a", "i", "I" };
    return entries;
}

const QStringList& unorderedListTypes()
{
    static const QStringList entries { "Default", "square", "circle" };
    return entries;
}

namespace {
bool hasText(const QString& line)
{
    for (QChar c : line)
        if (c != u' ') return true;
    return false;
}
} // namespace

ListCode listCode(const QStringList& lines, const ListOptions& o)
{
    ListCode code;
    QString start;
    if (o.ordered) {
        start = "<OL ";
        if (!SettingsFiles::isStrANumber(o.start))
            code.badStart = true;
        else if (o.start.toInt() > 1)
            start += "start=\"" + o.start + "\"";
        if (o.typeEntry > 0) start += " TYPE=\"" + orderedListTypes().value(o.typeEntry) + "\"";
    } else {
        start = "<UL";
        if (o.typeEntry > 0) start += " TYPE=\"" + unorderedListTypes().value(o.typeEntry) + "\"";
    }
    code.text = start + ">\r\n";
    for (const QString& line : lines)
        code.text += (hasText(line) ? "<LI>" + line + "</LI>" : line) + "\r\n";
    code.text += o.ordered ? "</OL>\r\n" : "</UL>\r\n";
    return code;
}

QStringList withBreaks(const QStringList& lines)
{
    QStringList result;
    for (const QString& line : lines)
        result << (hasText(line) ? line + "<BR>" : line);
    return result;
}

const QStringList& fontSizes()
{
    static const QStringList entries { "1", "2", "3", "4", "5", "6", "7" };
    return entries;
}

int fontSamplePoints(int sizeEntry)
{
    static const int points[] = { 9, 10, 12, 14, 18, 24, 36 };
    return sizeEntry >= 0 && sizeEntry < 7 ? points[sizeEntry] : 12;
}

QString fontStartTag(const FontOptions& o)
{
    QString tag = "<FONT";
    if (o.faceEntry > 0) tag += " FACE=\"" + o.face + "\"";
    if (!o.colour.isEmpty()) tag += " COLOR=\"" + o.colour + "\"";
    if (o.sizeEntry >= 0) tag += " SIZE=\"" + fontSizes().value(o.sizeEntry) + "\"";
    return tag + ">";
}
