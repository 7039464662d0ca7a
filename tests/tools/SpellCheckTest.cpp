#include "support/QStringPrinter.h"
#include "tools/SpellCheck.h"
#include "platform/AppDirs.h"
#include "platform/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {


// "offset:word offset:word ..."
QString describe(const QList<SpellWord>& words)
{
    QStringList parts;
    for (const SpellWord& w : words)
        parts << QString::number(w.offset) + u':' + w.text;
    return parts.join(u' ');
}

TEST(SpellWords, SkipMarkupAndCountBreaksAsTwo)
{
    const struct {
        const char* text;
        const char* words;
    } cases[] = {
        { "Hello\r\nwide world", "0:Hello 7:wide 12:world" },
        { "<P CLASS=\"intro\">Good day</P>", "17:Good 22:day" },
        { "Tom&amp;Jerry&nbsp;ran &#169;&#xA9; end", "0:Tom 8:Jerry 19:ran 36:end" },
        // Without the semicolon no entity: the bare name is a word (and ignored by the checker).
        { "a &nbsp b & c AT&T", "0:a 3:nbsp 8:b 12:c 14:AT 17:T" },
        { "<SCRIPT>var x = 1;</SCRIPT>\r\nOne<!-- hidden\r\ntext -->two\r\n<style type=\"text/css\">p {}</STYLE>three",
            "29:One 53:two 93:three" },
        { "don't 'quoted' h1 2nd a < b<5", "0:don't 7:quoted 22:a 26:b" },
        { "Hi<script>alert('x')", "0:Hi" },
        { "<scripted>ok</scripted>", "10:ok" },
        { "<!-- never closed\r\nword", "" },
        { "na\xc3\xafve caf\xc3\xa9", "0:na\xc3\xafve 6:caf\xc3\xa9" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(spellWords(QString::fromUtf8(c.text))), QString::fromUtf8(c.words)) << c.text;
}

TEST(FindDictionary, PrefersTheLocaleThenItsLanguageThenEnglish)
{
    QTemporaryDir first, second;
    const auto make = [](const QTemporaryDir& dir, const QStringList& names) {
        for (const QString& name : names) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    };
    make(first, { "de_DE.dic", "de_DE.aff", "fr_FR.dic", "es_ES.dic", "es_ES.aff" });
    make(second, { "en_GB.dic", "en_GB.aff", "en_US.dic", "en_US.aff" });
    const QStringList both = { first.path(), second.path() };
    const struct {
        QStringList dirs;
        const char* locale;
        QString found;
    } cases[] = {
        { both, "en_US", second.filePath("en_US.dic") },
        { both, "de_AT", first.filePath("de_DE.dic") },
        { both, "en_AU", second.filePath("en_GB.dic") },
        { both, "fr_FR", second.filePath("en_US.dic") }, // no .aff beside fr_FR.dic
        { both, "C", second.filePath("en_US.dic") },
        { { first.path() }, "C", first.filePath("de_DE.dic") },
        { { first.path() + "/missing" }, "en_US", QString() },
    };
    for (const auto& c : cases)
        EXPECT_EQ(findDictionary(c.dirs, c.locale), c.found) << c.locale;
}

// The checker over the installed en_US dictionary, with the settings in a temporary directory.
class SpellCheckerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dictionary = findDictionary({ "/usr/share/hunspell" }, "en_US");
        if (!dictionary.endsWith("/en_US.dic")) GTEST_SKIP() << "no en_US Hunspell dictionary installed";
        AppDirs::setSettingsDir(settings.path());
    }
    QByteArray userDictionary() const
    {
        QFile f(settings.filePath("userdict.dic"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir settings;
    QString dictionary;
};

TEST_F(SpellCheckerTest, FindsMisspeltWordsIgnoresEntityNamesAndSuggests)
{
    SpellChecker checker(dictionary);
    EXPECT_TRUE(checker.isCorrect("hello"));
    EXPECT_TRUE(checker.isCorrect("Hello"));
    EXPECT_TRUE(checker.isCorrect("don't"));
    EXPECT_FALSE(checker.isCorrect("helo"));
    EXPECT_TRUE(checker.suggestions("helo").contains("hello"));
    for (const char* name : { "lt", "gt", "nbsp", "quot", "NBSP" })
        EXPECT_TRUE(checker.isCorrect(name)) << name;
}

TEST_F(SpellCheckerTest, IgnoreAllHoldsInAnyCaseForThisCheckerOnly)
{
    SpellChecker checker(dictionary);
    EXPECT_FALSE(checker.isCorrect("Pelorin"));
    checker.ignoreAll("Pelorin");
    EXPECT_TRUE(checker.isCorrect("pelorin"));
    EXPECT_TRUE(checker.isCorrect("PELORIN"));
    EXPECT_FALSE(SpellChecker(dictionary).isCorrect("Pelorin"));
    EXPECT_EQ(userDictionary(), "<missing>");
}

TEST_F(SpellCheckerTest, AddWritesTheUserDictionaryWhichTheNextCheckerReads)
{
    {
        SpellChecker checker(dictionary);
        checker.addWord("Pelorin");
        checker.addWord("zorbly");
        EXPECT_TRUE(checker.isCorrect("Pelorin"));
        EXPECT_TRUE(checker.isCorrect("zorbly"));
    }
    EXPECT_EQ(userDictionary(), "Pelorin\r\nzorbly\r\n");
    SpellChecker again(dictionary);
    EXPECT_TRUE(again.isCorrect("Pelorin"));
    EXPECT_TRUE(again.isCorrect("zorbly"));
    EXPECT_FALSE(again.isCorrect("zorblx"));
}

TEST_F(SpellCheckerTest, AUserDictionaryThatCannotBeReadOrWrittenThrowsAndTakesNoWord)
{
    SpellChecker checker(dictionary);
    ASSERT_TRUE(QDir(settings.path()).mkdir("userdict.dic"));
    EXPECT_THROW(checker.addWord("zorbly"), FileError);
    EXPECT_FALSE(checker.isCorrect("zorbly"));
    EXPECT_THROW(SpellChecker { dictionary }, FileError);
}

QString applied(QString text, const QList<TextEdit>& edits)
{
    for (const TextEdit& e : edits)
        text.replace(e.offset, e.length, e.text);
    return text;
}

TEST_F(SpellCheckerTest, ARunWalksTheMisspeltWordsAndShiftsThoseAfterAChange)
{
    SpellChecker checker(dictionary);
    QString text = "<B>Teh</B> cat\r\nteh dgo and teh dgo";
    SpellCheckRun run(checker, text);
    ASSERT_EQ(run.current(), (SpellWord { 3, "Teh" }));
    run.ignore();
    ASSERT_EQ(run.current(), (SpellWord { 16, "teh" }));
    auto edits = run.changeAll("the");
    EXPECT_EQ(edits, (QList<TextEdit> { { 16, 3, "the" }, { 28, 3, "the" } }));
    text = applied(text, edits);
    ASSERT_EQ(run.current(), (SpellWord { 20, "dgo" }));
    edits = run.change("dogs");
    EXPECT_EQ(edits, (QList<TextEdit> { { 20, 3, "dogs" } }));
    text = applied(text, edits);
    ASSERT_EQ(run.current(), (SpellWord { 33, "dgo" }));
    EXPECT_EQ(text.mid(33, 3), "dgo");
    EXPECT_TRUE(run.change("dgo").isEmpty()); // unchanged: no edit, move on
    EXPECT_EQ(run.current(), std::nullopt);
    EXPECT_EQ(text, "<B>Teh</B> cat\r\nthe dogs and the dgo");
}

TEST_F(SpellCheckerTest, ARunSkipsEntitiesAndWordsIgnoredOrAdded)
{
    SpellChecker checker(dictionary);
    EXPECT_EQ(SpellCheckRun(checker, "one&nbsp;two nbsp lt gt quot &lt;b&gt; &#8212;").current(), std::nullopt);

    SpellCheckRun run(checker, "zorbly qwxz zorbly qwxz Zorbly");
    ASSERT_EQ(run.current(), (SpellWord { 0, "zorbly" }));
    run.add();
    ASSERT_EQ(run.current(), (SpellWord { 7, "qwxz" }));
    run.ignoreAll();
    EXPECT_EQ(run.current(), std::nullopt); // "Zorbly" is the added word capitalised
    EXPECT_EQ(userDictionary(), "zorbly\r\n");
}

} // namespace
