// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/HeadlessUserInterface.h"

HeadlessUserInterface::HeadlessUserInterface(FILE* out) : m_out(out) {}

UserInterface::Answer HeadlessUserInterface::showMessage(Icon icon, Buttons buttons,
                                                         const QString& title, const QString& text,
                                                         const QString& details) {
    const QString shown = effectiveTitle(title);
    m_calls << QStringLiteral("messageBox");
    m_boxes.push_back({icon, buttons, shown, text, details});
    if (m_out) {
        QString line = shown + QStringLiteral(": ") + text;
        line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        std::fprintf(m_out, "%s\n", line.toLocal8Bit().constData());
        std::fflush(m_out);
    }
    return m_answer;
}

void HeadlessUserInterface::beep() {
    m_calls << QStringLiteral("beep");
}

void HeadlessUserInterface::setWaitCursor() {
    m_calls << QStringLiteral("wait");
    m_wait = true;
}

void HeadlessUserInterface::setDefaultCursor() {
    m_calls << QStringLiteral("default");
    m_wait = false;
}

void HeadlessUserInterface::setClipboardText(const QString& text) {
    m_calls << QStringLiteral("setClipboard");
    m_clipboard = text;
    m_clipboardHtml.clear();
}

QString HeadlessUserInterface::clipboardText() {
    m_calls << QStringLiteral("clipboard");
    return m_clipboard;
}

void HeadlessUserInterface::setClipboardHtml(const QString& html, const QString& text) {
    m_calls << QStringLiteral("setClipboardHtml");
    m_clipboard = text;
    m_clipboardHtml = html;
}

QString HeadlessUserInterface::clipboardHtml() {
    m_calls << QStringLiteral("clipboardHtml");
    return m_clipboardHtml;
}

void HeadlessUserInterface::clear() {
    m_calls.clear();
    m_boxes.clear();
}
