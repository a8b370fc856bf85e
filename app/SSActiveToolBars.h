// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QToolBar>

// The host's toolbar as the component expects it: each tool is an action whose object name is
// its command identifier and whose data is the handle of the window it belongs to.
class SSActiveToolBars : public QToolBar {
    Q_OBJECT
public:
    using QToolBar::QToolBar;
};
