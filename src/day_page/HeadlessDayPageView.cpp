// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/HeadlessDayPageView.h"

#include "support/mGlobals.h"

void HeadlessDayPageView::clearDayList() {
    m_entries.clear();
    m_index = 0;
}

void HeadlessDayPageView::addDayListEntry(const QString& text) {
    m_entries.append({text, 0});
}

QString HeadlessDayPageView::dayListText(int number) const {
    return valid(number) ? m_entries.at(number - 1).text : QString();
}

qint32 HeadlessDayPageView::dayListItemValue(int number) const {
    return valid(number) ? m_entries.at(number - 1).itemValue : 0;
}

void HeadlessDayPageView::setDayListItemValue(int number, qint32 value) {
    if (valid(number))
        m_entries[number - 1].itemValue = value;
}

void HeadlessDayPageView::setDayListIndex(int number) {
    m_index = valid(number) ? number : 0;
}

void HeadlessDayPageView::showWaitPointer() {
    mGlobals::setWaitPointer();
}

void HeadlessDayPageView::showNormalPointer() {
    mGlobals::setDefaultPointer();
}
