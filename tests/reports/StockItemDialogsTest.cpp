#include "Builders.h"
#include "CatalogueOpening.h"
#include "charging/frmItemLookup.h"
#include "charging/frmLookup.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "reports/ReportWindows.h"
#include "reports/frmCardTransactions.h"
#include "reports/frmItemSearch.h"
#include "reports/frmLocDateRange.h"
#include "reports/frmPDEA.h"
#include "reports/frmReportEcart.h"
#include "reports/frmReportFilter.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace qx;
using namespace qx::test;

namespace {

void pressEnter(QWidget* box) {
    box->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(box, &press);
}

// The request the report window held when it came up, and whether its report opened.
struct Asked {
    qint16 code = 0;
    QString startDate, endDate, cardNum, cardTypeId, patientType, locationId, classificationId, itemId, itemName;
    bool opened = false;
};

Asked askedOf(const frmView& v) {
    return {v.WhatReport(), v.StartDate(), v.EndDate(), v.CardNum(), v.CardTypeID(), v.PatientType(), v.LocationID,
            v.ItemClassificationID, v.ItemID, v.ItemName, v.report() != nullptr};
}

QString day(const QDate& d) { return d.toString(QStringLiteral("MM/dd/yyyy")); }

// The stock, card and item dialogs over a session with the catalogue and the dialogs' openers
// registered; each modal request of the report window is read back as it comes up.
class StockItemDialogsTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        if (IsSkipped())
            return;
        RegisterReportWindowOpeners();
        gLocationID = QStringLiteral("20");
        platform.modal->onShow(QStringLiteral("qx::frmView"), [this](QWidget& w) { asked.push_back(askedOf(static_cast<frmView&>(w))); });
    }
    void TearDown() override {
        ClearWindowOpeners();
        CatalogueRequestTest::TearDown();
    }
    // Opens a dialog through its opener; `act` works it while it is up.
    template <class Dialog>
    void openDialog(const QString& name, const WindowValues& inputs, const std::function<void(Dialog&)>& act) {
        platform.modal->onShow<Dialog>([&](Dialog& d) { act(d); });
        OpenWindow(name, inputs);
    }
    int timesShown(const char* className) const {
        return int(platform.modal->shown().count(QString::fromLatin1(className)));
    }
    void addDangerousDrugs() {
        db().execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName, Status, classificationtype) "
                                    "VALUES ('C01', 'ANALGESICS', 'A', 'D'), ('C04', 'DANGEROUS DRUGS', 'A', 'D')"));
        addItem(db(), {.itemId = "1001", .name = "MORPHINE", .description = "10 MG/ML", .classificationId = "C04"});
        addItem(db(), {.itemId = "1003", .name = "D'AMPHETAMINE", .description = "5 MG TAB", .classificationId = "C04"});
        addItem(db(), {.itemId = "2001", .name = "PARACETAMOL", .description = "500 MG", .classificationId = "C01"});
    }

    std::vector<Asked> asked;
};

// ---- Card transactions ----

