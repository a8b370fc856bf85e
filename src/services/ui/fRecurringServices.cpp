// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "services/ui/fRecurringServices.h"

#include "controls/TypedDateTime.h"
#include "controls/ui/DateField.h"
#include "controls/ui/TimeField.h"
#include "resources/ResourceStrings.h"
#include "services/cVkRecurringServices.h"
#include "support/Failure.h"
#include "support/OleDate.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultCount = 10;

QFormLayout* newForm(QDialog* dialog) {
    auto* layout = new QVBoxLayout(dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    return form;
}

DateField* newDateField(QWidget* parent, const char* name, const QDate& date) {
    auto* field = new DateField(parent);
    field->setObjectName(QLatin1String(name));
    field->setDate(date);
    return field;
}

// A radio button and its field on one line.
QWidget* choice(QWidget* parent, QRadioButton* button, QWidget* field) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button);
    layout->addWidget(field, 1);
    return row;
}

} // namespace

fRecurringServices::fRecurringServices(cVkRecurringServices& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_form(newForm(this)), m_weekday(new QComboBox(this)),
      m_interval(new QSpinBox(this)),
      m_first(newDateField(
          this, "firstDate",
          OleDate::toDate(services.pFirstDate() != 0 ? services.pFirstDate() : services.pDate()))),
      m_untilDate(new QRadioButton(tr("&until"), this)),
      m_last(newDateField(this, "lastDate", m_first->date().addMonths(3))),
      m_byCount(new QRadioButton(tr("&number of services"), this)), m_count(new QSpinBox(this)),
      m_end(new QButtonGroup(this)), m_fields(m_form, services), m_summary(new QLabel(this)),
      m_problem(new QLabel(this)), m_dates(new QListWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("fRecurringServices"));
    // Weekdays and dates in the edition's language; the date fields take it from the dialog.
    setLocale(ResourceStrings::locale());
    setWindowTitle(tr("Recurring Services"));

    m_weekday->setObjectName(QStringLiteral("weekday"));
    for (int day = 1; day <= 7; ++day)
        m_weekday->addItem(locale().dayName(day), day);
    const int weekday =
        services.pWeekday() != 0 ? services.pWeekday() : m_first->date().dayOfWeek();
    m_weekday->setCurrentIndex(qBound(1, weekday, 7) - 1);
    m_interval->setObjectName(QStringLiteral("interval"));
    m_interval->setRange(1, cVkRecurringServices::kMaxInterval);
    m_interval->setValue(qBound(1, services.pInterval(), cVkRecurringServices::kMaxInterval));
    m_interval->setSuffix(tr(" week(s)"));
    m_untilDate->setObjectName(QStringLiteral("untilDate"));
    m_byCount->setObjectName(QStringLiteral("byCount"));
    m_count->setObjectName(QStringLiteral("count"));
    m_count->setRange(1, cVkRecurringServices::kMaxSeries);
    // The two buttons sit in rows of their own: only a group makes them one choice.
    m_end->addButton(m_untilDate);
    m_end->addButton(m_byCount);
    if (services.pLastDate() != 0) {
        m_last->setDate(OleDate::toDate(services.pLastDate()));
        m_untilDate->setChecked(true);
    } else {
        m_byCount->setChecked(true);
    }
    m_count->setValue(services.pCount() > 0 ? services.pCount() : kDefaultCount);

    m_form->insertRow(0, tr("&Weekday:"), m_weekday);
    m_form->insertRow(1, tr("&Every:"), m_interval);
    m_form->insertRow(2, tr("&From:"), m_first);
    m_form->insertRow(3, tr("Up to:"), choice(this, m_untilDate, m_last));
    // The fields are no label's buddies: each is named by its button.
    m_last->setAccessibleName(m_untilDate->text().remove(QLatin1Char('&')));
    m_count->setAccessibleName(m_byCount->text().remove(QLatin1Char('&')));
    m_form->insertRow(4, QString(), choice(this, m_byCount, m_count));
    m_summary->setObjectName(QStringLiteral("summary"));
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    m_dates->setObjectName(QStringLiteral("dates"));
    m_buttons->setObjectName(QStringLiteral("buttons"));
    layout()->addWidget(m_summary);
    layout()->addWidget(m_dates);
    layout()->addWidget(m_problem);
    layout()->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &fRecurringServices::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const auto changed = [this] { refresh(); };
    connect(m_weekday, &QComboBox::currentIndexChanged, this, changed);
    connect(m_interval, &QSpinBox::valueChanged, this, changed);
    connect(m_count, &QSpinBox::valueChanged, this, changed);
    connect(m_first, &DateField::dateChanged, this, changed);
    connect(m_last, &DateField::dateChanged, this, changed);
    connect(m_untilDate, &QRadioButton::toggled, this, changed);
    connect(m_fields.time, &TimeField::timeChanged, this, changed);
    connect(m_fields.type, &QComboBox::currentTextChanged, this, changed);
    connect(m_fields.place, &QLineEdit::textChanged, this, changed);
    refresh();
}

