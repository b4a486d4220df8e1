#include "requests/labels/frmBarcodeSettings.h"

#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "platform/report/ReportBarcode.h"
#include "platform/report/ReportPrinter.h"
#include "requests/labels/LabelSettings.h"
#include "shell/ReportOpening.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace ls = labelsettings;

namespace {
const QString kCode128 = QStringLiteral("Code 128");
} // namespace

frmBarcodeSettings::frmBarcodeSettings(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmBarcodeSettings"));
    setWindowTitle(QStringLiteral("Barcode Settings"));
    resize(twipsToPixels(6600), twipsToPixels(4200));
    auto* grid = new QGridLayout(this);
    auto row = [&](int r, const QString& caption, QLineEdit*& box, QLabel** label = nullptr) {
        auto* l = new QLabel(caption, this);
        box = new QLineEdit(this);
        l->setBuddy(box);
        grid->addWidget(l, r, 0);
        grid->addWidget(box, r, 1);
        if (label)
            *label = l;
    };
    row(0, QStringLiteral("Barcode Font"), txtFont, &lblFont);
    row(1, QStringLiteral("B. Font Size"), txtSize, &lblFontSize);
    row(2, QStringLiteral("Top"), txtTop);
    row(3, QStringLiteral("Left"), txtLeft);
    row(4, QStringLiteral("Font"), txtFontR);
    row(5, QStringLiteral("Font Size"), txtSizeR);
    chkUseHardCode = new QCheckBox(QStringLiteral("Use Hard Code ( Barcode Printer Settings)"), this);
    grid->addWidget(chkUseHardCode, 6, 1);
    cmd39 = new QPushButton(QStringLiteral("FREE 3 OF 9"), this);
    cmdIDA = new QPushButton(QStringLiteral("IDAUTOMATIONHC39M"), this);
    cmdSetPrinter = new QPushButton(QStringLiteral("set printer to \"Barcode\""), this);
    cmdSetFont = new QPushButton(QStringLiteral("set font"), this);
    cmdTestPrint = new QPushButton(QStringLiteral("Test Print"), this);
    cmdOK = new QPushButton(QStringLiteral("Save"), this);
    grid->addWidget(cmd39, 0, 2);
    grid->addWidget(cmdIDA, 1, 2);
    grid->addWidget(cmdSetPrinter, 3, 2);
    grid->addWidget(cmdSetFont, 4, 2);
    grid->addWidget(cmdTestPrint, 5, 2);
    grid->addWidget(cmdOK, 7, 2);
    for (QPushButton* b : {cmd39, cmdIDA, cmdSetPrinter, cmdSetFont, cmdTestPrint, cmdOK})
        b->setAutoDefault(false);

    connect(chkUseHardCode, &QCheckBox::clicked, this, &frmBarcodeSettings::chkUseHardCode_Click);
    connect(cmd39, &QPushButton::clicked, this, &frmBarcodeSettings::cmd39_Click);
    connect(cmdIDA, &QPushButton::clicked, this, &frmBarcodeSettings::cmdIDA_Click);
    connect(cmdSetPrinter, &QPushButton::clicked, this, &frmBarcodeSettings::cmdSetPrinter_Click);
    connect(cmdSetFont, &QPushButton::clicked, this, &frmBarcodeSettings::cmdSetFont_Click);
    connect(cmdTestPrint, &QPushButton::clicked, this, &frmBarcodeSettings::cmdTestPrint_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmBarcodeSettings::cmdOK_Click);
}

void frmBarcodeSettings::Form_Load() {
    tellingErrors([&] {
        chkUseHardCode->setChecked(Val(GetLabelSetting(ls::kUseHardCode, QStringLiteral("0"))) != 0);
        txtFont->setText(GetLabelSetting(ls::kBarcodeFont, kCode128));
        // The size is shown as the number it reads as; a stored text that is none is shown as it is.
        const QString size = GetLabelSetting(ls::kBarcodeSize, QStringLiteral("25"));
        txtSize->setText(IsNumeric(size) ? Text(CDbl(size)) : size);
        txtTop->setText(GetLabelSetting(ls::kTop, QStringLiteral("200")));
        txtLeft->setText(GetLabelSetting(ls::kLeft, QStringLiteral("100")));
        txtFontR->setText(GetLabelSetting(ls::kTextFont, QStringLiteral("Arial Narrow")));
        txtSizeR->setText(GetLabelSetting(ls::kTextSize, QStringLiteral("8")));
    });
}

void frmBarcodeSettings::chkUseHardCode_Click() {
    tellingErrors([&] { SaveLabelSetting(ls::kUseHardCode, chkUseHardCode->isChecked() ? QStringLiteral("1") : QStringLiteral("0")); });
}

void frmBarcodeSettings::cmd39_Click() { txtFont->setText(QStringLiteral("FREE 3 OF 9")); }

void frmBarcodeSettings::cmdIDA_Click() { txtFont->setText(cmdIDA->text()); }

bool frmBarcodeSettings::SelectPrinter(const QString& deviceName) {
    if (!report::selectPrinter(deviceName))
        return false;
    setWindowTitle(QStringLiteral("Printer selected."));
    return true;
}

void frmBarcodeSettings::cmdSetPrinter_Click() {
    tellingErrors([&] { SelectPrinter(QStringLiteral("Barcode")); });
}

void frmBarcodeSettings::cmdSetFont_Click() {
    // Barcodes are drawn as bars: the caption tells which symbology the font name gives.
    cmdSetFont->setText(report::symbologyName(report::symbologyForFont(txtFont->text())));
}

void frmBarcodeSettings::cmdTestPrint_Click() {
    tellingErrors([&] {
        auto test = report::Report::open(ResolveReportPath(QStringLiteral("BarcodeTest.rpt")));
        test->findParameter(QStringLiteral("BARFONT"))->addCurrentValue(txtFont->text());
        test->findParameter(QStringLiteral("BARSIZE"))->addCurrentValue(txtSize->text());
        test->findParameter(QStringLiteral("DATA"))->addCurrentValue(QStringLiteral("1234567890"));
        test->printOut(false);
    });
}

void frmBarcodeSettings::cmdOK_Click() {
    tellingErrors([&] {
        if (txtFont->text().isEmpty()) {
            MsgBox(QStringLiteral("Invalid font."), vbInformation, QStringLiteral("0"));
            txtFont->setText(kCode128);
            txtFont->setFocus();
            return;
        }
        // A size that starts with a positive number, or is a number, passes as typed.
        if (Val(txtSize->text()) <= 0 && !IsNumeric(txtSize->text())) {
            MsgBox(QStringLiteral("Invalid font size."), vbInformation, QStringLiteral("0"));
            txtSize->setFocus();
            return;
        }
        SaveLabelSetting(ls::kBarcodeFont, txtFont->text());
        SaveLabelSetting(ls::kBarcodeSize, txtSize->text());
        SaveLabelSetting(ls::kTop, txtTop->text());
        SaveLabelSetting(ls::kLeft, txtLeft->text());
        SaveLabelSetting(ls::kTextFont, txtFontR->text());
        SaveLabelSetting(ls::kTextSize, txtSizeR->text());
        accept();
    });
}

} // namespace qx
