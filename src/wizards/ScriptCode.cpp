#include "wizards/ScriptCode.h"

#include "editor/TagInsertion.h"

QString functionNameOrDefault(const QString& name) { return name.isEmpty() ? kInitialFunctionName : name; }

namespace {
QString run(const std::function<void(CodeTarget&)>& write)
{
    CodeBuffer buffer;
    write(buffer);
    return buffer.text();
}

QString skeleton(const char* keyword, const QString& condition)
{
    return QStringLiteral("\r\n%1 (%2){\r\n//Statements here\r\n}").arg(QLatin1String(keyword), condition);
}
} // namespace

void writeFunctionCode(const FunctionOptions& o, CodeTarget& target)
{
    if (o.javaScriptTags) target.wrap(kScriptStart, kScriptEnd);
    target.wrap("\r\nfunction " + functionNameOrDefault(o.name) + " {\r\n", "\r\n}\r\n");
    if (o.ifCondition) target.wrap(skeleton("if", o.ifText), "\r\n\r\n");
    if (o.alert) target.wrap("\r\nalert(\"" + o.alertText + "\");", "\r\n");
    if (o.forCondition) target.wrap(skeleton("for", o.forText), "\r\n");
    if (o.whileCondition) target.wrap(skeleton("while", o.whileText), "\r\n\r\n");
}

QString functionCode(const FunctionOptions& options)
{
    return run([&](CodeTarget& target) { writeFunctionCode(options, target); });
}

QString functionInsertion(const QString& code, bool javaScriptTags)
{
    if (javaScriptTags) return "<!--start of function-->\r\n" + code + "<!--end of function-->\r\n";
    return "//start of function\r\n" + code + "//end of function\r\n";
}

QString alertMessage(const QString& boxText)
{
    const QStringList lines = boxLines(boxText);
    QString message;
    if (lines.size() < 2) {
        message = boxText;
    } else {
        for (qsizetype i = 0; i < lines.size(); ++i)
            message += lines[i] + (i + 1 < lines.size() && !lines[i].isEmpty() ? "\\n" : "");
    }
    message.remove(u'\r');
    message.remove(u'\n');
    return message;
}

void writeAlertCode(const AlertOptions& o, CodeTarget& target)
{
    const QString name = functionNameOrDefault(o.name);
    if (o.javaScriptTags) target.wrap(kScriptStart, kScriptEnd);
    if (o.functionTags) target.wrap("\r\nfunction " + name + "{\r\n", "}\r\n\r\n");
    target.insert("alert(\"" + alertMessage(o.message) + "\")");
    if (o.textLink) target.append("\r\n<a href=\"#\" onClick=\"" + name + "\">" + o.linkCaption + "</a>");
    if (o.formButton)
        target.append("\r\n<BR><FORM>\r\n<INPUT TYPE=\"BUTTON\" VALUE=\"" + o.buttonText + "\" onClick=\"" + name
            + "\">\r\n</FORM>");
}

QString alertCode(const AlertOptions& options)
{
    return run([&](CodeTarget& target) { writeAlertCode(options, target); });
}

QString dummyLinkCode(const DummyLinkOptions& o, const QString& selectedText)
{
    QString tag = "<a href=\"#\" ";
    if (o.onClick) tag += " onClick=\"" + o.onClickAction + "\"";
    if (o.onMouseOver) tag += " onMouseOver=\"" + o.onMouseOverAction + "\"";
    if (o.onMouseOut) tag += " onMouseOut=\"" + o.onMouseOutAction + "\"";
    if (o.title) tag += " Title=\"" + o.titleText + "\"";
    tag += ">";
    return tag + (o.useLinkText ? o.linkText : QString()) + selectedText + "</a>";
}

QString functionLinkCode(const QString& name, bool onClickOnly, const QString& selectedText)
{
    if (onClickOnly) return " onClick=\"" + name + ";return false\"";
    const QString text = selectedText.isEmpty() ? QStringLiteral("Click Here") : selectedText;
    return "<a href=\"#\" onClick=\"" + name + ";return false\">" + text + "</a>";
}

const QStringList& windowFeatureNames()
{
    static const QStringList names { "toolbar", "menubar", "resizable", "status", "directories", "scrollbars",
        "location" };
    return names;
}

bool windowContentsHaveScript(const WindowOptions& o)
{
    return o.writeToWindow && o.contents.toLower().contains(QLatin1String("</script>"));
}

WindowOptions withWindowDefaults(WindowOptions o)
{
    if (!o.useExistingFile) o.existingFile.clear();
    o.functionName = functionNameOrDefault(o.functionName);
    if (o.windowName.isEmpty()) o.windowName = QStringLiteral("win1");
    if (o.linkText.isEmpty()) o.linkText = QStringLiteral("Link");
    if (o.buttonText.isEmpty()) o.buttonText = QStringLiteral("Open");
    return o;
}

QString windowWriteString(const QString& contents)
{
    QStringList lines { QStringLiteral("mystring='';") };
    for (QString line : boxLines(contents)) {
        line.replace(u'"', u'\'');
        lines << (line.isEmpty() ? line : "mystring=mystring+\"" + line + "\"");
    }
    return lines.join("\r\n");
}

void writeWindowCode(const WindowOptions& o, CodeTarget& target)
{
    target.wrap(kScriptStart, kScriptEnd);
    target.wrap("\r\nfunction " + o.functionName + "{\r\n", "}\r\n\r\n");

    QStringList features;
    for (int f = 0; f < kWindowFeatureCount; ++f)
        if (o.features[f]) features << windowFeatureNames()[f];
    QString third = features.join(u',');
    if (o.useSize) third += QStringLiteral(",width=%1,height=%2").arg(o.width).arg(o.height);
    const QString open = "window.open('" + o.existingFile + "','" + o.windowName + "','" + third + "')";

    if (o.writeToWindow)
        target.insert(windowWriteString(o.contents) + "\r\n" + o.windowName + "=" + open + "\r\n" + o.windowName
            + ".document.writeln(mystring)");
    else
        target.insert(open);

    if (o.textLink)
        target.append("\r\n<a href='#' onClick='" + o.functionName + ";return false'>" + o.linkText + "</a>");
    if (o.formButton)
        target.append("\r\n<BR><FORM>\r\n<INPUT TYPE=BUTTON VALUE='" + o.buttonText + "' onClick='" + o.functionName
            + ";return false'>\r\n</FORM>");
}

QString windowCode(const WindowOptions& options)
{
    return run([&](CodeTarget& target) { writeWindowCode(options, target); });
}
