// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// What the day page assembly drives: the day list (entries numbered from 1, each with a text
// and an item value, the calendar row number), the browser that shows the page file or
// "About:Blank", and the mouse pointer. The day page window draws it; the command line keeps
// it headless.
class DayPageView {
public:
    virtual ~DayPageView();

    virtual void clearDayList() = 0;
    // Appends an entry with `text` and item value 0.
    virtual void addDayListEntry(const QString& text) = 0;
    virtual int dayListCount() const = 0;
    // Text and item value of entry `number`; empty and 0 outside 1..dayListCount().
    virtual QString dayListText(int number) const = 0;
    virtual qint32 dayListItemValue(int number) const = 0;
    virtual void setDayListItemValue(int number, qint32 value) = 0;
    // The number of the selected entry; 0 when none is selected.
    virtual int dayListIndex() const = 0;
    virtual void setDayListIndex(int number) = 0;

    // Shows the file at `target`, or an empty page for "About:Blank".
    virtual void navigate(const QString& target) = 0;
    virtual void showWaitPointer() = 0;
    virtual void showNormalPointer() = 0;
};
