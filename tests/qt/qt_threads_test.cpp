// Threads as on Windows: a worker's event reaches the window synchronously on the window
// thread, a worker's question is shown by the window thread, a wait of the window thread keeps
// handling what workers send, and a closed window releases every worker at once.
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>

#include "view/qt/sent_commands.h"
#include "tests/qt/qt_test_support.h"
#include "ui/resource.h"

namespace {

constexpr SessionEvent kEvent = EVT_FOUND;

// Waits, without handling anything, until a worker's command is queued.
bool queuedByWorker() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (sent::pending() == 0) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

}  // namespace

TEST(QtThreads, AWorkersEventIsHandledOnTheWindowThreadBeforeItsSendReturns) {
    ShownWindow main(IDD_MAIN, false);
    std::vector<size_t> handledWhenReturned;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(main.view->sendEvent(kEvent, i));
            handledWhenReturned.push_back(main.logic.count());
        }
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 10000));
    worker.join();
    EXPECT_EQ(handledWhenReturned, (std::vector<size_t>{1, 2, 3}));
    const std::vector<Command> commands = main.logic.commands();
    ASSERT_EQ(commands.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(commands[i].id, kEvent);
        EXPECT_EQ(commands[i].value, i);
        EXPECT_EQ(commands[i].thread, std::this_thread::get_id());
    }
    // On the window thread itself the event is handled at once.
    EXPECT_TRUE(main.view->sendEvent(kEvent, 9));
    EXPECT_EQ(main.logic.count(), 4u);
}

// A find's worker sends an event per board, back to back: the window thread takes them in a run,
// but its own events (a timer, input, painting) still have their turn. Each task here keeps the
// window thread a millisecond, so that while one runs the other senders' wait in the queue.
TEST(QtThreads, WorkersSendingWithoutPauseLeaveTheWindowItsOwnEvents) {
    std::atomic<bool> timerRan{false}, gaveUp{false};
    std::atomic<int> done{0};
    QTimer::singleShot(20, [&] { timerRan = true; });
    std::vector<std::thread> workers;
    for (int w = 0; w < 3; ++w) workers.emplace_back([&] {
        for (int i = 0; !timerRan && !(gaveUp = gaveUp || i == 200); ++i)
            sent::send(&done, [] { return QTest::qSleep(1), true; });
        ++done;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done == 3; }, 60000));
    for (std::thread& worker : workers) worker.join();
    EXPECT_FALSE(gaveUp) << "the timer waited until the senders stopped";
}

TEST(QtThreads, WaitWhileHandlesWhatWorkersSendAndNothingElse) {
    ShownWindow configure(IDD_CONFIGURE);
    std::atomic<bool> busy{true};
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    std::thread worker([&] {
        configure.view->sendEvent(kEvent, 1);
        configure.view->sendEvent(kEvent, 2);
        busy = false;
    });
    configure.view->waitWhile(busy);
    worker.join();
    EXPECT_EQ(configure.logic.count(), 2u);
    EXPECT_FALSE(timerRan) << "posted events and input wait for the event loop";
    EXPECT_TRUE(QTest::qWaitFor([&] { return timerRan; }, 1000));
}

TEST(QtThreads, AClosedWindowReleasesItsWorkersAndHandlesNothingMore) {
    ShownWindow configure(IDD_CONFIGURE);
    std::atomic<int> result{-1};
    std::thread worker([&] { result = configure.view->sendEvent(kEvent, 1) ? 1 : 0; });
    ASSERT_TRUE(queuedByWorker());
    configure.view->close(0);
    worker.join();
    EXPECT_EQ(result.load(), 0);
    EXPECT_FALSE(configure.window->isVisible());

    std::thread late([&] {
        EXPECT_FALSE(configure.view->sendEvent(kEvent, 2));
        EXPECT_EQ(configure.view->messageBox("Device not found", "Error", MessageButtons::RetryCancel),
                  MessageAnswer::None);
    });
    late.join();
    QTest::qWait(0);
    EXPECT_EQ(configure.logic.count(), 0u);
}

TEST(QtThreads, AWorkersQuestionIsShownByTheWindowThreadOwnedByTheWindow) {
    ShownWindow configure(IDD_CONFIGURE);
    std::atomic<int> answer{-1};
    bool shown = false;
    onNextMessageBox([&](QMessageBox* box) {
        shown = true;
        EXPECT_EQ(box->thread(), QThread::currentThread());
        EXPECT_EQ(box->parentWidget(), configure.window.get());
        EXPECT_EQ(box->windowTitle(), "Error");
        EXPECT_EQ(box->text(), "Device 025a00000001 not found");
        // While it is up, the window still takes what other workers send.
        std::thread sender([&] { EXPECT_TRUE(configure.view->sendEvent(kEvent, 5)); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return configure.logic.count() == 1; }, 10000));
        sender.join();
        box->button(QMessageBox::Retry)->click();
    });
    std::thread worker([&] {
        answer = static_cast<int>(configure.view->messageBox(
            "Device 025a00000001 not found", "Error", MessageButtons::RetryCancel));
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.load() != -1; }, 10000));
    worker.join();
    EXPECT_TRUE(shown);
    EXPECT_EQ(answer.load(), static_cast<int>(MessageAnswer::Retry));

    // A window that closes takes its open question down: the worker hears None.
    answer = -1;
    onNextMessageBox([&](QMessageBox*) { configure.view->close(0); });
    std::thread asker([&] {
        answer = static_cast<int>(configure.view->messageBox("Device not found", "Error",
                                                             MessageButtons::RetryCancel));
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.load() != -1; }, 10000));
    asker.join();
    EXPECT_EQ(answer.load(), static_cast<int>(MessageAnswer::None));
}

namespace {

// A dialog whose worker sends events until the window is gone; it closes on the third and
// joins its worker as it is destroyed, as the configuration dialogs wait for theirs.
class SendingDialog : public WindowLogic {
public:
    SendingDialog(DialogView& view, std::atomic<int>& lastSend, std::atomic<bool>& windowGoneFirst)
        : view_(view), lastSend_(lastSend), windowGoneFirst_(windowGoneFirst) {}
    ~SendingDialog() override {
        windowGoneFirst_ = dynamic_cast<QtDialogView&>(view_).window() == nullptr;
        worker_.join();
    }
    void opened() override {
        worker_ = std::thread([this] {
            int n = 0;
            while (view_.sendEvent(kEvent, n++)) {}
            lastSend_ = n;
        });
    }
    void command(int, int, intptr_t) override {}
    bool event(SessionEvent code, int32_t value) override {
        if (code == kEvent && value == 2) view_.close(EVT_COMPLETE);
        return true;
    }

private:
    DialogView& view_;
    std::atomic<int>& lastSend_;
    std::atomic<bool>& windowGoneFirst_;
    std::thread worker_;
};

}  // namespace

TEST(QtThreads, AModalDialogEndsWithItsResultAndItsLogicGoesAfterTheWindow) {
    std::atomic<int> lastSend{-1};
    std::atomic<bool> windowGoneFirst{false};
    ShownWindow main(IDD_MAIN, false);
    QtDialogSetup setup;
    setup.dialog = findDialogTemplate(lansetDialogTemplates(), IDD_CONFIGURE);
    setup.make = [&](DialogView& view) {
        return std::make_unique<SendingDialog>(view, lastSend, windowGoneFirst);
    };
    EXPECT_EQ(runQtModalDialog(main.window.get(), setup), EVT_COMPLETE);
    EXPECT_EQ(lastSend.load(), 4) << "the send after the close found the window gone";
    EXPECT_TRUE(windowGoneFirst.load());
}
