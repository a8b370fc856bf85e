// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

// A date field that takes a date as a person types it: in the form it shows (the locale's
// short form), in ISO form or as digits, all in one text, so that Tab goes on to the next field
// instead of walking through day, month and year. The button beside it (never in the Tab
// order) and Alt+Down open a calendar to pick from.
class DateField : public QWidget {
    Q_OBJECT
public:
    explicit DateField(QWidget* parent = nullptr);

    // The date typed or picked; invalid while the text names no date in the range.
    QDate date() const { return m_date; }
    // Shows `date` (clamped to the range).
    void setDate(const QDate& date);
    void setDateRange(const QDate& first, const QDate& last);
    QDate minimumDate() const { return m_first; }
    QDate maximumDate() const { return m_last; }
    // The text as shown or typed.
    QString text() const;
    QLineEdit* lineEdit() const { return m_edit; }
    QToolButton* calendarButton() const { return m_button; }
    // Opens the calendar at the field's date.
    void showCalendar();
    // How to type a date in `locale`, by example.
    static QString hint(const QLocale& locale);

signals:
    // The text names another date (or none: an invalid date).
    void dateChanged(const QDate& date);
    // Enter, or the focus left the field.
    void editingFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The tips and the placeholder in the language and locale now chosen.
    void retranslate();
    void typed(const QString& text);
    void picked(const QDate& date);
    void setShown(const QDate& date);

    QLineEdit* m_edit;
    QToolButton* m_button;
    QWidget* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QDate m_date;
    QDate m_first;
    QDate m_last;
};
