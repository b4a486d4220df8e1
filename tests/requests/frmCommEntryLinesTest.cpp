#include "frmCommEntryFixture.h"

#include "charging/InpatientPriceRule.h"
#include "charging/RequestLineMarks.h"
#include "components/DrugCatalog.h"

namespace qx::test {
namespace {

using C = frmCommEntry;

class frmCommEntryLinesTest : public frmCommEntryTest {
protected:
    void SetUp() override {
        frmCommEntryTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db());
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAP"), .genericId = QStringLiteral("77"),
                       .genericName = QStringLiteral("AMOXICILLIN"), .priceIn = 12});
        addItem(db(), {.itemId = QStringLiteral("FIX100"), .name = QStringLiteral("IV SET"), .description = QString(),
                       .fixedCharge = 25});
        addItem(db(), {.itemId = QStringLiteral("MDRP1"), .name = QStringLiteral("LOSARTAN"),
                       .description = QStringLiteral("50 MG"), .isMDRP = true, .mdrpPrice = 0.5});
        addItem(db(), {.itemId = QStringLiteral("SAT1"), .name = QStringLiteral("SATELLITE ONLY"), .location = QStringLiteral("186")});
    }
    // Requests in list order: one a minute from 9:00.
    void requests(const std::vector<StationRequest>& lines) {
        int minute = 0;
        for (StationRequest r : lines) {
            r.spec.requestNumber = QStringLiteral("RQ%1").arg(minute + 1);
            r.spec.requestDate = QDateTime(QDate(2026, 1, 5), QTime(9, minute++));
            request(r);
        }
    }
    static StationRequest item(const char* code, double quantity, const char* doctor = "D001") {
        return {.spec = {.itemId = QString::fromLatin1(code), .quantity = quantity, .doctorId = QString::fromLatin1(doctor)}};
    }
    static StationRequest generic(const char* genericId, const char* doctor = "D001") {
        return {.spec = {.itemId = QString::fromLatin1(genericId), .quantity = 3, .doctorId = QString::fromLatin1(doctor)},
                .generic = true};
    }
};

TEST_P(frmCommEntryLinesTest, ItemAndGenericLinesOfTheFirstDoctor) {
    requests({item("PARA500", 2), generic("77"), item("AMOX500", 1, "D002")});
    auto form = load();
    const FlexGrid& g = *form->grdItemList;
    ASSERT_EQ(g.rows(), 3);
    EXPECT_EQ(column(*form, 0), (QStringList{"1", "2+"}));
    EXPECT_EQ(column(*form, C::kColCode), (QStringList{"PARA500", "77"}));
    EXPECT_EQ(column(*form, C::kColDescription), (QStringList{"PARACETAMOL 500 MG TABLET", "G: AMOXICILLIN"}));
    EXPECT_EQ(column(*form, C::kColGenericName), (QStringList{"PARACETAMOL", ""}));
    EXPECT_EQ(column(*form, C::kColRequested), (QStringList{"2", "3"}));
    EXPECT_EQ(column(*form, C::kColIssued), (QStringList{"2", "3"}));
    EXPECT_EQ(column(*form, C::kColStock), (QStringList{"100", "n/a"}));
    EXPECT_EQ(column(*form, C::kColAmount), (QStringList{"10.50", ""}));
    EXPECT_EQ(column(*form, C::kColSellPriceIn), (QStringList{"5.25", "n/a"}));
    EXPECT_EQ(column(*form, C::kColPriceOut), (QStringList{"4.75", ""}));
    EXPECT_EQ(column(*form, C::kColPriceTaken), (QStringList{"5.25", ""}));
    EXPECT_EQ(column(*form, C::kColRequestNumber), (QStringList{"RQ1", "RQ2"}));
    EXPECT_EQ(column(*form, C::kColGenericMark), (QStringList{"", "*"}));
    // The in-patient load leaves column 23 empty; only the out-patient screen marks it too.
    EXPECT_EQ(column(*form, C::kColGenericMark + 1), (QStringList{"", ""}));
    EXPECT_EQ(column(*form, C::kColRequestedCode), (QStringList{"PARA500", "77"}));
    EXPECT_EQ(column(*form, C::kColOldAmount), (QStringList{"0", ""}));
    EXPECT_EQ(column(*form, C::kColFixedCharge), (QStringList{"0", "0"}));
    EXPECT_EQ(column(*form, C::kColBarCode), (QStringList{"", ""}));
    EXPECT_TRUE(g.cellPicture(1, C::kColSCDiscount).isNull());
    EXPECT_EQ(g.cellPicture(2, C::kColSCDiscount).toImage(), form->pictures().emptyBox.toImage());
    EXPECT_EQ(form->txtDocCode->text(), QStringLiteral("D001"));
    // The generic line adds nothing to the total.
    EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral(" 10.5"));
    EXPECT_EQ(g.row(), 1);
    EXPECT_EQ(g.col(), 1);
    EXPECT_EQ(form->flexMSHPrevious->cols(), 5);
}

TEST_P(frmCommEntryLinesTest, AFirstLineWithoutDoctorListsEveryDoctor) {
    requests({item("PARA500", 2, ""), item("AMOX500", 1, "D002"), item("FIX100", 1)});
    auto form = load();
    EXPECT_EQ(column(*form, C::kColCode), (QStringList{"PARA500", "AMOX500", "FIX100"}));
    EXPECT_EQ(form->txtDocCode->text(), QStringLiteral("D001"));  // the patient's own doctor stays
}

