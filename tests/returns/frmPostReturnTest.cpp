#include "PostReturnFixture.h"

#include "platform/Twips.h"
#include "returns/ReturnWindowOpeners.h"
#include "shell/WindowOpeners.h"

namespace qx::test {
namespace {

const QString kAmoxLine = QStringLiteral("CS0002|AMOX500|AMOXICILLIN 500 MG CAP||3|3|40|36|");
const QString kParaLine = QStringLiteral("CS0001|PARA500|PARACETAMOL 500 MG TABLET|BIOGESIC|2|1|100|62.75|");

TEST_P(PostReturnTest, LoadsTheRequestOfThisPatientOnly) {
    // A second row equal in every listed column shows once.
    add({.item = QStringLiteral("PARA500"), .slip = QStringLiteral("CS0001"), .issued = 2, .returned = 1,
         .amount = 62.75});
    auto form = openRequest();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Post Return"));
    EXPECT_EQ(lines(*form), (QStringList{kAmoxLine, kParaLine}));
    EXPECT_EQ(form->flexMSEntry->textMatrix(0, 8), QStringLiteral("STATUS"));
    EXPECT_EQ(form->txtTotal->text(), QStringLiteral("98.75"));
    EXPECT_EQ(form->txtIDNum->text(), QStringLiteral("1001"));
    EXPECT_TRUE(form->txtIDNum->isReadOnly());
    EXPECT_EQ(form->txtHospNum->text(), QStringLiteral("H000001"));
    EXPECT_EQ(form->txtCMSlip->text(), QStringLiteral("SR0001"));
    EXPECT_EQ(form->txtPatientName->text(), QStringLiteral("LISTED NAME"));
    EXPECT_EQ(form->lblPatientType->text(), QStringLiteral("IN PATIENT"));
    EXPECT_EQ(form->lblPatInfo[0]->text(), QStringLiteral("SANTOS, ANA REYES"));
    EXPECT_TRUE(form->lblPatInfo[1]->text().startsWith(QStringLiteral(" 3F - ")));
    EXPECT_TRUE(form->lblPatInfo[4]->text().startsWith(QStringLiteral(" 301 - ")));
    EXPECT_EQ(form->lblPatInfo[8]->text(), QStringLiteral(" M"));
    EXPECT_EQ(form->txtRemarks->text(), QStringLiteral("DISCONTINUED"));
    EXPECT_EQ(form->flexMSEntry->colWidth(frmPostReturn::colBrandName), 0);

    // The visit's request under the same number: its own line, "OP" and no station.
    auto visit = openRequest(QStringLiteral("5001A"), QStringLiteral("H000101"));
    EXPECT_EQ(lines(*visit), QStringList{QStringLiteral("CS0001|PARA500|PARACETAMOL 500 MG TABLET|BIOGESIC|2|2|100|125.5|")});
    EXPECT_EQ(visit->lblPatientType->text(), QStringLiteral("OUT PATIENT"));
    EXPECT_EQ(visit->lblPatInfo[4]->text(), QStringLiteral("OP"));
    EXPECT_EQ(visit->lblPatInfo[1]->text(), QStringLiteral(" "));
    EXPECT_EQ(visit->lblPatInfo[8]->text(), QStringLiteral(" F"));

    // A request without a listable line keeps one empty line; nurse and remarks as designed.
    auto none = openRequest(QStringLiteral("1001"), QStringLiteral("H000001"), QStringLiteral("SR9999"));
    EXPECT_EQ(lines(*none), QStringList{QStringLiteral("||||||||")});
    EXPECT_EQ(none->txtTotal->text(), QStringLiteral("0"));
    EXPECT_EQ(none->lblPatInfo[0]->text(), QStringLiteral(" "));
}

TEST_P(PostReturnTest, BrandNameColumnWidensTheWindowInTheKelvarMode) {
    const int designWidth = openRequest()->width();
    db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
    db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Kelvarin) VALUES (1)"));
    gPharmaSwitches.Load(db(), QString());
    auto form = openRequest();
    EXPECT_EQ(form->flexMSEntry->colWidth(frmPostReturn::colBrandName), 3000);
    EXPECT_EQ(form->width(), designWidth + 200);
    EXPECT_EQ(form->Frame1->width(), twipsToPixels(11400 - 240) + 200);
}

TEST_P(PostReturnTest, ReturnedQuantityIsAWholeNumberUpToTheIssuedOne) {
    auto form = openRequest();
    for (const char* refused : {"", "0", "4"}) {
        SCOPED_TRACE(refused);
        platform.messages->clear();
        enterQuantity(*form, 1, QString::fromLatin1(refused));
        EXPECT_EQ(platform.messages->texts(), QStringList{"Invalid Qty"});
        EXPECT_EQ(platform.messages->last().style, vbInformation);
        EXPECT_EQ(lines(*form).first(), kAmoxLine);
        EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
        EXPECT_EQ(form->txtEntry()->text(), QString::fromLatin1(refused));
    }
    // Only digits and backspace reach the editor.
    platform.messages->clear();
    enterQuantity(*form, 1, QStringLiteral("a+-.,e22"));
    EXPECT_EQ(platform.messages->texts(), QStringList{"Invalid Qty"});
    platform.messages->clear();
    form->txtEntry()->setText(QString());
    typeText(form->txtEntry(), QStringLiteral("a+-.,e2"));
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("2"));

