#include "tests/dde_test_editor.h"

#include <unistd.h>

#include <atomic>

#include "core/text.h"

namespace orvo::test {
namespace {

std::vector<std::string> editorArguments(const std::string& service, const std::string& topic,
                                         const std::string& record, std::vector<std::string> answers) {
    std::vector<std::string> arguments {service, topic, record};
    arguments.insert(arguments.end(), answers.begin(), answers.end());
    return arguments;
}

}  // namespace

std::string uniqueServiceName(const std::string& stem) {
    static std::atomic<int> counter {0};
    return stem + std::to_string(getpid()) + "x" + std::to_string(counter++);
}

std::string ddeTestEditorProgram() { return ORVO_TEST_DDE_EDITOR; }
std::string orvoddeProgram() { return ORVO_TEST_ORVODDE; }

DdeTestEditor::DdeTestEditor(const std::string& topic, std::vector<std::string> answers, const std::string& service)
    : service_(service.empty() ? uniqueServiceName("TestEditor") : service),
      topic_(topic),
      process_(ddeTestEditorProgram(), editorArguments(service_, topic, folder_.path() + "record", std::move(answers)), {}) {}

std::vector<std::string> DdeTestEditor::record() const {
    std::vector<std::string> lines = split(folder_.read("record"), '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace orvo::test
