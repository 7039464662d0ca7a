#include "main/ViewOptions.h"
#include "support/MainWindowFixture.h"
#include "support/QStringPrinter.h"

#include <QMenu>
#include <QMenuBar>

namespace {
class ViewOptionsTest : public MainWindowFixture {
protected:
    QAction* entry(const QString& name) { return window->action(name); }
    QStringList viewMenuEnd()
    {
        QStringList texts;
        for (QAction* a : window->findChild<QMenu*>("viewMenu")->actions())
            texts << (a->isSeparator() ? "-" : a->objectName());
        return texts.mid(texts.lastIndexOf("viewHideButtons"));
    }
};

// Line Numbers is a check entry at the end of the View menu, off at first; its state is written
// at once and comes back at the next start.
TEST_F(ViewOptionsTest, LineNumbersAreRememberedBetweenRuns)
{
    start();
    EXPECT_EQ(viewMenuEnd(), QStringList({ "viewHideButtons", "-", "a_livePreview", "a_lineNumbers", "a_closeTags" }));
    QAction* lineNumbers = entry("a_lineNumbers");
    EXPECT_TRUE(lineNumbers->isCheckable());
    EXPECT_FALSE(lineNumbers->isChecked());
    EXPECT_EQ(lineNumbers->text(), "&Line Numbers");
    EXPECT_FALSE(editor().lineNumbers());

    lineNumbers->trigger();
    EXPECT_TRUE(editor().lineNumbers());
    EXPECT_EQ(readFile(settingsFile("viewoptions.plr")), "0\r\n1\r\n");
    discard();

    start();
    EXPECT_TRUE(entry("a_lineNumbers")->isChecked());
    EXPECT_TRUE(editor().lineNumbers());
    entry("a_lineNumbers")->trigger();
    EXPECT_FALSE(editor().lineNumbers());
    EXPECT_EQ(readFile(settingsFile("viewoptions.plr")), "0\r\n0\r\n");
    discard();
}

// A missing file or a line that is not "1" reads as off; LF line ends read too.
TEST_F(ViewOptionsTest, OddFilesReadAsOff)
{
    writeFile(settingsFile("viewoptions.plr"), "yes\r\n");
    EXPECT_FALSE(ViewOptions::read(settingsFile("viewoptions.plr")).livePreview);
    EXPECT_FALSE(ViewOptions::read(settingsFile("missing.plr")).lineNumbers);
    writeFile(settingsFile("viewoptions.plr"), "1\n1");
    const ViewOptions both = ViewOptions::read(settingsFile("viewoptions.plr"));
    EXPECT_TRUE(both.livePreview && both.lineNumbers);
}
} // namespace
