// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdio>
#include <utility>

// What the command line asks for: one command and its options.
// The value that a table of names gives `name`; false when the name is not in it.
template <class T, std::size_t N>
bool lookupName(const std::pair<const char*, T> (&table)[N], const QString& name, T* value) {
    for (const auto& [text, entry] : table) {
        if (name == QLatin1String(text)) {
            *value = entry;
            return true;
        }
    }
    return false;
}

struct CommandRequest {
    enum class Command { Version, Month, Week, Edition, Help };
    Command command = Command::Version;
    QDate month;     // the first of the month of "month" and "week"
    QString iniFile; // empty: the default data set
    qint32 edition = 1;
    bool editionGiven = false; // --edition was on the command line
    bool json = false;
    QString server; // a database server's connection string: server mode; empty: the files
};

// Reads the arguments of liturgy-calendar (without the program name).
class CommandLine {
public:
    // False with `error` set when the arguments are not a valid command.
    static bool parse(const QStringList& arguments, CommandRequest* request, QString* error);
    // The usage text, one command a line.
    static QString usage();
    // A month "YYYY-MM" (its first day) or a date "YYYY-MM-DD"; false when the text is not one
    // or lies before the year 100, where date values start.
    static bool parseMonth(const QString& text, QDate* month);
    // An argument "--name=value" as its name, with `value` and `hasValue` set; any other
    // argument as it stands.
    static QString splitOption(const QString& argument, QString* value, bool* hasValue);
    static bool parseDate(const QString& text, QDate* date);
    // The value of the option at `*i` (`option`, split by splitOption): the text after '=' when
    // `hasValue`, else the next argument, which `*i` then moves to. False with `error` set when
    // there is none or it is empty.
    static bool takeValue(const QStringList& arguments, qsizetype* i, const QString& option,
                          bool hasValue, QString* value, QString* error);
    // An edition code; false with `error` set when `text` is not a number.
    static bool parseEdition(const QString& text, qint32* edition, QString* error);
    // The arguments with the command word first: options given before the command ("--ini
    // FILE day 2024-03-10") follow it, in their order, as if written after it. Arguments
    // without a command word (the window's options) stay as they are.
    static QStringList commandFirst(const QStringList& arguments);
    // The INI file and edition code that `arguments` give, wherever they stand, so that the
    // command's messages speak the edition's language from the first one on; each stays as
    // it was when not given or not readable.
    static void languageOptions(const QStringList& arguments, QString* iniFile, qint32* edition);
    // Writes a command line's mistake and the command's usage to `err`; the exit code 2.
    static int usageError(FILE* err, const QString& error, const QString& usage);
    // "usage: " and a command's usage, in the user's language.
    static QString usageLine(const QString& usage);
};
