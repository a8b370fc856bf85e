// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/DataCoverage.h"

#include "calendar/CalendarSpan.h"
#include "data/mADO.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QCoreApplication>

bool DataCoverage::read(const QString& iniFile, const QString& server, QString* error) {
    m_first = m_last = QDate();
    m_liturgyFile =
        modIni::read(iniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile")).trimmed();
    if (!server.isEmpty()) {
        // The server's calendar; the INI's file need not be on this workstation.
        m_name = QCoreApplication::translate("DataCoverage", "on the server");
        const ConnectionPtr connection =
            mADO::getConnection(m_liturgyFile, mADO::mGetConString(m_liturgyFile, -1, server));
        if (!connection) {
            *error = QCoreApplication::translate(
                "DataCoverage", "the liturgy database on the server cannot be read");
            return false;
        }
        return readSpan(connection, error);
    }
    m_name = mVBFileDisk::fileNamePart(m_liturgyFile);
    if (m_liturgyFile.isEmpty()) {
        *error = QCoreApplication::translate("DataCoverage",
                                             "the INI file '%1' names no liturgy database")
                     .arg(iniFile);
        return false;
    }
    const QString file = mVBFileDisk::resolveLetterCase(m_liturgyFile);
    if (!mVBFileDisk::fileExists(file)) {
        *error =
            QCoreApplication::translate("DataCoverage", "the liturgy database '%1' does not exist")
                .arg(m_liturgyFile);
        return false;
    }
    return readSpan(mADO::getConnection(file, mADO::mGetConString(file, 0, QString())), error);
}

bool DataCoverage::readSpan(const ConnectionPtr& connection, QString* error) {
    const CalendarSpan span = CalendarSpan::read(connection);
    m_first = span.first();
    m_last = span.last();
    if (span.isEmpty()) {
        *error = QCoreApplication::translate("DataCoverage",
                                             "the liturgy database %1 holds no calendar rows")
                     .arg(m_name);
        return false;
    }
    return true;
}

bool DataCoverage::covers(const QDate& from, const QDate& to, const QString& asked,
                          QString* error) const {
    if (to >= m_first && from <= m_last)
        return true;
    *error = outside(asked);
    return false;
}

QString DataCoverage::outside(const QString& asked) const {
    return QCoreApplication::translate("DataCoverage",
                                       "%1 is outside the data: the liturgy database %2 covers %3")
        .arg(asked, m_name, span());
}

QString DataCoverage::span() const {
    return range(m_first, m_last);
}

QString DataCoverage::range(const QDate& from, const QDate& to) {
    return QCoreApplication::translate("DataCoverage", "%1 to %2")
        .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate));
}
