#include "dav_client.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>

namespace {

constexpr int kStopPollMs = 50;
constexpr int kRedirectHops = 5;
constexpr int kListingTimeoutFactor = 4;
constexpr qint64 kReadAhead = 1024 * 1024;

// Where a redirect may lead: the same server over HTTPS, or the same loopback server as it
// stands (a test server's /.well-known/caldav).
bool redirectAllowed(const QUrl &from, const QUrl &to)
{
    if (to.host().compare(from.host(), Qt::CaseInsensitive) != 0)
        return false;
    if (to.scheme() == QLatin1String("https"))
        return true;
    return DavClient::isLoopback(from) && to.scheme() == from.scheme() && to.port() == from.port();
}

// Errors of the connection itself, as against an HTTP status the server sent.
bool isTransportError(QNetworkReply::NetworkError error)
{
    return error != QNetworkReply::NoError && int(error) < int(QNetworkReply::ContentAccessDenied);
}

} // namespace

struct DavClient::InFlight
{
    QNetworkReply *reply = nullptr;
    QUrl url;
    QByteArray body;
    DavReply::Failure ownFailure = DavReply::Failure::None;
    QByteArray fingerprint;
    QByteArray location; // a redirect's Location
    bool finished = false;
    std::function<void(QByteArrayView)> onData;
    qint64 received = 0;

    // Only a success's body is streamed: a redirect's or an error's is kept, as it stands.
    void take(const QNetworkReply &reply, const QByteArray &bytes)
    {
        received += bytes.size();
        const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (onData && status >= 200 && status < 300)
            onData(bytes);
        else
            body += bytes;
    }
};

DavClient::DavClient(Settings settings)
    : m_settings(std::move(settings)), m_network(new QNetworkAccessManager)
{
    m_network->setAutoDeleteReplies(false);
}

DavClient::~DavClient()
{
    delete m_network;
}

bool DavClient::isLoopback(const QUrl &url)
{
    const QString host = url.host();
    if (host == QLatin1String("localhost"))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QByteArray DavClient::fingerprintOf(const QByteArray &certificateDer)
{
    return QCryptographicHash::hash(certificateDer, QCryptographicHash::Sha256).toHex();
}

QString DavClient::displayedFingerprint(const QByteArray &fingerprint)
{
    QStringList pairs;
    for (qsizetype i = 0; i + 1 < fingerprint.size(); i += 2)
        pairs.append(QString::fromLatin1(fingerprint.mid(i, 2)).toUpper());
    return pairs.join(u':');
}

QNetworkReply *DavClient::start(const DavRequest &request, InFlight *flight)
{
    QNetworkRequest http(request.url);
    http.setRawHeader("Accept-Encoding", "identity");
    http.setRawHeader("User-Agent", "Orvanta");
    if (!m_settings.user.isEmpty()) {
        const QByteArray pair = (m_settings.user + u':' + m_settings.password).toUtf8();
        http.setRawHeader("Authorization", "Basic " + pair.toBase64());
    }
    if (request.depth >= 0)
        http.setRawHeader("Depth", QByteArray::number(request.depth));
    if (!request.contentType.isEmpty())
        http.setHeader(QNetworkRequest::ContentTypeHeader, request.contentType);
    for (const auto &[name, value] : request.headers)
        http.setRawHeader(name, value);
    // A server may work long on a whole calendar's listing before its first byte.
    const bool listing = request.method == "REPORT" || request.method == "PROPFIND";
    http.setTransferTimeout(listing ? m_settings.timeoutMs * kListingTimeoutFactor
                                    : m_settings.timeoutMs);
    // Redirects are followed here, not by Qt, which would make a PROPFIND a GET.
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                      QNetworkRequest::ManualRedirectPolicy);
    http.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                      QNetworkRequest::AlwaysNetwork);
    http.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);

    flight->url = request.url;
    QNetworkReply *reply = m_network->sendCustomRequest(http, request.method, request.body);
    // Qt's network thread reads no further ahead than this: a fast server's long answer waits
    // in the socket, not in memory, until it is taken.
    reply->setReadBufferSize(kReadAhead);
    flight->reply = reply;
    ++m_requests;
    const qint64 limit = m_settings.answerLimit;
    flight->onData = request.onData;
    // An answer that says at once it is too long is refused before any of it is read.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, flight, limit] {
        bool known = false;
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length > limit && flight->ownFailure == DavReply::Failure::None) {
            flight->ownFailure = DavReply::Failure::TooLarge;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, flight, limit] {
        if (flight->ownFailure != DavReply::Failure::None)
            return;
        if (flight->received + reply->bytesAvailable() > limit) {
            flight->ownFailure = DavReply::Failure::TooLarge;
            reply->abort();
            return;
        }
        flight->take(*reply, reply->readAll());
    });
    const QByteArray pinned = m_settings.pinnedCertificate;
    QObject::connect(reply, &QNetworkReply::sslErrors, reply,
                     [reply, flight, pinned](const QList<QSslError> &errors) {
                         QSslCertificate certificate = reply->sslConfiguration().peerCertificate();
                         if (certificate.isNull() && !errors.isEmpty())
                             certificate = errors.first().certificate();
                         const QByteArray fingerprint = fingerprintOf(certificate.toDer());
                         if (!pinned.isEmpty() && fingerprint == pinned) {
                             reply->ignoreSslErrors();
                             return;
                         }
                         flight->fingerprint = fingerprint;
                         flight->ownFailure = DavReply::Failure::Untrusted;
                     });
    QObject::connect(reply, &QNetworkReply::finished, reply, [flight] { flight->finished = true; });
    return reply;
}

