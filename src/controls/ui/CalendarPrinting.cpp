// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/CalendarPrinting.h"

#include "controls/CalendarLocale.h"
#include "controls/MonthCalendarModel.h"
#include "controls/WeekCalendarModel.h"
#include "controls/ui/CalendarPaint.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace CalendarPrinting {

namespace {

constexpr int kWeeks = 6;
constexpr double kTwipsPerInch = 1440.0;
constexpr double kPageTextPoints = 9;
constexpr double kTitlePoints = 18;
constexpr double kDayNamePoints = 10;
constexpr double kNumberPoints = 11;
constexpr double kLinePoints = 8;
constexpr int kMinWeekLines = 3;

QFont font(double points, bool bold = false) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

double fromTwips(const QPainter& painter, double twips) {
    return twips * painter.device()->logicalDpiX() / kTwipsPerInch;
}

QFontMetricsF metrics(const QPainter& painter, const QFont& f) {
    return QFontMetricsF(f, painter.device());
}

// The header and footer lines; returns the area left between them for the calendar, scaled.
QRectF drawPageTexts(QPainter& painter, const Page& page) {
    const QFont f = font(kPageTextPoints);
    const QFontMetricsF fm = metrics(painter, f);
    const double band = fm.height() * 1.8;
    painter.setFont(f);
    painter.setPen(Qt::black);
    const QRectF area = page.area;
    if (!page.header.isEmpty())
        painter.drawText(QRectF(area.left(), area.top(), area.width(), fm.height()),
                         Qt::AlignLeft | Qt::AlignTop,
                         fm.elidedText(page.header, Qt::ElideRight, area.width()));
    if (!page.footer.isEmpty())
        painter.drawText(
            QRectF(area.left(), area.bottom() - fm.height(), area.width(), fm.height()),
            Qt::AlignLeft | Qt::AlignBottom,
            fm.elidedText(page.footer, Qt::ElideRight, area.width()));
    const QRectF body = area.adjusted(0, band, 0, -band);
    return QRectF(body.topLeft(), body.size() * page.scale);
}

// The title centred at the top of `body`; returns what is left below it.
QRectF drawTitle(QPainter& painter, const QRectF& body, const QString& title) {
    const QFont f = font(kTitlePoints, true);
    const double height = metrics(painter, f).height() * 1.4;
    painter.setFont(f);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(body.left(), body.top(), body.width(), height), Qt::AlignCenter, title);
    return body.adjusted(0, height, 0, 0);
}

double columnLeft(const QRectF& grid, int column) {
    return grid.left() + grid.width() * column / 7;
}

// The weekday names over seven columns from `firstDayOfWeek`; returns the area below them.
QRectF drawDayNames(QPainter& painter, const QRectF& body, const QStringList& dayNames,
                    int firstDayOfWeek) {
    const QFont f = font(kDayNamePoints, true);
    const double height = metrics(painter, f).height() * 1.5;
    painter.setFont(f);
    painter.setPen(Qt::black);
    for (int col = 0; col < 7; ++col) {
        const int weekday = (firstDayOfWeek - 1 + col) % 7; // 0 = Sunday
        const QRectF cell(columnLeft(body, col), body.top(),
                          columnLeft(body, col + 1) - columnLeft(body, col), height);
        painter.drawText(cell, Qt::AlignCenter, dayNames.value(weekday));
    }
    return body.adjusted(0, height, 0, 0);
}

// The lines of a date's text, each wrapped once in the painter's font for counting and
// drawing: line `i` is line `at[i].second` of `texts[at[i].first]` (an empty text keeps one
// empty line, so that the lines below keep their place).
struct CellLines {
    std::vector<std::unique_ptr<CalendarPaint::WrappedText>> texts;
    QList<std::pair<qsizetype, qsizetype>> at;

    void add(const QPainter& painter, const QString& text, double width) {
        texts.push_back(std::make_unique<CalendarPaint::WrappedText>(text, painter, width));
        const qsizetype count = texts.back()->lines().size();
        for (qsizetype i = 0; i < qMax<qsizetype>(1, count); ++i)
            at.append({qsizetype(texts.size()) - 1, i});
    }
    // An empty text has no line to draw: drawLine draws nothing for it.
    void draw(QPainter& painter, qsizetype line, const QRectF& rect) const {
        const auto [text, index] = at[line];
        texts[size_t(text)]->drawLine(painter, index, rect);
    }
};

// `count` lines from `*y` down inside `box`, one `lineHeight` each, as many as fit whole, each
// drawn by `draw(index, rect)`. Moves `*y` below them.
template <class Draw>
void drawLines(double lineHeight, const QRectF& box, double* y, qsizetype count, Draw draw) {
    for (qsizetype i = 0; i < count; ++i) {
        if (*y + lineHeight > box.bottom() + 0.5)
            return;
        draw(i, QRectF(box.left(), *y, box.width(), lineHeight));
        *y += lineHeight;
    }
}

