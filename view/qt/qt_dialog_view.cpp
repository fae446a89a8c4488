#include "view/qt/qt_dialog_view.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QThread>

#include <algorithm>

#include "view/qt/sent_commands.h"

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// A control's text is single bytes, as a board holds an ID and as the Win32 controls take them:
// each byte one character of Latin-1. What Latin-1 lacks reads as '?', which no ID may hold.
QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
std::string toBytes(const QString& text, size_t maxChars) {
    return text.left(static_cast<qsizetype>(std::min<size_t>(maxChars, INT32_MAX))).toLatin1().toStdString();
}

MessageAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Abort: return MessageAnswer::Abort;
    case QMessageBox::Ignore: return MessageAnswer::Ignore;
    default: return MessageAnswer::None;   // the box was taken down with its window
    }
}

}  // namespace

QtDialogView::QtDialogView(DialogWindow& window, Kind kind) : window_(&window), kind_(kind) {}

QtDialogView::~QtDialogView() { detach(); }

void QtDialogView::setDispatch(Dispatch dispatch) { dispatch_ = std::move(dispatch); }

void QtDialogView::detach() {
    closed_ = true;
    sent::drop(this);
    dispatch_ = nullptr;
    eventDispatch_ = nullptr;
    window_ = nullptr;
}

QWidget* QtDialogView::control(int id) const {
    return window_ ? window_->control(id) : nullptr;
}

void QtDialogView::dispatch(int id, int notification, intptr_t value) {
    if (!closed_ && dispatch_) dispatch_(id, notification, value);
}

void QtDialogView::setTitle(const std::string& text) {
    if (window_) window_->setWindowTitle(fromBytes(text));
}

void QtDialogView::setText(int id, const std::string& text) {
    QWidget* w = control(id);
    if (auto* address = dynamic_cast<AddressField*>(w)) address->setAddress(text);
    else if (auto* edit = dynamic_cast<QLineEdit*>(w)) edit->setText(fromBytes(text));
    else if (auto* label = dynamic_cast<QLabel*>(w)) label->setText(fromBytes(text));
    else if (auto* button = dynamic_cast<QAbstractButton*>(w)) button->setText(fromBytes(text));
    else if (auto* frame = dynamic_cast<QGroupBox*>(w)) frame->setTitle(fromBytes(text));
}

std::string QtDialogView::getText(int id, size_t maxChars) {
    QWidget* w = control(id);
    if (auto* address = dynamic_cast<AddressField*>(w)) return address->address().substr(0, maxChars);
    if (auto* edit = dynamic_cast<QLineEdit*>(w)) return toBytes(edit->text(), maxChars);
    if (auto* label = dynamic_cast<QLabel*>(w)) return toBytes(label->text(), maxChars);
    if (auto* button = dynamic_cast<QAbstractButton*>(w)) return toBytes(button->text(), maxChars);
    if (auto* frame = dynamic_cast<QGroupBox*>(w)) return toBytes(frame->title(), maxChars);
    return {};
}

void QtDialogView::enable(int id, bool on) {
    if (QWidget* w = control(id)) w->setEnabled(on);
}

bool QtDialogView::isEnabled(int id) {
    QWidget* w = control(id);
    return w != nullptr && w->isEnabledTo(window_);
}

void QtDialogView::check(int id, bool on) {
    auto* button = dynamic_cast<QAbstractButton*>(control(id));
    if (button == nullptr) return;
    // The checked button of an exclusive group could not be cleared otherwise.
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive) group->setExclusive(false);
    button->setChecked(on);
    if (exclusive) group->setExclusive(true);
}

bool QtDialogView::isChecked(int id) {
    auto* button = dynamic_cast<QAbstractButton*>(control(id));
    return button != nullptr && button->isChecked();
}

void QtDialogView::checkRadio(int firstId, int lastId, int checkedId) {
    // CheckRadioButton: the one checked first, so an exclusive group never stands empty.
    check(checkedId, true);
    for (int id = firstId; id <= lastId; ++id)
        if (id != checkedId) check(id, false);
}

void QtDialogView::listReset(int id) {
    if (auto* list = dynamic_cast<QListWidget*>(control(id))) {
        const QSignalBlocker quiet(list);
        list->clear();
    }
}

int QtDialogView::listAdd(int id, const std::string& line) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    if (list == nullptr) return -1;
    const QSignalBlocker quiet(list);
    list->addItem(fromBytes(line));
    return list->count() - 1;
}

void QtDialogView::listInsert(int id, int index, const std::string& line) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    if (list == nullptr) return;
    const QSignalBlocker quiet(list);
    // -1, or past the end, appends (LB_INSERTSTRING).
    list->insertItem(index < 0 || index > list->count() ? list->count() : index, fromBytes(line));
}

void QtDialogView::listDelete(int id, int index) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    if (list == nullptr || index < 0 || index >= list->count()) return;
    const QSignalBlocker quiet(list);
    delete list->takeItem(index);
}

int QtDialogView::listCount(int id) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    return list != nullptr ? list->count() : 0;
}

int QtDialogView::listCurSel(int id) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    if (list == nullptr) return -1;
    // A list of several selected lines: the line with the focus frame. Otherwise the selected one.
    if (list->selectionMode() != QAbstractItemView::SingleSelection) return list->currentRow();
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void QtDialogView::listSetCurSel(int id, int index) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    if (list == nullptr) return;
    const QSignalBlocker quiet(list);
    if (index < 0 || index >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else {
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
}

int QtDialogView::listSelCount(int id) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    return list != nullptr ? static_cast<int>(list->selectedItems().size()) : 0;
}

