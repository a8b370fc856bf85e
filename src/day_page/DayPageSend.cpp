#include "day_page/DayPageSend.h"

#include "day_page/DayPageAssembly.h"
#include "day_page/DayPageView.h"
#include "mail/cMMAPIEmail.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"
#include "support/SystemFormats.h"
#include "support/mVBFileDisk.h"

QString DayPageSend::subject(qint16 kind, double date, const QString& dayText) {
    QString head;
    switch (kind) {
    case DayPageAssembly::kReadings:
        head = QStringLiteral("Readings ");
        break;
    case DayPageAssembly::kPrayers:
        head = QStringLiteral("Prayers ");
        break;
    case DayPageAssembly::kOrdo:
        head = QStringLiteral("Ordo ");
        break;
    default:
        return {};
    }
    return head + SystemFormats::shortDate(OleDate::toDate(date)) + QStringLiteral(" - ") + dayText;
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
        const QString attachment = page.TempPath() + locationName;
        if (!mVBFileDisk::fileExists(attachment))
            return;
        cMMAPIEmail mail;
        mail.setPSubjectText(subjectText);
        mail.setPBodyText(QStringLiteral(" "));
        mail.setPAttachFile(attachment);
        result = mail.mSend();
    });
    return result;
}
