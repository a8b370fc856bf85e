// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/ToolBarOverflow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QToolBar>
#include <QToolButton>

QToolButton* ToolBarOverflow::button(const QToolBar* bar) {
    if (!bar)
        return nullptr;
    // Qt's own name for the button, the same since Qt 4.
    return bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"),
                                        Qt::FindDirectChildrenOnly);
}

namespace {

void nameButton(QToolButton* more) {
    const QString text = QCoreApplication::translate("ToolBarOverflow", "More tools");
    more->setAccessibleName(text);
    more->setToolTip(text);
}

// Names the button again when the edition's language comes or goes.
class Renamer : public QObject {
public:
    explicit Renamer(QToolButton* more) : QObject(more), m_more(more) {
        more->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_more && event->type() == QEvent::LanguageChange)
            nameButton(m_more);
        return false;
    }

private:
    QToolButton* m_more;
};

} // namespace

void ToolBarOverflow::name(const QToolBar* bar) {
    QToolButton* more = button(bar);
    if (!more)
        return;
    nameButton(more);
    // Named once more for each call; followed once.
    if (more->property("lcRenamed").toBool())
        return;
    more->setProperty("lcRenamed", true);
    new Renamer(more);
}
