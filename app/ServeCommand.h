// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>
#include <cstdio>

// "serve": the web feeds of FeedServer on one address until Ctrl+C (or a termination signal)
// ends it cleanly. It listens on 127.0.0.1:8080 unless told otherwise, so that serving beyond
// the machine is a choice made behind a reverse proxy.
class ServeCommand {
public:
    struct Request {
        QHostAddress address = QHostAddress(QHostAddress::LocalHost);
        quint16 port = 8080;
        QString iniFile;
        qint32 edition = 1;
        bool editionGiven = false;
        QString server;
    };

    static bool handles(const QStringList& arguments);
    static QString usage();
    // Reads the arguments after "serve"; false with `error` set when they are not valid.
    static bool parse(const QStringList& arguments, Request* request, QString* error);
    // "ADDRESS:PORT" ("[::1]:8080" for IPv6); false when it is not one.
    static bool parseListen(const QString& text, QHostAddress* address, quint16* port);
    // The whole command; needs the application object. Returns the exit code.
    static int main(const QStringList& arguments, FILE* out, FILE* err);
};
