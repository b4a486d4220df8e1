// frmEntryMarkup: the load, the admission look-up with its account checks, the banner, the doctor,
// the previous orders and the posted list.
#include "posting/frmEntryMarkup.h"

#include "charging/ChargeGrid.h"
#include "charging/DoctorLookup.h"
#include "charging/InpatientBanner.h"
#include "charging/PatientLookupBoxes.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace qx {

namespace {
const QString kMarkupModule = QStringLiteral("frmEntryMarkup");

QLabel* markupCaption(QWidget* parent, const QString& text, QRect twips, bool boxed = false) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    if (boxed)
        l->setFrameShape(QFrame::Box);
    return l;
}

QPushButton* markupPictureButton(QWidget* parent, const QString& tip, QRect twips) {
    auto* b = new QPushButton(parent);
    b->setAutoDefault(false);
    b->setToolTip(tip);
    b->setIcon(parent->style()->standardIcon(QStyle::SP_FileDialogContentsView));
    b->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}
} // namespace

ChargeGridConfig frmEntryMarkup::gridConfig(int gridWidth) {
    ChargeGridConfig c = markupGridConfig(kCols);
    c.formatString = QStringLiteral(
        "<# |<Code |<Product Description |<Dosage Frq. |>Quantity |>Stock |>Amount |<Remarks |< MarkUpIn |< MarkUpOut");
    const int u = static_cast<int>(Round(gridWidth / 16.0));
    c.colWidths = {400, u + 400, 5 * u, 2 * u, 2 * u, 2 * u, 2 * u, 5 * u, 0, 0, 500, 500, 0, 1000};
    return c;
}

frmEntryMarkup::frmEntryMarkup(QWidget* parent)
    : CompanyMarkupScreen(parent, kMarkupModule, {.last = kCols - 1, .lookedUpPrice = colMarkUpOut, .gross = -1}),
      profile_(nullptr, ItemProfile::Variant::ManualPosting) {
    setFixedSize(twipsToPixels(11760), twipsToPixels(8400));
    buildPatientPanel();
    const ChargeGridConfig config = gridConfig(kGridWidth);
    buildGrid(config.formatString, config.colWidths, kCols, {120, 1740, 11520, 3900}, {240, 1980, kGridWidth, 3540},
              7200);

    Frame2 = new QGroupBox(QStringLiteral("&Previous Orders"), this);
    Frame2->setGeometry(twipsToPixels(120, 5700, 11520, 1400));
    flexMSHPrevious = new FlexGrid(this);
    flexMSHPrevious->setGeometry(twipsToPixels(240, 5940, kGridWidth, 1080));
    profile_ = ItemProfile(flexMSHPrevious, ItemProfile::Variant::ManualPosting);

    ManualItemEntryConfig entry = markupItemEntryConfig(txtFind, colOverStockChoice);
    entry.pickDrugsOrCsr = true;
    itemEntry_ = std::make_unique<ManualItemEntry>(entry);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this, &frmEntryMarkup::txtEntry_DblClick);
    connect(chargeGrid_, &ChargeGrid::lookupRequested, this, &frmEntryMarkup::cmdEntry_Click);
    // The grid's click and every cell entry open the editor; the profile follows the line.
    connect(chargeGrid_, &ChargeGrid::editorOpened, this,
            [this](int row, int) { LoadListProfile(flexMSEntry->textMatrix(row, colCode), row); });
    connect(cmdPosted, &QPushButton::clicked, this, &frmEntryMarkup::cmdPosted_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmEntryMarkup::cmdSave_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmEntryMarkup::cmdPrintSave_Click);
    resetEntry();
}

frmEntryMarkup::~frmEntryMarkup() = default;

