// Customer identification of the assessment window: the patient look-up and its picker, the
// patient-type boxes, doctor, checker, discount card and refund.
#include "cash/frmCashEntry.h"
#include "cash/frmPatientList.h"

#include "charging/CashMoney.h"
#include "charging/ChargeGrid.h"
#include "charging/DoctorLookup.h"
#include "charging/PriceLookups.h"
#include "charging/clsCardNumber.h"
#include "charging/frmCardMaster.h"
#include "components/Clinicians.h"
#include "components/DispenserRoll.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/clsAssessInfo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {
const QString kCashCustomerModule = QStringLiteral("frmCashEntry");
constexpr int kInPatientOption = 3;
constexpr int kOutPatientOption = 4;
constexpr int kWalkInOption = 0;
constexpr int kOneCustomer = 2;

void upperCaseKey(int& keyAscii) {
    const QChar typed(keyAscii);
    if (typed.isLower())
        keyAscii = typed.toUpper().unicode();
}
} // namespace

void frmCashEntry::connectCustomerHandlers() {
    connect(chkInPatient, &QCheckBox::toggled, this, &frmCashEntry::chkInPatient_Click);
    connect(chkOutPatient, &QCheckBox::toggled, this, &frmCashEntry::chkOutPatient_Click);
    connect(chkDialysis, &QCheckBox::toggled, this, &frmCashEntry::chkDialysis_Click);
    connect(chkVelmira, &QCheckBox::toggled, this, &frmCashEntry::chkVelmira_Click);
    connect(cmdDocCode, &QPushButton::clicked, this, &frmCashEntry::cmdDocCode_Click);
    connect(cmdSearch, &QPushButton::clicked, this, &frmCashEntry::cmdSearch_Click);
    connect(cmdSearchCard, &QPushButton::clicked, this, &frmCashEntry::cmdSearchCard_Click);
    connect(cmdCard, &QPushButton::clicked, this, &frmCashEntry::cmdCard_Click);
    // Only the clerk's edits empty the name; the look-up's own writes do not.
    connect(txtIdNumber, &QLineEdit::textEdited, this, &frmCashEntry::txtIdNumber_Change);

    auto* idEvents = new ControlEvents(txtIdNumber);
    connect(idEvents, &ControlEvents::keyPress, this, &frmCashEntry::txtIdNumber_KeyPress);
    connect(idEvents, &ControlEvents::validate, this, &frmCashEntry::txtIdNumber_Validate);
    auto* nameEvents = new ControlEvents(txtPatName);
    connect(nameEvents, &ControlEvents::gotFocus, txtPatName, &QLineEdit::selectAll);
    connect(nameEvents, &ControlEvents::keyPress, this, &frmCashEntry::txtPatName_KeyPress);
    connect(nameEvents, &ControlEvents::lostFocus, this, &frmCashEntry::txtPatName_LostFocus);
    auto* cardEvents = new ControlEvents(txtZarviCard);
    connect(cardEvents, &ControlEvents::keyPress, this, &frmCashEntry::txtZarviCard_KeyPress);
    auto* refundEvents = new ControlEvents(txtRefund);
    connect(refundEvents, &ControlEvents::keyPress, this, &frmCashEntry::txtRefund_KeyPress);
    connect(refundEvents, &ControlEvents::validate, this, &frmCashEntry::txtRefund_Validate);
}

void frmCashEntry::ValidateIDNum(bool& cancel, int mode) {
    generalProcedure(kCashCustomerModule, QStringLiteral("ValidateIDNum"), [&] {
        const int option = chkInPatient->isChecked()    ? kInPatientOption
                           : chkOutPatient->isChecked() ? kOutPatientOption
                                                        : kWalkInOption;
        const QString search = txtIdNumber->text();
        mRoomID.clear();
        if (!search.isEmpty() && gComponents.gPatient)
            gComponents.gPatient->LoadInfo(search);

        clsAssessInfo& customer = gAssessInfo();
        if (customer.PatientInformationFound(qint16(option), kOneCustomer, search)) {
            txtPatName->setText(customer.LastName() + QStringLiteral(", ") + customer.FirstName() + QLatin1Char(' ') +
                                customer.MiddleName());
            txtHospNum->setText(customer.HospNumber());
            txtIdNumber->setText(customer.IDnumber());
            mRoomID = customer.RoomID();
            focusFirstCode();
            const QString admission = customer.IDnumber();
            if (gSocializePricing) {
                lblMarkUp->setText(Text(customer.MarkUp()));
                lblMarkUp->show();
            } else if (gVelmira) {
                const bool member = GetHospitalPlan(admission) == QLatin1String("VELMIRA");
                lblHospitalPlan->setText(QStringLiteral("VELMIRA Patient"));
                lblHospitalPlan->setVisible(member);
                chkTypeA->setEnabled(!member);
            } else if (gHMOMarkup || gInvSwitchHMOMarkupPrice) {
                const bool hmo = GetHMOClass(SQLConnection(), admission) == QLatin1String("HMO");
                lblHospitalPlan->setText(QStringLiteral("HMO Patient"));
                lblHospitalPlan->setVisible(hmo);
            }
            txtRoom->setText(mRoomID + QStringLiteral(" - ") + customer.RoomClass());
            lblAge->setText(customer.Age());
            return;
        }
        if (mode == 2) {
            cancel = true;
            return;
        }
        frmPatientList picker(this);
        picker.ListOption = option;
        picker.SearchString = search;
        showModal(picker);
        txtIdNumber->setText(picker.HospNumber);
        if (picker.isCancel) {
            txtHospNum->clear();
            txtIdNumber->clear();
            txtPatName->clear();
            return;
        }
        ValidateIDNum(cancel, 2);
    });
}

