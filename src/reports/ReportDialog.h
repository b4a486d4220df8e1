#pragma once
#include <QDialog>
#include <functional>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace qx {

class DatePicker;

// The base of the report choosers: a `ReportType` the caller sets before the dialog loads, date
// pickers on today, the report window shown modally for a code with the busy pointer around it
// (the dialog stays open for further requests), and one error path: a failure is told and the
// program goes on.
class ReportDialog : public QDialog {
    Q_OBJECT
public:
    qint16 ReportType() const { return reportType_; }
    void setReportType(qint16 value) { reportType_ = value; }

    // Fills the lists and states that depend on ReportType; false when a list failed (told).
    virtual bool Form_Load() = 0;

protected:
    explicit ReportDialog(QWidget* parent);

    // A picker named `name` on today (the time of day included), today the latest day.
    DatePicker* todayPicker(const QString& name);
    // The shift list: "1", "2", "3" and an empty text.
    QComboBox* shiftList(const QString& name);
    // The per-shift frame `Frame1`, disabled: "&Shift" (`Label1`) and the shift list `cboShift`.
    QGroupBox* shiftFrame(QLabel*& label, QComboBox*& shifts);
    // A push button that neither Enter nor Escape presses (the dialogs name no default button).
    QPushButton* dialogButton(const QString& name, const QString& caption);
    // The foot of a chooser: "&Generate Report" and "&Close" at the right of a row (neither
    // pressed by Enter), each running its handler.
    QHBoxLayout* generateCloseRow(QPushButton*& generate, QPushButton*& close, const std::function<void()>& onGenerate,
                                  const std::function<void()>& onClose);
    // Shows the report window modally for `code`; the caller has filled the request.
    void showReport(qint16 code);
    // Runs `step`; an error is told and false comes back.
    bool guarded(const std::function<void()>& step);

private:
    qint16 reportType_ = 0;
};

// Runs `step`; an error is told in a message box and false comes back.
bool RunTellingFailure(const std::function<void()>& step);

// Shows the report window modeless for `code`, beside the main window; a window already up with
// an earlier report is loaded afresh for this request.
void ShowReportModeless(qint16 code);

// The id kept with the chosen entry of a list (the "tag" of a bound combo), empty for none.
QString ChosenId(const QComboBox& list);

} // namespace qx
