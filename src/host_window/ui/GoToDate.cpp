#include "host_window/ui/GoToDate.h"

#include <QAction>
#include <QDateEdit>
#include <QSignalBlocker>

GoToDate::GoToDate(QWidget* strip, QWidget* window)
    : QObject(strip), m_field(new QDateEdit(strip)), m_action(new QAction(window)) {
    m_field->setObjectName(QStringLiteral("goToDate"));
    m_field->setAccessibleName(tr("Go to date"));
    m_field->setToolTip(tr("Go to date (Ctrl+G)"));
    m_field->setCalendarPopup(true);
    m_field->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_action->setObjectName(QStringLiteral("goToDateAction"));
    m_action->setText(tr("Go to Date..."));
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    window->addAction(m_action);
    connect(m_action, &QAction::triggered, this, [this] {
        m_field->setFocus(Qt::ShortcutFocusReason);
        // The year selected: typing the digits of a date fills year, month and day in turn.
        m_field->setSelectedSection(QDateTimeEdit::YearSection);
    });
    connect(m_field, &QDateEdit::editingFinished, this, [this] {
        const QDate date = m_field->date();
        if (date.isValid() && date != m_shown)
            emit chosen(date);
    });
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
