#pragma once
#include <QDialog>
#include <QList>

namespace qx {

class PictureButton;

// What the charging prompts share: the first showing after an unload loads the prompt
// (Form_Load), places it and gives the focus to its first control; every way out (an answer, the
// close box) unloads it, so that the next showing loads afresh. A prompt with picture buttons
// highlights the one the mouse moves over, and only its face clears the highlights.
class PromptDialog : public QDialog {
    Q_OBJECT
public:
    enum class Placement { CentreOnScreen, CentreOnOwner, AsDialog };

    explicit PromptDialog(Placement placement, QWidget* parent = nullptr);

    void done(int result) override;

protected:
    // Runs on the first showing after an unload; an error in it is reported, the prompt still shows.
    virtual void Form_Load() {}
    // Runs on every unload, before the prompt hides.
    virtual void Form_Unload() {}
    // Closes the prompt as answered.
    void unload();

    // The control that has the focus when the prompt comes up; the prompt itself when it takes
    // every key before its controls do.
    void setFirstFocus(QWidget* widget, Qt::FocusReason reason = Qt::TabFocusReason);
    void setPictureButtons(const QList<PictureButton*>& pictures);
    void clearHighlights();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Placement placement_;
    QWidget* firstFocus_ = nullptr;
    Qt::FocusReason firstFocusReason_ = Qt::TabFocusReason;
    QList<PictureButton*> pictures_;
    bool loaded_ = false;
};

} // namespace qx
