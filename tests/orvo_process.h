#pragma once
// Runs the staged orvo executable as a user would, for end-to-end tests:
// its own HOME, offscreen Qt, standard error captured. Helper programs of
// the tests run the same way.
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace orvo::test {

class OrvoProcess {
public:
    OrvoProcess(std::vector<std::string> arguments, std::map<std::string, std::string> environment);
    // Any other program, given by its path.
    OrvoProcess(const std::string& program, std::vector<std::string> arguments,
                std::map<std::string, std::string> environment);
    ~OrvoProcess();

    bool started() const { return pid_ > 0; }
    // Reads standard error until `text` appears or `timeoutMs` passes.
    bool waitForOutput(const std::string& text, int timeoutMs);
    void signal(int number);
    // The exit status (0..255), 128 + signal for a killed process, or -1 when
    // it did not end within `timeoutMs` (it is then killed).
    int waitForExit(int timeoutMs);
    const std::string& output() const { return output_; }

private:
    void readAvailable(int timeoutMs);

    pid_t pid_ = -1;
    int errorFd_ = -1;
    std::string output_;
};

// ConfigFile's distribution folders as Debian installs TeX Live; without
// them start-up warns in a box.
inline const std::string kDebianTexLive = "[System]\nWeb2cDir=/usr/share/texlive/\nWeb2cBINDir=/usr/bin/\n";

// The folder the build stages the program in, ending in '/'.
std::string stageFolder();

// The staged program under a name of its own: a hard link beside it, so the
// program folder is the same while the bus service, named after the
// executable, is this test's alone (other tests' workbenches offer "orvo").
class OwnNamedOrvo {
public:
    OwnNamedOrvo();
    ~OwnNamedOrvo();
    OwnNamedOrvo(const OwnNamedOrvo&) = delete;
    OwnNamedOrvo& operator=(const OwnNamedOrvo&) = delete;
    const std::string& program() const { return path_; }
    // The name its "forall" topic is offered under.
    const std::string& service() const { return name_; }

private:
    std::string name_;
    std::string path_;
};

}  // namespace orvo::test
