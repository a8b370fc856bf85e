// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/CalendarPaint.h"

#include <QFont>
#include <QFontMetricsF>
#include <gtest/gtest.h>

// Names in narrow cells: broken at word boundaries, never inside a word; what does not fit is
// shortened with an ellipsis.
namespace {

TEST(CalendarPaintTest, NamesWrapAtWordsAndAreShortenedWhenTheyDoNotFit) {
    // A font whose letters are all as wide, so that widths count letters.
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(20);
    const QFontMetricsF metrics(mono);
    ASSERT_EQ(metrics.horizontalAdvance(QStringLiteral("i")),
              metrics.horizontalAdvance(QStringLiteral("W")));
    const qreal letter = metrics.horizontalAdvance(QStringLiteral("x"));
    struct Case {
        QString text;
        int letters; // the width
        int maxLines;
        QStringList lines;
    };
    const QList<Case> cases = {
        {"Christmas Eve", 13, 0, {"Christmas Eve"}},
        {"Christmas Eve", 9, 0, {"Christmas", "Eve"}},
        {"Christmas Eve", 8, 0, {"Christm…", "Eve"}},
        {"Second Sunday of Advent", 13, 0, {"Second Sunday", "of Advent"}},
        {"Second Sunday of Advent", 13, 1, {"Second Sunda…"}},
        {"The Annunciation of our Lord", 10, 0, {"The", "Annunciat…", "of our", "Lord"}},
        {"The Annunciation of our Lord", 10, 2, {"The", "Annunciat…"}},
        {"18:00 - St. Mary's Church - Evensong",
         12,
         0,
         {"18:00 - St.", "Mary's", "Church -", "Evensong"}},
        {"", 10, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " in " + std::to_string(c.letters));
        EXPECT_EQ(CalendarPaint::wrapText(c.text, mono, c.letters * letter + 0.5, c.maxLines),
                  c.lines);
    }
}

} // namespace
