#pragma once
#include "charging/PromptDialog.h"

#include <QVector>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace qx {

// Asks from which pharmacy's stock an item is to be taken: regular ("20") or special ("109").
class frmListDrugs : public PromptDialog {
    Q_OBJECT
public:
    explicit frmListDrugs(QWidget* parent = nullptr);

    QString LocationID() const { return locationId_; }
    void setLocationID(const QString& value) { locationId_ = value; }

    QGroupBox* Frame2 = nullptr;
    QVector<QRadioButton*> Option1;
    QPushButton* Command1 = nullptr;

    void Form_Load() override;
    void Command1_Click();
    void Option1_KeyPress(int index, int keyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString locationId_;
};

} // namespace qx
