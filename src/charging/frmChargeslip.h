#pragma once
#include "charging/PromptDialog.h"

class QLabel;
class QPushButton;

namespace qx {

// Shows a newly taken document number in large red digits so that it can be copied onto paper.
class frmChargeslip : public PromptDialog {
    Q_OBJECT
public:
    explicit frmChargeslip(QWidget* parent = nullptr);

    QString Chargeslip() const { return chargeslip_; }
    void setChargeslip(const QString& value) { chargeslip_ = value; }

    QLabel* lblChargeslip = nullptr;
    QPushButton* cmdOK = nullptr;

    // Reads pharmacy switch "22" (the larger type) on the shared connection.
    void Form_Load() override;
    void cmdOK_Click();

private:
    QString chargeslip_;
};

} // namespace qx
