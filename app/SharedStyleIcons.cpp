// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/SharedStyleIcons.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>

void SharedStyleIcons::install() {
    // The style chosen for the application (by the desktop, -style or QT_STYLE_OVERRIDE).
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    if (base)
        QApplication::setStyle(new SharedStyleIcons(base));
}

SharedStyleIcons::SharedStyleIcons(QStyle* base) : QProxyStyle(base) {}

QIcon SharedStyleIcons::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const {
    Made wanted;
    wanted.rightToLeft =
        option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    wanted.state = option ? int(option->state) : 0;
    wanted.palette = option ? option->palette.cacheKey() : 0;
    wanted.theme = QIcon::themeName();
    const auto kept = m_icons.constFind(int(standardIcon));
    if (kept != m_icons.cend() && kept->rightToLeft == wanted.rightToLeft &&
        kept->state == wanted.state && kept->palette == wanted.palette &&
        kept->theme == wanted.theme)
        return kept->icon;
    wanted.icon = QProxyStyle::standardIcon(standardIcon, option, widget);
    m_icons.insert(int(standardIcon), wanted);
    return wanted.icon;
}
