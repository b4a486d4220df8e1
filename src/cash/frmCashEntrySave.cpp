// Saving of the assessment window: the line readers, the save in one transaction (numbers, lines
// or stand-alone sale, staging, invoice, user log), the pre-numbered save and the three commands.
#include "cash/frmCashEntry.h"
#include "cash/frmSISequence.h"

#include "charging/CashAssessmentNumbers.h"
#include "charging/CashMoney.h"
#include "charging/PriceLookups.h"
#include "charging/PrintStaging.h"
#include "charging/SlipPrinting.h"
#include "platform/report/Report.h"
#include "charging/StockCard.h"
#include "charging/frmChargeslip.h"
#include "charging/frmView.h"
#include "components/AppError.h"
#include "shell/ItemLookups.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/QueryHelpers.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/UserLog.h"
#include "shell/clsAssessInfo.h"
#include "shell/clsPharmaSwitches.h"
#include "shell/frmDeletePassword.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace qx {

namespace {

const QString kCashSaveModule = QStringLiteral("frmCashEntry");
const QString kCashCustomerId = QStringLiteral("CASH");
const QString kPreviewNumber = QStringLiteral("PREVIEW");
const QString kSeniorClass = QStringLiteral("CF-SENIOR CITIZENS DISCOUNT");

QString trimmedEnd(const QString& text) {
    QString s = text;
    while (!s.isEmpty() && s.back() == QLatin1Char(' '))
        s.chop(1);
    return s;
}

} // namespace

// What every line of one save shares.
struct frmCashEntry::AssessmentSave {
    Connection& con;
    QString number;
    QString postingUser;
    QString customerName;
    bool preview = false;
    bool standAlone = false;
    QString scpwdId, s2Id;
    QDateTime now;
    QString serverDate;  // "mm/dd/yyyy hh:mm:ss"
    QString lastDiscountType;
};

double frmCashEntry::GetRowAmount(int row) {
    return generalProcedure(kCashSaveModule, QStringLiteral("GetRowAmount"), [&] {
        const bool gross = GetInvSwitch(QStringLiteral("106")) || gPharmaSwitches.Switch17();
        return ToDouble(grdItemList->textMatrix(row, gross ? colGross : colAmount));
    });
}

double frmCashEntry::GetRowUnitPrice(int row) {
    return generalProcedure(kCashSaveModule, QStringLiteral("GetRowUnitPrice"), [&] {
        const double fixedPrice = ToDouble(grdItemList->textMatrix(row, colFixedPrice));
        if (gSiteCode == QLatin1String("KTH") && fixedPrice > 0)
            return fixedPrice;
        return ToDouble(grdItemList->textMatrix(row, colPriceBase));
    });
}

void frmCashEntry::GetCardInfo(int row, double& discount, QString& cardNumber, QString& cardTypeId) {
    generalProcedure(kCashSaveModule, QStringLiteral("GetCardInfo"), [&] {
        discount = 0;
        cardNumber.clear();
        cardTypeId.clear();
        const double percent = ToDouble(grdItemList->textMatrix(row, colMfrDiscountPercent));
        const double amount = ToDouble(grdItemList->textMatrix(row, colMfrDiscountAmount));
        if (percent != 0)
            discount = percent;
        else if (amount != 0)
            discount = amount;
        else
            return;
        cardNumber = Trim(txtZarviCard->text());
        cardTypeId = Trim(lblCardTypeID->text());
    });
}

