#include "platform/DatePicker.h"

namespace qx {

DatePicker::DatePicker(QWidget* parent) : QDateTimeEdit(QDateTime::currentDateTime(), parent) {
    setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    setCalendarPopup(true);
    setTimeSpec(Qt::LocalTime);
}

QDateTime DatePicker::value() const { return dateTime(); }
void DatePicker::setValue(const QDateTime& value) { setDateTime(value); }

QDate DatePicker::maxDate() const { return maximumDate(); }

void DatePicker::setMaxDate(const QDate& date) {
    setMaximumDateTime(QDateTime(date, QTime(23, 59, 59, 999)));
}

QDate DatePicker::minDate() const { return minimumDate(); }

void DatePicker::setMinDate(const QDate& date) { setMinimumDateTime(QDateTime(date, QTime(0, 0))); }

} // namespace qx
