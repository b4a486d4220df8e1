#include "frmEmployeeFixture.h"

#include "PostingSaveFixture.h"
#include "SlipPreview.h"
#include "charging/SlipPrinting.h"
#include "charging/frmChargeSlipCopies.h"
#include "charging/frmView.h"
#include "shell/HospitalSettings.h"
#include "shell/frmDeletePassword.h"

namespace qx::test {
namespace {

// Visit 5001A on account ACME (limit 5000) with a 20 % type-A discount whose code is a billing
// revenue code; lines 1001 × 3 (240.00) and 1003 × 2 (100.00).
class frmEmployeeSaveTest : public PostingSaveTest<frmEmployeeLinesTest> {
protected:
    void SetUp() override {
        PostingSaveTest::SetUp();
        if (IsSkipped())
            return;
        db().execute(QStringLiteral("INSERT INTO tbPharmaDiscounts (Discount, DiscountCode, DiscountName, TypeA, TypeB) "
                                    "VALUES (20, 'ED', 'EMPLOYEE', 1, 0), (10, 'EX', 'EXTRA', 1, 0)"));
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoRevenueCode (RevenueID, ItemName) VALUES "
                                    "('ED', 'EMPLOYEE DISCOUNT'), ('EX', 'EXTRA DISCOUNT')"));
    }
    void twoLines(const QString& visit = QStringLiteral("5001A")) {
        openOn(visit);
        type(1, 1, QStringLiteral("1001"));
        type(1, 5, QStringLiteral("TID"));
        type(2, 1, QStringLiteral("1003"));
        type(2, 5, QStringLiteral("TID"));
        type(2, 6, QStringLiteral("2"));
    }
    void applyTypeA(int index) {
        form->chkTypeA->setChecked(true);
        form->cmbA->setCurrentIndex(index);
        form->cmdApplyA->click();
    }
    QStringList rows(const QString& sql, const QVariantList& binds = {}) {
        QStringList out;
        for (Recordset r = db().query(sql, binds); !r.eof(); r.moveNext()) {
            QStringList values;
            for (int i = 0; i < r.fieldCount(); ++i) {
                const QVariant v = r.value(i);
                values << (v.isNull() ? QStringLiteral("<null>")
                           : v.typeId() == QMetaType::Double ? FormatAmount(v.toDouble())
                                                              : v.toString());
            }
            out << values.join(u'|');
        }
        return out;
    }
    QStringList stockCard(const QString& slip) {
        return rows(QStringLiteral("SELECT HospNum, IdNum, ItemID, CAST(Quantity AS INTEGER), Amount, DosageID, "
                                   "AcctNum, LocationID, RoomID, InOut, VerifyID, UserID FROM tbInvStockCard "
                                   "WHERE RefNum = ? ORDER BY ItemID"),
                    {slip});
    }
    QStringList billing() {
        return rows(QStringLiteral("SELECT PatientType, IDNum, HospNum, RefNum, RevenueID, Amount, UserID, RoomID, DrCr "
                                   "FROM billing.tbBillCharges ORDER BY id"));
    }
    QStringList messageTexts() {
        QStringList out;
        for (const auto& box : platform.messages->boxes())
            out << box.text;
        return out;
    }
    void refuseBilling() {
        if (db().isSQLite()) {
            db().executeScript(QStringLiteral("CREATE TRIGGER billing.trRefuseBill BEFORE INSERT ON tbBillCharges "
                                              "BEGIN SELECT RAISE(ABORT, 'billing refused'); END"));
        } else {
            db().executeScript(QStringLiteral("CREATE FUNCTION billing.refuse_bill() RETURNS trigger AS $$ BEGIN "
                                              "RAISE EXCEPTION 'billing refused'; END $$ LANGUAGE plpgsql"));
            db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseBill BEFORE INSERT ON billing.tbBillCharges "
                                              "FOR EACH ROW EXECUTE FUNCTION billing.refuse_bill()"));
        }
    }
};

