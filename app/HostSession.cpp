// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/HostSession.h"

#include "app/CommandLine.h"
#include "app/TerminalMessages.h"
#include "resources/mMain.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"
#include "support/mGarbageFiles.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace {

// The codes a host may pass: the editions, the multi-edition mode and 10024.
QList<qint32> knownEditions() {
    QList<qint32> codes{1020, 10024};
    for (const mMain::Edition& edition : mMain::editions())
        codes.append(edition.code);
    std::sort(codes.begin(), codes.end());
    return codes;
}

const mMain::Edition* editionRow(qint32 code) {
    for (const mMain::Edition& edition : mMain::editions()) {
        if (edition.code == code)
            return &edition;
    }
    return nullptr;
}

// The editions whose liturgy database lies beside the one that `iniFile` names, as
// "47 (Velmark Church - A), 1011 (The Korva Diocese)"; empty when there is none.
QString dataSetEditions(const QString& iniFile) {
    const QString liturgyFile =
        modIni::read(iniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"));
    if (liturgyFile.isEmpty())
        return {};
    const QString folder = QFileInfo(liturgyFile).path() + QLatin1Char('/');
    QList<const mMain::Edition*> found;
    for (const mMain::Edition& edition : mMain::editions()) {
        const QString file = folder + QString::fromLatin1(edition.databaseFile);
        if (mVBFileDisk::fileExists(mVBFileDisk::resolveLetterCase(file)))
            found.append(&edition);
    }
    std::sort(found.begin(), found.end(),
              [](const mMain::Edition* a, const mMain::Edition* b) { return a->code < b->code; });
    QStringList named;
    for (const mMain::Edition* edition : found)
        named.append(QStringLiteral("%1 (%2)")
                         .arg(edition->code)
                         .arg(QString::fromUtf8(edition->displayName)));
    return named.join(QStringLiteral(", "));
}

// The sentence that says which editions the data set has, after "; ".
QString editionsSentence(const QString& iniFile) {
    const QString editions = dataSetEditions(iniFile);
    return editions.isEmpty() ? QString()
                              : QCoreApplication::translate(
                                    "HostSession", "; the editions of this data set are %1")
                                    .arg(editions);
}

} // namespace

HostSession::HostSession(FILE* messages) {
    auto ui = std::make_unique<TerminalMessages>(messages);
    m_ui = ui.get();
    shared().env.ui = std::move(ui);
    errHandler();
    if (!shared().garbageFiles)
        shared().garbageFiles = std::make_unique<QList<clsGarbageFiles>>();
}

HostSession::~HostSession() {
    // The final clean-up of the last window's going: connections, temporary files, handler.
    shared().connectionCache.reset();
    mGarbageFiles::releaseGarbageFiles();
    shared().errHandler.reset();
}

QString HostSession::defaultIniFile(qint32 edition) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    // The generator of the default set writes one INI file for each edition but the first.
    const QString own = folder + QStringLiteral("/liturgy-%1.ini").arg(edition);
    if (edition > 0 && mVBFileDisk::fileExists(own))
        return own;
    return folder + QStringLiteral("/liturgy.ini");
}

void HostSession::chooseLanguage(const QString& iniFile, qint32 edition) {
    mMain::selectLanguage(iniFile.isEmpty() ? defaultIniFile(edition)
                                            : mVBFileDisk::resolveLetterCase(iniFile),
                          edition);
}

void HostSession::chooseLanguage(const QStringList& arguments) {
    QString iniFile;
    qint32 edition = 1;
    CommandLine::languageOptions(arguments, &iniFile, &edition);
    chooseLanguage(iniFile, edition);
}

bool HostSession::open(const QString& iniFile, qint32 edition, QString* error, bool editionGiven) {
    m_iniFile =
        iniFile.isEmpty() ? defaultIniFile(edition) : mVBFileDisk::resolveLetterCase(iniFile);
    // The edition's language first: every message below is in it.
    chooseLanguage(m_iniFile, edition);
    const QFileInfo info(m_iniFile);
    if (!info.exists()) {
        *error =
            iniFile.isEmpty()
                ? QCoreApplication::translate(
                      "HostSession", "no data set found; create it with: make-sample-data --out %1")
                      .arg(QDir::toNativeSeparators(info.path()))
                : QCoreApplication::translate("HostSession", "the INI file '%1' does not exist")
                      .arg(iniFile);
        return false;
    }
    // Every key would read as empty: say so here, not later as a missing data file.
    QFile ini(m_iniFile);
    if (info.isDir() || !ini.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("HostSession", "the INI file '%1' cannot be read")
                     .arg(m_iniFile);
        return false;
    }
    // An editor's UTF-16 reads as a file without keys: name the cause, not a missing database.
    if (modIni::isUtf16File(m_iniFile)) {
        *error = QCoreApplication::translate("HostSession",
                                             "the INI file '%1' is saved as UTF-16, which cannot "
                                             "be read; save it as UTF-8")
                     .arg(m_iniFile);
        return false;
    }

    // An unknown code is answered with what the user can choose: the editions of this data set.
    if (!knownEditions().contains(edition)) {
        *error =
            QCoreApplication::translate("HostSession", "%1 is not an edition code").arg(edition) +
            editionsSentence(m_iniFile);
        return false;
    }
    // The default data set holds a database for some editions only.
    const mMain::Edition* row = editionRow(edition);
    if (iniFile.isEmpty() && editionGiven && row) {
        const QString liturgyFile =
            modIni::read(m_iniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"));
        const QString needed = QFileInfo(liturgyFile).path() + QLatin1Char('/') +
                               QString::fromLatin1(row->databaseFile);
        if (!mVBFileDisk::fileExists(mVBFileDisk::resolveLetterCase(needed))) {
            *error = QCoreApplication::translate(
                         "HostSession", "the edition %1 (%2) needs the liturgy database %3, which "
                                        "the default data set does not have")
                         .arg(edition)
                         .arg(QString::fromUtf8(row->displayName),
                              QString::fromLatin1(row->databaseFile)) +
                     editionsSentence(m_iniFile);
            return false;
        }
    }

    shared().gMultiEditionMode = edition == 1020;
    m_edition = mMain::validateVersion(edition, m_iniFile);
    m_coverageRead = false;
    return true;
}

void HostSession::setServer(const QString& connectionString) {
    if (connectionString != m_server)
        m_coverageRead = false;
    m_server = connectionString;
}

void HostSession::readCoverage() const {
    if (m_coverageRead)
        return;
    m_coverageRead = true;
    m_coverageError.clear();
    if (!m_coverage.read(m_iniFile, m_server, &m_coverageError) && m_coverageError.isEmpty())
        m_coverageError =
            QCoreApplication::translate("HostSession", "the liturgy database cannot be read");
}

QString HostSession::span() const {
    readCoverage();
    return m_coverageError.isEmpty() ? m_coverage.span() : m_coverageError;
}

bool HostSession::covers(const QDate& from, const QDate& to, const QString& asked,
                         QString* error) const {
    readCoverage();
    if (!m_coverageError.isEmpty()) {
        *error = m_coverageError;
        return false;
    }
    return m_coverage.covers(from, to, asked, error);
}

QString HostSession::outsideData(const QString& asked) const {
    readCoverage();
    return m_coverageError.isEmpty() ? m_coverage.outside(asked) : m_coverageError;
}

QString HostSession::editionName() const {
    return shared().gEditionName;
}

bool HostSession::failed() const {
    return !m_ui->messageBoxes().isEmpty() || errHandler().lastErrorNumber() != 0;
}
