// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/EditionCommand.h"

#include "app/HostSession.h"
#include "data/DataSource.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QCoreApplication>
#include <QFileInfo>

QString EditionCommand::run(const HostSession& session) {
    QString text = QStringLiteral("%1\t%2\n").arg(session.edition()).arg(session.editionName());
    text += QStringLiteral("dates\t%1\n").arg(session.span());
    if (session.sqlMode() == -1)
        text += QStringLiteral("server\t%1\n").arg(DataSource::masked(session.server()));
    for (const char* key : {"LiturgyFile", "PlanFile", "ServiceFile", "TemplatePath"}) {
        const QString name = QString::fromLatin1(key);
        const QString file = modIni::read(session.iniFile(), QStringLiteral("Files"), name);
        QString line = name + QLatin1Char('\t') + file;
        if (file.isEmpty())
            line +=
                QLatin1Char('\t') + QCoreApplication::translate("EditionCommand", "(not named)");
        else if (!QFileInfo::exists(mVBFileDisk::resolveLetterCase(file)))
            line += QLatin1Char('\t') + QCoreApplication::translate("EditionCommand", "(missing)");
        text += line + QLatin1Char('\n');
    }
    return text;
}
