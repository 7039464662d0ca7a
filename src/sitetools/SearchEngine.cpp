#include "sitetools/SearchEngine.h"

#include "editor/TextFile.h"
#include "platform/FileError.h"
#include "shared/PageTitle.h"

#include <QDir>
#include <QRegularExpression>

namespace SearchEngine {

namespace {

const char* const kHead[] = {
    "<HTML>",
    "<HEAD>",
    "<TITLE>My Search Page</TITLE>",
    "<META NAME=\"KEYWORDS\" CONTENT=\"MY SEARCH ENGINE\">",
    "<META NAME=\"DESCRIPTION\" CONTENT=\"MY SEARCH ENGINE\">",
    "<!-- #######################  start copying script here ####################### -->",
    "<SCRIPT LANGUAGE=\"JAVASCRIPT\">",
    "<!--//",
    "",
    "function MySearchF(){",
    "",
    "for (i=0;i<document.F187.MySelect.options.length; i++){",
    "document.F187.MySelect.options[i]=new Option(\"\",\"\")",
    "}",
    "",
    "/* ####################### Only the data below needs to be changed ####################### */",
    " ",
    " ",
    " ",
};

// The line that holds the credit link's address.
constexpr int kCreditLine = 90;

const char* const kTail[] = {
    "/* ####################### Only the data above needs to be changed ####################### */",
    "var joined=new Array()",
    "{",
    "for (i=0;i<URLs.length; i++){",
    "joined[i]=titls[i]+Kwds[i]",
    "}",
    "",
    "",
    "Searchphrase=document.F187.MyText.value",
    "j=0;",
    "checker=0;",
    "if (document.F187.MyText.value.length<1){",
    "",
    "alert('Please enter something to search for.');",
    "",
    "",
    "}",
    "",
    "else {",
    " ",
    "",
    "for (i=0;i<URLs.length; i++)",
    "{",
    "if (joined[i].indexOf(Searchphrase.toUpperCase())>-1){",
    "checker=1;",
    "",
    "document.F187.MySelect.options[j+1]=new Option(titls[i],URLs[i]); j++",
    "}",
    "",
    "if (checker==1){",
    "document.F187.MySelect.options[0]=new Option('Results:','')",
    "",
    "}",
    "else {",
    "document.F187.MySelect.options[0]=new Option('Sorry! Couldn\\'t find anything:','') ",
    "}",
    "}",
    "}",
    "",
    "}",
    "//Netscape likes a refresh, but Microsoft doesn't",
    // Only the old browser that needed the refresh has layers: every browser of today calls itself
    // "Netscape", and reloading there wipes the results the moment they appear.
    "if (document.layers)",
    "history.go(0)",
    "}",
    "//-->",
    "</SCRIPT>",
    "",
    "<SCRIPT LANGUAGE=\"JAVASCRIPT\">",
    "<!--//",
    "",
    "function go(){",
    "",
    "",
    "",
    "if (document.F187.MySelect.selectedIndex>0){",
    "location=document.F187.MySelect.options[document.F187.MySelect.selectedIndex].value",
    "",
    "}",
    "else {",
    " alert('Please select an option.')",
    "}",
    "",
    "}",
    "//-->",
    "</SCRIPT>",
    "<!-- #######################  stop copying script here ####################### -->",
    "</HEAD>",
    "",
    "<BODY BGCOLOR=\"\">",
    "<H1>My Search Engine</H1>",
    "",
    "",
    "<!-- #######################  start of form ####################### -->",
    "",
    "",
    "<FORM NAME=\"F187\" METHOD=\"POST\" ACTION=\"\" ENCTYPE=\"TEXT/PLAIN\" onSubmit=\"MySearchF(); return false\">",
    "<br>Enter a search word or phrase:<br>",
    "<INPUT TYPE=\"TEXT\" NAME=\"MyText\" VALUE=\"\" SIZE=\"27\" MAXLENGTH=\"25\">",
    "<INPUT TYPE=\"BUTTON\" VALUE=\"Search\" onClick=\"MySearchF()\"><BR>",
    "<SELECT NAME=\"MySelect\" size=\"5\" onDblClick=\"go()\">",
    "",
    "<OPTION >Your answer will appear here",
    "",
    "</SELECT>",
    "",
    "",
    " <BR>",
    "<INPUT TYPE=\"BUTTON\" VALUE=\"Go!\" onClick=\"go()\"}>",
    "<br>",
    "Produced by <a",
    nullptr, // the credit link's address
    "  Engine Generator</a>.",
    "</FORM>",
    "",
    "",
    "<!-- #######################  end of form ####################### -->",
    "",
    "",
    "",
    "",
    "",
    "</BODY>",
    "</HTML>",
    " ",
    " ",
    " ",
    " ",
};

static_assert(std::size(kHead) == 19);
static_assert(std::size(kTail) == 107);

const QString kBreak = QStringLiteral("\r\n");

// An entry as the lists hold it; `none` when nothing is left of it.
QString oneLineEntry(const QString& raw, const QString& none)
{
    const QString entry = removeInnerReturns(trimControl(upperAscii(raw)));
    return entry.isEmpty() ? none : entry;
}

constexpr int kMostProjectFiles = 1000000;

FileError notAProject(const QString& fileName, const QString& firstLine)
{
    return FileError(
        QStringLiteral("\"%1\" is not a project file: its first line \"%2\" is not the number of its files.")
            .arg(QDir::toNativeSeparators(fileName), firstLine));
}

} // namespace

QString upperAscii(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
    return result;
}

QString removeInnerReturns(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        if (c == u'\r' || c == u'\n') c = u' ';
    return result;
}

QString findTitle(const QString& text)
{
    static const QString open = QStringLiteral("<TITLE>");
    const qsizetype start = text.indexOf(open, 0, Qt::CaseInsensitive);
    if (start < 0) return kNoTitle;
    const qsizetype from = start + open.size();
    const qsizetype end = text.indexOf(QLatin1String("</TITLE>"), 0, Qt::CaseInsensitive);
    if (end < from) return kNoTitle;
    return oneLineEntry(text.mid(from, end - from), kNoTitle);
}

QString findKeywords(const QString& text)
{
    static const QString content = QStringLiteral("CONTENT=\"");
    const qsizetype name = text.indexOf(QLatin1String("KEYWORDS"), 0, Qt::CaseInsensitive);
    if (name < 0) return kNoKeywords;
    const qsizetype near = text.mid(name, 80).indexOf(content, 0, Qt::CaseInsensitive);
    if (near < 0) return kNoKeywords;
    const qsizetype start = name + near;
    const qsizetype from = start + content.size();
    const qsizetype end = text.indexOf(QLatin1String("\">"), start);
    if (end < from) return kNoKeywords;
    return oneLineEntry(text.mid(from, end - from), kNoKeywords);
}

PageEntry readPage(const QString& path)
{
    // The page's own line breaks are kept: each CR and each LF of a title becomes a space.
    const TextFileContent content = decodeText(readBytes(path));
    const QString text = content.paragraphs.join(content.format.breakText());
    return { SearchEngine::findTitle(text), SearchEngine::findKeywords(text) };
}

QString projectText(const Project& project)
{
    QStringList lines { QString::number(project.files.size()) };
    lines << project.files;
    // One line an entry: a title edited over two lines would shift every line after it.
    for (const QStringList* list : { &project.titles, &project.keywords })
        for (const QString& entry : *list)
            lines << removeInnerReturns(entry);
    return lines.join(kBreak) + kBreak;
}

Project parseProject(const QString& text, const QString& fileName)
{
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    bool ok = false;
    const int count = lines.first().trimmed().toInt(&ok, 10);
    if (!ok || count < 0) throw notAProject(fileName, lines.first());
    // Lines missing at the end are empty entries; a count far beyond any site is no project.
    if (count > kMostProjectFiles)
        throw FileError(QStringLiteral("\"%1\" is not a project file: its first line \"%2\" counts more files than "
                                       "a project can hold.")
                            .arg(QDir::toNativeSeparators(fileName), lines.first()));
    const auto line = [&](qsizetype index) { return index < lines.size() ? lines[index] : QString(); };
    Project project;
    for (int i = 0; i < count; ++i) {
        project.files << line(1 + i);
        project.titles << line(1 + count + i);
        project.keywords << line(1 + 2 * count + i);
    }
    return project;
}

Project readProject(const QString& path)
{
    TextFormat format;
    return parseProject(decodeToText(readBytes(path), &format), path);
}

void writeProject(const QString& path, const Project& project) { writeBytes(path, projectText(project).toUtf8()); }

QString scriptString(const QString& text)
{
    QString result = removeInnerReturns(text);
    result.replace(u'\\', QLatin1String("\\\\"));
    result.replace(u'"', QLatin1String("\\\""));
    // "</script>" in a title would end the page's script: "<\/" is the same string to JavaScript.
    result.replace(QLatin1String("</"), QLatin1String("<\\/"));
    return result;
}

QStringList dataLines(const Project& project, const QString& projectDir, CaseRule rule)
{
    QStringList lines { QStringLiteral("URLs=new Array()"), QStringLiteral("titls=new Array()"),
        QStringLiteral("Kwds=new Array()") };
    const QString base = projectDir.isEmpty() ? QString() : withTrailingSeparator(projectDir);
    const auto item = [](const char* array, qsizetype index, const QString& value) {
        return QStringLiteral("%1[%2]=\"%3\";").arg(QLatin1String(array)).arg(index).arg(scriptString(value));
    };
    for (qsizetype i = 0; i < project.files.size(); ++i) {
        lines << item("URLs", i, webby(extractRelativePath(base, project.files[i], rule)));
        lines << item("titls", i, project.titles.value(i));
        lines << item("Kwds", i, project.keywords.value(i));
    }
    return lines;
}

QString searchPage(const Project& project, const QString& projectDir, CaseRule rule)
{
    QStringList lines;
    for (const char* line : kHead)
        lines << QString::fromUtf8(line);
    lines << QString() << dataLines(project, projectDir, rule) << QString();
    for (int i = 0; i < int(std::size(kTail)); ++i)
        lines << (i == kCreditLine ? QStringLiteral("  href=\"") + kCreditAddress + QStringLiteral("\">Search")
                                   : QString::fromUtf8(kTail[i]));
    lines << QString();
    return lines.join(kBreak) + kBreak;
}

} // namespace SearchEngine
