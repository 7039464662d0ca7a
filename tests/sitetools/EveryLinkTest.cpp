// The every-link rule's core: the page tokenizer, the resolution of a link to a path, and the
// check of a page.

#include "sitetools/EveryLink.h"
#include "sitetools/PageLinks.h"

#include "support/QStringPrinter.h"
#include "SiteBuilder.h"

#include <QFile>
#include <gmock/gmock.h>

namespace {

// A link as "attribute|address|the text the page holds there".
QStringList described(const QString& text, const QList<PageLink>& links)
{
    QStringList all;
    for (const PageLink& link : links)
        all << link.attribute + '|' + link.url + '|' + text.mid(link.at, link.length);
    return all;
}

struct TokenCase {
    const char* name;
    QString html;
    QStringList links;
};

const TokenCase kTokenCases[] = {
    { "quotes", "<a href=\"a.htm\"><img src='b.png'><img src=c.svg alt=x><A HREF = \" d e.htm \">",
        { "href|a.htm|a.htm", "src|b.png|b.png", "src|c.svg|c.svg", "href|d e.htm|d e.htm" } },
    { "entities", "<a href=\"p.htm?a=1&amp;b=2\"><a href='a&#46;htm'><a href=x&#x2F;y.htm><a href=\"?q=1&ampx=2\">",
        { "href|p.htm?a=1&b=2|p.htm?a=1&amp;b=2", "href|a.htm|a&#46;htm", "href|x/y.htm|x&#x2F;y.htm",
            "href|?q=1&ampx=2|?q=1&ampx=2" } },
    { "comments and declarations",
        "<!DOCTYPE html><!-- <a href=\"gone.htm\"> --><a href=kept.htm><!-- unclosed <a href=no.htm>",
        { "href|kept.htm|kept.htm" } },
    { "scripts and other text elements",
        "<script>var s = \"<img src='no.png'>\";</script><img src=yes.png><SCRIPT type=x>\"</a href=x.htm>\"</Script >"
        "<title><a href=t.htm></title><textarea><img src=t.png></textarea><a href=after.htm>",
        { "src|yes.png|yes.png", "href|after.htm|after.htm" } },
    { "srcset with descriptors",
        "<img srcset=\"a.png 1x, b%20c.png 2x,d.png,e.png\"><source srcset=' x.webp 480w , y.webp (a, b) 2x,z.webp'>",
        { "srcset|a.png|a.png", "srcset|b%20c.png|b%20c.png", "srcset|d.png,e.png|d.png,e.png", "srcset|x.webp|x.webp",
            "srcset|y.webp|y.webp", "srcset|z.webp|z.webp" } },
    { "style attributes",
        "<div style=\"background: url('bg.png')\"><p style='background:url(&quot;q&amp;r.png&quot;)'>",
        { "url()|bg.png|bg.png", "url()|q&r.png|q&amp;r.png" } },
    { "style blocks with escapes",
        "<style>/* url(no.png) */ @import \"a.css\"; @IMPORT url(b.css); .x{background:URL( c\\ d.png )}"
        " .y{content:\"url(no.png)\"} .z{background:url(\\31 23.png)} .w{background:url('it\\'s.png')}</style>"
        "<a href=after.htm>",
        { "@import|a.css|a.css", "@import|b.css|b.css", "url()|c d.png|c\\ d.png", "url()|123.png|\\31 23.png",
            "url()|it's.png|it\\'s.png", "href|after.htm|after.htm" } },
    { "a refresh",
        "<meta http-equiv=\"Refresh\" content=\"0; URL='next.htm'\"><meta name=x content=\"a.htm\">"
        "<meta content=\"5;url=later.htm \" http-equiv=refresh><meta http-equiv=refresh content=\"5\">",
        { "content|next.htm|next.htm", "content|later.htm|later.htm" } },
    { "every attribute that holds an address",
        "<html manifest=m.appcache><body background=bg.gif><video poster=p.jpg><object data=o.svg>"
        "<form action=f.htm><button formaction=b.htm><q cite=c.htm><img longdesc=l.htm usemap=#map>"
        "<command icon=i.png><img data-src=no.png><a name=no.htm>",
        { "manifest|m.appcache|m.appcache", "background|bg.gif|bg.gif", "poster|p.jpg|p.jpg", "data|o.svg|o.svg",
            "action|f.htm|f.htm", "formaction|b.htm|b.htm", "cite|c.htm|c.htm", "longdesc|l.htm|l.htm",
            "usemap|#map|#map", "icon|i.png|i.png" } },
    { "not tags", "a < b href=\"x.htm\" <3 src=y.png <a href=\"first.htm\" href=\"second.htm\"><a href=\"open",
        { "href|first.htm|first.htm" } },
};

} // namespace

