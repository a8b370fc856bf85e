// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QObject>

class QAction;
class DateField;
class QWidget;

// The window's "go to a date" tool: a date field that takes a date as typed (as it shows it, in
// ISO form or as digits) or picked from its calendar, and Ctrl+G, which puts the focus in it
// with the date selected for typing. Enter (or leaving the field after a change) asks to go
// there.
class GoToDate : public QObject {
    Q_OBJECT
public:
    // The field lives in `strip`; the shortcut works anywhere in `window`.
    GoToDate(QWidget* strip, QWidget* window);

    DateField* field() const { return m_field; }
    QAction* action() const { return m_action; }
    // Shows `date` in the field without asking to go there.
    void showDate(const QDate& date);
    // The field's name and tip and the action's text in the language now installed.
    void retranslate();
    // The dates the field accepts.
    void setRange(const QDate& first, const QDate& last);

signals:
    void chosen(const QDate& date);

private:
    DateField* m_field;
    QAction* m_action;
    QDate m_shown;
};
