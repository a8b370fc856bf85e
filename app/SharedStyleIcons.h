// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>
#include <QString>

// The application's style, which makes each of its standard icons once: every tool bar asks
// for the icon of its overflow button and every pane for those of its buttons, and the style
// would read and decode the same pictures again for each. An icon is made again for another
// layout direction, widget state, palette or icon theme, the only things it can depend on.
class SharedStyleIcons : public QProxyStyle {
public:
    // Puts the application's own style, made afresh, under this one.
    static void install();

    explicit SharedStyleIcons(QStyle* base);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    struct Made {
        QIcon icon;
        bool rightToLeft = false;
        int state = 0;
        qint64 palette = 0;
        QString theme;
    };
    mutable QHash<int, Made> m_icons;
};
