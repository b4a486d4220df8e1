#include "ReturnScreenFixture.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "platform/UpDown.h"

#include <QCloseEvent>

namespace qx::test {
namespace {

using Screen = ReturnScreen;

// Each form with its patient loaded and a savable line 1.
class ReturnGridTest : public ReturnScreenTest {
protected:
    std::unique_ptr<Screen> loaded(bool inPatient) {
        std::unique_ptr<Screen> form;
        if (inPatient)
            form = open<frmReturn>();
        else
            form = open<frmReturnOP>();
        find(*form, inPatient ? QStringLiteral("1001") : QStringLiteral("5001A"));
        return form;
    }
    static void savableLine(Screen& form, int row) {
        FlexGrid& g = *form.flexMSEntry;
        for (const auto& [col, text] : {std::pair{0, "CS0001"}, {1, "PARA500"}, {2, "PARACETAMOL"}, {4, "2"}, {5, "2"},
                                        {7, "125.50"}, {11, "62.75"}})
            g.setTextMatrix(row, col, QString::fromLatin1(text));
    }
};

TEST_P(ReturnGridTest, EditorKeysMoveAsEachFormNavigates) {
    const NavigationCase shared[] = {
        {"End on Code moves to Quantity", 4, 1, Qt::Key_End, 4, 5, true},
        {"End on Quantity moves to Code of the next line", 4, 5, Qt::Key_End, 5, 1, true},
        {"End on line 30 returns to its Code", 30, 5, Qt::Key_End, 30, 1, true},
        {"Home on Quantity moves to Code", 4, 5, Qt::Key_Home, 4, 1, true},
        {"Home on Code stays there", 4, 1, Qt::Key_Home, 4, 1, true},
        {"Up moves a line up", 4, 5, Qt::Key_Up, 3, 5, true},
        {"Down moves a line down", 4, 5, Qt::Key_Down, 5, 5, true},
        {"Up on line 1 hides the editor", 1, 5, Qt::Key_Up, 1, 5, false},
        {"Down on line 30 hides the editor", 30, 1, Qt::Key_Down, 30, 1, false},
    };
    for (bool inPatient : {true, false}) {
        SCOPED_TRACE(inPatient ? "in-patient" : "out-patient");
        auto form = loaded(inPatient);
        checkNavigation(*form->chargeGrid(), shared, [&](const NavigationCase& c) {
            EXPECT_EQ(form->cmdEntry()->isVisible(), c.editorOpen && c.wantCol == 1);
            EXPECT_EQ(form->upDown()->isVisible(), c.editorOpen && c.wantCol == 5);
        });
        // Enter on the grid reopens the editor left hidden.
        pressKey(form->flexMSEntry, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
        EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
        // The charge slip opens only on the in-patient form; End there goes to Code.
        openEditorAt(*form->chargeGrid(), 6, 0);
        EXPECT_EQ(form->chargeGrid()->isEditorVisible(), inPatient);
        if (inPatient) {
            EXPECT_TRUE(form->cmdEntry()->isVisible());
            const NavigationCase fromSlip[] = {{"End on Charge Slip moves to Code", 6, 0, Qt::Key_End, 6, 1, true}};
            checkNavigation(*form->chargeGrid(), fromSlip);
        }
    }
}

TEST_P(ReturnGridTest, TypingTheSpinnerAndScrolling) {
    auto form = loaded(true);
    ChargeGrid& grid = *form->chargeGrid();
    openEditorAt(grid, 2, 5);
    typeText(form->txtEntry(), "1a.5-");
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("1.5"));
    openEditorAt(grid, 2, 1);
    typeText(form->txtEntry(), "para");
    EXPECT_EQ(form->txtEntry()->text(), QString());
    openEditorAt(grid, 2, 0);
    typeText(form->txtEntry(), "cs1");
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("CS1"));

