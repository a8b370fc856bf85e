// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <memory>

class HostExport;
class HostInteraction;
class HosterView;
class MonthCalendarView;
class QObject;
class QWidget;
class WeekCalendarView;
struct HostSettings;

// What leaves the host window: prints, previews, the word processor, mail, the clipboard and
// the commands handed to the host. Each acts on what the model says the user last worked in.
class HostOutput {
public:
    // `window` owns the print preview and gives its caption.
    HostOutput(QWidget& window, const HostSettings& settings, const HostInteraction& model,
               HosterView& view);
    ~HostOutput();

    void setCalendars(MonthCalendarView* month, WeekCalendarView* week);

    // Prints or previews the calendar in front or the day page, whichever the user worked in.
    bool print(const QString& command);
    // Prints or previews the current day page.
    bool printPage(const QString& command);
    bool openInWordProcessor();
    QObject* wordDocument();
    bool send(const QString& command);
    // The day page's selection, or the whole page when nothing is selected; false without one.
    bool copyPage();
    // Hands a command to the host (message 5); false without a notify object.
    bool forward(const QString& id);

private:
    QWidget& m_window;
    const HostSettings& m_settings;
    const HostInteraction& m_model;
    HosterView& m_view;
    std::unique_ptr<HostExport> m_export;
    MonthCalendarView* m_month = nullptr;
    WeekCalendarView* m_week = nullptr;
};
