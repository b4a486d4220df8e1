#include "reports/frmStockCard.h"

#include "charging/frmItemLookup.h"
#include "charging/modLookup.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TypedKeys.h"
#include "platform/Values.h"
#include "shell/ItemLookups.h"
#include "shell/QueryHelpers.h"
#include "shell/ReportOpening.h"
#include "shell/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kStockCardDay = QStringLiteral("mm/dd/yyyy");

// Captions (blank-padded as the grid shows them) and widths in twips, 0 for the grid's default.
struct StockCardColumn {
    const char* caption;
    int blanks;
    int width;
};
const StockCardColumn kStockCardColumns[] = {
    {"Date", 10, 0},          {"Account", 7, 800},   {"Emp.#", 9, 700},
    {"ID #", 10, 800},        {"Patient Name", 3, 2800}, {"Ref. #", 8, 2300},
    {"Transaction Description", 5, 600}, {"Quantity", 4, 600}, {"Clerk", 7, 600},
    {nullptr, 0, 0},          {nullptr, 0, 0},       {nullptr, 0, 0},
    {nullptr, 0, 0},          {nullptr, 0, 0},       {"clsCurrentUser", 23, 2000},
    {"RR #", 8, 1300},        {"Posting Date", 11, 1300},
};
constexpr int kStockCardDateColumns[] = {0, 16};

QString padded(const char* caption, int blanks) { return QString::fromLatin1(caption) + QString(blanks, u' '); }

// A date of the list as a bound grid shows it: the regional date-and-time form.
QString stockCardCell(const QVariant& value, int column) {
    for (int dateColumn : kStockCardDateColumns)
        if (column == dateColumn) {
            const QDateTime when = parseDbDateTime(value);
            return when.isValid() ? Text(when) : Text(value);
        }
    return Text(value);
}

QLineEdit* readOnlyBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    return box;
}

} // namespace

