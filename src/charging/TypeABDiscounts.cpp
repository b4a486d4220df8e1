#include "charging/TypeABDiscounts.h"

#include "components/Connection.h"
#include "platform/ControlEvents.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace qx {

namespace {
// A rate as its list shows it, with the percent sign.
double listedRate(const QComboBox* list) { return Val(QString(list->currentText()).remove(u'%')); }

void fillRateList(Connection& con, const QString& sql, std::initializer_list<QComboBox*> lists) {
    for (QComboBox* list : lists)
        list->clear();
    Recordset rates = con.query(sql);
    for (; !rates.eof(); rates.moveNext()) {
        // The rate as the server writes a money value into five characters ("20.00").
        const QString entry =
            Left(Format(rates.number(QStringLiteral("DiscountRate")), QStringLiteral("0.00")), 5) + u'%';
        for (QComboBox* list : lists)
            list->addItem(entry);
    }
    for (QComboBox* list : lists)
        if (list->count() > 0)
            list->setCurrentIndex(0);
}

void toFirstEntry(QComboBox* list) {
    if (list->count() > 0)
        list->setCurrentIndex(0);
}
} // namespace

TypeABDiscounts::TypeABDiscounts(QWidget* parent, FlexGrid* grid, Columns columns)
    : QObject(parent), grid_(grid), cols_(columns) {
    chkTypeA = new QCheckBox(QStringLiteral("Discount Type &A"), parent);
    chkTypeB = new QCheckBox(QStringLiteral("Discount Type &B"), parent);
    TypeA = new QGroupBox(parent);
    TypeB = new QGroupBox(parent);
    cmbA = new QComboBox(TypeA);
    cmdApplyA = new QPushButton(QStringLiteral("A&pply"), TypeA);
    auto* first = new QLabel(QStringLiteral("&1."), TypeB);
    cmbB1 = new QComboBox(TypeB);
    first->setBuddy(cmbB1);
    auto* second = new QLabel(QStringLiteral("&2."), TypeB);
    cmbB2 = new QComboBox(TypeB);
    second->setBuddy(cmbB2);
    cmdApplyB = new QPushButton(QStringLiteral("App&ly"), TypeB);
    txtDiscount = new QLineEdit(parent);
    txtDiscount->setMaxLength(3);

    connect(chkTypeA, &QCheckBox::toggled, this, &TypeABDiscounts::chkTypeA_Click);
    connect(chkTypeB, &QCheckBox::toggled, this, &TypeABDiscounts::chkTypeB_Click);
    connect(cmdApplyA, &QPushButton::clicked, this, &TypeABDiscounts::ComputeAllDiscounts);
    connect(cmdApplyB, &QPushButton::clicked, this, &TypeABDiscounts::ComputeAllDiscounts);
    resetTypes();
    auto* percentEvents = new ControlEvents(txtDiscount);
    connect(percentEvents, &ControlEvents::keyPress, this, &TypeABDiscounts::txtDiscount_KeyPress);
    connect(percentEvents, &ControlEvents::gotFocus, this, &TypeABDiscounts::percentageFocused);
    connect(percentEvents, &ControlEvents::lostFocus, this, [this] {
        if (!txtDiscount_Validate()) {
            txtDiscount->setFocus(Qt::OtherFocusReason);
            return;
        }
        txtDiscount_LostFocus();
    });
}

void TypeABDiscounts::resetTypes() {
    for (QCheckBox* box : {chkTypeA, chkTypeB}) {
        const QSignalBlocker quiet(box);
        box->setChecked(false);
    }
    TypeA->setEnabled(false);
    TypeB->setEnabled(false);
    cmdApplyA->setEnabled(false);
    cmdApplyB->setEnabled(false);
}

void TypeABDiscounts::LoadRates(Connection& con) {
    resetTypes();
    fillRateList(con,
                 QStringLiteral("SELECT COALESCE(Discount, 0) AS DiscountRate FROM tbPharmaDiscounts WHERE TypeA = 1 "
                                "ORDER BY Discount"),
                 {cmbA});
    fillRateList(con,
                 QStringLiteral("SELECT COALESCE(Discount, 0) AS DiscountRate FROM tbPharmaDiscounts WHERE TypeB = 1 "
                                "ORDER BY Discount"),
                 {cmbB1, cmbB2});
}

