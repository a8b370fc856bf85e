// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarTestData.h"

#include "common/SqlFile.h"
#include "data/Schema.h"
#include "support/OleDate.h"

#include <gtest/gtest.h>

namespace CalendarTestData {

namespace {

bool createDatabase(const QString& path, Schema::Kind kind) {
    QString error;
    if (Schema::create(path, kind, &error))
        return true;
    ADD_FAILURE() << "cannot create " << path.toStdString() << ": " << error.toStdString();
    return false;
}

} // namespace

double ole(const QDate& date, const QTime& time) {
    return OleDate::fromDateTime(QDateTime(date, time));
}

bool createLiturgy(const QString& path, const QList<DayRow>& rows) {
    QList<QVariantList> values;
    for (const DayRow& r : rows)
        values.append({r.id, r.date, r.feastRef, r.dayColor, r.shortName});
    return createDatabase(path, Schema::Kind::Liturgy) &&
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
    return createDatabase(path, Schema::Kind::Plan) &&
           SqlFile::insert(path,
                           QStringLiteral("INSERT INTO tbMainPlan (Date, Time, ServType, Location) "
                                          "VALUES (?, ?, ?, ?)"),
                           values);
}

QByteArray iniText(const QString& liturgyFile, const QString& planFile) {
    return "[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() + "\r\nPlanFile=" + planFile.toUtf8() +
           "\r\n";
}

} // namespace CalendarTestData
