// frmEntryOPMarkUp: the load, the visit (or master record) and its account, the doctor, the
// out-patient price label and the posted list.
#include "posting/frmEntryOPMarkUp.h"

#include "charging/ChargeGrid.h"
#include "charging/DoctorLookup.h"
#include "charging/InpatientBanner.h"
#include "charging/OutPatientPricing.h"
#include "charging/PatientLookupBoxes.h"
#include "charging/TypeABDiscounts.h"
#include "components/AccountFirms.h"
#include "components/Connection.h"
#include "components/OutpatientFile.h"
#include "components/OutpatientRecent.h"
#include "components/PlatformServices.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"
#include "shell/clsPatient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

namespace qx {

namespace {
const QString kOPMarkUpModule = QStringLiteral("frmEntryOPMarkUp");

QLabel* opCaption(QWidget* parent, const QString& text, QRect twips, bool boxed = false) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    if (boxed)
        l->setFrameShape(QFrame::Box);
    return l;
}

QLineEdit* opBox(QWidget* parent, QRect twips) {
    auto* box = new QLineEdit(parent);
    box->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return box;
}

QPushButton* opPicture(QWidget* parent, QRect twips) {
    auto* b = new QPushButton(parent);
    b->setAutoDefault(false);
    b->setIcon(parent->style()->standardIcon(QStyle::SP_FileDialogContentsView));
    b->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}

void place(QWidget* w, QRect twips) { w->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height())); }
} // namespace

ChargeGridConfig frmEntryOPMarkUp::gridConfig(int gridWidth) {
    ChargeGridConfig c = markupGridConfig(kCols);
    c.formatString = QStringLiteral(
        "<# |<Code |<Product Description |<Dosage Frq. |>Quantity |>Stock |>Amount |<Remarks");
    const int u = static_cast<int>(Round(gridWidth / 16.0));
    c.colWidths = {400, u + 400, 5 * u, 2 * u, 2 * u, 2 * u, 2 * u, 5 * u, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 0};
    // Its own unit price column takes the editor, whose commit stores nothing there.
    c.exemptCols.erase(colUnitPrice);
    return c;
}

frmEntryOPMarkUp::frmEntryOPMarkUp(QWidget* parent)
    : CompanyMarkupScreen(parent, kOPMarkUpModule, {.last = kCols - 1, .lookedUpPrice = colNonGSISPrice, .gross = colGross}) {
    setFixedSize(twipsToPixels(11760), twipsToPixels(8700));
    buildPatientPanel();
    const ChargeGridConfig config = gridConfig(kGridWidth);
    buildGrid(config.formatString, config.colWidths, kCols, {120, 2580, 11520, 4500}, {240, 2820, kGridWidth, 4140},
              7860);
    buildTotals();

    ManualItemEntryConfig entry = markupItemEntryConfig(txtHospNum, colOverStockChoice);
    itemEntry_ = std::make_unique<ManualItemEntry>(entry);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmEntryOPMarkUp::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmEntryOPMarkUp::cmdEntry_Click);
    connect(cmdPosted, &QPushButton::clicked, this, &frmEntryOPMarkUp::cmdPosted_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmEntryOPMarkUp::cmdSave_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmEntryOPMarkUp::cmdPrintSave_Click);
    connect(new ControlEvents(cmdEntry()), &ControlEvents::keyDown, this, [this](int& keyCode, int) {
        if (keyCode == 27)
            cmdClose->setFocus(Qt::OtherFocusReason);
    });

    TimerPrice = new QTimer(this);
    TimerPrice->setInterval(1000);
    connect(TimerPrice, &QTimer::timeout, this, &frmEntryOPMarkUp::TimerPrice_Timer);
    resetEntry();
}

frmEntryOPMarkUp::~frmEntryOPMarkUp() = default;

