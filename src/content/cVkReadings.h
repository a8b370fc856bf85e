// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "content/cVkReading.h"

#include <QList>
#include <QObject>

// The ordered collection of readings, counted from 1. A reading taken out by Remove stays
// alive with the collection, so that a caller still holding it is never left with a dangling
// object; a position outside 1..Count is the failure 9.
class cVkReadings : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 Count READ Count)
public:
    explicit cVkReadings(QObject* parent = nullptr);
    ~cVkReadings() override;

    qint32 Count() const { return qint32(m_items.size()); }
    Q_INVOKABLE QObject* Item(qint32 position) const;
    Q_INVOKABLE void Remove(qint32 position);

    // Appends a new reading and returns it.
    cVkReading* Add();
    // Empties the collection.
    void clear() { m_items.clear(); }

    // Enumeration in order.
    QList<cVkReading*>::const_iterator begin() const { return m_items.cbegin(); }
    QList<cVkReading*>::const_iterator end() const { return m_items.cend(); }

private:
    void requirePosition(qint32 position) const;

    QList<cVkReading*> m_items;
};