    struct Spin { const char* from; bool up; const char* to; };
    for (const Spin& s : {Spin{"", true, "1"}, Spin{"2.5", true, "3"}, Spin{"3.5", true, "5"}, Spin{"1.5", false, "0.5"},
                          Spin{"0", false, "0"}, Spin{"", false, ""}}) {
        SCOPED_TRACE(s.from);
        openEditorAt(grid, 2, 5);
        grid.setEditorText(QString::fromLatin1(s.from));
        if (s.up)
            emit form->upDown()->upClick();
        else
            emit form->upDown()->downClick();
        EXPECT_EQ(form->txtEntry()->text(), QString::fromLatin1(s.to));
        EXPECT_TRUE(form->flexMSEntry->textMatrix(2, 5).isEmpty());
    }
    // Scrolling drops the uncommitted quantity.
    openEditorAt(grid, 2, 5);
    grid.setEditorText(QStringLiteral("9"));
    emit form->flexMSEntry->scroll();
    EXPECT_FALSE(grid.isEditorVisible());
    EXPECT_TRUE(form->flexMSEntry->textMatrix(2, 5).isEmpty());
}

TEST_P(ReturnGridTest, ClearRowAsksAndEmptiesTheWholeLine) {
    auto form = loaded(true);
    savableLine(*form, 1);
    form->flexMSEntry->setTextMatrix(2, 0, QStringLiteral("CS0001"));
    openEditorAt(*form->chargeGrid(), 2, 1);
    EXPECT_FALSE(form->cmdClearRow->isEnabled());
    form->cmdClearRow_Click();
    EXPECT_TRUE(platform.messages->boxes().empty());

    openEditorAt(*form->chargeGrid(), 1, 5);
    EXPECT_TRUE(form->cmdClearRow->isEnabled());
    EXPECT_TRUE(form->cmdSave->isEnabled());
    platform.messages->answer(vbNo);
    form->cmdClearRow->click();
    EXPECT_EQ(platform.messages->texts(), QStringList{"Are you sure to delete the request?"});
    EXPECT_EQ(platform.messages->last().style, vbQuestion + vbYesNo);
    EXPECT_EQ(form->flexMSEntry->textMatrix(1, 1), QStringLiteral("PARA500"));

    platform.messages->answer(vbYes);
    form->cmdClearRow->click();
    QApplication::processEvents();
    for (int col = 0; col < 14; ++col)
        EXPECT_TRUE(form->flexMSEntry->textMatrix(1, col).isEmpty()) << col;
    EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral(" 0.00"));
    EXPECT_FALSE(form->cmdClearRow->isEnabled());
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_EQ(form->flexMSEntry->rows(), 31);
}

TEST_P(ReturnGridTest, ClosingWithLinesAsksByEscapeButtonAndCloseBox) {
    for (bool inPatient : {true, false}) {
        SCOPED_TRACE(inPatient ? "in-patient" : "out-patient");
        auto form = loaded(inPatient);
        savableLine(*form, 1);
        const QString question = QStringLiteral("You have unsaved entry.  Do you wish to exit?");
        enum How { EscapeInEditor, EscapeOnGrid, Button, CloseBox };
        for (How how : {EscapeInEditor, EscapeOnGrid, Button, CloseBox}) {
            SCOPED_TRACE(int(how));
            platform.messages->clear();
            platform.messages->answer(vbNo);
            openEditorAt(*form->chargeGrid(), 1, 5);
            if (how == EscapeInEditor) {
                pressKey(form->txtEntry(), Qt::Key_Escape, QStringLiteral("\x1b"));
            } else if (how == EscapeOnGrid) {
                form->chargeGrid()->hideEditor();
                form->flexMSEntry->setFocus();
                pressKey(form->flexMSEntry, Qt::Key_Escape, QStringLiteral("\x1b"));
            } else if (how == Button) {
                form->cmdClose->click();
            } else {
                QCloseEvent event;
                QApplication::sendEvent(form.get(), &event);
            }
            QApplication::processEvents();
            EXPECT_EQ(platform.messages->texts(), QStringList{question});
            EXPECT_EQ(platform.messages->last().style, vbInformation + vbYesNo);
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(form->flexMSEntry->textMatrix(1, 1), QStringLiteral("PARA500"));
            if (inPatient && (how == EscapeInEditor || how == EscapeOnGrid)) {
                EXPECT_TRUE(form->cmdClose->hasFocus());
            }
            if (!inPatient && how == EscapeInEditor) {
                EXPECT_TRUE(form->txtEntry()->hasFocus());
            }
            if (!inPatient && how == EscapeOnGrid) {
                EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
            }
        }
        platform.messages->answer(vbYes);
        form->cmdClose->click();
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_P(ReturnGridTest, ANewNumberOrAgeResetsTheEditorAndTheSaveButtons) {
    auto in = loaded(true);
    savableLine(*in, 1);
    openEditorAt(*in->chargeGrid(), 1, 5);
    ASSERT_TRUE(in->cmdSave->isEnabled());
    in->setBannerText(5, QStringLiteral(" 0000099"));
    EXPECT_FALSE(in->cmdSave->isEnabled());
    EXPECT_FALSE(in->cmdPrintSave->isEnabled());
    EXPECT_FALSE(in->chargeGrid()->isEditorVisible());
    EXPECT_EQ(in->flexMSEntry->textMatrix(1, 1), QStringLiteral("PARA500"));
    openEditorAt(*in->chargeGrid(), 1, 5);
    EXPECT_TRUE(in->cmdSave->isEnabled());

    auto out = loaded(false);
    savableLine(*out, 1);
    out->setBannerText(5, QStringLiteral(" 99"));
    EXPECT_EQ(out->flexMSEntry->textMatrix(1, 0), QStringLiteral("CS0001"));
    for (int col = 1; col < 14; ++col)
        EXPECT_TRUE(out->flexMSEntry->textMatrix(1, col).isEmpty()) << col;
    EXPECT_EQ(out->flexMSEntry->textMatrix(0, 1).trimmed(), QStringLiteral("Code"));
}

INSTANTIATE_TEST_SUITE_P(Engines, ReturnGridTest, ::testing::Values(::qx::Engine::SQLite), ::qx::test::engineName);

} // namespace
} // namespace qx::test