TEST(PageLinks, TokenizerCases)
{
    for (const TokenCase& c : kTokenCases)
        EXPECT_EQ(described(c.html, htmlLinks(c.html).links), c.links) << c.name;
}

TEST(PageLinks, BaseStyleSheetsAndDecoding)
{
    const PageLinks page = htmlLinks("<a href=a.htm><base href=\"../up&amp;/\"><base href=other/>");
    EXPECT_EQ(page.base, "../up&/");
    EXPECT_EQ(page.links.size(), 1);
    EXPECT_FALSE(htmlLinks("<base target=_top>").base.has_value());

    const QString css = "@import url(\"print.css\");\n.a { src: url(../f.woff2) format(\"woff2\"); }\n"
                        "/* url(old.png) */ .b { background: url(\"x\\\r\ny.png\") }";
    EXPECT_EQ(described(css, cssLinks(css)),
        (QStringList { "@import|print.css|print.css", "url()|../f.woff2|../f.woff2", "url()|xy.png|x\\\r\ny.png" }));

    EXPECT_EQ(decodeEntities(u"&lt;&gt;&quot;&apos;&nbsp;&#128512;&#0;&unknown;&amp"), u"<>\"'\u00A0😀\uFFFD&unknown;&");
    EXPECT_EQ(cssUnescape(u"\\41 B\\\"\\1F600x\\"), u"AB\"😀x\\");
}

TEST(EveryLink, Resolution)
{
    const LinkStart start { "/s/sub/", "/s/" };
    const std::pair<const char*, std::optional<QString>> cases[] = {
        { "a.htm", "/s/sub/a.htm" },
        { "../a.htm", "/s/a.htm" },
        { "../../../../a.htm", "/a.htm" },
        { "./x/../b.htm", "/s/sub/b.htm" },
        { "/img/x.png", "/s/img/x.png" },
        { "/../x.png", "/s/x.png" },
        { "my%20page.htm", "/s/sub/my page.htm" },
        { "%C3%A9t%C3%A9.htm", "/s/sub/\u00E9t\u00E9.htm" },
        { "a+b.htm", "/s/sub/a+b.htm" },
        { "p.htm?x=1#top", "/s/sub/p.htm" },
        { "p.htm#a?b", "/s/sub/p.htm" },
        { "docs/", "/s/sub/docs/" },
        { ".", "/s/sub/" },
        { "..", "/s/" },
        { "img\\a.png", "/s/sub/img/a.png" },
        { "C:\\site\\p.htm", "/s/sub/C:/site/p.htm" },
        { "file:///etc/x.htm", "/etc/x.htm" },
        { "FILE://localhost/s/a.htm", "/s/a.htm" },
        { "file:a.htm", "/s/sub/a.htm" },
        { "http://x/a.htm", std::nullopt },
        { "HTTPS://x/a.htm", std::nullopt },
        { "//cdn.example/x.js", std::nullopt },
        { "mailto:a@b", std::nullopt },
        { "javascript:void(0)", std::nullopt },
        { "data:image/png;base64,iVBO", std::nullopt },
        { "#top", std::nullopt },
        { "?q=1", std::nullopt },
        { "", std::nullopt },
    };
    for (const auto& [link, path] : cases)
        EXPECT_EQ(localLinkPath(QString::fromUtf8(link), start), path) << link;

    EXPECT_EQ(linkStart("/s/sub/p.htm", "../other/", "/s/").directory, "/s/other/");
    EXPECT_EQ(linkStart("/s/sub/p.htm", "/x/y.htm", "/s/").directory, "/s/x/");
    EXPECT_EQ(linkStart("/s/sub/p.htm", "#here", "/s/").directory, "/s/sub/");
    const LinkStart web = linkStart("/s/sub/p.htm", "https://example.com/", "/s/");
    EXPECT_EQ(localLinkPath(u"a.htm", web), std::nullopt);
    EXPECT_EQ(localLinkPath(u"file:///s/a.htm", web), "/s/a.htm");
}

