#include "navigator/LinkTexts.h"

TagTexts linkTexts(const QString& rel, const QString& title, const QString& sel, bool lineBreak)
{
    return { "<A HREF=\"" + rel + "\">" + (sel.isEmpty() ? title : QString()),
        lineBreak ? QStringLiteral("</A><BR>") : QStringLiteral("</A>") };
}

TagTexts optionTexts(const QString& rel, const QString& title, const QString& sel)
{
    return { "\r\n<OPTION VALUE=\"" + rel + "\">", (sel.isEmpty() ? title : QString()) + "\r\n" };
}

ReferenceTexts jsFileTexts(const QString& rel)
{
    if (fileExtension(rel) != ".js")
        return { { "<SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"MyJavaScriptfile.js\">", "\r\n<!--//\r\n//--></SCRIPT>" },
            "You haven't selected a js file in the file box.\r\nYou can add the file later." };
    return { { "<SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"" + rel + "\">\r\n<!--//\r\n", "//--></SCRIPT>" }, {} };
}

ReferenceTexts cssFileTexts(const QString& rel)
{
    if (fileExtension(rel) != ".css")
        return { { "\r\n<LINK REL=stylesheet HREF=\"MyStyleSheet.css\" TYPE=\"text/css\">", "\r\n" },
            "You haven't selected a css file in the file box.\r\nYou can add the file later." };
    return { { "\r\n<LINK REL=stylesheet HREF=\"" + rel + "\" TYPE=\"text/css\">", "\r\n" }, {} };
}

QString tocLine(const QString& path, const QString& title)
{
    return "<a href=\"" + path + "\">" + title + "</a><br>\r\n";
}

QString imageTag(
    const QString& src, const QString& width, const QString& height, const QString& border, const QString& alt)
{
    return "<img src=\"" + src + "\" width=\"" + width + "\" height=\"" + height + "\" border=\"" + border + "\" ALT=\""
        + alt + "\" >";
}

QString plainImageTag() { return QStringLiteral("<img src=\"\" width=\"\" height=\"\" border=\"\" ALT=\"\" >"); }

namespace {

// The messages differ between the two kinds, full stops included.
struct LinkKind {
    QString extension;
    QString noPage;
    QString alreadyLinked;
    QString noHead;
};

const LinkKind kLinkKinds[] = {
    { ".JS", "Please select a file to link", "A file with the same name as this is already linked. I made no changes",
        "Couldn't find the <head> tag. This might not be a proper HTML file" },
    { ".CSS", "Please select a file to link this one to.",
        "A file with the same name as this is already linked. I made no changes.",
        "Couldn't find the <head> tag. Perhaps this isn't a proper HTML file" },
};

QString reference(const QString& extension, const QString& path)
{
    if (extension == ".JS")
        return "\r\n<SCRIPT LANGUAGE=\"JAVASCRIPT\" SRC=\"" + path + "\">\r\n<!--//\r\n//--></SCRIPT>\r\n";
    return "\r\n<LINK REL=stylesheet HREF=\"" + path + "\" TYPE=\"text/css\">\r\n";
}

} // namespace

bool isLinkableDocument(const QString& documentFileName)
{
    const QString extension = fileExtension(documentFileName).toUpper();
    return std::any_of(std::begin(kLinkKinds), std::end(kLinkKinds),
        [&](const LinkKind& kind) { return kind.extension == extension; });
}

PageLink linkDocumentIntoPage(
    const QString& documentFileName, const QString& pageFileName, const QString& pageText, CaseRule rule)
{
    const QString extension = fileExtension(documentFileName).toUpper();
    for (const LinkKind& kind : kLinkKinds) {
        if (kind.extension != extension) continue;
        if (pageFileName.isEmpty()) return { PageLink::Outcome::Refused, kind.noPage, {} };
        if (pageText.contains(fileNameOf(documentFileName), Qt::CaseInsensitive))
            return { PageLink::Outcome::Refused, kind.alreadyLinked, {} };
        const qsizetype head = pageText.indexOf(QStringLiteral("<head>"), 0, Qt::CaseInsensitive);
        if (head < 0) return { PageLink::Outcome::Refused, kind.noHead, {} };
        const QString path = webby(extractRelativePath(pageFileName, documentFileName, rule));
        QString text = pageText;
        return { PageLink::Outcome::Linked, {}, text.insert(head + 6, reference(extension, path)) };
    }
    return {};
}