DavReply DavClient::finish(InFlight *flight)
{
    QNetworkReply *reply = flight->reply;
    DavReply result;
    if (reply->isOpen()) {
        if (flight->ownFailure == DavReply::Failure::None &&
            flight->received + reply->bytesAvailable() > m_settings.answerLimit)
            flight->ownFailure = DavReply::Failure::TooLarge;
        else
            flight->take(*reply, reply->readAll());
    }
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.etag = reply->rawHeader("ETag");
    flight->location = reply->rawHeader("Location");
    result.fingerprint = flight->fingerprint;
    const QString where = flight->url.adjusted(QUrl::RemoveUserInfo).toString();
    switch (flight->ownFailure) {
    case DavReply::Failure::TooLarge:
        result.failure = DavReply::Failure::TooLarge;
        result.error = tr("The answer of %1 was larger than %2 MB.")
                           .arg(where)
                           .arg(m_settings.answerLimit / (1024 * 1024));
        break;
    case DavReply::Failure::Untrusted:
        result.failure = DavReply::Failure::Untrusted;
        result.error = tr("The certificate of %1 cannot be verified. Its SHA-256 fingerprint is "
                          "%2.")
                           .arg(flight->url.host(), displayedFingerprint(flight->fingerprint));
        break;
    case DavReply::Failure::Stopped:
        result.failure = DavReply::Failure::Stopped;
        result.error = tr("The sync was stopped.");
        break;
    default:
        if (reply->error() == QNetworkReply::OperationCanceledError ||
            reply->error() == QNetworkReply::TimeoutError) {
            result.failure = DavReply::Failure::Timeout;
            result.error = tr("%1 did not answer in time.").arg(where);
        } else if (isTransportError(reply->error()) || result.status == 0) {
            result.failure = DavReply::Failure::Network;
            result.error = tr("%1 cannot be reached: %2").arg(where, reply->errorString());
        }
        break;
    }
    if (result.failure == DavReply::Failure::None) {
        // Qt can report an answer cut off mid-way as complete: its length is checked here, and
        // an encoding that was not asked for (gzip) is refused, since its end cannot be.
        const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
        bool lengthOk = true;
        const qint64 length = reply->rawHeader("Content-Length").trimmed().toLongLong(&lengthOk);
        if (!encoding.isEmpty() && encoding != "identity") {
            result.failure = DavReply::Failure::Network;
            result.error = tr("%1 answered in an encoding Orvanta did not ask for (%2).")
                               .arg(where, QString::fromLatin1(encoding));
        } else if (reply->hasRawHeader("Content-Length") &&
                   (!lengthOk || length != flight->received)) {
            result.failure = DavReply::Failure::Network;
            result.error = tr("The answer of %1 was cut off.").arg(where);
        }
    }
    if (result.failure != DavReply::Failure::None)
        result.status = 0;
    else
        result.body = std::move(flight->body);
    reply->deleteLater();
    return result;
}

