#pragma once

#include <QIcon>

// A printer drawn in the palette's text colour, for desktops whose icon theme has none: the
// styles' own icons offer no printer.
QIcon printerIcon();
