// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "day_page/DayPageView.h"

#include <QList>
#include <QStringList>

// A day page without a window: keeps the day list and remembers where the page navigated;
// the pointer goes to the user-interface seam.
class HeadlessDayPageView : public DayPageView {
public:
    void clearDayList() override;
    void addDayListEntry(const QString& text) override;
    int dayListCount() const override { return int(m_entries.size()); }
    QString dayListText(int number) const override;
    qint32 dayListItemValue(int number) const override;
    void setDayListItemValue(int number, qint32 value) override;
    int dayListIndex() const override { return m_index; }
    void setDayListIndex(int number) override;

    void navigate(const QString& target) override { m_navigations.append(target); }
    void showWaitPointer() override;
    void showNormalPointer() override;

    // Every navigation target in order; the last is what the page shows.
    const QStringList& navigations() const { return m_navigations; }
    QString location() const { return m_navigations.isEmpty() ? QString() : m_navigations.last(); }

private:
    struct Entry {
        QString text;
        qint32 itemValue = 0;
    };
    bool valid(int number) const { return number >= 1 && number <= dayListCount(); }

    QList<Entry> m_entries;
    int m_index = 0;
    QStringList m_navigations;
};
