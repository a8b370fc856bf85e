// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/ToolBarOverflow.h"

#include <QToolBar>
#include <QToolButton>

QToolButton* ToolBarOverflow::button(const QToolBar* bar) {
    if (!bar)
        return nullptr;
    // Qt's own name for the button, the same since Qt 4.
    return bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"),
                                        Qt::FindDirectChildrenOnly);
}

void ToolBarOverflow::name(const QToolBar* bar) {
    QToolButton* more = button(bar);
    if (!more)
        return;
    more->setAccessibleName(QToolBar::tr("More tools"));
    more->setToolTip(QToolBar::tr("More tools"));
}
