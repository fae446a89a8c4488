#include "view/qt/dialog_controls.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace {

class ContentTextAccessible : public QAccessibleWidget {
public:
    explicit ContentTextAccessible(ContentText* text) : QAccessibleWidget(text, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? content()->text() : QAccessibleWidget::text(t);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Label) && content()->label() != nullptr)
            if (QAccessibleInterface* label = QAccessible::queryAccessibleInterface(content()->label()))
                found.append({label, QAccessible::Label});
        return found;
    }

private:
    const ContentText* content() const { return static_cast<const ContentText*>(widget()); }
};

QAccessibleInterface* contentTextAccessible(const QString& /*className*/, QObject* object) {
    auto* text = dynamic_cast<ContentText*>(object);
    return text != nullptr ? new ContentTextAccessible(text) : nullptr;
}

}  // namespace

ContentText::ContentText(QWidget* parent) : QLabel(parent) {
    // In place before any such text's interface is asked for: Qt keeps the first one it makes.
    // QLabel announces a new text (NameChanged) only while the widget has no accessible name
    // of its own, so it is given none.
    static const bool installed = (QAccessible::installFactory(contentTextAccessible), true);
    (void)installed;
}

DialogUnits DialogUnits::of(const QFont& font) {
    const QFontMetrics metrics(font);
    // Windows' own measure: the average width of the 52 letters, rounded.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits units;
    units.baseX = std::max(1, (letters / 26 + 1) / 2);
    units.baseY = std::max(1, metrics.height());
    return units;
}

QRect DialogUnits::rect(int left, int top, int width, int height) const {
    return QRect(x(left), y(top), x(width), y(height));
}

ManualRadioButton::ManualRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    auto* alone = new QButtonGroup(this);
    alone->setExclusive(false);
    alone->addButton(this);
}

void ManualRadioButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right: focusNextChild(); break;
    case Qt::Key_Up:
    case Qt::Key_Left: focusPreviousChild(); break;
    default: QRadioButton::keyPressEvent(event);
    }
}

QValidator::State FitsValidator::validate(QString& input, int& /*pos*/) const {
    // Qt's line edit keeps two pixels of margin on each side inside its frame.
    const int frame = edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit_);
    const QMargins margins = edit_->textMargins();
    const int room = edit_->width() - 2 * frame - 4 - margins.left() - margins.right();
    return edit_->fontMetrics().horizontalAdvance(input) <= room ? Acceptable : Invalid;
}

TabStopDelegate::TabStopDelegate(const DialogUnits& units, QObject* parent)
    : QStyledItemDelegate(parent), units_(units) {}

int TabStopDelegate::nextStop(int x) const {
    if (stops_.size() <= 1) {
        const int every = units_.x(stops_.empty() ? 32 : stops_.front());
        if (every <= 0) return x;
        return (x / every + 1) * every;
    }
    for (int stop : stops_) {
        if (units_.x(stop) > x) return units_.x(stop);
    }
    const int last = units_.x(stops_.back());
    const int every = std::max(1, last - units_.x(stops_[stops_.size() - 2]));
    return last + ((x - last) / every + 1) * every;
}

std::vector<int> TabStopDelegate::partStarts(const QString& text, const QFontMetrics& metrics) const {
    std::vector<int> starts;
    int x = 0;
    const QStringList parts = text.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) x = nextStop(x);
        starts.push_back(x);
        x += metrics.horizontalAdvance(parts[i]);
    }
    return starts;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // Background, selection and focus frame as the style draws them; the text by the stops.
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup group =
        (item.state & QStyle::State_Enabled) == 0 ? QPalette::Disabled : QPalette::Normal;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QStringList parts = text.split(QLatin1Char('\t'));
    const std::vector<int> starts = partStarts(text, QFontMetrics(item.font));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QRect part = area.adjusted(starts[static_cast<size_t>(i)], 0, 0, 0);
        painter->drawText(part, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parts[i]);
    }
    painter->restore();
}

AddressField::AddressField(QWidget* parent) : QLineEdit(parent) {
    setValidator(new AddressValidator(this));
    setMaxLength(15);
}

std::string AddressField::address() const {
    const QString shown = text();
    QStringList parts = shown.split(QLatin1Char('.'));
    while (parts.size() < 4) parts.append(QString());
    std::string address;
    for (qsizetype i = 0; i < 4; ++i) {
        if (i > 0) address += '.';
        address += std::to_string(parts[i].isEmpty() ? 0 : parts[i].toInt());
    }
    return address;
}

void AddressField::setAddress(const std::string& text) {
    QString shown = QString::fromStdString(text);
    int pos = 0;
    const QStringList parts = shown.split(QLatin1Char('.'));
    if (parts.size() != 4 || validator()->validate(shown, pos) != QValidator::Acceptable) {
        clear();
        return;
    }
    QStringList numbers;
    for (const QString& part : parts) numbers.append(QString::number(part.toInt()));
    setText(numbers.join(QLatin1Char('.')));
}

QValidator::State AddressValidator::validate(QString& input, int& /*pos*/) const {
    if (input.isEmpty()) return Acceptable;
    const QStringList parts = input.split(QLatin1Char('.'));
    if (parts.size() > 4) return Invalid;
    bool complete = parts.size() == 4;
    for (const QString& part : parts) {
        if (part.size() > 3) return Invalid;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
        if (part.isEmpty()) complete = false;
        else if (part.toInt() > 255) return Invalid;
    }
    return complete ? Acceptable : Intermediate;
}