void frmEntryMarkup::buildPatientPanel() {
    fraPatInfo = new QGroupBox(QStringLiteral("Patient Information"), this);
    fraPatInfo->setGeometry(twipsToPixels(120, 60, 11520, 1620));
    QWidget* f = fraPatInfo;
    auto* findLabel = markupCaption(f, QStringLiteral("&Admission No."), {120, 300, 1200, 315});
    txtFind = new QLineEdit(f);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setGeometry(twipsToPixels(1350, 300, 1400, 315));
    findLabel->setBuddy(txtFind);
    cmdFind = markupPictureButton(f, QStringLiteral("Find Patient"), {2770, 300, 360, 315});

    struct Field { int index; const char* caption; QRect captionAt; QRect labelAt; };
    const Field fields[] = {
        {0, "Hospital No.", {3300, 300, 1050, 315}, {4380, 300, 1500, 315}},
        {5, "Charge Slip", {6100, 300, 950, 315}, {7080, 300, 1500, 315}},
        {2, "Name", {120, 660, 1200, 315}, {1350, 660, 4500, 315}},
        {7, "C/O", {6100, 660, 950, 315}, {7080, 660, 4200, 315}},
        {3, nullptr, {}, {2760, 1020, 3100, 315}},
        {6, "Total Charges", {6100, 1020, 1000, 315}, {7080, 1020, 1500, 315}},
    };
    for (const Field& field : fields) {
        if (field.caption)
            markupCaption(f, QString::fromLatin1(field.caption), field.captionAt);
        lblPatInfo[field.index] = markupCaption(f, QString(), field.labelAt, true);
    }
    markupCaption(f, QStringLiteral("Doctor"), {120, 1020, 1200, 315});
    txtDocCode = new QLineEdit(f);
    txtDocCode->setGeometry(twipsToPixels(1350, 1020, 1000, 315));
    cmdDocCode = markupPictureButton(f, QStringLiteral("Find Doctor"), {2370, 1020, 360, 315});
    buildMarkUpBox(f, {8800, 1020, 1700, 315}, {10500, 1020, 900, 315});

    connect(cmdFind, &QPushButton::clicked, this, &frmEntryMarkup::cmdFind_Click);
    connect(txtFind, &QLineEdit::textChanged, this, &frmEntryMarkup::txtFind_Change);
    connect(new ControlEvents(txtFind), &ControlEvents::keyPress, this, &frmEntryMarkup::txtFind_KeyPress);
    connect(cmdDocCode, &QPushButton::clicked, this, &frmEntryMarkup::cmdDocCode_Click);
    connect(new ControlEvents(txtDocCode), &ControlEvents::keyPress, this, &frmEntryMarkup::txtDocCode_KeyPress);
    for (QWidget* control : std::initializer_list<QWidget*>{txtFind, cmdFind, txtDocCode, cmdDocCode})
        hideEditorOnFocus(control);
}

void frmEntryMarkup::Form_Load() {
    eventHandler(kMarkupModule, QStringLiteral("Form_Load"), [&] {
        resetEntry();
        txtFind->clear();
        txtDocCode->clear();
        txtMarkUp->clear();
        for (QLabel* label : lblPatInfo)
            if (label)
                label->clear();
        shownAdmission_.clear();
        flexMSHPrevious->clear();
        txtFind->setFocus(Qt::OtherFocusReason);
    });
}

void frmEntryMarkup::txtFind_Change() {
    if (!cmdFind->isEnabled())
        cmdFind->setEnabled(true);
}

void frmEntryMarkup::txtFind_KeyPress(int& keyAscii) {
    eventHandler(kMarkupModule, QStringLiteral("txtFind_KeyPress"), [&] {
        LookupBoxKeyPress(keyAscii, [&] {
            cmdFind_Click();
            focusIfEnabled(flexMSEntry);
        });
    });
}

void frmEntryMarkup::cmdFind_Click() {
    eventHandler(kMarkupModule, QStringLiteral("cmdFind_Click"), [&] {
        InpatientFile::Patient& patient = *gComponents.gPatient;
        const AdmissionFind found = FindAdmissionInBox(patient, *gComponents.gInpatientList, *txtFind);
        if (found == AdmissionFind::Cancelled)
            return;
        if (found == AdmissionFind::NotFound) {
            restoreShownPatient(patient);
            txtFind->setFocus(Qt::OtherFocusReason);
            return;
        }
        const AdmissionCheckOutcome outcome =
            CheckAdmissionAccount(SQLConnection(), patient, Trim(txtFind->text()), {});
        if (!outcome.loads) {
            restoreShownPatient(patient);
            focusIfEnabled(txtFind);
            return;
        }
        if (!outcome.verifyID.isEmpty()) {
            chargeGrid_->setEditorText(QString());
            for (int index : {0, 2, 3, 5, 7})
                lblPatInfo[index]->clear();
        }
        showPatient(patient);
        patientAccepted(outcome.verifyID);
    });
}

