#include "view/qt/qt_dialog_host.h"

#include <QEventLoop>

namespace {

template <typename Handler>
void guarded(Handler handler) {
    try {
        handler();
    } catch (...) {
        // A handler that failed leaves the window as it was.
    }
}

// Makes the logic over the view and routes the window's commands to it; null when it cannot be
// made.
std::unique_ptr<WindowLogic> attachLogic(const QtDialogSetup& setup, DialogWindow& window,
                                         QtDialogView& view) {
    if (setup.prepare) guarded([&] { setup.prepare(window, view); });
    std::unique_ptr<WindowLogic> logic;
    if (setup.make) guarded([&] { logic = setup.make(view); });
    if (!logic) return nullptr;
    WindowLogic* target = logic.get();
    view.setDispatch([target](int id, int notification, intptr_t value) {
        guarded([&] { target->command(id, notification, value); });
    });
    view.setEventDispatch([target](SessionEvent code, int32_t value) {
        bool answer = false;
        guarded([&] { answer = target->event(code, value); });
        return answer;
    });
    window.setCommandHandler([&view](int id, int notification) { view.dispatch(id, notification, 0); });
    window.setContextMenuHandler([target, &view](int id, const QPoint& at) {
        view.setMenuPoint(at);
        guarded([&] { target->contextMenu(id); });
    });
    guarded([&] { target->opened(); });
    return logic;
}

}  // namespace

int runQtModalDialog(QWidget* owner, const QtDialogSetup& setup) {
    if (setup.dialog == nullptr) return 0;
    auto window = std::make_unique<DialogWindow>(*setup.dialog, true, owner);
    QtDialogView view(*window, QtDialogView::Kind::Modal);
    QEventLoop loop;
    view.setEnded([&loop] { loop.quit(); });
    std::unique_ptr<WindowLogic> logic = attachLogic(setup, *window, view);
    if (logic && !view.closed()) {
        window->setWindowModality(Qt::ApplicationModal);
        window->show();
        loop.exec();
    }
    const int result = view.closed() ? view.result() : 0;
    view.detach();
    window.reset();
    logic.reset();   // before its view: it may wait for its worker
    return result;
}

std::unique_ptr<QtModelessDialog> QtModelessDialog::open(const QtDialogSetup& setup) {
    if (setup.dialog == nullptr) return nullptr;
    std::unique_ptr<QtModelessDialog> host(new QtModelessDialog());
    host->window_ = std::make_unique<DialogWindow>(*setup.dialog, false);
    host->view_ = std::make_unique<QtDialogView>(*host->window_, QtDialogView::Kind::Modeless);
    host->logic_ = attachLogic(setup, *host->window_, *host->view_);
    if (!host->logic_ || host->view_->closed()) return nullptr;
    return host;
}

QtModelessDialog::~QtModelessDialog() {
    if (view_) view_->detach();
    window_.reset();
    logic_.reset();   // before its view: the main window waits for a running operation
    view_.reset();
}
