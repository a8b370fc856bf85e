#include "support/SystemFormats.h"

#include <QLocale>

namespace SystemFormats {

QString shortDate(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString longDate(const QDate& date) {
    return QLocale().toString(date, QLocale::LongFormat);
}

QString time(const QTime& time) {
    // The long time form, less the time zone that some locales append.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale().toString(time, format.trimmed());
}

QString shortTime(const QTime& time) {
    return QLocale().toString(time, QLocale::ShortFormat);
}

QString generalDateTime(const QDateTime& dateTime) {
    return shortDate(dateTime.date()) + QLatin1Char(' ') + SystemFormats::time(dateTime.time());
}

} // namespace SystemFormats