TEST_P(StockItemDialogsTest, CardTransactionsLooksUpTypesAndCardsAndSendsTheBoxesTrimmed) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardType (CardTypeID, CardTypeName, Status) VALUES "
                                "(1, 'GOLD', 'A'), (2, 'GOLDEN AGE', 'A'), (3, 'SILVER', 'A'), (4, 'OLD', 'I')"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, FirstName, MiddleName, CardTypeID) VALUES "
                                "('100200', 'LIM', 'ROSA', 'TAN', 1), ('300400', 'LIMA', 'JUAN', 'DE', 2)"));
    const QDate today = QDate::currentDate();
    openDialog<frmCardTransactions>(QStringLiteral("frmCardTransactions"), {}, [&](frmCardTransactions& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Card Transactions"));
        EXPECT_EQ(d.dpStartDate->value().date(), today);
        EXPECT_EQ(d.dpEndDate->value().date(), today);
        for (QLineEdit* box : {d.txtCardTypeID, d.txtCardType, d.txtZarviCard, d.txtCardHolder})
            EXPECT_EQ(box->text(), QString());

        // What the look-up window does when it comes up: pick a row, or close without a pick.
        int pickRow = 0;
        int listed = 0;
        platform.modal->onShow<frmLookup>([&](frmLookup& w) {
            listed = w.grdLookup->rows() - w.grdLookup->fixedRows();
            if (pickRow > 0) {
                w.grdLookup->setRow(pickRow);
                w.cmdOptions[1]->click();
            } else {
                w.cmdOptions[0]->click();
            }
        });
        struct Case {
            const char* name;
            QLineEdit* code;
            QLineEdit* described;
            QPushButton* look;
            const char* typed;
            int pickRow;  // 0: cancel
            bool listShown;
            int listed;
            const char* code_after;
            const char* described_after;
        };
        const Case cases[] = {
            {"type exact by id", d.txtCardTypeID, d.txtCardType, d.cmdSearchCardType, " 3 ", 0, false, 0, "3", "SILVER"},
            {"type list of every active type, picked", d.txtCardTypeID, d.txtCardType, d.cmdSearchCardType, "", 2, true, 3, "2",
             "GOLDEN AGE"},
            {"type list cancelled", d.txtCardTypeID, d.txtCardType, d.cmdSearchCardType, "GOL", 0, true, 2, "GOL", "kept"},
            {"card exact by number", d.txtZarviCard, d.txtCardHolder, d.cmdSearchCard, "100200", 0, false, 0, "100200",
             "LIM, ROSA TAN"},
            {"card by name, picked", d.txtZarviCard, d.txtCardHolder, d.cmdSearchCard, "lim", 2, true, 2, "300400",
             "LIMA, JUAN DE"},
            {"card list cancelled", d.txtZarviCard, d.txtCardHolder, d.cmdSearchCard, "LI", 0, true, 2, "LI", "kept"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            c.code->setText(QString::fromLatin1(c.typed));
            c.described->setText(QStringLiteral("kept"));
            pickRow = c.pickRow;
            listed = 0;
            const int before = timesShown("qx::frmLookup");
            c.look->click();
            EXPECT_EQ(timesShown("qx::frmLookup") - before, c.listShown ? 1 : 0);
            EXPECT_EQ(listed, c.listed);
            EXPECT_EQ(c.code->text(), QString::fromLatin1(c.code_after));
            EXPECT_EQ(c.described->text(), QString::fromLatin1(c.described_after));
        }
        // A card of another type leaves the type boxes as they stand; both go to the report.
        d.txtCardTypeID->setText(QStringLiteral("3"));
        d.txtZarviCard->setText(QStringLiteral("100200"));
        d.cmdSearchCard->click();
        EXPECT_EQ(d.txtCardTypeID->text(), QStringLiteral("3"));

        struct Sent {
            const char* typeBox;
            const char* cardBox;
            const char* typeSent;
            const char* cardSent;
        };
        const Sent sent[] = {{"3", "100200", "3", "100200"}, {" 1 ", "  555 ", "1", "555"}, {"", "", "", ""}};
        d.dpStartDate->setValue(QDateTime(today, QTime(9, 0)));
        d.dpEndDate->setValue(QDateTime(today.addDays(-5), QTime(9, 0)));
        for (const Sent& s : sent) {
            d.txtCardTypeID->setText(QString::fromLatin1(s.typeBox));
            d.txtZarviCard->setText(QString::fromLatin1(s.cardBox));
            asked.clear();
            d.cmdGenerate->click();
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_EQ(asked[0].code, 59);
            EXPECT_TRUE(asked[0].opened);
            EXPECT_EQ(asked[0].cardTypeId, QString::fromLatin1(s.typeSent));
            EXPECT_EQ(asked[0].cardNum, QString::fromLatin1(s.cardSent));
            // Reversed dates go as they are.
            EXPECT_EQ(asked[0].startDate, day(today));
            EXPECT_EQ(asked[0].endDate, day(today.addDays(-5)));
        }
        EXPECT_TRUE(d.isVisible());
        d.cmdClose->click();
    });
    // Opened again after Close: today and empty boxes.
    openDialog<frmCardTransactions>(QStringLiteral("frmCardTransactions"), {}, [&](frmCardTransactions& d) {
        EXPECT_EQ(d.dpEndDate->value().date(), today);
        EXPECT_EQ(d.txtCardTypeID->text() + d.txtCardType->text() + d.txtZarviCard->text() + d.txtCardHolder->text(), QString());
    });
}

