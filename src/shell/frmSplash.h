#pragma once
#include <QWidget>

class QLabel;
class QProgressBar;

namespace qx {

// The start-up splash: "Loading..." and a bar with one step per connected component.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QProgressBar* pb = nullptr;

private:
    void Form_Load();
};

} // namespace qx
