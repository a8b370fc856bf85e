// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "Lectionary.h"

#include "PrayerTexts.h"
#include "TextTable.h"

#include <gtest/gtest.h>

TEST(LectionaryTest, ReadsDaysYearsAndReadingsInPageOrder) {
    const QByteArray text = "# comment\n"
                            "\n"
                            "advent1 | AC | Isaiah 2:1-5 | Psalm 122 | - | Romans 13:11-14 | - | "
                            "Matthew 24:36-44 | -\n"
                            "palm_sunday | B | Isaiah 50:4-9a | - | Luke 1:46b-55 | "
                            "Romans 16:25-27 {Romans 14:23} | Hebrews 1:1-4 | Mark 15:1-39 | "
                            "Mark 14:1-15:47\n";
    Lectionary lectionary;
    QString error;
    ASSERT_TRUE(lectionary.loadText(text, "t.txt", &error)) << error.toStdString();
    const auto describe = [](const QList<LectionaryReading>& readings) {
        QStringList list;
        for (const LectionaryReading& r : readings)
            list.append(
                QStringLiteral("%1 %2 = %3").arg(r.component).arg(r.reference, r.textReference));
        return list;
    };
    EXPECT_EQ(describe(lectionary.readings("advent1", QLatin1Char('C'))),
              (QStringList{"202 Isaiah 2:1-5 = Isaiah 2:1-5", "208 Psalm 122 = Psalm 122",
                           "203 Romans 13:11-14 = Romans 13:11-14",
                           "204 Matthew 24:36-44 = Matthew 24:36-44"}));
    EXPECT_TRUE(lectionary.readings("advent1", QLatin1Char('B')).isEmpty());
    EXPECT_EQ(
        describe(lectionary.readings("palm_sunday", QLatin1Char('B'))),
        (QStringList{"202 Isaiah 50:4-9a = Isaiah 50:4-9a", "209 Luke 1:46b-55 = Luke 1:46b-55",
                     "203 Romans 16:25-27 = Romans 14:23", "214 Hebrews 1:1-4 = Hebrews 1:1-4",
                     "204 Mark 15:1-39 = Mark 15:1-39", "217 Mark 14:1-15:47 = Mark 14:1-15:47"}));
    EXPECT_EQ(lectionary.references().size(), 10);
    EXPECT_TRUE(lectionary.hasDay("palm_sunday"));
    EXPECT_FALSE(lectionary.hasDay("Palm_Sunday"));
}

TEST(LectionaryTest, MalformedLinesAreReportedWithTheirLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"advent1 | A | Isaiah 2:1-5\n", "t.txt, line 1: 3 fields where 9 are expected"},
        {"#\nadvent1 | D | a | b | c | d | e | f | g\n",
         "t.txt, line 2: unknown lectionary year \"D\""},
        {"advent1 | a | a | b | c | d | e | f | g\n",
         "t.txt, line 1: unknown lectionary year \"a\""},
        {"advent1 | A | a | b | c | d | e | f | g\nadvent1 | CA | a | b | c | d | e | f | g\n",
         "t.txt, line 2: advent1 in year A appears twice"},
        {"- | A | a | b | c | d | e | f | g\n", "t.txt, line 1: a day and its years are needed"},
        {"x | A | a {b | b | c | d | e | f | g\n", "t.txt, line 1: unclosed brace in \"a {b\""},
    };
    for (const auto& c : cases) {
        Lectionary lectionary;
        QString error;
        EXPECT_FALSE(lectionary.loadText(c.text, "t.txt", &error)) << c.text;
        EXPECT_EQ(error, QString::fromUtf8(c.error));
    }
    Lectionary lectionary;
    QString error;
    EXPECT_FALSE(lectionary.load("/nonexistent/lectionary.txt", &error));
    EXPECT_TRUE(error.startsWith("Cannot read /nonexistent/lectionary.txt"));
}

TEST(LectionaryTest, PrayerTextsFallBackToEveryGroup) {
    const QByteArray text = "advent | collect | en | Advent Collect | Come, Lord. // Amen.\n"
                            "* | collect | en | Collect | Hear us <now>.\n"
                            "* | collect | no | Kollektbønn | Hør oss.\n";
    PrayerTexts texts;
    QString error;
    ASSERT_TRUE(texts.loadText(text, "p.txt", &error)) << error.toStdString();
    const PrayerText* advent = texts.find("advent", "collect", "en");
    ASSERT_TRUE(advent);
    EXPECT_EQ(advent->id, 1);
    EXPECT_EQ(advent->text, "Come, Lord.\n\nAmen.");
    EXPECT_EQ(advent->html(), "<P>Come, Lord.</P><P>Amen.</P>");
    const PrayerText* other = texts.find("easter", "collect", "en");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->id, 2);
    EXPECT_EQ(other->html(), "<P>Hear us &lt;now&gt;.</P>");
    EXPECT_EQ(texts.find("advent", "collect", "no")->name, "Kollektbønn");
    EXPECT_EQ(texts.find("advent", "blessing", "en"), nullptr);

    const char* bad[] = {
        "advent | collect | de | Name | Text\n",
        "advent | prayer | en | Name | Text\n",
        "advent | collect | en | - | Text\n",
        "advent | collect | en | A | Text\nadvent | collect | en | B | Text\n",
    };
    for (const char* line : bad)
        EXPECT_FALSE(texts.loadText(line, "p.txt", &error)) << line;
    EXPECT_EQ(error, "p.txt, line 2: a second advent/collect/en text");
}
