#pragma once
#include <QDialog>

class QPushButton;

namespace qx {

class FlexGrid;

// "Unposted Credit Advise": every credit advise of one receipt, or of one item of it, whatever its
// status, and the reprint of the slip of the advise the user picks. Reads only.
class frmUnpostedCreditAdvise : public QDialog {
    Q_OBJECT
public:
    explicit frmUnpostedCreditAdvise(QWidget* parent = nullptr);

    // Set by the caller before showing: the receipt, and an item code or empty for every item.
    QString ORNumber;
    QString ItemID;

    FlexGrid* fgList = nullptr;
    QPushButton* cmdReprint = nullptr;

    void Form_Load();
    void cmdReprint_Click();
    void fgList_DblClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void listAdvises();
    void reprint();
};

} // namespace qx