void frmEntryOPMarkUp::buildPatientPanel() {
    fraPatInfo = new QGroupBox(QStringLiteral("&Patient Information"), this);
    fraPatInfo->setGeometry(twipsToPixels(120, 60, 11520, 1800));
    QWidget* f = fraPatInfo;
    opCaption(f, QStringLiteral("&OPD No."), {120, 300, 1150, 315})->setBuddy(txtHospNum = opBox(f, {1300, 300, 1400, 315}));
    cmdHospNum = opPicture(f, {2720, 300, 360, 315});
    opCaption(f, QStringLiteral("Name"), {3200, 300, 550, 315});
    lblPatInfo[0] = opCaption(f, QString(), {3780, 300, 4100, 315}, true);
    opCaption(f, QStringLiteral("Hosp. #"), {8000, 300, 700, 315});
    lblPatInfo[1] = opCaption(f, QString(), {8730, 300, 1300, 315}, true);
    opCaption(f, QStringLiteral("Sex"), {10100, 300, 400, 315});
    lblPatInfo[2] = opCaption(f, QString(), {10520, 300, 400, 315}, true);
    opCaption(f, QStringLiteral("Age"), {120, 1380, 400, 315});
    lblPatInfo[3] = opCaption(f, QString(), {560, 1380, 900, 315}, true);
    opCaption(f, QStringLiteral("&Account No."), {120, 660, 1150, 315})
        ->setBuddy(txtAcctNum = opBox(f, {1300, 660, 1400, 315}));
    cmdAcctNum = opPicture(f, {2720, 660, 360, 315});
    lblAccount = opCaption(f, QString(), {3200, 660, 4680, 315}, true);
    opCaption(f, QStringLiteral("&Doctor's Code"), {120, 1020, 1150, 315})
        ->setBuddy(txtDocCode = opBox(f, {1300, 1020, 1400, 315}));
    cmdDocCode = opPicture(f, {2720, 1020, 360, 315});
    lblDoctor = opCaption(f, QString(), {3200, 1020, 4680, 315}, true);
    opCaption(f, QStringLiteral("Charge Slip"), {8000, 660, 950, 315});
    lblChargeSlip = opCaption(f, QString(), {8980, 660, 1400, 315}, true);
    buildMarkUpBox(f, {8000, 1020, 1700, 315}, {9700, 1020, 900, 315});
    txtHospNum->setObjectName(QStringLiteral("txtHospNum"));

    lblPrice = opCaption(this, QStringLiteral("OUT PATIENT PRICE"), {120, 1900, 2600, 315});
    QPalette red = lblPrice->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblPrice->setPalette(red);
    lblPrice->hide();
    chkGSIS = new QCheckBox(QStringLiteral("&GSIS Member"), this);
    place(chkGSIS, {2800, 1900, 1600, 300});

    connect(cmdHospNum, &QPushButton::clicked, this, &frmEntryOPMarkUp::cmdHospNum_Click);
    connect(cmdAcctNum, &QPushButton::clicked, this, &frmEntryOPMarkUp::cmdAcctNum_Click);
    connect(cmdDocCode, &QPushButton::clicked, this, &frmEntryOPMarkUp::cmdDocCode_Click);
    connect(new ControlEvents(txtHospNum), &ControlEvents::keyPress, this, &frmEntryOPMarkUp::txtHospNum_KeyPress);
    connect(new ControlEvents(txtAcctNum), &ControlEvents::keyPress, this, &frmEntryOPMarkUp::txtAcctNum_KeyPress);
    connect(new ControlEvents(txtDocCode), &ControlEvents::keyPress, this, &frmEntryOPMarkUp::txtDocCode_KeyPress);
    connect(chkGSIS, &QCheckBox::toggled, this, &frmEntryOPMarkUp::chkGSIS_Click);
    for (QWidget* control : std::initializer_list<QWidget*>{txtHospNum, cmdHospNum, txtAcctNum, cmdAcctNum, txtDocCode,
                                                             cmdDocCode})
        hideEditorOnFocus(control);
}

void frmEntryOPMarkUp::buildTotals() {
    discounts_ = new TypeABDiscounts(this, flexMSEntry,
                                     {.amount = colAmount, .mark = colDiscountMark, .discount = colDiscount, .gross = colGross});
    discounts_->totalCharges = [this] { return TotalCharges(); };
    place(discounts_->chkTypeA, {4500, 1900, 1800, 300});
    place(discounts_->TypeA, {4500, 2180, 2400, 380});
    place(discounts_->cmbA, {60, 40, 1300, 300});
    place(discounts_->cmdApplyA, {1420, 30, 900, 320});
    place(discounts_->chkTypeB, {7000, 1900, 1800, 300});
    place(discounts_->TypeB, {7000, 2180, 4600, 380});
    place(discounts_->cmbB1, {300, 40, 1300, 300});
    place(discounts_->cmbB2, {2000, 40, 1300, 300});
    place(discounts_->cmdApplyB, {3500, 30, 900, 320});

    opCaption(this, QStringLiteral("Di&scount"), {120, 7400, 800, 315})->setBuddy(discounts_->txtDiscount);
    place(discounts_->txtDiscount, {950, 7400, 600, 315});
    opCaption(this, QStringLiteral("%"), {1580, 7400, 200, 315});
    opCaption(this, QStringLiteral("Gross "), {2000, 7400, 700, 315});
    lblGross = opCaption(this, QString(), {2700, 7400, 1300, 315}, true);
    opCaption(this, QStringLiteral("Discount"), {4200, 7400, 800, 315});
    lblDiscount = opCaption(this, QString(), {5000, 7400, 1300, 315}, true);
    opCaption(this, QStringLiteral("Net Amt."), {6500, 7400, 800, 315});
    lblNet = opCaption(this, QString(), {7300, 7400, 1300, 315}, true);
    discounts_->lblGross = lblGross;
    discounts_->lblDiscount = lblDiscount;
    discounts_->lblNet = lblNet;
    discounts_->percentageLeft = [this] {
        const double gross = Val(lblGross->text());
        lblDiscount->setText(QStringLiteral(" ") +
                             Format(discounts_->percentage() / 100 * gross, QStringLiteral("##000.00")));
        lblNet->setText(QStringLiteral(" ") +
                        Format(gross - Val(lblDiscount->text()), QStringLiteral("###000.00")));
    };
    connect(discounts_, &TypeABDiscounts::percentageFocused, this, [this] { chargeGrid_->hideEditor(); });
    connect(discounts_, &TypeABDiscounts::returnToGrid, this, [this] { focusIfEnabled(flexMSEntry); });
}

