#include "reports/frmItemSearch.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "components/SearchText.h"
#include "platform/ControlEvents.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"
#include "reports/ReportDialog.h"
#include "shell/ItemLookups.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

frmItemSearch::frmItemSearch(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmItemSearch"));
    setWindowTitle(QStringLiteral("Item Search"));
    auto* layout = new QGridLayout(this);
    txtItemCode = new QLineEdit(this);
    txtItemCode->setObjectName(QStringLiteral("txtItemCode"));
    cmdSearch = new QPushButton(QStringLiteral("Search"), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    fgItems = new FlexGrid(this);
    fgItems->setObjectName(QStringLiteral("fgItems"));
    fgItems->setFixedCols(0);
    // The dangerous-drug query's columns: code, name, description, on hand.
    fgItems->setCols(4);
    fgItems->setRows(2);
    cmdSelect = new QPushButton(QStringLiteral("Select"), this);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    for (QPushButton* button : {cmdSearch, cmdSelect})
        button->setAutoDefault(false);
    layout->addWidget(txtItemCode, 0, 0);
    layout->addWidget(cmdSearch, 0, 1);
    layout->addWidget(fgItems, 1, 0, 1, 2);
    layout->addWidget(cmdSelect, 2, 1);
    resize(720, 400);

    auto* searchEvents = new ControlEvents(txtItemCode);
    connect(searchEvents, &ControlEvents::keyPress, this, [this](int& keyAscii) {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            cmdSearch_Click();
        }
    });
    connect(cmdSearch, &QPushButton::clicked, this, [this] { cmdSearch_Click(); });
    connect(cmdSelect, &QPushButton::clicked, this, [this] { cmdSelect_Click(); });
    connect(fgItems, &FlexGrid::dblClick, this, [this] { cmdSelect_Click(); });
}

void frmItemSearch::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QDialog::showEvent(event);
}

void frmItemSearch::Form_Load() {
    txtItemCode->setText(strITEMCODE);
    cmdSearch_Click();
}

void frmItemSearch::cmdSearch_Click() {
    const QString text = Trim(txtItemCode->text());
    QString sql = GetPDEAFilterSQL();
    QVariantList binds;
    if (IsNumeric(text)) {
        sql += QStringLiteral(" AND b.ItemID = ?");
        binds << text;
    } else if (!text.isEmpty()) {
        sql += QStringLiteral(" AND b.ItemNameFolded LIKE UPPER(?) ESCAPE '\\'");
        binds << likeContaining(text);
    }
    sql += QStringLiteral(" ORDER BY b.ItemName");
    RunTellingFailure([&] {
        const Recordset rows = SQLConnection().query(sql, binds);
        if (rows.isEmpty()) {
            fgItems->clear();
            fgItems->setRows(2);
        } else {
            BindRecordsetAsList(*fgItems, rows,
                                {QStringLiteral("Code"), QStringLiteral("Item Name"), QStringLiteral("Description"),
                                 QStringLiteral("On Hand")});
        }
        fgItems->setColWidth(1, 3345);
        fgItems->setColWidth(2, 3345);
    });
}

void frmItemSearch::cmdSelect_Click() {
    const int row = fgItems->row();
    if (row < fgItems->fixedRows() || fgItems->textMatrix(row, 0).isEmpty())
        return;
    PickedItemID = fgItems->textMatrix(row, 0);
    PickedText = fgItems->textMatrix(row, 1) + QLatin1Char(' ') + fgItems->textMatrix(row, 2);
    close();
}

} // namespace qx
