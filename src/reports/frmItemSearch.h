#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qx {

class FlexGrid;

// "Item Search": the dangerous-drug items whose code equals, or whose name contains, the search
// text (every one for an empty text). Select takes the current row's code, name and description;
// the close box leaves without a pick.
class frmItemSearch : public QDialog {
    Q_OBJECT
public:
    explicit frmItemSearch(QWidget* parent = nullptr);

    // The search text put in the box when the window loads.
    QString strITEMCODE;

    // The pick, empty when the window closed without one.
    QString PickedItemID;
    QString PickedText;  // name, a blank and description

    QLineEdit* txtItemCode = nullptr;
    QPushButton* cmdSearch = nullptr;
    FlexGrid* fgItems = nullptr;
    QPushButton* cmdSelect = nullptr;

    void Form_Load();
    void cmdSearch_Click();
    void cmdSelect_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool loaded_ = false;
};

} // namespace qx
