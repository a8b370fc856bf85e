// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

class DayPageAssembly;
class DayPageView;

// Sending the page file of a day page by e-mail, for the day page window and the command line
// alike: the subject names the kind, the date and the day picked in the day list.
class DayPageSend {
public:
    // "Readings ", "Prayers " or "Ordo " for `kind`, then the short date of `date` (a date
    // value), " - " and `dayText`; empty for any other kind.
    static QString subject(qint16 kind, double date, const QString& dayText);

    // The per-user folder of the copies that mails attach, with a trailing '/'.
    static QString attachmentFolder();
    // The name of the attached copy: the kind, the date as "24 Dec 2026", " - ", `dayText` and
    // ".html", without characters that file names and mail programs refuse.
    static QString attachmentName(qint16 kind, double date, const QString& dayText);
    // The message's text: the subject and how to read the attached page.
    static QString body(const QString& subjectText);

    // Sends the file `locationName` of the temporary folder, the page shown, with the subject
    // of `kind` and body(); nothing is sent and the result is false when that
    // file does not exist. The mail program may read the attachment long after the component
    // ended, so a copy named for its content is attached from attachmentFolder, where copies
    // are kept a day and removed at a later send. `sentSubject`, when given, receives the
    // subject.
    // When the desktop has no mail program, the user is told so and offered the page as a
    // file in the export folder; the result is then false whatever the answer.
    static bool mSend(DayPageAssembly& page, const DayPageView& view, const QString& locationName,
                      qint16 kind, QString* sentSubject = nullptr);

    // The question asked when no mail program is set up, and the note on the saved file.
    static QString noMailProgramText();
    static QString savedText(const QString& file);
};
