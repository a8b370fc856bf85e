// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "ical/FeedReader.h"

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QDateTime>
#include <QHttpServerRequest>
#include <QString>
#include <QUrlQuery>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

class HostSession;

// The web feeds of the church year and the service plan, read-only over HTTP:
//   GET /days.ics, /services.ics, /calendar.ics (both) with edition, from and to parameters.
// Every answer is made from the databases as they are at the request; its entity tag comes
// from the data, so a calendar program that asks again with If-None-Match gets 304 until
// something changed. A database that fails gets 503 for that request and the server goes on.
// One line per request goes to the log; the reason of a failure goes to standard error, never
// to the client.
class FeedServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    // What a request is answered with.
    struct Reply {
        int status = 200;
        QByteArray contentType;
        QByteArray body;
        QByteArray etag; // with its quotes; empty for none
    };

    // Serves the data of `iniFile` (the default data set's when empty) or of the database server
    // `server`; a request without an edition gets `edition` (`editionGiven` as on the command
    // line). The request lines go to `log`, the reasons of failures to `err`; `now` gives the
    // time of each request.
    FeedServer(HostSession& session, QString iniFile, QString server, qint32 edition,
               bool editionGiven, FILE* log, FILE* err, std::function<QDateTime()> now);
    ~FeedServer() override;

    // The answer to a request, without the network.
    Reply answer(QHttpServerRequest::Method method, const QString& path, const QUrlQuery& query,
                 const QByteArray& ifNoneMatch);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    FeedReader& readerFor(const QString& iniFile);

    HostSession& m_session;
    QString m_iniFile;
    QString m_server;
    qint32 m_edition;
    bool m_editionGiven;
    FILE* m_log;
    FILE* m_err;
    std::function<QDateTime()> m_now;
    // One reader, with its open connections, per INI file that an edition selects.
    std::map<QString, std::unique_ptr<FeedReader>> m_readers;
};
