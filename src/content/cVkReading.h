// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QString>

// One reading of a liturgical day as the readings component lists it: its component number
// (202 first reading, 204 gospel, ...), its content number, its Bible reference and caption.
class cVkReading : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pType READ pType WRITE setPType)
    Q_PROPERTY(qint32 pID READ pID WRITE setPID)
    Q_PROPERTY(QString pRef READ pRef WRITE setPRef)
    Q_PROPERTY(QString pTypeString READ pTypeString WRITE setPTypeString)
public:
    explicit cVkReading(QObject* parent = nullptr);
    ~cVkReading() override;

    qint32 pType() const { return m_type; }
    void setPType(qint32 value) { m_type = value; }
    qint32 pID() const { return m_id; }
    void setPID(qint32 value) { m_id = value; }
    QString pRef() const { return m_ref; }
    void setPRef(const QString& value) { m_ref = value; }
    QString pTypeString() const { return m_typeString; }
    void setPTypeString(const QString& value) { m_typeString = value; }

private:
    qint32 m_type = 0;
    qint32 m_id = 0;
    QString m_ref;
    QString m_typeString;
};