frmStockCard::frmStockCard(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Stock Card"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    cboLocation = new QComboBox(this);
    cboLocation->setEditable(true);
    cboLocation->setInsertPolicy(QComboBox::NoInsert);
    txtProdCode = new QLineEdit(this);
    txtProdCode->setMaxLength(20);
    txtProdName = readOnlyBox(this);
    txtOnHand = readOnlyBox(this);
    txtAveCons = readOnlyBox(this);
    txtAveCost = readOnlyBox(this);
    txtListCost = readOnlyBox(this);
    txtLastInvCount = readOnlyBox(this);
    txtStartDate = new DatePicker(this);
    txtEndDate = new DatePicker(this);
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    top->addWidget(new QLabel(QStringLiteral("Location"), this), 0, 0);
    top->addWidget(cboLocation, 0, 1, 1, 3);
    top->addWidget(new QLabel(QStringLiteral("Product Code"), this), 1, 0);
    top->addWidget(txtProdCode, 1, 1);
    top->addWidget(new QLabel(QStringLiteral("Last  Inventory Count"), this), 1, 2);
    top->addWidget(txtLastInvCount, 1, 3);
    top->addWidget(new QLabel(QStringLiteral("Name && Desc."), this), 2, 0);
    top->addWidget(txtProdName, 2, 1, 1, 3);
    top->addWidget(new QLabel(QStringLiteral("Report Period:   From"), this), 3, 0);
    top->addWidget(txtStartDate, 3, 1);
    top->addWidget(new QLabel(QStringLiteral("To"), this), 3, 2);
    top->addWidget(txtEndDate, 3, 3);
    const std::pair<const char*, QLineEdit*> figures[] = {
        {"On Hand", txtOnHand}, {"Packing", txtAveCons}, {"Average Cost", txtAveCost}, {"List Cost", txtListCost}};
    for (int row = 0; row < 4; ++row) {
        top->addWidget(new QLabel(QString::fromLatin1(figures[row].first), this), row, 4);
        top->addWidget(figures[row].second, row, 5);
    }
    auto* commands = new QVBoxLayout;
    commands->addWidget(cmdOK);
    commands->addWidget(cmdClose);
    commands->addStretch(1);
    top->addLayout(commands, 0, 6, 4, 1);
    layout->addLayout(top);

    grdStock = new FlexGrid(this);
    grdStock->setMouseTracking(true);
    layout->addWidget(grdStock, 1);

    auto* bottom = new QHBoxLayout;
    auto* fraPrint = new QGroupBox(this);
    auto* printLayout = new QVBoxLayout(fraPrint);
    chkTabular = new QCheckBox(QStringLiteral("&Tabular Form"), fraPrint);
    chkTabular->setChecked(true);
    cmdPrint = new QPushButton(QStringLiteral("&Print Stock Card"), fraPrint);
    printLayout->addWidget(chkTabular);
    printLayout->addWidget(cmdPrint);
    fraOrder = new QGroupBox(QStringLiteral("Order by Transaction Date"), this);
    auto* orderLayout = new QHBoxLayout(fraOrder);
    optASC = new QRadioButton(QStringLiteral("Ascending"), fraOrder);
    optDESC = new QRadioButton(QStringLiteral("Descending"), fraOrder);
    optDESC->setChecked(true);
    orderLayout->addWidget(optASC);
    orderLayout->addWidget(optDESC);
    bottom->addWidget(fraPrint);
    bottom->addStretch(1);
    bottom->addWidget(fraOrder);
    layout->addLayout(bottom);
    resize(twipsToPixels(11000), twipsToPixels(7800));

    // Enter moves to the next control everywhere, so no button is pressed by it.
    for (QPushButton* button : {cmdOK, cmdClose, cmdPrint}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             cboLocation, cboLocation->lineEdit(), txtProdCode, txtProdName, txtOnHand, txtAveCons, txtAveCost, txtListCost,
             txtLastInvCount, txtStartDate, txtEndDate, optASC, optDESC, chkTabular, cmdPrint, cmdOK, cmdClose, grdStock})
        control->installEventFilter(this);

    connect(txtProdCode, &QLineEdit::textChanged, this, [this] { txtProdCode_Change(); });
    connect(txtStartDate, &QDateTimeEdit::dateTimeChanged, this, [this] { cmdOK->setEnabled(true); });
    connect(txtEndDate, &QDateTimeEdit::dateTimeChanged, this, [this] { cmdOK->setEnabled(true); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(optASC, &QRadioButton::clicked, this, [this] { optASC_Click(); });
    connect(optDESC, &QRadioButton::clicked, this, [this] { optDESC_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(grdStock, &FlexGrid::mouseMove, this, [this](int, int, int, int) {
        const int row = grdStock->mouseRow();
        grdStock->setToolTip(row >= 0 && row < grdStock->rows() ? grdStock->textMatrix(row, 0) : QString());
    });
    designGrid();
}

void frmStockCard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

void frmStockCard::done(int result) {
    loaded_ = false;
    QDialog::done(result);
}

bool frmStockCard::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && loaded_)
        Form_Activate();
    return QDialog::event(event);
}

void frmStockCard::Form_Load() {
    move(twipsToPixels(30), twipsToPixels(200));
    LoadLocation(cboLocation);
    told([this] {
        const QDate today = CDate(GetServerDate(SQLConnection())).date();
        for (DatePicker* picker : {txtStartDate, txtEndDate})
            picker->setValue(QDateTime(today, QTime(0, 0)));
        txtEndDate->setMaxDate(today);
    });
    cmdOK->setEnabled(false);
    cmdPrint->setEnabled(false);
}

void frmStockCard::designGrid() {
    grdStock->clear();
    grdStock->setCols(8);
    grdStock->setRows(2);
    grdStock->setFixedRows(1);
    grdStock->setFixedCols(0);
    const StockCardColumn design[] = {{"Date", 10, 0}, {"Account", 7, 0}, {"Hosp. #", 7, 0}, {"Adm #", 9, 0},
                                      {"Ref. #", 8, 0}, {"Transaction Description", 5, 0}, {"Quantity", 4, 0},
                                      {"User ID", 5, 0}};
    for (int col = 0; col < 8; ++col)
        grdStock->setTextMatrix(0, col, padded(design[col].caption, design[col].blanks));
}

void frmStockCard::LoadLocation(QComboBox* objLocation) {
    cboLocationTag.clear();
    try {
        Connection& con = SQLConnection();
        Recordset list = con.query(QStringLiteral(
            "SELECT Location, LocationID FROM tbInvLocation WHERE (isWarehouse = 0 OR isDispensingArea = 0) "
            "AND (NOT Status = 'I' OR Status IS NULL) ORDER BY Location"));
        objLocation->clear();
        for (list.moveFirst(); !list.eof(); list.moveNext())
            objLocation->addItem(list.text(QStringLiteral("Location")), list.text(QStringLiteral("LocationID")));
        Recordset preset = con.query(
            QStringLiteral("SELECT Location, LocationID FROM tbInvLocation WHERE LocationID = ? ORDER BY Location"),
            {gDefaultStockLocationID});
        if (!preset.isEmpty()) {
            objLocation->setEditText(preset.text(QStringLiteral("Location")));
            cboLocationTag = preset.text(QStringLiteral("LocationID"));
        }
    } catch (...) {
        MsgBox(QStringLiteral("Called from: Sub LoadLocation -") + currentError().description(), vbOKOnly);
    }
}

bool frmStockCard::ValidateLocation(const QString& lstrLocation, QString& lstrLocationID, bool& lblnWarehouse,
                                    bool blnCheckRight) {
    try {
        Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT LocationID, inventorytype, isWarehouse, isDispensingArea FROM tbInvLocation "
                           "WHERE UPPER(TRIM(Location)) = UPPER(TRIM(?))"),
            {lstrLocation});
        if (rs.isEmpty()) {
            lstrLocationID.clear();
            return false;
        }
        lstrLocationID = rs.text(QStringLiteral("LocationID"));
        const QString inventoryType = rs.text(QStringLiteral("inventorytype"));
        lblnWarehouse = rs.value(QStringLiteral("isWarehouse")).toInt() == 0 || rs.value(QStringLiteral("isDispensingArea")).toInt() == 0;
        if (!blnCheckRight)
            return true;
        const bool allowed = gUserLocationRights == QLatin1String("A") ||
                             (!gUserLocationRights.isEmpty() &&
                              (inventoryType.isEmpty() || inventoryType.contains(gUserLocationRights, Qt::CaseSensitive)));
        if (!allowed) {
            MsgBox(QStringLiteral("Unauthorized Access..."), vbOKOnly);
            lstrLocationID.clear();
            return false;
        }
        return true;
    } catch (...) {
        MsgBox(currentError().description(), vbOKOnly);
        return false;
    }
}

