#include "editor/TextFile.h"
#include "shared/FontNames.h"
#include "shared/TempPages.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
enum class Holder { DanglingLink, LinkToOwnPage, Directory, UsersFile };

struct HeldName {
    const char* name;
    const char* fileName;
    Holder holder;
};

class TempPagesTest : public ::testing::TestWithParam<HeldName> { };

// A temporary page is only ever a regular file the program made: whatever else holds the name
// keeps it, untouched, and the page goes to the next free name.
TEST_P(TempPagesTest, ANameHeldByAnythingElseMovesOn)
{
    const HeldName& c = GetParam();
    QTemporaryDir dir, elsewhere;
    const QString name = QString::fromLatin1(c.fileName);
    const QString held = dir.filePath(name);
    const QString target = elsewhere.filePath("target");
    switch (c.holder) {
    case Holder::DanglingLink:
        ASSERT_TRUE(QFile::link(elsewhere.filePath("nothing"), held));
        break;
    case Holder::LinkToOwnPage:
        writeBytes(target, (TempPages::markerLine(name) + "\r\n").toUtf8());
        ASSERT_TRUE(QFile::link(target, held));
        break;
    case Holder::Directory:
        ASSERT_TRUE(QDir(dir.path()).mkdir(name));
        break;
    case Holder::UsersFile:
        writeFile(held, "the user's own page");
        break;
    }
    const QString chosen = TempPages::pathFor(dir.path(), name);
    const QFileInfo info(name);
    EXPECT_EQ(QFileInfo(chosen).fileName(), info.completeBaseName() + "-2." + info.suffix());
    EXPECT_FALSE(TempPages::removeIfOwn(held));
    EXPECT_TRUE(QFileInfo(held).isSymLink() || QFileInfo::exists(held));
    EXPECT_FALSE(QFileInfo::exists(elsewhere.filePath("nothing")));
    if (c.holder == Holder::UsersFile) EXPECT_EQ(readFile(held), "the user's own page");
}

INSTANTIATE_TEST_SUITE_P(Names, TempPagesTest,
    ::testing::Values(HeldName { "DanglingLinkAsPreview", "1temp.htm", Holder::DanglingLink },
        HeldName { "LinkAsViewerPage", "1view.htm", Holder::LinkToOwnPage },
        HeldName { "DirectoryAsPreview", "1temp.htm", Holder::Directory },
        HeldName { "UsersFileAsSheetPage", "1xiv.htm", Holder::UsersFile },
        HeldName { "DanglingLinkAsSheet", "1xiv.css", Holder::DanglingLink }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TempPages, AnOwnPageIsReusedAndRemoved)
{
    QTemporaryDir dir;
    const QString first = TempPages::pathFor(dir.path(), "1temp.htm");
    EXPECT_EQ(first, dir.filePath("1temp.htm"));
    writeBytes(first, (TempPages::markerLine(first) + "\r\n<p>").toUtf8());
    EXPECT_EQ(TempPages::pathFor(dir.path(), "1temp.htm"), first);
    EXPECT_TRUE(TempPages::removeIfOwn(first));
    EXPECT_FALSE(QFileInfo::exists(first));
}

// fontconfig's "[foundry]" suffix goes, and each family is listed once.
TEST(FontNames, EachFamilyOnceByItsPlainName)
{
    EXPECT_EQ(plainFontFamilies({ "C059 [UKWN]", "C059 [urw]", "DejaVu Sans", "Nimbus Sans [urw]", "Nimbus Sans",
                  "Odd [name] Font" }),
        (QStringList { "C059", "DejaVu Sans", "Nimbus Sans", "Odd [name] Font" }));
}
} // namespace
