#pragma once
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace qx {

class FlexGrid;

// "Transcription Notes": the admitted patients with transcription lines waiting, the doctor's
// orders of the selected one, and the printed note. Process hands the chosen patient back
// through the properties; Close leaves IDNum empty.
class frmTranscription : public QDialog {
    Q_OBJECT
public:
    explicit frmTranscription(QWidget* parent = nullptr);
    // The one picker of the run, whose results the assessment window reads.
    static frmTranscription& Default();

    // Reloads the list in the order "&Sorted" chooses.
    void LoadList();
    // Shows the admission's doctor orders; a patient without orders clears the label.
    void LoadRemarks(const QString& idNum);

    QString IDNum;
    QString RoomID;
    QString RequestBy;
    QString Address;
    QString Room;
    QString Station;

    void cmdProcess_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

    QGroupBox* fraList = nullptr;
    FlexGrid* flexMSHList = nullptr;
    QCheckBox* chkSorted = nullptr;
    QGroupBox* fraRemarks = nullptr;
    QLabel* lblRemarks = nullptr;
    QPushButton* cmdProcess = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void SetupListGrid();
    QString currentAdmission() const;
    void showQueryFailure(const std::exception& e);

    bool loading_ = false;
};

} // namespace qx
