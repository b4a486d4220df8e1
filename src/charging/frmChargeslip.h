#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace qx {

// Shows a newly taken document number in large red digits so that it can be copied onto paper.
class frmChargeslip : public QDialog {
    Q_OBJECT
public:
    explicit frmChargeslip(QWidget* parent = nullptr);

    QString Chargeslip() const { return chargeslip_; }
    void setChargeslip(const QString& value) { chargeslip_ = value; }

    QLabel* lblChargeslip = nullptr;
    QPushButton* cmdOK = nullptr;

    // Reads pharmacy switch "22" (the larger type) on the shared connection.
    void Form_Load();
    void cmdOK_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString chargeslip_;
    bool loaded_ = false;
};

} // namespace qx