// ---- E-cart income ----

TEST_P(StockItemDialogsTest, EcartIncomeAlwaysRequestsCode80WithThePatientType) {
    const QDate today = QDate::currentDate();
    openDialog<frmReportEcart>(QStringLiteral("frmReportEcart"), {{QStringLiteral("ReportType"), 11}}, [&](frmReportEcart& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("E-Cart Income Report"));
        EXPECT_EQ(d.ReportType(), 11);
        EXPECT_TRUE(d.optPType[0]->isChecked());
        EXPECT_EQ(d.dpStartDate->value(), QDateTime(today, QTime(0, 0)));
        d.dpEndDate->setValue(QDateTime(today.addDays(-2), QTime(0, 0)));
        const std::pair<int, const char*> options[] = {{0, "ALL"}, {1, "IPD"}, {2, "OPD"}, {2, "OPD"}};
        for (const auto& [option, type] : options) {
            d.optPType[option]->click();
            asked.clear();
            d.cmdGenerate->click();
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_EQ(asked[0].code, 80);
            EXPECT_TRUE(asked[0].opened);
            EXPECT_EQ(asked[0].patientType, QString::fromLatin1(type));
            EXPECT_EQ(asked[0].startDate, day(today));
            EXPECT_EQ(asked[0].endDate, day(today.addDays(-2)));
        }
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.optPType[2]->isChecked());
        d.cmdClose->click();
    });
    openDialog<frmReportEcart>(QStringLiteral("frmReportEcart"), {}, [&](frmReportEcart& d) {
        EXPECT_TRUE(d.optPType[0]->isChecked());
        EXPECT_EQ(d.dpEndDate->value().date(), today);
    });
}

// ---- Location, classification and date range ----

