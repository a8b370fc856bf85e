#include "app/HostSession.h"

#include "app/TerminalMessages.h"
#include "resources/mMain.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"
#include "support/mGarbageFiles.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>

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

QString HostSession::defaultIniFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/liturgy.ini");
}

bool HostSession::open(const QString& iniFile, qint32 edition, QString* error) {
    m_iniFile = iniFile.isEmpty() ? defaultIniFile() : mVBFileDisk::resolveLetterCase(iniFile);
    const QFileInfo info(m_iniFile);
    if (!info.exists()) {
        *error =
            iniFile.isEmpty()
                ? QStringLiteral("no data set found; create it with: make-sample-data --out %1")
                      .arg(QDir::toNativeSeparators(info.path()))
                : QStringLiteral("the INI file '%1' does not exist").arg(iniFile);
        return false;
    }
    // Every key would read as empty: say so here, not later as a missing data file.
    QFile ini(m_iniFile);
    if (info.isDir() || !ini.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("the INI file '%1' cannot be read").arg(m_iniFile);
        return false;
    }

    // The language: a positive number under "Language", else the host's edition code; 47
    // selects Norwegian, 39 keeps what was selected, every other code English.
    bool numeric = false;
    const double language =
        modIni::read(m_iniFile, QStringLiteral("LiturgyCalendar"), QStringLiteral("Language"))
            .trimmed()
            .toDouble(&numeric);
    const double languageCode = numeric && language > 0 ? std::trunc(language) : edition;
    if (languageCode == 47)
        shared().gLanguageOffset = 1000;
    else if (languageCode != 39)
        shared().gLanguageOffset = 0;
    shared().gMultiEditionMode = edition == 1020;
    m_edition = mMain::validateVersion(edition, m_iniFile);
    return true;
}

QString HostSession::editionName() const {
    return shared().gEditionName;
}

bool HostSession::failed() const {
    return !m_ui->messageBoxes().isEmpty() || errHandler().lastErrorNumber() != 0;
}
