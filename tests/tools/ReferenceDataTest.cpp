#include "tools/ReferenceData.h"
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"
#include "support/FileBytes.h"

namespace {

// Articles first..last, each "Article N" with CR LF breaks.
QByteArray articles(int first, int last)
{
    QByteArray out = "header\r\n";
    for (int n = first; n <= last; ++n)
        out += ReferenceData::startMarker(n).toUtf8() + "\r\nArticle " + QByteArray::number(n) + "\r\n"
            + ReferenceData::endMarker(n).toUtf8() + "\r\n";
    return out;
}

TEST(ReferenceData, BuiltInTopics)
{
    const QStringList topics = ReferenceData::builtInTopics();
    ASSERT_EQ(topics.size(), 241);
    EXPECT_EQ(topics.first(), "-- (decrement)");
    EXPECT_EQ(topics[157], "onError event handler ");
    EXPECT_EQ(topics[158], "onFocus event handler ");
    EXPECT_EQ(topics[236], "zIndex property ");
    for (int i = 237; i < 241; ++i)
        EXPECT_EQ(topics[i], "");
    EXPECT_EQ(topics.indexOf("!= (not equal) , "), 2);
    EXPECT_EQ(topics.indexOf("&& (logical AND) operator "), 4);
}

TEST(ReferenceData, Markers)
{
    EXPECT_EQ(ReferenceData::startMarker(1), "#start01");
    EXPECT_EQ(ReferenceData::startMarker(9), "#start09");
    EXPECT_EQ(ReferenceData::startMarker(10), "#start10");
    EXPECT_EQ(ReferenceData::endMarker(7), "#end07");
    EXPECT_EQ(ReferenceData::endMarker(158), "#end158");
}

TEST(ReferenceData, ArticleText)
{
    const QString file = "#START01\r\nFirst\r\nline two\r\n#End01\r\n#start02\r\nSecond#end02\r\n"
                         "#start03\r\nno end\r\n#start04 trailing words\r\nFour\r\n#end04\r\n"
                         "#start05\r\n#end05\r\n#end06\r\n#start06\r\nSix\r\n";
    EXPECT_EQ(ReferenceData::articleIn(file, 1), "First\r\nline two\r\n");
    EXPECT_EQ(ReferenceData::articleIn(file, 2), "Second");
    EXPECT_EQ(ReferenceData::articleIn(file, 3), "");
    EXPECT_EQ(ReferenceData::articleIn(file, 4), "Four\r\n");
    EXPECT_EQ(ReferenceData::articleIn(file, 5), "");
    EXPECT_EQ(ReferenceData::articleIn(file, 6), ""); // its end marker stands before its start
    EXPECT_EQ(ReferenceData::articleIn(file, 7), "");
    EXPECT_EQ(ReferenceData::articleIn("#start01\nLF only\n#end01", 1), "LF only\n");
    // The first occurrence counts: "#start15" is met before "#start150".
    EXPECT_EQ(ReferenceData::articleIn(QString::fromUtf8(articles(10, 160)), 15), "Article 15\r\n");
}

TEST(ReferenceData, ArticlesSplitBetweenTheTwoFiles)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("list.jsd"), "first\r\nsecond\r\n");
    writeFile(dir.filePath("details.jsd"), articles(1, 158));
    // The second file also holds a stray 158, which must not be read.
    writeFile(dir.filePath("details2.jsd"), "#start158\r\nwrong\r\n#end158\r\n" + articles(159, 241));
    const ReferenceData data = ReferenceData::load(dir.path());
    EXPECT_EQ(data.missingFiles(), QStringList {});
    EXPECT_EQ(data.topics(), (QStringList { "first", "second" }));
    EXPECT_EQ(data.article(0), "Article 1\n");
    EXPECT_EQ(data.article(8), "Article 9\n");
    EXPECT_EQ(data.article(9), "Article 10\n");
    EXPECT_EQ(data.article(157), "Article 158\n");
    EXPECT_EQ(data.article(158), "Article 159\n");
    EXPECT_EQ(data.article(240), "Article 241\n");
    EXPECT_EQ(data.article(241), "");
    EXPECT_EQ(data.article(-1), "");
}

TEST(ReferenceData, MissingFilesKeepTheBuiltInListAndAreEachNamed)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("details2.jsd"), articles(159, 160));
    const ReferenceData data = ReferenceData::load(dir.path());
    EXPECT_EQ(data.topics(), ReferenceData::builtInTopics());
    EXPECT_EQ(data.missingFiles(),
        (QStringList { QDir::toNativeSeparators(dir.filePath("list.jsd")),
            QDir::toNativeSeparators(dir.filePath("details.jsd")) }));
    EXPECT_EQ(data.article(0), "");
    EXPECT_EQ(data.article(158), "Article 159\n");
}

// A pipe by a data file's name would block the window for good: it counts as missing.
TEST(ReferenceData, APipeAsADataFileIsMissingNotWaitedFor)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("list.jsd"), "first\r\n");
    writeFile(dir.filePath("details2.jsd"), "");
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("details.jsd")).constData(), 0600), 0);
    const ReferenceData data = ReferenceData::load(dir.path());
    EXPECT_EQ(data.missingFiles(), QStringList { QDir::toNativeSeparators(dir.filePath("details.jsd")) });
}

TEST(ReferenceData, FindTopic)
{
    const QStringList topics = ReferenceData::builtInTopics();
    const int down = topics.indexOf("MouseDown event ");
    const int move = topics.indexOf("MouseMove event ");
    EXPECT_EQ(ReferenceData::findTopic(topics, "mouse", 0), down);
    EXPECT_EQ(ReferenceData::findTopic(topics, "mouse", -1), down);
    EXPECT_EQ(ReferenceData::findTopic(topics, "mouse", down), move);
    EXPECT_EQ(ReferenceData::findTopic(topics, "MOUSE", move), move + 1);
    // The first topic is never found; the search does not wrap.
    EXPECT_EQ(ReferenceData::findTopic(topics, "decrement", 0), -1);
    EXPECT_EQ(ReferenceData::findTopic(topics, "abs", topics.indexOf("abs method ")), 144); // moveToAbsolute
    EXPECT_EQ(ReferenceData::findTopic(topics, "abs", 144), -1);
    EXPECT_EQ(ReferenceData::findTopic(topics, "zIndex", 0), 236);
    EXPECT_EQ(ReferenceData::findTopic(topics, "", 0), -1);
    EXPECT_EQ(ReferenceData::findTopic(topics, "nothing like it", 0), -1);
}

TEST(ReferenceData, LookUpWord)
{
    EXPECT_EQ(ReferenceData::lookUpWord("alert"), "alert");
    EXPECT_EQ(ReferenceData::lookUpWord("alert(\"x\")"), "alert");
    EXPECT_EQ(ReferenceData::lookUpWord("images[0]"), "images");
    EXPECT_EQ(ReferenceData::lookUpWord("a[f(1)]"), "a[f");
    EXPECT_EQ(ReferenceData::lookUpWord(""), "");
}

} // namespace
