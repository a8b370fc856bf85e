// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "resources/mMain.h"

#include "resources/EditionTranslator.h"
#include "support/EditionCode.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <cmath>

namespace mMain {

const QList<Edition>& editions() {
    // Kept in the order of comparison: the first file name that matches decides.
    static const QList<Edition> table = {
        {1010, "KorvaBase.mdb", "Korva Coastal Church"},
        {1011, "KorvaLume.MDB", "The Korva Diocese"},
        {47, "Velmarka.MDB", "Velmark Church - A"},
        {1005, "Orsaveli.MDB", "Orsave Gathering Church"},
        {1003, "TREMBALO.MDB", "The Trembal Fellowship"},
        {49, "Hubrensk.MDB", "The Hubren Diocese"},
        {490, "ostravel.MDB", "Hubren Union Church"},
        {358, "kaminoro.MDB", "Kamino Church - North"},
        {39, "Pelusino.MDB", "The Pelusine Church"},
        {470, "Velmarke.MDB", "Velmark Church - B"},
        {1015, "Quorvane.MDB", "Quorvan Coastal Church"},
        {1, "Brastelo.MDB", "The Brastel Assembly"},
        {3580, "kaminose.MDB", "Kamino Church - South"},
        {46, "Dralvika.MDB", "Dralvik National Church"},
        {1016, "KorvaMesa.MDB", "Korva Union Church"},
        {1007, "Brastume.MDB", "The Brastel Diocese"},
        {45, "Sorvandi.mdb", "The Sorvand Church"},
    };
    return table;
}

qint32 validateVersion(qint32 version, const QString& iniFile) {
    ProcScope scope("mMain.validateVersion");
    qint32 result = version;
    scope.run([&] {
        const QString liturgyFile =
            modIni::read(iniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"));
        if (liturgyFile.isEmpty())
            return;
        const QString fileName = mVBFileDisk::fileNamePart(liturgyFile).toUpper();
        for (const Edition& edition : editions()) {
            if (fileName == QString::fromUtf8(edition.databaseFile).toUpper()) {
                result = edition.code;
                shared().gEditionName = getVersionName(edition.code);
                return;
            }
        }
        shared().gEditionName.clear();
    });
    return result;
}

void selectLanguage(const QString& iniFile, qint32 version) {
    const QString text =
        modIni::read(iniFile, QStringLiteral("LiturgyCalendar"), QStringLiteral("Language"))
            .trimmed();
    bool ok = false;
    const double value = text.toDouble(&ok);
    qint32 language = version;
    if (ok && value > 0 && value <= 2147483647.0 && qint32(std::floor(value)) > 0)
        language = qint32(std::floor(value));
    // The Velmark church speaks Norwegian; the Pelusine church keeps the language chosen.
    if (language == EditionCode::kVelmarkChurch)
        shared().gLanguageOffset = 1000;
    else if (language != EditionCode::kPelusineChurch)
        shared().gLanguageOffset = 0;
    EditionTranslator::follow();
}

QString getVersionName(qint32 version) {
    ProcScope scope("mMain.getVersionName");
    QString result;
    scope.run([&] {
        for (const Edition& edition : editions()) {
            if (edition.code == version) {
                result = QString::fromUtf8(edition.displayName);
                return;
            }
        }
    });
    return result;
}

QString getStyleSheetFile(const QString& iniFile, qint32 version, bool forPrint) {
    ProcScope scope("mMain.getStyleSheetFile");
    QString result;
    scope.run([&] {
        result = styleSheetIn(
            modIni::read(iniFile, QStringLiteral("FILES"), QStringLiteral("TemplatePath")), version,
            forPrint);
    });
    return result;
}

QString styleSheetIn(const QString& folder, qint32 version, bool forPrint) {
    const QString code = QString::number(version);
    const QString print = QStringLiteral("MainPrint.CSS");
    const QString screen = QStringLiteral("Main.CSS");
    const QStringList candidates = forPrint
                                       ? QStringList{folder + code + print, folder + code + screen,
                                                     folder + print, folder + screen}
                                       : QStringList{folder + code + screen, folder + screen};
    for (const QString& candidate : candidates) {
        if (mVBFileDisk::fileExists(candidate))
            return mVBFileDisk::resolveLetterCase(candidate);
    }
    return {};
}

} // namespace mMain
