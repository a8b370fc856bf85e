// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/UserInterface.h"

// The user interface of a process with windows: message boxes, the beep, the override cursor
// and the clipboard of Qt Widgets.
class QtUserInterface : public UserInterface {
public:
    void beep() override;
    void setWaitCursor() override;
    void setDefaultCursor() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    void setClipboardHtml(const QString& html, const QString& text) override;
    QString clipboardHtml() override;

protected:
    Answer showMessage(Icon icon, Buttons buttons, const QString& title, const QString& text,
                       const QString& details) override;

private:
    bool m_wait = false;
};
