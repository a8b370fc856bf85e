// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// A mail request handed to the desktop as a "mailto:" address: recipients, subject, body and
// attachment in the address's parameters; the desktop opens the user's mail client with it.
class clsShellExeEmail {
public:
    QString pSendTo() const { return m_sendTo; }
    void setPSendTo(const QString& value) { m_sendTo = value; }
    QString pCC() const { return m_cc; }
    void setPCC(const QString& value) { m_cc = value; }
    QString pBCC() const { return m_bcc; }
    void setPBCC(const QString& value) { m_bcc = value; }
    QString pSubjectText() const { return m_subject; }
    void setPSubjectText(const QString& value) { m_subject = value; }
    QString pBodyText() const { return m_body; }
    void setPBodyText(const QString& value) { m_body = value; }
    QString pAttachments() const { return m_attachments; }
    void setPAttachments(const QString& value) { m_attachments = value; }
    // The owner window of what the desktop shows; the desktop here places its windows itself.
    qint32 pParentWindow() const { return m_parentWindow; }
    void setPParentWindow(qint32 value) { m_parentWindow = value; }
    // The desktop's answer to Send: above 32 when it took the request, -1 for every failure.
    qint32 pResult() const;

    // Builds the request from the properties.
    void prepareSend();
    // Hands the request to the desktop (xdg-open, the request as its one argument).
    void Send();

    // The request that prepareSend built.
    QString request() const { return m_request; }
    // `value` with the characters that would change the request's meaning ("%", "&", "?",
    // "#", a double quote, line breaks and other control characters) percent-encoded.
    static QString encodeValue(const QString& value);

    // The answer for a request that the desktop took.
    static constexpr qint32 kHandedOver = 42;

private:
    QString m_sendTo;
    QString m_cc;
    QString m_bcc;
    QString m_subject;
    QString m_body;
    QString m_attachments;
    qint32 m_parentWindow = 0;
    qint32 m_answer = 0;
    QString m_request;
};