TEST_P(frmEmployeeSaveTest, ChecksInTheirOrder) {
    struct Case {
        const char* name;
        const char* site;
        bool creditLimitSetting;
        const char* account;
        double limitAboveCharges;  // the limit less the year's charges and the transaction's net
        bool zeroLine;
        bool discountWithoutCode;
        const char* wantMessage;
        bool noDosage = false;
    };
    // The account had 4660.00 charged this year on another visit.
    const char* const overLimit = "The Total Medicine Charges (incurred for the current year) + Total Amount of Current "
                                  "Transaction already exceeds the Total Credit Limit of the Employee Account.";
    const char* const zero = "Please check the quantity or amount of the entered items. Some entries have zero value!";
    const Case cases[] = {
        {"an empty account", "", true, " ", 0, false, false, "Invalid Account Number."},
        {"equal to the limit at QVH without the setting", "QVH", false, "ACME", 0, false, false, overLimit},
        {"equal to the limit elsewhere with the setting", "", true, "ACME", 0, false, false, overLimit},
        {"equal to the limit elsewhere without the setting", "", false, "ACME", 0, false, false, ""},
        {"a centavo above with the setting", "", true, "ACME", 0.01, false, false, ""},
        {"a centavo above at QVH", "QVH", false, "ACME", 0.01, false, false, ""},
        {"the account in the box is the one checked", "", true, "FBCO", -1000, false, false, ""},
        {"a zero line after the credit", "", false, "ACME", 0, true, false, zero},
        {"a discount without its code", "", false, "ACME", 0, false, true,
         "The discount of 68.00 has no discount code to post to billing under.  Please check the discount applied."},
        // A coded line the save would skip is named, not dropped.
        {"a coded line without its dosage", "", false, "ACME", 0, false, false,
         "Line 2 (1003) has incomplete information.  Please check.", true},
    };
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5009C"), .person = {.hospNum = QStringLiteral("H000909")},
                              .accountNum = QStringLiteral("ACME")});
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, LocationID, SummaryCode, Quantity, "
                                "Amount, TransDate) VALUES ('OLD1', '1003', '5009C', '20', 'PH', 1, 4660, ?)"),
                 {db().serverNow()});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        gEmpCreditLimit = c.creditLimitSetting;
        twoLines();
        db().execute(QStringLiteral("UPDATE build_file.tbCoCompany SET CreditLimit = ? WHERE AccountNum = 'ACME'"),
                     {4660 + Val(form->lblNet->text()) + c.limitAboveCharges});
        form->txtAcctNum->setText(QString::fromLatin1(c.account));
        if (c.zeroLine)
            form->flexMSEntry->setTextMatrix(2, frmEmployee::colAmount, QStringLiteral("0.00"));
        if (c.noDosage)
            form->flexMSEntry->setTextMatrix(2, frmEmployee::colDosage, QString());
        if (c.discountWithoutCode) {
            applyTypeA(1);
            form->cmbA->setCurrentIndex(0);
        }
        platform.messages->clear();
        EXPECT_EQ(form->IsValidated(), !*c.wantMessage);
        EXPECT_EQ(lastMessage(), c.wantMessage);
        if (QByteArray(c.wantMessage) == overLimit)
            EXPECT_EQ(platform.messages->last().title, "MESSAGE");
        EXPECT_EQ(form->lblCredit->isVisibleTo(form.get()), gSiteCode == QLatin1String("QVH"));
        form.reset();
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum <> 'OLD1'")), 0);
}

