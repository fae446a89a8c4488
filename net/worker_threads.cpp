#include "net/worker_threads.h"

WorkerThreads::~WorkerThreads() {
    waitForAll();
    for (auto& t : threads_) {
        if (t->thread.joinable()) t->thread.detach();
    }
}

void WorkerThreads::setWaitHook(Hook hook) { hook_ = std::move(hook); }

bool WorkerThreads::start(std::function<void()> body) {
    std::lock_guard<std::mutex> guard(lock_);
    joinReturned();
    try {
        threads_.push_back(std::make_unique<Thread>());
        Thread* t = threads_.back().get();
        t->thread = std::thread([t, body = std::move(body)] {
            body();
            t->returned = true;
        });
    } catch (...) {   // no memory or no thread: nothing was started
        if (!threads_.empty() && !threads_.back()->thread.joinable()) threads_.pop_back();
        return false;
    }
    return true;
}

void WorkerThreads::waitForAll() {
    for (;;) {
        {
            std::lock_guard<std::mutex> guard(lock_);
            // Look first, then join: a thread that returns in between is joined too.
            if (!othersPending()) {
                joinReturned();
                return;
            }
        }
        waitTurn();
    }
}

void WorkerThreads::waitTurn() {
    if (hook_) hook_();
    else std::this_thread::yield();
}

bool WorkerThreads::callerIsNewest() const {
    std::lock_guard<std::mutex> guard(lock_);
    return !threads_.empty() && threads_.back()->thread.get_id() == std::this_thread::get_id();
}

// A thread never waits for itself: a body may wait from inside its own work.
bool WorkerThreads::othersPending() const {
    const auto self = std::this_thread::get_id();
    for (const auto& t : threads_) {
        if (!t->returned && t->thread.get_id() != self) return true;
    }
    return false;
}

void WorkerThreads::joinReturned() {
    for (auto it = threads_.begin(); it != threads_.end();) {
        if ((*it)->returned || !(*it)->thread.joinable()) {
            if ((*it)->thread.joinable()) (*it)->thread.join();
            it = threads_.erase(it);
        } else {
            ++it;
        }
    }
}
