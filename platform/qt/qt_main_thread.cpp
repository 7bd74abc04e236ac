#include "platform/qt/qt_main_thread.h"

#include <QCoreApplication>
#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace orvo {
namespace {

// One hand-over, shared by the waiting thread and the posted call; whichever
// outlives the other keeps it alive.
struct HandOver {
    std::mutex mutex;
    std::condition_variable_any done;
    enum class Stage { Posted, Running, Finished, Abandoned } stage = Stage::Posted;
};

}  // namespace

bool QtMainThread::runAndWait(const std::function<void()>& task, std::stop_token stop) {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || stop.stop_requested()) return false;
    if (QThread::currentThread() == application->thread()) {
        task();
        return true;
    }
    auto handOver = std::make_shared<HandOver>();
    QMetaObject::invokeMethod(
        application,
        [handOver, task] {
            {
                std::lock_guard lock(handOver->mutex);
                if (handOver->stage == HandOver::Stage::Abandoned) return;
                handOver->stage = HandOver::Stage::Running;
            }
            task();
            {
                std::lock_guard lock(handOver->mutex);
                handOver->stage = HandOver::Stage::Finished;
            }
            handOver->done.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(handOver->mutex);
    handOver->done.wait(lock, stop, [&] { return handOver->stage == HandOver::Stage::Finished; });
    if (handOver->stage == HandOver::Stage::Finished) return true;
    if (handOver->stage == HandOver::Stage::Posted) handOver->stage = HandOver::Stage::Abandoned;
    return false;
}

}  // namespace orvo
