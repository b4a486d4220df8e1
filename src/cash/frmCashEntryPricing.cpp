// Item entry and row pricing of the assessment window: the code look-up, the commit of the cell
// editor, the price change of a line and the cash form of the unit-price rule.
#include "cash/frmCashEntry.h"

#include "charging/CashMoney.h"
#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "charging/PriceLookups.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/Locations.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/clsAssessInfo.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kCashPricingModule = QStringLiteral("frmCashEntry");

constexpr ColorValue kMDRPColor = 0xFF80FFu;
constexpr ColorValue kFixedPriceColor = 0xC0FFC0u;
constexpr ColorValue kVATExemptColor = 0xFFC0C0u;

DrugCatalog::Drug& cashDrug() {
    if (!gComponents.gDrug)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    return gComponents.gDrug->Drug();
}

DrugPicker::DrugList& cashDrugPicker() {
    if (!gComponents.gDrugList)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    return *gComponents.gDrugList;
}
} // namespace

void frmCashEntry::cmdEntry_Click() {
    eventHandler(kCashPricingModule, QStringLiteral("cmdEntry_Click"), [&] { lookUpItem(); });
}

void frmCashEntry::lookUpItem() {
    bool taken = false;
    QString text = chargeGrid_->editorText();
    if (grdItemList->col() == colCode) {
        if ((chkOutPatient->isChecked() || chkInPatient->isChecked()) && Trim(txtIdNumber->text()).isEmpty()) {
            ShowInfo(QStringLiteral("Please enter patient's ID number."));
            txtIdNumber->setFocus(Qt::OtherFocusReason);
            return;
        }
        ItemCodeRequest request;
        request.typed = text;
        request.grid = grdItemList;
        request.codeCol = colCode;
        request.parent = this;
        request.pick = [](const QString& typed) {
            return gDrugListByGeneric ? cashDrugPicker().ShowList() : cashDrugPicker().ShowList(typed);
        };
        request.byGeneric = gDrugListByGeneric;
        request.location = gLocationID;
        request.patientKey = Trim(txtIdNumber->text());
        const ItemCodeOutcome outcome = ResolveItemCode(SQLConnection(), cashDrug(), request);
        text = outcome.code;
        chargeGrid_->setEditorText(text);
        switch (outcome.result) {
        case ItemCodeResult::Duplicate:
            MsgBox(QStringLiteral("The same item was already requested"), vbExclamation);
            break;
        case ItemCodeResult::NotFound:
            ShowInfo(QStringLiteral("Item code not found."));
            chargeGrid_->rejectCommit();
            break;
        case ItemCodeResult::Found:
            taken = takeFoundItem();
            break;
        case ItemCodeResult::Empty:
            break;
        }
    }
    if (!text.isEmpty() && taken) {
        chargeGrid_->acceptCommit(text);
        chargeGrid_->setEditorText(QString());
        return;
    }
    if (chargeGrid_->isEditorVisible())
        chargeGrid_->rejectCommit();
}

void frmCashEntry::txtEntry_DblClick() {
    eventHandler(kCashPricingModule, QStringLiteral("txtEntry_DblClick"), [&] {
        const int row = grdItemList->row();
        const int col = grdItemList->col();
        if (col != colQuantity && col != colAmount && col != colCardDiscount) {
            lookUpItem();
            return;
        }
        const QString text = chargeGrid_->editorText();
        bool taken = true;
        if (col == colQuantity) {
            QuantityCommitRequest request;
            request.parent = this;
            request.typed = text;
            request.stockOnHand = ToDouble(grdItemList->textMatrix(row, colStock));
            request.checkStock = !mIsTransNote;
            request.refuseOverStock = gAllowZeroOnHand;
            request.overStockRefusal = QStringLiteral(
                "Stock is not available to fill Prescription. Please enter quantity not greater than the stock on hand.");
            request.findSubstitute = [&] { return takeSubstitute(row); };
            const QuantityCommitOutcome outcome = CommitQuantity(request);
            if (outcome.verdict == QuantityVerdict::Invalid || outcome.verdict == QuantityVerdict::Refused) {
                chargeGrid_->rejectCommit();
                return;
            }
            taken = outcome.verdict == QuantityVerdict::Commit;
        }
        if (taken) {
            grdItemList->setTextMatrix(row, col, text);
            if (col == colQuantity) {
                const double quantity = ToDouble(text);
                const auto number = [&](int c) { return ToDouble(grdItemList->textMatrix(row, c)); };
                grdItemList->setTextMatrix(row, colGross, FormatNumber2(number(colUnitPrice) * quantity));
                grdItemList->setTextMatrix(row, colInPatientAmount, Text(number(colInPatientPrice) * quantity));
                grdItemList->setTextMatrix(row, colOutPatientAmount, Text(number(colOutPatientPrice) * quantity));
                if ((gPharmaOptDiscountType || chkTypeA->isChecked()) && ValidateQuantity())
                    ComputeAllDiscounts();
            }
            chargeGrid_->acceptCommit();
        } else {
            chargeGrid_->rejectCommit();
        }
        ComputeAllDiscounts();
    });
}