void frmEntryOPMarkUp::Form_Load() {
    eventHandler(kOPMarkUpModule, QStringLiteral("Form_Load"), [&] {
        resetEntry();
        for (QLineEdit* box : {txtHospNum, txtAcctNum, txtDocCode, txtMarkUp, discounts_->txtDiscount})
            box->clear();
        for (QLabel* label : lblPatInfo)
            label->clear();
        for (QLabel* label : {lblAccount, lblDoctor, lblChargeSlip, lblGross, lblDiscount, lblNet})
            label->clear();
        {
            const QSignalBlocker quiet(chkGSIS);
            chkGSIS->setChecked(false);
        }
        TimerPrice->stop();
        lblPrice->hide();
        shownVisit_.clear();
        shownHospNum_.clear();
        shownAccount_.clear();
        discounts_->LoadRates(SQLConnection());
        txtHospNum->setFocus(Qt::OtherFocusReason);
    });
}

void frmEntryOPMarkUp::txtHospNum_KeyPress(int& keyAscii) {
    eventHandler(kOPMarkUpModule, QStringLiteral("txtHospNum_KeyPress"), [&] {
        LookupBoxKeyPress(keyAscii, [&] { cmdHospNum_Click(); });
    });
}

void frmEntryOPMarkUp::txtAcctNum_KeyPress(int& keyAscii) {
    eventHandler(kOPMarkUpModule, QStringLiteral("txtAcctNum_KeyPress"), [&] {
        LookupBoxKeyPress(keyAscii, [&] { cmdAcctNum_Click(); });
    });
}

void frmEntryOPMarkUp::txtDocCode_KeyPress(int& keyAscii) {
    eventHandler(kOPMarkUpModule, QStringLiteral("txtDocCode_KeyPress"), [&] {
        LookupBoxKeyPress(keyAscii, [&] { cmdDocCode_Click(); });
    });
}

void frmEntryOPMarkUp::cmdHospNum_Click() {
    eventHandler(kOPMarkUpModule, QStringLiteral("cmdHospNum_Click"), [&] {
        Connection& con = SQLConnection();
        OutpatientFile::OPDPatient& visit = *gComponents.gOPDPatient;
        const VisitLookupResult found =
            LookUpVisit(con, visit, *gComponents.gOPDRecentList, txtHospNum->text(),
                        {.openAccountRule = OpenAccountRule::TodayOwnOrSupervisor, .refuseEmployeeMasterAccount = true});
        const VisitBanner banner{.visitBox = txtHospNum, .name = lblPatInfo[0], .hospitalNumber = lblPatInfo[1],
                                 .sex = lblPatInfo[2], .age = lblPatInfo[3], .doctorCode = txtDocCode,
                                 .doctor = lblDoctor, .accountNumber = txtAcctNum, .accountName = lblAccount,
                                 .suffix = QStringLiteral(" ")};
        switch (found.kind) {
        case VisitLookupResult::Cancelled:
            if (found.id.isEmpty())
                return;
            restoreShownVisit();  // a master record the file does not know
            return;
        case VisitLookupResult::NotFound:
        case VisitLookupResult::Refused:
        case VisitLookupResult::EmployeeAccount:
            restoreShownVisit();
            focusIfEnabled(txtHospNum);
            return;
        case VisitLookupResult::Registered:
            fromMasterRecord_ = false;
            banner.showVisit(visit);
            shownVisit_ = visit.OPDNumber();
            shownHospNum_ = visit.HospitalNumber();
            shownAccount_ = visit.AccountNumber();
            showChargeSlip();
            // The label follows the account the box shows.
            setOutPriceBlink(isForOutPrice(con, txtAcctNum->text()));
            flexMSEntry->setEnabled(true);
            focusIfEnabled(txtAcctNum);
            patientAccepted(found.verifyID);
            return;
        case VisitLookupResult::Master:
            break;
        }
        const clsPatient& patient = gPatientInfo();
        fromMasterRecord_ = true;
        banner.showNewVisit(patient);
        shownVisit_ = QStringLiteral("NEW");
        shownHospNum_ = patient.HospitalNumber();
        showChargeSlip();
        txtAcctNum->setText(patient.MasterAccountCode() + QStringLiteral(" "));
        shownAccount_.clear();
        cmdAcctNum_Click();
        flexMSEntry->setEnabled(true);
        patientAccepted(found.verifyID);
        focusIfEnabled(flexMSEntry);
    });
}

