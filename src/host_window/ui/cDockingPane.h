// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDockWidget>

// One pane of the host window: a dock widget that carries its pane number (1 to 7) and tells
// when the user closes it with its own button.
class cDockingPane : public QDockWidget {
    Q_OBJECT
public:
    cDockingPane(qint16 number, const QString& title, QWidget* parent = nullptr);

    qint16 Id() const { return m_number; }
    // The native handle of the window shown in the pane (0 when it is not a listed window).
    qint32 windowHandle32() const { return m_windowHandle; }
    void setWindowHandle32(qint32 handle) { m_windowHandle = handle; }

Q_SIGNALS:
    void closedByUser(cDockingPane* pane);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    qint16 m_number;
    qint32 m_windowHandle = 0;
};