TEST(EveryLink, DirectoriesAreGoodWithAnIndexPage)
{
    const SiteIndex index(QStringList { "/s/a.htm", "/s/docs/index.html", "/s/old/index.htm", "/s/empty/x.txt" });
    EXPECT_TRUE(linkTargetExists("/s/a.htm", index));
    EXPECT_FALSE(linkTargetExists("/s/a.htm/", index));
    EXPECT_TRUE(linkTargetExists("/s/docs/", index));
    EXPECT_TRUE(linkTargetExists("/s/docs", index));
    EXPECT_TRUE(linkTargetExists("/s/old/", index));
    EXPECT_FALSE(linkTargetExists("/s/empty/", index));
    EXPECT_FALSE(linkTargetExists("/s/A.htm", index));
}

TEST(EveryLink, APageCheckListsBrokenLinksInTextOrderWithTheirPlaceAndAttribute)
{
    const SiteIndex index(QStringList { "/s/index.htm", "/s/img/a b.png", "/s/style.css" });
    const QString page = "<link href=\"style.css?v=1\">\r\n<img src='img/a%20b.png' srcset=\"img/a%20b.png 1x,\n"
                         "img/big.png 2x\">\n<a href=\"gone.htm\">&amp;<a href=\"http://x/y.png\"><a href=\"#\">";
    const LinkCheck check = findEveryBrokenLink(page, "/s/index.htm", "/s/", index);
    EXPECT_EQ(check.examined, 5);
    EXPECT_EQ(
        check.broken, (QList<FoundLink> { { "img/big.png", 81, {}, "srcset" }, { "gone.htm", 108, {}, "href" } }));

    // A style sheet is read as one; a script not at all.
    const LinkCheck css = findEveryBrokenLink("a { background: url(gone.png) }", "/s/style.css", "/s/", index);
    EXPECT_EQ(css.broken, (QList<FoundLink> { { "gone.png", 20, {}, "url()" } }));
    EXPECT_EQ(findEveryBrokenLink("x = \"<img src='gone.png'>\"", "/s/a.js", "/s/", index).examined, 0);

    // The check stops where progress says so.
    int calls = 0;
    const LinkCheck stopped
        = findEveryBrokenLink(page, "/s/index.htm", "/s/", index, [&](qsizetype, qsizetype) { return ++calls < 3; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.examined, 2);
}

TEST(EveryLink, FixKeysAndTheRememberedRule)
{
    const std::tuple<const char*, const char*, const char*> keys[] = {
        // link, classic key, every-link key
        { "pages/About.html", "ABOUT.HTM", "ABOUT.HTM" },
        { "img/Logo.png?v=2", "LOGO.PNG?V=2", "LOGO.PNG" },
        { "a+b%20c.svg#x", "A B C.SVG#X", "A+B C.SVG" },
        { "docs/", "", "DOCS" },
    };
    for (const auto& [link, classic, every] : keys) {
        EXPECT_EQ(fixKey(link), classic) << link;
        EXPECT_EQ(fixKey(link, LinkRule::EveryLink), every) << link;
    }
    const QStringList files { "/s/img/logo.png", "/s/img/logo.gif", "/s/index.htm" };
    EXPECT_EQ(
        fixSuggestions("pics/logo.png", files, "/s/index.htm", LinkRule::EveryLink), QStringList { "img/logo.png" });

    SiteBuilder site;
    const QString file = site.path(kLinkRuleFile);
    EXPECT_EQ(readLinkRule(file), LinkRule::Classic);
    writeLinkRule(file, LinkRule::EveryLink);
    EXPECT_EQ(site.read(kLinkRuleFile), "every link\r\n");
    EXPECT_EQ(readLinkRule(file), LinkRule::EveryLink);
    writeLinkRule(file, LinkRule::Classic);
    EXPECT_EQ(site.read(kLinkRuleFile), "classic\r\n");
    site.write(kLinkRuleFile, "something else\r\n");
    EXPECT_EQ(readLinkRule(file), LinkRule::Classic);
}
