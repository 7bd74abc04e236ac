#pragma once
// The scripted editor on the session bus (tests/dde_test_editor.cpp), run for
// one test under a service name no other test uses.
#include <string>
#include <vector>

#include "tests/orvo_process.h"
#include "tests/temp_dir.h"

namespace orvo::test {

class DdeTestEditor {
public:
    // `answers` as the program takes them: "ITEM=VALUE" or "ITEM@MS=VALUE".
    // An empty `service` is a fresh one.
    explicit DdeTestEditor(const std::string& topic, std::vector<std::string> answers = {},
                           const std::string& service = {});

    bool ready() { return process_.waitForOutput("dde-test-editor ready", 10000); }
    const std::string& service() const { return service_; }
    const std::string& topic() const { return topic_; }
    // The recorded lines so far.
    std::vector<std::string> record() const;

private:
    TempDir folder_;
    std::string service_;
    std::string topic_;
    OrvoProcess process_;
};

// The built helper programs: the scripted editor and the shipped client.
std::string ddeTestEditorProgram();
std::string orvoddeProgram();

// A service name unique to this process and call.
std::string uniqueServiceName(const std::string& stem);

}  // namespace orvo::test