void frmStockCard::cboLocation_LostFocus() {
    if (validatingLocation_)
        return;
    validatingLocation_ = true;
    QString id;
    bool warehouse = false;
    const bool accepted = ValidateLocation(cboLocation->currentText(), id, warehouse, true);
    cboLocationTag = id;
    cmdOK->setEnabled(accepted);
    if (!accepted)
        cboLocation->setFocus();
    validatingLocation_ = false;
}

void frmStockCard::txtProdCode_Change() { cmdOK->setEnabled(!txtProdCode->text().isEmpty()); }

void frmStockCard::txtProdCode_LostFocus() {
    if (Trim(txtProdCode->text()).isEmpty()) {
        txtProdName->clear();
        cmdOK->setEnabled(false);
        return;
    }
    told([this] { validateItem(); });
}

// The item box's code read as a barcode or a code; an item without a stock row at the location
// is looked up among the location's items.
void frmStockCard::validateItem() {
    Connection& con = SQLConnection();
    txtProdCode->setText(GetItemIDByBarcode(con, Trim(txtProdCode->text())));
    if (loadItem())
        return;
    frmItemLookup lookup(this);
    lookup.setLocationName(cboLocation->currentText());
    lookup.setLocationCode(cboLocationTag);
    lookup.setSearchString(txtProdCode->text());
    showModal(lookup);
    txtProdCode->setText(gLookupResult);
}

bool frmStockCard::loadItem() {
    Recordset rs = SQLConnection().query(
        QStringLiteral("SELECT a.ItemID, COALESCE(b.ItemName, '') || ' ' || COALESCE(b.ItemDesc, '') AS ProdName, "
                       "COALESCE(a.OnHand, 0) AS OnHand, COALESCE(b.AverageCost, 0) AS AverageCost, "
                       "COALESCE(a.Packing, b.Packing, 1) AS Packing, COALESCE(a.LastInventoryCount, 0) AS LastInventoryCount, "
                       "COALESCE(b.ListCost, 0) AS ListCost "
                       "FROM tbInvent a LEFT OUTER JOIN tbInvMaster b ON a.ItemID = b.ItemID "
                       "WHERE a.LocationID = ? AND a.ItemID = ?"),
        {cboLocationTag, txtProdCode->text()});
    if (rs.isEmpty())
        return false;
    const QSignalBlocker quiet(txtProdCode);
    txtProdCode->setText(rs.text(QStringLiteral("ItemID")));
    txtProdName->setText(rs.text(QStringLiteral("ProdName")));
    txtOnHand->setText(Text(rs.value(QStringLiteral("OnHand"))));
    txtAveCons->setText(Text(rs.value(QStringLiteral("Packing"))));
    txtAveCost->setText(Text(rs.value(QStringLiteral("AverageCost"))));
    txtListCost->setText(Text(rs.value(QStringLiteral("ListCost"))));
    txtLastInvCount->setText(Text(rs.value(QStringLiteral("LastInventoryCount"))));
    cmdOK->setEnabled(true);
    return true;
}

