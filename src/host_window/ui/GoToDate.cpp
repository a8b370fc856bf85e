// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/GoToDate.h"

#include "controls/ui/DateField.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalBlocker>

GoToDate::GoToDate(QWidget* strip, QWidget* window)
    : QObject(strip), m_field(new DateField(strip)), m_action(new QAction(window)) {
    m_field->setObjectName(QStringLiteral("goToDate"));
    m_action->setObjectName(QStringLiteral("goToDateAction"));
    retranslate();
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    window->addAction(m_action);
    connect(m_action, &QAction::triggered, this, [this] {
        m_field->setFocus(Qt::ShortcutFocusReason);
        // The date selected: what is typed replaces it.
        m_field->lineEdit()->selectAll();
    });
    connect(m_field, &DateField::editingFinished, this, [this] {
        const QDate date = m_field->date();
        if (date.isValid() && date != m_shown)
            emit chosen(date);
    });
}

void GoToDate::retranslate() {
    m_field->setAccessibleName(tr("Go to date"));
    // The focus is in the field's text, which a screen reader names.
    m_field->lineEdit()->setAccessibleName(m_field->accessibleName());
    m_field->setToolTip(tr("Go to date (Ctrl+G)"));
    m_action->setText(tr("Go to Date..."));
}

void GoToDate::showDate(const QDate& date) {
    m_shown = date;
    const QSignalBlocker block(m_field);
    m_field->setDate(date);
}

void GoToDate::setRange(const QDate& first, const QDate& last) {
    if (first.isValid() && last.isValid() && first <= last)
        m_field->setDateRange(first, last);
}
