#pragma once
// The application: the program entry, from the real services through start-up
// and the message loop to the shut-down.
#include <memory>

namespace orvo {

struct Services;

class OrvoApp {
public:
    OrvoApp();
    ~OrvoApp();
    // The program entry. Returns the process's exit status.
    int run(int argc, char** argv);

private:
    std::unique_ptr<Services> services_;
};

}  // namespace orvo
