// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <memory>

class fThisDay;

// The host window's export and sending: a day page or the month calendar to the word
// processor, and a day page by e-mail. The window owns one and says what each acts on.
class HostExport {
public:
    // What the month export needs of the window.
    struct Month {
        QDate date; // a day of the month to export
        QString iniFile;
        qint32 version = 0;
        bool sqlMode = false;
        QString connectionString;
    };

    HostExport();
    ~HostExport();

    // With `dayPage` set, `page` copied and pasted into a new document (false; nothing without
    // a page); otherwise the month through the month export (true).
    bool openInMSWord(bool dayPage, fThisDay* page, const Month& month);
    // A new document of the running word processor, started when none runs; null, after the
    // message 1007, when there is none to start.
    QObject* getMSWordAppDoc();
    // Sends `page` as the page of `kind`; `command` goes to the page as its text. False
    // without a page.
    bool doSend(fThisDay* page, const QString& command, qint16 kind);

private:
    std::unique_ptr<QObject> m_word;
};
