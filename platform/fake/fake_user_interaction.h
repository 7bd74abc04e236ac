#pragma once
#include <deque>
#include <vector>

#include "platform/user_interaction.h"

namespace orvo {

// Records every message, logged failure and file dialog; answers messages from `answers` in
// turn, then with the first button of the message, and file dialogs from
// `chosenFiles` in turn, then as cancelled.
class FakeUserInteraction : public UserInteraction {
public:
    std::vector<Message> shown;
    std::vector<std::string> logged;
    std::deque<MessageAnswer> answers;
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::optional<std::string>> chosenFiles;

    std::optional<std::string> chooseFile(const FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        if (chosenFiles.empty()) return std::nullopt;
        std::optional<std::string> chosen = chosenFiles.front();
        chosenFiles.pop_front();
        return chosen;
    }

    void logFailure(const std::string& text) override { logged.push_back(text); }

    MessageAnswer showMessage(const Message& message) override {
        shown.push_back(message);
        if (!answers.empty()) {
            MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        switch (message.buttons) {
            case MessageButtons::Ok: return MessageAnswer::Ok;
            case MessageButtons::YesNo:
            case MessageButtons::YesNoAbort: return MessageAnswer::Yes;
            case MessageButtons::AbortRetry: return MessageAnswer::Abort;
        }
        return MessageAnswer::Ok;
    }
};

}  // namespace orvo
