#include "sitetools/SiteCheckRun.h"

#include "support/QStringPrinter.h"
#include "SiteBuilder.h"

#include <gtest/gtest.h>

namespace {

using Phase = SiteCheckRun::Phase;

// The finder's classic check of a page's text.
SiteCheckRun::PageCheck classicCheck(const SiteIndex& index)
{
    return [&index](
               const QString& text, const QString& path) { return findBrokenLinks(text, pageDirectory(path), index); };
}

QStringList brokenTexts(const LinkCheck& check)
{
    QStringList texts;
    for (const FoundLink& link : check.broken)
        texts << link.text;
    return texts;
}

} // namespace

TEST(SiteCheckRun, StepsThroughThePagesAndStartsAgainAfterTheLast)
{
    const SiteBuilder site({ { "a.htm", "<a href=\"b.htm\">" }, { "b.htm", "<img src=\"gone.gif\">" },
        { "sub/c.htm", "<a href=\"../a.htm\">" } });
    const SiteIndex index({ site.path("a.htm"), site.path("b.htm"), site.path("sub/c.htm") });
    SiteCheckRun run;
    EXPECT_EQ(run.phase(), Phase::Idle);
    run.setBase(site.base);
    run.setPages({ "a.htm", "b.htm", "sub/c.htm" });
    EXPECT_EQ(run.phase(), Phase::Loaded);
    EXPECT_EQ(run.currentPage(), -1);
    EXPECT_EQ(run.checkCurrent(classicCheck(index)), std::nullopt); // no page yet

    QStringList seen;
    while (!run.atLastPage()) {
        run.begin();
        EXPECT_EQ(run.phase(), Phase::Running);
        const int row = run.advance();
        EXPECT_EQ(run.currentPage(), row);
        const std::optional<LinkCheck> check = run.checkCurrent(classicCheck(index));
        ASSERT_TRUE(check);
        seen << run.pages()[row] + ": " + brokenTexts(*check).join(u' ');
    }
    EXPECT_EQ(seen, (QStringList { "a.htm: ", "b.htm: gone.gif", "sub/c.htm: " }));
    EXPECT_EQ(run.path(2), site.base + "sub/c.htm");

    run.finish();
    EXPECT_EQ(run.phase(), Phase::Idle);
    EXPECT_EQ(run.currentPage(), 0);
    EXPECT_FALSE(run.atLastPage());
}

TEST(SiteCheckRun, APageGoneFromDiskIsPassedOver)
{
    SiteBuilder site({ { "a.htm", "" }, { "b.htm", "" } });
    SiteCheckRun run;
    run.setBase(site.base);
    run.setPages({ "a.htm", "b.htm" });
    QFile::remove(site.path("b.htm"));
    run.setCurrentPage(1);
    const SiteIndex index;
    EXPECT_EQ(run.checkCurrent(classicCheck(index)), std::nullopt);
    run.setCurrentPage(0);
    EXPECT_TRUE(run.checkCurrent(classicCheck(index)));
}

TEST(SiteCheckRun, CurrentPageFollowsTheListAsAListWidgetWould)
{
    SiteCheckRun run;
    run.setBase("/site/");
    EXPECT_EQ(run.phase(), Phase::Loaded);
    // No pages: the run ends at once and has no page to stand at afterwards.
    EXPECT_TRUE(run.atLastPage());
    run.finish();
    EXPECT_EQ(run.currentPage(), -1);

    run.setPages({ "b.htm", "d.htm" });
    run.setCurrentPage(2);
    EXPECT_EQ(run.currentPage(), -1);
    run.setCurrentPage(1);
    EXPECT_EQ(run.addPage("C.htm"), 1); // sorted ignoring case
    EXPECT_EQ(run.currentPage(), 2); // still d.htm
    EXPECT_EQ(run.addPage("e.htm"), 3);
    EXPECT_EQ(run.currentPage(), 2);
    EXPECT_EQ(run.pages(), (QStringList { "b.htm", "C.htm", "d.htm", "e.htm" }));
    run.setPages({ "x.htm" });
    EXPECT_EQ(run.currentPage(), -1);
}
