// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "host_window/ui/HostServices.h"

#include <QDate>
#include <QPoint>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

// The week calendar's menu on planned services: "Change..." opens the service dialog on a
// service and "Remove..." takes it out after asking once. A right click on a service's line
// acts on that service; the keys, or a click beside the lines, offer each service of the date
// in a submenu named by its line (the only one directly).
namespace ServiceMenu {

// Shows the menu of `date` at `globalPos`, owned by `parent` and gone when closed; `line` is
// the line of the date's text that was clicked, if any. `done` gets what a change or removal
// did, after the menu is gone. Null when the date has no services: there is no menu then.
QMenu* popup(QWidget* parent, const HostServices::Settings& window, const QDate& date,
             const QString& line, const QPoint& globalPos,
             const std::function<void(const HostServices::Outcome&)>& done);

} // namespace ServiceMenu
