#pragma once
// The Qt widgets that stand for the templates' Win32 controls where Qt's own behave otherwise:
// dialog units, buttons that only the logic checks, an edit that stops typing when full, a list
// with tab stops, the dotted-quad address field, and a status text that a screen reader reads.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QValidator>

#include <string>
#include <vector>

// Dialog units in pixels of a font, as Windows maps them: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.
struct DialogUnits {
    int baseX = 4;
    int baseY = 8;

    static DialogUnits of(const QFont& font);
    int x(int units) const { return mulDiv(units, baseX, 4); }
    int y(int units) const { return mulDiv(units, baseY, 8); }
    QRect rect(int x, int y, int width, int height) const;

private:
    static int mulDiv(int value, int by, int over) {
        const long long product = static_cast<long long>(value) * by;
        return static_cast<int>((product >= 0 ? product + over / 2 : product - over / 2) / over);
    }
};

// A check box or radio button that the user's click does not check: the window's logic does
// (BS_CHECKBOX, BS_RADIOBUTTON).
class ManualCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

class ManualRadioButton : public QRadioButton {
public:
    // In a button group of its own, Qt neither clears its neighbours nor skips them on Tab, and
    // the button stays auto-exclusive: what a screen reader reads as a radio button.
    ManualRadioButton(const QString& text, QWidget* parent);

protected:
    void nextCheckState() override {}
    // Arrows move on and back as Tab does (a group of one has nowhere to move to).
    void keyPressEvent(QKeyEvent* event) override;
};

// A static text that the window writes (a status line): its content is the information, so a
// screen reader gets it as the name, hears each change, and finds what it is by its label
// (labelled-by), the template's text before it.
class ContentText : public QLabel {
public:
    explicit ContentText(QWidget* parent);
    void setLabel(QWidget* label) { label_ = label; }
    QWidget* label() const { return label_; }

private:
    QPointer<QWidget> label_;
};

// An edit without horizontal scrolling: what would not fit is not typed.
class FitsValidator : public QValidator {
public:
    explicit FitsValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* edit_;
};

// Draws a list's lines with their tabs expanded to tab stops given in dialog units.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(const DialogUnits& units, QObject* parent);
    // LB_SETTABSTOPS: none gives a stop every 32 units, one a stop every so many units, more
    // the stops themselves (beyond the last, the last distance again).
    void setStops(const std::vector<int>& stops) { stops_ = stops; }
    void setUnits(const DialogUnits& units) { units_ = units; }
    // Pixel offsets at which the tab-separated parts of text start.
    std::vector<int> partStarts(const QString& text, const QFontMetrics& metrics) const;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int nextStop(int x) const;

    DialogUnits units_;
    std::vector<int> stops_;
};

// The address field: four decimal parts of 0 to 255, typed with their dots.
class AddressField : public QLineEdit {
public:
    explicit AddressField(QWidget* parent);
    // Four parts, a blank one read as 0: a blank field is 0.0.0.0, as on Windows.
    std::string address() const;
    // A dotted quad is shown as four numbers; anything else leaves the field blank.
    void setAddress(const std::string& text);
};

class AddressValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
