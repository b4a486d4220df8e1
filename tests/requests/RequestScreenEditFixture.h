#pragma once
#include "ChargeScreenFixture.h"
#include "ScriptedPickers.h"
#include "ScriptedPlatform.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "charging/frmMessageBoxBarCode.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/WidgetInput.h"
#include "shell/HospitalSettings.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <vector>

namespace qx::test {

// A request screen (in-patient or out-patient) shown and edited through its cell editor, with a
// scripted drug picker. `Base` is the screen's own fixture: its load() gives the screen loaded for
// a patient (its own when none is named). The checks below run one table of cases on either screen.
template <class Screen, class Base>
class RequestScreenEditTest : public Base {
protected:
    void SetUp() override {
        Base::SetUp();
        if (!this->ready())
            return;
        gComponents.gDrugList = picker;
    }
    void TearDown() override {
        form.reset();
        Base::TearDown();
    }
    void open(const QString& patient = QString()) {
        form = patient.isEmpty() ? this->load() : this->load(patient);
        showActive(form.get());
    }
    // Types the text into the editor over the cell and presses Enter.
    void enter(int row, int col, const QString& text) {
        openEditorAt(*form->chargeGrid(), row, col);
        scan(text);
    }
    // A scan (or any text) typed into the editor where it stands, then Enter.
    void scan(const QString& code) {
        form->txtEntry()->setText(code);
        pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    QString cell(int row, int col) const { return form->grdItemList->textMatrix(row, col); }
    QString lastMessage() const {
        return this->platform.messages->boxes().empty() ? QString() : this->platform.messages->last().text;
    }
    // The barcode prompt answers with one of its buttons.
    void promptAnswers(void (frmMessageBoxBarCode::*button)()) {
        this->platform.modal->template onShow<frmMessageBoxBarCode>([button](frmMessageBoxBarCode& w) { (w.*button)(); });
    }
    bool showsPicture(int row, const QPixmap& picture) const {
        return form->grdItemList->cellPicture(row, 0).toImage() == picture.toImage();
    }
    void expectEditorOn(int row) {
        EXPECT_EQ(form->grdItemList->row(), row);
        EXPECT_EQ(form->grdItemList->col(), Screen::kColCode);
        EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
        EXPECT_EQ(form->txtEntry()->text(), cell(row, Screen::kColCode));
    }

    // ---- Checks shared by the two screens ----

    struct CodeEntryCase {
        const char* name;
        int row;
        QString typed;
        bool byGeneric;
        QStringList picked;
        QString code;            // column 1 afterwards
        QString pickerCall;      // "" when the picker must not show
        QString message;
        bool taken;
        int buttons = vbOKOnly;  // the box's style
    };
    // An entry on the code column: taken, the editor moves on to the dosage; refused, it stays with
    // the text for a correction (a code the search does not know keeps the focus too).
    void checkCodeEntry(const std::vector<CodeEntryCase>& cases) {
        for (const CodeEntryCase& c : cases) {
            SCOPED_TRACE(c.name);
            gDrugListByGeneric = c.byGeneric;
            open();
            this->platform.messages->clear();
            picker->calls.clear();
            picker->answers = c.picked;
            enter(c.row, Screen::kColCode, c.typed);
            EXPECT_EQ(cell(c.row, Screen::kColCode), c.code);
            EXPECT_EQ(picker->calls, c.pickerCall.isEmpty() ? QStringList{} : QStringList{c.pickerCall});
            EXPECT_EQ(lastMessage(), c.message);
            if (!c.message.isEmpty())
                EXPECT_EQ(this->platform.messages->last().style, c.buttons);
            EXPECT_EQ(form->grdItemList->col(), c.taken ? Screen::kColDosage : Screen::kColCode);
            EXPECT_EQ(form->grdItemList->row(), c.row);
            if (!c.taken)
                EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
            if (c.typed == QLatin1String("9999")) {
                EXPECT_EQ(form->txtEntry()->text(), c.typed);
                EXPECT_TRUE(form->txtEntry()->hasFocus());
            }
        }
    }

    // Three lines to scan: the first two expect the barcodes given, the third none. Matching scans
    // tick the lines and walk the editor on; the last line keeps it.
    void checkMatchingScans(const QString& first, const QString& second, bool editorWaitsOnLoad) {
        open();
        if (editorWaitsOnLoad)
            expectEditorOn(1);
        else
            openEditorAt(*form->chargeGrid(), 1, Screen::kColCode);
        ASSERT_EQ(cell(1, Screen::kColBarCode), first);
        scan(first);
        EXPECT_EQ(cell(1, Screen::kColScanned), QStringLiteral("1"));
        EXPECT_TRUE(showsPicture(1, form->pictures().check));
        expectEditorOn(2);
        scan(second);
        expectEditorOn(3);
        scan(QStringLiteral("12345"));  // nothing expected: any scan settles it
        EXPECT_EQ(cell(3, Screen::kColScanned), QStringLiteral("1"));
        expectEditorOn(3);
        EXPECT_TRUE(this->platform.modal->shown().isEmpty());
        EXPECT_TRUE(form->canSave());
    }

    struct RefusedScanCase {
        const char* name;
        void (frmMessageBoxBarCode::*button)();
        MsgBoxResult cancelAnswer;
        QString scanned;
        QStringList picked;
        QString flag;
        bool wrongPicture;
        QString code, description, dosage, message;  // an empty description is not looked at
        int editorRow;
    };
    // A scan the first line does not expect, answered at the barcode prompt.
    void checkRefusedScans(const std::vector<RefusedScanCase>& cases) {
        for (const RefusedScanCase& c : cases) {
            SCOPED_TRACE(c.name);
            open();
            this->platform.messages->clear();
            this->platform.messages->answer(c.cancelAnswer);
            picker->answers = c.picked;
            promptAnswers(c.button);
            openEditorAt(*form->chargeGrid(), 1, Screen::kColCode);
            scan(c.scanned);
            EXPECT_EQ(cell(1, Screen::kColScanned), c.flag);
            EXPECT_TRUE(showsPicture(1, c.wrongPicture ? form->pictures().wrong : form->pictures().check));
            EXPECT_EQ(cell(1, Screen::kColCode), c.code);
            if (!c.description.isEmpty())
                EXPECT_EQ(cell(1, Screen::kColDescription), c.description);
            EXPECT_EQ(cell(1, Screen::kColDosage), c.dosage);
            EXPECT_EQ(lastMessage(), c.message);
            expectEditorOn(c.editorRow);
        }
    }

    std::unique_ptr<Screen> form;
    std::shared_ptr<ScriptedDrugPicker> picker = std::make_shared<ScriptedDrugPicker>();
};

} // namespace qx::test
