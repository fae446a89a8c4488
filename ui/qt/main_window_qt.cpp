#include <QKeySequence>
#include <QRect>
#include <QShortcut>

#include "view/qt/sent_commands.h"
#include "view/version_title.h"
#include "ui/main_window.h"
#include "ui/qt/qt_front.h"
#include "ui/resource.h"

namespace {

// Where the address fields stand, in dialog units, and which control Tab reaches them after.
struct AddressRow {
    int viewId;
    int y;
    int tabAfter;
};

struct AddressFields {
    int templateId;
    AddressRow rows[3];
};

constexpr int kFieldLeft = 83;
constexpr int kFieldWidth = 105;
constexpr int kFieldHeight = 14;

constexpr AddressFields kAddressFields[] = {
    {IDD_CONFIGURE,
     {{IDV_IP_ADDRESS, 36, IDC_CFG_IP_CHECK},
      {IDV_SUBNET_MASK, 55, IDV_IP_ADDRESS},
      {IDV_GATEWAY, 74, IDC_CFG_GATEWAY_CHECK}}},
    {IDD_AUTOCONFIGURE,
     {{IDV_IP_ADDRESS, 50, IDC_AUTO_IP_CHECK},
      {IDV_SUBNET_MASK, 69, IDV_IP_ADDRESS},
      {IDV_GATEWAY, 88, IDC_AUTO_GATEWAY_CHECK}}},
};

}  // namespace

void handleSentCommandsBriefly() { sent::pump(1); }

std::string lansetVersionTitle() {
    return composeVersionTitle(LANSET_PRODUCT_NAME, LANSET_PRODUCT_VERSION);
}

void addAddressFields(DialogWindow& window, int templateId) {
    for (const AddressFields& fields : kAddressFields) {
        if (fields.templateId != templateId) continue;
        for (const AddressRow& row : fields.rows) {
            window.addControl(row.viewId, new AddressField(&window),
                              QRect(kFieldLeft, row.y, kFieldWidth, kFieldHeight), row.tabAfter);
        }
    }
}

int runLansetQtDialog(QWidget* owner, int templateId, const WindowFactory& make) {
    QtDialogSetup setup;
    setup.dialog = findDialogTemplate(lansetDialogTemplates(), templateId);
    setup.make = make;
    setup.prepare = [templateId](DialogWindow& window, QtDialogView&) {
        addAddressFields(window, templateId);
    };
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
