#pragma once

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

    // The INI file of the default data set: "liturgy.ini" in the application's data folder.
    static QString defaultIniFile();

    // Takes `iniFile` (the default data set's when empty) and the host's edition code: reads
    // the language and validates the edition as the facade does. False with `error` set when
    // the INI file does not exist.
    bool open(const QString& iniFile, qint32 edition, QString* error);

    QString iniFile() const { return m_iniFile; }
    // The host's connection string of a database server; empty for the INI's data files.
    void setServer(const QString& connectionString) { m_server = connectionString; }
    QString server() const { return m_server; }
    // The SQL mode the fills and pages run in: server mode (-1) with a server, else Access (0).
    qint16 sqlMode() const { return m_server.isEmpty() ? 0 : -1; }
    qint32 edition() const { return m_edition; }
    QString editionName() const;
    // Whether a failure has been reported since the session began.
    bool failed() const;

private:
    HeadlessUserInterface* m_ui = nullptr;
    QString m_iniFile;
    QString m_server;
    qint32 m_edition = 0;
};
