// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/NoteDisplay.h"

#include "host_window/ui/cToolTip.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMenu>

NoteDisplay::NoteDisplay(QWidget& window) {
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

void NoteDisplay::startTips() {
    m_tip = std::make_unique<cToolTip>();
    m_tip->setPStyle(2);
    m_tip->setPInitialDelay(100);
    m_tip->setPAutoPopDelay(200000);
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
