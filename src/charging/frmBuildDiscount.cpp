#include "charging/frmBuildDiscount.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace qx {

namespace {

// A box's number: the one its text starts with ("12.5%" is 12.5).
double percentage(const QLineEdit* box) { return Val(box->text()); }

// A percentage the hospital can mean: a plain number from 0 to 100, blanks and one trailing
// percent sign allowed.
bool isDiscountPercentage(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*(\d+(\.\d*)?|\.\d+)\s*%?\s*$)"));
    return number.match(text).hasMatch() && Val(text) <= 100.0;
}

} // namespace

frmBuildDiscount::frmBuildDiscount(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBuildDiscount"));
    setWindowTitle(QStringLiteral("BUILD FILE"));

    auto percentRow = [this](QGridLayout* grid, int row, const QString& caption, const QString& name) {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("%"), this), row, 2);
        return box;
    };
    auto* discountFrame = new QGroupBox(QStringLiteral("Discount"), this);
    auto* discountGrid = new QGridLayout(discountFrame);
    txtCash = percentRow(discountGrid, 0, QStringLiteral("Cash"), QStringLiteral("txtCash"));
    txtEmployee = percentRow(discountGrid, 1, QStringLiteral("Employee"), QStringLiteral("txtEmployee"));
    txtSC = percentRow(discountGrid, 2, QStringLiteral("Senior Citizen"), QStringLiteral("txtSC"));
    auto* vatFrame = new QGroupBox(QStringLiteral("VAT"), this);
    auto* vatGrid = new QGridLayout(vatFrame);
    txtVAT = percentRow(vatGrid, 0, QStringLiteral("VAT"), QStringLiteral("txtVAT"));
    cmdSave = new QPushButton(QStringLiteral("SAVE"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    // The window has no default button: Enter in a percentage box must not save the others unseen.
    cmdSave->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(discountFrame);
    layout->addWidget(vatFrame);
    layout->addWidget(cmdSave, 0, Qt::AlignRight);

    setTabOrder(txtCash, txtEmployee);
    setTabOrder(txtEmployee, txtSC);
    setTabOrder(txtSC, txtVAT);
    setTabOrder(txtVAT, cmdSave);
    connect(cmdSave, &QPushButton::clicked, this, [this] { unhandledErrorGuard([this] { cmdSave_Click(); }); });
}

void frmBuildDiscount::Form_Load() {
    const Recordset rs = SQLConnection().query(
        QStringLiteral("SELECT Cash, Employee, SeniorCitizen, VAT FROM tbPharmaDiscountType ORDER BY id LIMIT 1"));
    auto show = [&rs](QLineEdit* box, const QString& column) {
        // A missing row or a Null reads as 0, as the start-up reader takes it.
        box->setText(rs.isEmpty() || rs.isNull(column) ? QStringLiteral("0") : Text(rs.value(column)));
    };
    show(txtCash, QStringLiteral("Cash"));
    show(txtEmployee, QStringLiteral("Employee"));
    show(txtSC, QStringLiteral("SeniorCitizen"));
    show(txtVAT, QStringLiteral("VAT"));
    txtCash->setFocus(Qt::OtherFocusReason);
}

void frmBuildDiscount::cmdSave_Click() {
    SaveDiscount();
    // A refused save keeps the window open with the typed values.
    if (!saved_)
        return;
    MsgBox(QStringLiteral("Data successfully saved."), vbInformation, QStringLiteral("Message"));
    close();
}

bool frmBuildDiscount::percentagesValid() {
    const std::pair<QLineEdit*, QString> boxes[] = {
        {txtCash, QStringLiteral("Cash discount")},
        {txtEmployee, QStringLiteral("Employee discount")},
        {txtSC, QStringLiteral("Senior Citizen discount")},
        {txtVAT, QStringLiteral("VAT")},
    };
    for (const auto& [box, name] : boxes) {
        if (isDiscountPercentage(box->text()))
            continue;
        MsgBox(name + QStringLiteral(" must be a number from 0 to 100."), vbExclamation, QStringLiteral("Message"));
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return false;
    }
    return true;
}

void frmBuildDiscount::SaveDiscount() {
    // A percentage nobody can mean (150, letters, nothing) is refused before anything is written.
    saved_ = false;
    if (!percentagesValid())
        return;
    saved_ = true;
    try {
        Connection& con = SQLConnection();
        Transaction tx(con);
        con.callProcedure(QStringLiteral("Pharma_InsertDiscountType"),
                          {{QStringLiteral("@Cash"), percentage(txtCash)},
                           {QStringLiteral("@Employee"), percentage(txtEmployee)},
                           {QStringLiteral("@SeniorCitizen"), percentage(txtSC)},
                           {QStringLiteral("@VAT"), percentage(txtVAT)}});
        tx.commit();
        LoadDiscountTypes(con);
    } catch (...) {
        saved_ = false;
        MsgBox(currentError().description(), vbOKOnly, QStringLiteral("Message"));
    }
}

void frmBuildDiscount::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        // An error reading the table ends the program with the platform's report.
        unhandledErrorGuard([this] { Form_Load(); });
    }
}

void frmBuildDiscount::keyPressEvent(QKeyEvent* event) {
    // Enter still presses SAVE when SAVE has the focus.
    if (keyAscii(*event) == keys::Return && focusWidget() == cmdSave) {
        cmdSave->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmBuildDiscount::done(int result) {
    loaded_ = false;
    QDialog::done(result);
}

} // namespace qx
