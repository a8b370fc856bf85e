// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarTestData.h"

#include "data/Schema.h"
#include "support/OleDate.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace CalendarTestData {

namespace {

// Runs `insert` once per row inside one transaction on a private connection to `path`.
template <class Row, class Bind>
bool insertRows(const QString& path, const QString& insert, const QList<Row>& rows, Bind bind) {
    static int counter = 0;
    const QString name = QStringLiteral("calendar_test_data_%1").arg(++counter);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() && db.transaction();
        QSqlQuery query(db);
        ok = ok && query.prepare(insert);
        for (const Row& row : rows) {
            if (!ok)
                break;
            bind(query, row);
            if (!query.exec()) {
                ADD_FAILURE() << query.lastError().text().toStdString();
                ok = false;
            }
        }
        ok = ok && db.commit();
        query = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        ADD_FAILURE() << "cannot fill " << path.toStdString();
    return ok;
}

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
    return createDatabase(path, Schema::Kind::Liturgy) &&
           insertRows(path,
                      QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, Day_Color, "
                                     "ShortName) VALUES (?, ?, ?, ?, ?)"),
                      rows, [](QSqlQuery& q, const DayRow& r) {
                          q.bindValue(0, r.id);
                          q.bindValue(1, r.date);
                          q.bindValue(2, r.feastRef);
                          q.bindValue(3, r.dayColor);
                          q.bindValue(4, r.shortName);
                      });
}

double timeOfDay(int hour, int minute) {
    return ole(QDate(1899, 12, 30), QTime(hour, minute));
}

bool createPlan(const QString& path, const QList<ServiceRow>& rows) {
    return createDatabase(path, Schema::Kind::Plan) &&
           insertRows(path,
                      QStringLiteral("INSERT INTO tbMainPlan (Date, Time, ServType, Location) "
                                     "VALUES (?, ?, ?, ?)"),
                      rows, [](QSqlQuery& q, const ServiceRow& r) {
                          q.bindValue(0, r.date);
                          q.bindValue(1, r.time);
                          q.bindValue(2, r.servType);
                          q.bindValue(3, r.location);
                      });
}

QByteArray iniText(const QString& liturgyFile, const QString& planFile) {
    return "[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() + "\r\nPlanFile=" + planFile.toUtf8() +
           "\r\n";
}

} // namespace CalendarTestData
