// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/HostOutput.h"

#include "day_page/ui/fThisDay.h"
#include "host_window/HostInteraction.h"
#include "host_window/mLateBound.h"
#include "host_window/ui/HostExport.h"
#include "host_window/ui/HostPrinting.h"
#include "host_window/ui/HostSettings.h"
#include "host_window/ui/HosterView.h"
#include "support/ProcScope.h"

#include <QWidget>

HostOutput::HostOutput(QWidget& window, const HostSettings& settings, const HostInteraction& model,
                       HosterView& view)
    : m_window(window), m_settings(settings), m_model(model), m_view(view),
      m_export(std::make_unique<HostExport>()) {}

HostOutput::~HostOutput() = default;

void HostOutput::setCalendars(MonthCalendarView* month, WeekCalendarView* week) {
    m_month = month;
    m_week = week;
}

bool HostOutput::print(const QString& command) {
    HostPrinting::Job job;
    job.dayPage = m_model.printsDayPage();
    job.page = m_view.dayPage(m_model.dayPageShown());
    job.week = m_model.state().calendarMode == HostInteraction::kWeekMode;
    job.month = m_month;
    job.weekCalendar = m_week;
    job.version = m_model.state().version;
    job.appTitle = m_settings.appTitle;
    job.caption = m_window.windowTitle();
    job.notify = m_settings.notify;
    job.owner = &m_window;
    return HostPrinting::doPrint(job, command);
}

bool HostOutput::printPage(const QString& command) {
    return HostPrinting::doPrintBrowser(m_view.dayPage(m_model.dayPageShown()), m_settings.notify,
                                        command);
}

bool HostOutput::openInWordProcessor() {
    return m_export->openInMSWord(m_model.printsDayPage(), m_view.dayPage(m_model.dayPageShown()),
                                  {m_model.state().date, m_settings.vkIniFile,
                                   m_model.state().version, m_settings.sqlMode,
                                   m_settings.connectionString});
}

QObject* HostOutput::wordDocument() {
    return m_export->getMSWordAppDoc();
}

bool HostOutput::send(const QString& command) {
    return m_export->doSend(m_view.dayPage(m_model.dayPageShown()), command,
                            m_model.dayPageShown());
}

bool HostOutput::copyPage() {
    fThisDay* page = m_view.dayPage(m_model.dayPageShown());
    return page && page->mCopy();
}

bool HostOutput::forward(const QString& id) {
    bool result = false;
    ProcScope scope("fHoster.sendCommand");
    scope.run([&] {
        if (!m_settings.notify)
            return;
        if (id == QLatin1String("ID_PAGE_SETUP"))
            HostPrinting::offerNextPageLayout(m_settings.notify, m_model.printsDayPage());
        mLateBound::setProperty(m_settings.notify, "pCommand", id);
        m_view.sendMessage(5);
        result = true;
    });
    return result;
}
