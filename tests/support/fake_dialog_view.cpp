#include "tests/support/fake_dialog_view.h"

#include <algorithm>
#include <condition_variable>
#include <memory>

#include <gtest/gtest.h>

namespace {

// One queue for every fake view: the messages sent to the windows of the one window thread.
struct Pending {
    FakeDialogView* view;
    SessionEvent code;
    int32_t value;
    bool done = false;
    bool handled = false;
};

std::mutex queueLock;
std::condition_variable queueChanged;
std::deque<std::shared_ptr<Pending>> queue;

void finish(const std::shared_ptr<Pending>& pending, bool handled) {
    std::lock_guard<std::mutex> hold(queueLock);
    pending->handled = handled;
    pending->done = true;
    queueChanged.notify_all();
}

// Sleeps briefly unless something is queued.
void idle() {
    std::unique_lock<std::mutex> hold(queueLock);
    queueChanged.wait_for(hold, std::chrono::milliseconds(1), [] { return !queue.empty(); });
}

MessageAnswer escapeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoDefaultNo: return MessageAnswer::No;
    case MessageButtons::RetryCancel: return MessageAnswer::Cancel;
    case MessageButtons::AbortRetryIgnore: return MessageAnswer::Abort;
    }
    return MessageAnswer::None;
}

}  // namespace

FakeDialogView::FakeDialogView() : windowThread_(std::this_thread::get_id()) {}

FakeDialogView::~FakeDialogView() {
    closed_ = true;
    std::lock_guard<std::mutex> hold(queueLock);
    for (auto it = queue.begin(); it != queue.end();) {
        if ((*it)->view == this) {
            (*it)->done = true;
            it = queue.erase(it);
        } else {
            ++it;
        }
    }
    queueChanged.notify_all();
}

void FakeDialogView::attach(Handler handler) {
    std::lock_guard<std::mutex> hold(lock_);
    handler_ = std::move(handler);
}

// --- Message boxes ---------------------------------------------------------------------------

void FakeDialogView::queueAnswer(MessageAnswer answer) {
    std::lock_guard<std::mutex> hold(lock_);
    answers_.push_back(answer);
}

void FakeDialogView::setResponder(Responder responder) {
    std::lock_guard<std::mutex> hold(lock_);
    responder_ = std::move(responder);
}

std::vector<FakeDialogView::Message> FakeDialogView::messages() const {
    std::lock_guard<std::mutex> hold(lock_);
    return messages_;
}

size_t FakeDialogView::messageCount() const {
    std::lock_guard<std::mutex> hold(lock_);
    return messages_.size();
}

std::optional<FakeDialogView::Message> FakeDialogView::lastMessage() const {
    std::lock_guard<std::mutex> hold(lock_);
    if (messages_.empty()) return std::nullopt;
    return messages_.back();
}

void FakeDialogView::clearMessages() {
    std::lock_guard<std::mutex> hold(lock_);
    messages_.clear();
}

