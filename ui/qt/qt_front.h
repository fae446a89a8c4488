#pragma once
// lanset's Qt front end: the windows laid out from the program's dialog templates (ui/lanset.rc)
// around the toolkit-neutral logic. Shared by lanset-qt and its tests.
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "view/qt/dialog_template.h"
#include "view/qt/qt_dialog_host.h"
#include "view/window_logic.h"
#include "net/net_session.h"
#include "ui/auto_configure_dialog.h"

// The templates of ui/lanset.rc, made at build time.
std::span<const DialogTemplate> lansetDialogTemplates();

// Runs dialog templateId modally, owned by owner; returns the logic's result, 0 when the dialog
// could not be made.
int runLansetQtDialog(QWidget* owner, int templateId, const WindowFactory& make);

// The main window (IDD_MAIN) over session with its version title, opened, not yet shown. Its
// logic stops and waits for a running operation when the window goes. Null when it could not
// be made.
std::unique_ptr<QtModelessDialog> openLansetMainWindow(NetSession& session, AdapterSource adapters);

// "Tarnwick Lanset  1.2": the product name and version of the build.
std::string lansetVersionTitle();

// What the window thread does while it waits for a worker: it handles what workers send.
void handleSentCommandsBriefly();

// The host's first IPv4 adapter (not the loopback; one that is up first): its address, mask and
// default gateway (empty when it has none); nothing when there is no such adapter.
std::optional<AdapterAddresses> firstAdapterAddresses();

// The default gateway of interface in the text of /proc/net/route, dotted; empty when none.
std::string defaultGatewayOf(const std::string& routeTable, const std::string& interface);