TEST_P(StockItemDialogsTest, LocDateRangeFillsItsRowsPerCodeAndSendsIdsWhole) {
    db().execute(QStringLiteral("INSERT INTO tbInvLocation (LocationID, Location, Status) VALUES "
                                "('20', 'MAIN PHARMACY', 'A'), ('186', 'SATELLITE', 'I'), ('21', 'CENTRAL SUPPLY', 'A')"));
    db().execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName, Status, classificationtype) "
                                "VALUES ('C01', 'ANTIBIOTICS', 'A', 'D'), ('C02', 'SUTURES', 'A', 'S'), ('C03', 'OLD', 'I', 'D'), "
                                "('C0004-LONG', 'VITAMINS', 'A', 'D')"));
    const QString serverDay = day(db().serverNow().date());
    const WindowValues noLocation{{QStringLiteral("Label1.Visible"), false}, {QStringLiteral("cbLocation.Visible"), false}};
    auto with = [](WindowValues v, const QString& key, const QVariant& value) {
        v.insert(key, value);
        return v;
    };
    const WindowValues consumption{{QStringLiteral("FrameLoc.Visible"), false},
                                   {QStringLiteral("chkClassification.Visible"), true},
                                   {QStringLiteral("frameClassification.Visible"), true}};
    struct Case {
        const char* name;
        qint16 code;
        const char* site;
        WindowValues settings;
        const char* caption;
        bool locationShown, locationEnabled;
        int locations;           // entries of the location list
        int pickLocation;        // -1 none
        int clicks;              // clicks on "Filter by Classification"
        int pickClassification;  // -1 none
        const char* locationSent;
        const char* classificationSent;
    };
    const Case cases[] = {
        {"fast summary", 83, "DEMO", {}, "", true, true, 3, 1, 0, -1, "20", "%"},
        {"slow summary, nothing chosen", 85, "DEMO", {}, "", true, true, 3, -1, 0, -1, "", "%"},
        {"fast summary at K7ZA", 83, "K7ZA", with(noLocation, "Caption", "Fast Moving Drugs"), "Fast Moving Drugs", false, true, 3, 2,
         0, -1, "20", "%"},
        {"slow summary at ZMX", 89, "ZMX", with(noLocation, "Caption", "Slow Moving Drugs"), "Slow Moving Drugs", false, false, 0, -1,
         0, -1, "", "%"},
        {"fast by classification", 84, "DEMO", noLocation, "", false, false, 0, -1, 0, -1, "", "%"},
        {"slow by classification", 86, "DEMO", {}, "", true, false, 0, -1, 0, -1, "", "%"},
        {"expiring", 90, "DEMO", with(noLocation, "Caption", "Expiring Drugs"), "Expiring Drugs", false, false, 0, -1, 0, -1, "", "%"},
        {"consumption, ticked", 91, "HUZTO", consumption, "", false, false, 0, -1, 1, 1, "", "C0004-LONG"},
        {"consumption, ticked, none chosen", 91, "ZMX", consumption, "", false, false, 0, -1, 1, -1, "", ""},
        {"consumption, ticked and unticked", 91, "ZMX", consumption, "", false, false, 0, -1, 2, 0, "", "%"},
        {"consumption, never ticked", 91, "ZMX", consumption, "", false, false, 0, -1, 0, 0, "", "%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        WindowValues inputs = c.settings;
        inputs.insert(QStringLiteral("ReportType"), c.code);
        asked.clear();
        openDialog<frmLocDateRange>(QStringLiteral("frmLocDateRange"), inputs, [&](frmLocDateRange& d) {
            EXPECT_EQ(d.windowTitle(), QString::fromLatin1(c.caption));
            EXPECT_EQ(d.cbLocation->isVisible() && d.FrameLoc->isVisible(), c.locationShown);
            EXPECT_EQ(d.cbLocation->isEnabled(), c.locationEnabled);
            EXPECT_EQ(d.cbLocation->count(), c.locations);
            if (c.locations > 0) {
                EXPECT_EQ(d.cbLocation->itemText(0), QStringLiteral("CENTRAL SUPPLY"));
            }
            EXPECT_EQ(d.cbClassification->count(), 2);  // active drug classifications
            EXPECT_EQ(d.frameClassification->isVisible(), c.code == 91);
            EXPECT_EQ(d.dpStartDate->value().toString(QStringLiteral("MM/dd/yyyy")), serverDay);
            d.cbLocation->setCurrentIndex(c.pickLocation);
            for (int i = 0; i < c.clicks; ++i)
                d.chkClassification->click();
            // Until the first click the row keeps its design state, enabled.
            EXPECT_EQ(d.frameClassification->isEnabled(), c.clicks != 2);
            d.cbClassification->setCurrentIndex(c.pickClassification);
            d.dpStartDate->setValue(QDateTime(QDate(2026, 11, 3), QTime(8, 0)));
            d.dpEndDate->setValue(QDateTime(QDate(2027, 2, 1), QTime(8, 0)));
            d.cmdOK->click();
            d.cmdOK->click();  // stays open for another request
            EXPECT_TRUE(d.isVisible());
            d.cmdCancel->click();
        });
        ASSERT_EQ(asked.size(), 2u);
        EXPECT_EQ(asked[0].code, c.code);
        EXPECT_TRUE(asked[0].opened);
        EXPECT_EQ(asked[0].locationId, QString::fromLatin1(c.locationSent));
        EXPECT_EQ(asked[0].classificationId, QString::fromLatin1(c.classificationSent));
        EXPECT_EQ(asked[0].startDate, QStringLiteral("11/03/2026"));
        EXPECT_EQ(asked[0].endDate, QStringLiteral("02/01/2027"));
    }
}

// ---- Dangerous drugs ----

