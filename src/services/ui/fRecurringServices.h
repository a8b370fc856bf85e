// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "services/ui/ServiceFields.h"

#include <QDialog>

class DateField;
class QButtonGroup;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;
class cVkRecurringServices;

// The dialog for a series of services: the weekday, every N weeks, the first date and either
// the last date or a number of services (one choice), the time, kind and place; how many
// services it plans with their first and last date, and a live list of the dates, each with
// the name of its liturgical day. OK is offered only for a series that can be planned, with a
// kind; services the plan already holds are saved only when the user says so. OK leaves the
// choice in the component's properties.
class fRecurringServices : public QDialog {
    Q_OBJECT
public:
    fRecurringServices(cVkRecurringServices& services, QWidget* parent = nullptr);

    // The list as shown: one "date - day name" line per service.
    QStringList shownDates() const;

    void accept() override;

private:
    // Writes the dialog's choice into the component and lists the series it describes; true
    // when it can be planned.
    bool refresh();

    cVkRecurringServices& m_services;
    QFormLayout* m_form;
    QComboBox* m_weekday;
    QSpinBox* m_interval;
    DateField* m_first;
    QRadioButton* m_untilDate;
    DateField* m_last;
    QRadioButton* m_byCount;
    QSpinBox* m_count;
    QButtonGroup* m_end;
    ServiceFields m_fields;
    QLabel* m_summary;
    QLabel* m_problem;
    QListWidget* m_dates;
    QDialogButtonBox* m_buttons;
};
