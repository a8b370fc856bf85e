// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The least a program can do for the month command: a QtCore and QtSql program that opens the
// liturgy and plan databases and runs the month's two statements (prepared, dates bound), reading
// every row. Arguments: LITURGY_FILE PLAN_FILE FIRST_DAY LAST_DAY (dates as day numbers).

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>

namespace {

long long rows(const QString& name, const QString& file, const char* sql, double first,
               double last) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        return -1;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(QString::fromLatin1(sql)))
        return -1;
    q.addBindValue(first);
    q.addBindValue(last);
    if (!q.exec())
        return -1;
    long long n = 0;
    while (q.next()) {
        for (int c = 0; c < 3; ++c)
            n += q.value(c).isNull() ? 0 : 1;
    }
    return n;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5)
        return 2;
    const double first = args[3].toDouble();
    const double last = args[4].toDouble();
    const long long days =
        rows(QStringLiteral("liturgy"), args[1],
             "SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData  WHERE Date >=? "
             "AND Date <=? ORDER BY ID",
             first, last);
    const long long services =
        rows(QStringLiteral("plan"), args[2],
             "SELECT Time, Date, ServType FROM tbMainPlan  WHERE Date >=? AND Date <=? ORDER BY "
             "Date,Time",
             first, last);
    if (days < 0 || services < 0)
        return 1;
    std::printf("%lld %lld\n", days, services);
    return 0;
}
