#include "platform/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace qx {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto makeArrow = [this, layout](Qt::ArrowType arrow) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
        return button;
    };
    up_ = makeArrow(Qt::UpArrow);
    down_ = makeArrow(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); emit upClick(); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); emit downClick(); });
}

int UpDown::value() const { return value_; }

void UpDown::setValue(int value) {
    value = std::clamp(value, min_, max_);
    if (value == value_)
        return;
    value_ = value;
    emit change();
}

int UpDown::min() const { return min_; }
int UpDown::max() const { return max_; }

void UpDown::setRange(int min, int max) {
    min_ = std::min(min, max);
    max_ = std::max(min, max);
    setValue(value_);
}

int UpDown::increment() const { return increment_; }
void UpDown::setIncrement(int increment) { increment_ = std::max(1, increment); }

QToolButton* UpDown::upButton() const { return up_; }
QToolButton* UpDown::downButton() const { return down_; }

QSize UpDown::sizeHint() const { return {17, 22}; }

void UpDown::step(int direction) {
    const long long next = static_cast<long long>(value_) + static_cast<long long>(direction) * increment_;
    setValue(static_cast<int>(std::clamp<long long>(next, min_, max_)));
}

} // namespace qx
