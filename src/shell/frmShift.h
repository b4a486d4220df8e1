#pragma once
#include <QDialog>
#include <QVector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

// The session's dispensing location and checker, written by the shift window.
extern QString gLocationID;   // "20" main pharmacy, "186" satellite ("256" at NORVAX)
extern QString gCheckerID;
extern QString gCheckerName;

// "Shift Entry": asks for the shift and the checker; on closing fixes the workstation's
// dispensing location and stores its satellite flag. The chosen shift stays in Shift for the
// whole run.
class frmShift : public QDialog {
    Q_OBJECT
public:
    explicit frmShift(QWidget* parent = nullptr);

    // The instance every screen reads the shift from, alive for the whole run.
    static frmShift& Default();

    // 1, 2 or 3; 0 before the first choice.
    qint16 Shift() const { return shift_; }
    void setShift(qint16 value) { shift_ = value; }
    // Stores the typed slip number (bare or as printed) as this employee's next terminal charge-slip
    // number; anything else is refused with a message and false.
    bool SaveChargeSlip();

    QGroupBox* Frame1 = nullptr;
    QRadioButton* optFirst = nullptr;
    QRadioButton* optSecond = nullptr;
    QRadioButton* optThird = nullptr;
    QRadioButton* optFourth = nullptr;
    QLabel* lblFirst = nullptr;
    QLabel* lblSecond = nullptr;
    QLabel* lblThird = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QVector<QRadioButton*> optMain;  // 0 "Main", 1 "Satelite"
    QGroupBox* Frame4 = nullptr;
    QLineEdit* txtCheckerID = nullptr;
    QPushButton* cmdSearch = nullptr;
    QLineEdit* txtCheckerName = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLineEdit* txtChargeSlip = nullptr;
    QPushButton* cmdOK = nullptr;

    void Form_Load();
    void cmdOK_Click();
    void cmdSearch_Click();
    void Form_Unload();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void resetControls();
    void selectShift(int shift);
    void markShift(int shift, bool autoDetect);
    QRadioButton* option(int shift) const;
    QLabel* optionLabel(int shift) const;
    int chosenShift() const;

    qint16 shift_ = 0;
    qint16 shiftAtOpening_ = 0;
    bool loaded_ = false;
};

} // namespace qx
