// Drives lanset's Qt windows in process, as a user would, against the real engine and sockets:
// opens the main window as lanset-qt does, clicks, types and selects with QTest, and reads the
// windows back. Each step waits for its condition with a deadline. One scenario per run; exit
// status 0 when every check held. Run inside the end-to-end test's network namespace.
//
//   lanset_qt_driver find N          Find lists the N simulated boards, each once
//   lanset_qt_driver stop N          Stop Find during a find ends it with the boards found so far
//   lanset_qt_driver configure N     board 1 gets a new ID, address and mask in the configure dialog
//   lanset_qt_driver auto N          a fresh find, then a pattern ID and consecutive addresses
//   lanset_qt_driver exit-finding N  Exit while a find runs ends the program at once
//   lanset_qt_driver port-busy N     Find with the port taken: the "Error" box, then ready again
//   lanset_qt_driver screenshots N DIR   pictures of the three windows as PNG files in DIR
//
// The simulated boards are boardsim's defaults: board i has the ID Sim<i, 4 digits>, the
// hardware address 025a<i + 1, 8 hex digits> and the IP address 192.168.10.101 + i.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "view/qt/sent_commands.h"
#include "tests/support/driver_checks.h"
#include "net/net_session.h"
#include "ui/qt/qt_front.h"
#include "ui/resource.h"
#include "ui/window_texts.h"

namespace {

using driver::fail;
using driver::failures;
using driver::note;

void expectEq(const QString& got, const QString& expected, const std::string& what) {
    driver::expectEq(got.toStdString(), expected.toStdString(), what);
}

QString boardLine(int i) {
    const unsigned ip = 0xC0A80A65u + static_cast<unsigned>(i);   // 192.168.10.101 + i
    return QString::asprintf("Sim%04d\t025a%08x\t%u.%u.%u.%u", i, i + 1, ip >> 24, (ip >> 16) & 255,
                             (ip >> 8) & 255, ip & 255);
}

// Steps run one after another from the event loop that is running (the main window's, or a
// modal dialog's inside it); each acts once its condition holds, or fails at its deadline.
class Script {
public:
    struct Step {
        std::string what;
        std::function<bool()> ready;
        std::function<void()> act;
        int deadlineMs;
    };

    void then(std::string what, std::function<bool()> ready, std::function<void()> act,
              int deadlineMs = 10000) {
        steps_.push_back({std::move(what), std::move(ready), std::move(act), deadlineMs});
    }

    void start() {
        since_.start();
        QObject::connect(&poll_, &QTimer::timeout, [this] { tick(); });
        poll_.start(10);
    }

    // The longest wait between two polls beyond their 10 ms since the last reset: how long the
    // window thread was kept from its events.
    qint64 longestGapMs() const { return longestGap_; }
    void resetGap() { longestGap_ = 0; }

private:
    void tick() {
        if (sinceTick_.isValid()) longestGap_ = std::max(longestGap_, sinceTick_.restart() - 10);
        else sinceTick_.start();
        if (next_ >= steps_.size()) return;
        const Step& step = steps_[next_];
        if (step.ready()) {
            ++next_;
            since_.restart();
            note("step: " + step.what);
            // Run from a timer of its own: an action that opens a modal dialog runs that
            // dialog's loop, and this poll must go on inside it.
            QTimer::singleShot(0, step.act);
        } else if (since_.elapsed() > step.deadlineMs) {
            fail("timed out waiting: " + step.what);
            std::_Exit(1);
        }
    }

