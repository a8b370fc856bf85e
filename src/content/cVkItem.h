// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>

// The item of the content-links component: the liturgy component asked for and the content
// found for it.
class cVkItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pComponentID READ pComponentID WRITE setPComponentID)
    Q_PROPERTY(qint32 pContentID READ pContentID WRITE setPContentID)
public:
    explicit cVkItem(QObject* parent = nullptr);
    ~cVkItem() override;

    qint32 pComponentID() const { return m_componentID; }
    void setPComponentID(qint32 value) { m_componentID = value; }
    qint32 pContentID() const { return m_contentID; }
    void setPContentID(qint32 value) { m_contentID = value; }

private:
    qint32 m_componentID = 0;
    qint32 m_contentID = 0;
};