void frmCashEntry::GetRowDiscountInfo(int row, double& discount, QString& discountName, QString& discountType,
                                      double& discountRate) {
    generalProcedure(kCashSaveModule, QStringLiteral("GetRowDiscountInfo"), [&] {
        const double manualRate = ToDouble(Trim(txtDscRate->text()));
        if (gEmployeeDiscountPH) {
            discount = ToDouble(grdItemList->textMatrix(row, colOutPatientMarkUp));
            discountName = cboClassEmployee->currentText();
        } else {
            discount = ToDouble(grdItemList->textMatrix(row, colDiscount));
        }
        const bool kth = gSiteCode == QLatin1String("KTH");
        if (gPharmaOptDiscountType) {
            if (optSeniorCitizen->isChecked()) {
                discountName = kSeniorClass;
                discountRate = gDiscountSeniorCitizen;
            } else if (optManual->isChecked()) {
                discountName = Trim(cboOthers->currentText());
                discountRate = manualRate;
            } else if (optNone->isChecked()) {
                if (kth)
                    discountName.clear();
                discountRate = 0;
            }
        } else if (chkTypeA->isChecked()) {
            discountRate = ToDouble(cmbA->currentText());
            discountName = cboClass->currentText();
        } else {
            discountRate = 0;
            discountName.clear();
        }
        if (kth && !optSeniorCitizen->isChecked() && ToDouble(grdItemList->textMatrix(row, colFixedPrice)) != 0)
            discountRate = 0;
        discountType = gSiteCode == QLatin1String("LAZE") ? Text(discountRate) : Left(discountName, 2);
        if (gPharmaSwitches.Switch13()) {
            discountType.clear();
            if (gPharmaOptDiscountType) {
                if (optSeniorCitizen->isChecked())
                    discountType = QStringLiteral("CF");
                else if (optManual->isChecked())
                    discountType = Left(Trim(cboOthers->currentText()), 2);
            } else {
                discountType = Left(Trim(cboClass->currentText()), 2);
            }
        }
    });
}

bool frmCashEntry::CheckSlipExists(const QString& refNum) {
    return generalProcedure(kCashSaveModule, QStringLiteral("CheckSlipExists"),
                            [&] { return AssessmentSlipExists(SQLConnection(), refNum); });
}

bool frmCashEntry::SaveAssessment(bool print, bool preview) {
    return generalProcedure(kCashSaveModule, QStringLiteral("SaveAssessment"), [&] {
        mSaveValidated = false;
        if (!Validated())
            return false;
        if (gPharmaOptDiscountType || chkTypeA->isChecked())
            ComputeAllDiscounts();
        mSaveValidated = true;

        Connection& con = SQLConnection();
        AssessmentSave save{con};
        save.postingUser = gHasValidation ? frmDeletePassword::Default().VerifyID() : gEmployeeCode;
        save.customerName = trimmedEnd(txtPatName->text());
        save.preview = preview;
        save.standAlone = !preview && gPharmaSwitches.PharmacyCashStandAlone();
        save.now = con.serverNow();
        save.serverDate = Format(save.now, QStringLiteral("mm/dd/yyyy hh:mm:ss"));
        if (print || preview) {
            if (gPharmaSwitches.Switch200() && !txtSCPWDID->text().isEmpty() &&
                ColumnExists(con, QStringLiteral("tbPharmaChargePrint"), QStringLiteral("SCPWDID")))
                save.scpwdId = txtSCPWDID->text();
            if (gPharmaSwitches.Switch201() && !txtS2Number->text().isEmpty() &&
                ColumnExists(con, QStringLiteral("tbPharmaChargePrint"), QStringLiteral("S2ID")))
                save.s2Id = txtS2Number->text();
        }

        const QString previousSequence = frmSISequence::SISequenceNumber();
        try {
            Transaction tx(con);
            if (preview) {
                save.number = kPreviewNumber;
            } else if (save.standAlone) {
                save.number = QStringLiteral("SI") + Format(Val(frmSISequence::SISequenceNumber()), QStringLiteral("000000"));
                if (!ClaimSalesInvoiceNumber(con, save.number, kCashCustomerId, gEmployeeCode)) {
                    MsgBox(QStringLiteral("SI Sequence Number already used."), vbInformation);
                    mSaveValidated = false;
                    return false;
                }
            } else {
                save.number = ClaimBillingNumber(
                    con, gPreNumberAssessment ? PreNumberedAssessmentSeries() : AssessmentNumberSeries(),
                    Trim(txtIdNumber->text()), save.postingUser);
            }
            mPreNumberRefNum = save.number;
            // One key in every mode, as the slip reads it: a preview never shows another customer's lines.
            ClearChargePrint(con, gEmployeeCode, kCashCustomerId, save.number, false);
            for (int row = 1; row < grdItemList->rows(); ++row)
                postAssessmentLine(row, save);
            if (!preview && !mSaveLogActivity.isEmpty())
                SaveUserLog(con, mSaveLogActivity + Trim(txtPatName->text()) + QStringLiteral(" | Assessment# : ") +
                                     save.number);
            if (save.standAlone)
                SaveSI(save.lastDiscountType);
            tx.commit();
        } catch (...) {
            frmSISequence::setSISequenceNumber(previousSequence);
            throw;
        }
        if (!preview) {
            frmChargeslip slip(this);
            slip.setChargeslip(save.number);
            showModal(slip);
        }
        return true;
    });
}

