// The main window's command surface: the menu tree, the toolbar with its two dispatchers, and the
// pop-up menus' preparation and placing.
#include "mainwindow/MainMenuTable.h"
#include "mainwindow/frmPharma.h"

#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <map>

namespace qx {

namespace {

const QString kMenusModule = QStringLiteral("frmPharma");
// How far below the mouse a pop-up menu opens.
constexpr int kPopUpDropTwips = 200;

// A small icon of our own for a toolbar button: a coloured tile with the command's initials.
QIcon toolbarIcon(const QString& letters, const QColor& tile) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(tile.darker(140));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    QFont glyph = painter.font();
    glyph.setBold(true);
    glyph.setPixelSize(letters.size() > 1 ? 13 : 18);
    painter.setFont(glyph);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

struct ButtonFace {
    const char* letters;
    QRgb tile;
};
// By toolbar index; separators have none.
const std::map<int, ButtonFace> kButtonFaces = {
    {1, {"Rx", 0x2E7D32}},  {2, {"AD", 0x00838F}},  {4, {"MP", 0x1565C0}},  {5, {"EM", 0x6A1B9A}},
    {7, {"RT", 0xEF6C00}},  {8, {"CE", 0xC62828}},  {9, {"DP", 0x4E342E}},  {10, {"LP", 0x283593}},
    {11, {"DI", 0x00695C}}, {12, {"LO", 0x455A64}}, {14, {"TN", 0x558B2F}}, {16, {"AS", 0xAD1457}},
    {17, {"PA", 0x37474F}}, {18, {"RV", 0xB71C1C}},
};

// Buttons whose body runs one command, by index.
const std::map<int, void (frmPharma::*)()> kButtonCommands = {
    {1, &frmPharma::mnuPending_Click},       {2, &frmPharma::mnuAutoDispense_Click},
    {5, &frmPharma::mnuEmployeesMeds_Click}, {11, &frmPharma::mnuDrugsInquiry_Click},
    {12, &frmPharma::mnuLogOff_Click},       {14, &frmPharma::mnuProcessTranscription_Click},
    {16, &frmPharma::mnuAssessment_Click},
};

// The drop-down buttons: the remembered choice and the command of each choice.
struct DropDownCommands {
    quint8 frmPharma::*choice;
    void (frmPharma::*inPatient)();
    void (frmPharma::*outPatient)();
};
const std::map<int, DropDownCommands> kDropDownCommands = {
    {4, {&frmPharma::mManualPostingChoice, &frmPharma::mnuManualInPatient_Click, &frmPharma::mnuManualOutPatient_Click}},
    {7, {&frmPharma::mReturnChoice, &frmPharma::mnuPostInPatient_Click, &frmPharma::mnuPostOutPatient_Click}},
    {8, {&frmPharma::mCorrectionChoice, &frmPharma::mnuAdjustmentInPatient_Click,
         &frmPharma::mnuAdjustmentOutPatient_Click}},
    {10, {&frmPharma::mPostedListChoice, &frmPharma::mnuListInPatient_Click, &frmPharma::mnuListOutPatient_Click}},
};
constexpr int kRevokeButton = 18;

} // namespace

void frmPharma::createMenus() {
    QMenuBar* bar = menuBar();
    std::map<QString, QMenu*> menus;
    for (const MainMenuRow& row : MainMenuRows()) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        const QString parentName = QString::fromLatin1(row.parent);
        QMenu* parentMenu = parentName.isEmpty() ? nullptr : menus.at(parentName);
        QAction* action = nullptr;
        switch (row.kind) {
        case MenuRowKind::Submenu: {
            QMenu* submenu = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
            submenu->setObjectName(name);
            menus[name] = submenu;
            action = submenu->menuAction();
            break;
        }
        case MenuRowKind::Separator:
            action = parentMenu->addSeparator();
            break;
        case MenuRowKind::Command:
        case MenuRowKind::NoCommand:
            action = parentMenu->addAction(caption);
            break;
        }
        action->setObjectName(name);
        if (row.design & kDesignChecked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        action->setVisible(!(row.design & kDesignHidden));
        action->setEnabled(!(row.design & kDesignDisabled));
        if (row.shortcut != QKeyCombination())
            action->setShortcut(QKeySequence(row.shortcut));
        if (row.kind != MenuRowKind::Command)
            continue;
        connect(action, &QAction::triggered, this, [this, action, name](bool checked) {
            // Only the commands set check marks: choosing an item leaves its mark as it was.
            if (action->isCheckable())
                action->setChecked(!checked);
            RunCommand(name);
        });
    }

    mnuPostPrescriptions = menus.at(QStringLiteral("mnuPostPrescriptions"));
    mnuView = menus.at(QStringLiteral("mnuView"));
    mnuOthers = menus.at(QStringLiteral("mnuOthers"));
    mnuReport = menus.at(QStringLiteral("mnuReport"));
    mnuOptionsChange = menus.at(QStringLiteral("mnuOptionsChange"));
    mnuPopUp = menus.at(QStringLiteral("mnuPopUp"));
    mnuCheckPending = menus.at(QStringLiteral("mnuCheckPending"));
    mnuPopUp2 = menus.at(QStringLiteral("mnuPopUp2"));
    mnuOptions = command(QStringLiteral("mnuOptions"));
    mnuAuditTrail = command(QStringLiteral("mnuAuditTrail"));
    mnuIncomeSummary = command(QStringLiteral("mnuIncomeSummary"));
    mnuChangeShift = command(QStringLiteral("mnuChangeShift"));
    mnuLogOff = command(QStringLiteral("mnuLogOff"));
    mnuUserSetting = command(QStringLiteral("mnuUserSetting"));
    mnuDiscountType = command(QStringLiteral("mnuDiscountType"));
    mnuChargeSlip = command(QStringLiteral("mnuChargeSlip"));
}

QMenu* frmPharma::menu(const QString& name) const { return findChild<QMenu*>(name); }

QAction* frmPharma::command(const QString& name) const { return findChild<QAction*>(name); }

void frmPharma::createToolbar() {
    tbrPharma = addToolBar(QStringLiteral("tbrPharma"));
    tbrPharma->setObjectName(QStringLiteral("tbrPharma"));
    tbrPharma->setMovable(false);
    tbrPharma->setIconSize(QSize(32, 32));
    tbrPharma->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarButtonRow& row : ToolbarButtonRows()) {
        const int index = row.index;
        QAction* button = nullptr;
        if (row.style == ToolbarStyle::Separator) {
            button = tbrPharma->addSeparator();
        } else {
            const ButtonFace& face = kButtonFaces.at(index);
            button = tbrPharma->addAction(toolbarIcon(QString::fromLatin1(face.letters), QColor(face.tile)),
                                          QString());
            button->setToolTip(QString::fromUtf8(row.toolTip));
            connect(button, &QAction::triggered, this, [this, index] { tbrPharma_ButtonClick(index); });
        }
        button->setObjectName(QStringLiteral("tbrPharma.Buttons(%1)").arg(index));
        button->setProperty("Index", index);
        button->setProperty("Key", QString::fromLatin1(row.key));
        button->setVisible(!row.hidden);
        toolbarButtons_[size_t(index)] = button;
        if (row.style != ToolbarStyle::DropDown)
            continue;
        auto* list = new QMenu(this);
        list->setObjectName(QStringLiteral("tbrPharma.Buttons(%1).ButtonMenus").arg(index));
        for (int item = 1; item <= int(row.items.size()); ++item) {
            const ToolbarDropDownItem& entry = row.items[size_t(item - 1)];
            QAction* choice = list->addAction(QString::fromUtf8(entry.text));
            choice->setProperty("Index", item);
            choice->setProperty("Key", QString::fromLatin1(entry.key));
            choice->setProperty("Tag", QString::fromLatin1(entry.tag));
            connect(choice, &QAction::triggered, this, [this, index, item] { tbrPharma_ButtonMenuClick(index, item); });
        }
        button->setMenu(list);
        if (auto* face = qobject_cast<QToolButton*>(tbrPharma->widgetForAction(button)))
            face->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

QAction* frmPharma::tbrPharmaButton(int index) const {
    return index >= 1 && index < int(toolbarButtons_.size()) ? toolbarButtons_[size_t(index)] : nullptr;
}

void frmPharma::tbrPharma_ButtonClick(int index) {
    eventHandler(kMenusModule, QStringLiteral("tbrPharma_ButtonClick"), [&] {
        if (const auto plain = kButtonCommands.find(index); plain != kButtonCommands.end()) {
            (this->*plain->second)();
        } else if (const auto drop = kDropDownCommands.find(index); drop != kDropDownCommands.end()) {
            const DropDownCommands& commands = drop->second;
            (this->*(this->*commands.choice == 2 ? commands.outPatient : commands.inPatient))();
        } else if (index == kRevokeButton) {
            RevokeAssessment(flexMSHList->textMatrix(flexMSHList->row(), 0).trimmed());
        }
    });
}

void frmPharma::tbrPharma_ButtonMenuClick(int buttonIndex, int itemIndex) {
    // Its errors are raised again as a general procedure's, and nothing above takes them.
    unhandledErrorGuard([&] {
        generalProcedure(kMenusModule, QStringLiteral("tbrPharma_ButtonMenuClick"), [&] {
            const auto drop = kDropDownCommands.find(buttonIndex);
            if (drop == kDropDownCommands.end())
                return;
            const DropDownCommands& commands = drop->second;
            if (itemIndex == 1)
                (this->*commands.inPatient)();
            else if (itemIndex == 2)
                (this->*commands.outPatient)();
            else
                return;
            // Stored after the command, so the button's body repeats the last choice.
            this->*commands.choice = quint8(itemIndex);
        });
    });
}

void frmPharma::PrepareRxPopUp(const QString& displayedName) {
    const bool marked = displayedName.trimmed().startsWith(QStringLiteral("(RX)"));
    command(QStringLiteral("mnuRxOn"))->setChecked(marked);
    command(QStringLiteral("mnuRxOFF"))->setChecked(!marked);
}

void frmPharma::PrepareAssessmentPopUp(const QString& parentKey) {
    QAction* reprint = command(QStringLiteral("mnuReprintAssess"));
    QAction* revoke = command(QStringLiteral("mnuRevokeAssess"));
    reprint->setVisible(true);
    revoke->setVisible(true);
    if (parentKey.startsWith(QStringLiteral("_4.1")))
        revoke->setVisible(false);
    if (parentKey.startsWith(QStringLiteral("_4.3"))) {
        reprint->setVisible(false);
        revoke->setVisible(false);
    }
}

QPoint frmPharma::PopUpPoint(const QWidget* frame, QPoint mouse) const {
    const QPoint frameTopLeft = frame->mapTo(this, QPoint(0, 0));
    return frameTopLeft + mouse + QPoint(0, twipsToPixels(kPopUpDropTwips));
}

void frmPharma::ShowPopUp(QMenu* popUp, const QWidget* frame, QPoint mouse) {
    popUp->popup(mapToGlobal(PopUpPoint(frame, mouse)));
}

} // namespace qx