QStringList textLines(const QString& text) {
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t.split(QLatin1Char('\n'));
}

} // namespace

void drawMonth(QPainter& painter, const Page& page, const MonthCalendarModel& model,
               const QStringList& dayNames, const QStringList& monthNames) {
    painter.save();
    QRectF body = drawPageTexts(painter, page);
    body = drawTitle(painter, body,
                     monthNames.value(model.month() - 1) + QLatin1Char(' ') +
                         QString::number(model.year()));
    const QRectF grid = drawDayNames(painter, body, dayNames, model.firstDayOfWeek());

    const QFont numberFont = font(kNumberPoints, true);
    const QFont lineFont = font(kLinePoints);
    const QFontMetricsF numberMetrics = metrics(painter, numberFont);
    const QFontMetricsF lineMetrics = metrics(painter, lineFont);
    const double margin = fromTwips(painter, model.printCellMargin());
    const double gridWidth = fromTwips(painter, model.printGridWidth());
    const QDate first = CalendarLocale::startOfWeek(model.dateOfDay(1), model.firstDayOfWeek());
    QRectF current;
    QList<QRectF> frames;
    for (int i = 0; i < 7 * kWeeks; ++i) {
        const QDate date = first.addDays(i);
        const int row = i / 7;
        const int col = i % 7;
        const double top = grid.top() + grid.height() * row / kWeeks;
        const double bottom = grid.top() + grid.height() * (row + 1) / kWeeks;
        const QRectF cell(columnLeft(grid, col), top,
                          columnLeft(grid, col + 1) - columnLeft(grid, col), bottom - top);
        const bool inMonth = date.month() == model.month() && date.year() == model.year();
        QColor background = Qt::white;
        QColor text = Qt::black;
        if (!inMonth) {
            background = QColor(0xF2, 0xF2, 0xF2);
            text = QColor(0x80, 0x80, 0x80);
        } else if (const auto c = model.dayColor(date.day()); c && model.printColors()) {
            background = CalendarPaint::fromColorValue(*c);
            text = CalendarPaint::readableOn(background);
        }
        painter.fillRect(cell, background);
        frames.append(cell);
        if (inMonth && date == model.currentDate())
            current = cell;
        if (!inMonth && !model.printOtherMonthDays())
            continue;

        const QRectF inner = cell.adjusted(margin + gridWidth, margin + gridWidth,
                                           -margin - gridWidth, -margin - gridWidth);
        const QRectF numberBand(inner.left(), inner.top(), inner.width(), numberMetrics.height());
        const int marker = inMonth ? model.dayMarker(date.day()) : 0;
        painter.setFont(numberFont);
        painter.setPen(text);
        painter.drawText(
            numberBand.adjusted(0, 0, -CalendarPaint::markerWidth(numberBand, marker), 0),
            Qt::AlignLeft | Qt::AlignTop, QString::number(date.day()));
        if (!inMonth)
            continue;
        CalendarPaint::drawMarker(painter, numberBand, marker, text);
        painter.setFont(lineFont);
        QStringList names;
        for (int line = 1; line <= MonthCalendarModel::kLines; ++line)
            names.append(model.dayText(date.day(), line));
        while (!names.isEmpty() && names.last().isEmpty())
            names.removeLast();
        // Each name keeps a line of its own; the room the later names leave lets one run on.
        double y = numberBand.bottom();
        qsizetype room = qsizetype((inner.bottom() - y) / lineMetrics.height());
        for (qsizetype i = 0; i < names.size() && room > 0; ++i) {
            const qsizetype later = names.size() - 1 - i;
            // An empty name keeps its line, so that the names below keep their place.
            if (names[i].isEmpty()) {
                drawLines(lineMetrics.height(), inner, &y, 1, [](qsizetype, const QRectF&) {});
                --room;
                continue;
            }
            const CalendarPaint::WrappedText lines(names[i], painter, inner.width(),
                                                   int(qMax<qsizetype>(1, room - later)));
            drawLines(
                lineMetrics.height(), inner, &y, lines.lines().size(),
                [&](qsizetype index, const QRectF& rect) { lines.drawLine(painter, index, rect); });
            room -= lines.lines().size();
        }
    }
    // The grid over the cells in one go, so that the pen is set once.
    painter.setPen(QPen(Qt::black, gridWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRects(frames);
    if (model.printCurrentDate() && !current.isEmpty()) {
        painter.setPen(QPen(Qt::black, qMax(gridWidth * 3, fromTwips(painter, 30))));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(current);
    }
    painter.restore();
}

int drawWeeks(QPainter& painter, const Page& page, const WeekCalendarModel& model,
              const QStringList& dayNames, const QStringList& monthNames,
              const std::function<bool()>& newPage) {
    const QFont numberFont = font(kDayNamePoints, true);
    const QFont lineFont = font(kLinePoints);
    const double numberHeight = metrics(painter, numberFont).height();
    const double lineHeight = metrics(painter, lineFont).height();
    const double margin = fromTwips(painter, 40);
    const double barHeight = fromTwips(painter, 60);
    const double head = numberHeight + barHeight * WeekCalendarModel::kColors;
    const QString title = monthNames.value(model.endDate().month() - 1) + QLatin1Char(' ') +
                          QString::number(model.endDate().year());

    const QDate first = CalendarLocale::startOfWeek(model.startDate(), model.firstDayOfWeek());
    const qint64 days = first.daysTo(model.endDate());
    const int weeks = days < 0 ? 0 : int(days / 7) + 1;

    painter.save();
    int pages = 1;
    auto startPage = [&] {
        QRectF body = drawPageTexts(painter, page);
        body = drawTitle(painter, body, title);
        return drawDayNames(painter, body, dayNames, model.firstDayOfWeek());
    };
    QRectF rows = startPage();
    double y = rows.top();
    auto nextPage = [&] {
        if (!newPage())
            return false;
        ++pages;
        rows = startPage();
        y = rows.top();
        return true;
    };
    bool stopped = false;
    for (int week = 0; week < weeks && !stopped; ++week) {
        // The lines of every date, wrapped once for measuring and drawing alike. A row is as
        // tall as its longest cell, and at least three lines of text.
        painter.setFont(lineFont);
        std::array<CellLines, 7> lines;
        qsizetype total = kMinWeekLines;
        for (int col = 0; col < 7; ++col) {
            const QDate date = first.addDays(week * 7 + col);
            if (!model.inRange(date))
                continue;
            const double width = columnLeft(rows, col + 1) - columnLeft(rows, col) - 2 * margin;
            for (const QString& line : textLines(model.dateText(date)))
                lines[col].add(painter, line, width);
            total = qMax(total, lines[col].at.size());
        }
        // A row that does not fit goes to the next page, unless it is the page's first; one
        // taller than a page starts where it is and goes on onto the next, so that no line is
        // lost.
        const double need = 2 * margin + head + lineHeight * total;
        const bool roomForALine = y + 2 * margin + head + lineHeight <= rows.bottom();
        if (y > rows.top() && y + need > rows.bottom() &&
            (need <= rows.height() || !roomForALine) && !nextPage())
            break;
        for (qsizetype done = 0; done < total;) {
            const qsizetype fit = qsizetype((rows.bottom() - y - 2 * margin - head) / lineHeight);
            const qsizetype count = qBound<qsizetype>(1, fit, total - done);
            const double height = 2 * margin + head + lineHeight * count;
            for (int col = 0; col < 7; ++col) {
                const QDate date = first.addDays(week * 7 + col);
                const QRectF cell(columnLeft(rows, col), y,
                                  columnLeft(rows, col + 1) - columnLeft(rows, col), height);
                painter.setPen(QPen(Qt::black, 0));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(cell);
                if (!model.inRange(date))
                    continue;
                const QRectF inner = cell.adjusted(margin, margin, -margin, -margin);
                const QRectF numberBand(inner.left(), inner.top(), inner.width(), numberHeight);
                const int marker = model.dateMarker(date);
                painter.setFont(numberFont);
                painter.setPen(Qt::black);
                painter.drawText(
                    numberBand.adjusted(0, 0, -CalendarPaint::markerWidth(numberBand, marker), 0),
                    Qt::AlignLeft | Qt::AlignTop, QString::number(date.day()));
                CalendarPaint::drawMarker(painter, numberBand, marker, Qt::black);
                double lineTop = numberBand.bottom();
                for (int index = 1; index <= WeekCalendarModel::kColors; ++index) {
                    if (const auto c = model.dateColor(date, index))
                        painter.fillRect(
                            QRectF(inner.left(), lineTop, inner.width(), barHeight * 0.7),
                            CalendarPaint::fromColorValue(*c));
                    lineTop += barHeight;
                }
                painter.setFont(lineFont);
                const qsizetype shown = qBound<qsizetype>(0, lines[col].at.size() - done, count);
                drawLines(lineHeight, inner, &lineTop, shown,
                          [&](qsizetype index, const QRectF& rect) {
                              lines[col].draw(painter, done + index, rect);
                          });
            }
            y += height;
            done += count;
            if (done < total && !nextPage()) {
                stopped = true;
                break;
            }
        }
    }
    painter.restore();
    return pages;
}

} // namespace CalendarPrinting
