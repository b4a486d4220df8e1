#pragma once
#include "platform/Colors.h"

#include <QObject>

class QLineEdit;
class QPushButton;

namespace qx {

class ControlEvents;
class FlexGrid;
class UpDown;

// The floating cell editor of an entry grid: a text box laid exactly over one cell of a flex
// grid, with a companion beside it at the cell's right edge (a "..." look-up button or an
// up-down spinner), so that the grid looks editable in place. The three controls are siblings of
// the grid, hidden until placed. What a screen does with typed keys, a commit, a look-up click or
// a spinner click it connects to textEvents(), lookupButton() and spinner().
class CellEditor : public QObject {
    Q_OBJECT
public:
    enum class Companion { None, LookupButton, Spinner };

    // A column's editor kind as the screens' tables give it: 1 the look-up button, 2 the spinner,
    // any other value none.
    static Companion companionForKind(double editorKind);

    // Makes the controls beside the grid, which must already have its parent window.
    explicit CellEditor(FlexGrid* grid);

    FlexGrid* grid() const;
    QLineEdit* textBox() const;
    QPushButton* lookupButton() const;
    UpDown* spinner() const;
    // Key, double-click and focus events of the text box.
    ControlEvents* textEvents() const;

    // Lays the text box over the cell: left and top at the cell's, the column's width less the
    // companion's, the row's height less 25 twips; the companion right of it at the same top and
    // height. maxLength 0 means no limit. Shows them and, when the text box can take it, gives it
    // the focus. The text box's text is left alone.
    void placeOver(int row, int col, Companion companion, int maxLength);

    // Hides the text box and both companions.
    void hide();
    bool isOpen() const;

    // Text of the text box. Code sets it in full; the maximum length limits only typing.
    QString text() const;
    void setText(const QString& text);
    int maxLength() const;

    void setBackColor(ColorValue color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FlexGrid* grid_;
    QLineEdit* textBox_;
    QPushButton* lookupButton_;
    UpDown* spinner_;
    ControlEvents* textEvents_;
    int maxLength_ = 0;
};

} // namespace qx
