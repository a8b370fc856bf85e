// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/CalendarPaint.h"

#include "common/TestEnv.h"
#include "controls/ui/WeekCalendarView.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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

// A wrapped name drawn from its layout looks as its lines drawn one by one with drawText.
TEST(CalendarPaintTest, WrappedLinesDrawAsDrawTextDrawsThem) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    struct Case {
        QString text;
        int maxLines;
        Qt::LayoutDirection direction;
    };
    const QList<Case> cases = {
        {"Weekday of the third week of Lent", 0, Qt::LayoutDirectionAuto},
        {"Weekday of the third week of Lent in the year", 2, Qt::LeftToRight},
        {"  Annunciation of the Lord", 0, Qt::LayoutDirectionAuto},
        {"Lord\tof all, the Annunciation", 0, Qt::LayoutDirectionAuto},
        {"Transfigurationofourlordjesus Christ", 0, Qt::LayoutDirectionAuto},
        {u"Weekday of the third \u05e4\u05e1\u05d7 \u05e9\u05e0\u05d9 2024"_s, 0,
         Qt::LayoutDirectionAuto},
        {"Weekday of the third week of Lent", 0, Qt::RightToLeft},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QImage fromLayout(160, 120, QImage::Format_RGB32);
        QImage byDrawText = fromLayout;
        fromLayout.fill(Qt::white);
        byDrawText.fill(Qt::white);
        QPainter layoutPainter(&fromLayout);
        QPainter drawTextPainter(&byDrawText);
        for (QPainter* p : {&layoutPainter, &drawTextPainter}) {
            p->setFont(font);
            p->setLayoutDirection(c.direction);
        }
        const CalendarPaint::WrappedText wrapped(c.text, layoutPainter, 150, c.maxLines);
        ASSERT_GT(wrapped.lines().size(), 1);
        for (qsizetype i = 0; i < wrapped.lines().size(); ++i) {
            const QRectF rect(5, 5 + 20 * i, 150, 20);
            wrapped.drawLine(layoutPainter, i, rect);
            drawTextPainter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, wrapped.lines()[i]);
        }
        EXPECT_EQ(fromLayout, byDrawText);
    }
}

