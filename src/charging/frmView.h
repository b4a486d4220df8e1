#pragma once
#include <QDateTime>
#include <QMainWindow>
#include <memory>

class QLabel;
class QPushButton;

namespace qx::report {
class Report;
class ReportViewer;
enum class ExportFormat;
}

namespace qx {

class PictureButton;

// The report window. A requester fills the request members its report code reads, sets
// WhatReport (or hands over a report with LoadReport) and shows the window; showing it opens the
// code's report through the report catalogue, gives it the hospital's name and address, logs its
// tables on, offers the Excel export where the hospital wants it and shows it maximized. A report
// that cannot be opened is told and the window does not come up. The members keep their values
// between requests; clickedPrint tells afterwards whether the user pressed Print.
class frmView : public QMainWindow {
    Q_OBJECT
public:
    explicit frmView(QWidget* parent = nullptr);
    ~frmView() override;

    // ---- The request, in interface order ----
    QString LocationID;
    QString ItemName;
    QString ItemID;
    QString ItemClassificationID;
    QString RangeStart;
    QString RangeEnd;
    bool clickedPrint = false;

    QString vlRefnum() const { return vlRefnum_; }
    void setVlRefnum(const QString& v) { vlRefnum_ = v; }
    qint16 WhatReport() const { return whatReport_; }
    void setWhatReport(qint16 v) { whatReport_ = v; }
    QDateTime ReportDate() const { return reportDate_; }
    void setReportDate(const QDateTime& v) { reportDate_ = v; }
    QString StartDate() const { return startDate_; }
    void setStartDate(const QString& v) { startDate_ = v; }
    QString EndDate() const { return endDate_; }
    void setEndDate(const QString& v) { endDate_ = v; }
    QString DrugCode() const { return drugCode_; }
    void setDrugCode(const QString& v) { drugCode_ = v; }
    QString AdmNum() const { return admNum_; }
    void setAdmNum(const QString& v) { admNum_ = v; }
    bool isHomeMeds() const { return isHomeMeds_; }
    void setIsHomeMeds(bool v) { isHomeMeds_ = v; }
    QString DispenserCode() const { return dispenserCode_; }
    void setDispenserCode(const QString& v) { dispenserCode_ = v; }
    QString PatientType() const { return patientType_; }
    void setPatientType(const QString& v) { patientType_ = v; }
    QString DrugName() const { return drugName_; }
    void setDrugName(const QString& v) { drugName_ = v; }
    QString OnHand() const { return onHand_; }
    void setOnHand(const QString& v) { onHand_ = v; }
    double TotalPosted() const { return totalPosted_; }
    void setTotalPosted(double v) { totalPosted_ = v; }
    double TotalReturned() const { return totalReturned_; }
    void setTotalReturned(double v) { totalReturned_ = v; }
    double TotalDiscount() const { return totalDiscount_; }
    void setTotalDiscount(double v) { totalDiscount_ = v; }
    QString HospNum() const { return hospNum_; }
    void setHospNum(const QString& v) { hospNum_ = v; }
    QString EmployeeNumber() const { return employeeNumber_; }
    void setEmployeeNumber(const QString& v) { employeeNumber_ = v; }
    bool Checked() const { return checked_; }
    void setChecked(bool v) { checked_ = v; }
    double TotalAdjusted() const { return totalAdjusted_; }
    void setTotalAdjusted(double v) { totalAdjusted_ = v; }
    QString PatientName() const { return patientName_; }
    void setPatientName(const QString& v) { patientName_ = v; }
    QString Doctor() const { return doctor_; }
    void setDoctor(const QString& v) { doctor_ = v; }
    QString Room() const { return room_; }
    void setRoom(const QString& v) { room_ = v; }
    QString Station() const { return station_; }
    void setStation(const QString& v) { station_ = v; }
    qint16 ReportType() const { return reportType_; }
    void setReportType(qint16 v) { reportType_ = v; }
    QString Shift() const { return shift_; }
    void setShift(const QString& v) { shift_ = v; }
    QString CreditMemo() const { return creditMemo_; }
    void setCreditMemo(const QString& v) { creditMemo_ = v; }
    QString CardTypeID() const { return cardTypeID_; }
    void setCardTypeID(const QString& v) { cardTypeID_ = v; }
    QString CardNum() const { return cardNum_; }
    void setCardNum(const QString& v) { cardNum_ = v; }
    qint16 IN_OR_OUT() const { return inOrOut_; }
    void setIN_OR_OUT(qint16 v) { inOrOut_ = v; }
    QString Chargeslip() const { return chargeslip_; }
    void setChargeslip(const QString& v) { chargeslip_ = v; }
    QString Company() const { return company_; }
    void setCompany(const QString& v) { company_ = v; }
    QString Age() const { return age_; }
    void setAge(const QString& v) { age_ = v; }
    QString Sex() const { return sex_; }
    void setSex(const QString& v) { sex_ = v; }
    QString Package() const { return package_; }
    void setPackage(const QString& v) { package_ = v; }
    QString DiscNameAssess() const { return discNameAssess_; }
    void setDiscNameAssess(const QString& v) { discNameAssess_ = v; }
    QString isDoctor() const { return isDoctor_; }
    void setIsDoctor(const QString& v) { isDoctor_ = v; }
    QString PrescriptionDoctor() const { return prescriptionDoctor_; }
    void setPrescriptionDoctor(const QString& v) { prescriptionDoctor_ = v; }
    QString PrescriptionPatientName() const { return prescriptionPatientName_; }
    void setPrescriptionPatientName(const QString& v) { prescriptionPatientName_ = v; }
    QString PrescriptionDosage() const { return prescriptionDosage_; }
    void setPrescriptionDosage(const QString& v) { prescriptionDosage_ = v; }
    QString PrescriptionQuantity() const { return prescriptionQuantity_; }
    void setPrescriptionQuantity(const QString& v) { prescriptionQuantity_ = v; }
    QString PrescriptionItemDesc() const { return prescriptionItemDesc_; }
    void setPrescriptionItemDesc(const QString& v) { prescriptionItemDesc_ = v; }
    QString PrescriptionItemName() const { return prescriptionItemName_; }
    void setPrescriptionItemName(const QString& v) { prescriptionItemName_ = v; }
    QString PrescriptionPRC() const { return prescriptionPRC_; }
    void setPrescriptionPRC(const QString& v) { prescriptionPRC_ = v; }
    QString PrescriptionPTR() const { return prescriptionPTR_; }
    void setPrescriptionPTR(const QString& v) { prescriptionPTR_ = v; }
    QString PrescriptionTIN() const { return prescriptionTIN_; }
    void setPrescriptionTIN(const QString& v) { prescriptionTIN_ = v; }
    QString PrescriptionSTwo() const { return prescriptionSTwo_; }
    void setPrescriptionSTwo(const QString& v) { prescriptionSTwo_ = v; }

