#pragma once
#include "frmEntryFixture.h"

#include "charging/ChargeGridNavigation.h"
#include "charging/frmListDrugs.h"
#include "charging/frmOverQty.h"
#include "charging/frmOverStock.h"
#include "charging/frmPriceInOut.h"
#include "ScriptedPickers.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/frmDeletePassword.h"
#include "shell/frmShift.h"
#include "suite/DoseFormsDosage.h"

#include <QLabel>

namespace qx::test {


using ScriptedEntryPicker = ScriptedDrugPicker;

class frmEntryItemsTest : public frmEntryTest {
protected:
    void SetUp() override {
        frmEntryTest::SetUp();
        if (IsSkipped())
            return;
        gLocationID = QStringLiteral("20");
        gComponents.gDrugList = picker;
        auto dosage = std::make_shared<suite::DoseFormsDosage>([this] { return &db(); });
        ASSERT_TRUE(dosage->InitConnection(db().connectionString()));
        gComponents.gDosage = dosage;
        gComponents.gDosageList = dosages;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDosage (DosageID, Frequency) VALUES ('TID', 3), ('QID', 4)"));
        addAdmittedPatient(db());
        addItem(db(), {.itemId = "1001", .barcode = "4800001", .onHand = 10, .priceIn = 5.25});
        addItem(db(), {.itemId = "1002", .name = "AMOXICILLIN", .description = "500 MG CAP", .genericId = "77",
                       .onHand = 10, .priceIn = 1});
        addItem(db(), {.itemId = "1003", .name = "CEFALEXIN", .genericId = "G3", .onHand = 500, .priceIn = 50});
        addItem(db(), {.itemId = "2002", .name = "ASPIRIN", .genericId = "G4", .itemStatus = 1});
        addItem(db(), {.itemId = "3003", .name = "INSULIN", .genericId = "G5", .onHand = 0, .priceIn = 7.5});
    }
    void TearDown() override {
        form.reset();
        frmEntryTest::TearDown();
    }
    void openOn(const QString& admission = QStringLiteral("1001")) {
        form = openScreen();
        find(*form, admission);
    }
    // Types the text into the editor over the cell and presses Enter.
    void enter(int row, int col, const QString& text) {
        openEditorAt(*form->chargeGrid(), row, col);
        form->txtEntry()->setText(text);
        pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    QString cell(int row, int col) { return form->grdItemList->textMatrix(row, col); }
    QString lastMessage() { return platform.messages->boxes().empty() ? QString() : platform.messages->last().text; }
    void overStockAnswers(const QString& choice, const QString& logChoice) {
        platform.modal->onShow<frmOverStock>([choice, logChoice](frmOverStock& w) {
            w.setChoice(choice);
            w.setLogChoice(logChoice);
            w.close();
        });
    }
    int shownCount(const char* className) { return int(platform.modal->shown().count(QString::fromLatin1(className))); }

    std::unique_ptr<frmEntry> form;
    std::shared_ptr<ScriptedEntryPicker> picker = std::make_shared<ScriptedEntryPicker>();
    std::shared_ptr<ScriptedDosageList> dosages = std::make_shared<ScriptedDosageList>();
};

} // namespace qx::test
