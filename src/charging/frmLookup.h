#pragma once
#include "charging/LookupDialog.h"

class QLabel;

namespace qx {

// The pick list of discount-card types (1), registered discount cards (2) and business classes
// (3). The chosen code goes to gLookupResult; a card's type also to CardTypeID.
class frmLookup : public LookupDialog {
    Q_OBJECT
public:
    enum Type : qint16 { CardTypes = 1, CardNumbers = 2, BusinessClasses = 3 };

    explicit frmLookup(QWidget* parent = nullptr);

    // The record classes' search: loads the dialog hidden with the text; a single match is taken
    // without showing it, otherwise the user picks. Returns gLookupResult (empty when nothing
    // was chosen); a card's type goes to *cardTypeId.
    static QString Search(Type type, const QString& searchText, QString* cardTypeId = nullptr);

    QString CardTypeID() const { return cardTypeId_; }
    void setCardTypeID(const QString& value) { cardTypeId_ = value; }
    void setLookupType(qint32 value) { LookupDialog::setLookupType(value); }

    QLabel* lblSearch = nullptr;

    bool LoadLookupList(const QString& searchText) { return runSearch(searchText); }

protected:
    Recordset searchRows(const QString& text) override;
    QStringList headers() const override;
    void setColumnWidths() override;
    void takeExactMatch(const Recordset& rows) override;
    void takeSelection(int row) override;
    void loadControls() override;
    void focusOnShow() override;
    bool downArrowToList() const override { return true; }

private:
    QString cardTypeId_;
};

} // namespace qx
