// A session manager of the smallest kind, for the end-to-end tests: what a desktop's session
// manager does at logout, and nothing else. It listens for clients over ICE and prints the
// SESSION_MANAGER value to give them. Once the file named on its command line exists, it asks
// every registered client to save itself for a shutdown (SaveYourself: global, shutdown, no
// interaction) and tells each one that reports done to die. It prints what happens, a line each,
// and runs until it is ended.
// Usage: session_manager TRIGGER_FILE
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/stat.h>
#include <vector>
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

namespace {

std::vector<IceConn> g_connections;
std::vector<SmsConn> g_clients;

void say(const char *what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

void watchConnection(IceConn connection, IcePointer, Bool opening, IcePointer *)
{
    if (opening)
        g_connections.push_back(connection);
    else
        std::erase(g_connections, connection);
}

void forget(SmsConn client)
{
    std::erase(g_clients, client);
    IceConn connection = SmsGetIceConnection(client);
    SmsCleanUp(client);
    IceSetShutdownNegotiation(connection, False);
    IceCloseConnection(connection);
}

Status registerClient(SmsConn client, SmPointer, char *previousId)
{
    std::free(previousId);
    char *id = SmsGenerateClientID(client);
    SmsRegisterClientReply(client, id);
    std::free(id);
    g_clients.push_back(client);
    say("registered");
    return 1;
}

void saveYourselfDone(SmsConn client, SmPointer, Bool success)
{
    say(success ? "saved" : "saving failed");
    SmsDie(client);
}

void closeConnection(SmsConn client, SmPointer, int count, char **reasons)
{
    SmFreeReasons(count, reasons);
    forget(client);
    say("closed");
}

// Requests the protocol has callbacks for and this manager grants or ignores.
void interactRequest(SmsConn client, SmPointer, int)
{
    SmsInteract(client);
}
void interactDone(SmsConn, SmPointer, Bool) {}
void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void phase2Request(SmsConn client, SmPointer)
{
    SmsSaveYourselfPhase2(client);
}
void setProperties(SmsConn, SmPointer, int count, SmProp **properties)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}
void deleteProperties(SmsConn, SmPointer, int count, char **names)
{
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}
void getProperties(SmsConn client, SmPointer)
{
    SmsReturnProperties(client, 0, nullptr);
}

Status newClient(SmsConn, SmPointer, unsigned long *mask, SmsCallbacks *callbacks, char **)
{
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    *callbacks = {};
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = phase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    return 1;
}

// Clients of the test's own desktop only: no ICE authentication to set up.
Bool anyHost(char *)
{
    return True;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TRIGGER_FILE\n", argv[0]);
        return 2;
    }
    char error[256] = {};
    int count = 0;
    IceListenObj *listeners = nullptr;
    if (!SmsInitialize("orvanta-tests", "1.0", newClient, nullptr, anyHost, sizeof error, error) ||
        !IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "session_manager: %s\n", error);
        return 1;
    }
    IceAddConnectionWatch(watchConnection, nullptr);
    for (int i = 0; i < count; ++i)
        IceSetHostBasedAuthProc(listeners[i], anyHost);
    char *ids = IceComposeNetworkIdList(count, listeners);
    std::printf("SESSION_MANAGER=%s\n", ids);
    std::fflush(stdout);
    std::free(ids);

    bool asked = false;
    for (;;) {
        std::vector<pollfd> fds;
        for (int i = 0; i < count; ++i)
            fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        const std::vector<IceConn> connections = g_connections;
        for (IceConn connection : connections)
            fds.push_back({IceConnectionNumber(connection), POLLIN, 0});
        ::poll(fds.data(), fds.size(), 100);
        for (int i = 0; i < count; ++i) {
            IceAcceptStatus status;
            if (fds[i].revents & POLLIN)
                IceAcceptConnection(listeners[i], &status);
        }
        for (std::size_t i = 0; i < connections.size(); ++i) {
            if (!(fds[count + i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            if (IceProcessMessages(connections[i], nullptr, nullptr) == IceProcessMessagesIOError) {
                const auto client =
                    std::find_if(g_clients.begin(), g_clients.end(), [&](SmsConn c) {
                        return SmsGetIceConnection(c) == connections[i];
                    });
                if (client != g_clients.end()) {
                    forget(*client);
                    say("gone");
                } else {
                    IceSetShutdownNegotiation(connections[i], False);
                    IceCloseConnection(connections[i]);
                }
            }
        }
        struct stat trigger = {};
        if (!asked && ::stat(argv[1], &trigger) == 0) {
            asked = true;
            for (SmsConn client : g_clients)
                SmsSaveYourself(client, SmSaveGlobal, True, SmInteractStyleNone, False);
            say("logging out");
        }
    }
}
