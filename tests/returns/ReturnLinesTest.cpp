#include "ReturnScreenFixture.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "charging/frmListDrugs.h"
#include "platform/UpDown.h"

namespace qx::test {
namespace {

using Screen = ReturnScreen;
constexpr std::initializer_list<int> kFilled = {0, 1, 2, 3, 4, 5, 6, 7, 9, 11, 13};

class ReturnLinesTest : public ReturnScreenTest {};

TEST_P(ReturnLinesTest, SlipThenMedicineFillsTheInPatientLine) {
    auto form = loaded(true);
    slips->choice = QStringLiteral("CS0001");
    lookUpAt(*form, 1, Screen::colChargeSlip);
    EXPECT_EQ(slips->asked, QStringList{"1001| DELA CRUZ, JUAN SANTOS"});
    EXPECT_EQ(form->flexMSEntry->textMatrix(1, 0), QStringLiteral("CS0001"));
    EXPECT_EQ(form->flexMSEntry->col(), Screen::colCode);
    EXPECT_TRUE(form->BlankRow(1));

    issues->answers = {{QStringLiteral("PARA500"), 2, QStringLiteral("CS0001")}};
    lookUpAt(*form, 1, Screen::colCode);
    EXPECT_EQ(issues->calls, QStringList{"slip:1001|CS0001| DELA CRUZ, JUAN SANTOS"});
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(line(*form, 1, kFilled),
              "CS0001|PARA500|PARACETAMOL 500 MG TABLET|BIOGESIC|2|2|100|125.50|5.25|62.75|125.50");
    EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral(" 125.50"));
    EXPECT_EQ(form->TotalCharges(), QStringLiteral("125.50"));
    EXPECT_TRUE(form->CanSaveRow(1));
    // The editor moved on to the quantity; the buttons follow the savable line.
    EXPECT_EQ(form->flexMSEntry->col(), Screen::colQuantity);
    EXPECT_TRUE(form->txtEntry()->isVisible());
    EXPECT_TRUE(form->cmdSave->isEnabled());
    EXPECT_TRUE(form->cmdPrintSave->isEnabled());
    EXPECT_TRUE(form->cmdClearRow->isEnabled());

    // By drug, without a slip: the picker's slip goes to the line.
    issues->answers = {{QStringLiteral("AMOX500"), 3, QStringLiteral("CS0002")}};
    lookUpAt(*form, 2, Screen::colCode);
    EXPECT_EQ(issues->calls.last(), QStringLiteral("drugs:1001"));
    EXPECT_EQ(line(*form, 2, kFilled), "CS0002|AMOX500|AMOXICILLIN 500 MG CAP||3|3|40|36.00|14.5|12|36.00");
    EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral(" 161.50"));
}

TEST_P(ReturnLinesTest, TheOutPatientLineWaitsForItsQuantity) {
    auto form = loaded(false);
    issues->answers = {{QStringLiteral("PARA500"), 2, QStringLiteral("CS0001")}};
    lookUpAt(*form, 1, Screen::colCode);
    EXPECT_EQ(issues->calls, QStringList{"drugs:5001A"});
    EXPECT_EQ(line(*form, 1, kFilled), "CS0001|PARA500|PARACETAMOL 500 MG TABLET|BIOGESIC|2||100||5.25|62.75|");
    EXPECT_EQ(form->lblPatInfo[4]->text(), QStringLiteral(" 0.00"));
    EXPECT_FALSE(form->CanSaveRow(1));
    EXPECT_EQ(form->flexMSEntry->col(), Screen::colQuantity);

    pressKey(form->txtEntry(), Qt::Key_2, QStringLiteral("2"));
    pressInEditor(*form->chargeGrid(), Qt::Key_Return);
    EXPECT_EQ(line(*form, 1, {5, 7, 13}), "2|125.50|125.50");
    EXPECT_EQ(form->lblPatInfo[4]->text(), QStringLiteral(" 125.50"));
    EXPECT_TRUE(form->CanSaveRow(1));
    EXPECT_EQ(form->flexMSEntry->row(), 2);
    EXPECT_EQ(form->flexMSEntry->col(), Screen::colCode);
}

