// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/ServicePlanning.h"

#include "controls/ui/WeekCalendarView.h"
#include "data/PlanWatch.h"
#include "host_window/HostInteraction.h"
#include "host_window/ui/HostSettings.h"
#include "host_window/ui/HosterView.h"
#include "host_window/ui/ServiceMenu.h"
#include "support/Failure.h"
#include "support/ProcScope.h"
#include "support/modIni.h"

#include <QWidget>

ServicePlanning::ServicePlanning(QWidget& window, const HostSettings& settings,
                                 HostInteraction& model, HosterView& view)
    : m_window(window), m_settings(settings), m_model(model), m_view(view) {}

ServicePlanning::~ServicePlanning() = default;

HostServices::Settings ServicePlanning::servicesOn(const QDate& date) const {
    return {m_settings.vkIniFile,
            m_settings.user,
            m_model.state().version,
            m_settings.appTitle,
            date,
            m_settings.connectionString,
            m_settings.sqlMode};
}

void ServicePlanning::start(WeekCalendarView* week) {
    m_watch = std::make_unique<PlanWatch>();
    try {
        if (m_settings.sqlMode && !m_settings.connectionString.isEmpty())
            m_watch->watchServer(m_settings.connectionString);
        else
            m_watch->watchFile(modIni::read(m_settings.vkIniFile, QStringLiteral("Files"),
                                            QStringLiteral("PlanFile")));
    } catch (const Failure& failure) {
        // The window works on; it shows changes made elsewhere when it is next filled.
        ProcScope::handle(failure);
    }
    // The window is the receiver of both, so that its going cuts them before the model goes.
    // A change made elsewhere: the date, the selection and the status bar stay; the calendars
    // show the plan as it is.
    QObject::connect(m_watch.get(), &PlanWatch::changed, &m_window, [this] {
        ProcScope scope("fHoster.planWatch");
        scope.run([&] { m_model.refill(false); });
    });
    QObject::connect(week, &WeekCalendarView::menuRequested, &m_window,
                     [this](const QDate& date, const QString& line, const QPoint& at) {
                         ServiceMenu::popup(&m_window, servicesOn(date), date, line, at,
                                            [this](const HostServices::Outcome& outcome) {
                                                changed(outcome.status);
                                            });
                     });
}

bool ServicePlanning::newService(const QString& id) {
    const HostServices::Outcome outcome =
        HostServices::newService(servicesOn(m_model.state().date), id);
    changed(outcome.status);
    return outcome.result;
}

void ServicePlanning::changed(const QString& status) {
    if (status.isEmpty())
        return;
    // The watch need not report this change again.
    if (m_watch)
        m_watch->seen();
    ProcScope scope("fHoster.planChanged");
    scope.run([&] { m_model.refill(); });
    m_view.announceStatus(status);
}
