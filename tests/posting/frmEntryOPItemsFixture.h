#pragma once
#include "frmEntryOPFixture.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "charging/frmOverStock.h"
#include "components/DoseForms.h"
#include "components/DrugPicker.h"
#include "platform/FlexGrid.h"
#include "suite/DoseFormsDosage.h"

namespace qx::test {

// The drug picker: answers the next codes in turn ("" when none is left) and records its calls.
class OPScriptedDrugPicker : public DrugPicker::DrugList {
public:
    bool InitConnection(const QString&) override { return true; }
    void setDrugsOrCsr(bool) override {}
    QString ShowList(const std::optional<QString>& search, const std::optional<QVariant>&,
                     const std::optional<QString>& location, const std::optional<QString>&) override {
        calls << search.value_or(QStringLiteral("<none>")) + u'@' + location.value_or(QStringLiteral("<none>"));
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    QStringList calls;
};

class OPScriptedDosageList : public DoseForms::DosageList {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList() override { return answer; }
    QString answer;
};

// The screen on visit 5001A with items: 1001 (barcode 4800001, 5.00 out), 1002 (1.00), 1003
// (50.00, stock 500), 2002 inactive, 3003 without stock, 4004 with a fixed charge, 5005 on the
// MDRP list.
class frmEntryOPItemsTest : public frmEntryOPTest {
protected:
    void SetUp() override {
        frmEntryOPTest::SetUp();
        if (IsSkipped())
            return;
        gComponents.gDrugList = picker;
        auto dosage = std::make_shared<suite::DoseFormsDosage>([this] { return &db(); });
        ASSERT_TRUE(dosage->InitConnection(db().connectionString()));
        gComponents.gDosage = dosage;
        gComponents.gDosageList = dosages;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDosage (DosageID, Frequency) VALUES ('TID', 3), ('QID', 4)"));
        addAccount(QStringLiteral("ACME"), QStringLiteral("ACME CORP"));
        addOutPatientVisit(db(), {.accountNum = QStringLiteral("ACME")});
        addItem(db(), {.itemId = "1001", .barcode = "4800001", .onHand = 10, .priceOut = 5});
        addItem(db(), {.itemId = "1002", .name = "AMOXICILLIN", .description = "500 MG CAP", .genericId = "77",
                       .onHand = 10, .priceOut = 1});
        addItem(db(), {.itemId = "1003", .name = "CEFALEXIN", .genericId = "G3", .onHand = 500, .priceOut = 50});
        addItem(db(), {.itemId = "2002", .name = "ASPIRIN", .genericId = "G4", .itemStatus = 1});
        addItem(db(), {.itemId = "3003", .name = "INSULIN", .genericId = "G5", .unitOfMeasureId = "VIAL", .onHand = 0});
        addItem(db(), {.itemId = "4004", .name = "SYRINGE", .genericId = "G6", .onHand = 50, .priceOut = 2,
                       .fixedCharge = 3.5});
        addItem(db(), {.itemId = "5005", .name = "TB DRUG", .genericId = "G7", .onHand = 50, .priceOut = 9,
                       .isMDRP = true, .mdrpPrice = 1.25});
    }
    void TearDown() override {
        form.reset();
        frmEntryOPTest::TearDown();
    }
    void openOn(const QString& visit = QStringLiteral("5001A")) {
        form = openScreen();
        if (!visit.isEmpty())
            chooseVisit(*form, visit);
    }
    // Types the text into the editor over the cell and presses Enter.
    void enter(int row, int col, const QString& text) {
        openEditorAt(*form->chargeGrid(), row, col);
        form->txtEntry()->setText(text);
        pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    QString cell(int row, int col) { return form->grdItemList->textMatrix(row, col); }
    ColorValue codeBack(int row) {
        form->grdItemList->setRow(row);
        form->grdItemList->setCol(frmEntryOP::colCode);
        return form->grdItemList->cellBackColor();
    }
    QString lastMessage() { return platform.messages->boxes().empty() ? QString() : platform.messages->last().text; }
    void overStockAnswers(const QString& choice, const QString& logChoice) {
        platform.modal->onShow<frmOverStock>([choice, logChoice](frmOverStock& w) {
            w.setChoice(choice);
            w.setLogChoice(logChoice);
            w.close();
        });
    }
    int shownCount(const char* className) { return int(platform.modal->shown().count(QString::fromLatin1(className))); }

    std::unique_ptr<frmEntryOP> form;
    std::shared_ptr<OPScriptedDrugPicker> picker = std::make_shared<OPScriptedDrugPicker>();
    std::shared_ptr<OPScriptedDosageList> dosages = std::make_shared<OPScriptedDosageList>();
};

} // namespace qx::test
