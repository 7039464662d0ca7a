// The broken-link finder's chosen checks: #anchors and web links, joined to its list, and the
// same answers as pelorin95-site gives.

#include "sitetools/LinkRotWindow.h"
#include "sitetools/SiteToolCommands.h"

#include <QCheckBox>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "LoopbackServer.h"
#include "SiteWindowFixture.h"

namespace {

QStringList texts(const QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

class LinkRotChecksTest : public SiteWindowFixture {
protected:
    LinkRotWindow* window = nullptr;
    QListWidget* pages = nullptr;
    QListWidget* broken = nullptr;
    QCheckBox* anchorsBox = nullptr;
    QCheckBox* webBox = nullptr;

    void SetUp() override
    {
        registerSiteToolCommands(context);
        window = openWindow<LinkRotWindow>("a_findBrokenLinks");
        window->checkPoints().setInterval(0);
        pages = child<QListWidget>(window, "sitePagesList");
        broken = child<QListWidget>(window, "brokenLinksList");
        anchorsBox = child<QCheckBox>(window, "checkAnchorsBox");
        webBox = child<QCheckBox>(window, "checkWebLinksBox");
    }
    void TearDown() override { prompter.verify(); }

    void chooseSite()
    {
        prompter.expectDirectory("Select a Directory", top + "site");
        window->getDirectory();
    }
    void pick(int row)
    {
        QTest::mouseClick(pages->viewport(), Qt::LeftButton, {}, pages->visualItemRect(pages->item(row)).center());
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
    EXPECT_EQ(texts(broken),
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
    QString fromWindow;
    for (int row = 0; row < pages->count(); ++row) {
        pick(row);
        for (const FoundLink& link : window->brokenLinks())
            fromWindow += pages->item(row)->text() + '\t' + QString::number(link.offset) + '\t' + link.text
                + (link.note.isEmpty() ? "" : '\t' + link.note) + '\n';
    }
    QProcess site;
    site.start(PELORIN_SITE_EXECUTABLE, { "--anchors", "links", base });
    ASSERT_TRUE(site.waitForFinished());
    QString fromCommand = QString::fromUtf8(site.readAllStandardOutput());
    fromCommand.truncate(fromCommand.lastIndexOf("pages="));
    EXPECT_EQ(fromWindow, fromCommand);
    EXPECT_TRUE(fromWindow.contains("index.htm\t") && fromWindow.contains("\tanchor\n"));
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
    EXPECT_EQ(texts(broken), (QStringList { "gone.htm", server.url("/missing") + "   (web link: 404)" }));
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
    EXPECT_EQ(texts(broken), QStringList { "gone.htm" });
    EXPECT_TRUE(cancel->isHidden());
    EXPECT_EQ(server.methodsFor("/never").size(), 1);
}
