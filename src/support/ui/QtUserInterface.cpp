// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/ui/QtUserInterface.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>

namespace {

QMessageBox::Icon qtIcon(UserInterface::Icon icon) {
    switch (icon) {
    case UserInterface::Icon::Critical:
        return QMessageBox::Critical;
    case UserInterface::Icon::Question:
        return QMessageBox::Question;
    case UserInterface::Icon::Exclamation:
        return QMessageBox::Warning;
    case UserInterface::Icon::Information:
        return QMessageBox::Information;
    case UserInterface::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(UserInterface::Buttons buttons) {
    switch (buttons) {
    case UserInterface::Buttons::Ok:
        return QMessageBox::Ok;
    case UserInterface::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case UserInterface::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case UserInterface::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case UserInterface::Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

UserInterface::Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return UserInterface::Answer::Cancel;
    case QMessageBox::Yes:
        return UserInterface::Answer::Yes;
    case QMessageBox::No:
        return UserInterface::Answer::No;
    case QMessageBox::Retry:
        return UserInterface::Answer::Retry;
    default:
        return UserInterface::Answer::Ok;
    }
}

} // namespace

UserInterface::Answer QtUserInterface::showMessage(Icon icon, Buttons buttons, const QString& title,
                                                   const QString& text, const QString& details) {
    // A message must be readable with the pointer it came with; show the arrow meanwhile.
    if (m_wait)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(qtIcon(icon), effectiveTitle(title), text, qtButtons(buttons),
                    QApplication::activeWindow());
    box.setDetailedText(details);
    const int button = box.exec();
    if (m_wait)
        QGuiApplication::restoreOverrideCursor();
    return answerOf(button);
}

void QtUserInterface::beep() {
    QApplication::beep();
}

void QtUserInterface::setWaitCursor() {
    // The pointer is a setting, not a stack: a second wait changes nothing.
    if (m_wait)
        return;
    m_wait = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::setDefaultCursor() {
    if (!m_wait)
        return;
    m_wait = false;
    QGuiApplication::restoreOverrideCursor();
}

void QtUserInterface::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtUserInterface::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void QtUserInterface::setClipboardHtml(const QString& html, const QString& text) {
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

QString QtUserInterface::clipboardHtml() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasHtml() ? data->html() : QString();
}
