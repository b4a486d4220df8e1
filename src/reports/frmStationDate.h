#pragma once
#include "reports/ReportDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace qx {

// "Census Station": an active nursing station and a day (the server's day at first), and the
// census by station with age.
class frmStationDate : public ReportDialog {
    Q_OBJECT
public:
    explicit frmStationDate(QWidget* parent = nullptr);

    QLabel* Label1[2] = {nullptr, nullptr};
    QComboBox* cboStation = nullptr;  // each entry carries its station's id
    DatePicker* dpStartDate = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdClose = nullptr;

    // The server's date, then the active stations by name; false when either failed (told).
    bool Form_Load() override;
    void cmdGenerate_Click();
    void cmdClose_Click();
};

} // namespace qx
