#include "sitetools/SearchEngine.h"

#include "platform/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

using namespace SearchEngine;

namespace {

struct Case {
    const char* name;
    const char* text;
    const char* expected;
};

TEST(SearchEngine, FindTitle)
{
    const Case cases[] = {
        { "trimmed and upper-cased", "<html><title>  My Page </title>", "MY PAGE" },
        { "any letter case of the tags", "<TiTlE>a</tItLe>", "A" },
        { "no title element", "<html><body>text</body></html>", "EnterTitle" },
        { "empty title", "<title></title>", "EnterTitle" },
        { "only spaces and breaks", "<title> \r\n\t </title>", "EnterTitle" },
        { "a line break in the title", "<title>My\r\nPage</title>", "MY  PAGE" },
        { "a bare LF", "<title>My\nPage</title>", "MY PAGE" },
        { "no end tag", "<title>My Page", "EnterTitle" },
        { "end tag before the start tag", "</title><title>x</title>", "EnterTitle" },
        { "the first title counts", "<title>one</title><title>two</title>", "ONE" },
        { "every letter a to z", "<title>abcdefghijklmnopqrstuvwxyz</title>", "ABCDEFGHIJKLMNOPQRSTUVWXYZ" },
        { "only a to z upper-cased", "<title>café über 1-2</title>", "CAFé üBER 1-2" },
        { "control characters trimmed", "<title>\x01\tDone\x02</title>", "DONE" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(findTitle(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected)) << c.name;
}

TEST(SearchEngine, FindKeywords)
{
    const Case cases[] = {
        { "a meta element", R"(<meta name="keywords" content=" fruit, Pie ">)", "FRUIT, PIE" },
        { "upper-case markup", R"(<META NAME="KEYWORDS" CONTENT="a b">)", "A B" },
        { "no keywords", "<html><title>x</title></html>", "EnterKeywords" },
        { "content without its end", R"(<meta name="keywords" content="fruit)", "EnterKeywords" },
        { "empty content", R"(<meta name="keywords" content="">)", "EnterKeywords" },
        { "content names first", R"(<meta content="x" name="keywords">)", "EnterKeywords" },
        { "keywords over two lines", "<meta name=\"keywords\" content=\"one,\r\ntwo\">", "ONE,  TWO" },
        { "the end is the next quote and bracket", R"(<meta name="keywords" content="a">b">)", "A" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(findKeywords(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected)) << c.name;

    // "CONTENT=\"" counts only when it lies wholly within the 80 characters from "KEYWORDS".
    const auto spaced = [](int gap) { return "KEYWORDS" + QString(gap, u' ') + "CONTENT=\"x\">"; };
    EXPECT_EQ(findKeywords(spaced(80 - 8 - 9)), "X");
    EXPECT_EQ(findKeywords(spaced(80 - 8 - 9 + 1)), "EnterKeywords");
}

TEST(SearchEngine, ReadsTitleAndKeywordsOfAPageFile)
{
    const PageEntry apples = readPage(PELORIN_FIXTURES "/sitetools/search/site/apples.htm");
    EXPECT_EQ(apples.title, "APPLES AND  PEARS");
    EXPECT_EQ(apples.keywords, "FRUIT, ORCHARD");
    const PageEntry plain = readPage(PELORIN_FIXTURES "/sitetools/search/site/plain.htm");
    EXPECT_EQ(plain.title, "EnterTitle");
    EXPECT_EQ(plain.keywords, "EnterKeywords");
    EXPECT_THROW(readPage(PELORIN_FIXTURES "/sitetools/search/site/missing.htm"), FileError);
}

TEST(SearchEngine, ProjectFileRoundTrip)
{
    const Project project { { "/site/a.htm", "/site/sub/b.htm" }, { "A PAGE", "B\r\nPAGE" }, { "ONE", "" } };
    // A title edited over two lines is written on one, so the file keeps its line positions.
    EXPECT_EQ(projectText(project), "2\r\n/site/a.htm\r\n/site/sub/b.htm\r\nA PAGE\r\nB  PAGE\r\nONE\r\n\r\n");

    const Project plain { { "/site/a.htm", "/site/a.htm" }, { "A", "A" }, { "K", "EnterKeywords" } };
    QTemporaryDir dir;
    const QString path = dir.filePath("my.prj");
    writeProject(path, plain);
    EXPECT_EQ(readProject(path), plain);

    EXPECT_EQ(parseProject("0\r\n", "x.prj"), Project {});
    EXPECT_EQ(parseProject("0", "x.prj"), Project {});
    // Lines missing at the end are empty entries; LF breaks are read too.
    EXPECT_EQ(
        parseProject("2\n/a.htm\n/b.htm\nA", "x.prj"), (Project { { "/a.htm", "/b.htm" }, { "A", "" }, { "", "" } }));
    // Even file names may be missing, and the last line needs no break.
    EXPECT_EQ(parseProject("3\r\n/a.htm", "x.prj"),
        (Project { { "/a.htm", "", "" }, { "", "", "" }, { "", "", "" } }));
    try {
        parseProject("2000000\r\n", "/site/my.prj");
        ADD_FAILURE() << "accepted two million files";
    } catch (const FileError& error) {
        EXPECT_EQ(error.message(),
            "\"/site/my.prj\" is not a project file: its first line \"2000000\" counts more files than a project can "
            "hold.");
    }
}

TEST(SearchEngine, RefusesAFileThatDoesNotStartWithTheNumberOfItsFiles)
{
    const struct {
        const char* text;
        const char* firstLine;
    } cases[] = { { "", "" }, { "two\r\n/a.htm", "two" }, { "-1\r\n", "-1" }, { "2.5\r\n", "2.5" },
        { "99999999999\r\n", "99999999999" } };
    for (const auto& c : cases) {
        try {
            parseProject(QString::fromUtf8(c.text), "/site/my.prj");
            ADD_FAILURE() << "accepted " << c.text;
        } catch (const FileError& error) {
            EXPECT_EQ(error.message(),
                QStringLiteral("\"%1\" is not a project file: its first line \"%2\" is not the number of its files.")
                    .arg(QDir::toNativeSeparators("/site/my.prj"), QString::fromUtf8(c.firstLine)));
        }
    }
}

TEST(SearchEngine, DataLinesEscapeQuotesAndBackslashesOnly)
{
    const Project project { { "/site/index.htm", "/site/sub/b.htm", "/other/c.htm" },
        { "SAY \"HI\"", "A\\B <I>'X'</I>", "TWO\r\nLINES" }, { "K1", "EnterKeywords", "C:\\DIR" } };
    const QStringList expected {
        "URLs=new Array()",
        "titls=new Array()",
        "Kwds=new Array()",
        "URLs[0]=\"index.htm\";",
        "titls[0]=\"SAY \\\"HI\\\"\";",
        "Kwds[0]=\"K1\";",
        "URLs[1]=\"sub/b.htm\";",
        "titls[1]=\"A\\\\B <I>'X'<\\/I>\";", // "</" would end the page's script
        "Kwds[1]=\"EnterKeywords\";",
        "URLs[2]=\"../other/c.htm\";",
        "titls[2]=\"TWO  LINES\";",
        "Kwds[2]=\"C:\\\\DIR\";",
    };
    EXPECT_EQ(dataLines(project, "/site/", CaseRule::Exact), expected);
    // The project directory may lack its trailing separator.
    EXPECT_EQ(dataLines(project, "/site", CaseRule::Exact), expected);
}

TEST(SearchEngine, AddressesAreRelativeToTheProjectDirectoryWithSlashes)
{
    const Project project { { "C:\\site\\sub\\b.htm", "D:\\elsewhere\\c.htm", "c:\\SITE\\a.htm" }, { "B", "C", "A" },
        { "", "", "" } };
    const QStringList lines = dataLines(project, "C:\\site\\", CaseRule::IgnoreCase);
    EXPECT_EQ(lines[3], "URLs[0]=\"sub/b.htm\";");
    EXPECT_EQ(lines[6], "URLs[1]=\"D:/elsewhere/c.htm\";");
    EXPECT_EQ(lines[9], "URLs[2]=\"a.htm\";");
    // Without a project directory the full paths are written.
    EXPECT_EQ(dataLines(project, "", CaseRule::IgnoreCase)[3], "URLs[0]=\"C:/site/sub/b.htm\";");
}

// The whole page for a project of two pages.
const char* const kTwoPagePage = R"page(<HTML>
<HEAD>
<TITLE>My Search Page</TITLE>
<META NAME="KEYWORDS" CONTENT="MY SEARCH ENGINE">
<META NAME="DESCRIPTION" CONTENT="MY SEARCH ENGINE">
<!-- #######################  start copying script here ####################### -->
<SCRIPT LANGUAGE="JAVASCRIPT">
<!--//

function MySearchF(){

for (i=0;i<document.F187.MySelect.options.length; i++){
document.F187.MySelect.options[i]=new Option("","")
}

/* ####################### Only the data below needs to be changed ####################### */
 
 
 

URLs=new Array()
titls=new Array()
Kwds=new Array()
URLs[0]="apples.htm";
titls[0]="APPLES AND  PEARS";
Kwds[0]="FRUIT, ORCHARD";
URLs[1]="sub/recipes.html";
titls[1]="PIE \"DELUXE\" RECIPES";
Kwds[1]="BAKING, OVEN\\DOOR, FRUIT";

/* ####################### Only the data above needs to be changed ####################### */
var joined=new Array()
{
for (i=0;i<URLs.length; i++){
joined[i]=titls[i]+Kwds[i]
}


Searchphrase=document.F187.MyText.value
j=0;
checker=0;
if (document.F187.MyText.value.length<1){

alert('Please enter something to search for.');


}

else {
 

for (i=0;i<URLs.length; i++)
{
if (joined[i].indexOf(Searchphrase.toUpperCase())>-1){
checker=1;

document.F187.MySelect.options[j+1]=new Option(titls[i],URLs[i]); j++
}

if (checker==1){
document.F187.MySelect.options[0]=new Option('Results:','')

}
else {
document.F187.MySelect.options[0]=new Option('Sorry! Couldn\'t find anything:','') 
}
}
}

}
//Netscape likes a refresh, but Microsoft doesn't
if (document.layers)
history.go(0)
}
//-->
</SCRIPT>

<SCRIPT LANGUAGE="JAVASCRIPT">
<!--//

function go(){



if (document.F187.MySelect.selectedIndex>0){
location=document.F187.MySelect.options[document.F187.MySelect.selectedIndex].value

}
else {
 alert('Please select an option.')
}

}
//-->
</SCRIPT>
<!-- #######################  stop copying script here ####################### -->
</HEAD>

<BODY BGCOLOR="">
<H1>My Search Engine</H1>


<!-- #######################  start of form ####################### -->


<FORM NAME="F187" METHOD="POST" ACTION="" ENCTYPE="TEXT/PLAIN" onSubmit="MySearchF(); return false">
<br>Enter a search word or phrase:<br>
<INPUT TYPE="TEXT" NAME="MyText" VALUE="" SIZE="27" MAXLENGTH="25">
<INPUT TYPE="BUTTON" VALUE="Search" onClick="MySearchF()"><BR>
<SELECT NAME="MySelect" size="5" onDblClick="go()">

<OPTION >Your answer will appear here

</SELECT>


 <BR>
<INPUT TYPE="BUTTON" VALUE="Go!" onClick="go()"}>
<br>
Produced by <a
  href="https://example.com/pelorin95">Search
  Engine Generator</a>.
</FORM>


<!-- #######################  end of form ####################### -->





</BODY>
</HTML>
 
 
 
 

)page";

TEST(SearchEngine, GeneratesTheWholePageForTwoPages)
{
    const QString site = PELORIN_FIXTURES "/sitetools/search/site/";
    Project project;
    for (const QString& file : { site + "apples.htm", site + "sub/recipes.html" }) {
        const PageEntry entry = readPage(file);
        project.files << file;
        project.titles << entry.title;
        project.keywords << entry.keywords;
    }
    const QString page = searchPage(project, site);
    EXPECT_EQ(page, QString::fromUtf8(kTwoPagePage).replace("\n", "\r\n"));
    EXPECT_EQ(page.count("\r\n"), 19 + 1 + 9 + 1 + 107 + 1);
    EXPECT_EQ(page.count("\n"), page.count("\r\n"));
}

} // namespace
