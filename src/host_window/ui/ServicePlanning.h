// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "host_window/ui/HostServices.h"

#include <QDate>
#include <QString>
#include <memory>

class HostInteraction;
class HosterView;
class PlanWatch;
class QWidget;
class WeekCalendarView;
struct HostSettings;

// The host window's services: planned by New Service, changed and removed from the week
// calendar's menu, and changed by others; whichever way, the calendars show the plan at once.
class ServicePlanning {
public:
    ServicePlanning(QWidget& window, const HostSettings& settings, HostInteraction& model,
                    HosterView& view);
    ~ServicePlanning();

    // Watches the plan that the settings name and offers the week calendar's menu.
    void start(WeekCalendarView* week);
    // Plans one service or a series for the command `id`; true only when a single service was
    // created.
    bool newService(const QString& id);

private:
    HostServices::Settings servicesOn(const QDate& date) const;
    // The plan changed from this window: the calendars show it and the status bar says what
    // changed.
    void changed(const QString& status);

    QWidget& m_window;
    const HostSettings& m_settings;
    HostInteraction& m_model;
    HosterView& m_view;
    std::unique_ptr<PlanWatch> m_watch;
};
