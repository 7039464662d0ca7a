#include "main/SnippetTable.h"

namespace {
Snippet fixed(
    SnippetMenu menu, const char* name, const char* caption, const char* shortcut, const char* start, const char* end)
{
    Snippet s;
    s.name = QString::fromLatin1(name);
    s.caption = QString::fromLatin1(caption);
    s.shortcut = QString::fromLatin1(shortcut);
    s.menu = menu;
    s.texts = { QString::fromLatin1(start), {}, QString::fromLatin1(end) };
    return s;
}

Snippet html(const char* name, const char* caption, const char* shortcut, const char* start, const char* end)
{
    return fixed(SnippetMenu::Html, name, caption, shortcut, start, end);
}

Snippet js(const char* name, const char* caption, const char* start, const char* end)
{
    return fixed(SnippetMenu::JavaScript, name, caption, "", start, end);
}

// Selection-dependent commands: the first pair when text is selected, the second otherwise.
Snippet choice(Snippet s, const char* selectedStart, const char* selectedEnd)
{
    s.selectedTexts = SnippetTexts { QString::fromLatin1(selectedStart), {}, QString::fromLatin1(selectedEnd) };
    return s;
}

Snippet prompted(SnippetValue value, SnippetMenu menu, const char* name, const char* caption, const char* shortcut,
    const char* defaultValue, const char* label, const char* start, const char* afterValue, const char* end)
{
    Snippet s = fixed(menu, name, caption, shortcut, start, end);
    s.value = value;
    s.defaultValue = QString::fromLatin1(defaultValue);
    s.label = QString::fromLatin1(label);
    s.texts.afterValue = QString::fromLatin1(afterValue);
    return s;
}

Snippet direct(SnippetMenu menu, const char* name, const char* caption, const char* shortcut, const char* defaultValue,
    const char* label, const char* start, const char* afterValue, const char* end)
{
    return prompted(SnippetValue::Direct, menu, name, caption, shortcut, defaultValue, label, start, afterValue, end);
}

// Value prompts all end with an empty end text, so a selection stays after the insertion.
Snippet boilerPlate(const char* name, const char* caption, const char* defaultValue, const char* message,
    const char* start, const char* afterValue)
{
    return prompted(SnippetValue::BoilerPlate, SnippetMenu::JavaScript, name, caption, "", defaultValue, message, start,
        afterValue, "");
}

Snippet colour(const char* name, const char* caption, const char* start, const char* afterValue)
{
    return prompted(SnippetValue::Colour, SnippetMenu::Html, name, caption, "", "", "", start, afterValue, "");
}

Snippet emailLink()
{
    Snippet s = direct(SnippetMenu::Html, "snippet_emailLink", "Email Link", "", "someone@example.com?SUBJECT=My Page",
        "Enter an e-mail address", "<A HREF=\"MAILTO:", " \">email", "</A>");
    s.selectedTexts = SnippetTexts { "<A HREF=\"MAILTO:", " \">", "</A>" };
    return s;
}

Snippet function()
{
    Snippet s = direct(SnippetMenu::JavaScript, "snippet_function", "Function", "", "MyFunction()", "Enter a function.",
        "function ", "{\r\n", "\r\n\r\n}");
    s.storesFunctionName = true;
    return s;
}

QList<Snippet> buildTable()
{
    using enum SnippetMenu;
    return {
        // HTML menu
        html("snippet_html", "HTML", "", "<HTML>\r\n", "\r\n</HTML>"),
        html("snippet_head", "HEAD", "", "<HEAD>\r\n", "\r\n</HEAD>\r\n"),
        html("snippet_body", "BODY", "", "\r\n<BODY>\r\n", "\r\n</BODY>"),
        html("snippet_blockquote", "Block&quote", "Ctrl+Q", "\r\n<BLOCKQUOTE>\r\n", "\r\n</BLOCKQUOTE>\r\n"),
        html("snippet_pre", "PRE", "", "\r\n<PRE>\r\n", "\r\n</PRE>"),
        html("snippet_h1", "H1", "Ctrl+1", "\r\n<H1>", "</H1>\r\n"),
        html("snippet_h2", "H2", "Ctrl+2", "\r\n<H2>", "</H2>\r\n"),
        html("snippet_h3", "H3", "Ctrl+3", "<H3>", "</H3>\r\n"),
        choice(html("snippet_paragraph", "&Paragraph", "Ctrl+P", "<P>", "</P>"), "<P>\r\n", "\r\n</P>"),
        choice(html("snippet_break", "B&reak", "Ctrl+R", "<BR>", ""), "", "<BR>"),
        html("snippet_title", "Title", "", "<TITLE>", "</TITLE>\r\n"),
        html("snippet_keywords", "Keywords", "", "<META NAME=\"KEYWORDS\" CONTENT=\"", "\">"),
        html("snippet_descriptions", "Descriptions", "", "\r\n<META NAME=\"DESCRIPTION\" CONTENT=\"", "\">\r\n"),
        html("snippet_alignLeft", "Left", "", "\r\n<P ALIGN=\"LEFT\">\r\n", "\r\n</P>\r\n"),
        html("snippet_alignRight", "Right", "", "<P ALIGN=\"RIGHT\">\r\n", "\r\n</P>"),
        html("snippet_alignCentre", "Centre", "", "<CENTER>\r\n", "\r\n</CENTER>"),
        html("snippet_bold", "&Bold", "Ctrl+B", "<B>", "</B>"),
        html("snippet_italic", "&Italic", "Ctrl+I", "<I>", "</I>"),
        html("snippet_underline", "&Underline", "Ctrl+U", "<U>", "</U>"),
        html("snippet_form", "Form", "", "<FORM NAME=\"\" METHOD=\"POST\" ACTION=\"\" ENCTYPE=\"TEXT/PLAIN\">\r\n",
            "\r\n</FORM>"),
        html("snippet_select", "Select", "",
            "<SELECT NAME=\"\">\r\n<OPTION VALUE=\"\" SELECTED>\r\n<OPTION VALUE=\"\">\r\n", "\r\n</SELECT>\r\n"),
        choice(html("snippet_aButton", "aButton", "", "\r\n<INPUT TYPE=\"BUTTON\" VALUE=\"BUTTON\"><BR>", "\r\n"),
            "\r\n<INPUT TYPE=\"BUTTON\" VALUE=\"", "\"><BR>"),
        choice(html("snippet_submit", "Submit", "", "<INPUT TYPE=\"SUBMIT\" VALUE=\"SUBMIT\">", "<BR>\r\n"),
            "\r\n<INPUT TYPE=\"SUBMIT\" VALUE=\"", "\"><BR>"),
        choice(html("snippet_reset", "Reset", "", "\r\n<INPUT TYPE=\"RESET\" VALUE=\"RESET\"><BR>", "\r\n"),
            "\r\n<INPUT TYPE=\"RESET\" VALUE=\"", "\"><BR>"),
        html("snippet_text", "Text", "", "<INPUT TYPE=\"TEXT\" NAME=\"\" VALUE=\"",
            "\" SIZE=\"25\" MAXLENGTH=\"25\"><BR>\r\n"),
        html("snippet_textArea", "Text Area", "", "<TEXTAREA NAME=\"\" ROWS=\"4\" COLS=\"25\">", "</TEXTAREA><BR>"),
        choice(html("snippet_hidden", "Hidden", "", "\r\n<INPUT TYPE=\"HIDDEN\" NAME=\"H1\" VALUE=\"\">", "\r\n"),
            "\r\n<INPUT TYPE=\"HIDDEN\" NAME=\"H1\" VALUE=\"", "\">\r\n"),
        html(
            "snippet_checkbox", "Checkbox", "", "\r\n<INPUT TYPE=\"CHECKBOX\" NAME=\"C1\" VALUE=\"\" CHECKED>", "\r\n"),
        html("snippet_radio", "Radio", "", "\r\n<INPUT TYPE=\"RADIO\" NAME=\"C1\" VALUE=\"\" CHECKED>", "\r\n"),
        html("snippet_framesetRows", "Frameset - Rows", "", "\r\n<FRAMESET ROWS=\"15%,*\">\r\n", "\r\n</FRAMESET>"),
        html("snippet_framesetCols", "Frameset - Cols", "", "\r\n<FRAMESET COLS=\"15%,*\">\r\n", "\r\n</FRAMESET>"),
        html("snippet_frame", "Frame", "",
            "<FRAME NAME=\"MyFrameName1\" TARGET=\"MyFrameName2\" NORESIZE SCROLLING=\"NO\" "
            "SRC=\"MyMenuPage.htm\">\r\n",
            ""),
        html("snippet_noFramesTag", "No Frames Tag", "",
            "\r\n<NOFRAMES>\r\n<BODY>\r\n<P>Helpful message here</P>\r\n</BODY>\r\n", "</NOFRAMES>"),
        html("snippet_plainLink", "Plain Link", "", "<A HREF=\"\">", "</A>"),
        emailLink(),
        direct(Html, "snippet_bookmark", "Bookmark", "Ctrl+Alt+B", "bottom", "Enter a bookmark name.", "<A NAME=\"",
            "\">", "</A>"),
        html("snippet_htmlComments", "HTML Comments", "", "\r\n<!-- ", " -->"),
        html("snippet_htmlFancyComments", "HTML Fancy Comments", "", "\r\n<!-- ####################### ",
            " ####################### -->\r\n"),
        html("snippet_styleTags", "Style Tags", "", "\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\n",
            "\r\n-->\r\n</STYLE>\r\n"),
        html("snippet_horizontalLine", "Horizontal &Line", "Ctrl+H", "\r\n<HR>\r\n", "\r\n\r\n"),
        html("snippet_orderedList", "Ordered List", "", "<OL>\r\n", "\r\n</OL>"),
        html("snippet_unorderedList", "Unordered List", "", "<UL>", "\r\n</UL>"),
        html("snippet_listItem", "List Item", "Ctrl+L", "<LI>", "</LI>"),
        html("snippet_tableTags", "Table Tags", "", "<TABLE>\r\n", "\r\n</TABLE>"),
        html("snippet_tableRowTags", "&Table Row Tags", "Ctrl+W", "<TR>\r\n", "\r\n</TR>"),
        html("snippet_tableDataTags", "Table &Data Tags", "Ctrl+D", "<TD>\r\n", "\r\n</TD>"),
        colour("snippet_hexColour", "Hex Colour", "#", ""),
        colour("snippet_backgroundColour", "Background Colour", " bgColor=\"#", "\""),

        // JavaScript menu
        js("snippet_javaScriptTags", "JavaScript Tags", "<SCRIPT LANGUAGE=\"JAVASCRIPT\">\r\n<!--//\r\n",
            "\r\n//-->\r\n</SCRIPT>"),
        js("snippet_quotes", "Quotes", "\"", "\"\r\n"),
        function(),
        direct(JavaScript, "snippet_if", "If", "", "x==y", "Enter the condition, for example, x==y", "if (", ") {\r\n",
            "\r\n}"),
        js("snippet_else", "Else", "\r\nelse {\r\n ", "\r\n}"),
        direct(JavaScript, "snippet_for", "For", "", "i=0;i<n; i++", "Enter the condition, for example, i=0;i<n; i++",
            "\r\nfor (", ") {\r\n", "\r\n}"),
        direct(JavaScript, "snippet_while", "While", "", "x==y", "Enter the condition, for example, x==y", "while (",
            ") {\r\n", "\r\n\r\n}"),
        js("snippet_switch", "Switch", "\r\nswitch (",
            "expression) {\r\ncase label1:\r\nstatements\r\nbreak    \r\ncase label2:  \r\nstatements  \r\n"
            "break       \r\ncase label3:\r\nstatements  \r\nbreak       \r\n[default:   \r\nstatements]\r\n}\r\n"),
        direct(JavaScript, "snippet_with", "With", "", "document", "With ...", "\r\nwith (", ") {\r\n", "\r\n\r\n}"),
        js("snippet_alert", "Alert", "alert(\"", "\");\r\n"),
        js("snippet_confirm", "Confirm", "\r\nanswer=confirm(", ");\r\n"),
        js("snippet_prompt", "Prompt", "\r\nanswer=prompt(\"", "Message\",\"DefaultAnswer\");\r\n"),
        js("snippet_newWindow", "New Window",
            "\r\nwindow.open('MyExistingWindow.htm', 'MyTitle', "
            "'toolbar,menubar,scrollbars,resizable,status,location,directories,copyhistory,height=200,width=200');",
            "\r\n"),
        boilerPlate("snippet_onClick", "onClick", "alert('You Clicked Me')",
            "Enter a value for onClick. For example, alert('You clicked')", " onClick=\"", "\""),
        boilerPlate("snippet_onSubmit", "onSubmit", "alert('You submitted')",
            "Enter a value for onSubmit. For example, alert('You submitted')", " onSubmit=\"", "\""),
        boilerPlate("snippet_onChange", "onChange", "alert('It Changed')",
            "Enter a value for onChange. For example, alert('It Changed')", " onChange=\"", "\""),
        // The same message as onMouseOut: that is what users of this prompt have always seen.
        boilerPlate("snippet_onMouseOver", "onMouseOver", "alert('Mouse Over')",
            "Enter a value for onMouseOut. For example, alert('Hello')", " onMouseOver=\"", "\""),
        boilerPlate("snippet_onMouseOut", "onMouseOut", "alert('Bye')",
            "Enter a value for onMouseOut. For example, alert('Hello')", " onMouseOut=\"", "\""),
        boilerPlate("snippet_onMouseUp", "onMouseUp", "alert('Mouse Up')",
            "Enter a value for onMouseUp. For example, alert('Mouse released')", " onMouseUp=\"", "\""),
        boilerPlate("snippet_onMouseDown", "onMouseDown", "alert('Mouse Pressed')",
            "Enter a value for onMouseDown. For example, alert('Mouse Pressed')", " onMouseDown=\"", "\""),
        js("snippet_documentWrite", "document.write", "document.write(\"", "\")"),
        js("snippet_historyGo", "history.go()", "\r\nhistory.go(-1", ")"),
        js("snippet_topLocation", "top.location", "\r\ntop.location=\"", "\""),
        direct(JavaScript, "snippet_array", "Array", "", "\"item1\",\"item2\"", "Enter the items for the array.",
            "var MyArray=new Array(", ");", ""),
        boilerPlate(
            "snippet_indexOf", "indexOf", "\"cat\"", "Enter a value for indexOf. For example, ", " indexOf(", ")"),
        boilerPlate("snippet_lastIndexOf", "lastIndexOf", "\"cat\"", "Enter a value for lastIndexOf. For example, ",
            " lastIndexOf(", ")"),
        js("snippet_substring", "substring", "substring(startnumber,endnumber)", ""),
        boilerPlate("snippet_charAt", "charAt", "4", "Enter a value for charAt. For example, ", "charAt(", ")"),
        js("snippet_length", "length", "length", ""),
        boilerPlate("snippet_parseFloat", "parseFloat", "aNumber", "Enter a value for parseFloat. For example, ",
            " parseFloat(", ")"),
        boilerPlate(
            "snippet_parseInt", "parseInt", "myNumber", "Enter a value for parseInt. For example, ", " parseInt(", ")"),
        boilerPlate(
            "snippet_isNaN", "isNaN", "NumberToCheck", "Enter a value for isNaN. For example, ", " isNaN(", ")"),
        js("snippet_javaScriptComments", "JavaScript Comments", "\r\n/* ", " */"),
        js("snippet_javaScriptFancyComments", "JavaScript Fancy Comments", "\r\n/* ####################### ",
            " ####################### */\r\n"),

        // The JavaScript bar's own "prompt" button, not the menu's "Prompt"
        fixed(JavaScriptBar, "snippet_promptButton", "prompt", "",
            "\r\nName1=prompt(\"Enter data\",\"DefaultAnswer\");", "\r\n"),
    };
}
} // namespace

const QList<Snippet>& snippetTable()
{
    static const QList<Snippet> table = buildTable();
    return table;
}

const Snippet* findSnippet(const QString& name)
{
    for (const Snippet& s : snippetTable())
        if (s.name == name) return &s;
    return nullptr;
}
