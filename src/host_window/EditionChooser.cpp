// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/EditionChooser.h"

#include "resources/mMain.h"
#include "support/DiskInterface.h"
#include "support/Failure.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QCoreApplication>
#include <array>

namespace {

// The editions that the chooser offers, in its order.
constexpr std::array<qint32, 13> kChooserEditions = {47, 470, 46,   358,  3580, 1007, 1,
                                                     49, 490, 1010, 1011, 1016, 1015};

} // namespace

bool EditionChooser::chosenEdition(qint32 code, QString* file, qint32* version) {
    struct Row {
        qint32 code;
        const char* file;
        qint32 version;
    };
    static constexpr Row rows[] = {
        {1016, "KorvaMesa.mdb", 1016}, {3580, "KAMINOSE.MDB", 3580},  {1015, "Quorvane.mdb", 1015},
        {1007, "Brastume.MDB", 1007},  {1010, "KorvaBase.mdb", 1010}, {1011, "KorvaLume.MDB", 1011},
        {490, "ostravel.mdb", 490},    {49, "Hubrensk.mdb", 49},      {358, "KAMINORO.MDB", 358},
        {470, "VELMARKE.MDB", 47},     {47, "VELMARKA.MDB", 47},      {1, "Brastelo.mdb", 1},
        {39, "Pelusino.MDB", 39},      {46, "DRALVIKA.MDB", 46},
    };
    for (const Row& r : rows) {
        if (r.code == code) {
            *file = QString::fromLatin1(r.file);
            *version = r.version;
            return true;
        }
    }
    return false;
}

QList<EditionChooser::Item> EditionChooser::items(const QString& liturgyFile) {
    const QString folder = mVBFileDisk::folderPart(liturgyFile);
    QList<Item> result;
    for (qint32 code : kChooserEditions) {
        Item item;
        item.code = code;
        item.name = mMain::getVersionName(code);
        qint32 version = 0;
        chosenEdition(code, &item.file, &version);
        item.available = mVBFileDisk::fileExists(folder + item.file);
        result.append(item);
    }
    return result;
}

QString EditionChooser::itemText(const Item& item) {
    if (item.available)
        return item.name;
    return QCoreApplication::translate("EditionChooser", "%1 (%2 missing)")
        .arg(item.name, item.file);
}

bool EditionChooser::pick(qint32 code, const QString& iniFile, DiskInterface& disk,
                          qint32* version) {
    QString file;
    if (!chosenEdition(code, &file, version))
        return false;
    const QString folder = mVBFileDisk::folderPart(
        modIni::read(iniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile")));
    // The INI file must never name a database that is not there: every later start would
    // fail on it.
    if (!mVBFileDisk::fileExists(folder + file))
        throw Failure::fileNotFound(folder + file);
    DiskInterface::WriteResult written{};
    if (!modIni::writeChecked(iniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"),
                              folder + file, disk, &written))
        throw DiskInterface::failureOf(written, iniFile);
    return true;
}
