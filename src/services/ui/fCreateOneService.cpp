#include "services/ui/fCreateOneService.h"

#include "services/cVkRecurringServices.h"
#include "support/OleDate.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
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
    : QDialog(parent), m_services(services), m_form(newForm(this)), m_date(new QDateEdit(this)),
      m_fields(m_form, services) {
    setObjectName(QStringLiteral("fCreateOneService"));
    setWindowTitle(tr("New Service"));
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setDate(OleDate::toDate(services.pDate()));
    m_form->insertRow(0, tr("&Date:"), m_date);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    layout()->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void fCreateOneService::accept() {
    m_services.setPDate(OleDate::fromDate(m_date->date()));
    m_fields.apply(m_services);
    QDialog::accept();
}
