// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

// The data of the month benchmarks: a liturgy database with one row a day for 70 years and a
// second row every third day (a saint's day beside the weekday, so that a month has about 40
// rows), a plan database with two services every Sunday and one every Wednesday, and an INI
// file naming both, made in a folder by the schema module.

#include "data/Schema.h"
#include "support/OleDate.h"

#include <QDate>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace bench {

// The folder the files are made in, set up before them.
struct TemporaryFolder {
    QTemporaryDir dir;
};

struct CalendarFiles {
    static constexpr int kFirstYear = 1970;
    static constexpr int kYears = 70;

    QString liturgyFile;
    QString planFile;
    QString iniFile;
    std::vector<QDate> months; // the first of every month
    qint64 calendarRows = 0;
    qint64 services = 0;

    explicit CalendarFiles(const QString& folder)
        : liturgyFile(folder + QStringLiteral("/Brastelo.MDB")),
          planFile(folder + QStringLiteral("/Plan.MDB")),
          iniFile(folder + QStringLiteral("/host.ini")) {
        create(liturgyFile, Schema::Kind::Liturgy);
        create(planFile, Schema::Kind::Plan);
        const QDate start(kFirstYear, 1, 1);
        const QDate end(kFirstYear + kYears, 1, 1);
        fill(liturgyFile,
             QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, Day_Color, "
                            "ShortName, Day_ID) VALUES (?, ?, ?, ?, ?, ?)"),
             [&](QSqlQuery& q) {
                 for (QDate d = start; d < end; d = d.addDays(1)) {
                     const int copies = d.toJulianDay() % 3 == 0 ? 2 : 1;
                     for (int k = 0; k < copies; ++k) {
                         q.addBindValue(++calendarRows);
                         q.addBindValue(OleDate::fromDate(d));
                         q.addBindValue(int(calendarRows % 600));
                         q.addBindValue(int(calendarRows % 7));
                         q.addBindValue(k ? QStringLiteral("Saint of day %1").arg(calendarRows)
                                          : d.toString(QStringLiteral("dddd d MMMM yyyy")));
                         q.addBindValue(d.dayOfYear());
                         q.exec();
                     }
                 }
             });
        fill(planFile,
             QStringLiteral("INSERT INTO tbMainPlan (Date, Time, ServType, Location) VALUES "
                            "(?, ?, ?, ?)"),
             [&](QSqlQuery& q) {
                 for (QDate d = start; d < end; d = d.addDays(1)) {
                     QList<QTime> times;
                     if (d.dayOfWeek() == 7)
                         times = {QTime(11, 0), QTime(18, 0)};
                     else if (d.dayOfWeek() == 3)
                         times = {QTime(19, 30)};
                     for (const QTime& t : times) {
                         q.addBindValue(OleDate::fromDate(d));
                         q.addBindValue(OleDate::fromDateTime(QDateTime(QDate(1899, 12, 30), t)));
                         q.addBindValue(QStringLiteral("Holy Communion"));
                         q.addBindValue(QStringLiteral("St. Mary's Church"));
                         q.exec();
                         ++services;
                     }
                 }
             });
        QFile ini(iniFile);
        if (!ini.open(QIODevice::WriteOnly))
            std::abort();
        ini.write("[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() +
                  "\r\nPlanFile=" + planFile.toUtf8() + "\r\n");
        for (QDate m = start; m < end; m = m.addMonths(1))
            months.push_back(m);
    }

private:
    static void create(const QString& file, Schema::Kind kind) {
        QString error;
        if (!Schema::create(file, kind, &error)) {
            std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(file), qPrintable(error));
            std::exit(1);
        }
    }

    // Prepares `insert` on `file` and lets `rows` run it, inside one transaction.
    template <class Rows> static void fill(const QString& file, const QString& insert, Rows rows) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench_fill");
            db.setDatabaseName(file);
            if (!db.open() || !db.transaction())
                std::abort();
            QSqlQuery q(db);
            if (!q.prepare(insert))
                std::abort();
            rows(q);
            if (!db.commit())
                std::abort();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench_fill"));
    }
};

} // namespace bench
