#include "htmlcheck/HtmlCheck.h"

#include <QFileInfo>
#include <algorithm>
#include <tidy/tidy.h>
#include <tuple>

namespace HtmlCheck {

namespace {
Bool TIDY_CALL collect(TidyMessage message)
{
    auto* result = static_cast<Result*>(tidyGetAppData(tidyGetMessageDoc(message)));
    const TidyReportLevel level = tidyGetMessageLevel(message);
    const bool error = level == TidyError || level == TidyBadDocument || level == TidyFatal;
    if (level == TidyWarning || error) {
        result->problems.append({ std::max(0, tidyGetMessageLine(message)), std::max(0, tidyGetMessageColumn(message)),
            error, QString::fromUtf8(tidyGetMessageDefault(message)).trimmed() });
        ++(error ? result->errors : result->warnings);
    }
    return no; // Tidy prints nothing itself
}
} // namespace

Result check(const QString& text)
{
    Result result;
    const TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &result);
    tidySetMessageCallback(doc, collect);
    tidySetCharEncoding(doc, "utf8");
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyShowInfo, no);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    // Every problem, not the first six; a tab is one column, as in the editor.
    tidyOptSetInt(doc, TidyShowErrors, 1000000000);
    tidyOptSetInt(doc, TidyTabSize, 1);
    tidyParseString(doc, text.toUtf8().constData());
    tidyRunDiagnostics(doc);
    tidyRelease(doc);
    std::stable_sort(result.problems.begin(), result.problems.end(),
        [](const Problem& a, const Problem& b) { return std::tie(a.line, a.column) < std::tie(b.line, b.column); });
    return result;
}

bool isHtmlDocument(const QString& fileName)
{
    static const QStringList kNotHtml { QStringLiteral("js"), QStringLiteral("mjs"), QStringLiteral("css"),
        QStringLiteral("txt"), QStringLiteral("json") };
    return !kNotHtml.contains(QFileInfo(fileName).suffix().toLower());
}

int offsetOf(const QString& text, int line, int column)
{
    qsizetype start = 0;
    for (int i = 1; i < line; ++i) {
        const qsizetype br = text.indexOf(QLatin1String("\r\n"), start);
        if (br < 0) return int(text.size());
        start = br + 2;
    }
    qsizetype end = text.indexOf(QLatin1String("\r\n"), start);
    if (end < 0) end = text.size();
    qsizetype at = start;
    for (int c = 1; c < column && at < end; ++c)
        at += (text[at].isHighSurrogate() && at + 1 < end) ? 2 : 1;
    return int(at);
}

} // namespace HtmlCheck
