#include "cash/frmSurchargeList.h"

#include "cash/frmSurcharge.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "platform/Values.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {

// The status each option sends.
const char* const kSurchargeStatusCodes[3] = {"", "1", "R"};

} // namespace

frmSurchargeList::frmSurchargeList(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Surcharge"));
    resize(twipsToPixels(9000), twipsToPixels(5600));
    const char* const captions[3] = {"Unpaid", "Paid", "Revoked"};
    for (int i = 0; i < 3; ++i) {
        optSurcharge[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        setTwipsGeometry(optSurcharge[i], 240 + i * 1500, 120, 1400, 300);
        connect(optSurcharge[i], &QRadioButton::clicked, this, [this, i] { optSurcharge_Click(i); });
    }
    optSurcharge[0]->setChecked(true);
    auto* searchLabel = new QLabel(QStringLiteral("Search by Chargeslip or ORNumber:"), this);
    setTwipsGeometry(searchLabel, 240, 540, 3000, 285);
    txtSearch = new QLineEdit(this);
    setTwipsGeometry(txtSearch, 3300, 520, 3000, 315);
    fgSurchargeList = new FlexGrid(this);
    setTwipsGeometry(fgSurchargeList, 240, 960, 8500, 3900);
    fgSurchargeList->setRows(1);
    fgSurchargeList->setCols(1);
    fgSurchargeList->setFixedRows(1);
    fgSurchargeList->setFixedCols(1);
    fgSurchargeList->setColWidth(0, 300);
    cmdReprint = new QPushButton(QStringLiteral("REPRINT"), this);
    setTwipsGeometry(cmdReprint, 5800, 5000, 1400, 400);
    cmdRevoke = new QPushButton(QStringLiteral("REVOKE"), this);
    setTwipsGeometry(cmdRevoke, 7350, 5000, 1400, 400);
    connect(txtSearch, &QLineEdit::textChanged, this, [this] { unhandledErrorGuard([&] { fillGrid(); }); });
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] { unhandledErrorGuard([&] { fillGrid(); }); });
    connect(cmdReprint, &QPushButton::clicked, this, &frmSurchargeList::cmdReprint_Click);
    connect(cmdRevoke, &QPushButton::clicked, this, &frmSurchargeList::cmdRevoke_Click);
}

void frmSurchargeList::fillGrid() {
    QString status;
    for (int i = 0; i < 3; ++i)
        if (optSurcharge[i]->isChecked()) {
            status = QString::fromLatin1(kSurchargeStatusCodes[i]);
            break;
        }
    const std::optional<Recordset> rs = SQLConnection().callProcedure(
        QStringLiteral("sp_Pharma_SearchSurcharge"),
        {{QStringLiteral("@Status"), status}, {QStringLiteral("@Search"), Trim(txtSearch->text())}});
    FlexGrid& grid = *fgSurchargeList;
    if (!rs || rs->isEmpty()) {
        grid.setRows(1);
        grid.setCols(1);
        grid.setTextMatrix(0, 0, QString());
        return;
    }
    grid.setCols(rs->fieldCount() + 1);
    grid.setRows(rs->recordCount() + 1);
    grid.setColWidth(0, 300);
    for (int c = 0; c < rs->fieldCount(); ++c)
        grid.setTextMatrix(0, c + 1, rs->fieldName(c));
    for (int r = 0; r < rs->recordCount(); ++r)
        for (int c = 0; c < rs->fieldCount(); ++c)
            grid.setTextMatrix(r + 1, c + 1, Text(rs->valueAt(r, c)));
    grid.setRow(1);
}

QString frmSurchargeList::currentNumber() const {
    const int row = fgSurchargeList->row();
    if (row < 1 || row >= fgSurchargeList->rows() || fgSurchargeList->cols() < 3)
        return QString();
    return Trim(fgSurchargeList->textMatrix(row, 2));
}

void frmSurchargeList::optSurcharge_Click(int index) {
    unhandledErrorGuard([&] {
        cmdRevoke->setVisible(index == 0);
        cmdReprint->setVisible(index == 0);
        fillGrid();
    });
}

void frmSurchargeList::cmdReprint_Click() {
    unhandledErrorGuard([&] {
        const QString number = currentNumber();
        if (number.isEmpty()) {
            MsgBox(QStringLiteral("Please select a surcharge."), vbInformation);
            return;
        }
        if (MsgBox(QStringLiteral("Reprint Chargeslip#: ") + number, vbQuestion | vbOKCancel) != vbOK)
            return;
        tellingErrors([&] { frmSurcharge::PrintSurChargeslip(number, QStringLiteral("Reprint")); });
    });
}

void frmSurchargeList::cmdRevoke_Click() {
    unhandledErrorGuard([&] {
        const QString number = currentNumber();
        if (number.isEmpty()) {
            MsgBox(QStringLiteral("Please select a surcharge."), vbInformation);
            return;
        }
        if (MsgBox(QStringLiteral("Revoke Chargeslip #: ") + number, vbQuestion | vbOKCancel) != vbOK)
            return;
        // Only this surcharge's unpaid rows; a paid or revoked one is left as it is.
        const qint64 revoked = SQLConnection().execute(
            QStringLiteral("UPDATE billing.tbCashAssessment SET RecordStatus = 'R' WHERE RefNum = ? AND ItemID = "
                           "'SURCHARGE' AND COALESCE(RecordStatus, '') <> 'R' AND COALESCE(TRIM(ORNumber), '') = ''"),
            {number});
        MsgBox(revoked > 0 ? QStringLiteral("Surcharge revoked.") : QStringLiteral("Surcharge is no longer unpaid."),
               vbInformation);
        fillGrid();
    });
}

} // namespace qx
