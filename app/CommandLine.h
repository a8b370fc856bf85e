#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// What the command line asks for: one command and its options.
struct CommandRequest {
    enum class Command { Version, Month, Week, Edition };
    Command command = Command::Version;
    QDate month;     // the first of the month of "month" and "week"
    QString iniFile; // empty: the default data set
    qint32 edition = 1;
    bool json = false;
};

// Reads the arguments of liturgy-calendar (without the program name).
class CommandLine {
public:
    // False with `error` set when the arguments are not a valid command.
    static bool parse(const QStringList& arguments, CommandRequest* request, QString* error);
    // The usage text, one command a line.
    static QString usage();

private:
    static bool parseMonth(const QString& text, QDate* month);
};