bool fRecurringServices::refresh() {
    const bool byDate = m_untilDate->isChecked();
    m_last->setEnabled(byDate);
    m_count->setEnabled(!byDate);
    m_services.setPWeekday(m_weekday->currentData().toInt());
    m_services.setPInterval(m_interval->value());
    m_services.setPFirstDate(OleDate::fromDate(m_first->date()));
    m_services.setPLastDate(byDate ? OleDate::fromDate(m_last->date()) : 0);
    m_services.setPCount(byDate ? 0 : m_count->value());
    m_fields.apply(m_services);

    m_dates->clear();
    m_summary->clear();
    // A screen reader names the list of dates by what is said above or below it.
    const auto refuse = [this](const QString& why) {
        m_problem->setText(why);
        if (m_summary->text().isEmpty())
            m_dates->setAccessibleName(why);
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
        return false;
    };
    const QString format = TypedDateTime::dateFormat(locale());
    if (!m_first->date().isValid() || (byDate && !m_last->date().isValid()))
        return refuse(ServiceFields::dateHint());
    QList<QDate> dates;
    try {
        dates = m_services.seriesDates();
    } catch (const Failure& failure) {
        return refuse(failure.description());
    }
    const QStringList names = m_services.dayNames(dates);
    const QLocale locale = this->locale();
    for (qsizetype i = 0; i < dates.size(); ++i) {
        QString line = locale.toString(dates.at(i), QLocale::LongFormat);
        if (!names.at(i).isEmpty())
            line += QStringLiteral(" - ") + names.at(i);
        m_dates->addItem(line);
    }
    const QString at =
        m_fields.time->time().isValid()
            ? QStringLiteral(" ") + tr("at %1").arg(TypedDateTime::timeText(m_fields.time->time()))
            : QString();
    m_summary->setText(dates.size() == 1
                           ? tr("1 service, %1").arg(ServiceFields::shownDate(dates.first())) + at
                           : tr("%1 services, %2 to %3")
                                     .arg(dates.size())
                                     .arg(ServiceFields::shownDate(dates.first()),
                                          ServiceFields::shownDate(dates.last())) +
                                 at);
    m_dates->setAccessibleName(m_summary->text());
    QString problem = m_fields.missing();
    if (problem.isEmpty())
        problem = m_services.refusal(dates, format);
    if (!problem.isEmpty())
        return refuse(problem);
    m_problem->clear();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(true);
    return true;
}

void fRecurringServices::accept() {
    if (!refresh())
        return;
    if (!ServiceFields::confirmDuplicates(m_services,
                                          m_services.servicesOn(m_services.seriesDates())))
        return;
    QDialog::accept();
}

QStringList fRecurringServices::shownDates() const {
    QStringList lines;
    for (int i = 0; i < m_dates->count(); ++i)
        lines.append(m_dates->item(i)->text());
    return lines;
}
