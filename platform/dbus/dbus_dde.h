#pragma once
// Conversations over the D-Bus session bus (names in dde_bus_names.h), each
// object on a bus connection of its own, so that a client and a server in
// one process never wait for each other. Without a session bus every open
// fails and nothing is offered, quietly.
#include <memory>

#include "platform/dde.h"

namespace orvo {

class DBusDdeClient : public DdeClient {
public:
    explicit DBusDdeClient(int requestLimitMs = kDdeRequestLimitMs);
    ~DBusDdeClient() override;

    bool open(const std::string& service, const std::string& topic) override;
    void execute(const std::string& command) override;
    std::optional<std::string> request(const std::string& item) override;
    void close() override;

    // For programs that end right after sending: waits up to the request
    // limit until the server has handled `command`. False when it did not
    // answer or refused it.
    bool executeAndWait(const std::string& command);

private:
    struct Bus;
    std::unique_ptr<Bus> bus_;
    int requestLimitMs_;
};

class DBusDdeServer : public DdeServer {
public:
    DBusDdeServer();
    ~DBusDdeServer() override;

    bool offer(const std::string& service, const std::string& topic, DdeTopic& handler) override;

private:
    struct Bus;
    std::unique_ptr<Bus> bus_;
};

}  // namespace orvo
