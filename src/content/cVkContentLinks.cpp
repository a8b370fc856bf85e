// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/cVkContentLinks.h"

#include "content/mVkLiturgyData.h"
#include "data/mADO.h"
#include "support/ProcScope.h"

cVkContentLinks::cVkContentLinks(QObject* parent) : QObject(parent), m_item(new cVkItem(this)) {}

cVkContentLinks::~cVkContentLinks() = default;

QString cVkContentLinks::statement(qint32 calendarID, qint32 componentID) {
    return QStringLiteral("SELECT ContentID FROM tbContentLinks WHERE CalendarID=") +
           QString::number(calendarID) + QStringLiteral(" AND ComponentID=") +
           QString::number(componentID);
}

bool cVkContentLinks::mInitialize() {
    ProcScope scope("cVkContentLinks.mInitialize");
    bool result = false;
    scope.run([&] {
        result = mVkLiturgyData::connect(mVkLiturgyData::liturgySource(
                     m_vkIniFile, m_sqlConnectionString, m_sqlMode)) != nullptr;
    });
    return result;
}

bool cVkContentLinks::mResolve() {
    ProcScope scope("cVkContentLinks.mResolve");
    bool result = false;
    // A link that is not found leaves no content number of an earlier component behind.
    m_item->setPContentID(0);
    scope.run([&] {
        const ConnectionPtr connection = mVkLiturgyData::connect(
            mVkLiturgyData::liturgySource(m_vkIniFile, m_sqlConnectionString, m_sqlMode));
        if (!connection)
            return;
        const ResData found =
            mADO::getResData(connection, statement(m_calendarID, m_item->pComponentID()), 1, false);
        bool numeric = false;
        const qint32 contentID = found.toString().toInt(&numeric);
        if (!numeric)
            return;
        m_item->setPContentID(contentID);
        result = true;
    });
    return result;
}
