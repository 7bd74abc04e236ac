#pragma once
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/dde.h"

namespace orvo {

// Servers that answer (by "service|topic"), scripted replies per item, and a
// log of every operation in order: "open S T", "execute X", "request I",
// "close". A failed open is logged too; execute and request are logged only
// inside a conversation, as only those reach a server.
class FakeDdeClient : public DdeClient {
public:
    std::set<std::string> servers;
    std::map<std::string, std::optional<std::string>> replies;  // missing item: the request fails
    std::vector<std::string> log;
    // Runs inside every execute, as a server handling it would (an editor
    // calling the workbench back).
    std::function<void(const std::string&)> onExecute;

    void addServer(const std::string& service, const std::string& topic) { servers.insert(service + "|" + topic); }

    bool open(const std::string& service, const std::string& topic) override {
        log.push_back("open " + service + " " + topic);
        connected_ = servers.count(service + "|" + topic) > 0;
        return connected_;
    }
    void execute(const std::string& command) override {
        if (!connected_) return;
        log.push_back("execute " + command);
        if (onExecute) onExecute(command);
    }
    std::optional<std::string> request(const std::string& item) override {
        if (!connected_) return std::nullopt;
        log.push_back("request " + item);
        auto it = replies.find(item);
        return it == replies.end() ? std::nullopt : it->second;
    }
    void close() override {
        log.push_back("close");
        connected_ = false;
    }

private:
    bool connected_ = false;
};

}  // namespace orvo
