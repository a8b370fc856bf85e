// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// One reading of a day: its component number (202 first reading, 208 psalm, 209 canticle,
// 203 second reading, 214 alternative second reading, 204 gospel, 217 long gospel) and the
// Bible reference as written in the table.
struct LectionaryReading {
    int component = 0;
    QString reference;
    // The passage read from the Bible module: the reference itself unless the table gives the
    // module's own numbering in braces ("Romans 16:25-27 {Romans 14:23}").
    QString textReference;
};

// The three-year lectionary table: the readings of a day in a lectionary year.
class Lectionary {
public:
    // The component numbers of the table's reading columns, in page order.
    static const QList<int>& components();

    bool load(const QString& path, QString* error);
    bool loadText(const QByteArray& text, const QString& name, QString* error);

    // The readings of `day` in `year` ('A', 'B' or 'C'), in table order; empty when the table
    // has none.
    QList<LectionaryReading> readings(const QString& day, QChar year) const;
    // Every distinct reading of the table (reference and passage), in the order of first
    // appearance.
    const QList<LectionaryReading>& references() const { return m_references; }
    bool hasDay(const QString& day) const;

private:
    QMap<QString, QList<LectionaryReading>> m_readings; // day + '/' + year
    QList<LectionaryReading> m_references;
};