TEST_P(ReturnLinesTest, AMedicineOnAnotherLineUnderTheSameSlipIsRefusedByEachForm) {
    issue(QStringLiteral("1001"), QStringLiteral("PARA500"), QStringLiteral("CS0003"), 1, 60);
    auto in = loaded(true);
    takeBack(*in, 1, QStringLiteral("CS0001"), QStringLiteral("PARA500"), 2);
    takeBack(*in, 2, QStringLiteral("CS0003"), QStringLiteral("PARA500"), 1);
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(in->DrugPosition(QStringLiteral("PARA500"), QStringLiteral("CS0003")), 2);
    takeBack(*in, 3, QStringLiteral("CS0001"), QStringLiteral("PARA500"), 2);
    EXPECT_EQ(platform.messages->texts(), QStringList{"Item already on the list"});
    EXPECT_EQ(platform.messages->last().style, vbOKOnly);
    EXPECT_EQ(line(*in, 3, {0, 1, 2, 4, 5}), "||||");
    EXPECT_TRUE(in->txtEntry()->isVisible());
    EXPECT_EQ(in->TotalCharges(), QStringLiteral("185.50"));

    platform.messages->clear();
    auto out = loaded(false);
    issues->answers = {{QStringLiteral("PARA500"), 2, QStringLiteral("CS0001")}};
    lookUpAt(*out, 1, Screen::colCode);
    issues->answers = {{QStringLiteral("PARA500"), 2, QStringLiteral("CS0001")}};
    lookUpAt(*out, 2, Screen::colCode);
    EXPECT_EQ(platform.messages->texts(), QStringList{"Drug code is already in line 1."});
    EXPECT_EQ(line(*out, 2, {0, 1, 2, 4}), "|PARA500||");
    EXPECT_EQ(out->flexMSEntry->row(), 2);
    EXPECT_EQ(out->flexMSEntry->col(), Screen::colCode);
    EXPECT_TRUE(out->txtEntry()->hasFocus());
}

// Committing the code a line holds keeps the line; a code not issued any more goes to the picker
// after the message; a cancelled picker changes nothing.
TEST_P(ReturnLinesTest, CommittingTheCodeAgainKeepsTheLine) {
    auto form = loaded(true);
    takeBack(*form, 1, QStringLiteral("CS0001"), QStringLiteral("PARA500"), 2);
    commitAt(*form, 1, Screen::colQuantity, QStringLiteral("1"));
    const QString before = line(*form, 1, kFilled);
    issues->calls.clear();
    commitAt(*form, 1, Screen::colCode, QStringLiteral("PARA500"));
    EXPECT_TRUE(issues->calls.isEmpty());
    EXPECT_EQ(line(*form, 1, kFilled), before);
    EXPECT_EQ(form->flexMSEntry->col(), Screen::colQuantity);

    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, Quantity, Amount) "
                                "VALUES ('CS0001', 'PARA500', '1001', 'PC', 2, 125.5)"));
    issues->answers.clear();
    commitAt(*form, 1, Screen::colCode, QStringLiteral("PARA500"));
    EXPECT_EQ(platform.messages->texts(), QStringList{"That medicine was not posted to the patient."});
    EXPECT_EQ(platform.messages->last().style, vbInformation);
    EXPECT_EQ(issues->calls, QStringList{"slip:1001|CS0001| DELA CRUZ, JUAN SANTOS"});
    EXPECT_EQ(line(*form, 1, kFilled), before);
    EXPECT_TRUE(form->txtEntry()->isVisible());
}

