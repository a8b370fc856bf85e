// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The user-interface seam: every message box, beep, mouse pointer change and clipboard access
// of the component goes through the UserInterface held in the shared state, so that the
// widget-free code runs headless and tests can see what the user would have seen.
class UserInterface {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    virtual ~UserInterface();

    // Shows a modal message box. An empty title means the component's title. `details` (the
    // failure's numbers and procedures) stay behind the box's "Show Details" button.
    Answer messageBox(Icon icon, Buttons buttons, const QString& title, const QString& text,
                      const QString& details = {}) {
        return showMessage(icon, buttons, title, text, details);
    }
    virtual void beep() = 0;
    virtual void setWaitCursor() = 0;
    virtual void setDefaultCursor() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() = 0;
    // Puts a fragment on the clipboard as HTML with its plain text beside it, as a browser
    // copies a selection; clipboardHtml is empty when the clipboard holds no HTML.
    virtual void setClipboardHtml(const QString& html, const QString& text) = 0;
    virtual QString clipboardHtml() = 0;

    // The title a message box shows for `title`: the host's title when it gave one.
    static QString effectiveTitle(const QString& title);

protected:
    virtual Answer showMessage(Icon icon, Buttons buttons, const QString& title,
                               const QString& text, const QString& details) = 0;
};
