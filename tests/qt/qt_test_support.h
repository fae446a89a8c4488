#pragma once
// What the Qt view tests share: a window of lanset's made from its template and a view over it
// whose commands a recording logic takes, on the offscreen platform.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "view/qt/qt_dialog_view.h"
#include "view/window_logic.h"
#include "ui/qt/qt_front.h"

struct Command {
    int id;
    int notification;
    intptr_t value;
    std::thread::id thread;
};

// Takes every command; what a test wants done on one is its onCommand.
class RecordingLogic : public WindowLogic {
public:
    void opened() override {}
    void command(int id, int notification, intptr_t value) override {
        {
            std::lock_guard<std::mutex> hold(lock_);
            commands_.push_back({id, notification, value, std::this_thread::get_id()});
        }
        if (onCommand) onCommand(id, value);
    }
    std::vector<Command> commands() const {
        std::lock_guard<std::mutex> hold(lock_);
        return commands_;
    }
    size_t count() const { return commands().size(); }
    void clear() {
        std::lock_guard<std::mutex> hold(lock_);
        commands_.clear();
    }
    std::function<void(int id, intptr_t value)> onCommand;

private:
    mutable std::mutex lock_;
    std::vector<Command> commands_;
};

// Dialog templateId of lanset, shown, with a view whose commands go to logic.
class ShownWindow {
public:
    explicit ShownWindow(int templateId, bool modal = true) {
        const DialogTemplate* dialog = findDialogTemplate(lansetDialogTemplates(), templateId);
        if (dialog == nullptr) throw std::runtime_error("no such template");
        window = std::make_unique<DialogWindow>(*dialog, modal);
        view = std::make_unique<QtDialogView>(*window, modal ? QtDialogView::Kind::Modal
                                                             : QtDialogView::Kind::Modeless);
        view->setDispatch([this](int id, int notification, intptr_t value) {
            logic.command(id, notification, value);
        });
        // The recorder keeps events among its commands, by their codes.
        view->setEventDispatch([this](SessionEvent code, int32_t value) {
            logic.command(code, 0, value);
            return true;
        });
        window->setCommandHandler([this](int id, int notification) { view->dispatch(id, notification, 0); });
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    ~ShownWindow() {
        view->detach();
        window.reset();
    }
    template <typename Widget>
    Widget* control(int id) const {
        return dynamic_cast<Widget*>(window->control(id));
    }

    RecordingLogic logic;
    std::unique_ptr<DialogWindow> window;
    std::unique_ptr<QtDialogView> view;
};

// Calls act with the next message box once it is up, from inside the box's own loop (the
// window thread runs it until the box closes).
inline void onNextMessageBox(std::function<void(QMessageBox* box)> act) {
    auto* poll = new QTimer(QApplication::instance());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(box);
    });
    poll->start();
}
