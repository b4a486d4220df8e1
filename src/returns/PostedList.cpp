#include "returns/PostedList.h"

#include "charging/PriceLookups.h"
#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/InputBox.h"
#include "components/OutpatientFile.h"
#include "components/OutpatientRoster.h"
#include "components/PlatformServices.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"
#include "shell/UserLog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>

namespace qx {

namespace {

const QString kAmountFormat = QStringLiteral("###,###,##0.00");

// The columns every posted list reads by position.
enum PostedColumn { colDate = 0, colRefNum = 1, colItemID = 4, colTransaction = 5, colAmount = 7, colGross = 13 };

QLabel* totalLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(110);
    return label;
}

} // namespace

PostedListLayout AdmissionPostedListLayout() {
    PostedListLayout l;
    l.patientFrame = QStringLiteral("Patient Information");
    l.findLabel = QStringLiteral("&Admission No.");
    l.bannerCaptions = {QStringLiteral("Hospital No."), QStringLiteral("Name"), QStringLiteral("Doctor"),
                        QStringLiteral("Station"), QStringLiteral("Room No."), QStringLiteral("Age"),
                        QStringLiteral("Sex")};
    l.emptyFormat = QStringLiteral(
        "<Trans. Date |<Ref. # |<Issued by |<Drug Name |<Drug Code |<Transaction |<Quantity |<Encoder");
    l.emptyColumns = 14;
    l.emptyWidths = [](int u) {
        return QVector<int>{u + 200, u + 100, 3 * u - 100, 3 * u + 900, u, u + 100, u,
                            u,       u,       3 * u - 100, 3 * u - 100, u, 0, 0};
    };
    return l;
}

PostedList::PostedList(PostedListLayout layout, QWidget* parent) : QDialog(parent), layout_(std::move(layout)) {
    setObjectName(layout_.name);
    setWindowTitle(layout_.caption);
    setModal(true);
    buildControls();
}

