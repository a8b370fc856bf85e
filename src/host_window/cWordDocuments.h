// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>

class cWordApplication;

// The documents of the word processor; `Add` makes a new, empty one the active document.
class cWordDocuments : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 Count READ Count)

public:
    explicit cWordDocuments(cWordApplication& application);

    qint32 Count() const;
    Q_INVOKABLE QObject* Add();
    // Document `index`, from 1; the failure 9 outside 1..Count.
    Q_INVOKABLE QObject* Item(qint32 index) const;

private:
    cWordApplication& m_application;
};
