#include "reports/frmPostedDrugs.h"

#include "charging/frmView.h"
#include "components/AppError.h"
#include "components/PlatformServices.h"
#include "components/SuiteComponents.h"
#include "platform/ControlEvents.h"
#include "platform/DatePicker.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace qx {

namespace {

DrugCatalog::Drug& postedDrugsCatalogue() {
    if (!gComponents.gDrug)
        throw AppError(91, QStringLiteral("DrugCatalog.Drug"), QStringLiteral("Object variable or With block variable not set"));
    return gComponents.gDrug->Drug();
}

} // namespace

frmPostedDrugs::frmPostedDrugs(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmPostedDrugs"));
    setWindowTitle(QStringLiteral("Drugs Consumption Report"));
    auto* layout = new QVBoxLayout(this);

    Frame1 = new QGroupBox(QStringLiteral("Enter Drug Name or Drug Code"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* drug = new QGridLayout(Frame1);
    txtFind = new QLineEdit(Frame1);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    cmdFind = new PictureButton(Frame1);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setPicture(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(16, 16));
    drug->addWidget(txtFind, 0, 0, 1, 2);
    drug->addWidget(cmdFind, 0, 2);
    const char* const captions[] = {"Drug Name:", "Description:", "Generic:", "On Hand:"};
    for (int i = 0; i < 4; ++i) {
        drug->addWidget(new QLabel(QString::fromLatin1(captions[i]), Frame1), i + 1, 0);
        lblDrugName[i] = new QLabel(Frame1);
        lblDrugName[i]->setObjectName(QStringLiteral("lblDrugName%1").arg(i));
        drug->addWidget(lblDrugName[i], i + 1, 1, 1, 2);
    }
    lblDrugName[3]->setText(QStringLiteral("0"));
    layout->addWidget(Frame1);

    chkAll = new QCheckBox(QStringLiteral("Print All Drugs"), this);
    chkAll->setObjectName(QStringLiteral("chkAll"));
    chkLog = new QCheckBox(QStringLiteral("Print Logbook (With Doctor)"), this);
    chkLog->setObjectName(QStringLiteral("chkLog"));
    chkVeqPhar = new QCheckBox(QStringLiteral("VEQ Pharmacy Report"), this);
    chkVeqPhar->setObjectName(QStringLiteral("chkVeqPhar"));
    for (QCheckBox* box : {chkAll, chkLog, chkVeqPhar})
        layout->addWidget(box);

    Frame2 = new QGroupBox(QStringLiteral("Cut-off dates"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* dates = new QGridLayout(Frame2);
    dpStart = todayPicker(QStringLiteral("dpStart"));
    dpEnd = todayPicker(QStringLiteral("dpEnd"));
    auto* startLabel = new QLabel(QStringLiteral("&Start"), Frame2);
    auto* endLabel = new QLabel(QStringLiteral("&End"), Frame2);
    startLabel->setBuddy(dpStart);
    endLabel->setBuddy(dpEnd);
    dates->addWidget(startLabel, 0, 0);
    dates->addWidget(dpStart, 0, 1);
    dates->addWidget(endLabel, 1, 0);
    dates->addWidget(dpEnd, 1, 1);
    layout->addWidget(Frame2);

    auto* foot = generateCloseRow(cmdGenerate, cmdClose, [this] { cmdGenerate_Click(); }, [this] { cmdClose_Click(); });
    layout->addLayout(foot);

    auto* findEvents = new ControlEvents(txtFind);
    connect(findEvents, &ControlEvents::keyPress, this, [this](int& keyAscii) {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            cmdFind_Click();
        } else if (keyAscii > 0) {
            keyAscii = QChar(keyAscii).toUpper().unicode();
        }
    });
    // The whole code is selected on entering the box, so that typing replaces it.
    connect(findEvents, &ControlEvents::gotFocus, this, [this] { QTimer::singleShot(0, txtFind, &QLineEdit::selectAll); });
    connect(cmdFind, &QAbstractButton::clicked, this, [this] { cmdFind_Click(); });
    connect(chkAll, &QCheckBox::toggled, this, [this] { chkAll_Click(); });
}

bool frmPostedDrugs::Form_Load() {
    cmdGenerate->setEnabled(false);
    return true;
}

QString frmPostedDrugs::findDrugCode(const QString& typed) {
    DrugCatalog::Drug& catalogue = postedDrugsCatalogue();
    if (catalogue.SearchDrug(typed))
        return typed;
    // A number is a code: the picker is offered for names only.
    if (IsNumeric(typed))
        return QString();
    if (!gComponents.gDrugList)
        throw AppError(91, QStringLiteral("DrugPicker.DrugList"), QStringLiteral("Object variable or With block variable not set"));
    const QString chosen = gComponents.gDrugList->ShowList(typed);
    if (chosen.isEmpty()) {
        txtFind->setFocus();
        return QString();
    }
    catalogue.SearchDrug(chosen);
    return chosen;
}

void frmPostedDrugs::cmdFind_Click() {
    guarded([this] {
        if (findDrugCode(Trim(txtFind->text())).isEmpty()) {
            MsgBox(QStringLiteral("Drug code not found!"), vbExclamation, QStringLiteral("MESSAGE"));
            txtFind->setFocus();
            return;
        }
        const DrugCatalog::Drug& found = postedDrugsCatalogue();
        txtFind->setText(found.DrugCode());
        lblDrugName[0]->setText(found.DrugName());
        lblDrugName[1]->setText(found.Description());
        lblDrugName[2]->setText(found.GenericName());
        lblDrugName[3]->setText(CStr(found.Invent().StockOnHand));
        strDrugName = found.DrugName() + QLatin1Char(' ') + found.Description();
        if (!found.Supplier().SupplierName.isEmpty())
            strDrugName += QStringLiteral(" (") + found.Supplier().SupplierName + QLatin1Char(')');
        cmdGenerate->setEnabled(true);
        cmdGenerate->setFocus();
    });
}

void frmPostedDrugs::chkAll_Click() {
    const bool all = chkAll->isChecked();
    txtFind->setEnabled(!all);
    cmdFind->setEnabled(!all);
    cmdGenerate->setEnabled(all);
}

void frmPostedDrugs::cmdGenerate_Click() {
    HourglassScope busy;
    guarded([this] {
        // All drugs: no drug of an earlier look-up narrows the report.
        const bool all = chkAll->isChecked();
        frmView& request = ReportWindow();
        request.setWhatReport(chkLog->isChecked() ? 22 : 7);
        request.setDrugCode(all ? QString() : Trim(txtFind->text()));
        request.setStartDate(Format(dpStart->value(), QStringLiteral("mm/dd/yyyy")));
        request.setEndDate(Format(dpEnd->value(), QStringLiteral("mm/dd/yyyy")));
        request.setDrugName(all ? QString() : strDrugName);
        request.setOnHand(all ? QString() : Trim(lblDrugName[3]->text()));
        request.setChecked(chkVeqPhar->isChecked());
        showReport(request.WhatReport());
    });
}

void frmPostedDrugs::cmdClose_Click() { close(); }

} // namespace qx
