// The broken-link finder's chosen checks: #anchors and web links, joined to its list, and the
// same answers as pelorin95-site gives.

#include "support/ListWidgets.h"
#include "platform/AppDirs.h"
#include "sitetools/EveryLink.h"
#include "sitetools/FixWindow.h"
#include "sitetools/LinkRotWindow.h"
#include "sitetools/SiteToolCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "LoopbackServer.h"
#include "SiteWindowFixture.h"

namespace {

class LinkRotChecksTest : public LinkRotFixture {
protected:
    void pick(int row)
    {
        QTest::mouseClick(pages->viewport(), Qt::LeftButton, {}, pages->visualItemRect(pages->item(row)).center());
    }
    // The lines the window finds page by page, as pelorin95-site writes them.
    QString windowReport()
    {
        QString lines;
        for (int row = 0; row < pages->count(); ++row) {
            pick(row);
            for (const FoundLink& link : window->brokenLinks())
                lines += pages->item(row)->text() + '\t' + QString::number(link.offset) + '\t' + link.text
                    + (link.attribute.isEmpty() ? "" : '\t' + link.attribute)
                    + (link.note.isEmpty() ? "" : '\t' + link.note) + '\n';
        }
        return lines;
    }
    QString commandReport(const QStringList& arguments)
    {
        QProcess site;
        site.start(PELORIN_SITE_EXECUTABLE, arguments + QStringList { "links", base });
        EXPECT_TRUE(site.waitForFinished());
        QString out = QString::fromUtf8(site.readAllStandardOutput());
        out.truncate(out.lastIndexOf("pages="));
        return out.replace("\\\\", "\\");
    }
};

} // namespace

TEST_F(LinkRotChecksTest, AnchorsAreCheckedWhenChosenAndMarkedInTheList)
{
    copySite("anchorsite");
    chooseSite();
    EXPECT_EQ(anchorsBox->text(), "Check #anchors");
    EXPECT_FALSE(anchorsBox->isChecked());
    EXPECT_EQ(webBox->text(), "Check web links");
    EXPECT_FALSE(webBox->isChecked());
    pick(1);
    EXPECT_EQ(window->currentFile(), base + "index.htm");
    EXPECT_EQ(broken->count(), 0);

    anchorsBox->setChecked(true);
    pick(1);
    EXPECT_EQ(itemTexts(broken),
        (QStringList { "about.htm#Team   (no such anchor)", "about.htm#gone   (no such anchor)",
            "#nowhere   (no such anchor)", "missing.htm#x   (no such anchor)" }));
    QTest::mouseClick(broken->viewport(), Qt::LeftButton, {}, broken->visualItemRect(broken->item(1)).center());
    EXPECT_EQ(window->codePane()->selText(), "about.htm#gone");
}

TEST_F(LinkRotChecksTest, TheWindowAndTheCommandLineFindTheSame)
{
    copySite("anchorsite");
    write("index.htm", read(base + "index.htm") + "<a href=\"gone.htm\"> <img src=\"Pic.gif\">\r\n");
    write("pic.gif", "");
    chooseSite();
    anchorsBox->setChecked(true);
    const QString fromWindow = windowReport();
    EXPECT_EQ(fromWindow, commandReport({ "--anchors" }));
    EXPECT_TRUE(fromWindow.contains("index.htm\t") && fromWindow.contains("\tanchor\n"));
}