void frmCashEntry::focusFirstCode() {
    grdItemList->setRow(1);
    grdItemList->setCol(colCode);
    grdItemList->setFocus(Qt::OtherFocusReason);
}

void frmCashEntry::txtIdNumber_KeyPress(int& keyAscii) {
    eventHandler(kCashCustomerModule, QStringLiteral("txtIdNumber_KeyPress"), [&] {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            SendKeysViaShell(QStringLiteral("{TAB}"), false);
            return;
        }
        upperCaseKey(keyAscii);
    });
}

void frmCashEntry::txtIdNumber_Change() {
    eventHandler(kCashCustomerModule, QStringLiteral("txtIdNumber_Change"), [&] {
        txtPatName->clear();
        txtHospNum->clear();
    });
}

void frmCashEntry::txtIdNumber_Validate(bool& cancel) {
    eventHandler(kCashCustomerModule, QStringLiteral("txtIdNumber_Validate"), [&] { ValidateIDNum(cancel, 1); });
}

void frmCashEntry::txtPatName_KeyPress(int& keyAscii) {
    eventHandler(kCashCustomerModule, QStringLiteral("txtPatName_KeyPress"), [&] {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            focusFirstCode();
            return;
        }
        upperCaseKey(keyAscii);
    });
}

void frmCashEntry::txtPatName_LostFocus() {
    eventHandler(kCashCustomerModule, QStringLiteral("txtPatName_LostFocus"), [&] {
        if (txtPatName->text().isEmpty())
            txtPatName->setText(QStringLiteral("CASH"));
    });
}

void frmCashEntry::resetForCustomerType() {
    ClearInfo();
    setGrid();
    optNone->setChecked(true);
    txtTotal->clear();
}

void frmCashEntry::chkInPatient_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("chkInPatient_Click"), [&] {
        if (gSiteCode != QLatin1String("KTH") && chkInPatient->isChecked()) {
            chkOutPatient->setChecked(false);
            lblCaption->setText(QStringLiteral("IN-PATIENT"));
            chkDialysis->setChecked(false);
        }
        if (gPharmaOptDiscountType)
            optNone->setChecked(true);
        if (gVelmira)
            chkVelmira->hide();
        resetForCustomerType();
    });
}

void frmCashEntry::chkOutPatient_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("chkOutPatient_Click"), [&] {
        if (chkOutPatient->isChecked()) {
            chkInPatient->setChecked(false);
            lblCaption->setText(QStringLiteral("OUT-PATIENT"));
            chkDialysis->setChecked(false);
        }
        if (gVelmira)
            chkVelmira->hide();
        resetForCustomerType();
    });
}

void frmCashEntry::chkDialysis_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("chkDialysis_Click"), [&] {
        if (chkDialysis->isChecked()) {
            chkOutPatient->setChecked(false);
            lblCaption->setText(gSiteCode == QLatin1String("TZNH") ? QStringLiteral("IN-PATIENT")
                                                                   : QStringLiteral("WALK-IN"));
            chkInPatient->setChecked(false);
        }
        ComputeDialysisPatient();
        setGrid();
        optNone->setChecked(true);
        txtTotal->clear();
    });
}

void frmCashEntry::chkVelmira_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("chkVelmira_Click"), [&] {
        const bool member = chkVelmira->isChecked();
        if (member)
            lblHospitalPlan->setText(QStringLiteral("VELMIRA PATIENT"));
        lblHospitalPlan->setVisible(member);
        chkTypeA->setEnabled(!member);
    });
}

void frmCashEntry::ComputeDialysisPatient() {
    generalProcedure(kCashCustomerModule, QStringLiteral("ComputeDialysisPatient"), [&] {
        if (!ValidateQuantity())
            return;
        const bool inPatientPrice =
            chkDialysis->isChecked() || (gSiteCode == QLatin1String("TZNH") && chkInPatient->isChecked());
        for (int row = 1; row < grdItemList->rows(); ++row) {
            if (grdItemList->textMatrix(row, colCode).isEmpty())
                continue;
            const double price =
                ToDouble(grdItemList->textMatrix(row, inPatientPrice ? colInPatientPrice : colOutPatientPrice));
            grdItemList->setTextMatrix(row, colPriceBase, Text(price));
            grdItemList->setTextMatrix(row, colUnitPrice, Text(price));
            const QString amount = FormatNumber2(ToDouble(grdItemList->textMatrix(row, colQuantity)) * price);
            grdItemList->setTextMatrix(row, colAmount, amount);
            grdItemList->setTextMatrix(row, colGross, amount);
            // The repriced amount is the line's undiscounted amount from now on, so that taking
            // discounts off below keeps it.
            grdItemList->setTextMatrix(row, chkDialysis->isChecked() ? colInPatientAmount : colOutPatientAmount,
                                       amount);
        }
        if (chkTypeA->isChecked())
            ComputeAllDiscounts();
        else
            RemoveDiscounts();
        txtTotal->setText(Text(GetTotalCharges()));
        txtDiscount->setText(Text(GetTotalDiscount()));
    });
}

