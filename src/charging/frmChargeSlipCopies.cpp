#include "charging/frmChargeSlipCopies.h"

#include "charging/SlipPrinting.h"
#include "platform/UpDown.h"
#include "platform/Values.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace qx {

frmChargeSlipCopies::frmChargeSlipCopies(QWidget* parent) : PromptDialog(Placement::AsDialog, parent) {
    setWindowTitle(QStringLiteral("ChargeslipCopies"));
    auto* layout = new QHBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("# of Copies:"), this);
    txtCopies = new QLineEdit(this);
    // Four digits keep any typed count within a whole number's range.
    txtCopies->setMaxLength(4);
    UpDown1 = new UpDown(this);
    UpDown1->setRange(0, 99);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    layout->addWidget(Label1);
    layout->addWidget(txtCopies);
    layout->addWidget(UpDown1);
    layout->addWidget(cmdOK);

    connect(UpDown1, &UpDown::change, this, [this] { txtCopies->setText(QString::number(UpDown1->value())); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmChargeSlipCopies::Form_Load() {
    NumCopies = 0;
    const QString shown = fromMain ? QString::number(GetChargeSlipCopies(false)) : QStringLiteral("1");
    UpDown1->setValue(shown.toInt());
    txtCopies->setText(shown);
    txtCopies->selectAll();
    txtCopies->setFocus();
}

void frmChargeSlipCopies::cmdOK_Click() {
    const double typed = Val(txtCopies->text());
    if (fromMain)
        SaveChargeSlipCopies(Text(typed));
    else
        // A negative count would print nothing; 0 makes the screens print one copy.
        NumCopies = std::max<qint16>(CInt(typed), 0);
    accept();
}

void frmChargeSlipCopies::Form_Unload() { fromMain = false; }

} // namespace qx
