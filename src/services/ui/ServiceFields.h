// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/PlanDatabase.h"

#include <QList>
#include <QString>

class QComboBox;
class QFormLayout;
class QLineEdit;
class TimeField;
class cVkRecurringServices;

// What both service dialogs ask for: the time, the kind of service (editable, offering the
// kinds already in the plan) and the place, as rows of a form; and the checks both make
// before they let a service be saved.
class ServiceFields {
public:
    // Adds the rows to `form`, filled from the component's properties.
    ServiceFields(QFormLayout* form, const cVkRecurringServices& services);
    // Writes the rows back into the component's properties.
    void apply(cVkRecurringServices& services) const;
    // What is missing before a service can be saved: a time, a kind; empty when nothing is.
    QString missing() const;
    // Asks whether services the plan already holds are to be planned again; true when none
    // of `services` is in the plan or the user said yes, and then the component allows it.
    static bool confirmDuplicates(cVkRecurringServices& services,
                                  const QList<PlanDatabase::Service>& planned);
    // How the dialogs write a date for the user.
    static QString shownDate(const QDate& date);
    // What a date field that names no date says.
    static QString dateHint();

    TimeField* time;
    QComboBox* type;
    QLineEdit* place;
};
