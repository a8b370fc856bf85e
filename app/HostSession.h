// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "app/DataCoverage.h"

#include <QDate>
#include <QString>
#include <cstdio>

class HeadlessUserInterface;

// The process as a host of the component: the shared state set up as the facade sets it up
// (error handler, temporary-file list, a user interface without windows that writes every
// message to standard error), the INI file, the language and the validated edition. Whatever
// the error handler or a message reports counts as a failure of the command. The destructor
// does the component's final clean-up.
class HostSession {
public:
    explicit HostSession(FILE* messages = stderr);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    // The INI file of the default data set: "liturgy.ini" in the application's data folder, or,
    // for an edition that has one there, that edition's own "liturgy-CODE.ini".
    static QString defaultIniFile(qint32 edition = 0);
    // Selects the language of `edition`, or of the INI file's "Language" (the default data
    // set's when `iniFile` is empty), before anything is said.
    static void chooseLanguage(const QString& iniFile, qint32 edition);
    // The same from a command line's --ini and --edition, wherever they stand.
    static void chooseLanguage(const QStringList& arguments);

    // Takes `iniFile` (the default data set's when empty) and the host's edition code: reads
    // the language and validates the edition as the facade does. False with `error` set when
    // the INI file does not exist, the code is no edition of the component, or the default
    // data set has no database of the edition that the user named (`editionGiven`).
    bool open(const QString& iniFile, qint32 edition, QString* error, bool editionGiven = true);

    // Whether the liturgy database in use reaches a day from `from` to `to`. False with `error`
    // set, naming `asked` and the dates the data covers, when it does not or cannot be read.
    // Every command asks this before it shows a date.
    bool covers(const QDate& from, const QDate& to, const QString& asked, QString* error) const;
    // The dates the liturgy database covers ("1990-01-01 to 2060-12-31"), or why not known.
    QString span() const;
    // What covers() says of `asked` that the data does not reach, for a range inside the span
    // that holds no days all the same.
    QString outsideData(const QString& asked) const;

    QString iniFile() const { return m_iniFile; }
    // The host's connection string of a database server; empty for the INI's data files. The
    // dates the data covers are then the server's.
    void setServer(const QString& connectionString);
    QString server() const { return m_server; }
    // The SQL mode the fills and pages run in: server mode (-1) with a server, else Access (0).
    qint16 sqlMode() const { return m_server.isEmpty() ? 0 : -1; }
    qint32 edition() const { return m_edition; }
    QString editionName() const;
    // Whether a failure has been reported since the session began.
    bool failed() const;

private:
    // Reads the dates the data covers on first need, so that a command that shows no date
    // (the plan's) never reads the calendar.
    void readCoverage() const;

    HeadlessUserInterface* m_ui = nullptr;
    QString m_iniFile;
    QString m_server;
    qint32 m_edition = 0;
    mutable bool m_coverageRead = false;
    mutable DataCoverage m_coverage;
    mutable QString m_coverageError; // empty when the coverage was read
};
