#pragma once
// A "Deleting files" window for tests: records its mode, its lines and its
// searches.
#include <optional>
#include <string>
#include <vector>

#include "dialogs/delete_files.h"

namespace orvo::test {

class RecordingDeletingView : public DeletingFilesView {
public:
    std::vector<std::string> lines;
    std::optional<bool> interactive;
    bool shown = false;
    bool searching = false;
    int searches = 0;

    void setInteractive(bool value) override { interactive = value; }
    void showWindow() override { shown = true; }
    void appendLine(const std::string& line) override { lines.push_back(line); }
    void setSearching(bool value) override {
        searching = value;
        searches += value;
    }
};

}  // namespace orvo::test
