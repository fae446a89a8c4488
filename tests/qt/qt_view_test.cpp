// The Qt view's mapping of lanset's templates: layout, texts, kinds of control, tab order,
// accessible names, the list's tab stops and extended selection, and the address fields; each
// driven through the real widgets as a user would.
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <fstream>
#include <sstream>

#include "net/net_session.h"
#include "tests/qt/qt_test_support.h"
#include "ui/list_export.h"
#include "ui/resource.h"

namespace {

// Dialog units as Windows maps them (a quarter of the horizontal base unit, an eighth of the
// font height), with the window's horizontal base.
QRect inPixels(const DialogWindow& window, int x, int y, int width, int height) {
    const int across = window.units().baseX;
    const int down = QFontMetrics(window.font()).height();
    const auto h = [&](int units) { return (units * across + 2) / 4; };
    const auto v = [&](int units) { return (units * down + 4) / 8; };
    return QRect(h(x), v(y), h(width), v(height));
}

// The horizontal base is the font's average letter width, or more where a text would not fit
// its control; every label, check box and radio button then shows its whole text.
void expectWholeTexts(const DialogWindow& window) {
    const QFontMetrics metrics(window.font());
    const int average =
        (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
    EXPECT_GE(window.units().baseX, average);
    EXPECT_LE(window.units().baseX, 2 * average) << "the font's texts are far wider than its letters";
    for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool text = dynamic_cast<QLabel*>(w) || dynamic_cast<QCheckBox*>(w) || dynamic_cast<QRadioButton*>(w);
        if (!text) continue;
        EXPECT_GE(w->width(), w->sizeHint().width())
            << window.windowTitle().toStdString() << ": " << w->accessibleName().toStdString();
    }
}

std::vector<int> idsOf(const DialogWindow& window, const std::vector<QWidget*>& widgets,
                       const std::vector<int>& candidates) {
    std::vector<int> ids;
    for (QWidget* widget : widgets)
        for (int id : candidates)
            if (window.control(id) == widget) ids.push_back(id);
    return ids;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

// The name of what a screen reader gives as widget's label (labelled-by), or empty.
QString labelOf(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible == nullptr) return {};
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

void clickLine(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QRect line = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, line.center());
}

}  // namespace