void PostedList::buildControls() {
    fraPatInfo = new QGroupBox(layout_.patientFrame, this);
    lblFind = new QLabel(layout_.findLabel, fraPatInfo);
    txtFind = new QLineEdit(fraPatInfo);
    lblFind->setBuddy(txtFind);
    cmdFind = new QPushButton(fraPatInfo);
    cmdFind->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    cmdFind->setToolTip(QStringLiteral("Find Patient"));
    cmdFind->setAutoDefault(false);
    auto* patient = new QGridLayout(fraPatInfo);
    patient->addWidget(lblFind, 0, 0);
    auto* find = new QHBoxLayout;
    find->addWidget(txtFind);
    find->addWidget(cmdFind);
    patient->addLayout(find, 0, 1);
    for (int slot = 0; slot < layout_.bannerCaptions.size(); ++slot) {
        patient->addWidget(new QLabel(layout_.bannerCaptions.at(slot), fraPatInfo), slot + 1, 0);
        auto* value = new QLabel(QStringLiteral(" "), fraPatInfo);
        value->setFrameShape(QFrame::Panel);
        value->setFrameShadow(QFrame::Sunken);
        value->setMinimumWidth(320);
        lblPatInfo.push_back(value);
        patient->addWidget(value, slot + 1, 1);
    }

    fraList = new QGroupBox(QStringLiteral("&List of Posted Medicines"), this);
    flexMSHList = new FlexGrid(fraList);
    flexMSHList->setMinimumSize(900, 300);
    auto* list = new QVBoxLayout(fraList);
    list->addWidget(flexMSHList);

    lblTotalPosted = totalLabel(this);
    lblTotalReturn = totalLabel(this);
    lblAdjusted = totalLabel(this);
    lblDiscount = totalLabel(this);
    lblTotal = totalLabel(this);
    auto* totals = new QGridLayout;
    int line = 0;
    const auto addTotal = [&](const QString& caption, QLabel* label, bool shown) {
        auto* title = new QLabel(caption, this);
        title->setVisible(shown);
        label->setVisible(shown);
        if (!shown)
            return;
        totals->addWidget(title, line, 0);
        totals->addWidget(label, line, 1);
        ++line;
    };
    addTotal(QStringLiteral("Total Posted:"), lblTotalPosted, true);
    addTotal(QStringLiteral("Total Returned:"), lblTotalReturn, true);
    addTotal(QStringLiteral("Total Adjusted:"), lblAdjusted, layout_.adjustedTotal);
    addTotal(QStringLiteral("Total Discount:"), lblDiscount, true);
    addTotal(QStringLiteral("Total:"), lblTotal, true);

    chkSenior = new QCheckBox(QStringLiteral("&Senior Citizen"), this);
    chkSenior->setVisible(layout_.seniorBox);
    chkPatientsMed = new QCheckBox(QStringLiteral("&Patients Med"), this);
    chkPatientsMed->setVisible(layout_.patientsMed);
    fraSC = new QGroupBox(this);
    txtSCID = new QLineEdit(fraSC);
    txtBookletNumber = new QLineEdit(fraSC);
    cmdUpdateSC = new QPushButton(QStringLiteral("Update "), fraSC);
    cmdUpdateSC->setAutoDefault(false);
    auto* sc = new QGridLayout(fraSC);
    sc->addWidget(new QLabel(QStringLiteral("S.C. ID#:"), fraSC), 0, 0);
    sc->addWidget(txtSCID, 0, 1);
    sc->addWidget(new QLabel(QStringLiteral("Booklet #:"), fraSC), 1, 0);
    sc->addWidget(txtBookletNumber, 1, 1);
    sc->addWidget(cmdUpdateSC, 2, 1);
    fraSC->setVisible(false);

    const auto button = [this](const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, this);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    cmdPrint = button(QStringLiteral("&Reprint"), layout_.reprintTip);
    cdmPrintPosted = button(QStringLiteral("&Print List"), QStringLiteral("Print Posted Drugs"));
    cmdDrugProfile = button(QStringLiteral("Print &Drug Profile"), QStringLiteral("Print Posted Drugs"));
    cmdDrugProfile->setVisible(layout_.drugProfile);
    cmdPrintSeniorList = button(QStringLiteral("Print List Senior Citizen Discount"), QString());
    cmdPrintSeniorList->setVisible(false);
    cmdClose = button(QStringLiteral("E&xit"), QStringLiteral("Close this Window"));

    auto* side = new QVBoxLayout;
    side->addWidget(chkSenior);
    side->addWidget(chkPatientsMed);
    side->addWidget(fraSC);
    side->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(fraPatInfo, 1);
    top->addLayout(side);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdPrint, cdmPrintPosted, cmdDrugProfile, cmdPrintSeniorList, cmdClose})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addLayout(totals);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(fraList, 1);
    layout->addLayout(buttons);

    connect(cmdFind, &QPushButton::clicked, this, &PostedList::cmdFind_Click);
    connect(txtFind, &QLineEdit::textChanged, this, [this] {
        handler("txtFind_Change", [this] { cmdFind->setEnabled(true); });
    });
    connect(new ControlEvents(txtFind), &ControlEvents::keyPress, this, [this](int& keyAscii) {
        handler("txtFind_KeyPress", [&] {
            if (keyAscii == 13) {
                keyAscii = 0;
                cmdFind_Click();
                return;
            }
            keyAscii = QChar(keyAscii).toUpper().unicode();
        });
    });
    // The box's action runs on every change of its state, a find's included.
    connect(chkSenior, &QCheckBox::toggled, this, &PostedList::chkSenior_Click);
    connect(chkPatientsMed, &QCheckBox::toggled, this, &PostedList::chkPatientsMed_Click);
    connect(cmdUpdateSC, &QPushButton::clicked, this, &PostedList::cmdUpdateSC_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &PostedList::cmdPrint_Click);
    connect(cdmPrintPosted, &QPushButton::clicked, this, &PostedList::cdmPrintPosted_Click);
    connect(cmdPrintSeniorList, &QPushButton::clicked, this, &PostedList::cmdPrintSeniorList_Click);
    connect(cmdDrugProfile, &QPushButton::clicked, this, [this] {
        handler("cmdDrugProfile_Click", [this] {
            requestDrugProfile();
            showModal(ReportWindow());
        });
    });
    connect(cmdClose, &QPushButton::clicked, this, &PostedList::cmdClose_Click);
    const auto highlight = [this](bool on, const char* procedure) {
        handler(procedure, [&] { SetGridHighlight(*flexMSHList, on); });
    };
    connect(flexMSHList, &FlexGrid::enterCell, this, [highlight] { highlight(true, "flexMSHList_EnterCell"); });
    connect(flexMSHList, &FlexGrid::gotFocus, this, [highlight] { highlight(true, "flexMSHList_GotFocus"); });
    connect(flexMSHList, &FlexGrid::leaveCell, this, [highlight] { highlight(false, "flexMSHList_LeaveCell"); });
    connect(flexMSHList, &FlexGrid::mouseMove, this, [this](int, int, int, int) {
        const int row = flexMSHList->mouseRow();
        if (row >= 1 && row < flexMSHList->rows() && colGross < flexMSHList->cols())
            flexMSHList->setToolTip(flexMSHList->textMatrix(row, colGross));
    });
}

