#pragma once
// The threads that operations run on, one after another. A thread that waits for them keeps
// running a hook meanwhile: a window handles the events that a finishing worker sends it.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class WorkerThreads {
public:
    using Hook = std::function<void()>;

    WorkerThreads() = default;
    // Joins every thread but the caller's own (a worker that destroys its owner is left to end).
    ~WorkerThreads();
    WorkerThreads(const WorkerThreads&) = delete;
    WorkerThreads& operator=(const WorkerThreads&) = delete;

    // What a waiting thread runs between its looks; it yields when there is none.
    void setWaitHook(Hook hook);
    // Runs body on a thread of its own. False, with nothing started, when no thread can be made.
    bool start(std::function<void()> body);
    // Returns once every thread but the caller's own has returned, running the hook meanwhile.
    void waitForAll();
    // One turn of a waiter: the hook, or a yield.
    void waitTurn();
    // The calling thread runs the body started last.
    bool callerIsNewest() const;

private:
    struct Thread {
        std::thread thread;
        std::atomic<bool> returned{false};
    };
    bool othersPending() const;   // under lock_
    void joinReturned();          // under lock_

    mutable std::mutex lock_;
    std::vector<std::unique_ptr<Thread>> threads_;   // not yet joined; the last is the newest
    Hook hook_;
};
