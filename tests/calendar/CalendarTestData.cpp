// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarTestData.h"

#include "common/SqlFile.h"
#include "support/OleDate.h"

#include <gtest/gtest.h>

namespace CalendarTestData {

double ole(const QDate& date, const QTime& time) {
    return OleDate::fromDateTime(QDateTime(date, time));
}

bool createLiturgy(const QString& path, const QList<DayRow>& rows) {
    QList<QVariantList> values;
    for (const DayRow& r : rows)
        values.append({r.id, r.date, r.feastRef, r.dayColor, r.shortName});
    return SqlFile::create(path, Schema::Kind::Liturgy) &&
           SqlFile::insert(path,
                           QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, "
                                          "Day_Color, ShortName) VALUES (?, ?, ?, ?, ?)"),
                           values);
}

double timeOfDay(int hour, int minute) {
    return ole(QDate(1899, 12, 30), QTime(hour, minute));
}

bool createPlan(const QString& path, const QList<ServiceRow>& rows) {
    QList<QVariantList> values;
    for (const ServiceRow& r : rows)
        values.append({r.date, r.time, r.servType, r.location});
    return SqlFile::create(path, Schema::Kind::Plan) &&
           SqlFile::insert(path,
                           QStringLiteral("INSERT INTO tbMainPlan (Date, Time, ServType, Location) "
                                          "VALUES (?, ?, ?, ?)"),
                           values);
}

QByteArray iniText(const QString& liturgyFile, const QString& planFile) {
    return "[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() + "\r\nPlanFile=" + planFile.toUtf8() +
           "\r\n";
}

QStringList plannedServices(const QString& planFile) {
    QStringList rows;
    for (const QVariantList& r :
         SqlFile::rows(planFile, QStringLiteral("SELECT Date, Time, ServType, Location FROM "
                                                "tbMainPlan ORDER BY Date, Time, rowid")))
        rows.append(OleDate::toDate(r[0].toDouble()).toString(Qt::ISODate) + ' ' +
                    OleDate::toTime(r[1].toDouble()).toString(QStringLiteral("HH:mm")) + ' ' +
                    r[2].toString() + ' ' + r[3].toString());
    return rows;
}

QStringList storedPlanRows(const QString& planFile, QString* integrity) {
    QStringList rows;
    for (const QVariantList& r :
         SqlFile::rows(planFile, QStringLiteral("SELECT Date, Time, ServType, Location FROM "
                                                "tbMainPlan ORDER BY rowid")))
        rows.append(QString::number(r[0].toDouble(), 'g', 17) + '|' +
                    QString::number(r[1].toDouble(), 'g', 17) + '|' + r[2].toString() + '|' +
                    r[3].toString());
    if (integrity)
        *integrity = SqlFile::value(planFile, QStringLiteral("PRAGMA integrity_check")).toString();
    return rows;
}

} // namespace CalendarTestData
