#include "CashSideFixture.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/clsCashInfo.h"

using namespace qx;
using namespace qx::test;

namespace {

class clsCashInfoTest : public CashSideTest {
protected:
    void SetUp() override {
        CashSideTest::SetUp();
        if (IsSkipped())
            return;
        addAdmittedPatient(db());
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1003"),
                                  .person = {.hospNum = QStringLiteral("H000003"), .lastName = QStringLiteral("REYES"),
                                             .firstName = QStringLiteral("ANA")},
                                  .roomId = QStringLiteral("205"), .stationId = QStringLiteral("2F"),
                                  .billingDate = today.addDays(-1)});
        // Unpaid today (two lines), unpaid today for a billed patient, paid and issued, paid and
        // not issued, revoked today, unpaid yesterday.
        addAssessmentLine({.refNum = QStringLiteral("PH000001"), .amount = 10.5});
        addAssessmentLine({.refNum = QStringLiteral("PH000001"), .itemId = QStringLiteral("AMOX500"), .amount = 4.25});
        addAssessmentLine({.refNum = QStringLiteral("PH000005"), .idNum = QStringLiteral("1003"),
                           .hospNum = QStringLiteral("H000003"), .name = QStringLiteral("REYES, ANA"),
                           .transDate = today.addSecs(3600)});
        addAssessmentLine({.refNum = QStringLiteral("PH000002"), .orNumber = QStringLiteral("OR-1")});
        addAssessmentLine({.refNum = QStringLiteral("PH000006"), .transDate = today.addSecs(600),
                           .orNumber = QStringLiteral("OR-2")});
        addAssessmentLine({.refNum = QStringLiteral("PH000003"), .recordStatus = QStringLiteral("R")});
        addAssessmentLine({.refNum = QStringLiteral("PH000004"), .transDate = today.addDays(-1)});
        addStockCardLine(QStringLiteral("PH000002"), QVariant(QStringLiteral("CASH-01")));
    }

    void addStockCardLine(const QString& refNum, const QVariant& cashIdNum) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, CashIDnum) VALUES (?, 'PARA500', ?)"),
                     {refNum, cashIdNum});
    }
    // Column `col` of every row, as the work-list grid shows it.
    static QStringList column(const Recordset& rs, int col) {
        QStringList values;
        for (int r = 0; r < rs.recordCount(); ++r)
            values << Text(rs.valueAt(r, col));
        return values;
    }
    QStringList statuses(const QString& refNum) {
        QStringList out;
        for (Recordset rs = db().query(QStringLiteral("SELECT RecordStatus FROM billing.tbCashAssessment WHERE RefNum = ? "
                                                      "ORDER BY id"),
                                       {refNum});
             !rs.eof(); rs.moveNext())
            out << rs.text(QStringLiteral("RecordStatus"));
        return out;
    }

    clsCashInfo cash;
};

