#pragma once

#include "services/ui/ServiceFields.h"

#include <QDialog>

class QDateEdit;
class QFormLayout;
class cVkRecurringServices;

// The dialog for one service: its date (from pDate), time, kind and place. OK writes them back
// into the component's properties.
class fCreateOneService : public QDialog {
    Q_OBJECT
public:
    fCreateOneService(cVkRecurringServices& services, QWidget* parent = nullptr);

    void accept() override;

private:
    cVkRecurringServices& m_services;
    QFormLayout* m_form;
    QDateEdit* m_date;
    ServiceFields m_fields;
};
