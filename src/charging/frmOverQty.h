#pragma once
#include "charging/PromptDialog.h"

#include <QVector>

class QLabel;

namespace qx {

class PictureButton;

// The Yes/No prompt before an unusually large entry is committed: it shows the drug, the quantity,
// the unit price and the total. Choice is 1 Yes, 2 No; it changes only when the user answers.
class frmOverQty : public PromptDialog {
    Q_OBJECT
public:
    explicit frmOverQty(QWidget* parent = nullptr);

    // Whether an entry is large enough to ask: a quantity above 100 or an amount above 5000.
    static bool needsConfirmation(double quantity, double unitPrice);

    qint16 Choice() const { return choice_; }
    void setChoice(qint16 value) { choice_ = value; }
    QString DrugName() const { return drugName_; }
    void setDrugName(const QString& value) { drugName_ = value; }
    double Quantity() const { return quantity_; }
    void setQuantity(double value) { quantity_ = value; }
    double UnitPrice() const { return unitPrice_; }
    void setUnitPrice(double value) { unitPrice_ = value; }

    QVector<QLabel*> lblLabel;
    PictureButton* imgYes = nullptr;
    PictureButton* imgNo = nullptr;

    void Form_Load() override;
    void Form_KeyDown(int keyCode);
    void imgYes_Click();
    void imgNo_Click();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void answer(qint16 choice);

    qint16 choice_ = 0;
    QString drugName_;
    double quantity_ = 0;
    double unitPrice_ = 0;
};

} // namespace qx
