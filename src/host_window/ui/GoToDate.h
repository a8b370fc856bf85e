#pragma once

#include <QDate>
#include <QObject>

class QAction;
class QDateEdit;
class QWidget;

// The window's "go to a date" tool: a date field, and Ctrl+G, which puts the focus in it with
// the date selected for typing. Enter (or leaving the field after a change) asks to go there.
class GoToDate : public QObject {
    Q_OBJECT
public:
    // The field lives in `strip`; the shortcut works anywhere in `window`.
    GoToDate(QWidget* strip, QWidget* window);

    QDateEdit* field() const { return m_field; }
    QAction* action() const { return m_action; }
    // Shows `date` in the field without asking to go there.
    void showDate(const QDate& date);
    // The dates the field accepts.
    void setRange(const QDate& first, const QDate& last);

signals:
    void chosen(const QDate& date);

private:
    QDateEdit* m_field;
    QAction* m_action;
    QDate m_shown;
};
