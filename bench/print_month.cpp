// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// A month calendar printed to a PDF file through the print preview component, set up as the
// host window sets it up (landscape, 2 cm margins, header, footer, full scale), against
// drawing the same texts and rectangles with a bare QPainter on a QPdfWriter in the same
// program, the two in turns (Turns.h). The user counter `ratio` is the first over the second.

#include "BareSqlite.h"
#include "Turns.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/cZiRivedUvuridu.h"
#include "host_window/ui/HostPrinting.h"

#include <QApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kWeeks = 6;

struct Fixture {
    QTemporaryDir dir;
    MonthCalendarView view;
    QString pdf;

    Fixture() {
        pdf = dir.path() + QStringLiteral("/month.pdf");
        MonthCalendarModel& m = view.model();
        m.setCurrentDate(QDate(2024, 3, 10));
        for (int day = 1; day <= m.daysInMonth(); ++day) {
            m.setDayText(day, 1, QStringLiteral("Weekday of the third week of Lent %1").arg(day));
            m.setDayText(day, 2, QStringLiteral("Saint of the day"));
            m.setDayText(day, 3, day % 7 == 3 ? QStringLiteral("Feast") : QString());
            m.paintDay(day, day % 7 == 3 ? 0x0000C6 : 0xD777B3);
            m.setDayMarker(day, day % 7 == 3 ? 3 : 0);
        }
        HostPrinting::prepareMonthForPaper(m);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The same page drawn bare: header, footer, title, weekday names, 42 cells with a fill, a
// frame, the day number and three lines wrapped to the cell.
void bareMonth(const QString& file) {
    const MonthCalendarModel& m = fixture().view.model();
    QPdfWriter writer(file);
    writer.setResolution(1200);
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(56.7, 56.7, 56.7, 56.7), QPageLayout::Point);
    QPainter p(&writer);
    const QRectF area(QPointF(0, 0),
                      QSizeF(writer.pageLayout().paintRectPixels(writer.resolution()).size()));
    QFont f(QStringLiteral("Sans Serif"));
    f.setPointSizeF(9);
    p.setFont(f);
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Liturgy Calendar"));
    p.drawText(area, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Date of print: today"));
    const QRectF grid = area.adjusted(0, area.height() / 8, 0, -area.height() / 20);
    f.setPointSizeF(18);
    p.setFont(f);
    p.drawText(QRectF(area.left(), area.top() + 200, area.width(), 400), Qt::AlignCenter,
               QStringLiteral("March 2024"));
    f.setPointSizeF(10);
    p.setFont(f);
    const QStringList names = fixture().view.dayNames();
    for (int c = 0; c < 7; ++c)
        p.drawText(
            QRectF(grid.left() + grid.width() * c / 7, grid.top() - 250, grid.width() / 7, 250),
            Qt::AlignCenter, names.value(c));
    f.setPointSizeF(8);
    p.setFont(f);
    const QDate first = QDate(2024, 2, 25);
    for (int i = 0; i < 7 * kWeeks; ++i) {
        const QDate d = first.addDays(i);
        const QRectF cell(grid.left() + grid.width() * (i % 7) / 7,
                          grid.top() + grid.height() * (i / 7) / kWeeks, grid.width() / 7,
                          grid.height() / kWeeks);
        p.fillRect(cell, d.month() == 3 ? QColor(0xB3, 0x77, 0xD7) : QColor(0xF2, 0xF2, 0xF2));
        p.drawRect(cell);
        p.drawText(cell, Qt::AlignLeft | Qt::AlignTop, QString::number(d.day()));
        if (d.month() != 3)
            continue;
        for (int line = 1; line <= 3; ++line)
            p.drawText(cell.adjusted(0, 200 * line, 0, 0),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m.dayText(d.day(), line));
    }
}

void print_month(benchmark::State& state) {
    Fixture& f = fixture();
    cZiRivedUvuridu preview;
    HostPrinting::setUpPreview(&preview, 1, QStringLiteral("Liturgy Calendar"));
    preview.setPctMonth(&f.view);
    preview.setPScaleFactor(100);
    preview.setPOutputFile(f.pdf);
    // Warm: the first print loads the print support and the fonts once for the program.
    bool printed = preview.mShowMonth(1, true);
    bareMonth(f.pdf);
    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(
            9, 5, bench::threadNanos, [&] { printed = preview.mShowMonth(1, true) && printed; },
            [&] { bareMonth(f.pdf); });
    if (!printed)
        state.SkipWithError("a month was not printed");
    bench::report(state, turns);
}

BENCHMARK(print_month)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    fixture();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
