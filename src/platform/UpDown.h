#pragma once
#include <QWidget>

class QToolButton;

namespace qx {

// An up-down spinner that stands alone, without a text box of its own: two arrow buttons that
// step a whole-number value between a minimum and a maximum. Each click of an arrow fires
// upClick() or downClick(), also when the value is already at its limit; change() fires when the
// value moves. Holding an arrow repeats. It takes no keyboard focus, so the control it serves
// keeps it.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int value() const;
    void setValue(int value);  // clamped to the range; fires change() when it moves
    int min() const;
    int max() const;
    void setRange(int min, int max);
    int increment() const;
    void setIncrement(int increment);

    QToolButton* upButton() const;
    QToolButton* downButton() const;

    QSize sizeHint() const override;

signals:
    void upClick();
    void downClick();
    void change();

private:
    void step(int direction);

    QToolButton* up_;
    QToolButton* down_;
    int value_ = 0;
    int min_ = 0;
    int max_ = 10;
    int increment_ = 1;
};

} // namespace qx
