// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/cDockingPane.h"

#include <QCloseEvent>

cDockingPane::cDockingPane(qint16 number, const QString& title, QWidget* parent)
    : QDockWidget(title, parent), m_number(number) {
    setObjectName(QStringLiteral("pane%1").arg(number));
    setAccessibleName(title);
}

void cDockingPane::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted())
        emit closedByUser(this);
}
