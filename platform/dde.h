#pragma once
// Conversations with other programs, addressed by a service and a topic: a
// client that sends text commands without waiting and asks for text items
// with a time limit, and a server that offers one topic of a service.
#include <optional>
#include <string>

namespace orvo {

// The longest a request waits for its reply.
inline constexpr int kDdeRequestLimitMs = 10000;

// One conversation at a time; each exchange opens its own and closes it.
class DdeClient {
public:
    virtual ~DdeClient() = default;
    // Connects to a server that offers `service` with `topic`, closing any
    // conversation still open. False when none answers; nothing is started
    // and nothing is reported.
    virtual bool open(const std::string& service, const std::string& topic) = 0;
    // Sends `command` and returns at once: whether and when the server has
    // handled it is never known. Nothing happens without an open conversation.
    virtual void execute(const std::string& command) = 0;
    // The item's value; nothing when the request fails, the server refuses
    // the item or no reply comes within the limit.
    virtual std::optional<std::string> request(const std::string& item) = 0;
    // Harmless when no conversation is open.
    virtual void close() = 0;
};

// What a server does with the executes and requests of its topic.
class DdeTopic {
public:
    virtual ~DdeTopic() = default;
    // The client is told that the text was processed once this returns.
    virtual void execute(const std::string& text) = 0;
    // Nothing refuses the item (a topic that offers no items refuses all).
    virtual std::optional<std::string> request(const std::string&) { return std::nullopt; }
};

class DdeServer {
public:
    virtual ~DdeServer() = default;
    // Offers `topic` of `service` for the server's life; executes and
    // requests reach `topic` one after another on the thread that runs the
    // event loop. False when there is no session to offer it in or another
    // program already offers the service.
    virtual bool offer(const std::string& service, const std::string& topic, DdeTopic& handler) = 0;
};

}  // namespace orvo
