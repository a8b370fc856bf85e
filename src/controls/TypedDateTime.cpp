// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/TypedDateTime.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>

namespace {

// The order of the year ('y'), month ('M') and day ('d') in a date format.
std::array<QChar, 3> fieldOrder(const QString& format) {
    std::array<QChar, 3> order{QLatin1Char('M'), QLatin1Char('d'), QLatin1Char('y')};
    int n = 0;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || (c != QLatin1Char('y') && c != QLatin1Char('M') && c != QLatin1Char('d')))
            continue;
        if (n > 0 && order[n - 1] == c)
            continue;
        if (n == 3)
            break;
        order[n++] = c;
    }
    return order;
}

int yearOf(const QString& digits) {
    const int year = digits.toInt();
    return digits.size() <= 2 ? 2000 + year : year;
}

QDate dateIn(const std::array<QChar, 3>& order, const QStringList& parts) {
    int year = 0;
    int month = 0;
    int day = 0;
    for (int i = 0; i < 3; ++i) {
        const QString& part = parts.at(i);
        if (order[i] == QLatin1Char('y')) {
            if (part.size() != 2 && part.size() != 4)
                return {};
            year = yearOf(part);
        } else if (part.size() > 2) {
            return {};
        } else if (order[i] == QLatin1Char('M')) {
            month = part.toInt();
        } else {
            day = part.toInt();
        }
    }
    return QDate(year, month, day);
}

// Bare digits cut into the field order's widths: a four- or two-digit year, two-digit days
// and months.
QStringList cut(const std::array<QChar, 3>& order, const QString& digits) {
    const int yearWidth = digits.size() - 4;
    if (yearWidth != 2 && yearWidth != 4)
        return {};
    QStringList parts;
    int at = 0;
    for (const QChar c : order) {
        const int width = c == QLatin1Char('y') ? yearWidth : 2;
        parts.append(digits.mid(at, width));
        at += width;
    }
    return parts;
}

} // namespace

QString TypedDateTime::dateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QDate TypedDateTime::parseDate(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    static const QRegularExpression digitsOnly(QStringLiteral("^\\d+$"));
    const std::array<QChar, 3> order = fieldOrder(dateFormat(locale));
    if (digitsOnly.match(trimmed).hasMatch()) {
        const QStringList parts = cut(order, trimmed);
        const QDate date = parts.isEmpty() ? QDate() : dateIn(order, parts);
        if (date.isValid() || trimmed.size() != 8)
            return date;
        static const std::array<QChar, 3> iso{QLatin1Char('y'), QLatin1Char('M'), QLatin1Char('d')};
        return dateIn(iso, cut(iso, trimmed));
    }
    // The form the field shows dates in, which may name the month.
    if (const QDate shown = locale.toDate(trimmed, dateFormat(locale)); shown.isValid())
        return shown;
    static const QRegularExpression separated(
        QStringLiteral("^(\\d{1,4})[^\\d]+(\\d{1,4})[^\\d]+(\\d{1,4})[^\\d]*$"));
    const QRegularExpressionMatch match = separated.match(trimmed);
    if (!match.hasMatch())
        return {};
    const QStringList parts = {match.captured(1), match.captured(2), match.captured(3)};
    if (parts.first().size() == 4)
        return dateIn({QLatin1Char('y'), QLatin1Char('M'), QLatin1Char('d')}, parts);
    return dateIn(order, parts);
}

QTime TypedDateTime::parseTime(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})(?:[:.]?(\\d{2}))?$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    return QTime(match.captured(1).toInt(), match.captured(2).toInt());
}

QString TypedDateTime::timeText(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm"));
}
