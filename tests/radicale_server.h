#pragma once

// Radicale as installed (Debian's radicale), started for a test or a benchmark on 127.0.0.1, on
// a free port, with one user (alice, "secret") and its data in a folder the caller owns; killed
// when it goes.
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

class RadicaleServer
{
public:
    static bool installed()
    {
        return QFile::exists(QStringLiteral("/usr/bin/python3")) &&
               QProcess::execute(QStringLiteral("/usr/bin/python3"),
                                 {QStringLiteral("-c"), QStringLiteral("import radicale")}) == 0;
    }

    // Ready once it accepts a connection; false where it ends first or never does.
    bool start(const QString &folder)
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost))
            return false;
        m_port = probe.serverPort();
        probe.close();
        QFile users(folder + QStringLiteral("/users"));
        QFile config(folder + QStringLiteral("/config"));
        if (!users.open(QIODevice::WriteOnly) || !config.open(QIODevice::WriteOnly))
            return false;
        users.write("alice:secret\n");
        config.write(QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n[auth]\ntype = htpasswd\n"
                                    "htpasswd_filename = %2\nhtpasswd_encryption = plain\n"
                                    "delay = 0\n[storage]\nfilesystem_folder = %3\n"
                                    "[web]\ntype = none\n")
                         .arg(m_port)
                         .arg(users.fileName(), folder + QStringLiteral("/collections"))
                         .toUtf8());
        users.close();
        config.close();
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral("-m"), QStringLiteral("radicale"),
                         QStringLiteral("--config"), config.fileName()});
        for (int attempt = 0; attempt < 600; ++attempt) {
            if (m_process.state() == QProcess::NotRunning)
                return false;
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(100))
                return true;
            m_process.waitForFinished(50);
        }
        return false;
    }

    ~RadicaleServer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    QUrl url(const QString &path = QStringLiteral("/")) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
    }

private:
    QProcess m_process;
    quint16 m_port = 0;
};
