// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>
#include <QString>

// The message of the simple mail interface, as the component reaches it by the identifier
// "MSMAPI.MAPIMessages": composed in an open session and sent by opening the mail client's
// compose window through `xdg-email --subject S --body B --attach FILE`, so that the user picks
// the recipients and sends.
class MAPIMessages : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 SessionID READ SessionID WRITE setSessionID)
    Q_PROPERTY(QString MsgNoteText READ MsgNoteText WRITE setMsgNoteText)
    Q_PROPERTY(QString MsgSubject READ MsgSubject WRITE setMsgSubject)
    Q_PROPERTY(QString AttachmentName READ AttachmentName WRITE setAttachmentName)
    Q_PROPERTY(QString AttachmentPathName READ AttachmentPathName WRITE setAttachmentPathName)
    Q_PROPERTY(qint32 AttachmentPosition READ AttachmentPosition WRITE setAttachmentPosition)

public:
    static constexpr const char* kProgId = "MSMAPI.MAPIMessages";

    qint32 SessionID() const { return m_sessionID; }
    void setSessionID(qint32 value) { m_sessionID = value; }
    QString MsgNoteText() const { return m_noteText; }
    void setMsgNoteText(const QString& value) { m_noteText = value; }
    QString MsgSubject() const { return m_subject; }
    void setMsgSubject(const QString& value) { m_subject = value; }
    QString AttachmentName() const { return m_attachmentName; }
    void setAttachmentName(const QString& value) { m_attachmentName = value; }
    QString AttachmentPathName() const { return m_attachmentPath; }
    void setAttachmentPathName(const QString& value) { m_attachmentPath = value; }
    qint32 AttachmentPosition() const { return m_attachmentPosition; }
    void setAttachmentPosition(qint32 value) { m_attachmentPosition = value; }

    // Starts a new message in the session; the failure 32053 without an open session.
    Q_INVOKABLE void Compose();
    // Opens the mail client's compose window with the message. The client's own failures are
    // the messaging failures 32001 (it gave up) and 32003 (there is none); a client that
    // cannot be started at all is the failure 429, like a missing messaging component.
    Q_INVOKABLE void Send(bool dialog);

    // The arguments of xdg-email for the message: each option only for a value that is set.
    QStringList arguments() const;

private:
    void requireSession() const;

    qint32 m_sessionID = 0;
    QString m_noteText;
    QString m_subject;
    QString m_attachmentName;
    QString m_attachmentPath;
    qint32 m_attachmentPosition = 0;
};