void PostedList::handler(const char* procedure, const std::function<void()>& body) {
    if (layout_.platformErrorReport)
        unhandledErrorGuard(body);
    else
        eventHandler(layout_.name, QString::fromLatin1(procedure), body);
}

QString PostedList::bannerText(int slot) const {
    return slot < lblPatInfo.size() ? Trim(lblPatInfo.at(slot)->text()) : QString();
}

QString PostedList::findText() const { return Trim(txtFind->text()); }

double PostedList::cellAmount(const QString& text) {
    QString plain = text;
    return Val(plain.remove(u','));
}

void PostedList::Form_Load() {
    handler("Form_Load", [this] {
        ClearGridList();
        QString rate = QString::number(gSeniorCitizenDiscount);
        if (layout_.rateSignSlot && gSeniorCitizenDiscount >= 0)
            rate.prepend(u' ');
        const QString seniorCaption = layout_.seniorCaption + rate + QStringLiteral(" %)");
        if (layout_.seniorCaptionAlways)
            chkSenior->setText(seniorCaption);
        if (idNum_.isEmpty())
            return;
        txtFind->setText(Trim(idNum_));
        txtFind->setEnabled(false);
        chkSenior->setText(seniorCaption);
        cmdFind_Click();
    });
}

void PostedList::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setHourglass(false);
}

void PostedList::ClearGridList() {
    generalProcedure(layout_.name, QStringLiteral("ClearGridList"), [this] {
        FlexGrid& grid = *flexMSHList;
        grid.clear();
        grid.setCols(layout_.emptyColumns);
        grid.setRows(2);
        grid.setFixedRows(1);
        grid.setFixedCols(0);
        grid.setFormatString(layout_.emptyFormat);
        const int u = int(std::lround(grid.width() * 15 / 11.0));
        const QVector<int> widths = layout_.emptyWidths ? layout_.emptyWidths(u) : QVector<int>();
        for (int col = 0; col < widths.size() && col < grid.cols(); ++col)
            grid.setColWidth(col, std::max(0, widths.at(col)));
    });
}

void PostedList::ClearAll() {
    generalProcedure(layout_.name, QStringLiteral("ClearAll"), [this] {
        txtFind->clear();
        for (QLabel* slot : lblPatInfo)
            slot->clear();
        ClearGridList();
    });
}

void PostedList::putBackListed() {
    // A refused find leaves the patient on screen the one the box names.
    if (!listed_.isEmpty())
        txtFind->setText(listed_);
}

void PostedList::cmdFind_Click() {
    handler("cmdFind_Click", [this] { search(); });
}

void PostedList::listPatient() {
    if (!findPatient()) {
        putBackListed();
        if (txtFind->isEnabled())
            txtFind->setFocus();
        return;
    }
    ClearAll();
    flexMSHList->setRedraw(false);
    const QString patientId = currentPatientId();
    txtFind->setText(patientId);
    const QStringList banner = bannerValues();
    for (int slot = 0; slot < lblPatInfo.size(); ++slot)
        lblPatInfo[slot]->setText(banner.value(slot));
    cmdFind->setEnabled(false);
    listed_ = Trim(patientId);

    list_ = postedLines(listed_);
    if (list_.recordCount() == 0)
        ClearGridList();
    else
        BindRecordsetAsList(*flexMSHList, list_, listTitles());
    // Every find shows this patient's own totals, also without lines.
    ComputeTotals();
    loadSeniorFlag(listed_);
    patientListed(listed_);

    flexMSHList->setRedraw(true);
    flexMSHList->setRow(1);
    flexMSHList->setCol(0);
    if (idNum_.isEmpty())
        flexMSHList->setFocus();
    SetGridHighlight(*flexMSHList, true);
}

