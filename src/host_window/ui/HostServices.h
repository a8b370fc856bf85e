// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/PlanDatabase.h"

#include <QDate>
#include <QList>
#include <QString>

// Planning a service from the host window: the recurring-services component created by its
// programmatic identifier for one command, set up from the window by name, its dialog shown
// and what the user chose written.
namespace HostServices {

// What the component is given: the window's settings and the date it shows.
struct Settings {
    QString iniFile;
    qint32 user = 0;
    qint32 version = 0;
    QString appTitle;
    QDate date; // invalid before the first fill
    QString connectionString;
    bool sqlMode = false;
};

struct Outcome {
    bool result = false;  // newService's result: true only when a single service was created
    bool created = false; // whether anything was written to the plan
    QString status;       // what was planned, for the status bar; the calendars are
                          // filled again whenever there is one
};

// newService for the command `id` ("ID_VK_LITURGY_CALENDAR_NEW_SERVICE" or
// "ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE"), as the procedure "fHoster.newService".
Outcome newService(const Settings& window, const QString& id);

// The services planned on `date`, in time order; none without a plan (a failure reported).
QList<PlanDatabase::Service> plannedOn(const Settings& window, const QDate& date);
// Opens the service dialog on `service` and puts what the user chose in its place.
Outcome changeService(const Settings& window, const PlanDatabase::Service& service);
// Takes `service` out of the plan once the user said yes to the question.
Outcome removeService(const Settings& window, const PlanDatabase::Service& service);

} // namespace HostServices
