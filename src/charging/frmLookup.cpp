#include "charging/frmLookup.h"
#include "components/SearchText.h"

#include "charging/modLookup.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <optional>

namespace qx {

namespace {

// A whole number typed as a card type id; ids are integers, so anything else finds nothing.
std::optional<qint64> wholeNumber(const QString& text) {
    const double value = CDbl(text);
    if (value != std::floor(value) || std::fabs(value) > 2147483647.0)
        return std::nullopt;
    return static_cast<qint64>(value);
}

const QString kHolderName = QStringLiteral(
    "COALESCE(LastName, '') || ', ' || COALESCE(FirstName, '') || ' ' || COALESCE(MiddleName, '')");

} // namespace

frmLookup::frmLookup(QWidget* parent) : LookupDialog(parent) {
    setObjectName(QStringLiteral("frmLookup"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(twipsToPixels(7200), twipsToPixels(5400));

    lblSearch = new QLabel(QStringLiteral("Search"), this);
    cmdOptions[1]->setText(QStringLiteral("&Select"));
    cmdOptions[0]->setText(QStringLiteral("&Cancel"));
    cmdSearch->setFixedSize(twipsToPixels(330), twipsToPixels(330));

    auto* layout = new QGridLayout(this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(lblSearch);
    searchRow->addWidget(txtSearch, 1);
    searchRow->addWidget(cmdSearch);
    layout->addLayout(searchRow, 0, 0);
    layout->addWidget(grdLookup, 1, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOptions[1]);
    buttons->addWidget(cmdOptions[0]);
    layout->addLayout(buttons, 2, 0);
    setTabOrder(txtSearch, cmdSearch);
    setTabOrder(cmdSearch, grdLookup);
    setTabOrder(grdLookup, cmdOptions[1]);
    setTabOrder(cmdOptions[1], cmdOptions[0]);
}

QString frmLookup::Search(Type type, const QString& searchText, QString* cardTypeId) {
    frmLookup dialog;
    dialog.setSearchString(searchText);
    dialog.setLookupType(type);
    dialog.Load();
    if (dialog.blnExactMatch) {
        gLookupResult = dialog.SearchString();
        dialog.Unload();
    } else {
        showModal(dialog);
    }
    if (cardTypeId)
        *cardTypeId = dialog.CardTypeID();
    return gLookupResult;
}

Recordset frmLookup::searchRows(const QString& text) {
    const QString t = UCase(Trim(text));
    const QString startsWith = likeStartsWith(t);
    const bool codeTyped = IsNumeric(Left(text, 2));
    Connection& con = SQLConnection();
    switch (lookupType_) {
    case CardTypes: {
        const QString base = QStringLiteral("SELECT DISTINCT CardTypeName AS CardTypeName, CardTypeID AS Code FROM tbPharmaCardType ");
        const QString order = QStringLiteral(" ORDER BY CardTypeName");
        if (IsNumeric(text)) {
            const std::optional<qint64> id = wholeNumber(t);
            if (!id)
                return {};
            return con.query(base + QStringLiteral("WHERE CardTypeID = ? AND Status = 'A'") + order, {*id});
        }
        return con.query(base + QStringLiteral("WHERE UPPER(CardTypeName) LIKE ? ESCAPE '\\' AND Status = 'A'") + order, {startsWith});
    }
    case CardNumbers: {
        const QString base = QStringLiteral("SELECT DISTINCT ") + kHolderName +
                             QStringLiteral(" AS CardHolderName, CardNum AS Code, "
                                            "COALESCE(CAST(CardTypeID AS TEXT), '') AS CardTypeID FROM tbPharmaCardMaster ");
        const QString order = QStringLiteral(" ORDER BY CardHolderName");
        if (codeTyped)
            return con.query(base + QStringLiteral("WHERE CardNumFolded = UPPER(?)") + order, {t});
        return con.query(base + QStringLiteral("WHERE LastNameFolded LIKE UPPER(?) ESCAPE '\\'") + order, {startsWith});
    }
    case BusinessClasses: {
        const QString base = QStringLiteral("SELECT Description, Code FROM build_file.tbCoBusinessClass ");
        const QString order = QStringLiteral(" ORDER BY Description");
        if (codeTyped)
            return con.query(base + QStringLiteral("WHERE UPPER(TRIM(Code)) = ?") + order, {t});
        return con.query(base + QStringLiteral("WHERE isMedicine = 1 AND UPPER(Description) LIKE ? ESCAPE '\\'") + order, {startsWith});
    }
    default:
        return {};
    }
}

QStringList frmLookup::headers() const {
    switch (lookupType_) {
    case CardTypes: return {QStringLiteral("CardTypeName"), QStringLiteral("Code")};
    case CardNumbers: return {QStringLiteral("CardHolder Name"), QStringLiteral("Code"), QStringLiteral("CardTypeID")};
    case BusinessClasses: return {QStringLiteral("Description"), QStringLiteral("Code")};
    default: return {};
    }
}

void frmLookup::setColumnWidths() { grdLookup->setColWidth(0, 4200); }

void frmLookup::takeExactMatch(const Recordset& rows) {
    if (lookupType_ == CardNumbers)
        cardTypeId_ = rows.text(QStringLiteral("CardTypeID"));
}

void frmLookup::takeSelection(int row) {
    gLookupResult = grdLookup->textMatrix(row, 1);
    if (lookupType_ == CardNumbers)
        cardTypeId_ = grdLookup->textMatrix(row, 2);
}

void frmLookup::loadControls() {
    switch (lookupType_) {
    case CardTypes: setWindowTitle(QStringLiteral("Card Type")); break;
    case CardNumbers: setWindowTitle(QStringLiteral("Card Number")); break;
    case BusinessClasses: setWindowTitle(QStringLiteral("Business Class")); break;
    default: setWindowTitle(QString()); break;
    }
}

void frmLookup::focusOnShow() { txtSearch->setFocus(Qt::OtherFocusReason); }

} // namespace qx
