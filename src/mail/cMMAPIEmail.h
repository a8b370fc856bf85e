// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// Sends a file by e-mail: composes the message through the messaging objects
// ("MSMAPI.MAPISession", "MSMAPI.MAPIMessages") so that the mail client opens its compose window
// with the file attached; without them, through a "mailto:" request (clsShellExeEmail).
class cMMAPIEmail {
public:
    QString pSubjectText() const { return m_subject; }
    void setPSubjectText(const QString& value) { m_subject = value; }
    QString pBodyText() const { return m_body; }
    void setPBodyText(const QString& value) { m_body = value; }
    // The full path of the file to attach.
    QString pAttachFile() const { return m_attachFile; }
    void setPAttachFile(const QString& value) { m_attachFile = value; }

    // Composes and shows the message; true when the mail client (or the desktop) took it.
    bool mSend();
    // After a failed mSend: whether it failed because the desktop has no mail program (rather
    // than the user cancelling), which the user must be told.
    bool noMailProgram() const { return m_noMailProgram; }

private:
    bool SendWithShellExecute();

    QString m_subject;
    QString m_body;
    QString m_attachFile;
    bool m_noMailProgram = false;
};