void frmCashEntry::postAssessmentLine(int row, AssessmentSave& save) {
    const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
    const QString code = cell(colCode);
    if (code.isEmpty())
        return;
    Connection& con = save.con;
    const double quantity = ToDouble(cell(colQuantity));
    const double amount = Round2(GetRowAmount(row));
    const QString description = Trim(code) + QStringLiteral(" - ") + cell(colDescription);
    double cardDiscount = 0;
    QString cardNumber, cardTypeId;
    GetCardInfo(row, cardDiscount, cardNumber, cardTypeId);
    const double unitPrice = GetRowUnitPrice(row);
    double discount = 0, discountRate = 0;
    QString discountName, discountType;
    GetRowDiscountInfo(row, discount, discountName, discountType, discountRate);
    discount = ToDouble(cell(colDiscount));
    const bool vatExemptItem = IsItemVATExempt(con, code);
    const qint16 mdrp = CInt(ToDouble(cell(colMDRP)));
    const double vat = mVATExemptClass ? ToDouble(cell(colVAT)) : 0;
    const double taxable = ToDouble(cell(colTaxable));
    const double shownUnitPrice = ToDouble(cell(colUnitPrice));
    const double net = ToDouble(cell(colAmount));
    const double fixedPrice = ToDouble(cell(colFixedPrice));
    save.lastDiscountType = discountType;

    if (!save.preview) {
        if (save.standAlone) {
            StockCardValues v;
            v.summaryCode = QStringLiteral("PH");
            v.hospNum = Trim(txtHospNum->text());
            v.idNum = Trim(txtIdNumber->text());
            v.itemId = code;
            v.transDate = save.serverDate;
            v.revenueId = QStringLiteral("PH");
            v.refNum = save.number;
            v.quantity = v.quantityRec = quantity;
            v.amount = amount;
            v.userId = save.postingUser;
            v.requestById = Trim(txtDoctorID->text());
            v.locationId = QStringLiteral("20");
            v.remark = Left(discountName, 2);
            v.inOut = QStringLiteral("O");
            v.communication = 0;
            v.postOrReturn = 1;
            v.reportDate = save.now;
            v.shift = frmShift::Default().Shift();
            v.discountRevenueId = discountType;
            v.discount = discount;
            v.vatAmount = vat;
            v.netAmount = net;
            Drug_AddStockCard(con, v);
            if (gInvSwitchVATExemptItems && vatExemptItem)
                con.execute(QStringLiteral("UPDATE tbInvStockCard SET VATExempt = 1 WHERE id = (SELECT MAX(id) FROM "
                                           "tbInvStockCard WHERE RefNum = ? AND ItemID = ?)"),
                            {save.number, code});
        } else {
            const bool no207 = !gPharmaSwitches.Switch207();
            const double sentDiscount = !no207 ? 0 : gPharmaSwitches.Switch206() ? Round(discount, 2) : discount;
            const std::optional<Recordset> inserted = con.callProcedure(
                QStringLiteral("Pharma_GlobalAssess"),
                {{QStringLiteral("@REFNUM"), save.number}, {QStringLiteral("@NAME"), save.customerName},
                 {QStringLiteral("@ITEMID"), code}, {QStringLiteral("@REVENUEID"), QStringLiteral("PH")},
                 {QStringLiteral("@QUANTITY"), quantity}, {QStringLiteral("@AMOUNT"), amount},
                 {QStringLiteral("@DEPARTMENTID"), QString()}, {QStringLiteral("@USERID"), save.postingUser},
                 {QStringLiteral("@IDNUM"), Trim(txtIdNumber->text())}, {QStringLiteral("@HOSPNUM"), Trim(txtHospNum->text())},
                 {QStringLiteral("@DOCTORID"), txtDoctorID->text()}, {QStringLiteral("@UNITPRICE"), unitPrice},
                 {QStringLiteral("@DISCOUNT"), sentDiscount},
                 {QStringLiteral("@DISCOUNTTYPE"), no207 ? discountType : QString()},
                 {QStringLiteral("@DISCOUNTNAME"), discountName}, {QStringLiteral("@CHECKERID"), Trim(txtCheckerID->text())},
                 {QStringLiteral("@SCNUMBER"), Trim(txtSCNumber->text())}, {QStringLiteral("@CARDNUM"), cardNumber},
                 {QStringLiteral("@SHIFT"), QString::number(frmShift::Default().Shift())},
                 {QStringLiteral("@CARDTYPEID"), cardTypeId}, {QStringLiteral("@CARDDISCOUNT"), cardDiscount},
                 {QStringLiteral("@CASHPRICE"), 0.0}, {QStringLiteral("@MDRP"), fixedPrice},
                 {QStringLiteral("@VELMIRA"), chkVelmira->isChecked()}, {QStringLiteral("@GSISNUMBER"), txtGSISNumber->text()},
                 {QStringLiteral("@LOCATIONID"), QString()}, {QStringLiteral("@DISCOUNTRATE"), qint64(Round(discountRate, 0))}});
            // The marks go to the row just written, not to every row of the number and item.
            const QVariant rowId = inserted ? inserted->value(QStringLiteral("AssessmentID")) : QVariant();
            con.execute(QStringLiteral("UPDATE billing.tbCashAssessment SET DiscountType = ?, DiscountRate = ? WHERE id = ?"),
                        {discountType, discountRate, rowId});
            if (gInvSwitchVATExemptItems && vatExemptItem)
                con.execute(QStringLiteral("UPDATE billing.tbCashAssessment SET VATExempt = 1 WHERE id = ?"), {rowId});
        }
    }

    ChargePrintLine line;
    line.key = gEmployeeCode;
    line.refNum = save.number;
    line.description = description + QLatin1Char(' ') + clsAssessInfo().GetGeneric(code);
    line.quantity = Text(quantity);
    line.amount = amount;
    line.idNum = kCashCustomerId;
    line.itemId = code;
    line.unitPrice = unitPrice;
    line.discount = discount;
    line.discountType = Left(discountName, 2);
    line.discountPercentage = discountRate;
    line.vatExempt = vatExemptItem;
    line.mdrp = mdrp;
    line.scpwdId = save.scpwdId;
    line.s2Id = save.s2Id;
    line.taxableAmount = taxable;
    line.vatAmount = vat;
    line.origUnitPrice = shownUnitPrice;
    line.netAmount = net;
    AppendChargePrint(con, line);
}

