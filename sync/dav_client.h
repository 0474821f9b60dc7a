#pragma once

#include <atomic>
#include <functional>
#include <QByteArrayView>
#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QUrl>
#include <utility>

class QNetworkAccessManager;
class QNetworkReply;

// One WebDAV request, as sync makes them.
struct DavRequest
{
    QByteArray method; // GET, PUT, DELETE, PROPFIND, REPORT, MKCALENDAR
    QUrl url;
    QByteArray body;
    QByteArray contentType;
    int depth = -1; // the Depth header, where it is 0 or more
    QList<std::pair<QByteArray, QByteArray>> headers;
    // Where set, the answer's body is handed here piece by piece as it comes, and not kept:
    // a long answer is read in the space of one piece.
    std::function<void(QByteArrayView)> onData = {};
};

struct DavReply
{
    enum class Failure {
        None,            // the server answered: see status
        Network,         // no answer: refused, cut off, unknown host...
        Timeout,         // nothing came for too long
        TooLarge,        // the answer grew past the limit
        Untrusted,       // a certificate that does not verify, and is not the pinned one
        RedirectRefused, // sent elsewhere than the same server over HTTPS
        Stopped,         // the caller stopped the sync
    };
    Failure failure = Failure::None;
    int status = 0; // the HTTP status where the server answered
    QByteArray body;
    QByteArray etag;        // the ETag header, as given
    QString error;          // what went wrong, for a person, where something did
    QByteArray fingerprint; // Untrusted: the certificate's SHA-256, hex in lower case

    bool answered() const { return failure == Failure::None; }
    bool ok() const { return answered() && status >= 200 && status < 300; }
};

// The HTTP side of sync, on one thread: requests with the user's credentials sent at once
// (never in answer to a 401, so a wrong password makes one request, not a loop), answers
// asked for as they stand (Accept-Encoding: identity, since Qt reports a gzip answer cut off
// mid-way as a success), read as they come and capped, a time limit on every request, and
// redirects followed only to the same server over HTTPS.
class DavClient
{
    Q_DECLARE_TR_FUNCTIONS(DavClient)

public:
    struct Settings
    {
        QString user;
        QString password;
        QByteArray pinnedCertificate; // SHA-256, hex in lower case: trusted though unverified
        int timeoutMs = 30000;        // the longest wait for the next byte of an answer
        qint64 answerLimit = 64 * 1024 * 1024;
        int connections = 4;                  // requests in flight at once in sendAll
        const std::atomic<bool> *stop = nullptr; // set from another thread: stop at once
    };

    explicit DavClient(Settings settings);
    ~DavClient();
    DavClient(const DavClient &) = delete;
    DavClient &operator=(const DavClient &) = delete;

    // Sends `request` and waits for its answer, running this thread's events meanwhile.
    DavReply send(const DavRequest &request);
    // Sends every request, a few at once, and calls `done` with each answer as it comes (on
    // this thread, in any order). Stops sending new ones once `done` returns false.
    void sendAll(const QList<DavRequest> &requests,
                 const std::function<bool(qsizetype index, const DavReply &reply)> &done);

    // How many requests were sent so far.
    int requestsMade() const { return m_requests; }

    // Whether `url` names this computer, where plain HTTP reads nothing on the way.
    static bool isLoopback(const QUrl &url);

    // The SHA-256 fingerprint of a certificate as sync shows and pins it.
    static QByteArray fingerprintOf(const QByteArray &certificateDer);
    // The same fingerprint for a person to compare: "AB:CD:...".
    static QString displayedFingerprint(const QByteArray &fingerprint);

private:
    struct InFlight;
    QNetworkReply *start(const DavRequest &request, InFlight *flight);
    DavReply finish(InFlight *flight);

    Settings m_settings;
    QNetworkAccessManager *m_network;
    int m_requests = 0;
};
