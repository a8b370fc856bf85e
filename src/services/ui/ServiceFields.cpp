#include "services/ui/ServiceFields.h"

#include "services/cVkRecurringServices.h"
#include "support/Failure.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QTimeEdit>

ServiceFields::ServiceFields(QFormLayout* form, const cVkRecurringServices& services)
    : time(new QTimeEdit(form->parentWidget())), type(new QComboBox(form->parentWidget())),
      place(new QLineEdit(form->parentWidget())) {
    time->setObjectName(QStringLiteral("time"));
    time->setDisplayFormat(QStringLiteral("HH:mm"));
    try {
        time->setTime(services.serviceTime());
    } catch (const Failure&) {
        time->setTime(QTime(10, 0));
    }
    type->setObjectName(QStringLiteral("serviceType"));
    type->setEditable(true);
    type->addItems(services.knownServiceTypes());
    type->setCurrentText(services.pServiceType());
    place->setObjectName(QStringLiteral("location"));
    place->setText(services.pLocation());
    form->addRow(QObject::tr("&Time:"), time);
    form->addRow(QObject::tr("&Kind of service:"), type);
    form->addRow(QObject::tr("&Place:"), place);
}

void ServiceFields::apply(cVkRecurringServices& services) const {
    services.setPTime(time->time().toString(QStringLiteral("HH:mm")));
    services.setPServiceType(type->currentText().trimmed());
    services.setPLocation(place->text().trimmed());
}
