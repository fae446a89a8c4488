#include <QKeySequence>
#include <QShortcut>

#include "view/qt/sent_commands.h"
#include "view/version_title.h"
#include "ui/main_window.h"
#include "ui/qt/qt_front.h"
#include "ui/resource.h"

void handleSentCommandsBriefly() { sent::pump(1); }

std::string lansetVersionTitle() {
    return composeVersionTitle(LANSET_PRODUCT_NAME, LANSET_PRODUCT_VERSION);
}

int runLansetQtDialog(QWidget* owner, int templateId, const WindowFactory& make) {
    QtDialogSetup setup;
    setup.dialog = findDialogTemplate(lansetDialogTemplates(), templateId);
    setup.make = make;
    return runQtModalDialog(owner, setup);
}

std::unique_ptr<QtModelessDialog> openLansetMainWindow(NetSession& session, AdapterSource adapters) {
    QtDialogSetup setup;
    setup.dialog = findDialogTemplate(lansetDialogTemplates(), IDD_MAIN);
    setup.prepare = [](DialogWindow& window, QtDialogView& view) {
        view.setTitle(lansetVersionTitle());
        // The keys of the Windows program's accelerator table.
        for (const auto& [keys, command] : {std::pair{QKeySequence::Copy, IDM_LIST_COPY},
                                            std::pair{QKeySequence::Save, IDM_LIST_SAVE}}) {
            auto* shortcut = new QShortcut(QKeySequence(keys), &window);
            QObject::connect(shortcut, &QShortcut::activated, &window,
                             [&view, id = command] { view.dispatch(id, 0, 0); });
        }
    };
    setup.make = [&session, adapters](DialogView& view) -> std::unique_ptr<WindowLogic> {
        auto* qtView = dynamic_cast<QtDialogView*>(&view);
        if (qtView == nullptr) return nullptr;
        // The dialogs are owned by the main window.
        OpenModal openModal = [qtView](int templateId, const WindowFactory& make) {
            return runLansetQtDialog(qtView->window(), templateId, make);
        };
        return std::make_unique<MainWindow>(view, session, std::move(openModal), adapters,
                                            handleSentCommandsBriefly);
    };
    return QtModelessDialog::open(setup);
}
