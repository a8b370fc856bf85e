// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/ServiceMenu.h"

#include "calendar/cFillWeekCalendar.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace ServiceMenu {

namespace {

using Service = PlanDatabase::Service;
using Done = std::function<void(const HostServices::Outcome&)>;

QString text(const char* source) {
    return QCoreApplication::translate("ServiceMenu", source);
}

// The line the week calendar shows for a service.
QString lineOf(const Service& service) {
    return cFillWeekCalendar::serviceLine(PlanDatabase::timeValue(service.time), service.place,
                                          service.type);
}

// Change and Remove of one service. Each runs once the menu has closed (and is gone), so that
// the dialog and the question it opens are not under the menu; `owner` outlives the menu.
void addActions(QMenu* menu, QWidget* owner, const HostServices::Settings& window,
                const Service& service, const Done& done) {
    using Act = HostServices::Outcome (*)(const HostServices::Settings&, const Service&);
    const std::pair<const char*, Act> acts[] = {
        {"mnuChangeService", HostServices::changeService},
        {"mnuRemoveService", HostServices::removeService},
    };
    const QString titles[] = {text("&Change..."), text("&Remove...")};
    for (int i = 0; i < 2; ++i) {
        QAction* action = menu->addAction(titles[i]);
        action->setObjectName(QLatin1String(acts[i].first));
        const Act act = acts[i].second;
        QObject::connect(
            action, &QAction::triggered, owner,
            [window, service, done, act] { done(act(window, service)); }, Qt::QueuedConnection);
    }
}

} // namespace

QMenu* popup(QWidget* parent, const HostServices::Settings& window, const QDate& date,
             const QString& line, const QPoint& globalPos, const Done& done) {
    QList<Service> services = HostServices::plannedOn(window, date);
    // The service clicked; several alike are one to the user.
    for (const Service& service : services) {
        if (!line.isEmpty() && lineOf(service) == line) {
            services = {service};
            break;
        }
    }
    if (services.isEmpty())
        return nullptr;
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuService"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (services.size() == 1) {
        menu->setTitle(lineOf(services.first()));
        addActions(menu, parent, window, services.first(), done);
    } else {
        for (const Service& service : services) {
            QMenu* sub = menu->addMenu(lineOf(service));
            addActions(sub, parent, window, service, done);
        }
    }
    menu->popup(globalPos);
    return menu;
}

} // namespace ServiceMenu