// A price or flag that cannot be read refuses the line with the error instead of ending the program.
bool frmCashEntry::takeFoundItem() {
    const int row = grdItemList->row();
    try {
        return SetRow();
    } catch (...) {
        const AppError error = currentError();
        for (int col = 0; col < grdItemList->cols(); ++col)
            grdItemList->setTextMatrix(row, col, QString());
        ShowErrorMessage(error.description());
        return false;
    }
}

// The over-stock prompt's substitute: the line is refilled with it; the quantity is committed
// whatever the picker answers.
bool frmCashEntry::takeSubstitute(int row) {
    const QString code = cashDrugPicker().ShowList();
    if (code.isEmpty())
        return true;
    // A substitute already on another line is refused like a typed code.
    if (GridHasValue(*grdItemList, colCode, code, 1)) {
        MsgBox(QStringLiteral("The same item was already requested"), vbExclamation);
        return true;
    }
    if (!SearchItemAt(SQLConnection(), cashDrug(), code, std::nullopt, Trim(txtIdNumber->text()))) {
        MsgBox(QStringLiteral("Drug code not found!"), vbExclamation);
        return true;
    }
    grdItemList->setRow(row);
    SetRow2(code);
    return true;
}

void frmCashEntry::grdItemList_DblClick() {
    eventHandler(kCashPricingModule, QStringLiteral("grdItemList_DblClick"), [&] {
        const int row = grdItemList->row();
        if (!gAllowPriceChange || grdItemList->col() != colPriceBase || BlankRow(row))
            return;
        const auto number = [&](int c) { return ToDouble(grdItemList->textMatrix(row, c)); };
        LinePrice line;
        line.description = grdItemList->textMatrix(row, colDescription);
        line.quantity = CInt(number(colQuantity));
        line.itemPrice = number(colUnitPrice);
        line.newItemPrice = number(colPriceBase);
        line.totalAmount = number(colAmount);
        const LinePrice price = AskPriceChange(this, line);
        grdItemList->setTextMatrix(row, colPriceBase, Text(price.itemPrice));
        double amount = price.totalAmount;
        if (gSiteCode == QLatin1String("WOPSA")) {
            const double newPrice = number(colPriceBase);
            amount = (newPrice + newPrice * gDiscountVAT / 100) * price.quantity;
        }
        grdItemList->setTextMatrix(row, colAmount, FormatNumber2(amount));
        grdItemList->setTextMatrix(row, colGross, FormatNumber2(number(colAmount)));
        grdItemList->setTextMatrix(row, colOutPatientAmount, Text(price.quantity * price.itemPrice));
        if (chkTypeA->isChecked() && ValidateQuantity())
            ComputeAllDiscounts();
        txtTotal->setText(Text(GetTotalCharges()));
    });
}

bool frmCashEntry::SetRow() {
    return generalProcedure(kCashPricingModule, QStringLiteral("SetRow"), [&] {
        DrugCatalog::Drug& drug = cashDrug();
        if (drug.Status() != 0) {
            ShowInfo(drug.DrugName() + u' ' + drug.Description() + QStringLiteral(" was set to inactive."));
            chargeGrid_->setEditorText(QString());
            chargeGrid_->rejectCommit();
            return false;
        }
        const int row = grdItemList->row();
        if (!SetRow2(chargeGrid_->editorText()))
            return false;
        const auto number = [&](int c) { return ToDouble(grdItemList->textMatrix(row, c)); };
        ColorValue color = colors::InfoBackground;
        if (number(colMDRP) == 1)
            color = kMDRPColor;
        else if (number(colFixedPrice) != 0)
            color = kFixedPriceColor;
        else if (number(colVATExemptItem) == 1)
            color = kVATExemptColor;
        grdItemList->setCellBackColor(color);
        if (gSiteCode == QLatin1String("ZMX"))
            grdItemList->setTextMatrix(row, colSiteInPatientMarkUp, Text(drug.Invent().MarkupIn));
        return true;
    });
}