void frmCashEntry::cmdDocCode_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("cmdDocCode_Click"), [&] {
        LookUpDoctor(*gComponents.gDoctor, *gComponents.gDoctorList,
                     {.codeBox = txtDoctorID, .doctorNameBox = txtDoctor, .itemGrid = grdItemList,
                      .focusGridOnlyWhenEnabled = false});
    });
}

void frmCashEntry::cmdSearch_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("cmdSearch_Click"), [&] {
        DispenserRoll::Dispensers& dispensers = *gComponents.gDispensers;
        const QString typed = Trim(txtCheckerID->text());
        if (dispensers.Search(typed)) {
            txtCheckerName->setText(dispensers.DispenserName());
            return;
        }
        const QString picked = gComponents.gDispenserList->ShowList(typed);
        if (!picked.isEmpty() && dispensers.Search(Trim(picked))) {
            txtCheckerID->setText(dispensers.Code());
            txtCheckerName->setText(dispensers.DispenserName());
        }
    });
}

void frmCashEntry::cmdSearchCard_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("cmdSearchCard_Click"), [&] {
        // Answering Yes and leaving the registration without saving asks again.
        for (;;) {
            const QString cardText = Trim(txtZarviCard->text());
            clsCardNumber card;
            if (card.SearchCardType(cardText)) {
                txtZarviCard->setText(card.Code());
                lblCardTypeID->setText(card.CardTypeID());
                lblCardType->setText(card.CardTypeName());
                txtCardHolder->setText(card.Description());
                Connection& con = SQLConnection();
                for (int row = 1; row < grdItemList->rows(); ++row) {
                    const QString code = Trim(grdItemList->textMatrix(row, colCode));
                    if (code.isEmpty())
                        continue;
                    grdItemList->setTextMatrix(row, colCardDiscount,
                                               Text(GetDiscountInfo(con, Trim(txtZarviCard->text()), code,
                                                                    Trim(lblCardTypeID->text()))));
                }
                if (ValidateQuantity())
                    ComputeAllDiscounts();
                return;
            }
            if (cardText.isEmpty())
                return;
            if (MsgBox(QStringLiteral("Card Number doesn't exist. Do you want to register it?"), vbYesNo,
                       QStringLiteral("IMPORTANT")) != vbYes)
                return;
            frmCardMaster registration(this);
            registration.setCashEntry(this);
            registration.txtCardNum->setText(cardText);
            registration.txtCardTypeID->setText(QStringLiteral("1"));
            showModal(registration);
        }
    });
}

void frmCashEntry::cmdCard_Click() {
    eventHandler(kCashCustomerModule, QStringLiteral("cmdCard_Click"), [&] {
        frmCardMaster registration(this);
        registration.setCashEntry(this);
        showModal(registration);
    });
    cmdSearchCard_Click();
}

void frmCashEntry::txtZarviCard_KeyPress(int& keyAscii) {
    if (keyAscii != keys::Return)
        return;
    keyAscii = 0;
    cmdSearchCard_Click();
}

void frmCashEntry::txtRefund_KeyPress(int& keyAscii) {
    eventHandler(kCashCustomerModule, QStringLiteral("txtRefund_KeyPress"), [&] {
        if (keyAscii != keys::Return)
            return;
        keyAscii = 0;
        SendKeysViaShell(QStringLiteral("{TAB}"), false);
    });
}

void frmCashEntry::txtRefund_Validate(bool& cancel) {
    eventHandler(kCashCustomerModule, QStringLiteral("txtRefund_Validate"), [&] {
        QString refund = Trim(txtRefund->text());
        // An emptied box reads as no refund, so the clerk can leave it.
        if (refund.isEmpty())
            refund = QStringLiteral("0");
        if (!IsNumeric(refund)) {
            MsgBox(QStringLiteral("<") + txtRefund->text() + QStringLiteral("> is not a valid number."), vbInformation);
            cancel = true;
            return;
        }
        if (ToDouble(txtTotal->text()) < ToDouble(refund)) {
            MsgBox(QStringLiteral("Refund must be less than or equal to the current net amount (") + txtTotal->text() +
                       QStringLiteral(")."),
                   vbInformation);
            cancel = true;
            return;
        }
        txtRefund->setText(Text(Val(refund)));
        RecomputeAmountNetRefund();
    });
}

} // namespace qx
