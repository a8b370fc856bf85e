// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "BibleText.h"

#include "Lectionary.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

// References with part-verse letters (14a, 46b, 20c, 15a) are read whole below: the module is
// asked for the whole verses, and the passage keeps the part named.
class BibleTextModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(m_bible.open("WEB", QString(), &error)) << error.toStdString();
        QFile verses(":/sample_data/verses.txt");
        ASSERT_TRUE(verses.open(QIODevice::ReadOnly));
        ASSERT_TRUE(m_bible.loadVerses(verses.readAll(), "verses.txt", &error))
            << error.toStdString();
    }
    BibleText m_bible;
};

TEST_F(BibleTextModuleTest, AVersePassagesAcrossChaptersAndListsOfVerses) {
    BiblePassage passage;
    QString error;
    ASSERT_TRUE(m_bible.passage("John 11:35", &passage, &error));
    EXPECT_EQ(passage.verses, 1);
    EXPECT_EQ(passage.text, "35 Jesus wept.");
    EXPECT_EQ(passage.html, "<P><SUP>35</SUP>&nbsp;Jesus wept.</P>");
    ASSERT_TRUE(m_bible.passage("Isaiah 52:13-53:12", &passage, &error));
    EXPECT_EQ(passage.verses, 15);
    EXPECT_TRUE(passage.html.startsWith("<P><SUP>13</SUP>&nbsp;"));
    EXPECT_TRUE(passage.html.contains("<SUP>53:1</SUP>"));
    EXPECT_TRUE(passage.text.contains("\n53:1 "));

    ASSERT_TRUE(m_bible.passage("Genesis 2:15-17; 3:1-7", &passage, &error));
    EXPECT_EQ(passage.verses, 10);
    ASSERT_TRUE(m_bible.passage("Acts 2:14a, 22-32", &passage, &error));
    EXPECT_EQ(passage.verses, 12);
    // Poetry keeps its lines; markup in the text is escaped.
    ASSERT_TRUE(m_bible.passage("Psalm 23", &passage, &error));
    EXPECT_EQ(passage.verses, 6);
    EXPECT_TRUE(passage.html.contains("<BR>"));
    EXPECT_FALSE(passage.html.contains(QLatin1Char('\n')));
}

