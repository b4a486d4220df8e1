// Discount choice of the assessment window: the lists of classes and rates, the two layouts'
// controls and the discount computations.
#include "cash/frmCashEntry.h"

#include "components/Connection.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

namespace qx {

namespace {
const QString kCashDiscountsModule = QStringLiteral("frmCashEntry");

QString revenueClassText(const Recordset& rs) {
    return rs.text(QStringLiteral("RevenueID")) + u'-' + rs.text(QStringLiteral("ItemName"));
}
} // namespace

void frmCashEntry::LoadDiscountLists() {
    generalProcedure(kCashDiscountsModule, QStringLiteral("LoadDiscountLists"), [&] {
        Connection& con = SQLConnection();
        cmbA->clear();
        cboPercent->clear();
        Recordset rates = con.query(QStringLiteral(
            "SELECT DISTINCT COALESCE(Discount, 0) AS DiscountRate FROM tbPharmaDiscounts WHERE TypeA = 1"));
        for (; !rates.eof(); rates.moveNext()) {
            // The rate as the server wrote a money value into five characters ("10.00").
            const QString rate = Left(Format(rates.number(QStringLiteral("DiscountRate")), QStringLiteral("0.00")), 5);
            cmbA->addItem(rate);
            cboPercent->addItem(rate);
        }
        if (cmbA->count() > 0) {
            cmbA->setCurrentIndex(0);
            cboPercent->setCurrentIndex(0);
        }

        Recordset classes = con.query(QStringLiteral(
            "SELECT * FROM build_file.tbCoRevenueCode WHERE LGRP = 'D' AND CashierActive = 'Y' ORDER BY ItemName"));
        if (!classes.eof()) {
            cboClass->clear();
            cboClass->addItem(QString());
            for (; !classes.eof(); classes.moveNext())
                cboClass->addItem(revenueClassText(classes));
            cboClass->setEnabled(true);
        }

        if (!gPharmaOptDiscountType)
            return;
        cboOthers->clear();
        cboOthers->addItem(QString());
        if (gSiteCode == QLatin1String("KTH")) {
            if (auto others = con.callProcedure(QStringLiteral("Pharma_LoadDiscount")))
                for (; !others->eof(); others->moveNext())
                    cboOthers->addItem(others->text(QStringLiteral("Revenue")));
        } else {
            Recordset others = con.query(QStringLiteral(
                "SELECT * FROM build_file.tbCoRevenueCode WHERE LGRP = 'D' AND PHActive = 'Y' AND RecordStatus = 'A' "
                "ORDER BY ItemName"));
            for (; !others.eof(); others.moveNext())
                cboOthers->addItem(revenueClassText(others));
        }
        cboOthers->setEnabled(true);
    });
}

void frmCashEntry::ComputeAllDiscounts() {}

void frmCashEntry::RemoveDiscounts() {}

void frmCashEntry::chkTypeA_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("chkTypeA_Click"),
                 [&] { TypeA->setEnabled(chkTypeA->isChecked()); });
}

void frmCashEntry::optNone_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("optNone_Click"), [&] { UpdateSCPPWDIDVisibility(); });
}

void frmCashEntry::optSeniorCitizen_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("optSeniorCitizen_Click"), [&] { UpdateSCPPWDIDVisibility(); });
}

void frmCashEntry::optManual_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("optManual_Click"), [&] { UpdateSCPPWDIDVisibility(); });
}

} // namespace qx