TEST(QtLayout, WindowsTakeTheTemplatesSizesPlacesTextsAndKinds) {
    ShownWindow main(IDD_MAIN, false);
    EXPECT_EQ(main.window->size(), inPixels(*main.window, 0, 0, 330, 141).size());
    EXPECT_EQ(main.window->control(IDC_DEVICE_LIST)->geometry(), inPixels(*main.window, 7, 14, 234, 105));
    EXPECT_EQ(main.window->control(IDC_FIND)->geometry(), inPixels(*main.window, 254, 12, 69, 14));
    EXPECT_EQ(main.window->control(IDC_STOP_FIND)->geometry(), inPixels(*main.window, 191, 124, 48, 14));
    EXPECT_EQ(main.control<QPushButton>(IDC_AUTO_CONFIGURE)->text(), "Auto Configure");
    EXPECT_EQ(main.control<QPushButton>(IDCANCEL)->text(), "Exit");
    EXPECT_EQ(main.control<QListWidget>(IDC_DEVICE_LIST)->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(main.window->windowTitle(), "Tarnwick Lanset");
    expectWholeTexts(*main.window);

    ShownWindow configure(IDD_CONFIGURE);
    EXPECT_EQ(configure.window->size(), inPixels(*configure.window, 0, 0, 203, 154).size());
    EXPECT_EQ(configure.window->windowTitle(), "Ethernet Board Configure");
    expectWholeTexts(*configure.window);
    EXPECT_EQ(configure.window->control(IDC_CFG_ID_EDIT)->geometry(), inPixels(*configure.window, 83, 16, 105, 14));
    EXPECT_EQ(configure.window->control(IDV_SUBNET_MASK)->geometry(), inPixels(*configure.window, 83, 55, 105, 14));
    EXPECT_EQ(configure.control<QCheckBox>(IDC_CFG_GATEWAY_CHECK)->text(), "Default Gateway:");
    ASSERT_NE(configure.control<QRadioButton>(IDC_CFG_DHCP_YES), nullptr);
    EXPECT_EQ(dynamic_cast<ManualRadioButton*>(configure.window->control(IDC_CFG_DHCP_YES)), nullptr)
        << "the configure dialog's radio buttons are automatic";

    ShownWindow autoConfigure(IDD_AUTOCONFIGURE);
    EXPECT_EQ(autoConfigure.window->size(), inPixels(*autoConfigure.window, 0, 0, 203, 204).size());
    EXPECT_EQ(autoConfigure.window->windowTitle(), "Ethernet Board Auto Configure");
    expectWholeTexts(*autoConfigure.window);
    EXPECT_EQ(autoConfigure.window->control(IDC_AUTO_SEQUENCE)->geometry(),
              inPixels(*autoConfigure.window, 165, 33, 23, 14));
    EXPECT_EQ(autoConfigure.window->control(IDV_GATEWAY)->geometry(), inPixels(*autoConfigure.window, 83, 88, 105, 14));
    EXPECT_EQ(autoConfigure.control<QRadioButton>(IDC_AUTO_MODE_FIND)->text(), "Find and Configure all devices");
    EXPECT_NE(dynamic_cast<ManualRadioButton*>(autoConfigure.window->control(IDC_AUTO_MODE_ALL)), nullptr)
        << "the auto-configure dialog's radio buttons are checked by its logic";
}

TEST(QtLayout, TabVisitsTheTemplatesTabStopsInOrderWithTheAddressFieldsByTheirRows) {
    ShownWindow main(IDD_MAIN, false);
    EXPECT_EQ(idsOf(*main.window, main.window->tabOrder(),
                    {IDC_DEVICE_LIST, IDC_FIND, IDC_CONFIGURE, IDC_AUTO_CONFIGURE, IDCANCEL, IDC_STOP_FIND}),
              (std::vector<int>{IDC_DEVICE_LIST, IDC_FIND, IDC_CONFIGURE, IDC_AUTO_CONFIGURE, IDCANCEL,
                                IDC_STOP_FIND}));

    // The real focus chain, key by key, through the configure dialog (every control enabled). A
    // group of automatic radio buttons is one stop, at its checked button; arrows move in it.
    ShownWindow configure(IDD_CONFIGURE);
    constexpr int kDhcpChoice = -2;
    const std::vector<int> expected{IDC_CFG_ID_CHECK,   IDC_CFG_ID_EDIT,       IDC_CFG_IP_CHECK,
                                    IDV_IP_ADDRESS,     IDV_SUBNET_MASK,       IDC_CFG_GATEWAY_CHECK,
                                    IDV_GATEWAY,        IDC_CFG_DHCP_CHECK,    kDhcpChoice,
                                    IDC_CFG_CONFIGURE,  IDCANCEL,              IDC_CFG_ID_CHECK};
    configure.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() != nullptr; }));
    std::vector<int> visited;
    for (size_t i = 0; i < expected.size(); ++i) {
        visited.push_back(-1);
        for (int id : expected)
            if (configure.window->control(id) == QApplication::focusWidget()) visited.back() = id;
        for (int id : {IDC_CFG_DHCP_YES, IDC_CFG_DHCP_NO})
            if (configure.window->control(id) == QApplication::focusWidget()) visited.back() = kDhcpChoice;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

TEST(QtLayout, EveryControlHasItsLabelAsAccessibleName) {
    for (int templateId : {IDD_MAIN, IDD_CONFIGURE, IDD_AUTOCONFIGURE}) {
        ShownWindow shown(templateId, templateId != IDD_MAIN);
        for (QWidget* widget : shown.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (widget->testAttribute(Qt::WA_TransparentForMouseEvents)) continue;   // frames
            EXPECT_FALSE(accessibleName(widget).isEmpty() && labelOf(widget).isEmpty())
                << "template " << templateId << ": " << widget->metaObject()->className() << " at "
                << widget->x() << "," << widget->y() << " has no accessible name and no label";
            if (dynamic_cast<QRadioButton*>(widget) != nullptr) {
                EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->role(), QAccessible::RadioButton)
                    << templateId << ": " << widget->accessibleName().toStdString();
            }
        }
    }
    // A row with a label is a text that the window writes (a status line): it reads as what it
    // shows, labelled by the text before it. (Qt announces changes only to a listening reader:
    // the end-to-end test hears them.)
    struct Named {
        int templateId, id;
        const char* name;
        const char* label = nullptr;
    };
    for (const Named& n : {Named{IDD_MAIN, IDC_DEVICE_LIST, "ID SN IP"},
                           Named{IDD_MAIN, IDC_STATUS, "Finished.  Found 5 devices", "Status"},
                           Named{IDD_MAIN, IDC_STOP_FIND, "Stop Find"}, Named{IDD_CONFIGURE, IDC_CFG_ID_EDIT, "ID"},
                           Named{IDD_CONFIGURE, IDV_IP_ADDRESS, "IP Address"},
                           Named{IDD_CONFIGURE, IDV_SUBNET_MASK, "Subnet Mask"},
                           Named{IDD_CONFIGURE, IDV_GATEWAY, "Default Gateway"},
                           Named{IDD_CONFIGURE, IDC_STATUS, "Broadcast 3", "Configure Status"},
                           Named{IDD_AUTOCONFIGURE, IDV_IP_ADDRESS, "Start IP Address"},
                           Named{IDD_AUTOCONFIGURE, IDC_AUTO_SEQUENCE, "Sequence Number start"},
                           Named{IDD_AUTOCONFIGURE, IDC_AUTO_PHASE, "Configuring...", "Status"},
                           Named{IDD_AUTOCONFIGURE, IDC_STATUS, "Device 3Configured", "Status"}}) {
        ShownWindow shown(n.templateId, n.templateId != IDD_MAIN);
        QWidget* control = shown.window->control(n.id);
        if (n.label != nullptr) {
            shown.view->setText(n.id, n.name);
            EXPECT_EQ(labelOf(control).toStdString(), n.label) << n.templateId << "/" << n.id;
        }
        EXPECT_EQ(accessibleName(control).toStdString(), n.name) << n.templateId << "/" << n.id;
    }
}

