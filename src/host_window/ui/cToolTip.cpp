// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/cToolTip.h"

#include <QCursor>
#include <QString>
#include <QToolTip>
#include <QWidget>

void cToolTip::removeAll(QWidget* window) {
    if (!window)
        return;
    window->setToolTip(QString());
    QToolTip::hideText();
}

void cToolTip::attach(QWidget* window, const QString& text) {
    if (!window)
        return;
    window->setToolTip(text);
    window->setToolTipDuration(m_autoPopDelay > 0 ? m_autoPopDelay : -1);
    if (window->isVisible() && window->underMouse())
        QToolTip::showText(QCursor::pos(), text, window, {}, window->toolTipDuration());
}