    // Hands over a report the caller opened and filled itself (code 999); does not show the window.
    void LoadReport(std::shared_ptr<report::Report> report);

    // The report on view while the window is up; empty otherwise.
    std::shared_ptr<report::Report> report() const { return report_; }

    // ---- Controls ----
    report::ReportViewer* CRViewer1 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdMore = nullptr;
    QWidget* pctMore = nullptr;
    PictureButton* imgPrint = nullptr;
    PictureButton* imgExcel = nullptr;
    PictureButton* imgRTF = nullptr;
    QLabel* lblPrint = nullptr;
    QLabel* lblExcel = nullptr;
    QLabel* lblRTF = nullptr;

    void cmdPrint_Click();
    void cmdMore_Click();
    void imgPrint_Click();
    void imgExcel_Click();
    void imgRTF_Click();

    // Showing loads the request first; a request that opens no report leaves the window hidden.
    // A window already up keeps its report.
    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Enter closes the window wherever the focus is, before any control sees it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Form_Load();
    void Form_Unload();
    void Form_Resize();
    bool OpenReport(bool& exportFlag, QString& reportPath);
    void SetLogOnInfo();
    void ExportReport(const QString& reportPath);
    // The panel's export to a file the user picks; `filter` in "Description (*.ext)" form.
    void exportToChosenFile(const QString& filter, const QString& suffix, report::ExportFormat format);
    void layoutControls();

    bool loaded_ = false;
    std::shared_ptr<report::Report> report_;
    std::shared_ptr<report::Report> suppliedReport_;

    QString vlRefnum_;
    qint16 whatReport_ = 0;
    QDateTime reportDate_;
    QString startDate_;
    QString endDate_;
    QString drugCode_;
    QString admNum_;
    bool isHomeMeds_ = false;
    QString dispenserCode_;
    QString patientType_;
    QString drugName_;
    QString onHand_;
    double totalPosted_ = 0;
    double totalReturned_ = 0;
    double totalDiscount_ = 0;
    QString hospNum_;
    QString employeeNumber_;
    bool checked_ = false;
    double totalAdjusted_ = 0;
    QString patientName_;
    QString doctor_;
    QString room_;
    QString station_;
    qint16 reportType_ = 0;
    QString shift_;
    QString creditMemo_;
    QString cardTypeID_;
    QString cardNum_;
    qint16 inOrOut_ = 0;
    QString chargeslip_;
    QString company_;
    QString age_;
    QString sex_;
    QString package_;
    QString discNameAssess_;
    QString isDoctor_;
    QString prescriptionDoctor_;
    QString prescriptionPatientName_;
    QString prescriptionDosage_;
    QString prescriptionQuantity_;
    QString prescriptionItemDesc_;
    QString prescriptionItemName_;
    QString prescriptionPRC_;
    QString prescriptionPTR_;
    QString prescriptionTIN_;
    QString prescriptionSTwo_;
};

// The one report window of the run, created on first use.
frmView& ReportWindow();
// Destroys it (program end and tests); the next use creates a new one with an empty request.
void ReleaseReportWindow();

} // namespace qx
