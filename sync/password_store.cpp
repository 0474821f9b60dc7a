#include "password_store.h"

#include <qt6keychain/keychain.h>
#include <QEventLoop>

namespace PasswordStore {

namespace {

const QString kService = QStringLiteral("Orvanta sync");

QString keyOf(const QString &server, const QString &user)
{
    return user + u'@' + server;
}

// Runs a keychain job to its end on this thread.
bool finish(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    return job.error() == QKeychain::NoError;
}

} // namespace

std::optional<QString> read(const QString &server, const QString &user)
{
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(keyOf(server, user));
    if (!finish(job))
        return std::nullopt;
    return job.textData();
}

bool write(const QString &server, const QString &user, const QString &password)
{
    QKeychain::WritePasswordJob job(kService);
    job.setKey(keyOf(server, user));
    job.setTextData(password);
    return finish(job);
}

void forget(const QString &server, const QString &user)
{
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(keyOf(server, user));
    finish(job);
}

} // namespace PasswordStore
