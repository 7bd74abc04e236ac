#pragma once
// A real client that also logs what it sends, as the fake does.
#include <string>
#include <vector>

#include "platform/dde.h"

namespace orvo::test {

class RecordingDdeClient : public DdeClient {
public:
    explicit RecordingDdeClient(DdeClient& client) : client_(client) {}
    std::vector<std::string> log;

    bool open(const std::string& service, const std::string& topic) override {
        bool connected = client_.open(service, topic);
        log.push_back((connected ? "open " : "no ") + service + " " + topic);
        return connected;
    }
    void execute(const std::string& command) override {
        log.push_back("execute " + command);
        client_.execute(command);
    }
    std::optional<std::string> request(const std::string& item) override {
        std::optional<std::string> value = client_.request(item);
        log.push_back("request " + item + " -> " + value.value_or("(none)"));
        return value;
    }
    void close() override { client_.close(); }

private:
    DdeClient& client_;
};

}  // namespace orvo::test
