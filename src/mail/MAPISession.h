// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>

// The messaging session of the simple mail interface, as the component reaches it by the
// identifier "MSMAPI.MAPISession": signing on opens a session of the user's mail client
// (reached through xdg-email), whose number the messages object carries.
class MAPISession : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool NewSession READ NewSession WRITE setNewSession)
    Q_PROPERTY(bool DownLoadMail READ DownLoadMail WRITE setDownLoadMail)
    Q_PROPERTY(bool LogonUI READ LogonUI WRITE setLogonUI)
    Q_PROPERTY(qint32 SessionID READ SessionID)

public:
    static constexpr const char* kProgId = "MSMAPI.MAPISession";

    ~MAPISession() override;

    bool NewSession() const { return m_newSession; }
    void setNewSession(bool value) { m_newSession = value; }
    bool DownLoadMail() const { return m_downLoadMail; }
    void setDownLoadMail(bool value) { m_downLoadMail = value; }
    bool LogonUI() const { return m_logonUI; }
    void setLogonUI(bool value) { m_logonUI = value; }
    // 0 while signed off.
    qint32 SessionID() const { return m_sessionID; }

    // Opens a session; the failure 32003 when no mail client can be reached.
    Q_INVOKABLE void SignOn();
    // Closes the session; the failure 32053 when none is open.
    Q_INVOKABLE void SignOff();

    // Whether `sessionID` belongs to an open session.
    static bool isOpen(qint32 sessionID);
    // How many sessions are open.
    static qsizetype openCount();

private:
    bool m_newSession = false;
    bool m_downLoadMail = true;
    bool m_logonUI = false;
    qint32 m_sessionID = 0;
};
