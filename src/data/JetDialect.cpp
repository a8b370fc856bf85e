// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/JetDialect.h"

#include "support/Failure.h"
#include "support/OleDate.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <optional>

namespace {

// The engine's number for a statement it cannot read.
constexpr qint32 kSyntaxError = -2147217900;

// A date (m/d/yyyy or yyyy-m-d), a time (h:mm[:ss] [AM|PM]) or both, separated by spaces.
// Years have three or four digits: a two-digit year would leave the century to guessing.
const QRegularExpression& literalPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:([0-9]{1,2})/([0-9]{1,2})/([0-9]{3,4})|([0-9]{4})-([0-9]{1,2})-"
                       "([0-9]{1,2}))?(?:(?:^| +)([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?"
                       "(?: *(AM|PM))?)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

int group(const QRegularExpressionMatch& m, int n) {
    return m.capturedView(n).toInt();
}

// The text that stands for a date value in a statement: whole days as an integer, a time of day
// with as many digits as it takes to read back the same value. A negative value goes in
// parentheses so that a minus before it cannot make a comment of the two.
QString numberText(double value) {
    QString text = value == double(qint64(value))
                       ? QString::number(qint64(value))
                       : QString::number(value, 'g', QLocale::FloatingPointShortest);
    if (value < 0)
        text = QLatin1Char('(') + text + QLatin1Char(')');
    return text;
}

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Whether `c` starts a string, a bracketed name or a date literal.
bool opensToken(QChar c) {
    return c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[') ||
           c == QLatin1Char('#');
}

// A date alone (m/d/yyyy), the literal statements are made of, read without the pattern:
// whether it is a date, or nothing when the text has another form.
std::optional<bool> parsePlainDate(QStringView text, double* value) {
    int fields[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int field = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('/') && field < 2) {
            ++field;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits[field] < 4) {
            fields[field] = fields[field] * 10 + (c.unicode() - u'0');
            ++digits[field];
        } else {
            return std::nullopt;
        }
    }
    if (field != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 ||
        digits[2] < 3)
        return std::nullopt;
    const QDate date(fields[2], fields[0], fields[1]);
    if (!date.isValid() || fields[2] < 100)
        return false;
    *value = OleDate::fromDate(date);
    return true;
}

Failure malformed(const QString& literal) {
    return {kSyntaxError,
            QStringLiteral("Syntax error in date in query expression '%1'.").arg(literal)};
}

} // namespace

namespace JetDialect {

bool parseDateLiteral(const QString& text, double* value) {
    if (const std::optional<bool> plain = parsePlainDate(QStringView(text).trimmed(), value))
        return *plain;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    const QRegularExpressionMatch m = literalPattern().match(trimmed);
    if (!m.hasMatch())
        return false;
    QDate date(1899, 12, 30);
    if (m.hasCaptured(1)) {
        date = QDate(group(m, 3), group(m, 1), group(m, 2));
        if (group(m, 3) < 100)
            return false;
    } else if (m.hasCaptured(4)) {
        date = QDate(group(m, 4), group(m, 5), group(m, 6));
    }
    if (!date.isValid())
        return false;
    QTime time(0, 0);
    if (m.hasCaptured(7)) {
        int hour = group(m, 7);
        if (m.hasCaptured(10)) {
            if (hour < 1 || hour > 12)
                return false;
            const bool pm =
                m.capturedView(10).compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0;
            hour = hour % 12 + (pm ? 12 : 0);
        }
        time = QTime(hour, group(m, 8), m.hasCaptured(9) ? group(m, 9) : 0);
        if (!time.isValid())
            return false;
    }
    // UTC: a local time zone could move a time that falls into a daylight-saving gap.
    *value = OleDate::fromDateTime(QDateTime(date, time, Qt::UTC));
    return true;
}

namespace {

Translation translate(const QString& sql, bool asParameters) {
    Translation result;
    if (!sql.contains(QLatin1Char('#'))) {
        result.text = sql;
        return result;
    }
    QString& out = result.text;
    out.reserve(sql.size() + 16);
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        // Strings and bracketed names are copied whole, whatever they hold; an unterminated
        // one runs to the end and is the engine's to reject.
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            qsizetype end = sql.indexOf(close, i + 1);
            end = end < 0 ? n : end + 1;
            out += QStringView(sql).mid(i, end - i);
            i = end;
            continue;
        }
        if (c != QLatin1Char('#')) {
            // The plain text up to the next string, bracket or literal, copied in one piece.
            qsizetype end = i + 1;
            while (end < n && !opensToken(sql.at(end)))
                ++end;
            out += QStringView(sql).mid(i, end - i);
            i = end;
            continue;
        }
        const qsizetype close = sql.indexOf(QLatin1Char('#'), i + 1);
        if (close < 0)
            throw malformed(sql.mid(i));
        // Looked at in place: the plain dates the statements are made of need no copies.
        const QStringView literal = QStringView(sql).mid(i, close - i + 1);
        const QStringView inside = literal.mid(1, literal.size() - 2);
        double value = 0;
        const std::optional<bool> plain = parsePlainDate(inside.trimmed(), &value);
        if (plain ? !*plain : !parseDateLiteral(inside.toString(), &value))
            throw malformed(literal.toString());
        // Keep the value a token of its own next to words ("Date=#3/5/2024#AND").
        if (!out.isEmpty() && isWordChar(out.back()))
            out += QLatin1Char(' ');
        if (asParameters) {
            out += QLatin1Char('?');
            result.dates.append(value);
        } else {
            out += numberText(value);
        }
        if (close + 1 < n && isWordChar(sql.at(close + 1)))
            out += QLatin1Char(' ');
        i = close + 1;
    }
    return result;
}

} // namespace

QString toSQLite(const QString& sql) {
    return translate(sql, false).text;
}

Translation toSQLiteWithParameters(const QString& sql) {
    return translate(sql, true);
}

} // namespace JetDialect
