// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/HostServices.h"

#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"

namespace HostServices {

namespace {

constexpr const char* kProgId = "RaVidIzarorid.cVkRecurringServices";

bool call(QObject* object, const char* method) {
    return LateBinding::call(object, method).toBool();
}

} // namespace

Outcome newService(const Settings& window, const QString& id) {
    ProcScope scope("fHoster.newService");
    Outcome outcome;
    scope.run([&] {
        const std::unique_ptr<QObject> services =
            ObjectRegistry::CreateObject(QString::fromLatin1(kProgId));
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
            outcome.status = LateBinding::call(object, "plannedText").toString();
    });
    return outcome;
}

} // namespace HostServices
