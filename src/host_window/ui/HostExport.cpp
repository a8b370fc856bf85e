#include "host_window/ui/HostExport.h"

#include "controls/MonthCalendarModel.h"
#include "controls/ui/MonthCalendarView.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/CLiturgicalMonth.h"
#include "host_window/cWordApplication.h"
#include "host_window/ui/fHoster.h"
#include "resources/ResourceStrings.h"
#include "support/Failure.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QCoreApplication>

namespace {

constexpr qint16 kFirstDayPane = 4;
constexpr qint16 kLastDayPane = 7;
// GoTo's kind of target for a bookmark.
constexpr qint32 kGoToBookmark = -1;

} // namespace

HostExport::HostExport(fHoster& window) : m_window(window) {}

HostExport::~HostExport() = default;

fThisDay* HostExport::currentDayPage() const {
    const qint16 pane = m_window.currentDayPane();
    if (!m_window.dayPagePending() || pane < kFirstDayPane || pane > kLastDayPane)
        return nullptr;
    return m_window.dayPage(pane);
}

bool HostExport::openInMSWord() {
    ProcScope scope("fHoster.openInMSWord");
    bool result = false;
    scope.run([&] {
        if (m_window.dayPagePending()) {
            fThisDay* page = currentDayPage();
            if (!page || !page->mCopy())
                return;
            QObject* document = getMSWordAppDoc();
            if (!document)
                return;
            QCoreApplication::processEvents();
            QObject* application = LateBinding::getObject(document, "Application");
            QObject* selection = LateBinding::getObject(application, "Selection");
            LateBinding::call(selection, "Paste");
            LateBinding::call(application, "Activate");
            LateBinding::call(selection, "GoTo", {kGoToBookmark, QStringLiteral("\\StartOfDoc")});
            return;
        }
        const std::unique_ptr<QObject> month =
            ObjectRegistry::CreateObject(QString::fromLatin1(CLiturgicalMonth::kProgId));
        const QDate current = m_window.monthCalendar()->model().currentDate();
        LateBinding::set(month.get(), "pShowFeast", true);
        LateBinding::set(month.get(), "pFeastOnlyOnSundays", false);
        LateBinding::set(month.get(), "pYear", current.year());
        LateBinding::set(month.get(), "pMonth", current.month());
        LateBinding::set(month.get(), "pFirstDay", 0);
        LateBinding::set(month.get(), "pVkIniFile", m_window.pVkIniFile());
        // Beyond its six members, only where the object has them: a host's own month export
        // with just those six must still work.
        const auto has = [&](const char* name) {
            return month->metaObject()->indexOfProperty(name) >= 0;
        };
        if (has("pVersion"))
            LateBinding::set(month.get(), "pVersion", m_window.pVersion());
        if (m_window.pSQLMode() && !m_window.pConnectionString().isEmpty() && has("pSQLMode") &&
            has("pConnectionString")) {
            LateBinding::set(month.get(), "pSQLMode", true);
            LateBinding::set(month.get(), "pConnectionString", m_window.pConnectionString());
        }
        LateBinding::call(month.get(), "ExportToWord", {1});
        result = true;
    });
    return result;
}

QObject* HostExport::getMSWordAppDoc() {
    ProcScope scope("fHoster.getMSWordAppDoc");
    QObject* document = nullptr;
    scope.run([&] {
        if (!m_word) {
            try {
                m_word =
                    ObjectRegistry::CreateObject(QString::fromLatin1(cWordApplication::kProgId));
            } catch (const Failure& failure) {
                if (failure.number() != 429)
                    throw;
            }
        }
        if (!m_word) {
            ui().messageBox(UserInterface::Icon::Critical, UserInterface::Buttons::Ok, QString(),
                            ResourceStrings::text(ResourceStrings::kWordNotReachable));
            return;
        }
        QObject* documents = LateBinding::getObject(m_word.get(), "Documents");
        QObject* added = LateBinding::objectOf(LateBinding::call(documents, "Add"));
        LateBinding::set(m_word.get(), "Visible", true);
        document = added;
    });
    return document;
}

bool HostExport::doSend(const QString& command) {
    ProcScope scope("fHoster.doSend");
    bool result = false;
    scope.run([&] {
        fThisDay* page = currentDayPage();
        if (page)
            result = page->mSend(command, m_window.currentDayPane());
    });
    return result;
}
