#pragma once

#include "services/ui/ServiceFields.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;
class cVkRecurringServices;

// The dialog for a series of services: the weekday, every N weeks, the first date and either
// the last date or a number of services, the time, kind and place, and a live list of the dates
// it will create, each with the name of its liturgical day. OK (only offered for a valid
// series) leaves the choice in the component's properties.
class fRecurringServices : public QDialog {
    Q_OBJECT
public:
    fRecurringServices(cVkRecurringServices& services, QWidget* parent = nullptr);

    // The list as shown: one "date - day name" line per service.
    QStringList shownDates() const;

private:
    // Writes the dialog's choice into the component and lists the series it describes.
    void refresh();

    cVkRecurringServices& m_services;
    QFormLayout* m_form;
    QComboBox* m_weekday;
    QSpinBox* m_interval;
    QDateEdit* m_first;
    QRadioButton* m_untilDate;
    QDateEdit* m_last;
    QRadioButton* m_byCount;
    QSpinBox* m_count;
    ServiceFields m_fields;
    QLabel* m_summary;
    QListWidget* m_dates;
    QDialogButtonBox* m_buttons;
};
