// The work lists: which list the selected tree node loads and with which arguments, the loaders,
// the empty layouts, the painting of STAT rows and the list order of the View menu.
#include "mainwindow/frmPharma.h"

#include "components/Connection.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/RecordsetGrid.h"
#include "shell/clsCashInfo.h"

#include <QAction>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>

namespace qx {

namespace {

const QString kWorkListModule = QStringLiteral("frmPharma");

// The program's own headers of each list, column by column; a column beyond them shows its field's
// name. The columns are those the list's source gives.
const QStringList kRequestListHeaders = {
    QStringLiteral("Hospital #"), QStringLiteral("Admission #"), QStringLiteral("Patient Name"), QStringLiteral("Room"),
    QStringLiteral("Station"),    QStringLiteral("Station ID"),  QStringLiteral("Request Date"), QStringLiteral("STAT"),
    QString()};
const QStringList kUnitDoseListHeaders = {
    QStringLiteral("Hospital #"), QStringLiteral("Admission #"), QStringLiteral("Patient Name"), QStringLiteral("Patient"),
    QStringLiteral("Name"),       QStringLiteral("Room"),        QStringLiteral("Station"),      QStringLiteral("Station ID")};
const QStringList kPaidListHeaders = {
    QStringLiteral("Issued"),     QStringLiteral("Patient ID"), QStringLiteral("Patient Name"),
    QStringLiteral("Room"),       QStringLiteral("Hospital #"), QStringLiteral("O.R. #"),
    QStringLiteral("Bill Closed"), QStringLiteral("Date"),      QStringLiteral("Assessment #")};
const QStringList kAssessmentListHeaders = {
    QStringLiteral("Assessment #"), QStringLiteral("Patient ID"), QStringLiteral("Patient Name"),
    QStringLiteral("Room"),         QStringLiteral("Hospital #"), QStringLiteral("Date"),
    QStringLiteral("Bill Closed"),  QStringLiteral("Amount"),     QStringLiteral("User")};
const QStringList kTakeHomeListHeaders = {
    QStringLiteral("Hospital #"),  QStringLiteral("Patient ID"), QStringLiteral("Patient Name"), QStringLiteral("Room"),
    QStringLiteral("Reference #"), QStringLiteral("Station ID"), QStringLiteral("Bill Closed")};
const QStringList kRefillListHeaders = {QStringLiteral("Admission #"), QStringLiteral("Patient Name"),
                                        QStringLiteral("Doctor Name ")};
const QStringList kReturnsListHeaders = {
    QStringLiteral("Hospital #"),   QStringLiteral("Patient ID"),   QStringLiteral("Credit Memo #"),
    QStringLiteral("Patient Name"), QStringLiteral("Requested By"), QStringLiteral("Items"),
    QStringLiteral("Reason"),       QStringLiteral("Charge Slip"),  QStringLiteral("Revenue")};

// The empty layouts.
const QString kClearGridFormat = QStringLiteral("<Hospital # |<Admission # |<Patient Name |<Room");
const int kClearGridWidths[] = {1600, 1600, 7000, 2000, 0, 0, 2300, 2300, 0};
const QString kRefillGridFormat = QStringLiteral("<Admission # |<Patient Name |<Doctor Name ");
const int kRefillGridWidths[] = {1600, 7000, 7000};

// The STAT mark of a request row, its colours and the columns painted.
const QString kStatMark = QStringLiteral("*");
constexpr int kStatColumn = 7;
constexpr ColorValue kStatForeColor = 0xFF;
constexpr ColorValue kStatBackColor = 0xC0E0FF;

// The cash list that may not be processed shows this in column 0.
const QString kNotProcessable = QStringLiteral("*");

const QStringList kReturnNodes = {QStringLiteral("_7.1.1"), QStringLiteral("_7.2.1"), QStringLiteral("_7.2.2")};

// Lays out an empty list: contents cleared, the header row and one blank row, the widths given to
// the columns the grid has.
template <size_t N>
void layOutEmptyList(FlexGrid& grid, const QString& format, const int (&widths)[N]) {
    const QSignalBlocker quiet(grid);
    // Cut to the layout's rows first, so that a long list is not emptied cell by cell.
    grid.setRows(std::min(grid.rows(), 2));
    grid.clear();
    grid.setFormatString(format);
    grid.setFixedRows(1);
    grid.setRows(2);
    for (int col = 0; col < int(N) && col < grid.cols(); ++col)
        grid.setColWidth(col, widths[col]);
}

} // namespace

QVariant frmPharma::Sorted() const {
    return generalProcedure(kWorkListModule, QStringLiteral("Sorted"), [this] {
        QVariant order;
        if (command(QStringLiteral("mnuFIFO"))->isChecked())
            order = 1;
        if (command(QStringLiteral("mnuSorted"))->isChecked())
            order = 2;
        return order;
    });
}

void frmPharma::ClickTreeView() {
    eventHandler(kWorkListModule, QStringLiteral("ClickTreeView"), [this] {
        HourglassScope hourglass;
        const QTreeWidgetItem* node = treCategory->currentItem();
        if (!node)
            return;
        const QString key = NodeKey(node);
        if (key == QStringLiteral("_0")) {
            ClearGrid();
            return;
        }
        const QTreeWidgetItem* parent = node->parent();
        if (NodeKey(parent) == QStringLiteral("_0")) {
            ClearGrid();
        } else {
            dispatchList(key, node->text(0), NodeKey(parent), parent ? parent->text(0) : QString());
        }
        if (kReturnNodes.contains(key) && IsNoDirectReturnSupplies())
            LoadPostReturns(key);
    });
}

void frmPharma::dispatchList(const QString& key, const QString& text, const QString& parentKey,
                             const QString& parentText) {
    const int order = Sorted().toInt();
    const QString stationId = key.trimmed().mid(1);
    const bool all = text == QStringLiteral("All");
    const bool current = text == QStringLiteral("Current");
    const bool previous = text == QStringLiteral("Previous");
    const bool byStation = parentText == QStringLiteral("By Station");
    QAction* const processAssessment = command(QStringLiteral("mnuProcessAssessment"));
    QAction* const button14 = tbrPharmaButton(14);
    const auto clearWhenEmpty = [this](bool loaded) {
        if (!loaded)
            ClearGrid();
    };

    if (key == QStringLiteral("_1.1") && all) {
        clearWhenEmpty(LoadList(QString(), QString(), 2, order, QStringLiteral("I")));
    } else if (parentKey == QStringLiteral("_1.2") && byStation) {
        clearWhenEmpty(LoadList(stationId, QString(), 1, order, QStringLiteral("I")));
    } else if (key == QStringLiteral("_2.1") && all) {
        clearWhenEmpty(LoadList(QString(), QString(), 2, order, QStringLiteral("O")));
    } else if (key == QStringLiteral("_8.1") && all) {
        clearWhenEmpty(LoadListER(QString(), QString(), 2, order, QStringLiteral("O")));
    } else if (key == QStringLiteral("_3.1") && all) {
        clearWhenEmpty(LoadUnitDoseList(QString(), 1, order));
    } else if (parentKey == QStringLiteral("_3.2") && byStation) {
        clearWhenEmpty(LoadUnitDoseList(stationId, 2, order));
    } else if ((key == QStringLiteral("_4.1.1") && current) || (key == QStringLiteral("_4.1.2") && previous)) {
        // Paid lists: processing follows the re-selected row, refused where it is marked "*".
        const bool loaded = LoadListAssessment(1, current ? 1 : 2, QString());
        if (!loaded)
            ClearGrid();
        const bool processable =
            loaded && flexMSHList->textMatrix(flexMSHList->row(), 0) != kNotProcessable;
        processAssessment->setEnabled(processable);
        button14->setEnabled(processable);
    } else if ((key == QStringLiteral("_4.2.1") && current) || (key == QStringLiteral("_4.2.2") && previous)) {
        clearWhenEmpty(LoadListAssessment(2, current ? 1 : 2, QString()));
        processAssessment->setEnabled(false);
        button14->setEnabled(false);
    } else if (key == QStringLiteral("_4.3.1") && current) {
        if (!LoadListAssessment(2, 3, QString())) {
            ClearGrid();
            button14->setEnabled(false);
        }
    } else if (key == QStringLiteral("_4.3.2") && previous) {
        clearWhenEmpty(LoadListAssessment(2, 4, QString()));
        button14->setEnabled(false);
    } else if ((key == QStringLiteral("_5.1.1") && current) || (key == QStringLiteral("_5.2.1") && current) ||
               (key == QStringLiteral("_5.2.2") && previous)) {
        const int type = key == QStringLiteral("_5.1.1") ? 1 : key == QStringLiteral("_5.2.1") ? 3 : 4;
        if (!LoadListAssessment(5, type, QString())) {
            ClearGrid();
            button14->setEnabled(false);
        }
    } else if ((key == QStringLiteral("_6.1") && current) || (key == QStringLiteral("_6.2") && previous)) {
        // "Previous" lists the refills of earlier days, beside the current ones.
        RefillGrid();
        LoadRefillList(current ? 1 : 2);
    }
}

void frmPharma::releaseWorkList() {
    ClearGrid();
    rsPatientList_ = Recordset();
    rsUnitDoseList_ = Recordset();
}

bool frmPharma::showWorkList(const Recordset& rs, const QStringList& headers,
                             std::initializer_list<QAction*> processCommands, bool processRight) {
    const bool hasRows = rs.recordCount() > 0;
    {
        const QSignalBlocker quiet(*flexMSHList);
        flexMSHList->setRedraw(false);
        if (!hasRows) {
            flexMSHList->setEnabled(false);
        } else {
            BindRecordsetAsList(*flexMSHList, rs, headers);
            flexMSHList->setEnabled(true);
        }
        for (QAction* process : processCommands)
            if (process)
                process->setEnabled(hasRows && processRight);
        if (flexMSHList->rows() - 1 < intListRow)
            intListRow = flexMSHList->rows() - 1;
        flexMSHList->setRow(intListRow);
        flexMSHList->setRedraw(true);
    }
    SetGridHighlight(*flexMSHList, true);
    return hasRows;
}

bool frmPharma::LoadList(const QString& strStation, const QString& strSearch, int intOption, int intSorted,
                         const QString& strInOut) {
    bool loaded = false;
    eventHandler(kWorkListModule, QStringLiteral("LoadList"), [&] {
        if (!gComponents.gPatient)
            throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
        releaseWorkList();
        rsPatientList_ = gComponents.gPatient->LoadCommunication(strStation, strSearch, intOption, intSorted, strInOut);
        if (showWorkList(rsPatientList_, kRequestListHeaders,
                         {command(QStringLiteral("mnuPending")), tbrPharmaButton(1)}, gCanProcessRequest))
            Mark_Stat();
        loaded = true;
    });
    return loaded;
}

bool frmPharma::LoadListER(const QString& strStation, const QString& strSearch, int intOption, int intSorted,
                           const QString& strInOut) {
    return generalProcedure(kWorkListModule, QStringLiteral("LoadListER"), [&] {
        releaseWorkList();
        const Recordset rs =
            SQLConnection()
                .callProcedure(QStringLiteral("Pharma_PatientListPending_ER"),
                               {{QStringLiteral("@StationID"), strStation},
                                {QStringLiteral("@Search"), strSearch},
                                {QStringLiteral("@Option"), intOption},
                                {QStringLiteral("@Sorted"), intSorted},
                                {QStringLiteral("@InOut"), strInOut}})
                .value_or(Recordset());
        showWorkList(rs, kRequestListHeaders, {command(QStringLiteral("mnuPending")), tbrPharmaButton(1)},
                     gCanProcessRequest);
        return true;
    });
}

bool frmPharma::LoadUnitDoseList(const QString& strStationID, int intOption, int) {
    return generalProcedure(kWorkListModule, QStringLiteral("LoadUnitDoseList"), [&] {
        if (!gComponents.gPatient)
            throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
        releaseWorkList();
        // The order is read afresh, as the list has always done.
        rsUnitDoseList_ = gComponents.gPatient->ListUnitDosePatients(strStationID, intOption, Sorted().toInt());
        showWorkList(rsUnitDoseList_, kUnitDoseListHeaders,
                     {command(QStringLiteral("mnuAutoDispense")), tbrPharmaButton(2)}, true);
        return true;
    });
}

bool frmPharma::LoadListAssessment(int intWhat, int intType, const QString& strSearchPatient) {
    return generalProcedure(kWorkListModule, QStringLiteral("LoadListAssessment"), [&] {
        HourglassScope hourglass;
        releaseWorkList();
        clsCashInfo& cash = gCashInfo();
        const QStringList* headers = &kAssessmentListHeaders;
        if (intWhat == 1) {
            rsPatientList_ = cash.LoadPharmaPaidAssessment(qint16(intType), strSearchPatient);
            headers = &kPaidListHeaders;
        } else if (intWhat == 5) {
            rsPatientList_ = cash.LoadPharmaPrescription(qint16(intType), 1);
            headers = &kTakeHomeListHeaders;
        } else {
            rsPatientList_ = cash.LoadPharmaAssessment(qint16(intType), strSearchPatient);
        }
        return showWorkList(rsPatientList_, *headers, {}, false);
    });
}

bool frmPharma::LoadRefillList(int option) {
    const Recordset rs = SQLConnection()
                             .callProcedure(QStringLiteral("Pharma_PrescriptionList"),
                                            {{QStringLiteral("@intOption"), option}, {QStringLiteral("@IsHomeMed"), 0}})
                             .value_or(Recordset());
    showWorkList(rs, kRefillListHeaders, {command(QStringLiteral("mnuPending")), tbrPharmaButton(1)},
                 gCanProcessRequest);
    return true;
}

void frmPharma::LoadPostReturns(const QString& key) {
    generalProcedure(kWorkListModule, QStringLiteral("LoadPostReturns"), [&] {
        const Recordset rs = SQLConnection()
                                 .callProcedure(QStringLiteral("sp_Pharma_LoadPostReturns"),
                                                {{QStringLiteral("@RevenueID"), QStringLiteral("PC")},
                                                 {QStringLiteral("@Option"), key}})
                                 .value_or(Recordset());
        if (rs.recordCount() == 0) {
            ClearGrid();
            return;
        }
        {
            const QSignalBlocker quiet(*flexMSHList);
            BindRecordsetAsList(*flexMSHList, rs, kReturnsListHeaders);
        }
        adjustGrid();
        flexMSHList->setEnabled(true);
    });
}

void frmPharma::ClearGrid() {
    generalProcedure(kWorkListModule, QStringLiteral("ClearGrid"),
                     [this] { layOutEmptyList(*flexMSHList, kClearGridFormat, kClearGridWidths); });
}

void frmPharma::RefillGrid() { layOutEmptyList(*flexMSHList, kRefillGridFormat, kRefillGridWidths); }

void frmPharma::adjustGrid() {
    generalProcedure(kWorkListModule, QStringLiteral("adjustGrid"), [this] {
        const int width = pixelsToTwips(flexMSHList->width());
        const int seventh = int(Round(width / 7.0));
        for (const int col : {0, 1, 2, 4, 5})
            if (col < flexMSHList->cols())
                flexMSHList->setColWidth(col, seventh);
        if (flexMSHList->cols() > 3)
            flexMSHList->setColWidth(3, 3 * flexMSHList->colWidth(0));
        for (const int col : {6, 7, 8})
            if (col < flexMSHList->cols())
                flexMSHList->setColWidth(col, 0);
    });
}

void frmPharma::Mark_Stat() {
    generalProcedure(kWorkListModule, QStringLiteral("Mark_Stat"), [this] {
        FlexGrid& grid = *flexMSHList;
        if (grid.cols() <= kStatColumn)
            return;
        // Painted through a selection spanning the row, with the current cell put back after, so
        // the remembered row stays current and highlighted.
        const int row = grid.row();
        const int col = grid.col();
        {
            const QSignalBlocker quiet(grid);
            grid.setRedraw(false);
            const FlexGrid::FillStyle fill = grid.fillStyle();
            grid.setFillStyle(FlexGrid::FillStyle::Repeat);
            for (int r = 1; r < grid.rows(); ++r) {
                if (grid.textMatrix(r, kStatColumn) != kStatMark)
                    continue;
                grid.setRow(r);
                grid.setCol(0);
                grid.setRowSel(r);
                grid.setColSel(kStatColumn);
                grid.setCellFontBold(true);
                grid.setCellForeColor(kStatForeColor);
                grid.setCellBackColor(kStatBackColor);
            }
            grid.setFillStyle(fill);
            grid.setRow(row);
            grid.setCol(col);
            grid.setRowSel(row);
            grid.setColSel(col);
            grid.setRedraw(true);
        }
        SetGridHighlight(grid, true);
    });
}

} // namespace qx
