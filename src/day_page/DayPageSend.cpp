// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/DayPageSend.h"

#include "day_page/DayPageAssembly.h"
#include "day_page/DayPageView.h"
#include "mail/cMMAPIEmail.h"
#include "resources/ResourceStrings.h"
#include "support/DiskInterface.h"
#include "support/Failure.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/SystemFormats.h"
#include "support/mVBFileDisk.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>

QString DayPageSend::subject(qint16 kind, double date, const QString& dayText) {
    QString head;
    switch (kind) {
    case DayPageAssembly::kReadings:
        head = ResourceStrings::text(ResourceStrings::kReadings) + QLatin1Char(' ');
        break;
    case DayPageAssembly::kPrayers:
        head = ResourceStrings::text(ResourceStrings::kPrayers) + QLatin1Char(' ');
        break;
    case DayPageAssembly::kOrdo:
        head = QStringLiteral("Ordo ");
        break;
    default:
        return {};
    }
    // In the edition's language, as the page itself.
    return head + SystemFormats::shortDate(OleDate::toDate(date), ResourceStrings::locale()) +
           QStringLiteral(" - ") + dayText;
}

QString DayPageSend::attachmentFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Brekka Data as/Mail/");
}

QString DayPageSend::attachmentName(qint16 kind, double date, const QString& dayText) {
    const QString head = subject(kind, date, QString()).section(QLatin1Char(' '), 0, 0);
    QString name =
        head + QLatin1Char(' ') +
        ResourceStrings::locale().toString(OleDate::toDate(date), QStringLiteral("d MMM yyyy")) +
        QStringLiteral(" - ") + dayText;
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char(' ');
    }
    return name.simplified().left(120) + QStringLiteral(".html");
}

namespace {

// Copies older than a day are gone; the mail programs have long read them.
void removeOldAttachments(const QString& folder) {
    const QDateTime dayAgo = now().addDays(-1);
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : files) {
        if (file.lastModified() < dayAgo)
            QFile::remove(file.absoluteFilePath());
    }
}

} // namespace

bool DayPageSend::mSend(DayPageAssembly& page, const DayPageView& view, const QString& locationName,
                        qint16 kind, QString* sentSubject) {
    ProcScope scope("fThisDay.mSend");
    bool result = false;
    scope.run([&] {
        const QString subjectText =
            subject(kind, page.pDate(), view.dayListText(view.dayListIndex()));
        if (sentSubject)
            *sentSubject = subjectText;
        // A blank page has no name, and the bare temporary folder is no file.
        if (locationName.isEmpty())
            return;
        const QString pageFile = page.TempPath() + locationName;
        QByteArray text;
        if (!mVBFileDisk::fileExists(pageFile) ||
            !RealDiskInterface::instance().readFile(pageFile, &text))
            return;
        const QString folder = attachmentFolder();
        if (!QDir().mkpath(folder))
            throw Failure::pathNotFound(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        removeOldAttachments(folder);
        const QString attachment =
            folder + attachmentName(kind, page.pDate(), view.dayListText(view.dayListIndex()));
        RealDiskInterface::instance().writeOrThrow(attachment, text);
        cMMAPIEmail mail;
        mail.setPSubjectText(subjectText);
        mail.setPBodyText(QStringLiteral(" "));
        mail.setPAttachFile(attachment);
        result = mail.mSend();
    });
    return result;
}
