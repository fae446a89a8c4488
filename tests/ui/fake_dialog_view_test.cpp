// The recording fake is what every window-logic test stands on: its hand-over of sent commands
// between threads, and its message-box script, must behave like the real window thread.
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "tests/support/fake_dialog_view.h"

namespace {

// Looks until done holds, for at most a few seconds.
bool waitUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

TEST(FakeDialogView, SentEventRunsOnTheWindowThreadOnlyAndCarriesTheAnswerBack) {
    FakeDialogView view;
    std::vector<std::pair<int, int32_t>> seen;
    view.attach([&](SessionEvent code, int32_t value) {
        seen.emplace_back(code, value);
        return code != EVT_TOO_MANY;
    });

    std::atomic<bool> returned{false};
    std::atomic<bool> handled{false};
    std::thread worker([&] {
        handled = view.sendEvent(EVT_BROADCAST, 7);
        returned = true;
    });
    // Queued, and the sender held: nothing runs the handler but the window thread.
    ASSERT_TRUE(waitUntil([] { return FakeDialogView::pendingEvents() == 1; }));
    EXPECT_FALSE(returned);
    EXPECT_TRUE(seen.empty());

    ASSERT_TRUE(view.pumpUntil([&] { return returned.load(); }));
    worker.join();
    EXPECT_TRUE(handled);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_pair(int{EVT_BROADCAST}, int32_t{7}));
    EXPECT_EQ(view.handledEvents(), seen);

    // On the window thread itself it runs at once; the logic's "no" comes back as false.
    EXPECT_FALSE(view.sendEvent(EVT_TOO_MANY, 0));
    EXPECT_EQ(seen.size(), 2u);
}

TEST(FakeDialogView, AClosedViewHandlesNothingAndReleasesWaitingSenders) {
    FakeDialogView view;
    int calls = 0;
    view.attach([&](SessionEvent, int32_t) { return ++calls > 0; });

    std::atomic<int> result{-1};
    std::thread worker([&] { result = view.sendEvent(EVT_COMPLETE, 0) ? 1 : 0; });
    // The event is queued; the window closes before it is pumped.
    ASSERT_TRUE(waitUntil([] { return FakeDialogView::pendingEvents() == 1; }));
    view.close(0);
    FakeDialogView::pumpAll();
    worker.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(view.sendEvent(EVT_CANCELLED, 0));
    EXPECT_EQ(view.messageBox("text", "Error", MessageButtons::RetryCancel), MessageAnswer::None);
    EXPECT_EQ(view.messageCount(), 0u);
    EXPECT_EQ(view.result(), 0);
}

TEST(FakeDialogView, DestroyingAViewReleasesASenderStillQueued) {
    auto view = std::make_unique<FakeDialogView>();
    FakeDialogView* target = view.get();
    std::atomic<bool> sent{true};
    std::thread worker([&] { sent = target->sendEvent(EVT_FOUND, 1); });
    ASSERT_TRUE(waitUntil([] { return FakeDialogView::pendingEvents() == 1; }));
    view.reset();
    worker.join();
    EXPECT_FALSE(sent);
}

TEST(FakeDialogView, MessageBoxesAreRecordedAndAnsweredFromTheScript) {
    FakeDialogView view;
    view.queueAnswer(MessageAnswer::Retry);
    EXPECT_EQ(view.messageBox("a", "Error", MessageButtons::RetryCancel), MessageAnswer::Retry);
    // Without a script each box gets its escape answer.
    EXPECT_EQ(view.messageBox("b", "Error", MessageButtons::RetryCancel), MessageAnswer::Cancel);
    EXPECT_EQ(view.messageBox("c", "Error", MessageButtons::AbortRetryIgnore), MessageAnswer::Abort);
    EXPECT_EQ(view.messageBox("d", "Warning", MessageButtons::YesNo), MessageAnswer::No);
    view.setResponder([](const FakeDialogView::Message& m) {
        return m.caption == "Warning" ? MessageAnswer::Yes : MessageAnswer::Ok;
    });
    EXPECT_EQ(view.messageBox("e", "Warning", MessageButtons::YesNo), MessageAnswer::Yes);

    // From another thread too.
    MessageAnswer fromWorker = MessageAnswer::None;
    std::thread worker([&] { fromWorker = view.messageBox("f", "Alert", MessageButtons::Ok); });
    worker.join();
    EXPECT_EQ(fromWorker, MessageAnswer::Ok);

    auto all = view.messages();
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[0].text, "a");
    EXPECT_EQ(all[3].caption, "Warning");
    EXPECT_EQ(all[3].buttons, MessageButtons::YesNo);
    EXPECT_EQ(view.lastMessage()->text, "f");
}

TEST(FakeDialogView, WaitWhileKeepsHandlingSentEvents) {
    FakeDialogView view;
    std::atomic<bool> busy{true};
    int calls = 0;
    view.attach([&](SessionEvent, int32_t) { return ++calls > 0; });
    std::thread worker([&] {
        // The worker cannot clear the flag until its event has been handled.
        view.sendEvent(EVT_BROADCAST, 0);
        busy = false;
    });
    view.waitWhile(busy);
    worker.join();
    EXPECT_EQ(calls, 1);
}

TEST(FakeDialogView, ListBoxesKeepLinesSelectionAndCaret) {
    FakeDialogView view;
    const int list = 10;
    EXPECT_EQ(view.listCurSel(list), -1);
    for (const char* line : {"a", "b", "c", "d"}) view.listAdd(list, line);
    view.selectLines(list, {1, 3}, 3);
    EXPECT_EQ(view.listSelCount(list), 2);
    EXPECT_EQ(view.listSelItems(list, 1), std::vector<int>{1});
    EXPECT_EQ(view.listCurSel(list), 3);

    view.listDelete(list, 1);
    view.listInsert(list, 1, "B");
    EXPECT_EQ(view.listLines(list), (std::vector<std::string>{"a", "B", "c", "d"}));
    EXPECT_EQ(view.listSelection(list), std::vector<int>{3});  // a rewritten line is not selected

    view.listClearSelection(list);
    EXPECT_EQ(view.listSelCount(list), 0);
    view.listSetCurSel(list, 2);
    EXPECT_EQ(view.listSelection(list), std::vector<int>{2});
    view.listReset(list);
    EXPECT_EQ(view.listCount(list), 0);
    EXPECT_EQ(view.listCurSel(list), -1);
}

}  // namespace
