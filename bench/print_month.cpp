// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// A month calendar printed to a PDF file through the print preview component, set up as the
// host window sets it up (landscape, 2 cm margins, header, footer, full scale), against
// drawing the same texts and rectangles with a bare QPainter on a QPdfWriter in the same
// program, the two in turns (Turns.h). The user counter `ratio` is the first over the second.

#include "BareSqlite.h"
#include "Turns.h"
#include "controls/ui/CalendarPaint.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/cZiRivedUvuridu.h"
#include "host_window/ui/HostPrinting.h"

#include <QApplication>
#include <QFontMetricsF>
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
    QString footer = HostPrinting::printFooter();

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

// The same page drawn bare, as the printed one shows it: header, footer, the title and the
// weekday names in bold, 42 cells with their fill, the day number in bold in the day's text
// colour, the service dots and the name lines wrapped to the cell, then the grid over them.
void bareMonth(const QString& file) {
    const MonthCalendarModel& m = fixture().view.model();
    QPdfWriter writer(file);
    writer.setResolution(1200);
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(56.7, 56.7, 56.7, 56.7), QPageLayout::Point);
    writer.setTitle(QStringLiteral("Liturgy Calendar"));
    QPainter p(&writer);
    const QRectF area(QPointF(0, 0),
                      QSizeF(writer.pageLayout().paintRectPixels(writer.resolution()).size()));
    const auto font = [](double points, bool bold) {
        QFont f(QStringLiteral("Sans Serif"));
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    };
    const auto height = [&writer](const QFont& f) { return QFontMetricsF(f, &writer).height(); };
    const QFont page = font(9, false);
    p.setFont(page);
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Liturgy Calendar"));
    p.drawText(area, Qt::AlignLeft | Qt::AlignBottom, fixture().footer);
    const double band = height(page) * 1.8;
    QRectF body = area.adjusted(0, band, 0, -band);

    const QFont title = font(18, true);
    p.setFont(title);
    const double titleHeight = height(title) * 1.4;
    p.drawText(QRectF(body.left(), body.top(), body.width(), titleHeight), Qt::AlignCenter,
               QStringLiteral("March 2024"));
    body.adjust(0, titleHeight, 0, 0);

    const QFont dayName = font(10, true);
    p.setFont(dayName);
    const double nameHeight = height(dayName) * 1.5;
    const QStringList names = fixture().view.dayNames();
    const auto left = [&body](int column) { return body.left() + body.width() * column / 7; };
    for (int c = 0; c < 7; ++c)
        p.drawText(QRectF(left(c), body.top(), left(c + 1) - left(c), nameHeight), Qt::AlignCenter,
                   names.value((c + 1) % 7));
    body.adjust(0, nameHeight, 0, 0);

    const QFont number = font(11, true);
    const QFont line = font(8, false);
    const double numberHeight = height(number);
    const double inset = (25 + 4) * 1200 / 1440.0;
    const QDate first = QDate(2024, 2, 26);
    QList<QRectF> frames;
    for (int i = 0; i < 7 * kWeeks; ++i) {
        const QDate d = first.addDays(i);
        const double top = body.top() + body.height() * (i / 7) / kWeeks;
        const QRectF cell(left(i % 7), top, left(i % 7 + 1) - left(i % 7),
                          body.top() + body.height() * (i / 7 + 1) / kWeeks - top);
        frames.append(cell);
        const bool inMonth = d.month() == 3;
        const QColor fill = inMonth ? CalendarPaint::fromColorValue(*m.dayColor(d.day()))
                                    : QColor(0xF2, 0xF2, 0xF2);
        const QColor text = inMonth ? CalendarPaint::readableOn(fill) : QColor(0x80, 0x80, 0x80);
        p.fillRect(cell, fill);
        const QRectF inner = cell.adjusted(inset, inset, -inset, -inset);
        p.setFont(number);
        p.setPen(text);
        p.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(d.day()));
        if (!inMonth)
            continue;
        CalendarPaint::drawMarker(p, QRectF(inner.topLeft(), QSizeF(inner.width(), numberHeight)),
                                  m.dayMarker(d.day()), text);
        QStringList lines;
        for (int l = 1; l <= MonthCalendarModel::kLines; ++l)
            if (!m.dayText(d.day(), l).isEmpty())
                lines.append(m.dayText(d.day(), l));
        p.setFont(line);
        p.drawText(inner.adjusted(0, numberHeight, 0, 0),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lines.join(QLatin1Char('\n')));
    }
    p.setPen(QPen(Qt::black, 4 * 1200 / 1440.0));
    p.setBrush(Qt::NoBrush);
    p.drawRects(frames);
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
