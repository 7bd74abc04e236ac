#pragma once
// A console window for logic tests: records every call in order and keeps
// the output list as the window would show it.
#include <functional>
#include <string>
#include <vector>

#include "core/console_port.h"

namespace orvo {

class FakeConsolePort : public ConsolePort {
public:
    std::vector<std::string> calls;  // "ensureCreated", "clearOutput", "setCloseWhenDone 1", "show" ...
    std::vector<std::string> output;
    bool created = false;
    bool closeWhenDone = false;
    bool shown = false;

    void ensureCreated() override {
        calls.push_back("ensureCreated");
        created = true;
    }
    bool exists() const override { return created; }
    void clearOutput() override {
        calls.push_back("clearOutput");
        output.clear();
    }
    void setCloseWhenDone(bool value) override {
        calls.push_back(std::string("setCloseWhenDone ") + (value ? "1" : "0"));
        closeWhenDone = value;
    }
    void appendLine(const std::string& line) override {
        calls.push_back("appendLine " + line);
        output.push_back(line);
    }
    void show() override {
        calls.push_back("show");
        shown = true;
    }
    // Runs `modalJob` (the job's effect) before returning, as the window does
    // once its job has ended.
    std::function<void()> modalJob;
    void showModal() override {
        calls.push_back("showModal");
        if (modalJob) modalJob();
    }
    void runUntilClosed(const std::string& commandLine) override { calls.push_back("runUntilClosed " + commandLine); }
    void close() override {
        calls.push_back("close");
        shown = false;
    }
};

}  // namespace orvo
