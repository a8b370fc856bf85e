// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "controls/MonthCalendarModel.h"
#include "controls/ui/CalendarGrid.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <utility>

class QToolButton;

// The month calendar: draws a MonthCalendarModel as a grid of six weeks under the month's name
// and the weekday names. Each day of the month is painted in its colour with its three name
// lines and its service marker; the current date is framed and today's number ringed.
//
// Keys: arrows move the current date by a day or a week, Page Up / Page Down by a month, Home
// goes to today, Enter opens the current day (dayActivated). Buttons beside the title move by a
// month. A click on a day makes it current. Every change of the current date, and every
// setting of the shown month or year, is announced with currentDateChanged. A screen reader
// reads it as a table of days (CalendarTableAccessible).
class MonthCalendarView : public QWidget, public CalendarGrid {
    Q_OBJECT
    Q_PROPERTY(QDate currentDate READ currentDate WRITE setCurrentDate)
public:
    explicit MonthCalendarView(QWidget* parent = nullptr);

    MonthCalendarModel& model() { return m_model; }
    const MonthCalendarModel& model() const { return m_model; }

    QDate currentDate() const { return m_model.currentDate(); }
    // Announced when the date differs from the current one.
    void setCurrentDate(const QDate& date);
    int currentDay() const { return m_model.currentDay(); }
    int shownMonth() const { return m_model.month(); }
    int shownYear() const { return m_model.year(); }
    // Always announced, even when the month or year stays.
    void setShownMonth(int month);
    void setShownYear(int year);
    int firstDayOfWeek() const { return m_model.firstDayOfWeek(); }
    // The first name line of a day cell (empty outside the shown month).
    QString dayCellText(int day) const;

    // Comma-separated names, Sunday first (7) and January first (12); a list of another length
    // leaves the locale's names.
    void setDayNames(const QString& names);
    void setMonthNames(const QString& names);
    QStringList dayNames() const { return m_dayNames; }
    QStringList monthNames() const { return m_monthNames; }

    // CalendarGrid.
    QDate gridStart() const override { return firstShownDate(); }
    int gridRows() const override;
    bool gridEnables(const QDate& date) const override { return date.isValid(); }
    QRect gridCellRect(const QDate& date) const override { return cellRect(date); }
    QString gridTitle() const override;
    QStringList gridColumnNames() const override;
    QString gridSpokenDay(const QDate& date) const override;
    QDate gridCurrentDate() const override { return currentDate(); }
    void gridChoose(const QDate& date) override { changeTo(date); }
    QList<QWidget*> gridControls() const override;

    // Brings the current date's month into view and redraws (what the today button calls).
    void refresh();

    // The day of the shown month under a point of the widget; 0 for none.
    int dayAt(const QPoint& pos) const;
    // The date of the grid cell under a point (days of the neighbouring months included).
    QDate dateAt(const QPoint& pos) const;
    // The rectangle of a date's grid cell; empty when the grid does not show it.
    Q_INVOKABLE QRect cellRect(const QDate& date) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The name lines of a day as its cell shows them in `lines` lines of `width` pixels: each
    // name on a line of its own, run on to a second line where the later names leave room,
    // then cut with an ellipsis. Pairs of line index and text.
    QList<std::pair<int, QString>> nameLines(int day, int width, int lines) const;

Q_SIGNALS:
    // The current date changed or the shown month or year was set: the month and year shown.
    void currentDateChanged(int month, int year);
    // The mouse moved onto another day: its day number, 0 or less for none.
    void dayHovered(int day);
    // A mouse button was released over the calendar: 1 left, 2 right, 4 middle.
    void mouseReleased(int button);
    // Enter was pressed on the current date: its day page is wanted.
    void dayActivated(const QDate& date);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The names and tips of the view and its buttons in the language now installed.
    void retranslate();
    QDate firstShownDate() const;
    QFont titleFont() const;
    QRect titleRect() const;
    QRect gridRect() const;
    int headerHeight() const;
    void moveBy(int days, int months);
    void changeTo(const QDate& date);
    void hover(int day);
    void updateAccessibleText();
    CalendarSpeech speech() const { return speechIn(locale()); }

    MonthCalendarModel m_model;
    QStringList m_dayNames;
    QStringList m_monthNames;
    QToolButton* m_previous;
    QToolButton* m_next;
    int m_hoverDay = 0;
};
