#include "view/qt/dialog_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <cstring>

namespace {

bool isClass(const DialogControl& control, const char* name) {
    return std::strcmp(control.windowClass, name) == 0;
}

uint32_t buttonType(const DialogControl& control) { return control.style & rc::kButtonType; }

bool isFrame(const DialogControl& control) {
    return isClass(control, "Button") && buttonType(control) == rc::kGroupBox;
}

QString trimmedLabel(const char* text) {
    QString label = QString::fromUtf8(text).remove(QLatin1Char('&')).trimmed();
    while (label.endsWith(QLatin1Char(':'))) label.chop(1);
    return label.trimmed();
}

// A static that the template leaves empty and the window writes: a status line.
bool isContentText(const DialogControl& control) {
    return isClass(control, "Static") && *control.text == '\0' && control.id != -1;
}

// The static text that says what content text index is: the nearest of the statics just
// before it that has a text.
QWidget* labelOf(std::span<const DialogControl> controls, const std::vector<QWidget*>& widgets, size_t index) {
    for (size_t i = index; i-- > 0 && isClass(controls[i], "Static");)
        if (*controls[i].text != '\0') return widgets[i];
    return nullptr;
}

bool showsText(const QWidget* widget) {
    return dynamic_cast<const QLabel*>(widget) != nullptr || dynamic_cast<const QCheckBox*>(widget) != nullptr ||
           dynamic_cast<const QRadioButton*>(widget) != nullptr;
}

// The templates' texts were measured in Windows' dialog font; a wider desktop font would clip
// them. The horizontal unit grows until every label, check box and radio button shows its whole
// text: the layout keeps its proportions and nothing is cut.
DialogUnits fittedUnits(DialogUnits units, std::span<const DialogControl> items,
                        const std::vector<QWidget*>& widgets) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (*items[i].text == '\0' || items[i].width <= 0 || !showsText(widgets[i])) continue;
        const int needed = widgets[i]->sizeHint().width();
        while (units.x(items[i].width) < needed) ++units.baseX;
    }
    return units;
}

}  // namespace

QString accessibleNameOf(std::span<const DialogControl> controls, size_t index) {
    const DialogControl& control = controls[index];
    if (*control.text != '\0') return trimmedLabel(control.text);
    if (isFrame(control)) return {};
    QStringList labels;
    for (size_t i = index; i-- > 0 && isClass(controls[i], "Static");) {
        if (*controls[i].text != '\0') labels.prepend(trimmedLabel(controls[i].text));
    }
    if (!labels.isEmpty()) return labels.join(QLatin1Char(' '));
    return index > 0 ? trimmedLabel(controls[index - 1].text) : QString();
}

