#include "cash/frmSIList.h"

#include "components/Connection.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Values.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kSIListModule = QStringLiteral("frmSIList");

enum SIListColumn { siListNumber, siListPayee, siListTotal, siListDiscount, siListDate, kSIListColumns };
const int kSIListWidths[kSIListColumns] = {1500, 2500, 1500, 1500, 1500};

// A list procedure's rows, or nothing when it returns none.
std::optional<Recordset> rowsOrNothing(std::optional<Recordset> rs) {
    if (!rs || rs->recordCount() < 1)
        return std::nullopt;
    return rs;
}

} // namespace

frmSIList::frmSIList(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSIList"));
    setWindowTitle(QStringLiteral("Sales Invoice"));
    setModal(true);

    lblSearch = new QLabel(QStringLiteral("Search"), this);
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    cmdFind = new PictureButton(this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setPicture(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(16, 16));
    frmList = new QGroupBox(QStringLiteral("Sales Invoice List"), this);
    grdSIList = new FlexGrid(frmList);
    grdSIList->setObjectName(QStringLiteral("grdSIList"));
    grdSIList->setFixedCols(0);
    grdSIList->setSelectionMode(FlexGrid::SelectionMode::ByRow);
    grdSIList->setMinimumSize(560, 260);
    auto* frame = new QVBoxLayout(frmList);
    frame->addWidget(grdSIList);
    cmdSelect = new QPushButton(QStringLiteral("Select Sales Invoice"), this);
    cmdSelect->setAutoDefault(false);

    auto* search = new QHBoxLayout;
    search->addWidget(lblSearch);
    search->addWidget(txtSearch, 1);
    search->addWidget(cmdFind);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSelect);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(frmList, 1);
    layout->addLayout(buttons);

    connect(cmdFind, &QAbstractButton::clicked, this, &frmSIList::cmdFind_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &frmSIList::cmdSelect_Click);
    connect(grdSIList, &FlexGrid::dblClick, this, &frmSIList::cmdSelect_Click);
    auto* searchEvents = new ControlEvents(txtSearch);
    connect(searchEvents, &ControlEvents::keyPress, this, [this](int& keyAscii) {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            cmdFind_Click();
            return;
        }
        const QChar typed(keyAscii);
        if (typed.isLower())
            keyAscii = typed.toUpper().unicode();
    });
}

void frmSIList::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void frmSIList::Form_Load() {
    eventHandler(kSIListModule, QStringLiteral("Form_Load"), [this] { FillSIGrid(LoadSIList()); });
}

std::optional<Recordset> frmSIList::LoadSIList() {
    return generalProcedure(kSIListModule, QStringLiteral("LoadSIList"), [] {
        return rowsOrNothing(SQLConnection().callProcedure(QStringLiteral("sp_Inv_SI_List"),
                                                           {{QStringLiteral("@EmployeeCode"), gEmployeeCode}}));
    });
}

std::optional<Recordset> frmSIList::SearchSI(const QString& text) {
    return generalProcedure(kSIListModule, QStringLiteral("SearchSI"), [&] {
        return rowsOrNothing(
            SQLConnection().callProcedure(QStringLiteral("sp_Inv_SI_Search"), {{QStringLiteral("@Search"), Trim(text)}}));
    });
}

void frmSIList::FillSIGrid(const std::optional<Recordset>& result) {
    generalProcedure(kSIListModule, QStringLiteral("FillSIGrid"), [&] {
        grdSIList->clear();
        BindRecordsetAsList(*grdSIList, result.value_or(Recordset()));
        if (grdSIList->cols() < kSIListColumns)
            grdSIList->setCols(kSIListColumns);
        for (int col = 0; col < kSIListColumns; ++col)
            grdSIList->setColWidth(col, kSIListWidths[col]);
    });
}

void frmSIList::cmdFind_Click() {
    eventHandler(kSIListModule, QStringLiteral("cmdFind_Click"), [this] { FillSIGrid(SearchSI(txtSearch->text())); });
}

void frmSIList::cmdSelect_Click() {
    eventHandler(kSIListModule, QStringLiteral("cmdSelect_Click"), [this] {
        takeCurrentRow();
        selecting_ = true;
        accept();
        selecting_ = false;
    });
}

// Closing in any other way selects as well, so the picker always hands the current row back.
void frmSIList::done(int result) {
    if (!selecting_)
        eventHandler(kSIListModule, QStringLiteral("Form_Unload"), [this] { takeCurrentRow(); });
    QDialog::done(result);
}

void frmSIList::takeCurrentRow() {
    const int row = grdSIList->row();
    const bool onInvoice = row >= 1 && row < grdSIList->rows() && !Trim(grdSIList->textMatrix(row, siListNumber)).isEmpty();
    const auto cell = [&](int col) { return onInvoice ? Trim(grdSIList->textMatrix(row, col)) : QString(); };
    refnum = cell(siListNumber);
    TotalAmount = Val(cell(siListTotal));
    TotalDiscount = Val(cell(siListDiscount));
    TransDate = cell(siListDate);
    Payee = cell(siListPayee);
}

} // namespace qx
