#include "mainwindow/frmRefill.h"

#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/OutpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/KeyCodes.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"
#include "shell/frmShift.h"
#include "suite/GridEntry.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kRefillModule = QStringLiteral("frmRefill");

constexpr int kRefillCols = 12;
constexpr int kRefillStatusColumn = 6;
constexpr int kRefillQuantityColumn = 8;

// The grid's columns: header, width in twips and the field each line shows (none for "#" and
// Status).
struct RefillColumn {
    const char* header;
    int width;
    const char* field;
};
const RefillColumn kRefillColumns[kRefillCols] = {
    {"#", 300, nullptr},
    {"Code", 600, "ItemID"},
    {"Item Description", 2500, "Item"},
    {"Dosage Freq", 1200, "Dosage"},
    {"Qty", 700, "Quantity"},
    {"QtyIssued", 900, "QtyDispensed"},
    {"Status", 600, nullptr},
    {"Stock", 696, "OnHand"},
    {"Refill", 696, "ReFill"},
    {"SellPrice", 1200, "Price"},
    {"Total Amount", 1200, "Amount"},
    {"Remarks", 2500, "Remarks"},
};

// Every column of a line but "#" and Refill is locked.
const int kRefillLockedColumns[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11};

} // namespace

frmRefill& frmRefill::Default() {
    static frmRefill* instance = new frmRefill;
    return *instance;
}

frmRefill::frmRefill() {
    setObjectName(QStringLiteral("frmRefill"));
    setWindowTitle(QStringLiteral("Refill"));
    setModal(true);
    resize(twipsToPixels(14000), twipsToPixels(7500));
    auto* layout = new QVBoxLayout(this);

    auto* header = new QGridLayout;
    const std::tuple<int, const char*, int, int> captions[] = {
        {7, "IDNumber:", 0, 0}, {2, "Patient Name:", 1, 0}, {1, "Doctor:", 1, 2}, {0, "Charge Slip:", 0, 2}};
    for (const auto& [index, caption, row, col] : captions) {
        header->addWidget(new QLabel(QString::fromLatin1(caption), this), row, col);
        lblPatInfo[index] = new QLabel(this);
        lblPatInfo[index]->setObjectName(QStringLiteral("lblPatInfo_%1").arg(index));
        header->addWidget(lblPatInfo[index], row, col + 1);
    }
    header->setColumnStretch(1, 1);
    header->setColumnStretch(3, 1);
    layout->addLayout(header);

    grdRefill = new TallyGrid::GridEntry(this);
    grdRefill->setObjectName(QStringLiteral("grdRefill"));
    connect(grdRefill, &TallyGrid::GridEntry::KeyDown, this, [this](int keyCode) { grdRefill_KeyDown(keyCode); });
    layout->addWidget(grdRefill, 1);

    auto* lookup = new QGroupBox(QStringLiteral("Item Details"), this);
    auto* lookupRow = new QHBoxLayout(lookup);
    lookupRow->addWidget(new QLabel(QStringLiteral("Code:"), lookup));
    txtItemID = new QLineEdit(lookup);
    txtItemID->setObjectName(QStringLiteral("txtItemID"));
    connect(txtItemID, &QLineEdit::textChanged, this, [this] { txtItemID_Change(); });
    connect(txtItemID, &QLineEdit::returnPressed, this, [this] { cmdSearch_Click(); });
    lookupRow->addWidget(txtItemID);
    cmdSearch = new QPushButton(QStringLiteral("..."), lookup);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    connect(cmdSearch, &QPushButton::clicked, this, [this] { cmdSearch_Click(); });
    lookupRow->addWidget(cmdSearch);
    txtItemName = new QLineEdit(lookup);
    txtItemName->setObjectName(QStringLiteral("txtItemName"));
    txtItemName->setReadOnly(true);
    lookupRow->addWidget(txtItemName, 1);
    layout->addWidget(lookup);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const std::tuple<QPushButton**, const char*, const char*> commands[] = {
        {&cmdAdd, "cmdAdd", "Add"},           {&cmdDelete, "cmdDelete", "Remove Item"},
        {&cmdSave, "cmdSave", "Save"},        {&cmdPrintSave, "cmdPrintSave", "Save/Print"},
        {&cmdExit, "cmdExit", "Exit"},
    };
    for (const auto& [button, name, caption] : commands) {
        *button = new QPushButton(QString::fromLatin1(caption), this);
        (*button)->setObjectName(QString::fromLatin1(name));
        (*button)->setAutoDefault(false);
        buttons->addWidget(*button);
    }
    cmdSearch->setAutoDefault(false);
    // Save, Save/Print and Add have no action: refills are not stored here.
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    layout->addLayout(buttons);
}