double TypeABDiscounts::ComputeDiscount(double amount) const {
    if (policy_.fixedRate)
        if (const std::optional<double> rate = policy_.fixedRate())
            return Val(Format(*rate / 100 * amount, QStringLiteral("#####0.00")));
    if (chkTypeA->isChecked()) {
        const double rate = listedRate(cmbA);
        if (policy_.plainTypeA)
            return rate / 100 * amount;
        if (rate == 20)
            return rate / 100 * amount;
        if (rate == 0)
            return 0;
        return amount - amount / rate;
    }
    const double firstRate = listedRate(cmbB1);
    const double secondRate = Round(listedRate(cmbB2));
    const double firstPart = firstRate / 100 * amount;
    const double secondPart = (amount - firstPart) * secondRate / 100;
    return secondPart + firstPart;
}

void TypeABDiscounts::ComputeAllDiscounts() {
    for (int row = 1; row < grid_->rows(); ++row) {
        const double gross = Val(grid_->textMatrix(row, cols_.gross));
        if ((policy_.skipRow && policy_.skipRow(row)) || !(gross > 0))
            continue;
        const double discount = ComputeDiscount(policy_.base ? policy_.base(gross) : gross);
        // The net uses the discount as it is written, to the centavo.
        const double net = gross - Val(Format(discount, QStringLiteral("#####0.00")));
        grid_->setTextMatrix(row, cols_.amount, Format(net, QStringLiteral("########0.00")));
        grid_->setTextMatrix(row, cols_.discount, Format(discount, QStringLiteral("########0.00")));
        grid_->setTextMatrix(row, cols_.mark, QStringLiteral("*"));
    }
    refreshTotals();
}

void TypeABDiscounts::RemoveDiscounts() {
    for (int row = 1; row < grid_->rows(); ++row) {
        if (!(Val(grid_->textMatrix(row, cols_.discount)) > 0))
            continue;
        grid_->setTextMatrix(row, cols_.amount, grid_->textMatrix(row, cols_.gross));
        grid_->setTextMatrix(row, cols_.mark, QString());
        grid_->setTextMatrix(row, cols_.discount, QString());
    }
    refreshTotals();
}

QString TypeABDiscounts::TotalDiscount() const {
    double sum = 0;
    for (int row = 1; row < grid_->rows(); ++row)
        sum += Val(grid_->textMatrix(row, cols_.discount));
    return Format(sum, QStringLiteral("###0.00"));
}

double TypeABDiscounts::percentage() const { return Val(txtDiscount->text()); }

void TypeABDiscounts::refreshTotals() {
    if (lblNet && totalCharges)
        lblNet->setText(totalCharges());
    if (lblDiscount)
        lblDiscount->setText(TotalDiscount());
}

void TypeABDiscounts::chkTypeA_Click() {
    if (chkTypeA->isChecked()) {
        chkTypeB->setChecked(false);
        TypeB->setEnabled(false);
        toFirstEntry(cmbB1);
        toFirstEntry(cmbB2);
        TypeA->setEnabled(true);
        cmdApplyA->setEnabled(true);
        return;
    }
    TypeA->setEnabled(false);
    cmdApplyA->setEnabled(false);
    RemoveDiscounts();
    toFirstEntry(cmbA);
}

void TypeABDiscounts::chkTypeB_Click() {
    if (chkTypeB->isChecked()) {
        TypeB->setEnabled(true);
        chkTypeA->setChecked(false);
        TypeA->setEnabled(false);
        toFirstEntry(cmbA);
        cmdApplyB->setEnabled(true);
        return;
    }
    TypeB->setEnabled(false);
    cmdApplyB->setEnabled(false);
    toFirstEntry(cmbB1);
    toFirstEntry(cmbB2);
    RemoveDiscounts();
}

void TypeABDiscounts::txtDiscount_KeyPress(int& keyAscii) {
    if (keyAscii == keys::Return) {
        keyAscii = 0;
        if (grid_->isEnabled())
            emit returnToGrid();
        return;
    }
    const QChar typed(keyAscii);
    if (!typed.isDigit() && typed != u'.' && keyAscii != keys::Back)
        keyAscii = 0;
}

bool TypeABDiscounts::txtDiscount_Validate() const { return !(percentage() > 100); }

void TypeABDiscounts::txtDiscount_LostFocus() {
    if (percentageLeft) {
        percentageLeft();
        return;
    }
    if (!lblGross || !lblDiscount || !lblNet)
        return;
    lblDiscount->setText(Format(percentage() / 1000 * Val(lblGross->text()), QStringLiteral("##000.00")));
    lblNet->setText(Format(Val(lblGross->text()) - Val(lblDiscount->text()), QStringLiteral("###000.00")));
}

} // namespace qx
