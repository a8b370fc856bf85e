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
#include "support/UserInterface.h"
#include "support/cResolveFolders.h"
#include "support/mVBFileDisk.h"

#include <QCoreApplication>
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

QString DayPageSend::body(const QString& subjectText) {
    return subjectText + QStringLiteral("\n\nThe page is attached: open it in a web browser to "
                                        "read or print it.");
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

// Without a mail program the page cannot go from here: the user is told so and may keep the
// page in the export folder to attach by hand. The saved file's path, empty when not saved.
QString offerFile(const QString& attachment) {
    const UserInterface::Answer answer =
        ui().messageBox(UserInterface::Icon::Question, UserInterface::Buttons::YesNo, QString(),
                        DayPageSend::noMailProgramText());
    if (answer != UserInterface::Answer::Yes)
        return {};
    const QString file = mVBFileDisk::freeFileName(cResolveFolders().getExportPath(),
                                                   mVBFileDisk::fileNamePart(attachment));
    QByteArray text;
    if (!RealDiskInterface::instance().readFile(attachment, &text))
        throw Failure::fileNotFound(attachment);
    RealDiskInterface::instance().writeOrThrow(file, text);
    ui().messageBox(UserInterface::Icon::Information, UserInterface::Buttons::Ok, QString(),
                    DayPageSend::savedText(file));
    return file;
}

} // namespace

// In the language of the window the box stands in, as its buttons are.
QString DayPageSend::noMailProgramText() {
    return QCoreApplication::translate("DayPageSend",
                                       "No mail program is set up on this computer, so the page "
                                       "cannot be sent from here.") +
           QStringLiteral("\r\n") +
           QCoreApplication::translate("DayPageSend",
                                       "Save the page as a file to attach to a message by hand?");
}

QString DayPageSend::savedText(const QString& file) {
    return QCoreApplication::translate(
               "DayPageSend",
               "The page is saved as %1. Attach it to a message in your mail program.")
        .arg(QDir::toNativeSeparators(file));
}

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
        mail.setPBodyText(body(subjectText));
        mail.setPAttachFile(attachment);
        result = mail.mSend();
        if (!result && mail.noMailProgram())
            offerFile(attachment);
    });
    return result;
}