TEST_P(ReturnLinesTest, QuantityIsAWholeNumberUpToTheIssuedOne) {
    auto form = loaded(true);
    takeBack(*form, 1, QStringLiteral("CS0002"), QStringLiteral("AMOX500"), 3);
    struct Case { const char* typed; const char* message; const char* cell; bool moved; };
    const Case cases[] = {
        {"2.5", "Invalid quantity because of the decimal.", "3", false},
        {"0", "Quantity is invalid.", "3", false},
        {"", "Quantity is invalid.", "3", false},
        {"a", "Quantity is invalid.", "3", false},
        {"4", "Quantity returned is greater than quantity issued.", "3", false},
        {"2", "", "2", true},
        {"3", "", "3", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        platform.messages->clear();
        commitAt(*form, 1, Screen::colQuantity, QString::fromLatin1(c.typed));
        EXPECT_EQ(platform.messages->texts(), *c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList{});
        if (*c.message) {
            EXPECT_EQ(platform.messages->last().style, vbInformation);
        }
        EXPECT_EQ(form->flexMSEntry->textMatrix(1, Screen::colQuantity), QString::fromLatin1(c.cell));
        EXPECT_EQ(form->flexMSEntry->row(), c.moved ? 2 : 1);
        if (!c.moved) {
            EXPECT_TRUE(form->txtEntry()->isVisible());
            EXPECT_EQ(form->txtEntry()->text(), QString::fromLatin1(c.typed));
        }
    }
    EXPECT_EQ(line(*form, 1, {7, 13}), "36.00|36.00");
}

TEST_P(ReturnLinesTest, AmountsAreWrittenWithoutALeadingZeroOrSeparators) {
    auto form = loaded(true);
    takeBack(*form, 1, QStringLiteral("CS0002"), QStringLiteral("AMOX500"), 3);
    struct Case { const char* unit; const char* amount; const char* total; };
    for (const Case& c : {Case{"0.5", ".50", " 0.50"}, Case{"1234.5", "1234.50", " 1234.50"},
                          Case{"12345.678", "12345.68", " 12345.68"}, Case{"0", ".00", " 0.00"}}) {
        SCOPED_TRACE(c.unit);
        form->flexMSEntry->setTextMatrix(1, Screen::colActualAmount, QString::fromLatin1(c.unit));
        commitAt(*form, 1, Screen::colQuantity, QStringLiteral("1"));
        EXPECT_EQ(line(*form, 1, {7, 13}), QString::fromLatin1(c.amount) + u'|' + QString::fromLatin1(c.amount));
        EXPECT_EQ(form->lblPatInfo[6]->text(), QString::fromLatin1(c.total));
    }
}

TEST_P(ReturnLinesTest, RowTestsAndDrugPosition) {
    auto form = loaded(true);
    FlexGrid& g = *form->flexMSEntry;
    EXPECT_EQ(form->TotalCharges(), QStringLiteral("0.00"));
    g.setTextMatrix(1, 0, QStringLiteral("CS0001"));
    EXPECT_TRUE(form->BlankRow(1));
    EXPECT_FALSE(form->CanSaveRow(1));
    g.setTextMatrix(1, 1, QStringLiteral(" Para500 "));
    EXPECT_FALSE(form->BlankRow(1));
    EXPECT_TRUE(form->InvalidRow());
    g.setTextMatrix(1, 5, QStringLiteral("1"));
    EXPECT_FALSE(form->InvalidRow());
    EXPECT_TRUE(form->CanSaveRow(1));
    EXPECT_TRUE(form->canSave());
    EXPECT_EQ(form->DrugPosition(QStringLiteral("Para500"), QStringLiteral(" CS0001")), 1);
    EXPECT_EQ(form->DrugPosition(QStringLiteral("PARA500"), QStringLiteral("CS0001")), 0);
    EXPECT_EQ(form->DrugPosition(QStringLiteral("Para500"), QStringLiteral("CS0002")), 0);
    g.setTextMatrix(1, 0, QString());
    EXPECT_FALSE(form->canSave());
}

TEST_P(ReturnLinesTest, KelvarHospitalsChooseTheLocationBeforeEveryNewLine) {
    db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
    db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Kelvarin) VALUES (1)"));
    gPharmaSwitches.Load(db(), QString());
    int chosen = 0;
    platform.modal->onShow<frmListDrugs>([&](frmListDrugs& w) {
        ++chosen;
        w.close();
    });
    auto form = loaded(false);
    issues->answers = {{QStringLiteral("PARA500"), 2, QStringLiteral("CS0001")}};
    lookUpAt(*form, 1, Screen::colCode);
    issues->answers = {{QStringLiteral("AMOX500"), 3, QStringLiteral("CS0002")}};
    lookUpAt(*form, 2, Screen::colCode);
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(gLocationID, QStringLiteral("20"));
    EXPECT_EQ(line(*form, 1, {1, 3}), "PARA500|BIOGESIC");
}

TEST_P(ReturnLinesTest, ClearAllEmptiesTheScreenForTheNextPatient) {
    auto form = loaded(true);
    takeBack(*form, 1, QStringLiteral("CS0001"), QStringLiteral("PARA500"), 2);
    form->txtRemarks->setText(QStringLiteral("DAMAGED"));
    form->ClearAll();
    for (QLabel* label : form->lblPatInfo)
        EXPECT_EQ(label->text(), QString());
    for (int row = 1; row <= 30; ++row)
        for (int col = 0; col < 14; ++col)
            ASSERT_TRUE(form->flexMSEntry->textMatrix(row, col).isEmpty()) << row << "," << col;
    EXPECT_EQ(form->flexMSEntry->rows(), 31);
    for (QLineEdit* box : {form->txtFind, form->txtDocCode, form->txtRemarks})
        EXPECT_EQ(box->text(), QString());
    EXPECT_TRUE(form->cmdFind->isEnabled());
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_FALSE(form->cmdPrintSave->isEnabled());
    EXPECT_FALSE(form->txtEntry()->isVisible());
    EXPECT_TRUE(form->loadedPatientID().isEmpty());
    EXPECT_TRUE(form->txtFind->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Engines, ReturnLinesTest, ::testing::Values(::qx::Engine::SQLite, ::qx::Engine::PostgreSQL),
                         ::qx::test::engineName);

} // namespace
} // namespace qx::test