TEST_F(BibleTextModuleTest, ExactlyTheVersesNamedWithoutFootnotesOrRunTogetherWords) {
    const struct {
        const char* reference;
        const char* shownAs;
        const char* text;
    } cases[] = {
        {"John 3:16", "",
         "16 For God so loved the world, that he gave his only born Son, that whoever believes in "
         "him should not perish, but have eternal life."},
        {"Genesis 1:1", "", "1 In the beginning, God created the heavens and the earth."},
        {"Proverbs 1:23", "",
         "23 Turn at my reproof.\nBehold, I will pour out my spirit on you.\nI will make known "
         "my words to you."},
        {"Romans 14:22-23", "",
         "22 Do you have faith? Have it to yourself before God. Happy is he who doesn’t judge "
         "himself in that which he approves.\n23 But he who doubts is condemned if he eats, "
         "because it isn’t of faith; and whatever is not of faith is sin."},
        // Not the module's glossary, which it keeps inside the last verse of Revelation.
        {"Revelation 22:20-21", "",
         "20 He who testifies these things says, “Yes, I am coming soon.” Amen! Yes, come, Lord "
         "Jesus!\n21 The grace of the Lord Jesus Christ be with all the saints. Amen."},
        // Not the superscription, which the module keeps inside verse 1.
        {"Psalm 51:1-2", "",
         "1 Have mercy on me, God, according to your loving kindness.\nAccording to the "
         "multitude of your tender mercies, blot out my transgressions.\n2 Wash me thoroughly "
         "from my iniquity.\nCleanse me from my sin."},
        // The lectionary's verse 12 is the module's 12 and 13, its 13 the module's 14.
        {"2 Corinthians 13:11-13", "",
         "11 Finally, brothers, rejoice! Be perfected. Be comforted. Be of the same mind. Live "
         "in peace, and the God of love and peace will be with you.\n12 Greet one another with "
         "a holy kiss. All the saints greet you.\n13 The grace of the Lord Jesus Christ, God’s "
         "love, and the fellowship of the Holy Spirit be with you all. Amen."},
        // Parts of verses: up to, from and only the part named.
        {"2 Peter 3:15a", "", "15 Regard the patience of our Lord as salvation;"},
        {"Luke 1:46b-47", "",
         "46 “My soul magnifies the Lord.\n47 My spirit has rejoiced in God my Savior,"},
        {"Psalm 147:20c", "", "20 Praise Yah!"},
        {"Romans 14:23+", "Romans 16:25-27",
         "25-27 Now to him who is able to establish you according to my Good News and the "
         "preaching of Jesus Christ, according to the revelation of the mystery which has been "
         "kept secret through long ages, but now is revealed, and by the Scriptures of the "
         "prophets, according to the commandment of the eternal God, is made known for "
         "obedience of faith to all the nations; to the only wise God, through Jesus Christ, to "
         "whom be the glory forever! Amen."},
    };
    for (const auto& c : cases) {
        BiblePassage passage;
        QString error;
        ASSERT_TRUE(m_bible.passage(QString::fromUtf8(c.reference), &passage, &error,
                                    QString::fromUtf8(c.shownAs)))
            << error.toStdString();
        EXPECT_EQ(passage.text.toStdString(), std::string(c.text)) << c.reference;
    }
    // A verse without text of its own names nothing.
    BiblePassage passage;
    QString error;
    EXPECT_FALSE(m_bible.passage("Romans 16:25-27", &passage, &error));
    EXPECT_EQ(error, QStringLiteral(
                         "The reference \"Romans 16:25-27\" names no verse of the Bible module."));
    EXPECT_FALSE(m_bible.passage("Romans 14:22+", &passage, &error));
    EXPECT_FALSE(m_bible.passage("John 3:16b", &passage, &error));
    EXPECT_EQ(error, QStringLiteral("The reference \"John 3:16b\" names a part of 3:16 that the "
                                    "verse table does not divide."));
    EXPECT_FALSE(m_bible.passage(QString(), &passage, &error));
}

TEST_F(BibleTextModuleTest, NoPassageOfTheLectionaryRunsTwoOfTheModulesWordsTogether) {
    QFile file(":/sample_data/lectionary.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    Lectionary lectionary;
    QString error;
    ASSERT_TRUE(lectionary.loadText(file.readAll(), "lectionary.txt", &error))
        << error.toStdString();
    static const QRegularExpression separator("[^\\w\\x{2019}']+");
    static const QRegularExpression missingSpace("\\w[,;:.!?]\\p{L}|\u201D\\p{L}");
    QStringList joined;
    for (const LectionaryReading& reading : lectionary.references()) {
        BiblePassage passage;
        QSet<QString> words;
        ASSERT_TRUE(m_bible.passage(reading.textReference, &passage, &error, reading.reference))
            << error.toStdString();
        ASSERT_TRUE(m_bible.markedWords(reading.textReference, &words, &error));
        if (passage.text.contains(QStringLiteral("  ")))
            joined.append(reading.reference + QStringLiteral(": a double space"));
        if (passage.text.contains(missingSpace))
            joined.append(reading.reference + QStringLiteral(": ") +
                          missingSpace.match(passage.text).captured());
        for (const QString& token : passage.text.split(separator, Qt::SkipEmptyParts)) {
            if (words.contains(token) || token.front().isDigit())
                continue;
            for (qsizetype i = 1; i < token.size(); ++i) {
                if (words.contains(token.left(i)) && words.contains(token.mid(i))) {
                    joined.append(reading.reference + QStringLiteral(": ") + token);
                    break;
                }
            }
        }
    }
    EXPECT_EQ(joined, QStringList());
    EXPECT_GT(lectionary.references().size(), 600);
}

TEST(BibleTextOpenTest, AMissingModuleIsAnError) {
    BibleText bible;
    QString error;
    EXPECT_FALSE(bible.open("NoSuchBible", QString(), &error));
    EXPECT_EQ(error, "The Bible module \"NoSuchBible\" is not installed (Debian "
                     "package sword-text-web).");
    BiblePassage passage;
    EXPECT_FALSE(bible.passage("John 1:1", &passage, &error));
    EXPECT_EQ(error, "No Bible module is open.");
}