void frmRefill::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Load();
}

void frmRefill::Form_Load() {
    for (QLabel* label : lblPatInfo)
        if (label)
            label->clear();
    txtItemID->clear();
    txtItemName->clear();
    OutpatientFile::OPDPatient* visit = gComponents.gOPDPatient.get();
    if (!patientID_.isEmpty() && visit && visit->Search(patientID_)) {
        lblPatInfo[7]->setText(visit->OPDNumber());
        lblPatInfo[2]->setText(visit->PatientName());
        lblPatInfo[1]->setText(visit->Doctor());
        if (gComponents.gDrug)
            lblPatInfo[0]->setText(gComponents.gDrug->Drug().Chargeslip().CurrentDispensingChargeSlip());
    }
    SetupRefillGrid();
    LoadRefillItems();
}

void frmRefill::SetupRefillGrid() {
    // A fresh grid: no cell keeps a lock or a text of an earlier showing.
    grdRefill->setRows(0);
    grdRefill->setCols(0);
    grdRefill->setRows(2);
    grdRefill->setCols(kRefillCols);
    for (int col = 0; col < kRefillCols; ++col) {
        grdRefill->setTextMatrix(0, col, QString::fromLatin1(kRefillColumns[col].header));
        grdRefill->setColWidth(col, kRefillColumns[col].width);
    }
}

void frmRefill::LoadRefillItems() {
    const std::optional<Recordset> rs = SQLConnection().callProcedure(
        QStringLiteral("sp_Pharma_ListRefill"),
        {{QStringLiteral("@IDNum"), lblPatInfo[7]->text()}, {QStringLiteral("@Option"), QString()}});
    if (!rs || rs->isEmpty()) {
        grdRefill->setDataSource(nullptr);
        grdRefill->setRow(2);
        return;
    }
    grdRefill->setRows(rs->recordCount() + 1);
    grdRefill->setCols(kRefillCols);
    grdRefill->setCol(kRefillQuantityColumn);
    for (int record = 0; record < rs->recordCount(); ++record) {
        const int row = record + 1;
        grdRefill->setRow(row);
        for (const int col : kRefillLockedColumns)
            grdRefill->lock(col, true);
        for (int col = 1; col < kRefillCols; ++col) {
            const char* field = kRefillColumns[col].field;
            grdRefill->setTextMatrix(row, col, field ? Text(rs->valueAt(record, QString::fromLatin1(field))) : QString());
        }
    }
}

void frmRefill::txtItemID_Change() {
    const QString upper = txtItemID->text().toUpper();
    if (upper == txtItemID->text())
        return;
    const int caret = txtItemID->cursorPosition();
    txtItemID->setText(upper);
    txtItemID->setCursorPosition(caret);
}

void frmRefill::cmdSearch_Click() {
    eventHandler(kRefillModule, QStringLiteral("cmdSearch_Click"), [this] {
        DrugPicker::DrugList* picker = gComponents.gDrugList.get();
        if (!picker)
            return;
        const QString typed = txtItemID->text();
        if (gDrugListByGeneric)
            txtItemID->setText(picker->ShowList());
        else if (!IsNumeric(typed))
            txtItemID->setText(picker->ShowList(typed, std::nullopt, gLocationID));
        else
            txtItemID->setText(picker->ShowList(std::nullopt, std::nullopt, gLocationID, typed));
        txtItemName->setText(GetItemNameDesc(SQLConnection(), txtItemID->text()));
    });
}

void frmRefill::cmdDelete_Click() {
    eventHandler(kRefillModule, QStringLiteral("cmdDelete_Click"), [this] {
        if (MsgBox(QStringLiteral("Are you sure you want to Remove this Request?"), vbYesNo + vbQuestion) == vbNo)
            return;
        const int row = grdRefill->Row();
        // The header row is no line to remove.
        if (row < 1)
            return;
        grdRefill->setTextMatrix(row, kRefillStatusColumn, QStringLiteral("R"));
        if (grdRefill->TextMatrix(row, kRefillStatusColumn) == QLatin1String("R"))
            grdRefill->lock(kRefillQuantityColumn, true);
    });
}

void frmRefill::cmdExit_Click() {
    const QString question = grdRefill->TextMatrix(1, 1).isEmpty()
                                 ? QStringLiteral("Are you sure you want to exit")
                                 : QStringLiteral("Are you sure you want to exit without saving?");
    if (MsgBox(question, vbYesNo + vbQuestion) == vbYes)
        close();
}

void frmRefill::grdRefill_KeyDown(int keyCode) {
    if (keyCode == keys::Return && grdRefill->Row() < grdRefill->Rows() - 1)
        grdRefill->setRow(grdRefill->Row() + 1);
}

} // namespace qx