void frmEntryMarkup::showPatient(InpatientFile::Patient& patient) {
    txtFind->setText(patient.AdmissionNumber() + QStringLiteral(" "));
    lblPatInfo[0]->setText(patient.HospitalNumber() + QStringLiteral(" "));
    lblPatInfo[2]->setText(patient.PatientName() + QStringLiteral(" "));
    txtDocCode->setText(patient.DoctorID());
    lblPatInfo[3]->setText(patient.Doctor() + QStringLiteral(" "));
    lblPatInfo[5]->setText(ShownDispensingChargeSlip(SQLConnection(), Trim(patient.AdmissionNumber())));
    lblPatInfo[7]->setText(patient.Company());
    flexMSEntry->setRow(1);
    flexMSEntry->setCol(colCode);
    chargeGrid_->hideEditor();
    cmdFind->setEnabled(false);
    flexMSEntry->setEnabled(true);
    flexMSEntry->setFocus(Qt::OtherFocusReason);
    shownAdmission_ = patient.AdmissionNumber();
}

// Lines are posted to the admission the banner shows: a refused look-up puts the record component
// and the box back on it, or leaves nobody to charge when there was none.
void frmEntryMarkup::restoreShownPatient(InpatientFile::Patient& patient) {
    if (!shownAdmission_.isEmpty()) {
        patient.LoadInfo(Trim(shownAdmission_));
        txtFind->setText(shownAdmission_ + QStringLiteral(" "));
        return;
    }
    flexMSEntry->setEnabled(false);
    chargeGrid_->hideEditor();
    txtFind->clear();
}

void frmEntryMarkup::cmdDocCode_Click() {
    eventHandler(kMarkupModule, QStringLiteral("cmdDocCode_Click"), [&] {
        LookUpDoctor(*gComponents.gDoctor, *gComponents.gDoctorList,
                     {.codeBox = txtDocCode, .doctorCaption = lblPatInfo[3], .itemGrid = flexMSEntry,
                      .focusGridOnlyWhenEnabled = true});
    });
}

void frmEntryMarkup::txtDocCode_KeyPress(int& keyAscii) {
    eventHandler(kMarkupModule, QStringLiteral("txtDocCode_KeyPress"), [&] {
        if (keyAscii == 13) {
            keyAscii = 0;
            cmdDocCode_Click();
            return;
        }
        keyAscii = QChar(keyAscii).toUpper().unicode();
    });
}

void frmEntryMarkup::LoadListProfile(const QString& itemCode, int) {
    if (!gComponents.gDrug)
        return;
    eventHandler(kMarkupModule, QStringLiteral("LoadListProfile"),
                 [&] { profile_.load(gComponents.gDrug->Drug(), Trim(txtFind->text()), itemCode); });
}

void frmEntryMarkup::cmdPosted_Click() {
    eventHandler(kMarkupModule, QStringLiteral("cmdPosted_Click"), [&] {
        OpenWindow(QStringLiteral("frmListPosted"), {{QStringLiteral("IDNum"), Trim(txtFind->text())}});
    });
}

void frmEntryMarkup::showTotal() { lblPatInfo[6]->setText(QStringLiteral(" ") + TotalCharges()); }

void frmEntryMarkup::refreshTotalsAfterClearing() { showTotal(); }

void frmEntryMarkup::ClearAll() {
    eventHandler(kMarkupModule, QStringLiteral("ClearAll"), [&] {
        for (QLabel* label : lblPatInfo)
            if (label)
                label->clear();
        txtMarkUp->clear();
        txtDocCode->clear();
        txtFind->clear();
        chargeGrid_->setEditorText(QString());
        for (int row = 1; row <= kLines; ++row)
            chargeGrid_->clearLine(row, colCode, cols_.last);
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        chargeGrid_->hideEditor();
        shownAdmission_.clear();
    });
}

} // namespace qx
