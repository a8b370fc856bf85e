// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/HostServices.h"

#include "data/Connection.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QCoreApplication>

namespace HostServices {

namespace {

constexpr const char* kProgId = "RaVidIzarorid.cVkRecurringServices";

bool call(QObject* object, const char* method) {
    return LateBinding::call(object, method).toBool();
}

// The component, set up from the window.
std::unique_ptr<QObject> component(const Settings& window) {
    std::unique_ptr<QObject> services = ObjectRegistry::CreateObject(QString::fromLatin1(kProgId));
    QObject* object = services.get();
    LateBinding::set(object, "pVkIniFile", window.iniFile);
    LateBinding::set(object, "pUser", window.user);
    LateBinding::set(object, "pVersion", window.version);
    LateBinding::set(object, "pAppTitle", window.appTitle);
    QObject* settings = LateBinding::getObject(object, "pVkSettings");
    LateBinding::set(settings, "pDefaultServiceTime", QStringLiteral("10:00"));
    LateBinding::set(settings, "pChurchMode", 1);
    LateBinding::set(settings, "pEnableMusicSeries", false);
    LateBinding::set(object, "pScanDirection", 0);
    if (window.date.isValid())
        LateBinding::set(object, "pDate", OleDate::fromDate(window.date));
    LateBinding::set(object, "pConnectionString", window.connectionString);
    LateBinding::set(object, "pSQLMode", window.sqlMode);
    return services;
}

// The component, describing `service`.
std::unique_ptr<QObject> componentOn(const Settings& window, const PlanDatabase::Service& service) {
    std::unique_ptr<QObject> services = component(window);
    QObject* object = services.get();
    LateBinding::set(object, "pDate", OleDate::fromDate(service.date));
    LateBinding::set(object, "pTime", service.time.toString(QStringLiteral("HH:mm")));
    LateBinding::set(object, "pServiceType", service.type);
    LateBinding::set(object, "pLocation", service.place);
    return services;
}

QString status(QObject* object) {
    return LateBinding::call(object, "plannedText").toString();
}

} // namespace

Outcome newService(const Settings& window, const QString& id) {
    ProcScope scope("fHoster.newService");
    Outcome outcome;
    scope.run([&] {
        const std::unique_ptr<QObject> services = component(window);
        QObject* object = services.get();
        if (id == QLatin1String("ID_VK_LITURGY_CALENDAR_NEW_SERVICE")) {
            // True only when the service was written: a failed write is no success.
            if (call(object, "mShowCreateOne")) {
                outcome.created = call(object, "mCreateOneService");
                outcome.result = outcome.created;
            }
        } else if (id == QLatin1String("ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE")) {
            if (call(object, "mShow"))
                outcome.created = call(object, "mCreateServices");
        }
        if (outcome.created)
            outcome.status = status(object);
    });
    return outcome;
}

QList<PlanDatabase::Service> plannedOn(const Settings& window, const QDate& date) {
    ProcScope scope("fHoster.plannedOn");
    QList<PlanDatabase::Service> services;
    scope.run([&] {
        PlanDatabase plan;
        if (window.sqlMode && !window.connectionString.isEmpty()) {
            plan.openServer(window.connectionString);
        } else {
            // A plan never written holds no services.
            const QString file =
                modIni::read(window.iniFile, QStringLiteral("Files"), QStringLiteral("PlanFile"));
            if (!mVBFileDisk::fileExists(file))
                return;
            plan.open(file, false, PlanDatabase::Access::Read);
        }
        services = plan.services(date, date);
    });
    return services;
}

namespace {

// Runs `act` on the component describing `service`, as the procedure `name`.
template <class Act>
Outcome onService(const char* name, const Settings& window, const PlanDatabase::Service& service,
                  Act act) {
    ProcScope scope(name);
    Outcome outcome;
    scope.run([&] {
        const std::unique_ptr<QObject> services = componentOn(window, service);
        act(services.get(), outcome);
    });
    return outcome;
}

} // namespace

Outcome changeService(const Settings& window, const PlanDatabase::Service& service) {
    return onService("fHoster.changeService", window, service,
                     [](QObject* object, Outcome& outcome) {
                         if (!call(object, "mShowChange"))
                             return;
                         outcome.created = call(object, "mChangeService");
                         outcome.result = outcome.created;
                         if (outcome.created)
                             outcome.status = status(object);
                     });
}

Outcome removeService(const Settings& window, const PlanDatabase::Service& service) {
    return onService(
        "fHoster.removeService", window, service, [](QObject* object, Outcome& outcome) {
            const QString what = LateBinding::call(object, "serviceText").toString();
            const QString question =
                QCoreApplication::translate("HostServices", "Remove the service %1 from the plan?")
                    .arg(what);
            if (ui().messageBox(UserInterface::Icon::Question, UserInterface::Buttons::YesNo,
                                QString(), question) != UserInterface::Answer::Yes)
                return;
            outcome.created = call(object, "mRemoveService");
            outcome.result = outcome.created;
            // Another workstation may have taken it out meanwhile; the calendars show that too.
            outcome.status =
                outcome.created
                    ? status(object)
                    : QCoreApplication::translate("HostServices", "%1 is no longer in the plan.")
                          .arg(what);
        });
}

} // namespace HostServices
