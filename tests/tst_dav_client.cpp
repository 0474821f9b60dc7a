// The HTTP side of sync against a server made of canned answers: what is sent, and how each
// kind of answer a server or a network can give is taken.
#include "sync/calendar_discovery.h"
#include "sync/dav_client.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QTest>

namespace {

// One canned answer per request, in order; every request is kept.
class CannedServer : public QObject
{
public:
    struct Answer
    {
        QByteArray bytes;     // the whole answer as sent
        bool close = true;    // close the connection after it
        bool silent = false;  // send nothing at all
    };

    CannedServer()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                auto *buffer = new QByteArray;
                connect(socket, &QTcpSocket::disconnected, socket, [socket, buffer] {
                    delete buffer;
                    socket->deleteLater();
                });
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                    *buffer += socket->readAll();
                    const qsizetype end = buffer->indexOf("\r\n\r\n");
                    if (end < 0)
                        return;
                    const QByteArray head = buffer->first(end);
                    qsizetype length = 0;
                    for (const QByteArray &line : head.split('\n')) {
                        if (line.toLower().startsWith("content-length:"))
                            length = line.mid(15).trimmed().toLongLong();
                    }
                    if (buffer->size() < end + 4 + length)
                        return;
                    requests.append(buffer->first(end + 4 + length));
                    buffer->remove(0, end + 4 + length);
                    const Answer answer = answers.isEmpty() ? Answer{} : answers.takeFirst();
                    if (answer.silent)
                        return;
                    socket->write(answer.bytes);
                    if (answer.close)
                        socket->disconnectFromHost();
                });
            }
        });
    }

    QUrl url(const QString &path = QStringLiteral("/cal/")) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }

    static QByteArray answer(int status, const QByteArray &body,
                             const QByteArray &headers = {})
    {
        return "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" + body;
    }

    QList<Answer> answers;
    QList<QByteArray> requests;

private:
    QTcpServer m_server;
};

DavClient::Settings settings(int timeoutMs = 30000)
{
    DavClient::Settings settings;
    settings.user = QStringLiteral("alice");
    settings.password = QStringLiteral("sécret");
    settings.timeoutMs = timeoutMs;
    return settings;
}

} // namespace

class TestDavClient : public QObject
{
    Q_OBJECT

private slots:
    void requestCarriesWhatServersNeed()
    {
        CannedServer server;
        server.answers = {{CannedServer::answer(207, "<x/>", "ETag: \"e1\"\r\n")}};
        DavClient client(settings());
        DavRequest request{"REPORT", server.url(), "<body/>", "application/xml", 0,
                           {{"If-Match", "\"e0\""}}};
        const DavReply reply = client.send(request);
        QVERIFY(reply.answered());
        QCOMPARE(reply.status, 207);
        QCOMPARE(reply.body, QByteArray("<x/>"));
        QCOMPARE(reply.etag, QByteArray("\"e1\""));
        QCOMPARE(client.requestsMade(), 1);
        QCOMPARE(server.requests.size(), 1);
        const QByteArray sent = server.requests.first();
        QVERIFY(sent.startsWith("REPORT /cal/ HTTP/1.1\r\n"));
        QVERIFY(sent.contains("\r\nDepth: 0\r\n"));
        QVERIFY(sent.contains("\r\nIf-Match: \"e0\"\r\n"));
        // Credentials at once, never in answer to a 401; gzip never asked for.
        QVERIFY(sent.contains("\r\nAuthorization: Basic " +
                              QByteArray("alice:sécret").toBase64() + "\r\n"));
        QVERIFY(sent.contains("\r\nAccept-Encoding: identity\r\n"));
        QVERIFY(sent.endsWith("\r\n\r\n<body/>"));
    }