TEST_P(frmCommEntryLinesTest, AnItemMissingAtTheLocationIsLeftOut) {
    requests({item("SAT1", 1), item("PARA500", 2), item("NOSUCH", 1)});
    // With stock kept per location (switch 89) an item the main pharmacy does not stock is not
    // found there; an unknown code never is.
    for (bool switch89 : {false, true}) {
        SCOPED_TRACE(switch89);
        setInvSwitch(QStringLiteral("89"), switch89);
        auto form = load();
        const QStringList shown = switch89 ? QStringList{"PARA500"} : QStringList{"SAT1", "PARA500"};
        EXPECT_EQ(column(*form, C::kColCode), shown);
        EXPECT_EQ(column(*form, 0).size(), shown.size());
    }
}

TEST_P(frmCommEntryLinesTest, NoPendingRequestLeavesOneEmptyLine) {
    gSiteCode = QStringLiteral("QVH");
    auto form = load();
    EXPECT_EQ(form->grdItemList->rows(), 2);
    EXPECT_EQ(form->lblPatInfo[6]->text(), QString());
    EXPECT_EQ(form->lblTargetLocationID->text(), QString());
}

TEST_P(frmCommEntryLinesTest, TargetLocationShowsAtQVH) {
    StationRequest r = item("PARA500", 1);
    r.targetLocation = QStringLiteral("186");
    requests({r});
    for (const char* site : {"QVH", "ZMX"}) {
        gSiteCode = QString::fromLatin1(site);
        auto form = load();
        EXPECT_EQ(form->lblTargetLocationID->text(), gSiteCode == QLatin1String("QVH") ? QStringLiteral("186") : QString());
    }
}

TEST_P(frmCommEntryLinesTest, BarcodeModeMarksEveryLineWithTheLastLinesKind) {
    gCheckBarCode = true;
    struct Case { std::vector<StationRequest> lines; bool genericLast; int profileCols; };
    const Case cases[] = {
        {{generic("77"), item("PARA500", 2)}, false, 6},
        {{item("PARA500", 2), generic("77")}, true, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.genericLast);
        db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
        requests(c.lines);
        auto form = load();
        const FlexGrid& g = *form->grdItemList;
        ASSERT_EQ(g.rows(), 3);
        const QPixmap& state = c.genericLast ? form->pictures().tickedBox : form->pictures().uncheck;
        for (int row : {1, 2})
            EXPECT_EQ(g.cellPicture(row, 0).toImage(), state.toImage()) << row;
        EXPECT_EQ(column(*form, C::kColScanned), (QStringList{"0", "0"}));
        EXPECT_EQ(g.textMatrix(c.genericLast ? 1 : 2, C::kColBarCode), QStringLiteral("PARA500"));
        // The editor then waits on line 1's code for a scan; entering that cell shows line 1's profile.
        EXPECT_EQ(form->flexMSHPrevious->cols(), c.profileCols);
        EXPECT_EQ(g.row(), 1);
        EXPECT_EQ(g.col(), C::kColCode);
        EXPECT_TRUE(form->txtEntry()->isVisibleTo(form.get()));
    }
}

TEST_P(frmCommEntryLinesTest, FixedChargeMdrpAndAntibioticMarks) {
    db().execute(QStringLiteral("DELETE FROM tbInvAntibioticClass"));
    db().execute(QStringLiteral("INSERT INTO tbInvAntibioticClass (AntibioticClassID, AntibioticClass) VALUES "
                                "('1', 'RESERVED'), ('2', 'PENICILLINS'), ('5', 'OTHERS')"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET AntibioticClassID = '2' WHERE ItemID = 'AMOX500'"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET AntibioticClassID = '5' WHERE ItemID = 'FIX100'"));
    requests({item("PARA500", 1), item("FIX100", 2), item("AMOX500", 1), item("MDRP1", 1)});
    for (bool legend : {false, true}) {
        SCOPED_TRACE(legend);
        gShowColorAntibioticClass = legend;
        auto form = load();
        const FlexGrid& g = *form->grdItemList;
        EXPECT_EQ(column(*form, C::kColAmount), (QStringList{"5.25", "50.00", "12.00", "0.50"}));
        EXPECT_EQ(column(*form, C::kColSellPriceIn), (QStringList{"5.25", "5.25", "12", "0.5"}));
        EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral(" 67.75"));
        EXPECT_EQ(g.cellForeColorAt(1, 1), g.foreColor());
        for (int col : {4, 13, 23})
            EXPECT_EQ(g.cellForeColorAt(2, col), kFixedPriceColor) << col;
        EXPECT_EQ(g.cellForeColorAt(2, 24), g.foreColor());
        EXPECT_EQ(g.cellBackColorAt(4, C::kColCode), kMDRPCellColor);
        EXPECT_EQ(g.cellBackColorAt(3, C::kColCode), g.backColor());
        // Class colours replace the red in columns 1 to 3 and only with the legend on.
        EXPECT_EQ(g.cellForeColorAt(2, 1), legend ? ColorValue(12583104) : kFixedPriceColor);
        EXPECT_EQ(g.cellForeColorAt(3, 3), legend ? ColorValue(16711680) : g.foreColor());
        EXPECT_EQ(g.cellFontBoldAt(3, 2), legend);
        EXPECT_FALSE(g.cellFontBoldAt(3, 4));
        EXPECT_EQ(form->Frame4->isVisibleTo(form.get()), legend);
        EXPECT_EQ(form->Frame4->lblBlue->text(), legend ? QStringLiteral("- PENICILLINS") : QString());
        // Painting never moved the current cell.
        EXPECT_EQ(g.row(), 1);
        EXPECT_EQ(g.col(), 1);
    }
}

QX_ON_BOTH_ENGINES(frmCommEntryLinesTest);

} // namespace
} // namespace qx::test
