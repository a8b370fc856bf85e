// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "services/ui/ServiceFields.h"

#include "controls/TypedDateTime.h"
#include "controls/ui/DateField.h"
#include "controls/ui/TimeField.h"
#include "resources/ResourceStrings.h"
#include "services/cVkRecurringServices.h"
#include "support/Failure.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>

ServiceFields::ServiceFields(QFormLayout* form, const cVkRecurringServices& services)
    : time(new TimeField(form->parentWidget())), type(new QComboBox(form->parentWidget())),
      place(new QLineEdit(form->parentWidget())) {
    time->setObjectName(QStringLiteral("time"));
    try {
        time->setTime(services.serviceTime());
    } catch (const Failure&) {
        time->setTime(QTime(10, 0));
    }
    type->setObjectName(QStringLiteral("serviceType"));
    type->setEditable(true);
    // A kind typed is what is saved: never a kind offered that merely begins like it.
    type->setCompleter(nullptr);
    type->setInsertPolicy(QComboBox::NoInsert);
    type->addItems(services.knownServiceTypes());
    type->setCurrentText(services.pServiceType());
    place->setObjectName(QStringLiteral("location"));
    place->setText(services.pLocation());
    form->addRow(QObject::tr("&Time:"), time);
    const QString kind = QObject::tr("&Kind of service:");
    form->addRow(kind, type);
    // The focus is in the list's text, and in its list when open; a screen reader names them by
    // the label, as it does the list.
    type->lineEdit()->setAccessibleName(QString(kind).remove(QLatin1Char('&')));
    type->view()->setAccessibleName(type->lineEdit()->accessibleName());
    form->addRow(QObject::tr("&Place:"), place);
}

void ServiceFields::apply(cVkRecurringServices& services) const {
    if (time->time().isValid())
        services.setPTime(TypedDateTime::timeText(time->time()));
    services.setPServiceType(type->currentText().trimmed());
    services.setPLocation(place->text().trimmed());
}

QString ServiceFields::missing() const {
    if (!time->time().isValid())
        return TimeField::hint();
    if (type->currentText().trimmed().isEmpty())
        return QObject::tr("Choose or type the kind of service.");
    return {};
}

QString ServiceFields::shownDate(const QDate& date) {
    return ResourceStrings::locale().toString(date, QStringLiteral("ddd d MMM yyyy"));
}

QString ServiceFields::dateHint() {
    return DateField::hint(ResourceStrings::locale());
}

bool ServiceFields::confirmDuplicates(cVkRecurringServices& services,
                                      const QList<PlanDatabase::Service>& planned) {
    const QList<PlanDatabase::Service> found = services.duplicates(planned);
    services.setPAllowDuplicate(false);
    if (found.isEmpty())
        return true;
    const PlanDatabase::Service& s = found.first();
    QString what = shownDate(s.date) + QLatin1Char(' ') + TypedDateTime::timeText(s.time);
    for (const QString& part : {s.type, s.place})
        if (!part.isEmpty())
            what += QStringLiteral(", ") + part;
    const QString text =
        found.size() == 1
            ? QObject::tr("The plan already holds this service: %1. Plan it again?").arg(what)
            : QObject::tr("The plan already holds %1 of these services, the first %2. Plan "
                          "them again?")
                  .arg(found.size())
                  .arg(what);
    if (ui().messageBox(UserInterface::Icon::Question, UserInterface::Buttons::YesNo, QString(),
                        text) != UserInterface::Answer::Yes)
        return false;
    services.setPAllowDuplicate(true);
    return true;
}
