// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarFill.h"

#include "data/SqlDate.h"
#include "data/mADO.h"
#include "support/Failure.h"
#include "support/OleDate.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

QString CalendarFill::dateRange(int month, int year, const QDate& lastDay, qint16 sqlMode) {
    // A server rejects the #month/1/year# form, so there the first day is written in the
    // server's form like the last; every other mode keeps the form the Jet engine reads.
    const QString first =
        sqlMode == -1 ? getSQLDate(OleDate::fromDate(QDate(year, month, 1)), 0, 0, 0, sqlMode)
                      : getSQLDate(0, qint16(month), 1, qint16(year), sqlMode);
    return QStringLiteral(" WHERE Date >=") + first + QStringLiteral(" AND Date <=") +
           getSQLDate(OleDate::fromDate(lastDay), 0, 0, 0, sqlMode);
}

QString CalendarFill::calendarStatement(const QString& range, bool excludeFeasts) {
    QString where = range;
    // A null FeastRef fails every comparison, so such rows go too.
    if (excludeFeasts)
        where += QStringLiteral(" AND FeastRef <> 155 AND FeastRef <> 486 AND FeastRef <> 490 "
                                "AND FeastRef <> 530 AND FeastRef <> 101");
    return QStringLiteral("SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData ") +
           where + QStringLiteral(" ORDER BY ID");
}

cLiturgicalColors::Table CalendarFill::colorTable() const {
    if (!m_litColors)
        throw Failure::objectNotSet(QStringLiteral("poLitColors"));
    return m_litColors->table();
}

CalendarFill::DataFiles CalendarFill::dataFiles() const {
    const QStringList files =
        modIni::read(m_vkIniFile, QStringLiteral("Files"),
                     {QStringLiteral("LiturgyFile"), QStringLiteral("PlanFile")});
    return {files.at(0), files.at(1), std::nullopt};
}

bool CalendarFill::planExists(DataFiles* files) {
    return mVBFileDisk::fileExists(files->plan, &files->planSeen);
}

RowTable CalendarFill::query(const QString& dataFile, const QString& sql,
                             const std::optional<FileIdentity>& seen) const {
    const ConnectionPtr connection = mADO::getConnection(
        dataFile, mADO::mGetConString(dataFile, m_sqlMode, m_connectionString), seen);
    ResData result = mADO::getResData(connection, sql, 3, false);
    return result.isTable() ? std::move(result).table() : RowTable();
}