TEST_P(frmEmployeeSaveTest, SavePostsTheLinesTheDiscountLineAndTheLog) {
    twoLines();
    overStockAnswers(QStringLiteral("1"), QStringLiteral("Proceed With Transaction"));
    type(1, 6, QStringLiteral("11"));  // 11 × 80 = 880.00, above the stock of 10
    applyTypeA(1);                     // 20 %: 176.00 + 20.00
    ASSERT_EQ(form->lblDiscount->text().trimmed(), "196.00");
    const QString shown = Trim(form->lblAccount[2]->text());
    form->cmdSave->click();
    EXPECT_EQ(messageTexts(), QStringList{"Saving completed successfully."});
    // The gross is posted; the discount reaches billing as one credit line under its code.
    EXPECT_EQ(stockCard(shown).join(u'\n').toStdString(),
              "H000101|5001A|1001|11|880.00|TID|ACME|20|OPD|O|<null>|1234\n"
              "H000101|5001A|1003|2|100.00|TID|ACME|20|OPD|O|<null>|1234");
    EXPECT_EQ(billing().join(u'\n').toStdString(), ("O|5001A|H000101|" + shown + "|ED|196.00|1234|OPD|C").toStdString());
    EXPECT_EQ(rows(QStringLiteral("SELECT Choice, ItemID, Quantity, OnHand, UserID FROM tbPharmaOverStockLog")),
              QStringList{"Proceed With Transaction|1001|11|10|1234"});
    EXPECT_EQ(userLog().filter(QStringLiteral("Saved Request")).join(u'\n').toStdString(),
              ("Saved Request under Patient : REYES, MARIA LOPEZ |  Reference# : " + shown).toStdString());
    // The screen is ready for the next patient; the next save takes the next number.
    EXPECT_EQ(form->txtIDNum->text(), "");
    EXPECT_EQ(cell(1, frmEmployee::colCode), "");
    EXPECT_FALSE(form->flexMSEntry->isEnabled());
    form.reset();
    twoLines();
    EXPECT_NE(Trim(form->lblAccount[2]->text()), shown);
}

