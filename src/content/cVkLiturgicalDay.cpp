// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/cVkLiturgicalDay.h"

#include "content/mVkLiturgyData.h"
#include "data/mADO.h"
#include "support/ProcScope.h"

cVkLiturgicalDay::cVkLiturgicalDay(QObject* parent)
    : QObject(parent), m_readings(new cVkReadings(this)) {}

cVkLiturgicalDay::~cVkLiturgicalDay() = default;

QString cVkLiturgicalDay::statement(qint32 calendarID) {
    return QStringLiteral("SELECT Type, ContentID, Ref, TypeString FROM tbReadings WHERE "
                          "CalendarID=") +
           QString::number(calendarID) + QStringLiteral(" ORDER BY SortOrder, ID");
}

bool cVkLiturgicalDay::mResolve() {
    ProcScope scope("cVkLiturgicalDay.mResolve");
    bool result = false;
    scope.run([&] {
        m_readings->clear();
        const mVkLiturgyData::Source source =
            mVkLiturgyData::liturgySource(m_vkIniFile, m_connectionString, m_sqlMode);
        const ConnectionPtr connection = mVkLiturgyData::connect(source);
        if (!connection)
            return;
        const ResData rows = mADO::getResData(connection, statement(m_id), 3, false);
        if (!rows.isTable())
            return;
        const RowTable& table = rows.table();
        for (int row = 0; row < table.rowCount(); ++row) {
            cVkReading* reading = m_readings->Add();
            reading->setPType(table.at(0, row).toInt());
            reading->setPID(table.at(1, row).toInt());
            reading->setPRef(table.at(2, row).toString());
            reading->setPTypeString(table.at(3, row).toString());
        }
        result = table.rowCount() > 0;
    });
    return result;
}
