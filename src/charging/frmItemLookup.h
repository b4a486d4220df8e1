#pragma once
#include "charging/LookupDialog.h"

class QGroupBox;
class QLabel;

namespace qx {

// "Product Search": the pick list of active inventory items whose code equals, or whose name
// begins with, the search text, optionally only those stocked at one location. The chosen code
// goes to gLookupResult and its name to ItemName.
class frmItemLookup : public LookupDialog {
    Q_OBJECT
public:
    explicit frmItemLookup(QWidget* parent = nullptr);

    QString ItemName;

    void setLocationName(const QString& value) { locationName_ = value; }
    void setLocationCode(const QString& value) { locationCode_ = value; }

    QGroupBox* Frame1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtLocation = nullptr;
    QLabel* Label1 = nullptr;

    bool LoadItemList(const QString& searchText) { return runSearch(searchText); }

protected:
    Recordset searchRows(const QString& text) override;
    QStringList headers() const override;
    void setColumnWidths() override;
    void takeSelection(int row) override;
    void loadControls() override;
    void focusOnShow() override;
    bool escapeCloses() const override { return true; }

private:
    QString locationName_;
    QString locationCode_;
};

} // namespace qx
