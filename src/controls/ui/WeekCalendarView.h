// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "controls/WeekCalendarModel.h"
#include "controls/ui/CalendarGrid.h"

#include <QAbstractScrollArea>
#include <QStringList>

// The week calendar: draws a WeekCalendarModel as rows of weeks with a column per weekday,
// from the model's first day of the week. Each date of the range has a header (weekday and
// date), its three colour bars, its text lines and its service marker; the current date is
// framed. Rows grow with their text; the view scrolls when they do not fit. A view too narrow
// for seven readable columns gives each week several rows of fewer, wider columns (down to a
// date a row), and there breaks a service line after its time and its place first.
//
// Keys: Left and Right move the current date by a day, Up and Down by a week (by a day where
// the days are stacked one a row), Page Up / Page Down by four weeks,
// Home goes to the first date of the range; all stay within the range; Enter opens the current
// day (dayActivated); the Menu key and Shift+F10 ask for the current date's menu
// (menuRequested), as a right click does for the date under the mouse. A click on a date makes
// it current. Every change of the current date is
// announced with dateChanged. A screen reader reads it as a table of days
// (CalendarTableAccessible).
class WeekCalendarView : public QAbstractScrollArea, public CalendarGrid {
    Q_OBJECT
    Q_PROPERTY(QDate currentDate READ currentDate WRITE setCurrentDate)
public:
    explicit WeekCalendarView(QWidget* parent = nullptr);

    WeekCalendarModel& model() { return m_model; }
    const WeekCalendarModel& model() const { return m_model; }

    QDate currentDate() const { return m_model.currentDate(); }
    // Announced when the date differs from the current one.
    void setCurrentDate(const QDate& date);
    // Sets the range (first and last date shown); the texts stay until the next clear.
    void setRange(const QDate& first, const QDate& last);
    QDate startDate() const { return m_model.startDate(); }
    QDate endDate() const { return m_model.endDate(); }
    // The month and year of the range's last date; 0 before a range was set.
    int shownMonth() const;
    int shownYear() const;
    int firstDayOfWeek() const { return m_model.firstDayOfWeek(); }

    void setDayNames(const QString& names);
    void setMonthNames(const QString& names);
    QStringList dayNames() const { return m_dayNames; }
    QStringList monthNames() const { return m_monthNames; }

    // Scrolls so that the date's cell is visible.
    void ensureDateVisible(const QDate& date);
    // Lays the rows out again for changed texts and redraws.
    void redraw();

    // The date of the range under a point of the viewport; invalid for none.
    QDate dateAt(const QPoint& viewportPos) const;
    // The line of a date's text under a point of the viewport, as the text holds it (before
    // wrapping); empty for none.
    Q_INVOKABLE QString lineAt(const QPoint& viewportPos) const;
    // A date's cell in viewport coordinates; empty when the range does not hold it.
    Q_INVOKABLE QRect cellRect(const QDate& date) const;
    // The lines of a date's text as the cell shows them: each line of the text wrapped to the
    // width left beside the colour bars of a cell `cellWidth` pixels wide.
    QStringList shownLines(const QDate& date, int cellWidth) const;
    // What the date's cell draws as the view is laid out now: its header, then the lines of
    // its text that fit the cell. Empty for a date that is not drawn.
    QStringList drawnLines(const QDate& date) const;
    // The number of columns the view is laid out in: 7, or fewer when it is narrow.
    int columns() const { return m_columns; }
    // The left edge and width of the text in a cell of that date.
    QRect textArea(const QDate& date, const QRect& cell) const;

    QSize sizeHint() const override;

    // CalendarGrid.
    QDate gridStart() const override { return firstCellDate(); }
    int gridRows() const override { return weekCount(); }
    bool gridEnables(const QDate& date) const override { return m_model.inRange(date); }
    QRect gridCellRect(const QDate& date) const override;
    QString gridTitle() const override;
    QStringList gridColumnNames() const override;
    QString gridSpokenDay(const QDate& date) const override;
    QDate gridCurrentDate() const override { return currentDate(); }
    void gridChoose(const QDate& date) override { moveTo(date); }
    QList<QWidget*> gridControls() const override;

Q_SIGNALS:
    // The current date changed: the new date.
    void dateChanged(const QDate& date);
    // The mouse moved onto another date: the date, invalid for none.
    void dateHovered(const QDate& date);
    // A mouse button was released over the calendar: 1 left, 2 right, 4 middle.
    void mouseReleased(int button);
    // Enter was pressed on the current date: its day page is wanted.
    void dayActivated(const QDate& date);
    // A menu is wanted on a date: the line of its text that was clicked (empty from the
    // keyboard) and where the menu goes on the screen.
    void menuRequested(const QDate& date, const QString& line, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QDate firstCellDate() const;
    int weekCount() const;
    int rowTop(int row) const;
    int rowsPerWeek() const { return (7 + m_columns - 1) / m_columns; }
    int rowCount() const;
    // The date in a row and column of the layout; invalid for a place without one.
    QDate dateOfPlace(int row, int col) const;
    QRect placeRect(int row, int col) const;
    int columnsFor(int width) const;
    // The headers of the dates of the range, from its start, in the longest form that fits
    // every cell.
    QStringList headers() const;
    // Each line of a date's text wrapped for a cell `cellWidth` pixels wide.
    QList<QStringList> wrappedLines(const QDate& date, int cellWidth) const;
    // The shown lines of a date that fit whole in its cell.
    QStringList fittingLines(const QDate& date, const QRect& cell) const;
    int headerHeight() const;
    int colourBars(const QDate& date) const;
    // The columns of a cell that its text takes, beside the colour bars; the cell's own top
    // and bottom.
    QRect textColumns(const QDate& date, const QRect& cell) const;
    void layoutRows();
    void moveTo(const QDate& date);
    void hover(const QDate& date);
    CalendarSpeech speech() const { return speechIn(locale()); }

    WeekCalendarModel m_model;
    QStringList m_dayNames;
    QStringList m_monthNames;
    QList<int> m_rowHeights;
    int m_columns = 7;
    bool m_rangeSet = false;
    QDate m_hover;
};
