#include "host_window/ui/HostServices.h"

#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "host_window/ui/fHoster.h"
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

Outcome newService(const fHoster& window, const QString& id) {
    ProcScope scope("fHoster.newService");
    Outcome outcome;
    scope.run([&] {
        const std::unique_ptr<QObject> services =
            ObjectRegistry::CreateObject(QString::fromLatin1(kProgId));
        QObject* object = services.get();
        LateBinding::set(object, "pVkIniFile", window.pVkIniFile());
        LateBinding::set(object, "pUser", window.pUser());
        LateBinding::set(object, "pVersion", window.pVersion());
        LateBinding::set(object, "pAppTitle", window.pAppTitle());
        QObject* settings = LateBinding::getObject(object, "pVkSettings");
        LateBinding::set(settings, "pDefaultServiceTime", QStringLiteral("10:00"));
        LateBinding::set(settings, "pChurchMode", 1);
        LateBinding::set(settings, "pEnableMusicSeries", false);
        LateBinding::set(object, "pScanDirection", 0);
        if (window.calendarMode() == 1 && window.monthCalendar())
            LateBinding::set(object, "pDate",
                             OleDate::fromDate(window.monthCalendar()->currentDate()));
        else if (window.calendarMode() == 2 && window.weekCalendar())
            LateBinding::set(object, "pDate",
                             OleDate::fromDate(window.weekCalendar()->currentDate()));
        LateBinding::set(object, "pConnectionString", window.pConnectionString());
        LateBinding::set(object, "pSQLMode", window.pSQLMode());
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
    });
    return outcome;
}

} // namespace HostServices
