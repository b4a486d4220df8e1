#pragma once
#include <QDialog>

namespace qx::report {
class ReportViewer;
}

namespace qx {

// Shows the shared report `gCrystalReport` in a viewer that fills the window; releases the
// report when the window unloads. The caller sets the caption and the two flags, then shows
// it modally.
class frmReportViewer : public QDialog {
    Q_OBJECT
public:
    explicit frmReportViewer(QWidget* parent = nullptr);
    ~frmReportViewer() override;

    void setShowGroupTree(bool on) { showGroupTree_ = on; }
    void setDirectPrint(bool on) { directPrint_ = on; }

    report::ReportViewer* CRViewer1 = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    bool showGroupTree_ = false;
    bool directPrint_ = false;
    bool loaded_ = false;
};

} // namespace qx
