// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QWidget>

// A pane's window that holds one control filling its client area (the month calendar, the
// week calendar, the year/month tree): on every resize the control is moved to 0, 0 with the
// window's inner width and height.
class cPaneWindow : public QWidget {
    Q_OBJECT
public:
    cPaneWindow(const QString& name, QWidget* control, QWidget* parent = nullptr);

    QWidget* control() const { return m_control; }

Q_SIGNALS:
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_control;
};
