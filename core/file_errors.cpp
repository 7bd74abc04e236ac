#include "core/file_errors.h"

#include <cstring>

#include "platform/user_interaction.h"

namespace orvo {
namespace {

void logFailure(UserInteraction& ui, const char* action, const std::string& path, const FileError& error) {
    ui.logFailure(std::string("couldn't ") + action + " " + path + ": " + fileErrorText(error));
}

}  // namespace

std::string fileErrorText(const FileError& error) {
    if (error.kind == FileError::Kind::NotRegularFile) return "not a regular file";
    if (error.code == 0) return error.missing() ? "no such file" : "unknown error";
    return std::strerror(error.code);
}

void logWriteFailure(UserInteraction& ui, const std::string& path, const FileError& error) {
    logFailure(ui, "write", path, error);
}

void logReadFailure(UserInteraction& ui, const std::string& path, const FileError& error) {
    logFailure(ui, "read", path, error);
}

void reportUnreadableFile(UserInteraction& ui, const std::string& kind, const FileFailure& failure,
                          const std::string& consequence) {
    logReadFailure(ui, failure.path, failure.error);
    ui.showMessage({MessageKind::Warning,
                    "Orvo couldn't read the " + kind + " " + failure.path + ": " + fileErrorText(failure.error) + ". " +
                        consequence,
                    MessageButtons::Ok, MessagePlacement::ScreenCentre});
}

}  // namespace orvo
