#pragma once
#include <QDateTimeEdit>

namespace qx {

// The date picker of the report dialogs and lists: shows the date as "MM/dd/yyyy" with a calendar
// to drop down, and keeps the time of day its value was given (a picker set to the server's
// date and time hands both on). maxDate is the latest day the user can pick; a value set beyond
// it comes back as the latest moment of that day.
class DatePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDateTime value() const;
    void setValue(const QDateTime& value);
    QDate maxDate() const;
    void setMaxDate(const QDate& date);
    QDate minDate() const;
    void setMinDate(const QDate& date);

protected:
    // Tab leaves the picker as in every other box; the arrow keys move between month, day and year.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

} // namespace qx
