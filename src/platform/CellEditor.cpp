#include "platform/CellEditor.h"

#include "platform/ControlEvents.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"

#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <stdexcept>

namespace qx {

namespace {
constexpr int kHeightReductionTwips = 25;
constexpr ColorValue kEditorBackColor = 0xC0FFFFu;  // light yellow

// Limits what the user types, never what code puts in: a text set longer than the limit can
// still be shortened, only not lengthened.
class MaxLengthValidator : public QValidator {
public:
    MaxLengthValidator(QLineEdit* box, const int* maxLength) : QValidator(box), box_(box), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override {
        const bool tooLong = *maxLength_ > 0 && input.size() > *maxLength_ && input.size() > box_->text().size();
        return tooLong ? Invalid : Acceptable;
    }

private:
    QLineEdit* box_;
    const int* maxLength_;
};
} // namespace

CellEditor::Companion CellEditor::companionForKind(double editorKind) {
    if (editorKind == 1)
        return Companion::LookupButton;
    if (editorKind == 2)
        return Companion::Spinner;
    return Companion::None;
}

CellEditor::CellEditor(FlexGrid* grid) : QObject(grid), grid_(grid) {
    QWidget* window = grid->parentWidget();
    if (!window)
        throw std::logic_error("CellEditor needs a grid that has a parent widget");
    textBox_ = new QLineEdit(window);
    textBox_->setFrame(false);
    textBox_->setValidator(new MaxLengthValidator(textBox_, &maxLength_));
    textEvents_ = new ControlEvents(textBox_);
    lookupButton_ = new QPushButton(QStringLiteral("..."), window);
    lookupButton_->setFocusPolicy(Qt::NoFocus);
    lookupButton_->setFixedWidth(20);
    spinner_ = new UpDown(window);
    spinner_->setFixedWidth(17);
    setBackColor(kEditorBackColor);
    hide();
}

FlexGrid* CellEditor::grid() const { return grid_; }
QLineEdit* CellEditor::textBox() const { return textBox_; }
QPushButton* CellEditor::lookupButton() const { return lookupButton_; }
UpDown* CellEditor::spinner() const { return spinner_; }
ControlEvents* CellEditor::textEvents() const { return textEvents_; }

void CellEditor::placeOver(int row, int col, Companion companion, int maxLength) {
    QWidget* side = companion == Companion::LookupButton ? static_cast<QWidget*>(lookupButton_)
                  : companion == Companion::Spinner     ? static_cast<QWidget*>(spinner_)
                                                        : nullptr;
    const int sideWidth = side ? pixelsToTwips(side->width()) : 0;
    maxLength_ = std::max(0, maxLength);

    // Lengths in twips from the grid's window, as the grid reports its cells.
    const int left = pixelsToTwips(grid_->x()) + grid_->colPos(col);
    const int top = pixelsToTwips(grid_->y()) + grid_->rowPos(row);
    const int width = grid_->colWidth(col) - sideWidth;
    const int height = grid_->rowHeight(row) - kHeightReductionTwips;
    textBox_->setGeometry(twipsToPixels(left, top, width, height));
    textBox_->show();
    textBox_->raise();

    for (QWidget* other : {static_cast<QWidget*>(lookupButton_), static_cast<QWidget*>(spinner_)})
        if (other != side)
            other->hide();
    if (side) {
        const QRect box = textBox_->geometry();
        side->setGeometry(box.right() + 1, box.top(), side->width(), box.height());
        side->show();
        side->raise();
    }
    if (textBox_->isEnabled() && textBox_->isVisible())
        textBox_->setFocus(Qt::OtherFocusReason);
}

void CellEditor::hide() {
    for (QWidget* control : {static_cast<QWidget*>(textBox_), static_cast<QWidget*>(lookupButton_),
                             static_cast<QWidget*>(spinner_)})
        if (control->isVisible() || !control->isHidden())
            control->hide();
}

bool CellEditor::isOpen() const { return !textBox_->isHidden(); }

QString CellEditor::text() const { return textBox_->text(); }

void CellEditor::setText(const QString& text) { textBox_->setText(text); }

int CellEditor::maxLength() const { return maxLength_; }

void CellEditor::setBackColor(ColorValue color) {
    QPalette pal = textBox_->palette();
    pal.setColor(QPalette::Base, toQColor(color, pal));
    textBox_->setPalette(pal);
}

} // namespace qx