TEST_P(StockItemDialogsTest, PDEAPicksADangerousDrugByCodeOrInTheSearch) {
    addDangerousDrugs();
    // What the item search shows when it comes up, and the row it picks (0: closed without one).
    struct Seen {
        QString searchText;
        QStringList codes;
    };
    std::vector<Seen> searches;
    int pickRow = 0;
    platform.modal->onShow<frmItemSearch>([&](frmItemSearch& w) {
        Seen seen{w.txtItemCode->text(), {}};
        for (int r = w.fgItems->fixedRows(); r < w.fgItems->rows(); ++r)
            seen.codes << w.fgItems->textMatrix(r, 0);
        EXPECT_EQ(w.fgItems->colWidth(1), 3345);
        searches.push_back(seen);
        if (pickRow > 0) {
            w.fgItems->setRow(pickRow);
            w.cmdSelect->click();
        }
    });
    struct Case {
        const char* name;
        const char* typed;
        int pickRow;
        bool searchShown;
        QStringList listed;
        const char* text;
        const char* tag;
    };
    const QStringList none{QString()};  // an empty search leaves one blank line
    const Case cases[] = {
        {"numeric dangerous drug, taken at once", " 1001 ", 0, false, {}, "MORPHINE 10 MG/ML", "1001"},
        {"numeric other code, searched, closed", "2001", 0, true, none, "2001", "1001"},
        {"name with an apostrophe, picked", "d'amph", 1, true, {"1003"}, "D'AMPHETAMINE 5 MG TAB", "1003"},
        {"empty text lists every dangerous drug", "", 2, true, {"1003", "1001"}, "MORPHINE 10 MG/ML", "1001"},
    };
    openDialog<frmPDEA>(QStringLiteral("frmPDEA"), {}, [&](frmPDEA& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("PDEA REPORT"));
        EXPECT_EQ(d.dtStartDate->value().date(), QDate::currentDate());
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            d.txtDRUG->setText(QString::fromLatin1(c.typed));
            pickRow = c.pickRow;
            searches.clear();
            pressEnter(d.txtDRUG);
            ASSERT_EQ(searches.size(), c.searchShown ? 1u : 0u);
            if (c.searchShown) {
                EXPECT_EQ(searches[0].searchText, Trim(QString::fromLatin1(c.typed)));
                EXPECT_EQ(searches[0].codes, c.listed);
            }
            EXPECT_EQ(d.txtDRUG->text(), QString::fromLatin1(c.text));
            EXPECT_EQ(d.txtDRUGTag, QString::fromLatin1(c.tag));
        }
        for (const auto& box : platform.messages->boxes())
            ADD_FAILURE() << box.text.toStdString();
        platform.messages->clear();

        // The checks: an empty text, then a first day after the last; nothing is requested.
        d.txtDRUG->setText(QStringLiteral("  "));
        d.cmdOK->click();
        d.txtDRUG->setText(QStringLiteral("MORPHINE (EDITED)"));
        d.dtStartDate->setValue(QDateTime(QDate::currentDate(), QTime(0, 0)));
        d.DTEndDate->setValue(QDateTime(QDate::currentDate().addDays(-1), QTime(0, 0)));
        d.cmdOK->click();
        ASSERT_EQ(platform.messages->boxes().size(), 2u);
        EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("No item selected!"));
        EXPECT_EQ(platform.messages->boxes()[1].text, QStringLiteral("Invalid date!"));
        EXPECT_EQ(platform.messages->boxes()[1].style & vbExclamation, vbExclamation);
        EXPECT_FALSE(ReportWindow().isVisible());

        // Equal days pass; the edited name goes with the code of the last pick.
        d.dtStartDate->setValue(QDateTime(QDate::currentDate().addDays(-1), QTime(0, 0)));
        d.cmdOK->click();
        EXPECT_FALSE(d.isVisible());
    });
    // The report stays up modeless beside the main window, loaded with the request.
    frmView& window = ReportWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(timesShown("qx::frmView"), 0);
    EXPECT_EQ(window.WhatReport(), 87);
    EXPECT_EQ(window.ItemID, QStringLiteral("1001"));
    EXPECT_EQ(window.ItemName, QStringLiteral("MORPHINE (EDITED)"));
    const QString yesterday = day(QDate::currentDate().addDays(-1));
    EXPECT_EQ(window.StartDate(), yesterday);
    EXPECT_EQ(window.EndDate(), yesterday);
    auto reportItem = [&] {
        for (auto& f : window.report()->parameterFields())
            if (f.name().toUpper() == QStringLiteral("@ITEMID"))
                return f.effectiveValue().toString();
        return QStringLiteral("-");
    };
    ASSERT_NE(window.report(), nullptr);
    EXPECT_EQ(reportItem(), QStringLiteral("1001"));

    // A new request while it is up opens afresh from a design state: today, an empty drug.
    openDialog<frmPDEA>(QStringLiteral("frmPDEA"), {}, [&](frmPDEA& d) {
        EXPECT_EQ(d.txtDRUG->text(), QString());
        EXPECT_EQ(d.DTEndDate->value().date(), QDate::currentDate());
        d.txtDRUG->setText(QStringLiteral("1003"));
        d.cmdSearch->click();
        d.cmdOK->click();
    });
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(reportItem(), QStringLiteral("1003"));
    window.close();
}

