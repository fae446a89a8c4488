#include "view/qt/sent_commands.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <utility>

namespace sent {
namespace {

struct Task {
    const void* target;
    std::function<bool()> run;
    bool done = false;
    bool result = false;
};

std::mutex lock;
// Signalled when a task is queued and when one is done.
std::condition_variable changed;
std::deque<std::shared_ptr<Task>> queue;
// A call of pumpPosted is on its way through the event loop: senders need not post another.
bool posted = false;

// From the event loop: runs what is queued. While a worker goes on sending (one event per board
// of a find), it waits a moment for the next, so that a burst costs no trip through the event
// loop per event; after kBurst the window's own events (input, timers, painting) have their turn.
void pumpPosted() {
    constexpr auto kBurst = std::chrono::milliseconds(10);
    {
        std::lock_guard<std::mutex> hold(lock);
        posted = false;
    }
    const auto until = std::chrono::steady_clock::now() + kBurst;
    for (size_t ran = pump(); ran > 0 && std::chrono::steady_clock::now() < until;) ran = pump(1);
}

}  // namespace

bool onWindowThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

bool send(const void* target, std::function<bool()> task) {
    if (onWindowThread()) return task();
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return false;
    auto queued = std::make_shared<Task>(Task{target, std::move(task)});
    bool post = false;
    {
        std::lock_guard<std::mutex> hold(lock);
        queue.push_back(queued);
        post = !std::exchange(posted, true);
    }
    changed.notify_all();
    // The event loop (or a nested one) runs it unless a wait of the window thread does first.
    if (post) QMetaObject::invokeMethod(app, [] { pumpPosted(); }, Qt::QueuedConnection);
    std::unique_lock<std::mutex> hold(lock);
    changed.wait(hold, [&] { return queued->done; });
    return queued->result;
}

size_t pump(int waitMs) {
    std::unique_lock<std::mutex> hold(lock);
    if (queue.empty() && waitMs > 0)
        changed.wait_for(hold, std::chrono::milliseconds(waitMs), [] { return !queue.empty(); });
    // Only what is queued now: senders that queue again at once would keep it here for ever.
    size_t ran = 0;
    for (const size_t queued = queue.size(); ran < queued && !queue.empty();) {
        std::shared_ptr<Task> task = queue.front();
        queue.pop_front();
        hold.unlock();
        bool result = false;
        try {
            result = task->run();
        } catch (...) {
            // A task that failed was handled all the same: its sender must not wait for ever.
        }
        hold.lock();
        task->result = result;
        task->done = true;
        ++ran;
        changed.notify_all();
    }
    return ran;
}

size_t pending() {
    std::lock_guard<std::mutex> hold(lock);
    return queue.size();
}

void drop(const void* target) {
    std::lock_guard<std::mutex> hold(lock);
    for (auto it = queue.begin(); it != queue.end();) {
        if ((*it)->target == target) {
            (*it)->done = true;
            it = queue.erase(it);
        } else {
            ++it;
        }
    }
    changed.notify_all();
}

}  // namespace sent