bool PostedList::findVisit() {
    OutpatientFile::OPDPatient& visit = SlotComponent(gComponents.gOPDPatient);
    if (!visit.Search(txtFind->text()))
        txtFind->setText(SlotComponent(gComponents.gOPDList).ShowList(txtFind->text()));
    if (txtFind->text().isEmpty())
        return false;
    if (!visit.Search(findText())) {
        ShowInfo(QStringLiteral("Patient not found."));
        return false;
    }
    return true;
}

Recordset PostedList::postedLines(const QString& patientId) {
    return SlotComponent(gComponents.gDrug).Drug().ListPostedDrugs(patientId, 2);
}

std::optional<bool> PostedList::storedSeniorFlag(const QString& patientId) {
    const Recordset rs = SQLConnection().query(
        QStringLiteral("SELECT COALESCE(PharmaSeniorDiscounted, 0) AS PharmaSeniorDiscounted FROM %1 WHERE IDNum = ?")
            .arg(seniorFlagTable()),
        {patientId});
    if (rs.eof())
        return std::nullopt;
    return CBool(rs.value(QStringLiteral("PharmaSeniorDiscounted")));
}

void PostedList::writeSeniorFlag(bool on) {
    SQLConnection().execute(
        QStringLiteral("UPDATE %1 SET PharmaSeniorDiscounted = ? WHERE IDNum = ?").arg(seniorFlagTable()),
        {on ? 1 : 0, findText()});
}

void PostedList::loadSeniorFlag(const QString& patientId) {
    const bool stored = storedSeniorFlag(patientId).value_or(false);
    const int actionsBefore = seniorActions_;
    chkSenior->setChecked(stored);
    fraSC->setVisible(stored);
    cmdPrintSeniorList->setVisible(stored && layout_.seniorList);
    // A box already in the stored state ran nothing: the amounts still need this patient's discount.
    if (seniorActions_ == actionsBefore)
        SCDiscounter(stored);
    loadSCBoxes();
}

void PostedList::loadSCBoxes() {
    txtSCID->clear();
    txtBookletNumber->clear();
    if (!chkSenior->isChecked())
        return;
    const Recordset rs = SQLConnection().query(
        QStringLiteral("SELECT COALESCE(SeniorCitizenID, '0') AS SeniorCitizenID, "
                       "COALESCE(SCBookletNumber, '0') AS SCBookletNumber FROM patient_data.tbMaster WHERE HospNum = ?"),
        {bannerText(0)});
    if (rs.eof())
        return;
    txtSCID->setText(rs.text(QStringLiteral("SeniorCitizenID")));
    txtBookletNumber->setText(rs.text(QStringLiteral("SCBookletNumber")));
}

void PostedList::ComputeTotals() {
    generalProcedure(layout_.name, QStringLiteral("ComputeTotals"), [this] {
        double issued = 0, returned = 0, adjusted = 0;
        for (int row = 1; row < flexMSHList->rows(); ++row) {
            const QString transaction = UCase(Trim(flexMSHList->textMatrix(row, colTransaction)));
            const double amount = cellAmount(flexMSHList->textMatrix(row, colAmount));
            if (transaction == QStringLiteral("ISSUED"))
                issued += amount;
            else if (transaction == QStringLiteral("ADJUSTED"))
                adjusted += amount;
            else
                returned += amount;
        }
        if (layout_.adjustedTotal) {
            lblTotalPosted->setText(Format(issued, kAmountFormat));
            lblAdjusted->setText(Format(adjusted, kAmountFormat));
            lblTotal->setText(Format(issued - adjusted - returned, kAmountFormat));
        } else {
            // Corrections lower what was posted.
            lblTotalPosted->setText(Format(issued - adjusted, kAmountFormat));
            lblTotal->setText(Format(issued - adjusted - returned, kAmountFormat));
        }
        lblTotalReturn->setText(Format(returned, kAmountFormat));
    });
}