TEST_P(clsCashInfoTest, UnpaidAndRevokedListsCarryTheColumnsTheWorkListReads) {
    const Recordset& unpaid = cash.LoadPharmaAssessment(1, QString());
    EXPECT_EQ(columnsOf(unpaid), (QStringList{"assessmentnum", "idnum", "patientname", "roomid", "hospnum", "transdate",
                                              "billingdate", "amount", "userid"}));
    EXPECT_EQ(column(unpaid, 0), (QStringList{"PH000001", "PH000005"}));
    EXPECT_EQ(column(unpaid, 1), (QStringList{"1001", "1003"}));
    EXPECT_EQ(column(unpaid, 2), (QStringList{"DELA CRUZ, JUAN SANTOS", "REYES, ANA"}));
    EXPECT_EQ(column(unpaid, 3), (QStringList{"301", "205"}));
    // Column 6 is not empty once the patient's bill is closed.
    EXPECT_EQ(Text(unpaid.valueAt(0, 6)), QString());
    EXPECT_FALSE(Text(unpaid.valueAt(1, 6)).isEmpty());
    EXPECT_EQ(Format(unpaid.valueAt(0, 7), QStringLiteral("0.00")), QStringLiteral("14.75"));

    struct Case { qint16 option; QString search; QStringList refs; };
    const Case cases[] = {
        {2, QString(), {"PH000004"}},
        {3, QString(), {"PH000003"}},
        {4, QString(), {}},
        {1, QStringLiteral("cruz"), {"PH000001"}},
        {1, QStringLiteral("ph000005"), {"PH000005"}},
        {1, QStringLiteral("   "), {"PH000001", "PH000005"}},
        {1, QStringLiteral("O'NEIL"), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(column(cash.LoadPharmaAssessment(c.option, c.search), 0), c.refs)
            << c.option << " " << c.search.toStdString();
}

TEST_P(clsCashInfoTest, PaidListMarksIssuedAssessmentsAndEndsWithTheNumber) {
    const Recordset& paid = cash.LoadPharmaPaidAssessment(1, QString());
    EXPECT_EQ(columnsOf(paid), (QStringList{"issued", "idnum", "patientname", "roomid", "hospnum", "ornumber", "billingdate",
                                            "transdate", "assessmentnum"}));
    EXPECT_EQ(column(paid, 0), (QStringList{"*", ""}));
    EXPECT_EQ(column(paid, 1), (QStringList{"1001", "1001"}));
    EXPECT_EQ(column(paid, 3), (QStringList{"301", "301"}));
    EXPECT_EQ(column(paid, 5), (QStringList{"OR-1", "OR-2"}));
    EXPECT_EQ(column(paid, 8), (QStringList{"PH000002", "PH000006"}));
    EXPECT_EQ(column(cash.LoadPharmaPaidAssessment(1, QStringLiteral("or-2")), 8), QStringList{"PH000006"});
    EXPECT_EQ(cash.LoadPharmaPaidAssessment(2, QString()).recordCount(), 0);

    const Recordset& items = cash.LoadPharmaPaidAssessmentItems(QStringLiteral("OR-1"));
    EXPECT_EQ(column(items, 0), QStringList{"PH000002"});
}

TEST_P(clsCashInfoTest, EveryLoadHandsBackTheOneList) {
    const Recordset& first = cash.LoadPharmaAssessment(1, QString());
    ASSERT_EQ(first.recordCount(), 2);
    const Recordset& second = cash.LoadPharmaAssessment(3, QString());
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(column(first, 0), QStringList{"PH000003"});
    EXPECT_EQ(&cash.LoadPharmaPrescription(1, 1), &cash.list());
}

TEST_P(clsCashInfoTest, PrescriptionListsOfTakeHomeMedicinesAndRefills) {
    addOutPatientVisit(db());
    for (const QVariantList& line : {QVariantList{"1001", "PARA500", "HM-1", QVariant()},
                                     QVariantList{"1001", "AMOX500", "HM-1", QVariant()},
                                     QVariantList{"1003", "PARA500", "HM-2", QStringLiteral("S")},
                                     QVariantList{"5001A", "PARA500", "HM-3", QVariant()}})
        db().execute(QStringLiteral("INSERT INTO station.tbNurseHomeMeds (IdNum, ItemID, ReferenceNum, RecordStatus) "
                                    "VALUES (?, ?, ?, ?)"),
                     line);
    const Recordset& admitted = cash.LoadPharmaPrescription(1, 1);
    EXPECT_EQ(column(admitted, 1), QStringList{"1001"});
    EXPECT_EQ(column(admitted, 3), QStringList{"301"});
    EXPECT_EQ(column(admitted, 5), QStringList{"3F"});
    EXPECT_EQ(column(cash.LoadPharmaPrescription(3, 1), 1), QStringList{"5001A"});
    EXPECT_EQ(cash.LoadPharmaPrescription(4, 1).recordCount(), 0);

    db().execute(QStringLiteral("INSERT INTO tbInvPrescriptionOrders (IdNum, Orders) VALUES ('1003', 'CONTINUE')"));
    const Recordset& refills = cash.LoadPharmaPrescription(1, 0);
    EXPECT_EQ(column(refills, 0), QStringList{"1003"});
    EXPECT_EQ(column(refills, 1), QStringList{"REYES, ANA SANTOS"});
}

TEST_P(clsCashInfoTest, RevocationSaysWhetherAnAssessmentWasRevoked) {
    EXPECT_TRUE(cash.Revoke_Assessment(QStringLiteral("PH000001")));
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Request has been revoked."));
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
    EXPECT_EQ(statuses(QStringLiteral("PH000001")), (QStringList{"R", "R"}));
    EXPECT_EQ(column(cash.LoadPharmaAssessment(3, QString()), 0), (QStringList{"PH000001", "PH000003"}));

    // Already revoked, paid, or carried by no assessment: nothing changes and the user is told.
    for (const QString& refNum : {QStringLiteral("PH000001"), QStringLiteral("PH000002"), QStringLiteral("NO'SUCH")}) {
        platform.messages->clear();
        EXPECT_FALSE(cash.Revoke_Assessment(refNum)) << refNum.toStdString();
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("No unpaid assessment carries this number. Nothing was revoked."));
        EXPECT_EQ(platform.messages->last().icon(), vbExclamation);
    }
    EXPECT_EQ(statuses(QStringLiteral("PH000002")), QStringList{""});

    db().executeScript(QStringLiteral("DROP TABLE billing.tbCashAssessment"));
    platform.messages->clear();
    EXPECT_FALSE(cash.Revoke_Assessment(QStringLiteral("PH000005")));
    EXPECT_EQ(platform.messages->texts(), QStringList{"Error in Saving. "});
    EXPECT_EQ(platform.messages->last().icon(), vbCritical);
}

TEST_P(clsCashInfoTest, FailedLoadsNameTheirOperation) {
    db().executeScript(QStringLiteral("DROP TABLE billing.tbCashAssessment"));
    db().executeScript(QStringLiteral("DROP TABLE station.tbNurseHomeMeds"));
    struct Case { std::function<void()> load; long number; QString source; };
    const Case cases[] = {
        {[this] { cash.LoadPharmaAssessment(1, QString()); }, kDbErrorNumber, QStringLiteral("LoadPharmaAssessment")},
        {[this] { cash.LoadPharmaAssessment(1, QStringLiteral("X")); }, kDbErrorNumber, QStringLiteral("LoadPharmaAssessment")},
        {[this] { cash.LoadPharmaPaidAssessment(1, QString()); }, kDbErrorNumber, QStringLiteral("LoadPharmaPaidAssessment")},
        {[this] { cash.LoadPharmaPaidAssessmentItems(QStringLiteral("OR-1")); }, kDbErrorNumber,
         QStringLiteral("LoadPharmaPaidAssessmentItems")},
        {[this] { cash.LoadPharmaPrescription(1, 1); }, kRaisedAgainNumber,
         QStringLiteral("prjQuillax.clsCashInfo.LoadPharmaPrescription")},
    };
    for (const Case& c : cases) {
        try {
            c.load();
            ADD_FAILURE() << "no error from " << c.source.toStdString();
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), c.number) << c.source.toStdString();
            EXPECT_EQ(e.source(), c.source);
            if (c.number == kRaisedAgainNumber) {
                EXPECT_TRUE(e.description().endsWith(QStringLiteral("\nin prjQuillax.clsCashInfo.LoadPharmaPrescription at line 108")))
                    << e.description().toStdString();
            }
        }
    }
}

