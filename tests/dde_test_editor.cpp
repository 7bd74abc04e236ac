// A scripted editor on the session bus for the conversation tests: offers
// SERVICE with TOPIC, appends "execute TEXT" and "request ITEM" lines to
// RECORD (line breaks inside a text written as "\n"), and answers the items
// given as ITEM=VALUE; ITEM@MS=VALUE answers after MS milliseconds. Other
// items are refused. The item "orvo-test-sync" answers "synced" unrecorded,
// so a test knows that everything sent before it has been handled.
//
//   orvo_test_dde_editor SERVICE TOPIC RECORD [ITEM=VALUE | ITEM@MS=VALUE]...
#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "platform/dbus/dbus_dde.h"

namespace {

struct Answer {
    std::string value;
    int delayMs = 0;
};

class ScriptedEditor : public orvo::DdeTopic {
public:
    ScriptedEditor(std::string record, std::map<std::string, Answer> answers)
        : record_(std::move(record)), answers_(std::move(answers)) {}

    void execute(const std::string& text) override { write("execute " + text); }

    std::optional<std::string> request(const std::string& item) override {
        if (item == "orvo-test-sync") return std::string("synced");
        write("request " + item);
        auto it = answers_.find(item);
        if (it == answers_.end()) return std::nullopt;
        if (it->second.delayMs > 0) QThread::msleep(unsigned(it->second.delayMs));
        return it->second.value;
    }

private:
    void write(const std::string& line) {
        std::string escaped;
        for (char c : line) escaped += c == '\n' ? std::string("\\n") : std::string(1, c);
        std::ofstream(record_, std::ios::app) << escaped << '\n';
    }

    std::string record_;
    std::map<std::string, Answer> answers_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SERVICE TOPIC RECORD [ITEM=VALUE | ITEM@MS=VALUE]...\n", argv[0]);
        return 2;
    }
    std::map<std::string, Answer> answers;
    for (int i = 4; i < argc; ++i) {
        std::string answerText = argv[i];
        std::size_t equals = answerText.find('=');
        if (equals == std::string::npos) continue;
        std::string item = answerText.substr(0, equals);
        Answer answer {answerText.substr(equals + 1), 0};
        std::size_t at = item.find('@');
        if (at != std::string::npos) {
            answer.delayMs = std::stoi(item.substr(at + 1));
            item.resize(at);
        }
        answers[item] = answer;
    }
    ScriptedEditor editor(argv[3], answers);
    orvo::DBusDdeServer server;
    if (!server.offer(argv[1], argv[2], editor)) {
        std::fprintf(stderr, "dde-test-editor refused\n");
        return 3;
    }
    std::fprintf(stderr, "dde-test-editor ready\n");
    std::fflush(stderr);
    return application.exec();
}
