// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/NoteDisplay.h"

#include "calendar/DayNote.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "host_window/HostInteraction.h"
#include "host_window/ui/HostSettings.h"
#include "host_window/ui/cToolTip.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMenu>

NoteDisplay::NoteDisplay(QWidget& window, const HostSettings& settings,
                         const HostInteraction& model)
    : m_window(window), m_settings(settings), m_model(model) {
    m_label = new QLabel(&window);
    m_label->setObjectName(QStringLiteral("LabelTooltip"));
    m_label->hide();
    m_menu = new QMenu(&window);
    m_menu->setObjectName(QStringLiteral("mnuPop"));
    m_copy = m_menu->addAction(QString());
    m_copy->setObjectName(QStringLiteral("mnuCopy"));
    QObject::connect(m_copy, &QAction::triggered, &window, [this] { copy(); });
}

NoteDisplay::~NoteDisplay() = default;

void NoteDisplay::start(MonthCalendarView* month, WeekCalendarView* week) {
    m_month = month;
    m_tip = std::make_unique<cToolTip>();
    m_tip->setPStyle(2);
    m_tip->setPInitialDelay(100);
    m_tip->setPAutoPopDelay(200000);
    // The window is the receiver, so that its going cuts these connections before the model
    // they read goes.
    QObject::connect(month, &MonthCalendarView::dayHovered, &m_window,
                     [this, month](int day) { showNote(month, day); });
    QObject::connect(week, &WeekCalendarView::dateHovered, &m_window, [this, week](const QDate& d) {
        // The week shows days of two months; only those of the filled month
        // have notes.
        if (d.isValid() && d.month() == m_model.state().lastMonth)
            showNote(week, d.day());
    });
    QObject::connect(month, &MonthCalendarView::mouseReleased, &m_window,
                     [this](int button) { mouseUp(button); });
    QObject::connect(week, &WeekCalendarView::mouseReleased, &m_window,
                     [this](int button) { mouseUp(button); });
}

QString NoteDisplay::note(int day) const {
    ProcScope scope("fHoster.getNote");
    QString note;
    scope.run([&] {
        if (!m_month)
            return;
        note = DayNote::read(m_settings.openDatabase(), m_month->shownYear(), m_month->shownMonth(),
                             day, m_model.state().version);
    });
    return note;
}

void NoteDisplay::showNote(QWidget* window, int day) {
    ProcScope scope("fHoster.showNote");
    scope.run([&] {
        show(window, DayNote::shown(m_model.state().version) && day > 0 ? note(day) : QString());
    });
}

void NoteDisplay::show(QWidget* window, const QString& note) {
    if (m_tip)
        m_tip->removeAll(window);
    m_label->clear();
    if (note.isEmpty())
        return;
    if (m_tip)
        m_tip->attach(window, note);
    m_label->setText(note);
}

void NoteDisplay::mouseUp(int button) {
    ProcScope scope("fHoster.MouseUp");
    scope.run([&] {
        if (button != 2 || m_label->text().isEmpty())
            return;
        // In the language of the moment.
        m_copy->setText(QObject::tr("Copy tooltip"));
        m_menu->popup(QCursor::pos());
    });
}

void NoteDisplay::copy() {
    ProcScope scope("fHoster.mnuCopy_Click");
    scope.run([&] { ui().setClipboardText(m_label->text()); });
}
