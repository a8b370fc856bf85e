// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/PostgresDialect.h"

#include "data/JetDialect.h"
#include "support/Failure.h"
#include "support/OleDate.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

using namespace Qt::Literals::StringLiterals;

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

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Whether `word` stands in `text` at `at` as a whole word, in any letter case.
bool wordAt(const QString& text, qsizetype at, QLatin1StringView word) {
    if (at > 0 && isWordChar(text.at(at - 1)))
        return false;
    const qsizetype end = at + word.size();
    return end <= text.size() &&
           QStringView(text).mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0 &&
           (end == text.size() || !isWordChar(text.at(end)));
}

// The last word of `item`, upper-cased.
QString lastWord(QStringView item) {
    item = item.trimmed();
    qsizetype start = item.size();
    while (start > 0 && isWordChar(item.at(start - 1)))
        --start;
    return item.mid(start).toString().toUpper();
}

// Each term of an ORDER BY list given the place of nulls that Jet gives them: first when
// ascending, last when descending. The server puts them the other way round.
QString withJetNullOrder(const QString& sql) {
    if (!sql.contains(QLatin1String("ORDER"), Qt::CaseInsensitive))
        return sql;
    QString out;
    out.reserve(sql.size() + 32);
    int depth = 0;
    int listDepth = -1; // the depth of the ORDER BY list being read, or -1
    qsizetype itemStart = 0;
    const auto endItem = [&] {
        const QStringView item = QStringView(out).mid(itemStart);
        const QString word = lastWord(item);
        if (item.trimmed().isEmpty() || word == QLatin1String("FIRST") ||
            word == QLatin1String("LAST"))
            return;
        qsizetype at = out.size();
        while (at > itemStart && out.at(at - 1).isSpace())
            --at;
        out.insert(at, word == QLatin1String("DESC") ? QLatin1String(" NULLS LAST")
                                                     : QLatin1String(" NULLS FIRST"));
    };
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = sql.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? sql.size() : end + 1;
            out += QStringView(sql).mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (listDepth == depth && (c == QLatin1Char(',') || c == QLatin1Char(')') ||
                                   wordAt(sql, i, "LIMIT"_L1) || wordAt(sql, i, "OFFSET"_L1) ||
                                   wordAt(sql, i, "FETCH"_L1) || wordAt(sql, i, "FOR"_L1))) {
            endItem();
            if (c == QLatin1Char(','))
                itemStart = out.size() + 1;
            else
                listDepth = -1;
        }
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        if (listDepth < 0 && wordAt(sql, i, "ORDER"_L1)) {
            qsizetype by = i + 5;
            while (by < sql.size() && sql.at(by).isSpace())
                ++by;
            if (by > i + 5 && wordAt(sql, by, "BY"_L1)) {
                out += QStringView(sql).mid(i, by + 2 - i);
                i = by + 1;
                listDepth = depth;
                itemStart = out.size();
                continue;
            }
        }
        out += c;
    }
    if (listDepth >= 0)
        endItem();
    return out;
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
    return withJetNullOrder(out);
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
