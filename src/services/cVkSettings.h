// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QString>

// The settings object of the recurring-services component (its pVkSettings): what the host
// window sets before a service is planned.
class cVkSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString pDefaultServiceTime READ pDefaultServiceTime WRITE setPDefaultServiceTime)
    Q_PROPERTY(qint32 pChurchMode READ pChurchMode WRITE setPChurchMode)
    Q_PROPERTY(bool pEnableMusicSeries READ pEnableMusicSeries WRITE setPEnableMusicSeries)
public:
    using QObject::QObject;

    // The time a new service starts with, "HH:MM".
    QString pDefaultServiceTime() const { return m_defaultServiceTime; }
    void setPDefaultServiceTime(const QString& v) { m_defaultServiceTime = v; }
    qint32 pChurchMode() const { return m_churchMode; }
    void setPChurchMode(qint32 v) { m_churchMode = v; }
    bool pEnableMusicSeries() const { return m_enableMusicSeries; }
    void setPEnableMusicSeries(bool v) { m_enableMusicSeries = v; }

private:
    QString m_defaultServiceTime = QStringLiteral("10:00");
    qint32 m_churchMode = 1;
    bool m_enableMusicSeries = false;
};
