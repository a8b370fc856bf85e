#include "data/SqlDate.h"

#include "support/Failure.h"
#include "support/OleDate.h"

QString getSQLDate(double date, qint16 month, qint16 day, qint16 year, qint16 sqlMode) {
    if (date == 0)
        return QStringLiteral("#%1/%2/%3#").arg(month).arg(day).arg(year);
    if (sqlMode != -1 && sqlMode != 0)
        return {};
    const QDate d = OleDate::toDate(date);
    // An impossible date value must not become some other date in a statement.
    if (!d.isValid())
        throw Failure::invalidCall(QStringLiteral("date value %1").arg(date));
    if (sqlMode == -1)
        return QStringLiteral("'%1-%2-%3'")
            .arg(d.year(), 4, 10, QLatin1Char('0'))
            .arg(d.month(), 2, 10, QLatin1Char('0'))
            .arg(d.day(), 2, 10, QLatin1Char('0'));
    return QStringLiteral("#%1/%2/%3#")
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day())
        .arg(d.year());
}
