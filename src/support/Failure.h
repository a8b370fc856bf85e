// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <exception>

// A run-time failure as the component reports it: a number and a description in the manner
// of the classic run-time errors, so that messages and reports read as users know them.
// Procedures throw it inside their body; the ProcScope boundary catches it and hands it to
// the error handler. It never crosses a procedure boundary.
class Failure : public std::exception {
public:
    Failure(qint32 number, QString description, qint32 line = 0);

    qint32 number() const { return m_number; }
    const QString& description() const { return m_description; }
    qint32 line() const { return m_line; }
    const char* what() const noexcept override { return m_what.constData(); }

    // The common run-time errors, with their classic numbers and texts.
    static Failure invalidCall(const QString& detail = {});         // 5
    static Failure overflow(const QString& detail = {});            // 6
    static Failure subscriptOutOfRange(const QString& detail = {}); // 9
    static Failure typeMismatch(const QString& detail = {});        // 13
    static Failure fileNotFound(const QString& path);               // 53
    static Failure pathFileAccess(const QString& path);             // 75
    static Failure pathNotFound(const QString& path);               // 76
    static Failure objectNotSet(const QString& detail = {});        // 91
    static Failure invalidUseOfNull(const QString& detail = {});    // 94
    static Failure cannotCreateObject(const QString& progId);       // 429
    // 429 for a program of the desktop that is not there; `advice` says what to install.
    static Failure programMissing(const QString& advice);
    static Failure memberNotSupported(const QString& member); // 438
    static Failure internal(const QString& detail);           // 51

private:
    qint32 m_number;
    QString m_description;
    qint32 m_line;
    QByteArray m_what;
};