TEST_P(frmEmployeeSaveTest, SupervisorRefusalWritesNothingAndApprovalStampsTheLines) {
    gHasValidation = true;
    bool approve = false;
    platform.modal->onShow<frmDeletePassword>([&approve](frmDeletePassword& w) {
        w.setOKCharge(approve);
        w.setVerifyID(approve ? QStringLiteral("9001") : QString());
        w.close();
    });
    twoLines();
    const QString shown = Trim(form->lblAccount[2]->text());
    form->cmdSave->click();
    EXPECT_EQ(messageTexts(), (QStringList{"Invalid Password.", "Saving failed. Please try again"}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_EQ(userLog().filter(QStringLiteral("Saved")), QStringList{});
    EXPECT_EQ(cell(1, frmEmployee::colCode), "1001");
    EXPECT_TRUE(form->cmdSave->isEnabled());

    approve = true;
    platform.messages->clear();
    form->cmdSave->click();
    EXPECT_EQ(messageTexts(), QStringList{"Saving completed successfully."});
    EXPECT_EQ(rows(QStringLiteral("SELECT ItemID, VerifyID FROM tbInvStockCard WHERE RefNum = ? ORDER BY ItemID"), {shown}),
              (QStringList{"1001|9001", "1003|9001"}));
    EXPECT_EQ(billing(), QStringList{}) << "no discount, no billing line";
}

TEST_P(frmEmployeeSaveTest, AFailureAtTheBillingLineLeavesNothing) {
    refuseBilling();
    twoLines();
    applyTypeA(2);  // 10 %
    const QString shown = Trim(form->lblAccount[2]->text());
    form->cmdSave->click();
    ASSERT_GE(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(messageTexts().first().contains(QStringLiteral("billing refused")));
    EXPECT_FALSE(messageTexts().contains(QStringLiteral("Saving completed successfully.")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM billing.tbBillCharges")), 0);
    EXPECT_EQ(userLog().filter(QStringLiteral("Saved")), QStringList{});
    EXPECT_EQ(cell(2, frmEmployee::colCode), "1003");
    EXPECT_EQ(Trim(form->lblAccount[2]->text()), shown);
    EXPECT_TRUE(form->cmdSave->isEnabled());
}

TEST_P(frmEmployeeSaveTest, ANewPatientsDiscountLineCarriesTheVisitOfItsLines) {
    // A registered employee of the master file: the lines open a real visit, which billing gets.
    recent->choice = QStringLiteral("H000202");
    recent->master = true;
    picker->choice = QStringLiteral("STAFF");
    form = openEmployee();
    platform.messages->answer(vbNo);
    enter(*form, QString());
    ASSERT_EQ(form->txtIDNum->text(), "NEW");
    form->txtAcctNum->setText(QStringLiteral("STAFF"));
    type(1, 1, QStringLiteral("1003"));
    type(1, 5, QStringLiteral("TID"));
    applyTypeA(1);
    const QString shown = Trim(form->lblAccount[2]->text());
    form->cmdSave->click();
    const QStringList visits = rows(QStringLiteral("SELECT DISTINCT IdNum FROM tbInvStockCard WHERE RefNum = ?"), {shown});
    ASSERT_EQ(visits.size(), 1);
    EXPECT_NE(visits.first(), "NEWOPD");
    EXPECT_EQ(billing().join(u'\n').toStdString(),
              ("O|" + visits.first() + "|H000202|" + shown + "|ED|30.00|1234|OPD|C").toStdString());
}

// Save and Print previews the shipped employee slip (switch 16) from the lines read back under the
// workstation: the items described by generic name, the discount line under its revenue name and
// the account in the dosage field.
TEST_P(frmEmployeeSaveTest, PrintSaveShowsTheShippedSlipAsItsGoldenFiles) {
    printToFiles(QStringLiteral("OPDChargeSlip_Emp.rpt"));
    setPharmaSwitch(QStringLiteral("16"), true);
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    gHospitalAddress = QStringLiteral("1 MAIN ST");
    gEmployeePosition = QStringLiteral("PHARMACIST");
    PreviewedSlip slip;
    capturePreviewedSlip(*platform.modal, slip);
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET BirthDate = ? WHERE HospNum = 'H000101'"),
                 {QDateTime(db().serverNow().date().addYears(-56), QTime(0, 0))});
    twoLines();
    applyTypeA(1);
    const QString shown = Trim(form->lblAccount[2]->text());
    form->cmdPrintSave->click();
    EXPECT_EQ(slip.shown, 1);
    EXPECT_EQ(rows(QStringLiteral("SELECT ItemID, Description, Dosage, CAST(Quantity AS INTEGER), Amount FROM "
                                  "tbPharmaChargePrint WHERE UserID = 'HOST1' AND IdNum = '5001A' AND RefNum = ? ORDER BY id"),
                   {shown})
                  .join(u'\n')
                  .toStdString(),
              "1001|PARACETAMOL 500 MG TABLET (PARACETAMOL)|ACME|3|240.00\n"
              "1003|PARACETAMOL 500 MG TABLET (CEFALEXIN)|ACME|2|100.00\n"
              "ED|EMPLOYEE DISCOUNT|ACME|1|-68.00");
    expectSlipGolden(QStringLiteral("OPDChargeSlip_Emp"), slip);
    EXPECT_EQ(printOuts(), 1) << "closed without printing, the preview is followed by the copies";
    EXPECT_EQ(logged.filter(QStringLiteral("Saved and Print")).join(u'\n').toStdString(),
              ("Saved and Print Request under Patient : REYES, MARIA LOPEZ  | Reference# : " + shown).toStdString());
    EXPECT_EQ(form->txtIDNum->text(), "");
}

// The screen's slip follows the shared print rule with the workstation's copies (no site default)
// and the copies dialog at ZMX.
TEST_P(frmEmployeeSaveTest, SlipCopiesBySwitchesAndSite) {
    printToFiles(QStringLiteral("OPDChargeSlip_Emp.rpt"));
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 1000"));
    struct Case {
        const char* name;
        bool preview, printedFromPreview;
        const char* site;
        int stored, dialogCopies;
        int wantPrints;
    };
    const Case cases[] = {
        {"no preview: the stored copies", false, false, "", 2, 0, 2},
        {"printed from the preview: no copies", true, true, "", 3, 0, 0},
        {"ZMX: the dialog's count", false, false, "ZMX", 1, 3, 3},
        {"ZMX: a count of 0 prints one", false, false, "ZMX", 1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        setPharmaSwitch(QStringLiteral("16"), c.preview);
        SaveChargeSlipCopies(QString::number(c.stored));
        platform.modal->onShow<frmView>([&c](frmView& w) {
            w.clickedPrint = c.printedFromPreview;
            w.close();
        });
        platform.modal->onShow<frmChargeSlipCopies>([&c](frmChargeSlipCopies& w) {
            w.NumCopies = qint16(c.dialogCopies);
            w.close();
        });
        twoLines();
        const int before = printOuts();
        form->cmdPrintSave->click();
        EXPECT_EQ(printOuts() - before, c.wantPrints);
        form.reset();
    }
}

QX_ON_BOTH_ENGINES(frmEmployeeSaveTest);

} // namespace
} // namespace qx::test