TEST(QtList, LinesAlignUnderTheHeadingsByTheTabStop) {
    ShownWindow main(IDD_MAIN, false);
    QtDialogView& view = *main.view;
    view.listSetTabStops(IDC_DEVICE_LIST, {70});
    view.listAdd(IDC_DEVICE_LIST, "Sim0000\t025a00000001\t192.168.10.101");
    auto* list = main.control<QListWidget>(IDC_DEVICE_LIST);
    auto* stops = dynamic_cast<TabStopDelegate*>(list->itemDelegate());
    ASSERT_NE(stops, nullptr);
    const DialogUnits& units = main.window->units();
    const QFontMetrics metrics(list->font());
    EXPECT_EQ(stops->partStarts("Sim0000\t025a00000001\t192.168.10.101", metrics),
              (std::vector<int>{0, units.x(70), 2 * units.x(70)}))
        << "one stop: a stop every so many units, converted once (LB_SETTABSTOPS)";
    // A part wider than a column pushes the next to the following stop.
    EXPECT_EQ(stops->partStarts(QString(40, 'W') + "\tx", metrics)[1] % units.x(70), 0);
    EXPECT_GT(stops->partStarts(QString(40, 'W') + "\tx", metrics)[1], units.x(70));

    // The columns start under "SN" and "IP" (the headings stand 2 units right of the list).
    const int columns = list->viewport()->mapTo(main.window.get(), QPoint(0, 0)).x();
    const std::vector<QLabel*> labels = [&] {
        std::vector<QLabel*> found;
        for (QLabel* label : main.window->findChildren<QLabel*>())
            if (label->text() == "SN" || label->text() == "IP") found.push_back(label);
        return found;
    }();
    ASSERT_EQ(labels.size(), 2u);
    for (QLabel* heading : labels) {
        const int stop = heading->text() == "SN" ? units.x(70) : 2 * units.x(70);
        EXPECT_NEAR(heading->x(), columns + stop, units.x(4)) << heading->text().toStdString();
    }
}