TEST_F(LinkRotChecksTest, EveryLinkIsChosenRememberedAndFoundAsTheCommandLineFindsIt)
{
    auto* rule = child<QComboBox>(window, "linksToCheckBox");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->currentText(), "the classic seven file types");
    EXPECT_EQ(rule->itemText(1), "every link");
    copySite("everylinksite");
    chooseSite();
    EXPECT_EQ(pages->count(), 6);
    const QString classic = windowReport();
    EXPECT_EQ(classic, commandReport({}));

    rule->setCurrentIndex(1);
    EXPECT_EQ(read(AppDirs::settingsFile(kLinkRuleFile)), "every link\r\n");
    // The style sheets join the pages.
    ASSERT_EQ(pages->count(), 8);
    EXPECT_EQ(pages->item(0)->text(), "a&b.htm");
    EXPECT_EQ(pages->item(1)->text(), "css/print.css");
    pick(4);
    EXPECT_EQ(window->currentFile(), base + "index.htm");
    ASSERT_EQ(broken->count(), 11);
    EXPECT_EQ(broken->item(0)->text(), "site.appcache   (manifest)");
    EXPECT_EQ(broken->item(4)->text(), "img/logo@2x.png   (srcset)");
    QTest::mouseClick(broken->viewport(), Qt::LeftButton, {}, broken->visualItemRect(broken->item(7)).center());
    EXPECT_EQ(window->codePane()->selText(), "img/missing.svg");
    EXPECT_EQ(windowReport(), commandReport({ "--every-link" }));

    // A new window starts with the remembered choice.
    window->close();
    settle();
    window = openWindow<LinkRotWindow>("a_findBrokenLinks");
    EXPECT_EQ(child<QComboBox>(window, "linksToCheckBox")->currentText(), "every link");
}

TEST_F(LinkRotChecksTest, UnderEveryLinkTheFixDialogSuggestsFilesOfAnyType)
{
    write("index.htm", "<img src='pics/logo.png'>\r\n<link href=\"site.CSS?v=2\" rel=stylesheet>");
    write("img/logo.png", "");
    write("css/site.css", "");
    child<QComboBox>(window, "linksToCheckBox")->setCurrentIndex(1);
    chooseSite();
    pick(1);
    ASSERT_EQ(window->currentFile(), base + "index.htm");
    window->fixAction()->trigger();
    FixWindow* fix = window->fixWindow();
    ASSERT_NE(fix, nullptr);
    EXPECT_EQ(itemTexts(fix->brokenLinksList()), (QStringList { "pics/logo.png", "site.CSS?v=2" }));
    EXPECT_EQ(itemTexts(fix->suggestedList()), QStringList { "img/logo.png" });
    child<QPushButton>(fix, "changeLinkButton")->click();
    EXPECT_EQ(itemTexts(fix->suggestedList()), QStringList { "css/site.css" });
    prompter.expectOpenFile("Find the correct file", base + "css/site.css");
    child<QPushButton>(fix, "browseButton")->click();
    settle();
    EXPECT_EQ(window->fixWindow(), nullptr);
    EXPECT_EQ(window->codePane()->text(), "<img src='img/logo.png'>\r\n<link href=\"css/site.css\" rel=stylesheet>");
    EXPECT_EQ(broken->count(), 0);
}

TEST_F(LinkRotChecksTest, WebLinksJoinTheListAndTheirCancelStopsOnlyThem)
{
    LoopbackServer server;
    write("index.htm",
        ("<a href=\"" + server.url("/ok") + "\"> <a href=\"" + server.url("/missing") + "\"> <a href=\""
            + server.url("/moved") + "\"> <a href=\"gone.htm\">")
            .toUtf8());
    write("slow.htm", ("<a href=\"gone.htm\"> <a href=\"" + server.url("/never") + "\">").toUtf8());
    chooseSite();
    webBox->setChecked(true);
    auto* progress = child<QProgressBar>(window, "webProgress");
    auto* cancel = child<QPushButton>(window, "cancelWebButton");
    EXPECT_TRUE(progress->isHidden());
    pick(0);
    EXPECT_EQ(itemTexts(broken), (QStringList { "gone.htm", server.url("/missing") + "   (web link: 404)" }));
    EXPECT_TRUE(progress->isHidden());
    EXPECT_TRUE(cancel->isHidden());

    window->webCheckOptions().timeoutMs = 30000;
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, cancel, [cancel] {
        if (!cancel->isHidden()) cancel->click();
    });
    presser.start(20);
    pick(1);
    EXPECT_EQ(window->currentFile(), base + "slow.htm");
    EXPECT_EQ(itemTexts(broken), QStringList { "gone.htm" });
    EXPECT_TRUE(cancel->isHidden());
    EXPECT_EQ(server.methodsFor("/never").size(), 1);
}