    std::vector<Step> steps_;
    size_t next_ = 0;
    QElapsedTimer since_;
    QElapsedTimer sinceTick_;
    qint64 longestGap_ = 0;
    QTimer poll_;
};

DialogWindow* activeDialog(const char* title) {
    auto* dialog = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
    return dialog != nullptr && dialog->isVisible() && dialog->windowTitle() == title ? dialog : nullptr;
}

QString textOf(DialogWindow* window, int id) {
    QWidget* w = window != nullptr ? window->control(id) : nullptr;
    if (auto* label = dynamic_cast<QLabel*>(w)) return label->text();
    if (auto* edit = dynamic_cast<QLineEdit*>(w)) return edit->text();
    return QStringLiteral("<no control %1>").arg(id);
}

void click(DialogWindow* window, int id) {
    QWidget* w = window != nullptr ? window->control(id) : nullptr;
    if (w == nullptr || !w->isEnabled()) {
        fail("cannot click control " + std::to_string(id));
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton);
}

void type(DialogWindow* window, int id, const QString& text) {
    auto* edit = dynamic_cast<QLineEdit*>(window != nullptr ? window->control(id) : nullptr);
    if (edit == nullptr) return fail("no edit " + std::to_string(id));
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
    expectEq(edit->text(), text, "typed into " + std::to_string(id));
}

void clickLine(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
}

QStringList linesOf(QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines.append(list->item(i)->text());
    return lines;
}

struct Lanset {
    DialogWindow* main;
    QListWidget* list;
    QString status() const { return textOf(main, IDC_STATUS); }
    bool enabled(int id) const { return main->control(id)->isEnabled(); }
};

QString finished(int count) { return QString::fromStdString(finishedText(count)); }

void findAll(Script& script, Lanset& app, int boards) {
    static QElapsedTimer finding;
    script.then("the main window is up", [&] { return app.main->isVisible(); }, [&] {
        script.resetGap();
        finding.start();
        click(app.main, IDC_FIND);
    });
    script.then("the find lists every board", [&, boards] { return app.status() == finished(boards); },
                [&, boards] {
                    note("find: " + std::to_string(boards) + " boards listed in " +
                         std::to_string(finding.elapsed()) + " ms; longest gap in event handling " +
                         std::to_string(script.longestGapMs()) + " ms");
                    QStringList lines = linesOf(app.list);
                    lines.sort();
                    QStringList expected;
                    for (int i = 0; i < boards; ++i) expected.append(boardLine(i));
                    expectEq(lines.join('\n'), expected.join('\n'), "lines after the find");
                    if (!app.enabled(IDC_FIND) || app.enabled(IDC_STOP_FIND))
                        fail("Find and Stop Find not back to ready");
                },
                30000);
}

void exitProgram(Script& script, Lanset& app) {
    script.then("nothing more to do", [] { return true; }, [&] { click(app.main, IDCANCEL); });
}

void saveShot(QWidget* window, const QString& path) {
    if (!window->grab().save(path)) fail("cannot save " + path.toStdString());
    else note("saved " + path.toStdString());
}

bool writeScenario(Script& script, Lanset& app, const std::string& scenario, int boards,
                   const QString& folder) {
    if (scenario == "find") {
        findAll(script, app, boards);
    } else if (scenario == "stop") {
        script.then("the main window is up", [&] { return app.main->isVisible(); },
                    [&] { click(app.main, IDC_FIND); });
        script.then("a first board is listed", [&] { return app.list->count() > 0; },
                    [&] { click(app.main, IDC_STOP_FIND); });
        script.then("the stopped find reports the boards so far",
                    [&] { return app.status().startsWith("Finished."); },
                    [&, boards] {
                        expectEq(app.status(), finished(app.list->count()), "status after Stop Find");
                        if (app.list->count() >= boards) fail("Stop Find did not stop the find early");
                        if (!app.enabled(IDC_FIND)) fail("Find not enabled after Stop Find");
                    },
                    3000);
    } else if (scenario == "configure") {
        findAll(script, app, boards);
        static int row = -1;
        script.then("the list is complete", [] { return true; }, [&] {
            row = static_cast<int>(linesOf(app.list).indexOf(boardLine(1)));
            clickLine(app.list, row);
            if (!app.enabled(IDC_CONFIGURE)) fail("Configure not enabled by selecting a line");
            click(app.main, IDC_CONFIGURE);
        });
        script.then("the configure dialog shows board 1",
                    [] { return activeDialog("Ethernet Board Configure") != nullptr; }, [] {
                        DialogWindow* dialog = activeDialog("Ethernet Board Configure");
                        expectEq(textOf(dialog, IDC_CFG_ID_EDIT), "Sim0001", "ID shown");
                        expectEq(textOf(dialog, IDV_IP_ADDRESS), "192.168.10.102", "address shown");
                        expectEq(textOf(dialog, IDV_GATEWAY), "192.168.10.1", "gateway shown");
                        type(dialog, IDC_CFG_ID_EDIT, "Pump-7");
                        type(dialog, IDV_IP_ADDRESS, "10.20.30.40");
                        type(dialog, IDV_SUBNET_MASK, "255.255.0.0");
                        click(dialog, IDC_CFG_CONFIGURE);
                    });
        // The board keeps 192.168.10.1, outside 10.20.0.0/16: asked (No the default), then Yes.
        const auto box = [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); };
        script.then("the gateway is asked about", box, [box] {
            if (!box()->text().contains("gateway 192.168.10.1 is outside 10.20.0.0/16") ||
                box()->defaultButton() != box()->button(QMessageBox::No))
                fail("the question: " + box()->text().toStdString());
            box()->button(QMessageBox::Yes)->click();
        });
        script.then("the dialog closes on the board's acknowledgement",
                    [] { return activeDialog("Ethernet Board Configure") == nullptr; }, [&] {
                        expectEq(app.status(), "Device Configured", "status after configure");
                        expectEq(app.list->item(row)->text(), "Pump-7\t025a00000002\t10.20.30.40",
                                 "the board's line");
                        if (!app.list->selectedItems().isEmpty()) fail("a line stays selected");
                    });
    } else if (scenario == "auto") {
        findAll(script, app, boards);
        script.then("the list is complete", [] { return true; }, [&] { click(app.main, IDC_AUTO_CONFIGURE); });
        script.then("the auto-configure dialog is up",
                    [] { return activeDialog("Ethernet Board Auto Configure") != nullptr; }, [] {
                        DialogWindow* dialog = activeDialog("Ethernet Board Auto Configure");
                        expectEq(textOf(dialog, IDC_AUTO_PATTERN), "Vorn", "pattern shown");
                        type(dialog, IDC_AUTO_PATTERN, "Lab###");
                        type(dialog, IDC_AUTO_SEQUENCE, "9");
                        type(dialog, IDV_IP_ADDRESS, "10.77.0.253");
                        type(dialog, IDV_SUBNET_MASK, "255.255.0.0");
                        type(dialog, IDV_GATEWAY, "10.77.0.1");
                        click(dialog, IDC_AUTO_MODE_FIND);
                        click(dialog, IDC_AUTO_CONFIGURE_ALL);
                    });
        script.then("the pass completes and the dialog closes",
                    [] { return activeDialog("Ethernet Board Auto Configure") == nullptr; },
                    [&, boards] {
                        expectEq(app.status(), "Devices Configured", "status after the pass");
                        // The fresh find's order is the list's; the pass numbers in that order.
                        const QStringList lines = linesOf(app.list);
                        if (lines.size() != boards) fail("lines after the pass: " + std::to_string(lines.size()));
                        for (int i = 0; i < lines.size(); ++i) {
                            const QStringList parts = lines[i].split('\t');
                            const uint32_t last = 0x0A4D00FDu + static_cast<uint32_t>(i);   // 10.77.0.253 + i
                            const QString ip = QString::asprintf("%u.%u.%u.%u", last >> 24, (last >> 16) & 255,
                                                                 (last >> 8) & 255, last & 255);
                            expectEq(parts.value(0), QString::asprintf("Lab%03d", 9 + i), "ID of line " + std::to_string(i));
                            expectEq(parts.value(2), ip, "address of line " + std::to_string(i));
                        }
                    },
                    60000);
    } else if (scenario == "exit-finding") {
        script.then("the main window is up", [&] { return app.main->isVisible(); },
                    [&] { click(app.main, IDC_FIND); });
        script.then("the find runs", [&] { return app.list->count() > 0; },
                    [&] { click(app.main, IDCANCEL); });
        return true;
    } else if (scenario == "port-busy") {
        script.then("the main window is up", [&] { return app.main->isVisible(); },
                    [&] { click(app.main, IDC_FIND); });
        script.then("the network error is shown", [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box != nullptr && box->isVisible();
        }, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            expectEq(box->windowTitle(), "Error", "caption");
            // The holder is boardsim, started beside the driver in the same namespace.
            const QString named = QString::fromUtf8(kNetworkFailedText) + " It is held by boardsim (process ID ";
            if (!box->text().startsWith(named)) fail("text: " + box->text().toStdString());
            if (box->standardButtons() != QMessageBox::Ok) fail("the box has other buttons than OK");
            box->button(QMessageBox::Ok)->click();
        });
        script.then("the window is ready again", [&] { return app.enabled(IDC_FIND); },
                    [&] { expectEq(app.status(), "Ready", "status after the failed find"); });
    } else if (scenario == "screenshots") {
        findAll(script, app, boards);
        script.then("the list is complete", [] { return true; }, [&, folder] {
            clickLine(app.list, 0);
            saveShot(app.main, folder + "/lanset-qt-main.png");
            click(app.main, IDC_CONFIGURE);
        });
        script.then("the configure dialog is up", [] { return activeDialog("Ethernet Board Configure") != nullptr; },
                    [folder] {
                        DialogWindow* dialog = activeDialog("Ethernet Board Configure");
                        saveShot(dialog, folder + "/lanset-qt-configure.png");
                        click(dialog, IDCANCEL);
                    });
        script.then("the configure dialog is gone",
                    [] { return QApplication::activeModalWidget() == nullptr; },
                    [&] { click(app.main, IDC_AUTO_CONFIGURE); });
        script.then("the auto-configure dialog is up",
                    [] { return activeDialog("Ethernet Board Auto Configure") != nullptr; }, [folder] {
                        DialogWindow* dialog = activeDialog("Ethernet Board Auto Configure");
                        type(dialog, IDC_AUTO_PATTERN, "Lab###");
                        saveShot(dialog, folder + "/lanset-qt-auto-configure.png");
                        click(dialog, IDCANCEL);
                    });
        script.then("the auto-configure dialog is gone",
                    [] { return QApplication::activeModalWidget() == nullptr; }, [] {});
    } else {
        return false;
    }
    exitProgram(script, app);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc < 3) {
        std::fprintf(stderr, "usage: lanset_qt_driver SCENARIO BOARDS [DIR]\n");
        return 2;
    }
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const std::string scenario = argv[1];
    const int boards = std::atoi(argv[2]);

    int code = 0;
    QElapsedTimer exiting;
    {
        NetSession session;
        std::unique_ptr<QtModelessDialog> mainWindow = openLansetMainWindow(session, firstAdapterAddresses);
        if (!mainWindow) {
            fail("the main window could not be made");
            return 1;
        }
        Lanset app{&mainWindow->window(), dynamic_cast<QListWidget*>(mainWindow->window().control(IDC_DEVICE_LIST))};
        expectEq(app.main->windowTitle(), "Tarnwick Lanset  1.2", "title");
        Script script;
        if (!writeScenario(script, app, scenario, boards, argc > 3 ? QString::fromLocal8Bit(argv[3]) : ".")) {
            std::fprintf(stderr, "lanset_qt_driver: no scenario %s\n", scenario.c_str());
            return 2;
        }
        script.then("the program ends", [] { return false; }, [] {}, 30000);
        mainWindow->window().show();
        script.start();
        code = QApplication::exec();
        exiting.start();
        mainWindow.reset();   // as lanset-qt: the window, then its logic, which waits for the worker
    }
    // Exit during a find: the worker was stopped and joined, at once.
    if (exiting.elapsed() > 3000) fail("leaving took " + std::to_string(exiting.elapsed()) + " ms");
    if (code != 0) fail("the event loop ended with " + std::to_string(code));
    note(failures == 0 ? "PASS" : std::to_string(failures) + " check(s) failed");
    return failures == 0 ? 0 : 1;
}