    void answersAsTheyAre_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("failure");
        QTest::addColumn<int>("status");
        using F = DavReply::Failure;
        QTest::newRow("created") << CannedServer::answer(201, {}) << int(F::None) << 201;
        QTest::newRow("precondition failed") << CannedServer::answer(412, "no") << int(F::None)
                                             << 412;
        QTest::newRow("unauthorised, once")
            << CannedServer::answer(401, {}, "WWW-Authenticate: Basic realm=\"x\"\r\n")
            << int(F::None) << 401;
        QTest::newRow("insufficient storage") << CannedServer::answer(507, {}) << int(F::None)
                                              << 507;
        QTest::newRow("server error") << CannedServer::answer(500, {}) << int(F::None) << 500;
        QTest::newRow("cut off mid-answer")
            << QByteArray("HTTP/1.1 207 X\r\nContent-Length: 100\r\n\r\n<multistatus>")
            << int(F::Network) << 0;
        QTest::newRow("gzip cut off mid-answer")
            << QByteArray("HTTP/1.1 207 X\r\nContent-Encoding: gzip\r\nContent-Length: 50\r\n"
                          "\r\n\x1f\x8b\x08\x00\x00\x00\x00\x00")
            << int(F::Network) << 0;
        QTest::newRow("gzip though identity was asked for")
            << CannedServer::answer(207, QByteArray("\x1f\x8b\x08\x00", 4),
                                    "Content-Encoding: gzip\r\n")
            << int(F::Network) << 0;
        QTest::newRow("identity named") << CannedServer::answer(200, "ok",
                                                                "Content-Encoding: Identity\r\n")
                                        << int(F::None) << 200;
        QTest::newRow("no HTTP at all") << QByteArray("garbage\r\n\r\n") << int(F::Network) << 0;
        QTest::newRow("redirected to another server")
            << CannedServer::answer(301, {}, "Location: https://elsewhere.example/cal/\r\n")
            << int(F::RedirectRefused) << 0;
        QTest::newRow("redirected away from HTTPS to another port")
            << CannedServer::answer(301, {}, "Location: http://127.0.0.1:1/cal/\r\n")
            << int(F::RedirectRefused) << 0;
        QTest::newRow("larger than the limit") << CannedServer::answer(200, QByteArray(2000, 'x'))
                                               << int(F::TooLarge) << 0;
        QTest::newRow("said to be larger than the limit")
            << QByteArray("HTTP/1.1 200 X\r\nContent-Length: 5000\r\n\r\nxx") << int(F::TooLarge)
            << 0;
        QTest::newRow("just within the limit") << CannedServer::answer(200, QByteArray(1024, 'x'))
                                               << int(F::None) << 200;
    }

    void answersAsTheyAre()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, failure);
        QFETCH(int, status);
        CannedServer server;
        server.answers = {{bytes}};
        DavClient::Settings limited = settings();
        limited.answerLimit = 1024;
        DavClient client(limited);
        const DavReply reply = client.send({"GET", server.url(), {}, {}, -1, {}});
        QCOMPARE(int(reply.failure), failure);
        QCOMPARE(reply.status, status);
        QCOMPARE(reply.answered(), failure == int(DavReply::Failure::None));
        QCOMPARE(reply.error.isEmpty(), failure == int(DavReply::Failure::None));
        if (status != 0)
            QCOMPARE(server.requests.size(), 1); // never asked again, whatever it said
        if (failure != int(DavReply::Failure::None))
            QVERIFY(reply.body.isEmpty());
    }

    void aSuccessIsStreamedAndNothingElse_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("streamed");
        QTest::newRow("multistatus") << 207 << true;
        QTest::newRow("not found") << 404 << false;
        QTest::newRow("server error") << 500 << false;
    }

    void aSuccessIsStreamedAndNothingElse()
    {
        QFETCH(int, status);
        QFETCH(bool, streamed);
        CannedServer server;
        server.answers = {{CannedServer::answer(status, QByteArray(600, 'x'))}};
        DavClient::Settings limited = settings();
        limited.answerLimit = 1000;
        DavClient client(limited);
        QByteArray pieces;
        DavRequest request{"REPORT", server.url(), {}, {}, 0, {}};
        request.onData = [&](QByteArrayView bytes) { pieces += bytes; };
        const DavReply reply = client.send(request);
        QCOMPARE(reply.status, status);
        QCOMPARE(pieces, streamed ? QByteArray(600, 'x') : QByteArray());
        QCOMPARE(reply.body, streamed ? QByteArray() : QByteArray(600, 'x'));
        // The limit holds for a streamed answer too.
        server.answers = {{CannedServer::answer(status, QByteArray(1001, 'x'))}};
        QCOMPARE(client.send(request).failure, DavReply::Failure::TooLarge);
    }

    void sameServerRedirectIsFollowed()
    {
        CannedServer server;
        const QByteArray to = server.url(QStringLiteral("/moved/")).toEncoded();
        server.answers = {{CannedServer::answer(301, {}, "Location: " + to + "\r\n")},
                          {CannedServer::answer(207, "<ok/>")}};
        // Sent on as it was: a PROPFIND stays one, with its body.
        DavClient client(settings());
        const DavReply reply = client.send({"PROPFIND", server.url(), "<p/>", {}, 0, {}});
        QCOMPARE(reply.status, 207);
        QCOMPARE(reply.body, QByteArray("<ok/>"));
        QCOMPARE(server.requests.size(), 2);
        QVERIFY(server.requests[1].startsWith("PROPFIND /moved/ "));
        QVERIFY(server.requests[1].endsWith("\r\n\r\n<p/>"));
    }

    void silenceEndsInTime()
    {
        CannedServer server;
        server.answers = {{{}, false, true}};
        DavClient client(settings(300));
        const DavReply reply = client.send({"GET", server.url(), {}, {}, -1, {}});
        QCOMPARE(reply.failure, DavReply::Failure::Timeout);
        QVERIFY(!reply.error.isEmpty());
    }

    void noServerIsANetworkFailure()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        DavClient client(settings());
        const DavReply reply = client.send(
            {"GET", QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)), {}, {}, -1, {}});
        QCOMPARE(reply.failure, DavReply::Failure::Network);
        QCOMPARE(reply.status, 0);
    }

    void manyRequestsEachGetTheirAnswer()
    {
        CannedServer server;
        QList<DavRequest> requests;
        for (int i = 0; i < 9; ++i) {
            server.answers.append({CannedServer::answer(201, {}, "ETag: \"x\"\r\n")});
            requests.append({"PUT", server.url(QStringLiteral("/cal/%1.ics").arg(i)),
                             QByteArray::number(i), "text/calendar", -1, {}});
        }
        DavClient client(settings());
        QList<qsizetype> done;
        client.sendAll(requests, [&](qsizetype index, const DavReply &reply) {
            if (reply.status == 201)
                done.append(index);
            return true;
        });
        std::sort(done.begin(), done.end());
        QCOMPARE(done, (QList<qsizetype>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(client.requestsMade(), 9);
    }

    void refusingAnAnswerStopsTheRest()
    {
        CannedServer server;
        QList<DavRequest> requests;
        for (int i = 0; i < 20; ++i) {
            server.answers.append({CannedServer::answer(401, {})});
            requests.append({"PUT", server.url(QStringLiteral("/cal/%1.ics").arg(i)), "x",
                             "text/calendar", -1, {}});
        }
        DavClient::Settings one = settings();
        one.connections = 1;
        DavClient client(one);
        int answers = 0;
        client.sendAll(requests, [&](qsizetype, const DavReply &) {
            ++answers;
            return false;
        });
        QCOMPARE(answers, 1);
        QCOMPARE(client.requestsMade(), 1);
    }

    void stopEndsAWait()
    {
        CannedServer server;
        server.answers = {{{}, false, true}};
        std::atomic<bool> stop = false;
        DavClient::Settings stoppable = settings();
        stoppable.stop = &stop;
        DavClient client(stoppable);
        // Stopped once the request is seen to be waiting at the server.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!server.requests.isEmpty())
                stop = true;
        });
        watch.start(10);
        const DavReply reply = client.send({"GET", server.url(), {}, {}, -1, {}});
        QCOMPARE(reply.failure, DavReply::Failure::Stopped);
        // Stopped before it starts: nothing is sent.
        const DavReply none = client.send({"GET", server.url(), {}, {}, -1, {}});
        QCOMPARE(none.failure, DavReply::Failure::Stopped);
        QCOMPARE(server.requests.size(), 1);
    }

    void discoveryGoesByTheWellKnownAddress()
    {
        // A root that names no principal: /.well-known/caldav does, then its home.
        const auto answer = [](const QByteArray &responses) {
            return CannedServer::answer(
                207, "<multistatus xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">" +
                         responses + "</multistatus>");
        };
        const auto response = [](const QByteArray &href, const QByteArray &prop) {
            return "<response><href>" + href + "</href><propstat><prop>" + prop +
                   "</prop><status>HTTP/1.1 200 OK</status></propstat></response>";
        };
        CannedServer server;
        server.answers = {
            {answer(response("/", "<resourcetype><collection/></resourcetype>"))},
            {answer(response("/.well-known/caldav",
                             "<current-user-principal><href>/p/</href></current-user-principal>"))},
            {answer(response("/p/", "<C:calendar-home-set><href>/h/</href></C:calendar-home-set>"))},
            {answer(response("/h/", "<resourcetype><collection/></resourcetype>") +
                    response("/h/e/", "<resourcetype><collection/><C:calendar/></resourcetype>"
                                      "<C:supported-calendar-component-set><C:comp name=\"VEVENT\"/>"
                                      "</C:supported-calendar-component-set>") +
                    response("/h/j/", "<resourcetype><collection/><C:calendar/></resourcetype>"
                                      "<displayname>Journal</displayname>"))}};
        DavClient client(settings());
        const CalendarDiscovery::Result found =
            CalendarDiscovery::find(client, server.url(QStringLiteral("/")), {});
        QVERIFY2(found.ok, qPrintable(found.message));
        QCOMPARE(found.calendar, server.url(QStringLiteral("/h/j/")));
        QVERIFY(!found.created);
        QCOMPARE(found.found.size(), 2);
        QCOMPARE(server.requests.size(), 4);
        QVERIFY(server.requests[1].startsWith("PROPFIND /.well-known/caldav "));
        QVERIFY(server.requests[2].startsWith("PROPFIND /p/ "));
        QVERIFY(server.requests[3].startsWith("PROPFIND /h/ "));
    }

    void thisComputersAddresses_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("loopback");
        QTest::newRow("localhost") << "http://localhost:5232/" << true;
        QTest::newRow("127.0.0.1") << "http://127.0.0.1/" << true;
        QTest::newRow("127.0.0.2") << "http://127.0.0.2/" << true;
        QTest::newRow("::1") << "http://[::1]:8080/" << true;
        QTest::newRow("a private network") << "http://10.0.0.1/" << false;
        QTest::newRow("a name") << "http://dav.example.org/" << false;
        QTest::newRow("a name that starts alike") << "http://localhost.example.org/" << false;
    }

    void thisComputersAddresses()
    {
        QFETCH(QString, url);
        QFETCH(bool, loopback);
        QCOMPARE(DavClient::isLoopback(QUrl(url)), loopback);
    }

    void fingerprintsAreShownInPairs()
    {
        QCOMPARE(DavClient::fingerprintOf("x"),
                 QByteArray("2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a4881"));
        QCOMPARE(DavClient::displayedFingerprint("0a1bff"), QStringLiteral("0A:1B:FF"));
    }
};

QTEST_GUILESS_MAIN(TestDavClient)
#include "tst_dav_client.moc"
