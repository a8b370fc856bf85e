// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/cWordApplication.h"

#include "host_window/cWordDocument.h"
#include "host_window/cWordDocuments.h"
#include "resources/ResourceStrings.h"
#include "support/ExternalProgram.h"
#include "support/Failure.h"
#include "support/SharedState.h"
#include "support/cResolveFolders.h"
#include "support/mVBFileDisk.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

const char* const kOpenDocumentText = "application/vnd.oasis.opendocument.text";
// How long the desktop may take to hand a file to its application.
constexpr int kWaitMs = 15000;

} // namespace

cWordApplication::cWordApplication(Opening opening)
    : m_opening(opening), m_documents(new cWordDocuments(*this)) {
    m_documents->setParent(this);
}

cWordApplication::~cWordApplication() = default;

QObject* cWordApplication::Documents() const {
    return m_documents;
}

QObject* cWordApplication::Selection() const {
    return m_active.data();
}

bool cWordApplication::handlerAvailable() {
    if (ExternalProgram::find(QStringLiteral("xdg-open")).isEmpty())
        return false;
    const ExternalProgram::Result query = ExternalProgram::run(
        QStringLiteral("xdg-mime"),
        {QStringLiteral("query"), QStringLiteral("default"), QLatin1String(kOpenDocumentText)},
        kWaitMs, true);
    return query.outcome == ExternalProgram::Outcome::Finished && query.exitCode == 0 &&
           !query.output.trimmed().isEmpty();
}

cWordDocument* cWordApplication::addDocument() {
    auto* document = new cWordDocument(*this, this);
    m_all.append(document);
    m_active = document;
    return document;
}

void cWordApplication::setVisible(bool visible) {
    m_visible = visible;
    Activate();
}

void cWordApplication::Activate() {
    for (cWordDocument* document : m_all)
        publish(*document);
}

void cWordApplication::activate(cWordDocument* document) {
    m_active = document;
    Activate();
}

void cWordApplication::documentChanged(cWordDocument& document) {
    publish(document);
}

void cWordApplication::publish(cWordDocument& document) {
    if (!m_visible || m_opening == Opening::Never || !document.isDirty() ||
        document.text().isEmpty())
        return;
    QString file = document.FullName();
    if (file.isEmpty())
        file = mVBFileDisk::freeFileName(cResolveFolders().getExportPath(),
                                         document.suggestedName(now().date()));
    document.SaveAs(file);
    if (document.isOpened())
        return;
    const ExternalProgram::Result open =
        ExternalProgram::run(QStringLiteral("xdg-open"), {file}, kWaitMs);
    const bool handedOver =
        open.outcome == ExternalProgram::Outcome::StillRunning ||
        (open.outcome == ExternalProgram::Outcome::Finished && open.exitCode == 0);
    if (!handedOver)
        throw Failure::programMissing(ResourceStrings::text(ResourceStrings::kWordNotReachable) +
                                      QStringLiteral(" (") + file + QLatin1Char(')'));
    document.setOpened();
}