DavReply DavClient::send(const DavRequest &request)
{
    DavReply result;
    result.failure = DavReply::Failure::Stopped; // unless an answer comes
    result.error = tr("The sync was stopped.");
    sendAll({request}, [&result](qsizetype, const DavReply &reply) {
        result = reply;
        return true;
    });
    return result;
}

// Where an answer sends the request on to, where it is a redirect; empty otherwise.
static QUrl redirectTarget(const QUrl &from, const DavReply &reply, const QByteArray &location)
{
    static const QList<int> redirects = {301, 302, 303, 307, 308};
    if (!reply.answered() || !redirects.contains(reply.status) || location.isEmpty())
        return {};
    return from.resolved(QUrl::fromEncoded(location));
}

void DavClient::sendAll(const QList<DavRequest> &requests,
                        const std::function<bool(qsizetype, const DavReply &)> &done)
{
    std::vector<std::unique_ptr<InFlight>> flights(std::size_t(requests.size()));
    QEventLoop loop;
    qsizetype next = 0, running = 0;
    bool stopping = false;
    const auto stopRequested = [this] {
        return m_settings.stop && m_settings.stop->load();
    };
    std::function<void(QNetworkReply *, qsizetype, DavRequest, int)> connectFinished;
    std::function<void()> fill;
    connectFinished = [&](QNetworkReply *reply, qsizetype index, DavRequest request, int hops) {
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&, index, request, hops] {
            InFlight *flight = flights[std::size_t(index)].get();
            DavReply answer = finish(flight);
            const QUrl to = redirectTarget(request.url, answer, flight->location);
            if (!to.isEmpty()) {
                if (hops < kRedirectHops && redirectAllowed(request.url, to) && !stopping) {
                    DavRequest again = request;
                    again.url = to;
                    auto &next = flights[std::size_t(index)];
                    next = std::make_unique<InFlight>();
                    connectFinished(start(again, next.get()), index, again, hops + 1);
                    return;
                }
                answer = {};
                answer.failure = DavReply::Failure::RedirectRefused;
                answer.error = tr("%1 sent Orvanta to another server, or away from HTTPS; it "
                                  "did not follow.")
                                   .arg(request.url.adjusted(QUrl::RemoveUserInfo).toString());
            }
            --running;
            if (!done(index, answer))
                stopping = true;
            fill();
            if (running == 0)
                loop.quit();
        }, Qt::QueuedConnection);
    };
    fill = [&] {
        if (stopRequested())
            stopping = true;
        while (!stopping && next < requests.size() && running < m_settings.connections) {
            const qsizetype index = next++;
            auto &flight = flights[std::size_t(index)];
            flight = std::make_unique<InFlight>();
            QNetworkReply *reply = start(requests[index], flight.get());
            ++running;
            connectFinished(reply, index, requests[index], 0);
        }
    };
    fill();
    if (running == 0)
        return;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!stopRequested())
            return;
        stopping = true;
        for (const auto &flight : flights) {
            if (flight && !flight->finished) {
                flight->ownFailure = DavReply::Failure::Stopped;
                flight->reply->abort();
            }
        }
    });
    if (m_settings.stop)
        poll.start(kStopPollMs);
    loop.exec();
}