DialogWindow::DialogWindow(const DialogTemplate& dialog, bool modal, QWidget* owner)
    : QDialog(owner), modal_(modal) {
    // The desktop's dialog font stands for the template's (MS Sans Serif 8 is Windows' own).
    setFont(QApplication::font());
    units_ = DialogUnits::of(font());
    Qt::WindowFlags flags = (modal ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialog.style & rc::kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setWindowTitle(QString::fromUtf8(dialog.caption));
    setSizeGripEnabled(false);

    const std::span<const DialogControl> items = dialog.items();
    std::vector<QWidget*> widgets;
    for (size_t i = 0; i < items.size(); ++i) {
        const DialogControl& item = items[i];
        QWidget* widget = makeControl(item);
        widgets.push_back(widget);
        if (auto* content = dynamic_cast<ContentText*>(widget)) content->setLabel(labelOf(items, widgets, i));
        else widget->setAccessibleName(accessibleNameOf(items, i));
        widget->setEnabled((item.style & rc::kDisabled) == 0);
        if (item.id != -1 && controls_.find(item.id) == controls_.end()) controls_[item.id] = widget;
        if (item.style & rc::kTabStop) {
            widget->setFocusPolicy(Qt::StrongFocus);
            tabOrder_.push_back(widget);
        } else if (widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocusPolicy(Qt::ClickFocus);
        }
        wire(item.id, widget);
    }
    units_ = fittedUnits(units_, items, widgets);
    setFixedSize(units_.x(dialog.width), units_.y(dialog.height));
    for (size_t i = 0; i < items.size(); ++i) {
        const DialogControl& item = items[i];
        QRect area = units_.rect(item.x, item.y, item.width, item.height);
        if (isFrame(item) && *item.text == '\0') {
            // As Windows draws a group box: its top line half a text line down.
            area.setTop(area.top() + QFontMetrics(font()).height() / 2);
            // Frames are drawn behind the controls they hold, and take no clicks from them.
            widgets[i]->lower();
            widgets[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        widgets[i]->setGeometry(area);
        if (auto* list = dynamic_cast<QListWidget*>(widgets[i]))
            if (auto* stops = dynamic_cast<TabStopDelegate*>(list->itemDelegate())) stops->setUnits(units_);
    }
    applyTabOrder();
    if (!modal && owner == nullptr) {
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
}

QWidget* DialogWindow::makeControl(const DialogControl& item) {
    const QString text = QString::fromUtf8(item.text);
    if (isClass(item, "Button")) {
        const uint32_t type = buttonType(item);
        if (type != rc::kAutoRadioButton) autoRadios_ = nullptr;
        switch (type) {
        case rc::kGroupBox: {
            if (text.isEmpty()) {
                auto* frame = new QFrame(this);
                frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
                return frame;
            }
            auto* frame = new QGroupBox(text, this);
            frame->setFocusPolicy(Qt::NoFocus);
            return frame;
        }
        case rc::kCheckBox:
        case rc::k3State:
            return new ManualCheckBox(text, this);
        case rc::kAutoCheckBox:
        case rc::kAuto3State:
            return new QCheckBox(text, this);
        case rc::kRadioButton:
            return new ManualRadioButton(text, this);
        case rc::kAutoRadioButton: {
            // An automatic radio button clears the others of its group (up to the next control
            // that starts a group) when clicked. The group overrides Qt's auto-exclusivity, which
            // stays on: a screen reader reads the button as a radio button, not a check box.
            if (autoRadios_ == nullptr || (item.style & rc::kGroup)) {
                autoRadios_ = new QButtonGroup(this);
                autoRadios_->setExclusive(true);
            }
            auto* radio = new QRadioButton(text, this);
            autoRadios_->addButton(radio);
            return radio;
        }
        default: {
            auto* button = new QPushButton(text, this);
            button->setDefault(type == rc::kDefPushButton);
            return button;
        }
        }
    }
    autoRadios_ = nullptr;
    if (isClass(item, "SysIPAddress32")) return new AddressField(this);
    if (isClass(item, "Edit")) {
        auto* edit = new QLineEdit(text, this);
        if ((item.style & rc::kEditAutoHScroll) == 0) edit->setValidator(new FitsValidator(edit));
        if (item.style & rc::kEditPassword) edit->setEchoMode(QLineEdit::Password);
        edit->setReadOnly((item.style & rc::kEditReadOnly) != 0);
        return edit;
    }
    if (isClass(item, "ListBox")) {
        auto* list = new QListWidget(this);
        list->setSelectionMode((item.style & rc::kListExtendedSel)   ? QAbstractItemView::ExtendedSelection
                               : (item.style & rc::kListMultipleSel) ? QAbstractItemView::MultiSelection
                                                                     : QAbstractItemView::SingleSelection);
        list->setSortingEnabled((item.style & rc::kListSort) != 0);
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideNone);
        if (item.style & rc::kListUseTabStops) list->setItemDelegate(new TabStopDelegate(units_, list));
        return list;
    }
    // Static texts, and any class this view does not draw, show their text.
    auto* label = isContentText(item) ? new ContentText(this) : new QLabel(text, this);
    const uint32_t align = item.style & rc::kStaticAlign;
    label->setAlignment((align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

void DialogWindow::wire(int id, QWidget* widget) {
    if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { command(id, kButtonClicked); });
    } else if (auto* list = dynamic_cast<QListWidget*>(widget)) {
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, id, list](const QItemSelection& selected) {
                    if (list->signalsBlocked()) return;   // the logic's own change
                    // A click or a key moves the focus frame before it selects; a screen reader's
                    // selection does not. The line it selected is the one the user means
                    // (LB_GETCURSEL reads the focus frame), not where the frame happened to be.
                    QItemSelectionModel* model = list->selectionModel();
                    if (!selected.isEmpty() && !model->isSelected(list->currentIndex()))
                        model->setCurrentIndex(selected.indexes().front(), QItemSelectionModel::NoUpdate);
                    command(id, kListSelChange);
                });
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this, [this, id, list](const QPoint& at) {
            if (menuHandler_) menuHandler_(id, list->viewport()->mapToGlobal(at));
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, id] { command(id, kListDoubleClick); });
    } else if (auto* edit = dynamic_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, id] { command(id, kEditChange); });
    }
}

QWidget* DialogWindow::control(int id) const {
    auto it = controls_.find(id);
    return it != controls_.end() ? it->second.data() : nullptr;
}

void DialogWindow::applyTabOrder() {
    for (size_t i = 1; i < tabOrder_.size(); ++i) QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    // The first control that Tab reaches has the focus at opening, as in a Win32 dialog.
    if (!tabOrder_.empty()) tabOrder_.front()->setFocus();
}

void DialogWindow::command(int id, int notification) {
    if (handler_) handler_(id, notification);
}

void DialogWindow::reject() {
    // Esc: Cancel of a dialog; the main window takes no Esc. The logic closes the window.
    if (modal_) command(kCancelCommand, kButtonClicked);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The close box is Cancel (Exit of the main window); the logic decides whether it closes.
    event->ignore();
    command(kCancelCommand, kButtonClicked);
}
