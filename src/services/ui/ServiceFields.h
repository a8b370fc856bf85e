#pragma once

class QComboBox;
class QFormLayout;
class QLineEdit;
class QTimeEdit;
class cVkRecurringServices;

// What both service dialogs ask for: the time, the kind of service (editable, offering the
// kinds already in the plan) and the place, as rows of a form.
class ServiceFields {
public:
    // Adds the rows to `form`, filled from the component's properties.
    ServiceFields(QFormLayout* form, const cVkRecurringServices& services);
    // Writes the rows back into the component's properties.
    void apply(cVkRecurringServices& services) const;

    QTimeEdit* time;
    QComboBox* type;
    QLineEdit* place;
};