TEST(QtList, ExtendedSelectionWithShiftAndCtrlKeepsTheCurrentLineApart) {
    ShownWindow main(IDD_MAIN, false);
    QtDialogView& view = *main.view;
    for (int i = 0; i < 6; ++i) view.listAdd(IDC_DEVICE_LIST, "Board" + std::to_string(i));
    auto* list = main.control<QListWidget>(IDC_DEVICE_LIST);
    EXPECT_EQ(main.logic.count(), 0u) << "lines the logic adds notify nothing";

    clickLine(list, 1);
    EXPECT_EQ(view.listCurSel(IDC_DEVICE_LIST), 1);
    EXPECT_EQ(view.listSelCount(IDC_DEVICE_LIST), 1);
    clickLine(list, 3, Qt::ShiftModifier);
    EXPECT_EQ(view.listSelItems(IDC_DEVICE_LIST, 256), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(view.listCurSel(IDC_DEVICE_LIST), 3);
    clickLine(list, 2, Qt::ControlModifier);
    EXPECT_EQ(view.listSelItems(IDC_DEVICE_LIST, 256), (std::vector<int>{1, 3}));
    EXPECT_EQ(view.listCurSel(IDC_DEVICE_LIST), 2) << "the current line need not be selected";
    EXPECT_EQ(view.listSelItems(IDC_DEVICE_LIST, 1), (std::vector<int>{1}));

    const std::vector<Command> commands = main.logic.commands();
    ASSERT_GE(commands.size(), 3u);
    for (const Command& c : commands) {
        EXPECT_EQ(c.id, IDC_DEVICE_LIST);
        EXPECT_EQ(c.notification, kListSelChange);
    }

    main.logic.clear();
    view.listClearSelection(IDC_DEVICE_LIST);
    view.listDelete(IDC_DEVICE_LIST, 0);
    view.listInsert(IDC_DEVICE_LIST, 0, "Board0 again");
    EXPECT_EQ(view.listSelCount(IDC_DEVICE_LIST), 0);
    EXPECT_EQ(view.listCount(IDC_DEVICE_LIST), 6);
    EXPECT_EQ(list->item(0)->text(), "Board0 again");
    EXPECT_EQ(main.logic.count(), 0u) << "the logic's own changes are no selection change";

    // A screen reader selects a line by its Toggle action, while the focus frame stands on
    // another (Tab into the list puts it on the first): the line it selected is the current one.
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(list)->child(4);
    ASSERT_TRUE(line != nullptr && line->actionInterface() != nullptr);
    EXPECT_EQ(line->text(QAccessible::Name), "Board4");
    line->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(view.listSelItems(IDC_DEVICE_LIST, 256), (std::vector<int>{4}));
    EXPECT_EQ(view.listCurSel(IDC_DEVICE_LIST), 4);
    ASSERT_EQ(main.logic.count(), 1u);
    EXPECT_EQ(main.logic.commands()[0].notification, kListSelChange);
}

TEST(QtEntry, AddressFieldsTakeDottedQuadsOnly) {
    ShownWindow configure(IDD_CONFIGURE);
    QtDialogView& view = *configure.view;
    auto* field = configure.control<QLineEdit>(IDV_IP_ADDRESS);
    ASSERT_NE(field, nullptr);
    const auto typed = [&](const char* keys) {
        field->clear();
        QTest::keyClicks(field, keys);
        return view.getText(IDV_IP_ADDRESS, 31);
    };
    EXPECT_EQ(typed("192.168.1.20"), "192.168.1.20");
    EXPECT_EQ(typed("192.168.1.300"), "192.168.1.30") << "a part above 255 is not typed";
    EXPECT_EQ(typed("1.2.3.4.5"), "1.2.3.45") << "no fifth part";
    EXPECT_EQ(typed("10a.-0 b.0.1"), "10.0.0.1") << "only digits and dots";
    EXPECT_EQ(typed("10.1"), "10.1.0.0") << "a blank part reads as 0";
    EXPECT_EQ(typed(""), "0.0.0.0") << "a blank field is judged as 0.0.0.0, not left out";

    view.setText(IDV_SUBNET_MASK, "255.255.000.0");
    EXPECT_EQ(configure.control<QLineEdit>(IDV_SUBNET_MASK)->text(), "255.255.0.0");
    EXPECT_EQ(view.getText(IDV_SUBNET_MASK, 31), "255.255.0.0");
    view.setText(IDV_SUBNET_MASK, "255.255.0.256");
    EXPECT_EQ(view.getText(IDV_SUBNET_MASK, 31), "0.0.0.0");
    view.enable(IDV_GATEWAY, false);
    EXPECT_FALSE(view.isEnabled(IDV_GATEWAY));
    EXPECT_FALSE(configure.window->control(IDV_GATEWAY)->isEnabled());
}

TEST(QtEntry, TheSequenceEditStopsTypingWhenFullThePatternScrolls) {
    ShownWindow autoConfigure(IDD_AUTOCONFIGURE);
    auto* sequence = autoConfigure.control<QLineEdit>(IDC_AUTO_SEQUENCE);
    auto* pattern = autoConfigure.control<QLineEdit>(IDC_AUTO_PATTERN);
    QTest::keyClicks(sequence, "12345678901234567890");
    EXPECT_FALSE(sequence->text().isEmpty());
    EXPECT_LT(sequence->text().size(), 20);
    EXPECT_LE(sequence->fontMetrics().horizontalAdvance(sequence->text()), sequence->width());
    QTest::keyClicks(pattern, "Board-####-Room-%%%%-Rack");
    EXPECT_EQ(autoConfigure.view->getText(IDC_AUTO_PATTERN, 31), "Board-####-Room-%%%%-Rack");
    EXPECT_EQ(autoConfigure.view->getText(IDC_AUTO_PATTERN, 5), "Board");
}

TEST(QtButtons, PlainRadioButtonsWaitForTheLogicAutomaticOnesCheckThemselves) {
    ShownWindow autoConfigure(IDD_AUTOCONFIGURE);
    QtDialogView& view = *autoConfigure.view;
    view.checkRadio(IDC_AUTO_DHCP_YES, IDC_AUTO_DHCP_NO, IDC_AUTO_DHCP_NO);
    QTest::mouseClick(autoConfigure.window->control(IDC_AUTO_DHCP_YES), Qt::LeftButton);
    EXPECT_FALSE(view.isChecked(IDC_AUTO_DHCP_YES));
    EXPECT_TRUE(view.isChecked(IDC_AUTO_DHCP_NO));
    ASSERT_EQ(autoConfigure.logic.count(), 1u);
    EXPECT_EQ(autoConfigure.logic.commands()[0].id, IDC_AUTO_DHCP_YES);
    view.checkRadio(IDC_AUTO_DHCP_YES, IDC_AUTO_DHCP_NO, IDC_AUTO_DHCP_YES);
    EXPECT_TRUE(view.isChecked(IDC_AUTO_DHCP_YES));
    EXPECT_FALSE(view.isChecked(IDC_AUTO_DHCP_NO));
    // Arrows go on as Tab does, also from a button to the one beside it.
    autoConfigure.window->control(IDC_AUTO_DHCP_YES)->setFocus();
    QTest::keyClick(autoConfigure.window->focusWidget(), Qt::Key_Down);
    QTest::keyClick(autoConfigure.window->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(autoConfigure.logic.commands().back().id, IDC_AUTO_DHCP_NO);

    ShownWindow configure(IDD_CONFIGURE);
    configure.view->checkRadio(IDC_CFG_DHCP_YES, IDC_CFG_DHCP_NO, IDC_CFG_DHCP_YES);
    QTest::mouseClick(configure.window->control(IDC_CFG_DHCP_NO), Qt::LeftButton);
    EXPECT_TRUE(configure.view->isChecked(IDC_CFG_DHCP_NO));
    EXPECT_FALSE(configure.view->isChecked(IDC_CFG_DHCP_YES));
    // The logic may clear the checked button of an automatic group, as BM_SETCHECK does.
    configure.view->check(IDC_CFG_DHCP_NO, false);
    EXPECT_FALSE(configure.view->isChecked(IDC_CFG_DHCP_NO));

    QTest::mouseClick(configure.window->control(IDC_CFG_ID_CHECK), Qt::LeftButton);
    EXPECT_TRUE(configure.view->isChecked(IDC_CFG_ID_CHECK)) << "an automatic check box checks itself";
}

TEST(QtButtons, EscAndTheCloseBoxAreCancelOfADialogAndTheCloseBoxExitOfTheMainWindow) {
    ShownWindow configure(IDD_CONFIGURE);
    QTest::keyClick(configure.window.get(), Qt::Key_Escape);
    configure.window->close();
    EXPECT_TRUE(configure.window->isVisible()) << "only the logic closes the dialog";
    const std::vector<Command> commands = configure.logic.commands();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].id, IDCANCEL);
    EXPECT_EQ(commands[1].id, IDCANCEL);

    ShownWindow main(IDD_MAIN, false);
    QTest::keyClick(main.window.get(), Qt::Key_Escape);
    EXPECT_EQ(main.logic.count(), 0u) << "the main window takes no Esc";
    main.window->close();
    ASSERT_EQ(main.logic.count(), 1u);
    EXPECT_EQ(main.logic.commands()[0].id, IDCANCEL);
}