std::vector<int> QtDialogView::listSelItems(int id, int max) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    std::vector<int> rows;
    if (list == nullptr || max <= 0) return rows;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.size() > static_cast<size_t>(max)) rows.resize(static_cast<size_t>(max));
    return rows;
}

void QtDialogView::listClearSelection(int id) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    if (list == nullptr) return;
    const QSignalBlocker quiet(list);
    list->clearSelection();
}

void QtDialogView::listSetTabStops(int id, const std::vector<int>& stops) {
    auto* list = dynamic_cast<QListWidget*>(control(id));
    if (list == nullptr) return;
    if (auto* delegate = dynamic_cast<TabStopDelegate*>(list->itemDelegate())) {
        delegate->setStops(stops);
        list->viewport()->update();
    }
}

MessageAnswer QtDialogView::messageBox(const std::string& text, const std::string& caption,
                                       MessageButtons buttons) {
    if (closed_) return MessageAnswer::None;
    const QString boxText = fromStd(text);
    const QString boxCaption = fromStd(caption);
    if (sent::onWindowThread()) return showMessageBox(boxText, boxCaption, buttons);
    // A worker's question is shown by the window thread, owned by the window.
    MessageAnswer answer = MessageAnswer::None;
    sent::send(this, [&] {
        answer = showMessageBox(boxText, boxCaption, buttons);
        return true;
    });
    return answer;
}

MessageAnswer QtDialogView::showMessageBox(const QString& text, const QString& caption,
                                           MessageButtons buttons) {
    if (closed_ || !window_) return MessageAnswer::None;
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (buttons) {
    case MessageButtons::Ok: break;
    case MessageButtons::YesNo:
        set = QMessageBox::Yes | QMessageBox::No;
        first = QMessageBox::Yes;
        break;
    case MessageButtons::YesNoDefaultNo:
        set = QMessageBox::Yes | QMessageBox::No;
        first = QMessageBox::No;
        icon = QMessageBox::Warning;
        break;
    case MessageButtons::RetryCancel:
        set = QMessageBox::Retry | QMessageBox::Cancel;
        first = QMessageBox::Retry;
        break;
    case MessageButtons::AbortRetryIgnore:
        set = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        first = QMessageBox::Abort;
        break;
    }
    QMessageBox box(icon, caption, text, set, window_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(first);
    boxes_.emplace_back(&box);
    const int button = box.exec();
    boxes_.erase(std::remove(boxes_.begin(), boxes_.end(), QPointer<QMessageBox>(&box)), boxes_.end());
    return closed_ ? MessageAnswer::None : answerOf(button);
}

void QtDialogView::close(int result) {
    if (closed_) return;
    result_ = result;
    closed_ = true;
    // Commands that workers have queued for this window are not handled now.
    sent::drop(this);
    // A box still open goes with its window; its question is answered None.
    for (const QPointer<QMessageBox>& box : boxes_)
        if (box) box->done(QMessageBox::NoButton);
    if (window_) window_->hide();
    if (kind_ == Kind::Modeless) QCoreApplication::exit(0);
    if (ended_) ended_();
}

void QtDialogView::waitWhile(const std::atomic<bool>& flag) {
    while (flag.load()) {
        if (sent::onWindowThread()) sent::pump(1);
        else QThread::yieldCurrentThread();
    }
}

bool QtDialogView::sendEvent(SessionEvent code, int32_t value) {
    if (closed_) return false;
    return sent::send(this, [this, code, value] {
        return !closed_ && eventDispatch_ && eventDispatch_(code, value);
    });
}

int QtDialogView::popupMenu(const std::vector<MenuItem>& items) {
    const QPoint at = menuPoint_.value_or(QCursor::pos());
    menuPoint_.reset();
    if (closed_ || !window_) return 0;
    QMenu menu(window_);
    for (const MenuItem& item : items) {
        QString text = fromStd(item.text);
        if (!item.shortcut.empty()) text += '\t' + fromStd(item.shortcut);
        QAction* action = menu.addAction(text);
        action->setEnabled(item.enabled);
        action->setData(item.id);
    }
    const QAction* chosen = menu.exec(at);
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

std::string QtDialogView::shownText(const std::string& bytes) { return fromBytes(bytes).toStdString(); }

bool QtDialogView::setClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    clipboard->setText(fromStd(text));
    return clipboard->text() == fromStd(text);
}

std::optional<std::filesystem::path> QtDialogView::askSaveFileName(const SaveFileRequest& request) {
    if (closed_ || !window_) return std::nullopt;
    QFileDialog dialog(window_, fromStd(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({fromStd(request.typeName + " (*." + request.extension + ")"),
                           QStringLiteral("All files (*)")});
    dialog.setDefaultSuffix(fromStd(request.extension));   // a bare name gets it
    // Started from the desktop's menu, the working folder is "/", where nobody saves a list:
    // the home folder then, as also where the working folder takes no file.
    const QDir here = QDir::current();
    const bool usable = !here.isRoot() && QFileInfo(here.absolutePath()).isWritable();
    dialog.setDirectory(usable ? here.absolutePath() : QDir::homePath());
    dialog.selectFile(fromStd(request.suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}
