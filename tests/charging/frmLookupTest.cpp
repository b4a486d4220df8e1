#include "LookupDialogFixture.h"
#include "charging/frmLookup.h"
#include "platform/PictureButton.h"

#include <QLabel>

using namespace qx;
using namespace qx::test;

namespace {

class frmLookupTest : public CardDataTest {
protected:
    void use(frmLookup& dialog, const std::function<void(frmLookup&)>& act) {
        platform.modal->onNextShow([&](QWidget& w) {
            activate(w);
            act(static_cast<frmLookup&>(w));
        });
        showModal(dialog);
    }
};

TEST_P(frmLookupTest, SearchesEachList) {
    struct Case {
        int type;
        QString search;
        QStringList codes;
        QString caption;
    } cases[] = {
        {1, "", {"14", "12", "1"}, "Card Type"},           // active types by name
        {1, "12", {"12"}, "Card Type"},
        {1, " 12 ", {"12"}, "Card Type"},
        {1, "13", {}, "Card Type"},                        // inactive
        {1, "dis", {"14", "12"}, "Card Type"},
        {1, "DISP", {}, "Card Type"},
        {1, "12.5", {}, "Card Type"},
        {1, "O'", {}, "Card Type"},
        {2, "", {"77", "1A001", "12AB"}, "Card Number"},   // cards with a last name, by holder name
        {2, "12ab", {"12AB"}, "Card Number"},               // two digits first: a whole card number
        {2, "1A", {}, "Card Number"},                       // else the start of a last name
        {2, "san", {"1A001", "12AB"}, "Card Number"},
        {2, "o'b", {"77"}, "Card Number"},
        {3, "", {"02", "01"}, "Business Class"},            // medicine classes by description
        {3, "05", {"05"}, "Business Class"},                // a code is found whatever the class
        {3, "mer", {}, "Business Class"},
        {3, "MEDICI", {"01"}, "Business Class"},
        {7, "", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((QString::number(c.type) + QStringLiteral(" '") + c.search + QStringLiteral("'")).toStdString());
        frmLookup dialog;
        dialog.setSearchString(c.search);
        dialog.setLookupType(c.type);
        gLookupResult = QStringLiteral("stale");
        dialog.Load();
        EXPECT_EQ(gLookupResult, QString());
        EXPECT_EQ(dialog.windowTitle(), c.caption);
        EXPECT_EQ(dialog.txtSearch->text(), c.search);
        EXPECT_EQ(column(*dialog.grdLookup, 1), c.codes);
        EXPECT_EQ(dialog.grdLookup->isEnabled(), !c.codes.isEmpty());
        EXPECT_EQ(dialog.cmdOptions[1]->isEnabled(), !c.codes.isEmpty());
        EXPECT_EQ(dialog.blnExactMatch, c.codes.size() == 1);
        EXPECT_EQ(dialog.SearchString(), c.codes.size() == 1 ? c.codes[0] : c.search);
        dialog.Unload();
    }
    EXPECT_TRUE(platform.messages->boxes().empty());
}

// `%`, `_` and a backslash typed into the search box are characters, not wildcards or an escape.
TEST_P(frmLookupTest, TypedWildcardsMatchOnlyThemselves) {
    const char* const names[] = {"A\\B", "A%B", "A_B", "AXB"};
    for (int i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(names[i]);
        db().execute(QStringLiteral("INSERT INTO tbPharmaCardType (CardTypeID, CardTypeName, Status) VALUES (?, ?, 'A')"),
                     {50 + i, name});
        db().execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, FirstName, CardTypeID) VALUES (?, ?, 'ZED', 1)"),
                     {QStringLiteral("X%1").arg(i), name});
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoBusinessClass (Code, Description, isMedicine) VALUES (?, ?, 1)"),
                     {QStringLiteral("X%1").arg(i), name});
    }
    struct Case { const char* search; int found; } cases[] = {{"a\\", 0}, {"a%", 1}, {"a_", 2}, {"ax", 3}};
    for (const Case& c : cases)
        for (int type = 1; type <= 3; ++type) {
            SCOPED_TRACE(std::to_string(type) + " " + c.search);
            frmLookup dialog;
            dialog.setSearchString(QString::fromLatin1(c.search));
            dialog.setLookupType(type);
            dialog.Load();
            EXPECT_EQ(column(*dialog.grdLookup, 1),
                      QStringList{type == 1 ? QString::number(50 + c.found) : QStringLiteral("X%1").arg(c.found)});
            dialog.Unload();
        }
}

