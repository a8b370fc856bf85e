// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "Lectionary.h"

#include "TextTable.h"

#include <QFile>
#include <QSet>

const QList<int>& Lectionary::components() {
    static const QList<int> list{202, 208, 209, 203, 214, 204, 217};
    return list;
}

bool Lectionary::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    return loadText(file.readAll(), path, error);
}

bool Lectionary::loadText(const QByteArray& text, const QString& name, QString* error) {
    m_readings.clear();
    m_references.clear();
    QList<TextTable::Record> records;
    const QList<int>& columns = components();
    if (!TextTable::parse(text, name, 2 + int(columns.size()), &records, error))
        return false;
    QSet<QString> seen;
    for (const TextTable::Record& record : records) {
        const QString& day = record.fields.at(0);
        const QString& years = record.fields.at(1);
        const QString where = QStringLiteral("%1, line %2").arg(name).arg(record.line);
        if (day.isEmpty() || years.isEmpty()) {
            if (error)
                *error = where + QStringLiteral(": a day and its years are needed");
            return false;
        }
        QList<LectionaryReading> readings;
        for (int c = 0; c < columns.size(); ++c) {
            QString reference = record.fields.at(2 + c);
            if (reference.isEmpty())
                continue;
            QString textReference = reference;
            const qsizetype brace = reference.indexOf(QLatin1Char('{'));
            if (brace >= 0) {
                if (!reference.endsWith(QLatin1Char('}'))) {
                    if (error)
                        *error =
                            where + QStringLiteral(": unclosed brace in \"%1\"").arg(reference);
                    return false;
                }
                textReference = reference.mid(brace + 1, reference.size() - brace - 2).trimmed();
                reference = reference.left(brace).trimmed();
            }
            const LectionaryReading reading{columns.at(c), reference, textReference};
            readings.append(reading);
            if (!seen.contains(reference)) {
                seen.insert(reference);
                m_references.append(reading);
            }
        }
        for (const QChar year : years) {
            if (year != QLatin1Char('A') && year != QLatin1Char('B') && year != QLatin1Char('C')) {
                if (error)
                    *error = where + QStringLiteral(": unknown lectionary year \"%1\"").arg(years);
                return false;
            }
            const QString key = day + QLatin1Char('/') + year;
            if (m_readings.contains(key)) {
                if (error)
                    *error = where + QStringLiteral(": %1 in year %2 appears twice").arg(day, year);
                return false;
            }
            m_readings.insert(key, readings);
        }
    }
    return true;
}

QList<LectionaryReading> Lectionary::readings(const QString& day, QChar year) const {
    return m_readings.value(day + QLatin1Char('/') + year);
}

bool Lectionary::hasDay(const QString& day) const {
    return m_readings.contains(day + QStringLiteral("/A")) ||
           m_readings.contains(day + QStringLiteral("/B")) ||
           m_readings.contains(day + QStringLiteral("/C"));
}
