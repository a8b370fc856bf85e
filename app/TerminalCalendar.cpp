// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/TerminalCalendar.h"

#include "app/TerminalText.h"
#include "controls/CalendarLocale.h"
#include "controls/MonthCalendarModel.h"
#include "controls/WeekCalendarModel.h"
#include "resources/ResourceStrings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

constexpr int kTextWidth = TerminalCalendar::kCellWidth - 1;

int red(qint32 c) {
    return c & 0xFF;
}
int green(qint32 c) {
    return (c >> 8) & 0xFF;
}
int blue(qint32 c) {
    return (c >> 16) & 0xFF;
}

// `text` cut or padded to exactly `width` characters.
QString fit(const QString& text, int width) {
    QString line = text;
    line.replace(QLatin1Char('\t'), QLatin1Char(' '));
    line = TerminalText::printable(line);
    return line.left(width).leftJustified(width, QLatin1Char(' '));
}

} // namespace

QString TerminalCalendar::marker(int marker) {
    if (marker == 1)
        return QStringLiteral("*");
    if (marker == 3)
        return QStringLiteral("**");
    return {};
}

QString TerminalCalendar::paint(const QString& text, const std::optional<qint32>& background,
                                bool colour) {
    if (!colour || !background)
        return text;
    const qint32 c = *background;
    // Dark text on light colours, light text on dark ones.
    const int luminance = (299 * red(c) + 587 * green(c) + 114 * blue(c)) / 1000;
    const QString foreground = luminance > 140 ? QStringLiteral("30") : QStringLiteral("97");
    return QStringLiteral("\x1b[%1;48;2;%2;%3;%4m")
               .arg(foreground)
               .arg(red(c))
               .arg(green(c))
               .arg(blue(c)) +
           text + QStringLiteral("\x1b[0m");
}

QString TerminalCalendar::month(const MonthCalendarModel& model, const QString& title,
                                bool colour) {
    const QLocale locale = ResourceStrings::locale();
    QString out = title + QLatin1Char('\n');

    const int firstDay = model.firstDayOfWeek();
    QStringList header;
    for (int i = 0; i < 7; ++i) {
        // Sunday = 1 to Qt's Monday = 1.
        const int weekday = (firstDay - 1 + i) % 7;
        header << fit(locale.dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat), kTextWidth);
    }
    out += header.join(QLatin1Char(' ')).trimmed() + QLatin1Char('\n');

    const QDate first = model.dateOfDay(1);
    QDate weekStart = CalendarLocale::startOfWeek(first, firstDay);
    const QDate last = model.dateOfDay(model.daysInMonth());
    while (weekStart <= last) {
        for (int row = 0; row <= MonthCalendarModel::kLines; ++row) {
            QStringList cells;
            for (int i = 0; i < 7; ++i) {
                const QDate date = weekStart.addDays(i);
                if (date < first || date > last) {
                    cells << QString(kTextWidth, QLatin1Char(' '));
                    continue;
                }
                const int day = date.day();
                const QString text =
                    row == 0 ? QStringLiteral("%1 %2").arg(day, 2).arg(marker(model.dayMarker(day)))
                             : model.dayText(day, row);
                cells << paint(fit(text, kTextWidth), model.dayColor(day), colour);
            }
            QString line = cells.join(QLatin1Char(' '));
            // No trailing blanks on plain lines.
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            out += line + QLatin1Char('\n');
        }
        out += QLatin1Char('\n');
        weekStart = weekStart.addDays(7);
    }
    out += QCoreApplication::translate("TerminalCalendar", "* one service, ** two or more") +
           QLatin1Char('\n');
    return out;
}

QString TerminalCalendar::week(const WeekCalendarModel& model) {
    const QLocale locale = ResourceStrings::locale();
    QString out;
    for (QDate date = model.startDate(); date <= model.endDate(); date = date.addDays(1)) {
        QString head = locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
                       locale.toString(date, QLocale::ShortFormat);
        // The day's colours are in --json; the text is for reading.
        const QString mark = marker(model.dateMarker(date));
        if (!mark.isEmpty())
            head += QLatin1Char(' ') + mark;
        out += head + QLatin1Char('\n');
        const QString text = model.dateText(date);
        if (text.isEmpty())
            continue;
        for (const QString& line : text.split(QStringLiteral("\r\n")))
            out += (line.isEmpty() ? QString()
                                   : QStringLiteral("    ") + TerminalText::printable(line)) +
                   QLatin1Char('\n');
    }
    return out;
}