// A week's days as the view draws them, wide and narrow: seven columns wrap at words; fewer,
// wider columns break a service after its time and place first and cut only a word that no
// line can hold.
TEST(CalendarPaintTest, WeekDaysReadWholeInWideAndNarrowViews) {
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(12);
    WeekCalendarView view;
    view.show();
    view.setFont(mono);
    view.setFrameShape(QFrame::NoFrame);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.model().setFirstDayOfWeek(2);
    view.setRange(QDate(2026, 11, 30), QDate(2026, 12, 6));
    WeekCalendarModel& model = view.model();
    const auto plan = [&](const QDate& date, const QString& names, const QStringList& services,
                          std::optional<qint32> color) {
        model.setDateText(date, (QStringList{names} + services).join(u"\r\n"_s));
        for (const QString& service : services)
            model.addDateService(date, service);
        model.setDateMarker(date, services.isEmpty() ? 0 : services.size() == 1 ? 1 : 3);
        if (color)
            model.setDateColor(date, 1, *color);
    };
    plan({2026, 11, 30}, u"Andrew, Apostle"_s, {}, 0x0000C0);
    plan({2026, 12, 2}, QString(), {u"09:30 - Menighetshuset - Familiegudstjeneste"_s},
         std::nullopt);
    plan({2026, 12, 3}, QString(), {u"10:30 - Fjordview Nursing Home - Holy Communion"_s},
         0xD070B0);
    plan({2026, 12, 6}, u"Advent 2"_s,
         {u"11:00 - St. Mary's Church - Holy Communion"_s,
          u"18:00 - St. Mary's Church - Evening Prayer"_s},
         0xD070B0);
    struct Case {
        int width;
        int columns;
        QList<QStringList> days; // Monday to Sunday: the header, then the lines
    };
    // The days without services are alike in the three widest views.
    const auto week = [](const QStringList& wed, const QStringList& thu, const QStringList& sun) {
        return QList<QStringList>{{"Mon 30 Nov", "Andrew, Apostle"},
                                  {"Tue 1 Dec"},
                                  wed,
                                  thu,
                                  {"Fri 4 Dec"},
                                  {"Sat 5 Dec"},
                                  sun};
    };
    const QStringList wed = {"Wed 2 Dec", "", "09:30 -", "Menighetshuset -", "Familiegudstjen…"};
    const QStringList thu = {"Thu 3 Dec",     "", "10:30 -", "Fjordview", "Nursing Home -",
                             "Holy Communion"};
    // 15 letters a line in seven or four columns, 25 or 11 in one.
    const QList<Case> cases = {
        {910, 7,
         week(wed, thu,
              {"Sun 6 Dec", "Advent 2", "11:00 - St.", "Mary's Church -", "Holy Communion",
               "18:00 - St.", "Mary's Church -", "Evening Prayer"})},
        {520, 4,
         week(wed, thu,
              {"Sun 6 Dec", "Advent 2", "11:00 -", "St. Mary's", "Church -", "Holy Communion",
               "18:00 -", "St. Mary's", "Church -", "Evening Prayer"})},
        {200, 1,
         week({"Wed 2 Dec", "", "09:30 - Menighetshuset -", "Familiegudstjeneste"},
              {"Thu 3 Dec", "", "10:30 -", "Fjordview Nursing Home -", "Holy Communion"},
              {"Sun 6 Dec", "Advent 2", "11:00 -", "St. Mary's Church -", "Holy Communion",
               "18:00 -", "St. Mary's Church -", "Evening Prayer"})},
        // The headers leave out the month alike, for the one that needs room for its dots.
        {100,
         1,
         {{"Mon 30", "Andrew,", "Apostle"},
          {"Tue 1"},
          {"Wed 2", "", "09:30 -", "Menighetshu…", "Familieguds…"},
          {"Thu 3", "", "10:30 -", "Fjordview", "Nursing", "Home -", "Holy", "Communion"},
          {"Fri 4"},
          {"Sat 5"},
          {"Sun 6", "Advent 2", "11:00 -", "St. Mary's", "Church -", "Holy", "Communion", "18:00 -",
           "St. Mary's", "Church -", "Evening", "Prayer"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        view.resize(c.width, 1000);
        QList<QStringList> days;
        for (QDate date(2026, 11, 30); date <= QDate(2026, 12, 6); date = date.addDays(1))
            days.append(view.drawnLines(date));
        EXPECT_EQ(view.columns(), c.columns);
        EXPECT_EQ(days, c.days);
    }
}

TEST(CalendarPaintTest, CellBordersDrawAsARectWithAOnePixelPen) {
    // Cells of a month and of a narrow pane, a half-transparent line, and cells too small for
    // four strips.
    const struct {
        QRect cell;
        QColor color;
    } cases[] = {
        {{3, 4, 120, 100}, QColor(0xa0, 0xa0, 0xa0)},
        {{0, 0, 17, 9}, QColor(0x40, 0x80, 0xc0, 0x80)},
        {{5, 5, 2, 30}, Qt::black},
        {{5, 5, 30, 1}, Qt::black},
    };
    for (const auto& c : cases) {
        QImage strips(140, 120, QImage::Format_ARGB32_Premultiplied);
        strips.fill(Qt::white);
        QImage outline = strips;
        QPainter stripsPainter(&strips);
        CalendarPaint::drawCellBorder(stripsPainter, c.cell, c.color);
        QPainter outlinePainter(&outline);
        outlinePainter.setPen(c.color);
        outlinePainter.drawRect(c.cell.adjusted(0, 0, -1, -1));
        stripsPainter.end();
        outlinePainter.end();
        EXPECT_EQ(strips, outline) << c.cell.width() << "x" << c.cell.height();
    }
}

} // namespace
