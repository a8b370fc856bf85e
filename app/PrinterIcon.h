// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QIcon>

// A printer drawn in the palette's text colour, for desktops whose icon theme has none: the
// styles' own icons offer no printer.
QIcon printerIcon();