void frmCashEntry::SaveSI(const QString& discountType) {
    generalProcedure(kCashSaveModule, QStringLiteral("SaveSI"), [&] {
        Connection& con = SQLConnection();
        con.callProcedure(QStringLiteral("sp_Inv_SI_Save"),
                          {{QStringLiteral("@SINumber"), mPreNumberRefNum},
                           {QStringLiteral("@Payee"), Trim(txtPatName->text())},
                           {QStringLiteral("@Total"), ToDouble(txtTotal->text())},
                           {QStringLiteral("@Discount"), ToDouble(txtDiscount->text())},
                           {QStringLiteral("@Refund"), ToDouble(txtRefund->text())},
                           {QStringLiteral("@DiscountType"), discountType},
                           {QStringLiteral("@EmployeeCode"), gEmployeeCode}});
        frmSISequence::saveOrUpdateSISequence(frmSISequence::SISequenceNumber());
        qint64 next = Val(frmSISequence::SISequenceNumber()) + 1;
        while (frmSISequence::checkSISequence(QString::number(next)))
            ++next;
        frmSISequence::setSISequenceNumber(QString::number(next));
        setSISequenceNumber();
    });
}

bool frmCashEntry::SaveAssessmentPreNum(bool print) {
    return generalProcedure(kCashSaveModule, QStringLiteral("SaveAssessmentPreNum"), [&] {
        QString postingUser = gEmployeeCode;
        if (gHasValidation) {
            frmDeletePassword& approval = frmDeletePassword::Default();
            approval.setHeightTwips(2400);
            showModal(approval);
            if (!approval.OKCharge()) {
                MsgBox(QStringLiteral("Invalid Password."), vbInformation, QStringLiteral("MESSAGE"));
                return false;
            }
            postingUser = approval.VerifyID();
        }
        bool refused = false;
        if (BlankRows() == grdItemList->rows() - 1) {
            MsgBox(QStringLiteral("You have no entries yet."), vbExclamation, QStringLiteral("MESSAGE"));
            grdItemList->setFocus(Qt::OtherFocusReason);
            refused = true;
        } else if (!canSave()) {
            MsgBox(QStringLiteral("You have incomplete entry in line # ") + NoSaveRows(), vbCritical,
                   QStringLiteral("WARNING"));
            grdItemList->setFocus(Qt::OtherFocusReason);
            refused = true;
        }
        bool zeroLine = false;
        for (int row = 1; row < grdItemList->rows(); ++row)
            if (!grdItemList->textMatrix(row, colCode).isEmpty() &&
                (ToDouble(grdItemList->textMatrix(row, colQuantity)) == 0 || ToDouble(grdItemList->textMatrix(row, colAmount)) == 0))
                zeroLine = true;
        if (zeroLine) {
            MsgBox(QStringLiteral("Please check the quantity or amount of the assessed items. Some entries have zero value!"),
                   vbCritical, QStringLiteral("WARNING"));
            refused = true;
        }
        if (refused)
            return false;
        const QString number = Trim(txtRefNum->text());
        if (number.isEmpty()) {
            MsgBox(QStringLiteral("Cash slip number is not valid. Pls Check!"), vbInformation, QStringLiteral("Message"));
            return false;
        }

        Connection& con = SQLConnection();
        const QString customerName = trimmedEnd(txtPatName->text());
        const bool typeA = !gPharmaOptDiscountType;
        const QString discountName = typeA ? (chkTypeA->isChecked() ? cboClass->currentText() : QString())
                                           : (optSeniorCitizen->isChecked() ? kSeniorClass : QString());
        const QString rateText = typeA ? (chkTypeA->isChecked() ? cmbA->currentText() : QString())
                                       : (optSeniorCitizen->isChecked() ? Text(gDiscountSeniorCitizen) : QString());
        {
            Transaction tx(con);
            if (!ClaimTypedPreNumber(con, number, Trim(txtIdNumber->text()), postingUser)) {
                MsgBox(QStringLiteral("Cash slip number already exists! Please check your series number."), vbInformation,
                       QStringLiteral("Message"));
                return false;
            }
            mPreNumberRefNum = number;
            ClearChargePrint(con, gEmployeeCode, kCashCustomerId, number, false);
            for (int row = 1; row < grdItemList->rows(); ++row) {
                const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
                const QString code = cell(colCode);
                if (code.isEmpty())
                    continue;
                const double quantity = ToDouble(cell(colQuantity));
                const double amount = Round(ToDouble(cell(colAmount)), 2);
                const double unitPrice = Round(ToDouble(cell(colPriceBase)), 2);
                const double discount = ToDouble(cell(colDiscount));
                double cardDiscount = 0;
                QString cardNumber, cardTypeId;
                GetCardInfo(row, cardDiscount, cardNumber, cardTypeId);
                const bool s207 = gPharmaSwitches.Switch207();
                con.callProcedure(
                    QStringLiteral("Pharma_GlobalAssess"),
                    {{QStringLiteral("@REFNUM"), number}, {QStringLiteral("@NAME"), customerName},
                     {QStringLiteral("@ITEMID"), code}, {QStringLiteral("@REVENUEID"), QStringLiteral("PH")},
                     {QStringLiteral("@QUANTITY"), quantity}, {QStringLiteral("@AMOUNT"), amount},
                     {QStringLiteral("@DEPARTMENTID"), QString()}, {QStringLiteral("@USERID"), postingUser},
                     {QStringLiteral("@IDNUM"), Trim(txtIdNumber->text())}, {QStringLiteral("@HOSPNUM"), Trim(txtHospNum->text())},
                     {QStringLiteral("@DOCTORID"), txtDoctorID->text()}, {QStringLiteral("@UNITPRICE"), unitPrice},
                     {QStringLiteral("@DISCOUNT"), s207 ? 0.0 : gPharmaSwitches.Switch206() ? Round(discount, 2) : discount},
                     {QStringLiteral("@DISCOUNTTYPE"), s207 ? QString() : rateText},
                     {QStringLiteral("@DISCOUNTNAME"), discountName}, {QStringLiteral("@CHECKERID"), Trim(txtCheckerID->text())},
                     {QStringLiteral("@SCNUMBER"), Trim(txtSCNumber->text())}, {QStringLiteral("@CARDNUM"), cardNumber},
                     {QStringLiteral("@SHIFT"), QString::number(frmShift::Default().Shift())},
                     {QStringLiteral("@CARDTYPEID"), cardTypeId}, {QStringLiteral("@CARDDISCOUNT"), cardDiscount},
                     {QStringLiteral("@CASHPRICE"), 0.0}, {QStringLiteral("@MDRP"), ToDouble(cell(colFixedPrice))},
                     {QStringLiteral("@VELMIRA"), false}, {QStringLiteral("@GSISNUMBER"), QString()},
                     {QStringLiteral("@LOCATIONID"), QString()}, {QStringLiteral("@DISCOUNTRATE"), qint64(0)}});
                if (!print)
                    continue;
                ChargePrintLine line;
                line.key = gEmployeeCode;
                line.refNum = number;
                line.description = Trim(code) + QStringLiteral(" - ") + cell(colDescription) + QLatin1Char(' ') +
                                   clsAssessInfo().GetGeneric(code);
                line.quantity = Text(quantity);
                line.amount = amount;
                line.idNum = kCashCustomerId;
                line.itemId = code;
                line.unitPrice = ToDouble(cell(colPriceBase));
                line.discount = discount;
                line.discountType = rateText.isEmpty() ? QStringLiteral("0") : rateText;
                AppendChargePrint(con, line);
            }
            if (!mSaveLogActivity.isEmpty())
                SaveUserLog(con, mSaveLogActivity + Trim(txtPatName->text()) + QStringLiteral(" | Assessment# : ") + number);
            tx.commit();
        }
        const std::optional<qint64> next = BillingCounterValue(con, QStringLiteral("PreNumberAssessment"));
        txtRefNum->setText(QStringLiteral("PH") + Format(next.value_or(0), QStringLiteral("00000000")));
        return true;
    });
}

} // namespace qx