bool frmCashEntry::SetRow2(const QString& code) {
    return generalProcedure(kCashPricingModule, QStringLiteral("SetRow2"), [&] {
        Connection& con = SQLConnection();
        DrugCatalog::Drug& drug = cashDrug();
        const DrugCatalog::InventRecord& invent = drug.Invent();
        const int row = grdItemList->row();
        const auto put = [&](int c, const QString& text) { grdItemList->setTextMatrix(row, c, text); };
        ClearRow(row);
        put(colCode, code);
        put(colDescription, drug.DrugName() + u' ' + drug.Description());
        put(colBrandName, GetBrandName(con, code));
        put(colGenericName, clsAssessInfo().GetGeneric(code));
        put(colUOM, GetUnitOfMeasure(con, code));
        put(colFixedPrice, Text(ToCurrency(GetFixedPrice(con, code, gLocationID))));
        put(colMDRP, QString::number(GetMDRPFlag(con, code)));
        double unitPrice = 0, inPatientPrice = 0, outPatientPrice = 0;
        SetRowSellingPrice(unitPrice, inPatientPrice, outPatientPrice);
        put(colPriceBase, Text(unitPrice));
        put(colUnitPrice, Text(unitPrice));
        put(colInPatientPrice, Text(inPatientPrice));
        put(colOutPatientPrice, Text(outPatientPrice));
        if (gAllowZeroOnHand && invent.StockOnHand <= 0) {
            ShowInfo(drug.DrugName() + QStringLiteral(" has no stocks left. The system can't process the specified item."));
            put(colDescription, QString());
            clearFields(row);
            return false;
        }
        put(colStock, Text(invent.StockOnHand));
        put(colInPatientMarkUp, Text(invent.MarkupIn));
        put(colOutPatientMarkUp, Text(invent.MarkupOut));
        put(colListCost, Text(gSiteCode == QLatin1String("TRAVU") ? drug.ListCost() : invent.RateA));
        put(colAtCost, Text(ToCurrency(invent.AverageCost)));
        put(colSeniorDiscounted, drug.SeniorCitizenDiscounted() ? QStringLiteral("1") : QStringLiteral("0"));
        const QString card = Trim(txtZarviCard->text());
        const QString cardType = Trim(lblCardTypeID->text());
        if (!card.isEmpty())
            put(colCardDiscount, Text(GetDiscountInfo(con, card, Trim(code), cardType)));
        if (gMarkUpGroup) {
            GetMarkUp(Trim(code));
            put(colMarkUpCash, Text(mMarkUpCash));
            put(colMarkUpEmployee, Text(mMarkUpEmployee));
            put(colMarkUpSeniorIn, Text(mMarkUpSeniorIn));
            put(colMarkUpSeniorOut, Text(mMarkUpSeniorOut));
            put(colVAT, FormatNumber2(mMarkUpVAT));
        }
        QString mfrPercent = Text(invent.MacDiscPercent);
        QString mfrAmount = Text(invent.MacDiscAmount);
        // The untrimmed box: a card of blanks still has its allowance checked, with an empty number.
        if (!txtZarviCard->text().isEmpty() && gValidateCardNumber &&
            ToDouble(grdItemList->textMatrix(row, colCardDiscount)) == 0) {
            const double allowance = CountPurchasedItem(con, card, Trim(code), cardType);
            put(colCardAllowance, Text(allowance));
            if (allowance == 0) {
                MsgBox(QStringLiteral("Sorry but you have reached the allowed purchases for this item within this "
                                      "month. No manufacturer's discount will be applied."),
                       vbInformation, QStringLiteral("WARNING"));
                mfrPercent = QStringLiteral("0");
                mfrAmount = QStringLiteral("0");
            }
        }
        put(colMfrDiscountPercent, mfrPercent);
        put(colMfrDiscountAmount, mfrAmount);
        put(colMfrDiscountExpiry, invent.MacExpiry ? Text(QDateTime(*invent.MacExpiry, QTime(0, 0))) : QString());
        put(colListPrice, Text(chkDialysis->isChecked() ? invent.SellingPriceIn : invent.SellingPriceOut));
        if (gInvSwitchVATExemptItems)
            put(colVATExemptItem, IsItemVATExempt(con, code) ? QStringLiteral("1") : QStringLiteral("0"));
        return true;
    });
}