// ---- Corrected items ----

TEST_P(StockItemDialogsTest, CorrectedItemsTakesTheTypedOrPickedItem) {
    addItem(db(), {.itemId = "AMX5", .name = "AMOXICILLIN", .description = "500 MG CAP"});
    addItem(db(), {.itemId = "AMB1", .name = "AMBROXOL", .description = "30 MG", .location = "186"});
    QString lookupLocation;
    int listed = 0;
    bool pick = false;
    platform.modal->onShow<frmItemLookup>([&](frmItemLookup& w) {
        listed = w.grdLookup->rows() - w.grdLookup->fixedRows();
        lookupLocation = w.txtLocation->text();
        if (pick) {
            w.grdLookup->setRow(1);
            w.cmdOptions[1]->click();
        } else {
            w.close();
        }
    });
    openDialog<frmReportFilter>(QStringLiteral("frmReportFilter"), {}, [&](frmReportFilter& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("List of Corrected Items"));
        EXPECT_TRUE(d.txtItemName->isReadOnly());
        EXPECT_EQ(d.dpStartDate->value().date(), QDate::currentDate());

        // Enter looks up among the items of the workstation's location; closed without a choice
        // the boxes stay.
        d.txtItemCode->setText(QStringLiteral("AM"));
        d.txtItemName->setText(QStringLiteral("kept"));
        pressEnter(d.txtItemCode);
        EXPECT_EQ(listed, 1);
        EXPECT_EQ(lookupLocation, QString());
        EXPECT_EQ(d.txtItemCode->text(), QStringLiteral("AM"));
        EXPECT_EQ(d.txtItemName->text(), QStringLiteral("kept"));
        pick = true;
        d.cmdItemSearch->click();
        EXPECT_EQ(d.txtItemCode->text(), QStringLiteral("AMX5"));
        EXPECT_EQ(d.txtItemName->text(), QStringLiteral("AMOXICILLIN"));

        const QDate today = QDate::currentDate();
        d.dpStartDate->setValue(QDateTime(today, QTime(10, 0)));
        d.dpEndDate->setValue(QDateTime(today.addDays(-3), QTime(10, 0)));
        for (const char* box : {"AMX5", " typed ", ""}) {
            d.txtItemCode->setText(QString::fromLatin1(box));
            asked.clear();
            d.cmdOK->click();
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_EQ(asked[0].code, 95);
            EXPECT_TRUE(asked[0].opened);
            EXPECT_EQ(asked[0].itemId, QString::fromLatin1(box));
            EXPECT_EQ(asked[0].startDate, day(today));
            EXPECT_EQ(asked[0].endDate, day(today.addDays(-3)));
        }
        EXPECT_TRUE(d.isVisible());
        d.cmdCancel->click();
    });
    openDialog<frmReportFilter>(QStringLiteral("frmReportFilter"), {}, [&](frmReportFilter& d) {
        EXPECT_EQ(d.txtItemCode->text() + d.txtItemName->text(), QString());
    });
}

// A failing query is told; the dialog stays usable.
TEST_P(StockItemDialogsTest, AFailingQueryIsToldAndTheDialogGoesOn) {
    db().executeScript(QStringLiteral("DROP TABLE tbInvClassification"));
    frmPDEA pdea;
    pdea.Form_Load();
    pdea.txtDRUG->setText(QStringLiteral("1001"));
    pdea.cmdSearch->click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(pdea.txtDRUGTag, QString());
    platform.messages->clear();
    const int before = timesShown("qx::frmLocDateRange");
    OpenWindow(QStringLiteral("frmLocDateRange"), {{QStringLiteral("ReportType"), 83}});
    EXPECT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(timesShown("qx::frmLocDateRange"), before);
}

QX_ON_BOTH_ENGINES(StockItemDialogsTest);

} // namespace
