// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/UserInterface.h"

#include <QStringList>
#include <QVector>
#include <cstdio>

// The user interface of a process without windows (the command line, the tests): each message
// box is written to an output stream (standard error by default) as "title: text" and answered
// with a preset answer; every call is recorded so that tests can assert on it.
class HeadlessUserInterface : public UserInterface {
public:
    struct MessageBoxCall {
        Icon icon;
        Buttons buttons;
        QString title; // as shown, empty titles resolved
        QString text;
        QString details; // behind "Show Details"
    };

    explicit HeadlessUserInterface(FILE* out = stderr);

    void beep() override;
    void setWaitCursor() override;
    void setDefaultCursor() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    void setClipboardHtml(const QString& html, const QString& text) override;
    QString clipboardHtml() override;

    // Every call in order, as "messageBox", "beep", "wait", "default", "setClipboard",
    // "clipboard", "setClipboardHtml", "clipboardHtml".
    const QStringList& calls() const { return m_calls; }
    const QVector<MessageBoxCall>& messageBoxes() const { return m_boxes; }
    int beeps() const { return int(m_calls.count(QStringLiteral("beep"))); }
    bool waitCursorShown() const { return m_wait; }
    void setAnswer(Answer answer) { m_answer = answer; }
    void setOutput(FILE* out) { m_out = out; }
    void clear();

protected:
    Answer showMessage(Icon icon, Buttons buttons, const QString& title, const QString& text,
                       const QString& details) override;

private:
    FILE* m_out;
    Answer m_answer = Answer::Ok;
    QStringList m_calls;
    QVector<MessageBoxCall> m_boxes;
    QString m_clipboard;
    QString m_clipboardHtml;
    bool m_wait = false;
};
