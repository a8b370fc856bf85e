#include "BibleText.h"

#include <gtest/gtest.h>

TEST(BibleTextTest, SwordReferenceDropsPartVerseLetters) {
    const struct {
        const char* table;
        const char* sword;
    } cases[] = {
        {"Luke 1:46b-55", "Luke 1:46-55"},
        {"Acts 2:14a, 22-32", "Acts 2:14, 22-32"},
        {"Psalm 147:1-11, 20c", "Psalm 147:1-11, 20"},
        {"2 Corinthians 5:20b-6:10", "2 Corinthians 5:20-6:10"},
        {"Psalm 122", "Psalm 122"},
        {"1 John 3:1-3", "1 John 3:1-3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BibleText::swordReference(QString::fromUtf8(c.table)),
                  QString::fromUtf8(c.sword));
}

class BibleTextModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(m_bible.open(QStringLiteral("WEB"), QString(), &error)) << error.toStdString();
    }
    BibleText m_bible;
};

TEST_F(BibleTextModuleTest, ReadsAVerseAsTextAndHtml) {
    BiblePassage passage;
    QString error;
    ASSERT_TRUE(m_bible.passage(QStringLiteral("John 11:35"), &passage, &error));
    EXPECT_EQ(passage.verses, 1);
    EXPECT_EQ(passage.text, QStringLiteral("35 Jesus wept."));
    EXPECT_EQ(passage.html, QStringLiteral("<P><SUP>35</SUP>&nbsp;Jesus wept.</P>"));
}

TEST_F(BibleTextModuleTest, PassagesAcrossChaptersAndListsOfVerses) {
    BiblePassage passage;
    QString error;
    ASSERT_TRUE(m_bible.passage(QStringLiteral("Isaiah 52:13-53:12"), &passage, &error));
    EXPECT_EQ(passage.verses, 15);
    EXPECT_TRUE(passage.html.startsWith(QStringLiteral("<P><SUP>13</SUP>&nbsp;")));
    EXPECT_TRUE(passage.html.contains(QStringLiteral("<SUP>53:1</SUP>")));
    EXPECT_TRUE(passage.text.contains(QStringLiteral("\n53:1 ")));

    ASSERT_TRUE(m_bible.passage(QStringLiteral("Genesis 2:15-17; 3:1-7"), &passage, &error));
    EXPECT_EQ(passage.verses, 10);
    ASSERT_TRUE(m_bible.passage(QStringLiteral("Acts 2:14a, 22-32"), &passage, &error));
    EXPECT_EQ(passage.verses, 12);
    // Poetry keeps its lines; markup in the text is escaped.
    ASSERT_TRUE(m_bible.passage(QStringLiteral("Psalm 23"), &passage, &error));
    EXPECT_EQ(passage.verses, 6);
    EXPECT_TRUE(passage.html.contains(QStringLiteral("<BR>")));
    EXPECT_FALSE(passage.html.contains(QLatin1Char('\n')));
}

TEST_F(BibleTextModuleTest, AReferenceWithoutVersesIsAnError) {
    BiblePassage passage;
    QString error;
    EXPECT_FALSE(m_bible.passage(QStringLiteral("Romans 16:25-27"), &passage, &error));
    EXPECT_EQ(error, QStringLiteral(
                         "The reference \"Romans 16:25-27\" names no verse of the Bible module."));
    EXPECT_FALSE(m_bible.passage(QString(), &passage, &error));
}

TEST(BibleTextOpenTest, AMissingModuleIsAnError) {
    BibleText bible;
    QString error;
    EXPECT_FALSE(bible.open(QStringLiteral("NoSuchBible"), QString(), &error));
    EXPECT_EQ(error, QStringLiteral("The Bible module \"NoSuchBible\" is not installed (Debian "
                                    "package sword-text-web)."));
    BiblePassage passage;
    EXPECT_FALSE(bible.passage(QStringLiteral("John 1:1"), &passage, &error));
    EXPECT_EQ(error, QStringLiteral("No Bible module is open."));
}
