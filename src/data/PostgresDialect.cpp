#include "data/PostgresDialect.h"

#include "data/JetDialect.h"
#include "support/Failure.h"
#include "support/OleDate.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace {

constexpr qint32 kSyntaxError = -2147217900;

QString quotedString(QStringView text) {
    return QLatin1Char('\'') + text.toString().replace(QStringLiteral("'"), QStringLiteral("''")) +
           QLatin1Char('\'');
}

// The date value as a timestamp string; the date value's own calendar, without a time zone.
QString timestampText(double value) {
    const QDateTime dt = OleDate::toDateTime(value);
    return QLatin1Char('\'') + dt.date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
           dt.time().toString(QStringLiteral("HH:mm:ss")) + QLatin1Char('\'');
}

// A wall-clock date and time read as written, whatever time zone the process has.
double oleOf(const QDate& date, const QTime& time) {
    return OleDate::fromDateTime(QDateTime(date, time, Qt::UTC));
}

} // namespace

namespace PostgresDialect {

QString toPostgreSQL(const QString& sql) {
    QString out;
    out.reserve(sql.size() + 16);
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        if (c != QLatin1Char('\'') && c != QLatin1Char('"') && c != QLatin1Char('[') &&
            c != QLatin1Char('#')) {
            out += c;
            ++i;
            continue;
        }
        const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
        qsizetype end = sql.indexOf(close, i + 1);
        // An unterminated string or name runs to the end and is the server's to reject.
        if (end < 0 && c != QLatin1Char('#'))
            end = n - 1;
        const QStringView inner =
            end < 0 ? QStringView() : QStringView(sql).mid(i + 1, end - i - 1);
        if (c == QLatin1Char('\'')) {
            out += QStringView(sql).mid(i, end - i + 1);
        } else if (c == QLatin1Char('"')) {
            out += quotedString(inner);
        } else if (c == QLatin1Char('[')) {
            out +=
                QLatin1Char('"') +
                inner.toString().toLower().replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                QLatin1Char('"');
        } else {
            double value = 0;
            if (end < 0 || !JetDialect::parseDateLiteral(inner.toString(), &value))
                throw Failure(kSyntaxError,
                              QStringLiteral("Syntax error in date in query expression '%1'.")
                                  .arg(end < 0 ? sql.mid(i) : sql.mid(i, end - i + 1)));
            out += timestampText(value);
        }
        i = end + 1;
    }
    return out;
}

QVariant toJetValue(const QVariant& value) {
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        return oleOf(dt.date(), dt.time());
    }
    case QMetaType::QDate:
        return oleOf(value.toDate(), QTime(0, 0));
    case QMetaType::QTime:
        return oleOf(QDate(1899, 12, 30), value.toTime());
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    default:
        return value;
    }
}

QString columnType(const QString& fileType) {
    if (fileType.compare(QLatin1String("REAL"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("TIMESTAMP");
    return fileType;
}

} // namespace PostgresDialect