TEST(QtMessageBox, TextCaptionAndButtonsAsAsked) {
    ShownWindow configure(IDD_CONFIGURE);
    struct Case {
        MessageButtons buttons;
        QMessageBox::StandardButtons shown;
        QMessageBox::StandardButton click;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageButtons::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, MessageAnswer::No},
        {MessageButtons::RetryCancel, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry,
         MessageAnswer::Retry},
        {MessageButtons::AbortRetryIgnore, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
         QMessageBox::Ignore, MessageAnswer::Ignore},
        {MessageButtons::YesNoDefaultNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MessageAnswer::Yes},
    };
    for (const Case& c : cases) {
        bool checked = false;
        onNextMessageBox([&](QMessageBox* box) {
            EXPECT_EQ(box->text(), "Entry cannot contain a '?'");
            EXPECT_EQ(box->windowTitle(), "INVALID ENTRY");
            EXPECT_EQ(box->standardButtons(), c.shown);
            const bool warning = c.buttons == MessageButtons::YesNoDefaultNo;   // No the default
            EXPECT_EQ(box->icon(), warning ? QMessageBox::Warning : QMessageBox::NoIcon);
            if (warning) {
                EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
            }
            EXPECT_EQ(box->parentWidget(), configure.window.get()) << "owned by the dialog that asked";
            checked = true;
            box->button(c.click)->click();
        });
        EXPECT_EQ(configure.view->messageBox("Entry cannot contain a '?'", "INVALID ENTRY", c.buttons), c.answer);
        EXPECT_TRUE(checked);
    }
}

