// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/HostExport.h"

#include "day_page/ui/fThisDay.h"
#include "host_window/CLiturgicalMonth.h"
#include "host_window/cWordApplication.h"
#include "resources/ResourceStrings.h"
#include "support/Failure.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QCoreApplication>

namespace {

// GoTo's kind of target for a bookmark.
constexpr qint32 kGoToBookmark = -1;

} // namespace

HostExport::HostExport() = default;

HostExport::~HostExport() = default;

bool HostExport::openInMSWord(bool dayPage, fThisDay* page, const Month& month) {
    ProcScope scope("fHoster.openInMSWord");
    bool result = false;
    scope.run([&] {
        if (dayPage) {
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
        const std::unique_ptr<QObject> exporter =
            ObjectRegistry::CreateObject(QString::fromLatin1(CLiturgicalMonth::kProgId));
        QObject* e = exporter.get();
        LateBinding::set(e, "pShowFeast", true);
        LateBinding::set(e, "pFeastOnlyOnSundays", false);
        LateBinding::set(e, "pYear", month.date.year());
        LateBinding::set(e, "pMonth", month.date.month());
        LateBinding::set(e, "pFirstDay", 0);
        LateBinding::set(e, "pVkIniFile", month.iniFile);
        // Beyond its six members, only where the object has them: a host's own month export
        // with just those six must still work.
        const auto has = [&](const char* name) {
            return e->metaObject()->indexOfProperty(name) >= 0;
        };
        if (has("pVersion"))
            LateBinding::set(e, "pVersion", month.version);
        if (month.sqlMode && !month.connectionString.isEmpty() && has("pSQLMode") &&
            has("pConnectionString")) {
            LateBinding::set(e, "pSQLMode", true);
            LateBinding::set(e, "pConnectionString", month.connectionString);
        }
        LateBinding::call(e, "ExportToWord", {1});
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

bool HostExport::doSend(fThisDay* page, const QString& command, qint16 kind) {
    ProcScope scope("fHoster.doSend");
    bool result = false;
    scope.run([&] {
        if (page)
            result = page->mSend(command, kind);
    });
    return result;
}
