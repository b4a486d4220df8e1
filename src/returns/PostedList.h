#pragma once
#include "components/Recordset.h"

#include <QDialog>
#include <QStringList>
#include <QVector>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class FlexGrid;

// What sets one posted-medicine list apart from the others.
struct PostedListLayout {
    QString name;                 // the window's own name, for its error boxes
    QString caption;
    QString patientFrame;         // the patient frame's caption
    QString findLabel;            // the find box's label
    QStringList bannerCaptions;   // one per banner slot
    QString emptyFormat;          // the empty grid's format string
    int emptyColumns = 0;
    // The empty grid's column widths in twips, given u (the grid's width / 11).
    std::function<QVector<int>(int u)> emptyWidths;
    QString seniorFlagTable;      // where the patient's pharmacy senior flag is kept
    QString reprintTip;
    bool adjustedTotal = false;   // "Total Adjusted:" shown and counted apart
    bool patientsMed = false;     // "&Patients Med" offered
    bool drugProfile = false;     // "Print &Drug Profile" offered
    bool seniorList = false;      // "Print List Senior Citizen Discount" offered
    qint16 listReport = 0;        // the report code of "&Print List"
    qint16 seniorListReport = 0;  // the report code of the senior list; 0: the list's own
    QString listPrintLog;         // user-log text of the list print, the patient's name follows; empty: none
    QString reprintLog;           // user-log text of a reprint, the patient's name follows; empty: none
    bool seniorBox = true;        // the senior box shown
    QString seniorCaption = QStringLiteral("&Senior Citizen (");  // the rate and " %)" follow
    bool seniorCaptionAlways = false;  // the rate shown in free use too
    bool rateSignSlot = false;         // the rate written after a blank, or its minus sign
    // A handler's error ends the program with the platform's report, not the "Application
    // Error" box.
    bool platformErrorReport = false;
};

// The admission form of a list: its patient frame, find box, seven-slot banner and empty grid.
PostedListLayout AdmissionPostedListLayout();

// A patient's posted medicine lines, one row each, with their totals and the pharmacy
// senior-citizen discount: the window every posted-medicine list configures. One patient is
// listed at a time, handed in (IDNum, the find box then fixed) or found by the pharmacist. A
// refused find keeps the listed patient, so the flags, prints and reprints always address the
// patient on screen. Flags are written at once. The slip of the selected row is reprinted
// straight to the printer; a failed reprint is told and prints nothing.
class PostedList : public QDialog {
    Q_OBJECT
public:
    QString IDNum() const { return idNum_; }
    void setIDNum(const QString& value) { idNum_ = value; }

    // ---- Controls ----
    QGroupBox* fraPatInfo = nullptr;
    QLabel* lblFind = nullptr;
    QLineEdit* txtFind = nullptr;
    QPushButton* cmdFind = nullptr;
    QVector<QLabel*> lblPatInfo;
    QGroupBox* fraList = nullptr;
    FlexGrid* flexMSHList = nullptr;
    QLabel* lblTotalPosted = nullptr;
    QLabel* lblTotalReturn = nullptr;
    QLabel* lblAdjusted = nullptr;
    QLabel* lblDiscount = nullptr;
    QLabel* lblTotal = nullptr;
    QCheckBox* chkSenior = nullptr;
    QCheckBox* chkPatientsMed = nullptr;
    QGroupBox* fraSC = nullptr;
    QLineEdit* txtSCID = nullptr;
    QLineEdit* txtBookletNumber = nullptr;
    QPushButton* cmdUpdateSC = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cdmPrintPosted = nullptr;
    QPushButton* cmdDrugProfile = nullptr;
    QPushButton* cmdPrintSeniorList = nullptr;
    QPushButton* cmdClose = nullptr;

    // Builds the empty grid; lists the handed-in patient at once.
    void Form_Load();
    void ClearGridList();
    void ClearAll();
    virtual void ComputeTotals();
    // Every line's amount with the senior-citizen discount or without it, and the discount and
    // net totals.
    virtual void SCDiscounter(bool IsDiscount);

    void cmdFind_Click();
    void chkSenior_Click();
    void chkPatientsMed_Click();
    void cmdUpdateSC_Click();
    void cdmPrintPosted_Click();
    void cmdPrintSeniorList_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

    // The patient listed now ("" before the first find).
    QString listedPatient() const { return listed_; }

protected:
    explicit PostedList(PostedListLayout layout, QWidget* parent = nullptr);

    // ---- What each list supplies ----
    // Runs the find and lists the patient found (listPatient); a list may guard it its own way.
    virtual void search() { listPatient(); }
    void listPatient();
    // Looks the typed text up (picker included) and makes the patient current; false when none
    // is found, the refusal already told.
    virtual bool findPatient() = 0;
    // The out-patient find: the visit the box names, else the one the visit roster picks for the
    // text; "Patient not found." when the visit component does not know it.
    bool findVisit();
    // The current patient's id and banner values, slot by slot.
    virtual QString currentPatientId() = 0;
    virtual QStringList bannerValues() = 0;
    virtual Recordset postedLines(const QString& patientId);
    // The titles of a listed grid's columns; a column without one is titled by its field.
    virtual QStringList listTitles() const { return {}; }
    // The stored senior flag of the listed patient; nothing when the patient has no row.
    virtual std::optional<bool> storedSeniorFlag(const QString& patientId);
    virtual void writeSeniorFlag(bool on);
    // Where the listed patient's pharmacy senior flag is kept.
    virtual QString seniorFlagTable() const { return layout_.seniorFlagTable; }
    // After a find has listed the patient and set the senior box.
    virtual void patientListed(const QString& patientId) { Q_UNUSED(patientId); }
    // Reprints the slip of the selected row: its transaction as shown, patient and reference.
    virtual void reprintRow(const QString& transaction, const QString& patientId, const QString& refNum) = 0;
    // The remarks printed on every reprint of this window, asked once per run at site OXBEN.
    virtual QString& reprintRemarks() = 0;
    // Fills the report window's request of the list print.
    virtual void requestListPrint();
    virtual void requestDrugProfile() {}

    // Amount of a grid cell: commas dropped, the leading number read.
    static double cellAmount(const QString& text);
    QString bannerText(int slot) const;
    QString findText() const;
    // Runs a handler of this window under its error box.
    void handler(const char* procedure, const std::function<void()>& body);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    PostedListLayout layout_;

private:
    void buildControls();
    void loadSeniorFlag(const QString& patientId);
    void loadSCBoxes();
    void putBackListed();

    QString idNum_;
    QString listed_;
    Recordset list_;
    int seniorActions_ = 0;
};

} // namespace qx
