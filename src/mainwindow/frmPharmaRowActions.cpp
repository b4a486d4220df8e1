// What the user does on a row of the work list: double-click or Enter starts the branch's work,
// the right button offers the pop-up of unit-dose and cash lists, Delete switches the Rx mark,
// the left arrow goes back to the tree, and the current cell is highlighted and remembered.
#include "mainwindow/frmPharma.h"

#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"

#include <QMenu>
#include <QTreeWidget>

namespace qx {

namespace {

const QString kRowActionsModule = QStringLiteral("frmPharma");

constexpr int kEnterKey = 13;
constexpr int kLeftArrowKey = 37;
constexpr int kDeleteKey = 46;
constexpr int kRightButton = 2;

const QString kRxMark = QStringLiteral("(RX)");
const QStringList kReturnListKeys = {QStringLiteral("_7.1.1"), QStringLiteral("_7.2.1"), QStringLiteral("_7.2.2")};

using RowCommand = void (frmPharma::*)();

// The work a double-click starts, by the parent key of the selected node, and the right it needs.
struct RowDispatch {
    const char* parentKey;
    bool* right;  // nullptr: no right needed
    RowCommand command;
};

const RowDispatch kRowDispatch[] = {
    {"_1", &gCanProcessRequest, &frmPharma::mnuPending_Click},
    {"_2", &gCanProcessRequest, &frmPharma::mnuPending_Click},
    {"_3", &gCanUnitDose, &frmPharma::mnuAutoDispense_Click},
    {"_4", nullptr, &frmPharma::mnuProcessTranscription_Click},
    {"_5.1", &gCanProcessRequest, &frmPharma::mnuPreviousPres_Click},
    {"_5.2", &gCanProcessRequest, &frmPharma::mnuOutPatientPres_Click},
    {"_6", &gCanProcessRequest, &frmPharma::ShowRefill},
    {"_8", &gCanProcessRequest, &frmPharma::mnuPending_Click},
};

bool isUnitDoseList(const QString& parentKey) {
    return parentKey == QStringLiteral("_3") || parentKey.left(3) == QStringLiteral("_3.");
}

} // namespace

void frmPharma::connectWorkList() {
    FlexGrid* grid = flexMSHList;
    connect(grid, &FlexGrid::dblClick, this, [this] { flexMSHList_DblClick(); });
    connect(grid, &FlexGrid::keyPress, this, [this](int& keyAscii) { flexMSHList_KeyPress(keyAscii); });
    connect(grid, &FlexGrid::keyDown, this, [this](int& keyCode, int shift) { flexMSHList_KeyDown(keyCode, shift); });
    connect(grid, &FlexGrid::mouseDown, this,
            [this](int button, int shift, int x, int y) { flexMSHList_MouseDown(button, shift, x, y); });
    connect(grid, &FlexGrid::enterCell, this, [this] { flexMSHList_EnterCell(); });
    connect(grid, &FlexGrid::leaveCell, this, [this] { flexMSHList_LeaveCell(); });
}

QString frmPharma::selectedParentKey() const {
    const QTreeWidgetItem* node = treCategory->currentItem();
    return node ? NodeKey(node->parent()) : QString();
}

void frmPharma::flexMSHList_DblClick() {
    eventHandler(kRowActionsModule, QStringLiteral("flexMSHList_DblClick"), [this] {
        const QTreeWidgetItem* node = treCategory->currentItem();
        // The root has no branch to serve.
        if (!node || !node->parent())
            return;
        const QString parentKey = NodeKey(node->parent());
        bool handled = false;
        for (const RowDispatch& branch : kRowDispatch) {
            if (parentKey != QLatin1String(branch.parentKey))
                continue;
            if (!branch.right || *branch.right) {
                (this->*branch.command)();
                handled = true;
            }
            break;
        }
        // Station nodes serve their branch under the branch's right.
        if (!handled) {
            if (parentKey.left(2) == QStringLiteral("_1") && gCanProcessRequest)
                mnuPending_Click();
            else if (parentKey.left(2) == QStringLiteral("_3") && gCanUnitDose)
                mnuAutoDispense_Click();
        }
        if (IsNoDirectReturnSupplies() && kReturnListKeys.contains(NodeKey(node))) {
            const int row = flexMSHList->row();
            OpenWindow(QStringLiteral("frmPostReturn"),
                       {{QStringLiteral("IDNum"), flexMSHList->textMatrix(row, 1)},
                        {QStringLiteral("HospNum"), flexMSHList->textMatrix(row, 0)},
                        {QStringLiteral("CMSlip"), flexMSHList->textMatrix(row, 2)},
                        {QStringLiteral("PatientName"), flexMSHList->textMatrix(row, 3)}});
            ClickTreeView();
        }
    });
}

void frmPharma::flexMSHList_KeyPress(int& keyAscii) {
    eventHandler(kRowActionsModule, QStringLiteral("flexMSHList_KeyPress"), [&] {
        if (keyAscii == kEnterKey)
            flexMSHList_DblClick();
    });
}

void frmPharma::flexMSHList_KeyDown(int& keyCode, int) {
    eventHandler(kRowActionsModule, QStringLiteral("flexMSHList_KeyDown"), [&] {
        if (keyCode == kLeftArrowKey) {
            if (treCategory->isEnabled())
                treCategory->setFocus();
        } else if (keyCode == kDeleteKey) {
            // As the pop-up: only a unit-dose row carries an Rx mark to switch.
            if (!isUnitDoseList(selectedParentKey()) || flexMSHList->row() < 1)
                return;
            if (flexMSHList->textMatrix(flexMSHList->row(), 3).trimmed().left(4) == kRxMark)
                mnuRxOFF_Click();
            else
                mnuRxOn_Click();
        }
    });
}

void frmPharma::flexMSHList_MouseDown(int button, int, int x, int y) {
    unhandledErrorGuard([&] {
        generalProcedure(kRowActionsModule, QStringLiteral("flexMSHList_MouseDown"), [&] {
            flexMSHList->setRedraw(false);
            const int pressedRow = flexMSHList->mouseRow();
            if (pressedRow >= 0 && pressedRow < flexMSHList->rows())
                flexMSHList->setRow(pressedRow);
            SetGridHighlight(*flexMSHList, true);
            flexMSHList->setRedraw(true);

            const QTreeWidgetItem* node = treCategory->currentItem();
            if (button != kRightButton || flexMSHList->row() == 0 || !node || !node->parent())
                return;
            const QString parentKey = NodeKey(node->parent());
            const QPoint mouse(twipsToPixels(x), twipsToPixels(y));
            if (isUnitDoseList(parentKey)) {
                PrepareRxPopUp(flexMSHList->textMatrix(flexMSHList->row(), 3));
                ShowPopUp(mnuPopUp, fraList, mouse);
            } else if (QStringList{QStringLiteral("_4.1"), QStringLiteral("_4.2"), QStringLiteral("_4.3")}.contains(
                           parentKey.left(4))) {
                PrepareAssessmentPopUp(parentKey);
                ShowPopUp(mnuPopUp2, fraList, mouse);
            }
        });
    });
}

void frmPharma::flexMSHList_EnterCell() {
    eventHandler(kRowActionsModule, QStringLiteral("flexMSHList_EnterCell"), [this] {
        SetGridHighlight(*flexMSHList, true);
        intListRow = flexMSHList->row();
    });
}

void frmPharma::flexMSHList_LeaveCell() {
    unhandledErrorGuard([this] {
        generalProcedure(kRowActionsModule, QStringLiteral("flexMSHList_LeaveCell"),
                         [this] { SetGridHighlight(*flexMSHList, false); });
    });
}

} // namespace qx
