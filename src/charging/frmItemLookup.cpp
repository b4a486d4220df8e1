#include "charging/frmItemLookup.h"
#include "components/SearchText.h"

#include "charging/modLookup.h"
#include "components/Connection.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kColumns = QStringLiteral(
    "SELECT A.ItemID AS Code, A.ItemName AS ProductName, A.ItemDesc AS Description, B.SupplierName AS Supplier, "
    "CASE WHEN %1.ItemStatus = 1 THEN 'Inactive' ELSE 'Active' END AS Status, A.Packing, C.ItemClassificationName "
    "FROM tbInvMaster A ");
const QString kJoins = QStringLiteral(
    "LEFT OUTER JOIN tbInvSupplier B ON A.SupplierID = B.SupplierID "
    "LEFT OUTER JOIN tbInvClassification C ON A.ItemClassificationID = C.ItemClassificationID ");

} // namespace

frmItemLookup::frmItemLookup(QWidget* parent) : LookupDialog(parent) {
    setObjectName(QStringLiteral("frmItemLookup"));
    setWindowTitle(QStringLiteral("Product Search"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    resize(twipsToPixels(10155), twipsToPixels(5910));

    Frame1 = new QGroupBox(this);
    Label3 = new QLabel(QStringLiteral("Location"), Frame1);
    txtLocation = new QLineEdit(Frame1);
    txtLocation->setReadOnly(true);
    txtLocation->setFocusPolicy(Qt::NoFocus);
    txtLocation->setFixedWidth(twipsToPixels(2580));
    Label1 = new QLabel(QStringLiteral("&Search"), Frame1);
    Label1->setBuddy(txtSearch);
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(blue);
    txtSearch->setParent(Frame1);
    cmdSearch->setParent(Frame1);
    cmdSearch->setFixedSize(twipsToPixels(330), twipsToPixels(330));

    auto* frameRow = new QHBoxLayout(Frame1);
    frameRow->setContentsMargins(6, 4, 6, 4);
    frameRow->addWidget(Label3);
    frameRow->addWidget(txtLocation);
    frameRow->addWidget(Label1);
    frameRow->addWidget(txtSearch, 1);
    frameRow->addWidget(cmdSearch);

    cmdOptions[1]->setText(QStringLiteral("&Select"));
    cmdOptions[0]->setText(QStringLiteral("&Close"));
    cmdOptions[1]->setDefault(true);
    for (QPushButton* button : cmdOptions)
        button->setFixedSize(twipsToPixels(1275), twipsToPixels(375));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(grdLookup, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOptions[1]);
    buttons->addWidget(cmdOptions[0]);
    layout->addLayout(buttons);

    setTabOrder(grdLookup, cmdOptions[1]);
    setTabOrder(cmdOptions[1], cmdOptions[0]);
    setTabOrder(cmdOptions[0], txtSearch);
    setTabOrder(txtSearch, cmdSearch);
}

Recordset frmItemLookup::searchRows(const QString& text) {
    const QString s = Trim(text);
    QString sql;
    QVariantList binds;
    const QString location = Trim(locationCode_);
    if (!location.isEmpty()) {
        sql = kColumns.arg(QStringLiteral("D")) + QStringLiteral("LEFT OUTER JOIN tbInvent D ON A.ItemID = D.ItemID ") + kJoins +
              QStringLiteral("WHERE D.LocationID = ? AND (D.ItemStatus = 0 OR D.ItemStatus IS NULL) "
                             "AND COALESCE(A.ItemStatus, 0) = 0 AND ");
        binds << location;
    } else {
        sql = kColumns.arg(QStringLiteral("A")) + kJoins + QStringLiteral("WHERE (A.ItemStatus = 0 OR A.ItemStatus IS NULL) AND ");
    }
    if (IsNumeric(text)) {
        sql += QStringLiteral("A.ItemID = ?");
        binds << s;
    } else {
        sql += QStringLiteral("A.ItemNameFolded LIKE UPPER(?) ESCAPE '\\'");
        binds << likeStartsWith(s);
    }
    sql += QStringLiteral(" ORDER BY A.ItemName, A.ItemDesc");
    return SQLConnection().query(sql, binds);
}

QStringList frmItemLookup::headers() const {
    return {QStringLiteral("Code"), QStringLiteral("Product Name"), QStringLiteral("Description"), QStringLiteral("Supplier"),
            QStringLiteral("Status"), QStringLiteral("Packing"), QStringLiteral("ItemClassificationName")};
}

void frmItemLookup::setColumnWidths() {
    const int widths[] = {1000, 3000, 2000, 3000, 2000, 2000};
    for (int c = 0; c < 6; ++c)
        grdLookup->setColWidth(c, widths[c]);
}

void frmItemLookup::takeSelection(int row) {
    gLookupResult = grdLookup->textMatrix(row, 0);
    ItemName = grdLookup->textMatrix(row, 1);
}

void frmItemLookup::loadControls() { txtLocation->setText(locationName_); }

void frmItemLookup::focusOnShow() {
    // The first enabled control in the tab order: the list after a search with rows, else Close.
    for (QWidget* w : {static_cast<QWidget*>(grdLookup), static_cast<QWidget*>(cmdOptions[1]), static_cast<QWidget*>(cmdOptions[0])})
        if (w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

} // namespace qx
