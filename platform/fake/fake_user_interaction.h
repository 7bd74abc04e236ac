#pragma once
#include <deque>
#include <vector>

#include "platform/user_interaction.h"

namespace orvo {

// Records every message; answers from `answers` in turn, then with the first
// button of the message.
class FakeUserInteraction : public UserInteraction {
public:
    std::vector<Message> shown;
    std::deque<MessageAnswer> answers;

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
