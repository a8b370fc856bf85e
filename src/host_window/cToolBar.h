// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QPointer>

// The record of the toolbar in use that the host window keeps: its own handle, the user, the
// edition and the toolbar itself, which it lets go when it goes.
class cToolBar : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 phWnd READ phWnd WRITE setPhWnd)
    Q_PROPERTY(qint32 pUser READ pUser WRITE setPUser)
    Q_PROPERTY(qint32 pVersion READ pVersion WRITE setPVersion)
    Q_PROPERTY(QObject* pToolBar READ pToolBar WRITE setPToolBar)
public:
    using QObject::QObject;

    qint32 phWnd() const { return m_hWnd; }
    void setPhWnd(qint32 v) { m_hWnd = v; }
    qint32 pUser() const { return m_user; }
    void setPUser(qint32 v) { m_user = v; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 v) { m_version = v; }
    QObject* pToolBar() const { return m_toolBar; }
    void setPToolBar(QObject* v) { m_toolBar = v; }

    // Nothing to set up beyond the record itself.
    Q_INVOKABLE bool mInitialize();

private:
    qint32 m_hWnd = 0;
    qint32 m_user = 0;
    qint32 m_version = 0;
    QPointer<QObject> m_toolBar;
};