// Runs act on the next popup menu or save dialog once it is up, from inside its own loop.
template <typename Widget>
void onNext(std::function<void(Widget*)> act) {
    auto* poll = new QTimer(QApplication::instance());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        Widget* up = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* candidate = qobject_cast<Widget*>(w); candidate && candidate->isVisible()) up = candidate;
        if (up == nullptr) return;
        poll->stop();
        poll->deleteLater();
        act(up);
    });
    poll->start();
}

// The list export through the real main window: the right click's menu, Ctrl+C to the
// clipboard, Ctrl+S through the save dialog to a file.
TEST(QtExport, ContextMenuKeysClipboardAndSaveDialog) {
    NetSession session;
    std::unique_ptr<QtModelessDialog> main = openLansetMainWindow(session, {});
    ASSERT_NE(main, nullptr);
    DeviceRecord* board = new DeviceRecord;   // as a find lists it, once the window is open
    board->setId("Lab-\xe9");   // Latin-1, as boards hold IDs: shown, copied and saved as U+00E9
    copyText(board->mac, "025a00000001");
    board->setIp("10.0.0.5");
    ASSERT_TRUE(session.devices.append(board));
    main->window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main->window()));
    main->view().listAdd(IDC_DEVICE_LIST, "Lab-\xe9\t025a00000001\t10.0.0.5");
    auto* list = main->window().control(IDC_DEVICE_LIST);
    const QString shown = dynamic_cast<QListWidget*>(list)->item(0)->text();
    EXPECT_EQ(shown, QString::fromUtf8("Lab-\u00e9\t025a00000001\t10.0.0.5"));
    const std::string text = "id\tsn\tip\tsubnet\tgateway\tdhcp\n" + shown.toStdString() + "\t\t\toff\n";

    QGuiApplication::clipboard()->clear();
    QStringList items;
    onNext<QMenu>([&](QMenu* menu) {
        for (QAction* a : menu->actions()) items << a->text();
        menu->setActiveAction(menu->actions().front());
        QTest::keyClick(menu, Qt::Key_Return);   // chosen as a user chooses it
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), list->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(dynamic_cast<QListWidget*>(list)->viewport(), &rightClick);
    EXPECT_EQ(items, (QStringList{"Copy\tCtrl+C", "Save List As...\tCtrl+S"}));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);

    QGuiApplication::clipboard()->clear();
    // A window's keys reach it while it is the active one, as the user's window is.
    main->window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main->window()));
    list->setFocus();
    QTest::keyClick(&main->window(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text) << "Ctrl+C, the list focused";

    QTemporaryDir folder;
    const QString working = QDir::currentPath();
    QDir::setCurrent("/");   // as started from the desktop's menu
    onNext<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Save List As");
        EXPECT_EQ(dialog->directory().absolutePath(), QDir::homePath());
        dialog->selectFile(folder.filePath("rack"));   // a bare name gets ".csv"
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);   // as its Save button
    });
    QTest::keyClick(&main->window(), Qt::Key_S, Qt::ControlModifier);
    QDir::setCurrent(working);
    std::ifstream saved(folder.filePath("rack.csv").toStdString());
    std::stringstream contents;
    contents << saved.rdbuf();
    EXPECT_EQ(contents.str(), "id,sn,ip,subnet,gateway,dhcp\nLab-\xc3\xa9,025a00000001,10.0.0.5,,,off\n");
}

TEST(QtFront, VersionTitleAndAdapterRoute) {
    EXPECT_EQ(lansetVersionTitle(), "Tarnwick Lanset  1.2");
    {
        NetSession session;
        std::unique_ptr<QtModelessDialog> main = openLansetMainWindow(session, {});
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(main->window().windowTitle(), "Tarnwick Lanset  1.2");
        EXPECT_EQ(main->view().getText(IDC_STATUS, 31), "Ready");
        EXPECT_FALSE(main->view().isEnabled(IDC_STOP_FIND));
    }
    const std::string table =
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
        "eth1\t00000000\t0202A8C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
        "eth0\t0000A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
        "eth0\t00000000\t0100A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n";
    EXPECT_EQ(defaultGatewayOf(table, "eth0"), "192.168.0.1");
    EXPECT_EQ(defaultGatewayOf(table, "eth1"), "192.168.2.2");
    EXPECT_EQ(defaultGatewayOf(table, "wlan0"), "");
}
