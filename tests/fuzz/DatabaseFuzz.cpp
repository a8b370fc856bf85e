// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// Database contents from the fuzzer's bytes: a liturgy and a plan database generated through
// the schema module and filled with whatever the bytes say (dates of any bit pattern, colour
// codes out of the table, nulls, texts of every kind), then the month and week fills and the
// three day pages of the host on them. Bad data must end in a report, never in a crash or a
// hang.
#include "FuzzInput.h"
#include "FuzzWorld.h"
#include "app/CommandLine.h"
#include "app/DayCommand.h"
#include "app/HostSession.h"
#include "app/MonthCommand.h"
#include "app/WeekCommand.h"
#include "data/Schema.h"
#include "support/OleDate.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

namespace {

// Liturgy file names of editions whose behaviour differs (the file names the edition).
const char* const kLiturgyFiles[] = {"VELMARKA.MDB", "KorvaLume.MDB", "Quorvane.mdb",
                                     "Brastume.MDB", "Brastelo.mdb",  "KorvaBase.mdb"};
const int kReadingTypes[] = {202, 203, 204, 208, 209, 214, 217, 12, 0};

const QDate kMonth(2024, 3, 1);

// A date value: mostly one near the month shown, sometimes any bit pattern at all.
QVariant dateValue(FuzzInput& in) {
    switch (in.byte() % 8) {
    case 0:
        return in.real();
    case 1:
        return QVariant();
    case 2:
        return in.line();
    default:
        return OleDate::fromDate(kMonth) - 7 + in.number(0, 50) + in.number(0, 96) / 96.0;
    }
}

QVariant integer(FuzzInput& in, int low, int high) {
    switch (in.byte() % 8) {
    case 0:
        return QVariant();
    case 1:
        return in.real();
    case 2:
        return in.line();
    default:
        return in.number(low, high);
    }
}

QVariant text(FuzzInput& in) {
    return in.byte() % 8 == 0 ? QVariant() : QVariant(in.line());
}

class Filler {
public:
    explicit Filler(const QString& file)
        : m_db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fuzz_fill"))) {
        m_db.setDatabaseName(file);
        m_db.open();
        m_db.transaction();
    }
    ~Filler() {
        m_db.commit();
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("fuzz_fill"));
    }
    // Rows of `table`; a row the table refuses (a repeated key) is left out.
    void insert(const char* sql, const QVariantList& values) {
        QSqlQuery q(m_db);
        q.prepare(QString::fromLatin1(sql));
        for (const QVariant& v : values)
            q.addBindValue(v);
        q.exec();
    }

private:
    QSqlDatabase m_db;
};

void fillLiturgy(const QString& file, FuzzInput& in) {
    Filler f(file);
    for (int i = in.number(0, 12); i > 0; --i)
        f.insert("INSERT INTO tbCalenderData VALUES (?, ?, ?, ?, ?, ?)",
                 {in.number(1, 16), dateValue(in), integer(in, -1, 600), integer(in, -1, 8),
                  text(in), integer(in, -1, 400)});
    for (int i = in.number(0, 8); i > 0; --i)
        f.insert("INSERT INTO tbReadings VALUES (?, ?, ?, ?, ?, ?, ?)",
                 {in.number(1, 64), integer(in, 1, 16), integer(in, 0, 4),
                  kReadingTypes[in.byte() % std::size(kReadingTypes)], integer(in, 1, 8), text(in),
                  text(in)});
    for (int i = in.number(0, 4); i > 0; --i)
        f.insert("INSERT INTO tbBibleText VALUES (?, ?, ?)", {in.number(1, 8), text(in), text(in)});
    for (int i = in.number(0, 4); i > 0; --i)
        f.insert("INSERT INTO tbContent VALUES (?, ?, ?, ?)",
                 {in.number(1, 8), text(in), text(in), text(in)});
    for (int i = in.number(0, 6); i > 0; --i)
        f.insert("INSERT INTO tbContentLinks VALUES (?, ?, ?)",
                 {integer(in, 1, 16), integer(in, 1, 220), integer(in, 1, 8)});
    for (int i = in.number(0, 3); i > 0; --i)
        f.insert("INSERT INTO tbFeasts VALUES (?, ?)", {in.number(0, 600), text(in)});
    for (int i = in.number(0, 3); i > 0; --i)
        f.insert("INSERT INTO tbOrdo VALUES (?, ?)", {dateValue(in), text(in)});
}

void fillPlan(const QString& file, FuzzInput& in) {
    Filler f(file);
    for (int i = in.number(0, 6); i > 0; --i)
        f.insert("INSERT INTO tbMainPlan VALUES (?, ?, ?, ?)",
                 {dateValue(in), in.byte() % 4 == 0 ? QVariant(in.real()) : dateValue(in), text(in),
                  text(in)});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A new folder for every input, so that no connection or cache sees an older file.
    static int run = 0;
    const QString folder = FuzzWorld::folder() + QStringLiteral("db%1/").arg(++run);
    QDir().mkpath(folder);
    FuzzInput in(data, size);
    const QString liturgy =
        folder + QString::fromLatin1(kLiturgyFiles[in.byte() % std::size(kLiturgyFiles)]);
    const QString plan = folder + QStringLiteral("Plan.MDB");
    const QString ini = folder + QStringLiteral("host.ini");
    if (!Schema::create(liturgy, Schema::Kind::Liturgy) ||
        !Schema::create(plan, Schema::Kind::Plan))
        return 0;
    fillLiturgy(liturgy, in);
    fillPlan(plan, in);
    QFile iniFile(ini);
    iniFile.open(QIODevice::WriteOnly);
    iniFile.write("[Files]\r\nLiturgyFile=" + liturgy.toUtf8() + "\r\nPlanFile=" + plan.toUtf8() +
                  "\r\n");
    iniFile.close();

    {
        HostSession session(nullptr);
        QString error;
        if (session.open(ini, 1, &error)) {
            CommandRequest request;
            request.month = kMonth;
            request.iniFile = ini;
            request.json = in.byte() % 2 == 0;
            (void)MonthCommand::run(request, session, false);
            (void)WeekCommand::run(request, session);
            DayCommand::Request day;
            day.iniFile = ini;
            day.date = kMonth.addDays(in.number(-7, 40));
            for (const qint32 kind : {4, 5, 7}) {
                day.kind = kind;
                day.entry = in.number(1, 3);
                day.list = in.byte() % 4 == 0;
                QByteArray output;
                (void)DayCommand::run(day, session, &output, &error);
            }
        }
    }
    QDir(folder).removeRecursively();
    return 0;
}
