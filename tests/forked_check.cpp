#include "tests/forked_check.h"

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace orvo::test {
namespace {

bool becomeUnprivileged() {
    std::optional<UnprivilegedUser> user = unprivilegedUser();
    return user && ::setgroups(0, nullptr) == 0 && ::setgid(user->gid) == 0 && ::setuid(user->uid) == 0;
}

}  // namespace

std::optional<UnprivilegedUser> unprivilegedUser() {
    passwd* user = ::getpwnam("nobody");
    group* team = ::getgrnam("nogroup");
    if (!user) return std::nullopt;
    return UnprivilegedUser {user->pw_uid, team ? team->gr_gid : user->pw_gid};
}

std::optional<int> runForked(const std::function<int()>& body, ForkedCheck check) {
    pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        if (check.unprivileged && ::geteuid() == 0 && !becomeUnprivileged()) ::_exit(125);
        ::_exit(body());
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(check.timeoutMs);
    while (true) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
        if (std::chrono::steady_clock::now() > deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return std::nullopt;
}

std::optional<std::vector<std::string>> unprivilegedCommandPrefix() {
    if (::geteuid() != 0) return std::vector<std::string> {};
    if (::access("/usr/bin/setpriv", X_OK) == 0)
        return std::vector<std::string> {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    if (::access("/usr/sbin/runuser", X_OK) == 0) return std::vector<std::string> {"/usr/sbin/runuser", "-u", "nobody", "--"};
    return std::nullopt;
}

}  // namespace orvo::test
