// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "services/ui/ServiceFields.h"

#include <QDialog>

class DateField;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class cVkRecurringServices;

// The dialog for one service: its date (from pDate), time, kind and place, in that Tab order.
// OK is offered only for a whole service that can be planned (a kind, a date in the liturgy
// data); the line below the fields says what is missing. A service the plan already holds is
// saved only when the user says so. OK writes the values into the component's properties.
// When the component is changing a service, the dialog starts from that service.
class fCreateOneService : public QDialog {
    Q_OBJECT
public:
    fCreateOneService(cVkRecurringServices& services, QWidget* parent = nullptr);

    void accept() override;

private:
    // Checks the fields: what is missing or refused is shown and OK offered only without it.
    bool check();

    cVkRecurringServices& m_services;
    QFormLayout* m_form;
    DateField* m_date;
    ServiceFields m_fields;
    QLabel* m_problem;
    QDialogButtonBox* m_buttons;
};
