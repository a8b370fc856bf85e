// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QLineEdit>
#include <QTime>

// A time field that takes a time as a person types it, "19:30" or "1930": one click selects
// the whole time, so that what is typed next replaces it.
class TimeField : public QLineEdit {
    Q_OBJECT
public:
    explicit TimeField(QWidget* parent = nullptr);

    // The time typed; invalid while the text names none.
    QTime time() const { return m_time; }
    void setTime(const QTime& time);
    // How to type a time, by example.
    static QString hint();

signals:
    void timeChanged(const QTime& time);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void typed(const QString& text);

    QTime m_time;
    bool m_selectOnPress = false;
};