namespace qx {

namespace {

constexpr qint16 kAssessSlipPreview = 74;

// Sets the user-log activity a save writes for its length, and clears it again however it ends.
class SaveLogScope {
public:
    SaveLogScope(QString& slot, const QString& activity) : slot_(slot) { slot_ = activity; }
    ~SaveLogScope() { slot_.clear(); }
    SaveLogScope(const SaveLogScope&) = delete;
    SaveLogScope& operator=(const SaveLogScope&) = delete;

private:
    QString& slot_;
};

} // namespace

// The checks the two saving commands share: a registered patient needs its name, and the
// employee discount its type.
static bool customerAndEmployeeChecksPass(frmCashEntry& w) {
    if (w.txtPatName->text().isEmpty() && (w.chkInPatient->isChecked() || w.chkOutPatient->isChecked())) {
        MsgBox(QStringLiteral("Incomplete Data. Please search registered patient."), vbInformation, QStringLiteral("Message"));
        w.txtIdNumber->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (gEmployeeDiscountPH && w.chkEmployee->isChecked() && w.cboClassEmployee->currentText().isEmpty()) {
        MsgBox(QStringLiteral("Please choose the employee discount type before saving."), vbInformation,
               QStringLiteral("MESSAGE"));
        return false;
    }
    return true;
}

static bool doctorLicenceCheckPasses(frmCashEntry& w) {
    if (CheckDangerousDrugLicense(SQLConnection(), Trim(w.txtDoctorID->text()), *w.grdItemList, frmCashEntry::colCode))
        return true;
    MsgBox(QStringLiteral("Please check S2Number and S2 Expiry of doctor: ") + w.txtDoctor->text() +
               QStringLiteral(" on build file module. "),
           vbInformation);
    return false;
}

// A save that fails is told and leaves the window as it was, its lines kept for another try.
template <typename F>
static bool runSave(F&& save) {
    try {
        return save();
    } catch (const AppError& e) {
        ShowErrorMessage(e.description());
        return false;
    }
}

void frmCashEntry::cmdSave_Click() {
    eventHandler(kCashSaveModule, QStringLiteral("cmdSave_Click"), [&] {
        if (!checkDiscountType() || !customerAndEmployeeChecksPass(*this))
            return;
        if (gSiteCode == QLatin1String("NORVAX") && txtPatName->text().isEmpty()) {
            MsgBox(QStringLiteral("Please inser value for Patient/Business Name before saving."), vbInformation,
                   QStringLiteral("MESSAGE"));
            txtPatName->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (GetInvSwitch(QStringLiteral("93")) && !doctorLicenceCheckPasses(*this))
            return;
        const SaveLogScope log(mSaveLogActivity, QStringLiteral("Saved Assessment under Patient : "));
        bool saved = false;
        if (gPreNumberAssessment) {
            if (CheckSlipExists(Trim(txtRefNum->text()))) {
                MsgBox(QStringLiteral("Cash slip number already exists! Please check your series number."), vbInformation,
                       QStringLiteral("Message"));
                return;
            }
            saved = runSave([&] { return SaveAssessmentPreNum(false); });
        } else {
            saved = runSave([&] { return SaveAssessment(false, false); });
        }
        if (saved)
            ClearAll(true);
    });
}

void frmCashEntry::cmdPrintSave_Click() {
    eventHandler(kCashSaveModule, QStringLiteral("cmdPrintSave_Click"), [&] {
        if (!checkDiscountType())
            return;
        const QString name = Trim(txtPatName->text());
        if (gSiteCode == QLatin1String("PYLO") && (name == QLatin1String("CASH") || name.isEmpty())) {
            MsgBox(QStringLiteral("Enter Patient's Name"), vbOKOnly);
            txtPatName->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (txtPatName->text().isEmpty() && (chkInPatient->isChecked() || chkOutPatient->isChecked())) {
            customerAndEmployeeChecksPass(*this);
            return;
        }
        for (int row = 1; row < grdItemList->rows(); ++row) {
            if (grdItemList->textMatrix(row, colCode).isEmpty())
                continue;
            const QString amount = grdItemList->textMatrix(row, colAmount);
            if (ToDouble(grdItemList->textMatrix(row, colQuantity)) == 0 || amount.isEmpty() || ToDouble(amount) == 0) {
                MsgBox(QStringLiteral("Please check the quantity or amount of the assessed items. Some entries have zero value!"),
                       vbCritical, QStringLiteral("WARNING"));
                return;
            }
        }
        if (!customerAndEmployeeChecksPass(*this))
            return;
        if (gPharmaSwitches.Switch93() && !doctorLicenceCheckPasses(*this))
            return;
        bool saved = false;
        if (gSiteCode == QLatin1String("FLQC")) {
            if (CheckSlipExists(Trim(txtRefNum->text()))) {
                MsgBox(QStringLiteral("Cash slip number already exists! Please check your series number."), vbInformation,
                       QStringLiteral("Message"));
                return;
            }
            saved = runSave([&] { return SaveAssessmentPreNum(true); });
        } else {
            const SaveLogScope log(mSaveLogActivity, QStringLiteral("Saved and Print Assessment under Patient : "));
            saved = runSave([&] { return SaveAssessment(true, false); });
        }
        if (!saved)
            return;
        if (chkInPatient->isChecked())
            PrintAssessSlipInPatient();
        else
            PrintAssessSlip();
        ClearAll(true);
    });
}

void frmCashEntry::cmdPrintPreview_Click() {
    eventHandler(kCashSaveModule, QStringLiteral("cmdPrintPreview_Click"), [&] {
        if (!checkDiscountType())
            return;
        runSave([&] { return SaveAssessment(false, true); });
        frmView& view = ReportWindow();
        QString patientName = Trim(txtPatName->text());
        if (gVelmira) {
            const QString plan = chkVelmira->isChecked() ? QStringLiteral("Velmira") : GetHospitalPlan(Trim(txtIdNumber->text()));
            if (!plan.isEmpty())
                patientName += QStringLiteral(" / Velmira");
        }
        view.setPatientName(patientName);
        const bool senior = (Left(cboClass->currentText(), 2) == QLatin1String("CF") && chkTypeA->isChecked()) ||
                            optSeniorCitizen->isChecked();
        view.setHospNum(senior ? QStringLiteral("CF") : QString());
        if (optNone->isChecked())
            mDiscountName = QStringLiteral("None");
        else if (optSeniorCitizen->isChecked())
            mDiscountName = optSeniorCitizen->text();
        else if (optManual->isChecked())
            mDiscountName = cboOthers->currentText();
        if (!mSaveValidated)
            return;
        view.setAdmNum(kCashCustomerId);
        view.setVlRefnum(mPreNumberRefNum);
        view.setDoctor(Trim(txtDoctor->text()));
        view.setDiscNameAssess(mDiscountName);
        view.setWhatReport(kAssessSlipPreview);
        showModal(view);
        setHourglass(false);
    });
}

} // namespace qx

namespace qx {

// The slip of the save just made, from its staged lines: "AssessSlip.rpt" for a walk-in or
// out-patient customer, "AssessSlipInPatient.rpt" for an admitted one.
static void printAssessmentSlip(frmCashEntry& w, bool inPatient) {
    w.cmdPrintSave->setEnabled(false);
    ChargeSlipHeader header;
    header.name = Trim(w.txtPatName->text());
    if (!inPatient && gVelmira) {
        const QString plan = w.chkVelmira->isChecked() ? QStringLiteral("Velmira") : w.GetHospitalPlan(Trim(w.txtIdNumber->text()));
        if (!plan.isEmpty())
            header.name += QStringLiteral(" / Velmira");
    }
    header.patientId = kCashCustomerId;
    const bool senior = (Left(w.cboClass->currentText(), 2) == QLatin1String("CF") && w.chkTypeA->isChecked()) ||
                        w.optSeniorCitizen->isChecked();
    header.hospNum = !inPatient && senior ? QStringLiteral("CF") : QString();
    header.room = inPatient ? w.mRoomID : QString();
    header.encoder = gEmployeeName;
    header.printKey = gEmployeeCode;
    header.slipNumber = w.mPreNumberRefNum;
    header.doctor = Trim(w.txtDoctor->text());
    header.position = inPatient ? QString() : gEmployeePosition;
    if (w.optNone->isChecked())
        w.mDiscountName = QStringLiteral("None");
    else if (w.optSeniorCitizen->isChecked())
        w.mDiscountName = w.optSeniorCitizen->text();
    else if (w.optManual->isChecked())
        w.mDiscountName = w.cboOthers->currentText();
    std::shared_ptr<report::Report> report;
    SetChargeSlipReport(report, inPatient ? QStringLiteral("AssessSlipInPatient.rpt") : QStringLiteral("AssessSlip.rpt"),
                        header);
    const auto put = [&report](const char* name, const QString& value) {
        if (report::ParameterField* field = report->findParameter(QString::fromLatin1(name))) {
            field->clearCurrentValues();
            field->addCurrentValue(value);
        }
    };
    put("DISCOUNTNAME", w.mDiscountName);
    put("TRANSTYPE", QString());
    if (!inPatient)
        put("@REFNUM", w.mPreNumberRefNum);
    // The assessment slips take the stored copies at every site, ZMX included.
    PrintSlipReport(report, false, false);
    w.ClearAll(true);
}

void frmCashEntry::PrintAssessSlip() {
    generalProcedure(kCashSaveModule, QStringLiteral("PrintAssessSlip"), [&] { printAssessmentSlip(*this, false); });
}

void frmCashEntry::PrintAssessSlipInPatient() {
    generalProcedure(kCashSaveModule, QStringLiteral("PrintAssessSlipInPatient"), [&] { printAssessmentSlip(*this, true); });
}

} // namespace qx
