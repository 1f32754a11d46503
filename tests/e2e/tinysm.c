/* A session manager just large enough to end a session the way desktops do, for the real-window
 * tests. It prints "SESSION_MANAGER=<address>" for the program to connect to, then reports on
 * standard output what the clients do ("registered", "property RestartStyleHint 3",
 * "save-yourself-done", "closed") and takes commands on standard input, one a line:
 *   save   a "save your work" request before a shutdown (SaveYourself, shutdown, no interaction)
 *   die    end the session: every client must leave now
 * Connections are accepted from this host without a cookie. */
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { maxConnections = 16 };

static IceConn connections[maxConnections];
static SmsConn clients[maxConnections];
static int connectionCount;
static int clientCount;

static void report(const char *line)
{
    printf("%s\n", line);
    fflush(stdout);
}

static Bool anyHost(char *hostName)
{
    (void)hostName;
    return True;
}

/* ICE ends the process on an I/O error by default; a client that leaves is no error here. */
static void ignoreIoError(IceConn connection)
{
    (void)connection;
}

static Status registerClient(SmsConn client, SmPointer data, char *previousId)
{
    (void)data;
    free(previousId);
    SmsRegisterClientReply(client, SmsGenerateClientID(client));
    report("registered");
    return 1;
}

static void interactRequest(SmsConn client, SmPointer data, int dialogType)
{
    (void)data;
    (void)dialogType;
    SmsInteract(client);
}

static void interactDone(SmsConn client, SmPointer data, Bool cancelShutdown)
{
    (void)client;
    (void)data;
    (void)cancelShutdown;
}

static void saveYourselfRequest(SmsConn client, SmPointer data, int saveType, Bool shutdown, int interactStyle,
                                Bool fast, Bool global)
{
    (void)client, (void)data, (void)saveType, (void)shutdown, (void)interactStyle, (void)fast, (void)global;
}

static void saveYourselfPhase2Request(SmsConn client, SmPointer data)
{
    (void)data;
    SmsSaveYourselfPhase2(client);
}

static void saveYourselfDone(SmsConn client, SmPointer data, Bool success)
{
    (void)client;
    (void)data;
    report(success ? "save-yourself-done" : "save-yourself-failed");
}

static void closeConnection(SmsConn client, SmPointer data, int count, char **reasons)
{
    (void)data;
    SmFreeReasons(count, reasons);
    for (int i = 0; i < clientCount; ++i) {
        if (clients[i] == client)
            clients[i] = NULL;
    }
    SmsCleanUp(client);
    report("closed");
}

static void setProperties(SmsConn client, SmPointer data, int count, SmProp **properties)
{
    (void)client;
    (void)data;
    for (int i = 0; i < count; ++i) {
        char line[256];
        if (strcmp(properties[i]->type, SmCARD8) == 0 && properties[i]->num_vals == 1)
            snprintf(line, sizeof line, "property %s %d", properties[i]->name,
                     *(unsigned char *)properties[i]->vals[0].value);
        else
            snprintf(line, sizeof line, "property %s", properties[i]->name);
        report(line);
        SmFreeProperty(properties[i]);
    }
    free(properties);
}

static void deleteProperties(SmsConn client, SmPointer data, int count, char **names)
{
    (void)client;
    (void)data;
    for (int i = 0; i < count; ++i)
        free(names[i]);
    free(names);
}

static void getProperties(SmsConn client, SmPointer data)
{
    (void)data;
    SmsReturnProperties(client, 0, NULL);
}

static Status newClient(SmsConn client, SmPointer data, unsigned long *mask, SmsCallbacks *callbacks, char **failure)
{
    (void)data;
    (void)failure;
    if (clientCount == maxConnections)
        return 0;
    clients[clientCount++] = client;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = saveYourselfPhase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    return 1;
}

static void command(const char *line)
{
    for (int i = 0; i < clientCount; ++i) {
        if (!clients[i])
            continue;
        if (strncmp(line, "save", 4) == 0)
            SmsSaveYourself(clients[i], SmSaveBoth, True, SmInteractStyleNone, False);
        else if (strncmp(line, "die", 3) == 0)
            SmsDie(clients[i]);
    }
    for (int i = 0; i < connectionCount; ++i)
        IceFlush(connections[i]);
}

int main(void)
{
    char error[256];
    if (!SmsInitialize("rekenrups-tests", "1.0", newClient, NULL, anyHost, sizeof error, error)) {
        fprintf(stderr, "tinysm: %s\n", error);
        return 1;
    }
    IceSetIOErrorHandler(ignoreIoError);
    int listenCount = 0;
    IceListenObj *listeners = NULL;
    if (!IceListenForConnections(&listenCount, &listeners, sizeof error, error)) {
        fprintf(stderr, "tinysm: %s\n", error);
        return 1;
    }
    for (int i = 0; i < listenCount; ++i)
        IceSetHostBasedAuthProc(listeners[i], anyHost);
    char *address = IceComposeNetworkIdList(listenCount, listeners);
    printf("SESSION_MANAGER=%s\n", address);
    fflush(stdout);
    free(address);

    for (;;) {
        struct pollfd fds[1 + 8 + maxConnections];
        int count = 0;
        fds[count++] = (struct pollfd){.fd = STDIN_FILENO, .events = POLLIN};
        for (int i = 0; i < listenCount && i < 8; ++i)
            fds[count++] = (struct pollfd){.fd = IceGetListenConnectionNumber(listeners[i]), .events = POLLIN};
        for (int i = 0; i < connectionCount; ++i)
            fds[count++] = (struct pollfd){.fd = IceConnectionNumber(connections[i]), .events = POLLIN};
        if (poll(fds, (nfds_t)count, -1) < 0)
            return 1;
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            char line[64];
            if (!fgets(line, sizeof line, stdin))
                return 0;
            command(line);
        }
        for (int i = 0; i < listenCount && i < 8; ++i) {
            if (!(fds[1 + i].revents & POLLIN) || connectionCount == maxConnections)
                continue;
            IceAcceptStatus status;
            IceConn connection = IceAcceptConnection(listeners[i], &status);
            if (!connection)
                continue;
            while (IceConnectionStatus(connection) == IceConnectPending)
                IceProcessMessages(connection, NULL, NULL);
            if (IceConnectionStatus(connection) == IceConnectAccepted)
                connections[connectionCount++] = connection;
            else
                IceCloseConnection(connection);
        }
        for (int i = 0, first = 1 + (listenCount < 8 ? listenCount : 8); i < connectionCount; ++i) {
            if (!(fds[first + i].revents & (POLLIN | POLLHUP)))
                continue;
            if (IceProcessMessages(connections[i], NULL, NULL) == IceProcessMessagesIOError) {
                IceSetShutdownNegotiation(connections[i], False);
                IceCloseConnection(connections[i]);
                connections[i] = connections[--connectionCount];
                fds[first + i] = fds[first + connectionCount];
                --i;
            }
        }
    }
}
