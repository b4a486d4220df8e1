#include "platform/CellEditor.h"

#include "platform/ControlEvents.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

namespace qx {

namespace {
constexpr int kHeightReductionTwips = 25;
constexpr ColorValue kEditorBackColor = 0xC0FFFFu;  // light yellow

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
    // Installed before the key events, so that a screen's key handlers see a key first.
    textBox_->installEventFilter(this);
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

// The maximum length limits what the user types, never what code puts in: a text set longer
// than the limit can still be shortened, only not lengthened.
bool CellEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != textBox_ || event->type() != QEvent::KeyPress || maxLength_ <= 0)
        return false;
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (typed.isEmpty() || !typed.at(0).isPrint())
        return false;
    const auto length = textBox_->text().size();
    const auto resulting = length - textBox_->selectedText().size() + typed.size();
    return resulting > maxLength_ && resulting > length;
}

void CellEditor::setBackColor(ColorValue color) {
    QPalette pal = textBox_->palette();
    pal.setColor(QPalette::Base, toQColor(color, pal));
    textBox_->setPalette(pal);
}

} // namespace qx
