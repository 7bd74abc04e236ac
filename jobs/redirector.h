#pragma once
// Runs one hidden child with piped standard streams (output and error share
// one pipe, so their order is kept) and reports its output and its end
// through handlers that always run on the main thread. Every operation runs
// on the main thread; failures come back as the text shown to the user.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/piped_process.h"

namespace orvo {

class MainThread;

// The text of a failure, or nothing on success.
using Failure = std::optional<std::string>;

class Redirector {
public:
    Redirector(PipedProcessStarter& starter, MainThread& mainThread);
    // Discards: a running child is terminated.
    ~Redirector();
    Redirector(const Redirector&) = delete;
    Redirector& operator=(const Redirector&) = delete;

    // Output of the child, as it arrives.
    std::function<void(std::string_view bytes)> onData;
    // The child has ended and all its output has been delivered. Runs after
    // the redirector has let go of the child: running() is false here.
    std::function<void()> onEnd;

    // Allowed while no child runs, or when the text equals the current
    // command line ignoring case.
    Failure setCommandLine(std::string_view text);
    // The program part, a blank and the parameter part (the parameter part
    // alone without a program part).
    std::string commandLine() const;
    bool running() const { return process_ != nullptr; }

    // Folder and environment for the next child; empty folder and no
    // environment mean the workbench's own.
    void setFolder(std::string folder) { folder_ = std::move(folder); }
    void setEnvironment(std::optional<std::vector<std::string>> environment) { environment_ = std::move(environment); }

    Failure start();
    // Writes bytes to the child's standard input.
    Failure sendText(std::string_view bytes);
    // The child reads end of file on its standard input.
    Failure closeInput();
    // Kills the child and everything in its process group; the watcher then
    // reports the end as for any other end.
    Failure terminate();
    // Stops watching without reporting an end, kills the child's process group
    // and collects the child. The handlers stay for the next job.
    void discard();

    // Why the watcher stopped early (a failed read), empty otherwise. Such a
    // failure is not shown to the user: the job just gets no more output.
    const std::string& watcherError() const { return watcherError_; }

private:
    bool readOutput(const PipedProcess* owner, std::size_t waiting);
    void watchFailed(const PipedProcess* owner, int error, const char* what);
    void finishJob(const PipedProcess* owner);
    void retireWatcher();

    PipedProcessStarter& starter_;
    MainThread& mainThread_;
    std::string program_;
    std::string parameters_;
    std::string folder_;
    std::optional<std::vector<std::string>> environment_;
    // Shared with the watcher thread, which keeps the pipes open until it ends.
    std::shared_ptr<PipedProcess> process_;
    std::jthread watcher_;
    std::vector<char> readBuffer_;
    std::string watcherError_;
    // Above zero while a hand-over of the watcher runs on the main thread: the
    // watcher is then waiting for us and cannot be joined.
    int handOverDepth_ = 0;
};

}  // namespace orvo
