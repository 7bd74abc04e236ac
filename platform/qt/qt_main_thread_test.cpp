// Hand-overs from a background thread to the Qt main thread: they run there,
// the caller waits for them, and a stop request ends a wait that cannot be
// served.
#include "platform/qt/qt_main_thread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

namespace orvo {
namespace {

class QtMainThreadTest : public testing::Test {
protected:
    int argc = 1;
    char name[16] = "test";
    char* argv[1] = {name};
    QCoreApplication application {argc, argv};
    QtMainThread mainThread;
};

TEST_F(QtMainThreadTest, RunsTheTaskOnTheMainThreadWhileTheCallerWaits) {
    std::atomic<bool> ranOnMain = false;
    std::atomic<bool> returned = false;
    bool result = false;
    std::jthread worker([&](std::stop_token stop) {
        result = mainThread.runAndWait([&] { ranOnMain = QThread::currentThread() == application.thread(); }, stop);
        returned = true;
    });
    while (!returned) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    EXPECT_TRUE(result);
    EXPECT_TRUE(ranOnMain);
}

TEST_F(QtMainThreadTest, AStopRequestEndsTheWaitAndTheTaskNeverRuns) {
    std::atomic<bool> ran = false;
    bool result = true;
    std::jthread worker([&](std::stop_token stop) { result = mainThread.runAndWait([&] { ran = true; }, stop); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the main thread is busy elsewhere
    worker.request_stop();
    worker.join();
    QCoreApplication::processEvents();  // the posted call comes round now
    EXPECT_FALSE(result);
    EXPECT_FALSE(ran);
}

TEST_F(QtMainThreadTest, OnTheMainThreadItselfTheTaskRunsAtOnce) {
    bool ran = false;
    EXPECT_TRUE(mainThread.runAndWait([&] { ran = true; }, std::stop_token()));
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace orvo