    // Priced at the slip's charged amount; the editor goes to the next line.
    pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_TRUE(platform.messages->texts().isEmpty());
    EXPECT_EQ(lines(*form).first(), QStringLiteral("CS0002|AMOX500|AMOXICILLIN 500 MG CAP||3|2|40|24|"));
    EXPECT_EQ(form->txtTotal->text(), QStringLiteral("86.75"));
    EXPECT_EQ(form->flexMSEntry->row(), 2);
    EXPECT_EQ(form->flexMSEntry->col(), frmPostReturn::colReturned);
    EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("1"));

    // The issued quantity itself on the last line: the editor closes and the remarks take over.
    typeText(form->txtEntry(), QStringLiteral("2"));
    pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_EQ(lines(*form).last(), QStringLiteral("CS0001|PARA500|PARACETAMOL 500 MG TABLET|BIOGESIC|2|2|100|125.5|"));
    EXPECT_EQ(form->txtTotal->text(), QStringLiteral("149.5"));
    EXPECT_FALSE(form->chargeGrid()->isEditorVisible());
    EXPECT_TRUE(form->txtRemarks->hasFocus());

    // A slip that never charged the item gives the line no amount.
    db().execute(QStringLiteral("DELETE FROM tbInvStockCard WHERE RefNum = 'CS0002'"));
    enterQuantity(*form, 1, QStringLiteral("1"));
    EXPECT_EQ(lines(*form).first(), QStringLiteral("CS0002|AMOX500|AMOXICILLIN 500 MG CAP||3|1|40|0|"));
    EXPECT_EQ(form->txtTotal->text(), QStringLiteral("125.5"));
}

TEST_P(PostReturnTest, ClickOpensTheEditorOnlyOnALineWithACode) {
    auto form = openRequest(QStringLiteral("1001"), QStringLiteral("H000001"), QStringLiteral("SR9999"));
    form->flexMSEntry->setRow(1);
    form->flexMSEntry_Click();
    EXPECT_FALSE(form->chargeGrid()->isEditorVisible());

    form = openRequest();
    form->flexMSEntry->setRow(2);
    form->flexMSEntry->setCol(frmPostReturn::colDescription);
    form->flexMSEntry_Click();
    QApplication::processEvents();
    EXPECT_EQ(form->flexMSEntry->col(), frmPostReturn::colReturned);
    EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("1"));
    EXPECT_EQ(form->txtEntry()->selectedText(), QStringLiteral("1"));
}

TEST_P(PostReturnTest, RemoveItemTakesLinesOffTheGridOnly) {
    auto form = openRequest();
    const QStringList before = requestRows();
    form->flexMSEntry->setRow(1);
    platform.messages->answer(vbCancel);
    form->cmdRemoveItem->click();
    EXPECT_EQ(platform.messages->texts(), QStringList{"Delete this item?"});
    EXPECT_EQ(platform.messages->last().style, vbQuestion + vbOKCancel);
    EXPECT_EQ(lines(*form).size(), 2);

    form->cmdRemoveItem->click();
    EXPECT_EQ(lines(*form), QStringList{kParaLine});
    EXPECT_EQ(form->txtTotal->text(), QStringLiteral("62.75"));
    // The only line left is blanked, STATUS included; the grid keeps it.
    form->flexMSEntry->setTextMatrix(1, frmPostReturn::colStatus, QStringLiteral("RETURNED"));
    form->cmdRemoveItem->click();
    EXPECT_EQ(lines(*form), QStringList{QStringLiteral("||||||||")});
    EXPECT_EQ(form->txtTotal->text(), QStringLiteral("0"));
    EXPECT_EQ(requestRows(), before);
}

TEST_P(PostReturnTest, CancelRequestDeletesOnlyThisRequestsUnpostedRows) {
    add({.item = QStringLiteral("PARA500"), .slip = QStringLiteral("CS0005"), .issued = 1, .returned = 1,
         .amount = 62.75, .isPosted = 1, .recordStatus = QStringLiteral("C")});
    auto form = openRequest();
    const QStringList before = requestRows();
    platform.messages->answer(vbCancel);
    form->cmdClearRow->click();
    EXPECT_EQ(platform.messages->texts(), QStringList{"Cancel whole request?"});
    EXPECT_EQ(platform.messages->last().style, vbQuestion + vbOKCancel);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(requestRows(), before);

    form->cmdClearRow->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(requestRows(), (QStringList{"1001|CS0005|PARA500|SR0001|1|C|", "5001A|CS0001|PARA500|SR0001|||"}));
}

TEST_P(PostReturnTest, OpenedByNameWithTheListRowsValues) {
    RegisterReturnWindowOpeners();
    QStringList seen;
    platform.modal->onShow<frmPostReturn>([&](frmPostReturn& w) {
        seen << w.windowTitle() << w.txtCMSlip->text() << w.txtPatientName->text() << lines(w);
        w.cmdClose->click();
    });
    OpenWindow(QStringLiteral("frmPostReturn"), {{QStringLiteral("HospNum"), QStringLiteral("H000001")},
                                                 {QStringLiteral("IDNum"), QStringLiteral("1001")},
                                                 {QStringLiteral("CMSlip"), QStringLiteral("SR0001")},
                                                 {QStringLiteral("PatientName"), QStringLiteral("DELA CRUZ, JUAN")}});
    EXPECT_EQ(seen, (QStringList{"Post Return", "SR0001", "DELA CRUZ, JUAN", kAmoxLine, kParaLine}));
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

QX_ON_BOTH_ENGINES(PostReturnTest);

} // namespace
} // namespace qx::test
