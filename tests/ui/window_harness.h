#pragma once
// What the window-logic tests share: the engine over a simulated LAN, the fake window thread,
// a scripted modal-dialog seam, and a reader for configuration requests.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "net/net_session.h"
#include "tests/net/support/sim_channel.h"
#include "tests/support/fake_dialog_view.h"
#include "view/window_logic.h"

// The fields of one configuration request: tag -> value bytes.
using RequestFields = std::map<int, std::vector<uint8_t>>;

inline RequestFields decodeRequest(const std::vector<uint8_t>& bytes) {
    RequestFields fields;
    if (bytes.size() < 12) return fields;
    EXPECT_EQ(bytes[10], 2) << "not a configuration request";
    size_t at = 12;
    while (at + 2 <= bytes.size()) {
        const int tag = bytes[at];
        const size_t length = bytes[at + 1];
        if (at + 2 + length > bytes.size()) break;
        fields[tag] = std::vector<uint8_t>(bytes.begin() + static_cast<long>(at) + 2,
                                           bytes.begin() + static_cast<long>(at + 2 + length));
        at += 2 + length;
    }
    return fields;
}

inline std::vector<uint8_t> textBytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

enum Tag { kMac = 1, kIp = 2, kSubnet = 3, kGateway = 4, kDhcp = 5, kId = 6, kEcho = 7 };

// The simulated LAN and the one NetSession over it, with the fake window thread as the
// session's wait while a previous worker finishes.
class LanFixture : public ::testing::Test {
protected:
    LanFixture() : owned_(std::make_unique<SimChannel>()), lan(*owned_), session(std::move(owned_)) {
        session.setWorkerWait(&LanFixture::pumpOnce);
        session.devices.initialise();
    }
    ~LanFixture() override {
        session.stop();
        session.waitForWorker();
    }

    static void pumpOnce() {
        if (FakeDialogView::pumpAll() == 0) std::this_thread::yield();
    }

    // A find run straight on the engine, with no window: fills the device table.
    void findBoards() {
        ASSERT_TRUE(session.startFind(nullptr));
        session.waitForWorker();
    }

    // Where a test makes the network fail, the fake view's event entry hands the window a final
    // event whose value says so, as the engine's does.
    std::optional<int32_t> networkFlags;
    int32_t withNetworkFlags(SessionEvent code, int32_t value) const {
        return networkFlags && (code == EVT_COMPLETE || code == EVT_CANCELLED || code == EVT_BATCH_COMPLETE ||
                                code == EVT_BATCH_CANCELLED) ? *networkFlags : value;
    }

    std::vector<RequestFields> requests() const {
        std::vector<RequestFields> all;
        for (const SimDatagram& d : lan.configureRequests()) all.push_back(decodeRequest(d.bytes));
        return all;
    }

private:
    std::unique_ptr<SimChannel> owned_;

protected:
    SimChannel& lan;
    NetSession session;
};

// Runs a modal dialog's logic over a fresh fake view, as the platform's OpenModal would: the
// script plays the user and must end with the dialog closed.
class ModalRunner {
public:
    using Script = std::function<void(FakeDialogView& view, WindowLogic& logic)>;

    void setScript(Script script) { script_ = std::move(script); }
    // Runs after the dialog handled each event sent to it (the user acting at that moment).
    void setAfterEvent(std::function<void(WindowLogic& logic, SessionEvent code, int32_t value)> after) {
        after_ = std::move(after);
    }
    const std::vector<int>& opened() const { return opened_; }

    OpenModal seam() {
        return [this](int templateId, const WindowFactory& make) {
            opened_.push_back(templateId);
            FakeDialogView view;
            std::unique_ptr<WindowLogic> logic = make(view);
            view.attach([&](SessionEvent code, int32_t value) {
                const bool answer = logic->event(code, value);
                if (after_) after_(*logic, code, value);
                return answer;
            });
            logic->opened();
            if (script_) script_(view, *logic);
            view.pumpUntil([&] { return view.closed(); });
            const int result = view.result().value_or(-1);
            logic.reset();   // before its view: it waits for its worker
            return result;
        };
    }

private:
    Script script_;
    std::function<void(WindowLogic&, SessionEvent, int32_t)> after_;
    std::vector<int> opened_;
};

// The first message asked whether to send what would clash, naming it; the dialog stayed open.
inline void expectClashAsked(const FakeDialogView& view, const std::string& clash) {
    ASSERT_GE(view.messageCount(), 1u);
    const FakeDialogView::Message asked = view.messages()[0];
    EXPECT_NE(asked.text.find(clash), std::string::npos) << asked.text;
    EXPECT_EQ(std::make_tuple(asked.caption, asked.buttons),
              std::make_tuple(std::string("Warning"), MessageButtons::YesNoDefaultNo));
}

// The user's click on an automatic check box: the box toggles, then the dialog hears of it.
template <typename Logic>
void toggle(FakeDialogView& view, Logic& logic, int id) {
    view.check(id, !view.checked(id));
    logic.command(id, 0, 0);
}
