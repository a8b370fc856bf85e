// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/cThisDay.h"

#include "data/SqlDate.h"
#include "data/mADO.h"
#include "support/ProcScope.h"

QString cThisDay::statement(double date, qint16 sqlMode) {
    return QStringLiteral("SELECT ID, ShortName, FeastRef FROM tbCalenderData WHERE Date = ") +
           getSQLDate(date, 0, 0, 0, sqlMode);
}

bool cThisDay::mResolve() {
    ProcScope scope("cThisDay.mResolve");
    bool result = false;
    scope.run([&] {
        const QString sql = statement(m_date, m_sqlMode);
        const QString conString = mADO::mGetConString(m_liturgyFile, m_sqlMode, m_connectionString);
        const ConnectionPtr connection = mADO::getConnection(m_liturgyFile, conString);
        const ResData rows = mADO::getResData(connection, sql, 3, false);
        if (!rows.isTable())
            return;
        m_liturgicalDays = rows.table();
        result = true;
    });
    return result;
}