void frmCashEntry::SetRowSellingPrice(double& unitPrice, double& inPatientPrice, double& outPatientPrice) {
    generalProcedure(kCashPricingModule, QStringLiteral("SetRowSellingPrice"), [&] {
        Connection& con = SQLConnection();
        DrugCatalog::Drug& drug = cashDrug();
        const DrugCatalog::InventRecord& invent = drug.Invent();
        const int row = grdItemList->row();
        const QString code = grdItemList->textMatrix(row, colCode);
        const QString idNumber = Trim(txtIdNumber->text());
        inPatientPrice = invent.SellingPriceIn;
        outPatientPrice = invent.SellingPriceOut;
        const auto all = [&](double price) { unitPrice = inPatientPrice = outPatientPrice = price; };

        const double fixedPrice = ToDouble(grdItemList->textMatrix(row, colFixedPrice));
        const double roomMarkUp = ToDouble(lblMarkUp->text());
        if (fixedPrice > 0) {
            all(fixedPrice);
        } else if (grdItemList->textMatrix(row, colMDRP) == QLatin1String("1")) {
            all(GetMDRPDrugPrice(con, code));
        } else if (roomMarkUp != 0 && gSocializePricing) {
            const double rate = roomMarkUp / 100;
            const double base = gSiteCode == QLatin1String("ZMX") ? invent.AverageCost : invent.SellingPriceIn;
            all(base + rate * base);
            unitPrice = GetFinalSellingPrice(unitPrice);
        } else {
            unitPrice = outPatientPrice;
            // The sponsorship and HMO prices are those of the main pharmacy, wherever the window runs.
            if (gVelmira) {
                if (GetHospitalPlan(idNumber) == QLatin1String("VELMIRA") || chkVelmira->isChecked())
                    unitPrice = GetVelmiraPrice(con, code, kMainPharmacyLocation);
            } else if (gHMOMarkup) {
                if (GetHMOClass(con, idNumber) == QLatin1String("HMO"))
                    unitPrice = GetHMOPrice(con, code, idNumber, kMainPharmacyLocation);
            } else if (chkDialysis->isChecked()) {
                unitPrice = inPatientPrice;
            } else if (gMarkUpGroup) {
                unitPrice = invent.RateA + invent.RateA * (invent.MarkupOut / 100);
                inPatientPrice = invent.RateA + invent.RateA * (invent.MarkupIn / 100);
                outPatientPrice = unitPrice;
            } else if (chkInPatient->isChecked()) {
                unitPrice = inPatientPrice;
            } else if (gInvSwitchVATExemptItems && gPharmaSwitches.Switch25() && IsItemVATExempt(con, code)) {
                unitPrice = inPatientPrice;
            }
        }
    });
}

void frmCashEntry::GetMarkUp(const QString& itemId) {
    generalProcedure(kCashPricingModule, QStringLiteral("GetMarkUp"), [&] {
        mMarkUpCash = mMarkUpEmployee = mMarkUpSeniorIn = mMarkUpSeniorOut = mMarkUpVAT = 0;
        const auto rs = SQLConnection().callProcedure(QStringLiteral("Pharma_GetMarkUp"), {{QStringLiteral("@ItemID"), itemId}});
        if (!rs || rs->eof())
            return;
        mMarkUpCash = rs->number(QStringLiteral("CASH"));
        mMarkUpEmployee = rs->number(QStringLiteral("Employee"));
        mMarkUpSeniorIn = rs->number(QStringLiteral("SeniorCitizenIn"));
        mMarkUpSeniorOut = rs->number(QStringLiteral("SeniorCitizenOut"));
        mMarkUpVAT = rs->number(QStringLiteral("VAT"));
    });
}

QString frmCashEntry::GetHospitalPlan(const QString& idNum) {
    return generalProcedure(kCashPricingModule, QStringLiteral("GetHospitalPlan"), [&] {
        return IsVelmiraPatient(SQLConnection(), idNum) ? QStringLiteral("VELMIRA") : QString();
    });
}

double frmCashEntry::GetFinalSellingPrice(double price) { return price; }

} // namespace qx
