// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "services/ui/fCreateOneService.h"

#include "controls/TypedDateTime.h"
#include "controls/ui/DateField.h"
#include "controls/ui/TimeField.h"
#include "resources/ResourceStrings.h"
#include "services/cVkRecurringServices.h"
#include "support/OleDate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFormLayout* newForm(QDialog* dialog) {
    auto* layout = new QVBoxLayout(dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    return form;
}

} // namespace

fCreateOneService::fCreateOneService(cVkRecurringServices& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_form(newForm(this)), m_date(new DateField(this)),
      m_fields(m_form, services), m_problem(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("fCreateOneService"));
    // Dates in the edition's language; the date field takes it from the dialog.
    setLocale(ResourceStrings::locale());
    setWindowTitle(services.changing() ? tr("Change Service") : tr("New Service"));
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setDate(OleDate::toDate(services.pDate()));
    m_form->insertRow(0, tr("&Date:"), m_date);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_buttons->setObjectName(QStringLiteral("buttons"));
    layout()->addWidget(m_problem);
    layout()->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &fCreateOneService::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto changed = [this] { check(); };
    connect(m_date, &DateField::dateChanged, this, changed);
    connect(m_fields.time, &TimeField::timeChanged, this, changed);
    connect(m_fields.type, &QComboBox::currentTextChanged, this, changed);
    check();
}

bool fCreateOneService::check() {
    QString problem;
    if (!m_date->date().isValid())
        problem = ServiceFields::dateHint();
    if (problem.isEmpty())
        problem = m_fields.missing();
    if (problem.isEmpty())
        problem = m_services.refusal({m_date->date()}, TypedDateTime::dateFormat(locale()));
    m_problem->setText(problem);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    return problem.isEmpty();
}

void fCreateOneService::accept() {
    // Enter reaches here only through an offered OK; the check holds whatever the way.
    if (!check())
        return;
    m_services.setPDate(OleDate::fromDate(m_date->date()));
    m_fields.apply(m_services);
    if (!ServiceFields::confirmDuplicates(m_services, m_services.servicesOn({m_date->date()})))
        return;
    QDialog::accept();
}