TEST_P(frmLookupTest, ListsShowTheirColumns) {
    struct Case { int type; QStringList headers; QStringList firstRow; } cases[] = {
        {1, {"CardTypeName", "Code"}, {"DISABILITY CARD", "14"}},
        {2, {"CardHolder Name", "Code", "CardTypeID"}, {"O'BRIEN, PAT ", "77", "14"}},
        {3, {"Description", "Code"}, {"MEDICAL SUPPLIES", "02"}},
    };
    for (const Case& c : cases) {
        frmLookup dialog;
        dialog.setLookupType(c.type);
        dialog.Load();
        const FlexGrid& grid = *dialog.grdLookup;
        ASSERT_EQ(grid.cols(), c.headers.size());
        for (int col = 0; col < grid.cols(); ++col) {
            EXPECT_EQ(grid.textMatrix(0, col), c.headers[col]);
            EXPECT_EQ(grid.textMatrix(1, col), c.firstRow[col]);
        }
        EXPECT_EQ(grid.colWidth(0), 4200);
        dialog.Unload();
    }
}

TEST_P(frmLookupTest, KeyboardSearchAndSelect) {
    frmLookup dialog;
    dialog.setLookupType(frmLookup::CardNumbers);
    dialog.setSearchString(QStringLiteral("ZZZ"));
    use(dialog, [&](frmLookup& d) {
        EXPECT_EQ(QApplication::focusWidget(), d.txtSearch);
        EXPECT_FALSE(d.grdLookup->isEnabled());
        d.txtSearch->clear();
        typeText(d.txtSearch, QStringLiteral("sa"));
        EXPECT_EQ(d.txtSearch->text(), QStringLiteral("SA"));
        pressKey(d.txtSearch, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(QApplication::focusWidget(), d.grdLookup);
        EXPECT_EQ(column(*d.grdLookup, 1), (QStringList{"1A001", "12AB"}));
        EXPECT_FALSE(d.blnExactMatch);
        pressKey(d.grdLookup, Qt::Key_Down);
        pressKey(d.grdLookup, Qt::Key_Return, QStringLiteral("\r"));
    });
    EXPECT_EQ(gLookupResult, QStringLiteral("12AB"));
    EXPECT_EQ(dialog.CardTypeID(), QStringLiteral("12"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_P(frmLookupTest, SingleRowFoundByTheSearchButtonStillWaitsForSelect) {
    frmLookup dialog;
    dialog.setLookupType(frmLookup::CardTypes);
    use(dialog, [&](frmLookup& d) {
        d.txtSearch->setText(QStringLiteral("LOY"));
        click(d.cmdSearch, d.cmdSearch->rect().center());
        EXPECT_TRUE(d.blnExactMatch);
        EXPECT_EQ(d.SearchString(), QStringLiteral("1"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(gLookupResult, QString());
        click(d.cmdOptions[1], d.cmdOptions[1]->rect().center());
    });
    EXPECT_EQ(gLookupResult, QStringLiteral("1"));
}

TEST_P(frmLookupTest, ListKeysEditTheSearchText) {
    frmLookup dialog;
    dialog.setLookupType(frmLookup::CardTypes);
    dialog.setSearchString(QStringLiteral(" DISC  "));
    use(dialog, [&](frmLookup& d) {
        d.grdLookup->setFocus();
        pressKey(d.grdLookup, Qt::Key_Backspace, QStringLiteral("\b"));
        EXPECT_EQ(d.txtSearch->text(), QStringLiteral(" DI"));  // the first (trimmed length - 1) characters
        EXPECT_EQ(QApplication::focusWidget(), d.grdLookup);
        pressKey(d.grdLookup, Qt::Key_L, QStringLiteral("l"));
        EXPECT_EQ(d.txtSearch->text(), QStringLiteral("L"));
        EXPECT_EQ(d.txtSearch->cursorPosition(), 1);
        EXPECT_EQ(QApplication::focusWidget(), d.txtSearch);
        EXPECT_EQ(column(*d.grdLookup, 1), (QStringList{"12"}));  // not searched yet
        pressKey(d.txtSearch, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), d.grdLookup);
        // Keypad digits and function keys are no letters.
        pressKey(d.grdLookup, Qt::Key_1, QStringLiteral("1"), Qt::KeypadModifier);
        pressKey(d.grdLookup, Qt::Key_F1);
        EXPECT_EQ(d.txtSearch->text(), QStringLiteral("L"));
        d.grdLookup->setFocus();
        pressKey(d.grdLookup, Qt::Key_Backspace, QStringLiteral("\b"));
        pressKey(d.grdLookup, Qt::Key_Backspace, QStringLiteral("\b"));
        EXPECT_EQ(d.txtSearch->text(), QString());
        click(d.cmdOptions[0], d.cmdOptions[0]->rect().center());
    });
    EXPECT_EQ(gLookupResult, QString());
}

TEST_P(frmLookupTest, NothingFoundReturnsToTheSearchBox) {
    frmLookup dialog;
    dialog.setLookupType(frmLookup::BusinessClasses);
    use(dialog, [&](frmLookup& d) {
        d.grdLookup->setFocus();
        d.txtSearch->setText(QStringLiteral("NOTHING"));
        click(d.cmdSearch, d.cmdSearch->rect().center());
        EXPECT_FALSE(d.grdLookup->isEnabled());
        EXPECT_FALSE(d.cmdOptions[1]->isEnabled());
        EXPECT_EQ(column(*d.grdLookup, 1), QStringList());
        EXPECT_EQ(QApplication::focusWidget(), d.txtSearch);
        pressKey(d.txtSearch, Qt::Key_Return, QStringLiteral("\r"));  // searches again; the dialog stays
        EXPECT_TRUE(d.isVisible());
        d.close();
    });
    EXPECT_EQ(gLookupResult, QString());
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_P(frmLookupTest, CancelAndEscapeChooseNothing) {
    for (int way = 0; way < 2; ++way) {
        frmLookup dialog;
        dialog.setLookupType(frmLookup::CardTypes);
        use(dialog, [&](frmLookup& d) {
            pressKey(d.txtSearch, Qt::Key_Escape, QStringLiteral("\x1b"));
            EXPECT_TRUE(d.isVisible());
            if (way == 0)
                click(d.cmdOptions[0], d.cmdOptions[0]->rect().center());
            else
                d.close();
        });
        EXPECT_EQ(gLookupResult, QString());
        EXPECT_FALSE(dialog.isLoaded());
    }
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_P(frmLookupTest, DoubleClickSelectsTheRow) {
    frmLookup dialog;
    dialog.setLookupType(frmLookup::BusinessClasses);
    use(dialog, [&](frmLookup& d) {
        FlexGrid* grid = d.grdLookup;
        const QPoint second(grid->colPos(0) / 15 + 10, grid->rowPos(2) / 15 + 5);
        doubleClick(grid->viewport(), second);
    });
    EXPECT_EQ(gLookupResult, QStringLiteral("01"));
}

QX_ON_BOTH_ENGINES(frmLookupTest);

} // namespace
