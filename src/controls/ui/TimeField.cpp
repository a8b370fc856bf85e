// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/TimeField.h"

#include "controls/TypedDateTime.h"

#include <QFocusEvent>

TimeField::TimeField(QWidget* parent) : QLineEdit(parent) {
    setPlaceholderText(QStringLiteral("HH:MM"));
    // A screen reader would spell the placeholder out; it reads an example instead.
    setAccessibleDescription(hint());
    connect(this, &QLineEdit::textEdited, this, &TimeField::typed);
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (m_time.isValid())
            setText(TypedDateTime::timeText(m_time));
    });
}

void TimeField::setTime(const QTime& time) {
    if (!time.isValid())
        return;
    setText(TypedDateTime::timeText(time));
    typed(text());
}

QString TimeField::hint() {
    return tr("Type the time as 19:30 or 1930.");
}

void TimeField::typed(const QString& text) {
    const QTime time = TypedDateTime::parseTime(text);
    if (time == m_time)
        return;
    m_time = time;
    emit timeChanged(m_time);
}

void TimeField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    m_selectOnPress = event->reason() == Qt::MouseFocusReason;
}

void TimeField::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    // The click that brought the focus selects the time: typing replaces it.
    if (m_selectOnPress)
        selectAll();
    m_selectOnPress = false;
}
