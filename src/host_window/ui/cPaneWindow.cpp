// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/cPaneWindow.h"

cPaneWindow::cPaneWindow(const QString& name, QWidget* control, QWidget* parent)
    : QWidget(parent), m_control(control) {
    setObjectName(name);
    control->setParent(this);
    setFocusProxy(control);
}

void cPaneWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_control->setGeometry(0, 0, width(), height());
    emit resized();
}