TEST_P(clsCashInfoTest, HospitalHeaderCashAdmissionNumberAndCommunication) {
    cash.setHospitalName(QStringLiteral("KEPT"));
    EXPECT_FALSE(cash.GetHospitalInfo());
    EXPECT_EQ(cash.HospitalName(), QStringLiteral("KEPT"));
    db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Company, Address1) VALUES ('ST. LUKE''S', '1 MAIN ST')"));
    ASSERT_TRUE(cash.GetHospitalInfo());
    EXPECT_EQ(cash.HospitalName(), QStringLiteral("ST. LUKE'S"));
    EXPECT_EQ(cash.HospitalAddress(), QStringLiteral("1 MAIN ST"));
    EXPECT_TRUE(IsDate(cash.ServerDate())) << cash.ServerDate().toStdString();

    addStockCardLine(QStringLiteral("CS-1"), QVariant());
    EXPECT_EQ(cash.GetCashAdmNum(QStringLiteral("PH000002")), QStringLiteral("CASH-01"));
    EXPECT_EQ(cash.GetCashAdmNum(QStringLiteral("CS-1")), QStringLiteral("CASH"));
    EXPECT_EQ(cash.GetCashAdmNum(QStringLiteral("NONE")), QStringLiteral("CASH"));

    for (const char* ref : {"CS-1", "CS-1", "CS-2"})
        db().execute(QStringLiteral("INSERT INTO billing.tbCashCommunication (Refnum) VALUES (?)"), {QString::fromLatin1(ref)});
    cash.Update_CashCommunication(QStringLiteral("CS-1"));
    Recordset rs = db().query(QStringLiteral("SELECT Refnum, COALESCE(RecordStatus, '') AS RecordStatus "
                                             "FROM billing.tbCashCommunication ORDER BY id"));
    QStringList rows;
    for (; !rs.eof(); rs.moveNext())
        rows << rs.text(QStringLiteral("Refnum")) + "=" + rs.text(QStringLiteral("RecordStatus"));
    EXPECT_EQ(rows, (QStringList{"CS-1=Y", "CS-1=Y", "CS-2="}));
}

QX_ON_BOTH_ENGINES(clsCashInfoTest);

} // namespace
