#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qx {

class CashEntryCardFields;
class DatePicker;

// "CARD NUMBER REGISTRATION": registers a customer discount card, or shows a registered one and
// saves it again. Creating it runs the card-type search with an empty id (the only active type is
// taken, else the user picks one). A successful save hands the card to the cash window's card
// fields and closes the window; a refused one keeps it open with its entries. A card type id that
// the opener puts in the id box is shown with its own name when the window comes up.
class frmCardMaster : public QDialog {
    Q_OBJECT
public:
    explicit frmCardMaster(QWidget* parent = nullptr);

    // The cash window that opened the registration; its card fields receive a saved card.
    void setCashEntry(CashEntryCardFields* cashEntry) { cashEntry_ = cashEntry; }

    QLineEdit* txtCardNum = nullptr;
    QLineEdit* txtCardTypeID = nullptr;
    QPushButton* cmdSearchCardType = nullptr;
    QLineEdit* txtCardType = nullptr;
    QLineEdit* txtLastName = nullptr;
    QLineEdit* txtFirstName = nullptr;
    QLineEdit* txtMiddleName = nullptr;
    DatePicker* dteExpiryDate = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

    // Saves the entries; the saved flag tells whether it worked. A failure is shown, not raised.
    void SaveCardDetails();
    bool saved() const { return saved_; }

    void cmdSearchCardType_Click();
    void txtCardTypeID_KeyPress(int keyAscii);
    void txtCardNum_KeyPress(int keyAscii);
    void cmdSave_Click();
    void cmdClear_Click();
    void cmdClose_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void searchCardType();
    void loadCard();
    void setExpiryToToday();
    void matchPresetCardType();

    CashEntryCardFields* cashEntry_ = nullptr;
    bool saved_ = false;
    // The card type id the name box was last filled for.
    QString cardTypeIdOfName_;
};

} // namespace qx
