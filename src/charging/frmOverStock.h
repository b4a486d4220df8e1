#pragma once
#include "charging/PromptDialog.h"

namespace qx {

class PictureButton;

// The prompt shown when a typed quantity exceeds the stock on hand: proceed anyway, find a
// substitute, or cancel the entry. The answer stays in Choice and LogChoice after it closes and
// changes only when the user chooses.
class frmOverStock : public PromptDialog {
    Q_OBJECT
public:
    explicit frmOverStock(QWidget* parent = nullptr);

    QString LogChoice() const { return logChoice_; }
    void setLogChoice(const QString& value) { logChoice_ = value; }
    // "1" proceed, "2" find a substitute, "X" cancel.
    QString Choice() const { return choice_; }
    void setChoice(const QString& value) { choice_ = value; }
    // Moves the keyboard selection one button up or down, wrapping round.
    void UpDown(bool up);
    // The keyboard selection: 1 proceed, 2 find substitute, 3 cancel (0 before the first showing).
    qint16 selection() const { return selection_; }

    PictureButton* imgProceed = nullptr;
    PictureButton* imgFind = nullptr;
    PictureButton* imgCancel = nullptr;

    void Form_Load() override;
    void Form_KeyDown(int keyCode);
    void Form_KeyPress(int keyAscii);
    void imgProceed_Click();
    void imgFind_Click();
    void imgCancel_Click();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void choose(const QString& choice, const QString& logChoice);

    QString logChoice_;
    QString choice_;
    qint16 selection_ = 0;
};

} // namespace qx