MessageAnswer FakeDialogView::messageBox(const std::string& text, const std::string& caption,
                                         MessageButtons buttons) {
    if (closed_) return MessageAnswer::None;
    Message message{text, caption, buttons};
    Responder responder;
    {
        std::lock_guard<std::mutex> hold(lock_);
        messages_.push_back(message);
        if (!answers_.empty()) {
            MessageAnswer answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        responder = responder_;
    }
    return responder ? responder(message) : escapeAnswer(buttons);
}

// --- Menus, the clipboard and the save dialog --------------------------------------------------

void FakeDialogView::queueMenuChoice(int id) {
    std::lock_guard<std::mutex> hold(lock_);
    menuChoices_.push_back(id);
}

std::vector<std::vector<MenuItem>> FakeDialogView::menus() const {
    std::lock_guard<std::mutex> hold(lock_);
    return menus_;
}

int FakeDialogView::popupMenu(const std::vector<MenuItem>& items) {
    std::lock_guard<std::mutex> hold(lock_);
    menus_.push_back(items);
    if (menuChoices_.empty()) return 0;
    const int choice = menuChoices_.front();
    menuChoices_.pop_front();
    return choice;
}

std::string FakeDialogView::clipboard() const {
    std::lock_guard<std::mutex> hold(lock_);
    return clipboard_;
}

void FakeDialogView::failClipboard(bool fail) {
    std::lock_guard<std::mutex> hold(lock_);
    clipboardFails_ = fail;
}

std::string FakeDialogView::shownText(const std::string& bytes) { return bytes; }

bool FakeDialogView::setClipboardText(const std::string& text) {
    std::lock_guard<std::mutex> hold(lock_);
    if (clipboardFails_) return false;
    clipboard_ = text;
    return true;
}

void FakeDialogView::queueSaveFileName(std::optional<std::filesystem::path> name) {
    std::lock_guard<std::mutex> hold(lock_);
    saveNames_.push_back(std::move(name));
}

std::vector<SaveFileRequest> FakeDialogView::saveRequests() const {
    std::lock_guard<std::mutex> hold(lock_);
    return saveRequests_;
}

std::optional<std::filesystem::path> FakeDialogView::askSaveFileName(const SaveFileRequest& request) {
    std::lock_guard<std::mutex> hold(lock_);
    saveRequests_.push_back(request);
    if (saveNames_.empty()) return std::nullopt;
    auto name = std::move(saveNames_.front());
    saveNames_.pop_front();
    return name;
}

// --- State read by tests ---------------------------------------------------------------------

FakeDialogView::Control& FakeDialogView::control(int id) { return controls_[id]; }

const FakeDialogView::Control* FakeDialogView::find(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

bool FakeDialogView::closed() const { return closed_; }

std::optional<int> FakeDialogView::result() const {
    std::lock_guard<std::mutex> hold(lock_);
    return result_;
}

std::string FakeDialogView::title() const {
    std::lock_guard<std::mutex> hold(lock_);
    return title_;
}

std::string FakeDialogView::text(int id) const {
    return readControl(id, [](const Control& c) { return c.text; }, std::string());
}

std::vector<std::string> FakeDialogView::textHistory(int id) const {
    return readControl(id, [](const Control& c) { return c.history; }, std::vector<std::string>());
}

std::vector<std::string> FakeDialogView::listLines(int id) const {
    return readControl(id, [](const Control& c) { return c.lines; }, std::vector<std::string>());
}

std::vector<int> FakeDialogView::listSelection(int id) const {
    return listSelItemsOf(id, INT32_MAX);
}

std::vector<int> FakeDialogView::tabStops(int id) const {
    return readControl(id, [](const Control& c) { return c.tabStops; }, std::vector<int>());
}

bool FakeDialogView::controlKnown(int id) const {
    return readControl(id, [](const Control&) { return true; }, false);
}

bool FakeDialogView::enabled(int id) const {
    return readControl(id, [](const Control& c) { return c.enabled; }, true);
}

bool FakeDialogView::checked(int id) const {
    return readControl(id, [](const Control& c) { return c.checked; }, false);
}

std::vector<std::pair<int, int32_t>> FakeDialogView::handledEvents() const {
    std::lock_guard<std::mutex> hold(lock_);
    return handled_;
}

void FakeDialogView::selectLines(int id, const std::vector<int>& lines, int caret) {
    onControl(id, [&](Control& c) {
        std::fill(c.selected.begin(), c.selected.end(), false);
        for (int line : lines) {
            if (line >= 0 && line < static_cast<int>(c.selected.size())) c.selected[line] = true;
        }
        c.caret = caret < static_cast<int>(c.lines.size()) ? caret : -1;
    });
}

// --- Window thread ---------------------------------------------------------------------------

size_t FakeDialogView::pumpAll() {
    size_t taken = 0;
    for (;;) {
        std::shared_ptr<Pending> pending;
        {
            std::lock_guard<std::mutex> hold(queueLock);
            if (queue.empty()) return taken;
            pending = queue.front();
            queue.pop_front();
        }
        ++taken;
        FakeDialogView* view = pending->view;
        Handler handler;
        if (!view->closed_) {
            std::lock_guard<std::mutex> hold(view->lock_);
            handler = view->handler_;
            view->handled_.emplace_back(pending->code, pending->value);
        }
        finish(pending, handler && handler(pending->code, pending->value));
    }
}

size_t FakeDialogView::pendingEvents() {
    std::lock_guard<std::mutex> hold(queueLock);
    return queue.size();
}

bool FakeDialogView::pumpUntil(const std::function<bool()>& done,
                               std::chrono::milliseconds guard) {
    auto deadline = std::chrono::steady_clock::now() + guard;
    for (;;) {
        pumpAll();
        if (done()) return true;
        if (std::chrono::steady_clock::now() > deadline) {
            ADD_FAILURE() << "pumpUntil: condition not met within " << guard.count() << " ms";
            return false;
        }
        idle();
    }
}

void FakeDialogView::waitWhile(const std::atomic<bool>& flag) {
    auto deadline = std::chrono::steady_clock::now() + kGuard;
    while (flag.load()) {
        if (pumpAll() != 0) continue;
        if (std::chrono::steady_clock::now() > deadline) {
            ADD_FAILURE() << "waitWhile: flag still set after " << kGuard.count() << " ms";
            return;
        }
        idle();
    }
}

bool FakeDialogView::sendEvent(SessionEvent code, int32_t value) {
    if (closed_) return false;
    if (std::this_thread::get_id() == windowThread_) {
        Handler handler;
        {
            std::lock_guard<std::mutex> hold(lock_);
            handler = handler_;
            handled_.emplace_back(code, value);
        }
        return handler && handler(code, value);
    }
    auto pending = std::make_shared<Pending>(Pending{this, code, value});
    std::unique_lock<std::mutex> hold(queueLock);
    queue.push_back(pending);
    queueChanged.notify_all();
    queueChanged.wait(hold, [&] { return pending->done; });
    return pending->handled;
}

void FakeDialogView::close(int result) {
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (!result_) result_ = result;
    }
    closed_ = true;
}

// --- Controls -------------------------------------------------------------------------------

void FakeDialogView::setTitle(const std::string& text) {
    std::lock_guard<std::mutex> hold(lock_);
    title_ = text;
}

void FakeDialogView::setText(int id, const std::string& text) {
    onControl(id, [&](Control& c) {
        c.text = text;
        c.history.push_back(text);
    });
}

std::string FakeDialogView::getText(int id, size_t maxChars) {
    return onControl(id, [&](Control& c) { return c.text.substr(0, maxChars); });
}

void FakeDialogView::enable(int id, bool on) {
    onControl(id, [&](Control& c) { c.enabled = on; });
}

bool FakeDialogView::isEnabled(int id) { return enabled(id); }

void FakeDialogView::check(int id, bool on) {
    onControl(id, [&](Control& c) { c.checked = on; });
}

bool FakeDialogView::isChecked(int id) { return checked(id); }

void FakeDialogView::checkRadio(int firstId, int lastId, int checkedId) {
    for (int id = firstId; id <= lastId; ++id) check(id, id == checkedId);
}

void FakeDialogView::listReset(int id) {
    onControl(id, [](Control& c) {
        c.lines.clear();
        c.selected.clear();
        c.caret = -1;
    });
}

int FakeDialogView::listAdd(int id, const std::string& line) {
    return onControl(id, [&](Control& c) {
        c.lines.push_back(line);
        c.selected.push_back(false);
        return static_cast<int>(c.lines.size()) - 1;
    });
}

void FakeDialogView::listInsert(int id, int index, const std::string& line) {
    onControl(id, [&](Control& c) {
        const int count = static_cast<int>(c.lines.size());
        if (index < 0 || index > count) index = count;
        c.lines.insert(c.lines.begin() + index, line);
        c.selected.insert(c.selected.begin() + index, false);
        if (c.caret >= index) ++c.caret;
    });
}

void FakeDialogView::listDelete(int id, int index) {
    onControl(id, [&](Control& c) {
        if (index < 0 || index >= static_cast<int>(c.lines.size())) return;
        c.lines.erase(c.lines.begin() + index);
        c.selected.erase(c.selected.begin() + index);
        if (c.caret > index || c.caret >= static_cast<int>(c.lines.size())) --c.caret;
    });
}

int FakeDialogView::listCount(int id) { return static_cast<int>(listLines(id).size()); }

int FakeDialogView::listCurSel(int id) {
    return readControl(id, [](const Control& c) { return c.caret; }, -1);
}

void FakeDialogView::listSetCurSel(int id, int index) {
    onControl(id, [&](Control& c) {
        std::fill(c.selected.begin(), c.selected.end(), false);
        const bool line = index >= 0 && index < static_cast<int>(c.lines.size());
        if (line) c.selected[index] = true;
        c.caret = line ? index : -1;
    });
}

int FakeDialogView::listSelCount(int id) { return static_cast<int>(listSelection(id).size()); }

std::vector<int> FakeDialogView::listSelItems(int id, int max) { return listSelItemsOf(id, max); }

std::vector<int> FakeDialogView::listSelItemsOf(int id, int max) const {
    return readControl(id, [max](const Control& c) {
        std::vector<int> items;
        for (size_t i = 0; i < c.selected.size() && static_cast<int>(items.size()) < max; ++i)
            if (c.selected[i]) items.push_back(static_cast<int>(i));
        return items;
    }, std::vector<int>());
}

void FakeDialogView::listClearSelection(int id) {
    onControl(id, [](Control& c) { std::fill(c.selected.begin(), c.selected.end(), false); });
}

void FakeDialogView::listSetTabStops(int id, const std::vector<int>& stops) {
    onControl(id, [&](Control& c) { c.tabStops = stops; });
}
