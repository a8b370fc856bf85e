// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/FeedServer.h"

#include "app/HostSession.h"
#include "app/IcsCommand.h"
#include "ical/IcsExport.h"
#include "support/Failure.h"

#include <QCryptographicHash>
#include <QHttpServerResponder>
#include <QTcpSocket>

namespace {

using Method = QHttpServerRequest::Method;
using Status = QHttpServerResponder::StatusCode;

FeedServer::Reply text(int status, const QString& sentence) {
    return {status, QByteArrayLiteral("text/plain; charset=utf-8"), sentence.toUtf8() + '\n', {}};
}

QByteArray methodName(Method method) {
    switch (method) {
    case Method::Get:
        return "GET";
    case Method::Put:
        return "PUT";
    case Method::Delete:
        return "DELETE";
    case Method::Post:
        return "POST";
    case Method::Head:
        return "HEAD";
    case Method::Options:
        return "OPTIONS";
    case Method::Patch:
        return "PATCH";
    case Method::Connect:
        return "CONNECT";
    case Method::Trace:
        return "TRACE";
    default:
        break;
    }
    return "-";
}

// Whether an If-None-Match header names `etag` (or any tag).
bool matches(const QByteArray& ifNoneMatch, const QByteArray& etag) {
    for (const QByteArray& tag : ifNoneMatch.split(',')) {
        const QByteArray t = tag.trimmed();
        if (t == "*" || t == etag || t == "W/" + etag)
            return true;
    }
    return false;
}

} // namespace

FeedServer::FeedServer(HostSession& session, QString iniFile, QString server, qint32 edition,
                       bool editionGiven, FILE* log, FILE* err, std::function<QDateTime()> now)
    : m_session(session), m_iniFile(std::move(iniFile)), m_server(std::move(server)),
      m_edition(edition), m_editionGiven(editionGiven), m_log(log), m_err(err),
      m_now(std::move(now)) {}

FeedServer::~FeedServer() = default;

FeedReader& FeedServer::readerFor(const QString& iniFile) {
    std::unique_ptr<FeedReader>& reader = m_readers[iniFile];
    if (!reader)
        reader = std::make_unique<FeedReader>(iniFile, m_server);
    return *reader;
}

FeedServer::Reply FeedServer::answer(Method method, const QString& path, const QUrlQuery& query,
                                     const QByteArray& ifNoneMatch) {
    if (method != Method::Get)
        return text(405, QStringLiteral("The calendar feeds are read-only: only GET is allowed."));
    const bool days = path == QLatin1String("/days.ics") || path == QLatin1String("/calendar.ics");
    const bool services =
        path == QLatin1String("/services.ics") || path == QLatin1String("/calendar.ics");
    if (!days && !services)
        return text(404, QStringLiteral("There is no feed at %1; the feeds are /days.ics, "
                                        "/services.ics and /calendar.ics.")
                             .arg(path));

    qint32 edition = m_edition;
    bool editionGiven = m_editionGiven;
    if (query.hasQueryItem(QStringLiteral("edition"))) {
        const QString value = query.queryItemValue(QStringLiteral("edition"));
        bool ok = false;
        edition = value.toInt(&ok);
        editionGiven = true;
        if (!ok)
            return text(400, QStringLiteral("The edition code '%1' is not a number.").arg(value));
    }
    const QDateTime now = m_now();
    QDate first;
    QDate last;
    QString error;
    if (!IcsCommand::range(query.queryItemValue(QStringLiteral("from")),
                           query.queryItemValue(QStringLiteral("to")), now.date(), &first, &last,
                           &error))
        return text(400, QStringLiteral("The dates are not valid: %1.").arg(error));
    if (!m_session.open(m_iniFile, edition, &error, editionGiven))
        return text(400, error + QLatin1Char('.'));

    const IcsWriter::Options options = IcsExport::options(m_session.edition(), days, services, now);
    CalendarFeed feed;
    try {
        feed = readerFor(m_session.iniFile()).read(first, last, options.days, options.services);
    } catch (const Failure& failure) {
        // The reason is for the parish's log, not for the world.
        std::fprintf(m_err, "liturgy-calendar: the calendar cannot be read: %s\n",
                     qPrintable(failure.description()));
        std::fflush(m_err);
        return text(503, QStringLiteral("The calendar cannot be read at the moment; please try "
                                        "again later."));
    }

    // The tag covers the data and everything else that shapes the text but the time it is made.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(feed.digest());
    hash.addData(QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(options.edition)
                     .arg(options.editionName)
                     .arg(int(options.norwegian))
                     .arg(int(options.days))
                     .arg(int(options.services))
                     .arg(QString::fromLatin1(options.timeZone))
                     .toUtf8());
    const QByteArray etag = '"' + hash.result().toHex().left(32) + '"';
    if (matches(ifNoneMatch, etag))
        return {304, {}, {}, etag};
    return {200, QByteArrayLiteral("text/calendar; charset=utf-8"), IcsWriter::write(feed, options),
            etag};
}

bool FeedServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const Reply reply = answer(request.method(), request.url().path(), request.query(),
                               request.value(QByteArrayLiteral("If-None-Match")));
    QHttpServerResponder responder = makeResponder(request, socket);
    const Status status = Status(reply.status);
    if (reply.status == 304)
        responder.write({{"ETag", reply.etag}}, status);
    else if (reply.status == 405)
        responder.write(reply.body, {{"Content-Type", reply.contentType}, {"Allow", "GET"}},
                        status);
    else if (!reply.etag.isEmpty())
        responder.write(reply.body,
                        {{"Content-Type", reply.contentType},
                         {"ETag", reply.etag},
                         {"Cache-Control", "no-cache"}},
                        status);
    else
        responder.write(reply.body, {{"Content-Type", reply.contentType}}, status);

    std::fprintf(
        m_log, "%s %s \"%s %s\" %d %lld\n", qPrintable(m_now().toUTC().toString(Qt::ISODate)),
        qPrintable(request.remoteAddress().toString()), methodName(request.method()).constData(),
        request.url()
            .toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::FullyEncoded)
            .toUtf8()
            .constData(),
        reply.status, qlonglong(reply.body.size()));
    std::fflush(m_log);
    return true;
}

void FeedServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    // Every request is handled above; this answers whatever the base class sends here.
    makeResponder(request, socket).write(Status::NotFound);
}
