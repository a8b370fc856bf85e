// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/Schema.h"

#include "data/ConnectionName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Tables shared by several kinds of database.
QStringList contentTables() {
    return {
        QStringLiteral("CREATE TABLE tbContent (ID INTEGER PRIMARY KEY, Navn TEXT, Text TEXT, "
                       "HTM_Data TEXT)"),
        QStringLiteral("CREATE TABLE tbBibleText (ID INTEGER PRIMARY KEY, Text TEXT, "
                       "HTM_Data TEXT)"),
        QStringLiteral("CREATE TABLE tbLyrics (ID INTEGER PRIMARY KEY, Lyrics TEXT, "
                       "HTM_Data TEXT)"),
    };
}

QStringList liturgyTables() {
    QStringList s = {
        // Day_ID is the day number some editions read for a calendar row.
        QStringLiteral("CREATE TABLE tbCalenderData (ID INTEGER PRIMARY KEY, Date REAL, "
                       "FeastRef INTEGER, Day_Color INTEGER, ShortName TEXT, Day_ID INTEGER)"),
        QStringLiteral("CREATE INDEX ixCalenderDataDate ON tbCalenderData (Date)"),
        QStringLiteral("CREATE TABLE tbFeasts (ID INTEGER PRIMARY KEY, Description TEXT)"),
        QStringLiteral("CREATE TABLE tbOrdo (itemDate REAL, itemOrdo TEXT)"),
        QStringLiteral("CREATE INDEX ixOrdoItemDate ON tbOrdo (itemDate)"),
    };
    s += contentTables();
    s += {
        QStringLiteral("CREATE TABLE tbReadings (ID INTEGER PRIMARY KEY, CalendarID INTEGER, "
                       "SortOrder INTEGER, Type INTEGER, ContentID INTEGER, Ref TEXT, "
                       "TypeString TEXT)"),
        QStringLiteral("CREATE INDEX ixReadingsCalendarID ON tbReadings (CalendarID, SortOrder, "
                       "ID)"),
        QStringLiteral("CREATE TABLE tbContentLinks (CalendarID INTEGER, ComponentID INTEGER, "
                       "ContentID INTEGER)"),
        QStringLiteral("CREATE INDEX ixContentLinksCalendarID ON tbContentLinks (CalendarID, "
                       "ComponentID)"),
    };
    return s;
}

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

// Runs the statements in one transaction on a new database file.
bool build(QSqlDatabase& db, const QStringList& statements, QString* error) {
    if (!db.open())
        return fail(error, db.lastError().text());
    QSqlQuery query(db);
    if (!db.transaction())
        return fail(error, db.lastError().text());
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            const QString text = statement + QStringLiteral(": ") + query.lastError().text();
            db.rollback();
            return fail(error, text);
        }
    }
    if (!db.commit())
        return fail(error, db.lastError().text());
    return true;
}

} // namespace

namespace Schema {

QStringList statements(Kind kind) {
    switch (kind) {
    case Kind::Liturgy:
        return liturgyTables();
    case Kind::Plan:
        return {
            QStringLiteral("CREATE TABLE tbMainPlan (Date REAL, Time REAL, ServType TEXT, "
                           "Location TEXT)"),
            QStringLiteral("CREATE INDEX ixMainPlanDate ON tbMainPlan (Date, Time)"),
        };
    case Kind::Service:
        return {QStringLiteral("CREATE TABLE tbUserText (ID INTEGER PRIMARY KEY, Text TEXT)")};
    case Kind::ItemData:
        return contentTables();
    }
    return {};
}

bool create(const QString& path, Kind kind, QString* error) {
    if (path.isEmpty())
        return fail(error, QStringLiteral("No database path is given."));
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return fail(error, QStringLiteral("The file '%1' exists already.").arg(path));
    if (!info.absoluteDir().exists())
        return fail(error, QStringLiteral("The folder of '%1' does not exist.").arg(path));
    const QString name = uniqueConnectionName(QLatin1StringView("lc_schema"));
    bool built = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        built = build(db, statements(kind), error);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!built) {
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-journal"));
    }
    return built;
}

} // namespace Schema
