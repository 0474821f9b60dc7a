#pragma once

#include <optional>
#include <QString>

// The sync password in the desktop's secret store (Secret Service, KWallet) through
// QtKeychain: never in a file Orvanta writes. Each call waits for the store's answer.
namespace PasswordStore {

// The password kept for `user` at `server`; nullopt where none is or no store answers.
std::optional<QString> read(const QString &server, const QString &user);
// Keeps it; false where no store takes it (then it is asked for once per run).
bool write(const QString &server, const QString &user, const QString &password);
void forget(const QString &server, const QString &user);

} // namespace PasswordStore
