// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarSpan.h"

#include "data/mADO.h"
#include "support/OleDate.h"

namespace {

QDate supportedFirst() {
    return QDate(CalendarSpan::kFirstYear, 1, 1);
}

QDate supportedLast() {
    return QDate(CalendarSpan::kLastYear, 12, 31);
}

// The date of a MIN or MAX: invalid for null, for a value that is no date and for a date
// outside the supported years; `bad` is set for the last two.
QDate dateOf(const ConnectionPtr& connection, const QString& sql, bool silent, bool* bad) {
    const QVariant v = mADO::getResData(connection, sql, 1, silent).value();
    if (v.isNull())
        return {};
    bool ok = false;
    const double d = v.toDouble(&ok);
    const QDate date = ok ? OleDate::toDate(d) : QDate();
    if (!date.isValid() || date < supportedFirst() || date > supportedLast()) {
        *bad = true;
        return {};
    }
    return date;
}

} // namespace

CalendarSpan CalendarSpan::read(const ConnectionPtr& connection, bool silent) {
    CalendarSpan span;
    const QString table = QStringLiteral(" FROM tbCalenderData");
    span.m_first =
        dateOf(connection, QStringLiteral("SELECT MIN(Date)") + table, silent, &span.m_badDates);
    span.m_last =
        dateOf(connection, QStringLiteral("SELECT MAX(Date)") + table, silent, &span.m_badDates);
    if (!span.m_badDates)
        return span;
    // Only the rows inside the supported years, bounded by plain day numbers.
    const QString inside = QStringLiteral(" WHERE Date >= %1 AND Date < %2")
                               .arg(OleDate::fromDate(supportedFirst()), 0, 'f', 0)
                               .arg(OleDate::fromDate(supportedLast().addDays(1)), 0, 'f', 0);
    bool bad = false;
    span.m_first =
        dateOf(connection, QStringLiteral("SELECT MIN(Date)") + table + inside, silent, &bad);
    span.m_last =
        dateOf(connection, QStringLiteral("SELECT MAX(Date)") + table + inside, silent, &bad);
    return span;
}

QString CalendarSpan::badDatesText() {
    return QStringLiteral("tbCalenderData holds dates outside the years %1 to %2; they are "
                          "left out.")
        .arg(kFirstYear)
        .arg(kLastYear);
}
