#pragma once
#include "shell/Session.h"

#include <QMainWindow>

class QLabel;

namespace qx {

// The main window: the hub from which the program runs once start-up has opened it.
class frmPharma : public QMainWindow, public MainForm {
    Q_OBJECT
public:
    explicit frmPharma(QWidget* parent = nullptr);

    // MainForm
    void Load() override { Form_Load(); }
    void Show() override { show(); }

    void Form_Load();
    // Runs each time the window becomes the active window.
    void Form_Activate();

    QLabel* StatusBarPanel1 = nullptr;  // the employee's name

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Unload();
};

} // namespace qx
