#include "platform/PictureButton.h"

#include "WidgetInput.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace qx {
namespace {

// A shown window with two picture buttons, counting the first one's clicks.
class PictureButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 120);
        proceed = new PictureButton(QStringLiteral("Proceed with transaction."), colors::Blue, &window);
        proceed->setGeometry(10, 10, 200, 30);
        cancel = new PictureButton(QStringLiteral("Cancel"), colors::Red, &window);
        cancel->setGeometry(10, 60, 200, 30);
        QObject::connect(proceed, &QAbstractButton::clicked, [this] { ++clicks; });
        test::showActive(&window);
    }

    QImage look(PictureButton* button) { return button->grab().toImage(); }

    QWidget window;
    PictureButton* proceed = nullptr;
    PictureButton* cancel = nullptr;
    int clicks = 0;
};

TEST_F(PictureButtonTest, ClicksByMouseSpaceAndEnter) {
    struct Case { const char* how; std::function<void()> act; int clicks; };
    const Case cases[] = {
        {"mouse", [&] { test::click(proceed, QPoint(20, 15)); }, 1},
        {"right mouse", [&] { test::click(proceed, QPoint(20, 15), Qt::RightButton); }, 0},
        {"space", [&] { proceed->setFocus(); test::pressKey(proceed, Qt::Key_Space, QStringLiteral(" ")); }, 1},
        {"enter", [&] { proceed->setFocus(); test::pressKey(proceed, Qt::Key_Return, QStringLiteral("\r")); }, 1},
        {"keypad enter", [&] { test::pressKey(proceed, Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier); }, 1},
        {"other key", [&] { test::pressKey(proceed, Qt::Key_A, QStringLiteral("a")); }, 0},
        {"disabled", [&] { proceed->setEnabled(false); test::click(proceed, QPoint(20, 15)); proceed->setEnabled(true); }, 0},
    };
    for (const auto& c : cases) {
        clicks = 0;
        c.act();
        EXPECT_EQ(clicks, c.clicks) << c.how;
    }
}

TEST_F(PictureButtonTest, ShowsFocusAndHighlightOnItsFace) {
    cancel->setFocus();
    const QImage plain = look(proceed);
    proceed->setFocus();
    ASSERT_TRUE(proceed->hasFocus());
    const QImage focused = look(proceed);
    EXPECT_NE(focused, plain);
    cancel->setFocus();
    EXPECT_EQ(look(proceed), plain);

    proceed->setHighlighted(true);
    EXPECT_TRUE(proceed->isHighlighted());
    EXPECT_NE(look(proceed), plain);
    proceed->setHighlighted(false);
    EXPECT_EQ(look(proceed), plain);

    // The caption is drawn in its own colour.
    const QImage face = look(cancel);
    bool red = false;
    for (int y = 0; y < face.height() && !red; ++y)
        for (int x = 0; x < face.width() && !red; ++x)
            red = face.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST_F(PictureButtonTest, HighlightFollowsTheMouseOnlyWhenAskedAndMovesAreReported) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(proceed->mapToGlobal(QPoint(5, 5))));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(proceed, &enter);
    EXPECT_FALSE(proceed->isHighlighted());
    proceed->setHoverHighlight(true);
    QApplication::sendEvent(proceed, &enter);
    EXPECT_TRUE(proceed->isHighlighted());
    QApplication::sendEvent(proceed, &leave);
    EXPECT_FALSE(proceed->isHighlighted());

    QList<int> moved;
    QObject::connect(proceed, &PictureButton::mouseMove,
                     [&](int button, int shift, int x, int y) { moved = {button, shift, x, y}; });
    test::mouseEvent(proceed, QEvent::MouseMove, QPoint(4, 2), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(moved, (QList<int>{0, 0, 60, 30}));  // twips
}

TEST_F(PictureButtonTest, DrawsItsPictureAboveTheCaption) {
    QPixmap binoculars(16, 16);
    binoculars.fill(QColor(0, 128, 0));
    auto* search = new PictureButton(&window);
    search->setPicture(binoculars);
    search->resize(search->sizeHint());
    search->show();
    EXPECT_GE(search->sizeHint().width(), 16);
    const QImage face = search->grab().toImage();
    EXPECT_EQ(face.pixelColor(face.width() / 2, face.height() / 2), QColor(0, 128, 0));

    // Disabled, the picture is drawn greyed out.
    search->setEnabled(false);
    const QImage greyed = search->grab().toImage();
    const QColor middle = greyed.pixelColor(greyed.width() / 2, greyed.height() / 2);
    EXPECT_NE(middle, QColor(0, 128, 0));
    EXPECT_EQ(middle.red(), middle.green());
}

} // namespace
} // namespace qx
