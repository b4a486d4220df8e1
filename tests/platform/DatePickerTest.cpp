#include "platform/DatePicker.h"

#include "WidgetInput.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(DatePicker, ShowsTheDateAndKeepsTheTimeItWasGiven) {
    DatePicker picker;
    const QDateTime serverNow(QDate(2026, 12, 10), QTime(14, 35, 12));
    picker.setValue(serverNow);
    EXPECT_EQ(picker.value(), serverNow);
    EXPECT_EQ(picker.text(), "12/10/2026");
    EXPECT_TRUE(picker.calendarPopup());
}

TEST(DatePicker, TheLatestDayLimitsCodeAndKeys) {
    QWidget window;
    auto* picker = new DatePicker(&window);
    picker->setValue(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    picker->setMaxDate(QDate(2026, 12, 10));
    EXPECT_EQ(picker->value(), QDateTime(QDate(2026, 12, 10), QTime(9, 0)));  // today, any hour, is allowed

    picker->setValue(QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
    EXPECT_EQ(picker->value().date(), QDate(2026, 12, 10));

    test::showActive(&window);
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    test::pressKey(picker, Qt::Key_Up);
    EXPECT_EQ(picker->value().date(), QDate(2026, 12, 10));
    test::pressKey(picker, Qt::Key_Down);
    EXPECT_EQ(picker->value().date(), QDate(2026, 12, 9));
    EXPECT_EQ(picker->text(), "12/09/2026");
}

TEST(DatePicker, TabLeavesThePickerFromAnySection) {
    QWidget window;
    auto* before = new QLineEdit(&window);
    auto* picker = new DatePicker(&window);
    auto* after = new QLineEdit(&window);
    QWidget::setTabOrder(before, picker);
    QWidget::setTabOrder(picker, after);
    picker->setValue(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    test::showActive(&window);

    for (QDateTimeEdit::Section section : {QDateTimeEdit::MonthSection, QDateTimeEdit::DaySection}) {
        picker->setFocus();
        picker->setCurrentSection(section);
        test::pressKey(picker, Qt::Key_Tab);
        EXPECT_TRUE(after->hasFocus()) << section;
        picker->setFocus();
        picker->setCurrentSection(section);
        test::pressKey(picker, Qt::Key_Backtab, {}, Qt::ShiftModifier);
        EXPECT_TRUE(before->hasFocus()) << section;
    }
    EXPECT_EQ(picker->text(), "12/10/2026");
}

} // namespace
} // namespace qx
