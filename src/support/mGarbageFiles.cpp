// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/mGarbageFiles.h"

#include "support/ProcScope.h"
#include "support/SharedState.h"

#include <QFile>
#include <QFileInfo>

namespace mGarbageFiles {

bool AddGarbageFile(const QString& path) {
    ProcScope scope("mGarbageFiles.AddGarbageFile");
    bool result = false;
    scope.run([&] {
        auto& list = shared().garbageFiles;
        // Without a list the file would be lost to clean-up; start one.
        if (!list)
            list = std::make_unique<QList<clsGarbageFiles>>();
        clsGarbageFiles entry;
        entry.setPFileName(path);
        list->append(entry);
        result = true;
    });
    return result;
}

bool cleanGarbageFiles() {
    ProcScope scope("mGarbageFiles.cleanGarbageFiles");
    bool result = false;
    scope.run([&] {
        if (const auto& list = shared().garbageFiles) {
            // The names were made here as they are on disk: a search for another letter case
            // would read the whole temporary folder for a page never written, and could find
            // and delete a file that is not ours.
            for (const clsGarbageFiles& entry : *list) {
                const QString& name = entry.pFileName();
                if (QFileInfo(name).isFile())
                    QFile::remove(name);
            }
        }
        result = true;
    });
    return result;
}

void releaseGarbageFiles() {
    if (!shared().garbageFiles)
        return;
    cleanGarbageFiles();
    shared().garbageFiles.reset();
}

} // namespace mGarbageFiles
