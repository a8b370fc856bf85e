// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "FuzzWorld.h"

#include "support/HeadlessUserInterface.h"
#include "support/SharedState.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

const QString& FuzzWorld::folder() {
    static const QString path = [] {
        // In memory where the system has it: the database target writes a few files per input.
        const QString shm = QStringLiteral("/dev/shm");
        QTemporaryDir dir = QFileInfo(shm).isWritable()
                                ? QTemporaryDir(shm + QStringLiteral("/lc-fuzz-XXXXXX"))
                                : QTemporaryDir();
        dir.setAutoRemove(false); // removed when the process ends
        const QString root = dir.path() + QLatin1Char('/');
        for (const char* sub : {"data", "tmp", "module"})
            QDir(root).mkpath(QString::fromLatin1(sub));
        qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("data")));
        qputenv("TMPDIR", QFile::encodeName(root + QStringLiteral("tmp")));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        shared().env.ui = std::make_unique<HeadlessUserInterface>(nullptr);
        shared().env.componentFolder = root + QStringLiteral("module/");
        errHandler();
        // Removed at exit by a copy of its name: the QString is gone by then.
        static char* removeAtExit = strdup(QFile::encodeName(root).constData());
        std::atexit([] { std::filesystem::remove_all(removeAtExit); });
        return root;
    }();
    return path;
}

void FuzzWorld::clearReports() {
    static_cast<HeadlessUserInterface&>(ui()).clear();
}

void FuzzWorld::check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "property does not hold: %s\n", what);
    std::abort();
}
