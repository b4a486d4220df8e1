#pragma once
#include "charging/PromptDialog.h"

#include <QVector>

class QLabel;
class QLineEdit;
class QFrame;

namespace qx {

class PictureButton;

// Overrides one line's unit price: shows the line and its reference price, takes a positive new
// price and returns it with the new amount. It closes only on a valid price; there is no cancel.
class frmPriceInOut : public PromptDialog {
    Q_OBJECT
public:
    explicit frmPriceInOut(QWidget* parent = nullptr);

    double NewItemPrice() const { return newItemPrice_; }
    void setNewItemPrice(double value) { newItemPrice_ = value; }
    double ItemPrice() const { return itemPrice_; }
    void setItemPrice(double value) { itemPrice_ = value; }
    qint16 ItemQuantity() const { return itemQuantity_; }
    void setItemQuantity(qint16 value) { itemQuantity_ = value; }
    QString ItemDesc() const { return itemDesc_; }
    void setItemDesc(const QString& value) { itemDesc_ = value; }
    double TotalAmount() const { return totalAmount_; }
    void setTotalAmount(double value) { totalAmount_ = value; }

    QLabel* lblCaption = nullptr;
    QLabel* lblDesc = nullptr;
    QVector<QLabel*> Label1;
    QLabel* lblQuantity = nullptr;
    QLabel* lblOldPrice = nullptr;
    QFrame* Shape1 = nullptr;
    QLineEdit* txtNewPrice = nullptr;
    QLineEdit* txtTotalAmount = nullptr;
    PictureButton* imgProceed = nullptr;

    void Form_Load() override;
    // The price check of the new-price box; false after refusing the price.
    bool txtNewPrice_Validate();
    void txtNewPrice_KeyPress(int keyAscii);
    void txtTotalAmount_KeyPress(int keyAscii);
    void imgProceed_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool newPriceIsValid() const;
    void refusePrice();

    double newItemPrice_ = 0;
    double itemPrice_ = 0;
    qint16 itemQuantity_ = 0;
    QString itemDesc_;
    double totalAmount_ = 0;
    bool movingByEnter_ = false;
};

} // namespace qx
