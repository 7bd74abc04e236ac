#include "jobs/redirector.h"

#include "core/command_words.h"
#include "core/error_text.h"
#include "core/text.h"
#include "jobs/pipe_watcher.h"

namespace orvo {
namespace {

std::string withError(const char* text, int error) { return std::string(text) + errorText(error); }

const char* startFailureText(PipedStartStep step) {
    switch (step) {
        case PipedStartStep::InputPipe: return "Error on STDIN pipe creation : ";
        case PipedStartStep::OutputPipe: return "Error on STDOUT pipe creation : ";
        case PipedStartStep::Process: break;
    }
    return "Error creating process : ";
}

constexpr const char* kInactiveSend = "Can't send data to an inactive process";

}  // namespace

Redirector::Redirector(PipedProcessStarter& starter, MainThread& mainThread)
    : starter_(starter), mainThread_(mainThread) {}

Redirector::~Redirector() {
    discard();
    retireWatcher();
}

Failure Redirector::setCommandLine(std::string_view text) {
    if (running() && !equalsIgnoringCase(text, commandLine()))
        return "Cannot change CommandLine while process is active";
    CommandLineParts parts = splitProgramPart(text);
    program_ = std::move(parts.program);
    parameters_ = std::move(parts.parameters);
    return std::nullopt;
}

std::string Redirector::commandLine() const {
    return program_.empty() ? parameters_ : program_ + " " + parameters_;
}

Failure Redirector::start() {
    if (running()) return "Process is already active";
    std::vector<std::string> words = splitCommandLine(commandLine());
    if (trim(commandLine()).empty() || words.empty()) return "No commandline to run";
    retireWatcher();
    watcherError_.clear();
    PipedStartResult started = starter_.start({words, folder_, environment_});
    if (!started.process) return withError(startFailureText(started.failedStep), started.error);
    process_ = std::move(started.process);

    // The handlers run on the main thread only, and only until the watcher is
    // stopped; each checks that its child is still the current one.
    const PipedProcess* owner = process_.get();
    PipeWatchHandlers handlers {
        [this, owner](std::size_t waiting) { return readOutput(owner, waiting); },
        [this, owner](int error) { watchFailed(owner, error, "Error reading STDOUT pipe : "); },
        [this, owner] { finishJob(owner); },
    };
    watcher_ = std::jthread([process = process_, &mainThread = mainThread_, handlers](std::stop_token stop) {
        watchPipes(stop, *process, mainThread, handlers);
    });
    return std::nullopt;
}

Failure Redirector::sendText(std::string_view bytes) {
    if (!running()) return kInactiveSend;
    if (int error = process_->write(bytes)) return withError("Error writing to STDIN pipe : ", error);
    return std::nullopt;
}

Failure Redirector::closeInput() {
    if (!running()) return kInactiveSend;
    process_->closeInput();
    return std::nullopt;
}

Failure Redirector::terminate() {
    if (!running()) return "Cannot Terminate an inactive process";
    process_->terminate();
    return std::nullopt;
}

void Redirector::discard() {
    if (!running()) return;
    retireWatcher();
    process_->terminate();
    process_->reap();
    process_.reset();
}

bool Redirector::readOutput(const PipedProcess* owner, std::size_t waiting) {
    if (process_.get() != owner) return false;
    readBuffer_.resize(waiting);
    std::size_t got = 0;
    if (int error = process_->read(readBuffer_.data(), waiting, got)) {
        watchFailed(owner, error, "Error reading STDOUT pipe : ");
        return false;
    }
    if (onData && got > 0) {
        ++handOverDepth_;
        onData(std::string_view(readBuffer_.data(), got));
        --handOverDepth_;
    }
    return true;
}

void Redirector::watchFailed(const PipedProcess* owner, int error, const char* what) {
    if (process_.get() == owner) watcherError_ = withError(what, error);
}

void Redirector::finishJob(const PipedProcess* owner) {
    if (process_.get() != owner) return;
    process_->reap();
    process_.reset();
    if (onEnd) {
        ++handOverDepth_;
        onEnd();
        --handOverDepth_;
    }
}

void Redirector::retireWatcher() {
    if (!watcher_.joinable()) return;
    watcher_.request_stop();
    // Inside one of its hand-overs the watcher waits for us: it is let go and
    // ends by itself as soon as the hand-over returns, touching only the pipes
    // it shares and never this redirector again.
    if (handOverDepth_ > 0) watcher_.detach();
    else watcher_.join();
}

}  // namespace orvo
