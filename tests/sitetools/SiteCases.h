#pragma once

#include "SiteBuilder.h"

#include <QList>
#include <QString>
#include <QStringList>

// Cases of the broken-links and orphans rules, run through the core functions and again through
// the command-line checker.

// The files the link cases point into; "../outside.htm" lies above the base.
inline const SiteBuilder::Files kLinkCaseFiles { { "index.htm", "" }, { "about.htm", "" }, { "my page.htm", "" },
    { "a+b.htm", "" }, { "Upper.HTM", "" }, { "images/logo.gif", "" }, { "sub/page.htm", "" }, { "style.css", "" },
    { "../outside.htm", "" } };

struct LinkCase {
    QString link; // from a page in the base directory
    bool broken;
};

inline const QList<LinkCase> kLinkCases {
    { "about.htm", false },
    { "About.htm", true }, // case kept
    { "Index.htm", true },
    { "upper.htm", true },
    { "Upper.HTM", false }, // capital extension examined too
    { "images/logo.gif", false },
    { "missing.htm", true },
    { "my%20page.htm", false },
    { "a+b.htm", true }, // "+" is a space
    { "a%2Bb.htm", false },
    { "../outside.htm", true }, // above the base
    { "C:\\site\\about.htm", true }, // the ":" rule
    { "file:///about.htm", true },
    { "style.css", false },
    { "/about.htm", true },
};

struct OrphanCase {
    const char* name;
    SiteBuilder::Files files;
    QStringList orphans; // sorted
};

inline const QList<OrphanCase> kOrphanCases {
    { "nothing links to the start page",
        { { "index.htm", "<a href=\"a.htm\">" }, { "a.htm", "" }, { "b.htm", "" }, { "pic.gif", "" } },
        { "b.htm", "index.htm", "pic.gif" } },
    { "letter case counts", { { "index.htm", "<img src=\"images/Logo.gif\">" }, { "images/logo.gif", "" } },
        { "images/logo.gif", "index.htm" } },
    { "style sheets and scripts in exact case",
        { { "a.htm", "" }, { "x.Css", "" }, { "y.css", "" }, { "Z.CSS", "" }, { "s.js", "" } }, { "a.htm", "x.Css" } },
    { "a link up from a subdirectory",
        { { "sub/p.htm", "<img src=\"../pic.gif\"> <a href=\"p.htm\">" }, { "pic.gif", "" } }, {} },
    { "a plain substring counts",
        { { "a.htm", "mylogo.gif sub/x.gif /sub/y.gif" }, { "logo.gif", "" }, { "sub/x.gif", "" },
            { "sub/y.gif", "" } },
        { "a.htm" } },
    { "a site without pages reports everything", { { "x.css", "" }, { "pic.gif", "" } }, { "pic.gif", "x.css" } },
    { "names without a dot and a file named .html",
        { { "index.htm", "README sub/Makefile .html" }, { "README", "" }, { "sub/Makefile", "" }, { ".html", "" },
            { "LICENSE", "" } },
        { "LICENSE", "index.htm" } },
    { "a reference from the page's own directory only",
        { { "a/p.htm", "b/q.gif ../b/r.gif" }, { "a/b/q.gif", "" }, { "b/q.gif", "" }, { "b/r.gif", "" } },
        { "a/p.htm", "b/q.gif" } },
};