void frmStockCard::Form_Activate() {
    if (!Trim(txtProdCode->text()).isEmpty() && !QApplication::activeModalWidget())
        told([this] { validateItem(); });
}

void frmStockCard::cmdOK_Click() { runInquiry(); }
void frmStockCard::optASC_Click() { runInquiry(); }
void frmStockCard::optDESC_Click() { runInquiry(); }

void frmStockCard::runInquiry() {
    if (Trim(txtProdCode->text()).isEmpty())
        return;
    if (txtEndDate->value().date() < txtStartDate->value().date()) {
        MsgBox(QStringLiteral("Invalid report period..."), vbOKOnly);
        return;
    }
    setHourglass(true);
    told([this] {
        loadItem();
        const QString procedure = optASC->isChecked() ? QStringLiteral("sp_Inv_StockCardList_ASC")
                                                      : QStringLiteral("sp_Inv_StockCardList");
        Recordset rs = SQLConnection()
                           .callProcedure(procedure, {{QStringLiteral("@LocationID"), Trim(cboLocationTag)},
                                                      {QStringLiteral("@ItemID"), txtProdCode->text()},
                                                      {QStringLiteral("@StartDate"), Format(txtStartDate->value(), kStockCardDay)},
                                                      {QStringLiteral("@EndDate"), Format(txtEndDate->value(), kStockCardDay)}})
                           .value_or(Recordset());
        grdStock->clear();
        if (rs.isEmpty()) {
            cmdPrint->setEnabled(false);
            grdStock->setCols(1);
            grdStock->setRows(1);
            grdStock->setFixedRows(0);
            return;
        }
        const int columns = rs.fieldCount();
        grdStock->setCols(columns);
        grdStock->setRows(rs.recordCount() + 1);
        grdStock->setFixedRows(1);
        for (int col = 0; col < columns; ++col) {
            const StockCardColumn* known = col < int(std::size(kStockCardColumns)) ? &kStockCardColumns[col] : nullptr;
            grdStock->setTextMatrix(0, col, known && known->caption ? padded(known->caption, known->blanks) : rs.fieldName(col));
            if (known && known->width)
                grdStock->setColWidth(col, known->width);
        }
        for (int row = 0; row < rs.recordCount(); ++row)
            for (int col = 0; col < columns; ++col)
                grdStock->setTextMatrix(row + 1, col, stockCardCell(rs.valueAt(row, col), col));
        cmdPrint->setEnabled(true);
    });
    setHourglass(false);
}

void frmStockCard::cmdPrint_Click() {
    setHourglass(true);
    const bool tabular = chkTabular->isChecked();
    const QString location = Trim(cboLocationTag);
    const QString item = Trim(txtProdCode->text());
    const QDateTime from(txtStartDate->value().date(), QTime(0, 0));
    const QDateTime to(txtEndDate->value().date(), QTime(0, 0));
    QString path;
    bool opened = false;
    told([&] {
        path = ResolveReportPath(tabular ? QStringLiteral("StockCardReport.rpt") : QStringLiteral("rptStockCard.rpt"));
        opened = OpenCrystalReport(path, tabular ? QVariantList{location, item, Format(from, kStockCardDay), Format(to, kStockCardDay)}
                                                 : QVariantList{location, from, to, item});
    });
    setHourglass(false);
    if (opened)
        ShowCrystalReport(false, QStringLiteral("Stock Card"), false, false);
}

void frmStockCard::cmdClose_Click() { close(); }

void frmStockCard::told(const std::function<void()>& step) {
    try {
        step();
    } catch (...) {
        setHourglass(false);
        MsgBox(currentError().description(), vbOKOnly);
    }
}

bool frmStockCard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == cboLocation || watched == cboLocation->lineEdit())) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && !cboLocation->isAncestorOf(QApplication::focusWidget()) &&
            QApplication::focusWidget() != cboLocation)
            cboLocation_LostFocus();
        return QDialog::eventFilter(watched, event);
    }
    if (watched == txtProdCode && event->type() == QEvent::FocusIn)
        txtProdCode_Change();
    if (watched == txtProdCode && event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        txtProdCode_LostFocus();
    if (event->type() != QEvent::KeyPress || qobject_cast<QPushButton*>(watched))
        return QDialog::eventFilter(watched, event);
    if (PreviewTypedKey(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace qx