void PostedList::SCDiscounter(bool IsDiscount) {
    generalProcedure(layout_.name, QStringLiteral("SCDiscounter"), [&] {
        Connection& con = SQLConnection();
        const bool redraw = flexMSHList->redraw();
        flexMSHList->setRedraw(false);
        double net = 0, discountTotal = 0;
        for (int row = 1; row < flexMSHList->rows(); ++row) {
            const bool discounted = IsItemSeniorDiscounted(con, flexMSHList->textMatrix(row, colItemID));
            const double gross =
                colGross < flexMSHList->cols() ? cellAmount(flexMSHList->textMatrix(row, colGross)) : 0;
            const double discount = IsDiscount && discounted ? gross * gSeniorCitizenDiscount / 100.0 : 0;
            const double amount = gross - discount;
            flexMSHList->setTextMatrix(row, colAmount, Format(amount, kAmountFormat));
            if (UCase(Trim(flexMSHList->textMatrix(row, colTransaction))) == QStringLiteral("ISSUED")) {
                net += amount;
                discountTotal += discount;
            } else {
                net -= amount;
                discountTotal -= discount;
            }
        }
        flexMSHList->setRedraw(redraw);
        lblDiscount->setText(Format(discountTotal, kAmountFormat));
        lblTotal->setText(Format(net, kAmountFormat));
    });
}

void PostedList::chkSenior_Click() {
    handler("chkSenior_Click", [this] {
        ++seniorActions_;
        const bool on = chkSenior->isChecked();
        SCDiscounter(on);
        writeSeniorFlag(on);
        fraSC->setVisible(on);
        cmdPrintSeniorList->setVisible(on && layout_.seniorList);
    });
}

void PostedList::chkPatientsMed_Click() {
    handler("chkPatientsMed_Click", [this] {
        SQLConnection().execute(QStringLiteral("UPDATE patient_data.tbPatient2 SET PatientsMed = ? WHERE IdNum = ?"),
                                {chkPatientsMed->isChecked() ? 1 : 0, findText()});
    });
}

void PostedList::cmdUpdateSC_Click() {
    handler("cmdUpdateSC_Click", [this] {
        SQLConnection().execute(
            QStringLiteral("UPDATE patient_data.tbMaster SET SeniorCitizenID = ?, SCBookletNumber = ? WHERE HospNum = ?"),
            {Trim(txtSCID->text()), Trim(txtBookletNumber->text()), bannerText(0)});
        MsgBox(QStringLiteral("SC Updated. Click ok to continue."), vbOKOnly, QStringLiteral("Quillax"));
    });
}

void PostedList::requestListPrint() {
    frmView& view = ReportWindow();
    view.setTotalPosted(cellAmount(lblTotalPosted->text()));
    view.setTotalReturned(cellAmount(lblTotalReturn->text()));
    view.setTotalDiscount(cellAmount(lblDiscount->text()));
    view.setTotalAdjusted(cellAmount(lblAdjusted->text()));
    view.setWhatReport(layout_.listReport);
    view.setAdmNum(findText());
}

void PostedList::cdmPrintPosted_Click() {
    handler("cdmPrintPosted_Click", [this] {
        requestListPrint();
        showModal(ReportWindow());
        if (!layout_.listPrintLog.isEmpty())
            SaveUserLog(SQLConnection(), layout_.listPrintLog + bannerText(1));
    });
}

void PostedList::cmdPrintSeniorList_Click() {
    handler("cmdPrintSeniorList_Click", [this] {
        requestListPrint();
        if (layout_.seniorListReport != 0)
            ReportWindow().setWhatReport(layout_.seniorListReport);
        showModal(ReportWindow());
    });
}

void PostedList::cmdPrint_Click() {
    handler("cmdPrint_Click", [this] {
        cmdPrint->setEnabled(false);
        const auto enableAgain = qScopeGuard([this] { cmdPrint->setEnabled(true); });
        QString& remarks = reprintRemarks();
        if (gSiteCode == QStringLiteral("OXBEN")) {
            // Asked until text is typed; Cancel ends the reprint.
            while (Trim(remarks).isEmpty()) {
                const std::optional<QString> answer = InputBox(QStringLiteral("Enter Remarks: "), QStringLiteral("Remarks"));
                if (!answer)
                    return;
                remarks = *answer;
            }
        }
        const int row = flexMSHList->row();
        const QString transaction = row >= 1 ? Trim(flexMSHList->textMatrix(row, colTransaction)) : QString();
        const QString refNum = row >= 1 ? Trim(flexMSHList->textMatrix(row, colRefNum)) : QString();
        // A failed reprint is told; the list stays usable.
        tellingErrors([&] { reprintRow(transaction, findText(), refNum); });
        if (!layout_.reprintLog.isEmpty())
            SaveUserLog(SQLConnection(), layout_.reprintLog + bannerText(1));
    });
}

void PostedList::cmdClose_Click() {
    handler("cmdClose_Click", [this] {
        list_ = Recordset();
        close();
    });
}

void PostedList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdClose_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace qx