// The lines are posted to the visit the banner shows: a refused look-up puts the record
// components and the box back on it, or leaves nobody to charge when there was none.
void frmEntryOPMarkUp::restoreShownVisit() {
    if (shownVisit_.isEmpty()) {
        flexMSEntry->setEnabled(false);
        chargeGrid_->hideEditor();
        txtHospNum->clear();
        return;
    }
    if (fromMasterRecord_)
        gPatientInfo().Search(SQLConnection(), shownHospNum_);
    else
        gComponents.gOPDPatient->Search(shownVisit_);
    txtHospNum->setText(shownVisit_);
}

void frmEntryOPMarkUp::cmdAcctNum_Click() {
    eventHandler(kOPMarkUpModule, QStringLiteral("cmdAcctNum_Click"), [&] {
        Connection& con = SQLConnection();
        AccountFirms::Firm& company = *gComponents.gCompany;
        switch (LookUpCompanyAccount(con, company, *gComponents.gCompanyList, txtAcctNum->text())) {
        case AccountLookup::Cancelled:
            focusIfEnabled(txtAcctNum);
            return;
        case AccountLookup::NotFound:
            // A refused account is never left in the box to be posted to.
            txtAcctNum->setText(shownAccount_);
            focusIfEnabled(txtAcctNum);
            return;
        case AccountLookup::EmployeeClass:
            txtAcctNum->setText(shownAccount_);
            focusIfEnabled(txtHospNum);
            return;
        case AccountLookup::Found:
            break;
        }
        txtAcctNum->setText(company.CompanyCode());
        lblAccount->setText(company.CompanyName() + QStringLiteral(" "));
        shownAccount_ = company.CompanyCode();
        setOutPriceBlink(isForOutPrice(con, txtAcctNum->text()));
        focusIfEnabled(flexMSEntry);
    });
}

void frmEntryOPMarkUp::cmdDocCode_Click() {
    eventHandler(kOPMarkUpModule, QStringLiteral("cmdDocCode_Click"), [&] {
        LookUpDoctor(*gComponents.gDoctor, *gComponents.gDoctorList,
                     {.codeBox = txtDocCode, .doctorCaption = lblDoctor, .itemGrid = flexMSEntry,
                      .focusGridOnlyWhenEnabled = true, .captionPrefix = QString(),
                      .captionSuffix = QStringLiteral(" ")});
    });
}

void frmEntryOPMarkUp::showChargeSlip() {
    lblChargeSlip->setText(ShownDispensingChargeSlip(SQLConnection(), Trim(txtHospNum->text())));
}

void frmEntryOPMarkUp::setOutPriceBlink(bool on) { SetOutPriceBlink(*TimerPrice, *lblPrice, on); }

void frmEntryOPMarkUp::TimerPrice_Timer() { BlinkOutPriceLabel(*lblPrice); }

void frmEntryOPMarkUp::cmdPosted_Click() {
    eventHandler(kOPMarkUpModule, QStringLiteral("cmdPosted_Click"), [&] {
        OpenWindow(QStringLiteral("frmListPostedOP"), {{QStringLiteral("IDNum"), Trim(txtHospNum->text())}});
    });
}

void frmEntryOPMarkUp::ClearAll() {
    eventHandler(kOPMarkUpModule, QStringLiteral("ClearAll"), [&] {
        for (QLabel* label : lblPatInfo)
            label->clear();
        for (QLineEdit* box : {txtHospNum, txtAcctNum, txtDocCode, discounts_->txtDiscount, txtMarkUp})
            box->clear();
        chargeGrid_->setEditorText(QString());
        for (QLabel* label : {lblAccount, lblDoctor, lblGross, lblDiscount, lblNet, lblChargeSlip})
            label->clear();
        for (int row = 1; row <= kLines; ++row)
            chargeGrid_->clearLine(row, colCode, cols_.last);
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        chargeGrid_->hideEditor();
        // The label follows the account in the box, which is now empty.
        setOutPriceBlink(false);
        shownVisit_.clear();
        shownHospNum_.clear();
        shownAccount_.clear();
    });
}

} // namespace qx
