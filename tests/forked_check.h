#pragma once
// Checks that run in a child process of the test: one that must not hang
// the test when it blocks, or one that must run as a user without root's
// power to read every file (the tests run as root here).
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvo::test {

// The user the unprivileged checks run as: nobody:nogroup.
struct UnprivilegedUser {
    uid_t uid;
    gid_t gid;
};
std::optional<UnprivilegedUser> unprivilegedUser();

struct ForkedCheck {
    int timeoutMs = 5000;
    // As the unprivileged user when the test runs as root.
    bool unprivileged = false;
};

// Runs `body` in a child and gives its exit status; nothing when it did not
// end within the time limit (it is then killed) or could not start.
std::optional<int> runForked(const std::function<int()>& body, ForkedCheck check = {});

// The words that start a program as the unprivileged user when the test
// runs as root (setpriv, else runuser); empty otherwise. Nothing when
// neither is there.
std::optional<std::vector<std::string>> unprivilegedCommandPrefix();

}  // namespace orvo::test
