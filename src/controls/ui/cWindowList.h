// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QList>
#include <QtGlobal>

class QWidget;

// The component's open windows, process-wide: each gets a positive 32-bit handle that stands in
// for a native window handle, so that the facade, the host window and a host find a window
// again by number. A window leaves the list when it is destroyed.
namespace cWindowList {

// Adds `window` (once) and returns its handle.
qint32 add(QWidget* window);
// The handle of a listed window; 0 when it is not listed.
qint32 handleOf(const QWidget* window);
// The first listed window, from index 0 upward, whose handle is `handle`; null when none.
QWidget* find(qint32 handle);
// The listed windows in the order they were added.
QList<QWidget*> windows();
int count();
// Unloads a listed window: it is destroyed at once, with the windows it owns.
void unload(QWidget* window);

} // namespace cWindowList
