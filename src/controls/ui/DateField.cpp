// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/DateField.h"

#include "controls/TypedDateTime.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

DateField::DateField(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this)),
      m_first(100, 1, 1), m_last(9999, 12, 31) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_button);
    m_edit->setObjectName(QStringLiteral("dateText"));
    m_button->setObjectName(QStringLiteral("calendarButton"));
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    retranslate();
    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, &DateField::typed);
    connect(m_edit, &QLineEdit::editingFinished, this, [this] {
        // A date typed in any form is shown back in the field's own.
        if (m_date.isValid())
            setShown(m_date);
        emit editingFinished();
    });
    connect(m_button, &QToolButton::clicked, this, &DateField::showCalendar);
}

void DateField::retranslate() {
    m_edit->setPlaceholderText(TypedDateTime::dateFormat(locale()));
    // A screen reader would spell the placeholder's pattern out; it reads an example instead.
    m_edit->setAccessibleDescription(hint(locale()));
    m_button->setToolTip(tr("Choose from a calendar (Alt+Down)"));
    m_button->setAccessibleName(tr("Choose from a calendar"));
}

void DateField::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange && event->type() != QEvent::LocaleChange)
        return;
    retranslate();
    // The date in the form of the language now chosen.
    if (m_date.isValid())
        setShown(m_date);
}

void DateField::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The focus is in the text, which a screen reader names; unless named itself, it takes the
    // field's name or that of the label the field is the buddy of.
    if (!m_edit->accessibleName().isEmpty() || !parentWidget())
        return;
    QString name = accessibleName();
    for (const QLabel* label : parentWidget()->findChildren<QLabel*>()) {
        if (name.isEmpty() && label->buddy() == this)
            name = label->text().remove(QLatin1Char('&'));
    }
    m_edit->setAccessibleName(name);
}

QString DateField::hint(const QLocale& locale) {
    return tr("Type the date as %1 or %2.")
        .arg(locale.toString(QDate(2026, 12, 22), TypedDateTime::dateFormat(locale)),
             QStringLiteral("2026-12-22"));
}

QString DateField::text() const {
    return m_edit->text();
}

void DateField::setShown(const QDate& date) {
    const QString text = locale().toString(date, TypedDateTime::dateFormat(locale()));
    if (m_edit->text() != text)
        m_edit->setText(text);
}

void DateField::setDate(const QDate& date) {
    if (!date.isValid())
        return;
    const QDate clamped = qBound(m_first, date, m_last);
    setShown(clamped);
    if (clamped == m_date)
        return;
    m_date = clamped;
    emit dateChanged(m_date);
}

void DateField::setDateRange(const QDate& first, const QDate& last) {
    if (!first.isValid() || !last.isValid() || first > last)
        return;
    m_first = first;
    m_last = last;
    if (m_date.isValid())
        setDate(m_date);
}

void DateField::typed(const QString& text) {
    QDate date = TypedDateTime::parseDate(text, locale());
    if (date.isValid() && (date < m_first || date > m_last))
        date = QDate();
    if (date == m_date)
        return;
    m_date = date;
    emit dateChanged(m_date);
}

void DateField::picked(const QDate& date) {
    if (m_popup)
        m_popup->hide();
    setDate(date);
    m_edit->setFocus(Qt::PopupFocusReason);
    emit editingFinished();
}

void DateField::showCalendar() {
    if (!m_popup) {
        m_popup = new QWidget(this, Qt::Popup);
        m_popup->setObjectName(QStringLiteral("calendarPopup"));
        auto* layout = new QHBoxLayout(m_popup);
        layout->setContentsMargins(0, 0, 0, 0);
        m_calendar = new QCalendarWidget(m_popup);
        m_calendar->setObjectName(QStringLiteral("calendar"));
        layout->addWidget(m_calendar);
        connect(m_calendar, &QCalendarWidget::activated, this, &DateField::picked);
        connect(m_calendar, &QCalendarWidget::clicked, this, &DateField::picked);
    }
    // A popup is a window of its own, which does not take the field's locale by itself.
    m_calendar->setLocale(locale());
    m_calendar->setDateRange(m_first, m_last);
    m_calendar->setSelectedDate(m_date.isValid() ? m_date
                                                 : qBound(m_first, QDate::currentDate(), m_last));
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

bool DateField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier) {
            showCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
