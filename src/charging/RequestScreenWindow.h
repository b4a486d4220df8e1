#pragma once
#include "charging/ItemProfile.h"
#include "charging/RequestLineLoader.h"

#include <QDialog>
#include <QRect>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class ChargeGrid;
class FlexGrid;
struct ChargeGridConfig;

// What the in-patient and out-patient request screens have alike: the caller's properties, the
// patient header, the list of requests with its cell editor, the previous orders and the first
// buttons. One instance of each screen serves every use; each showing builds the controls afresh
// and closing unloads them.
class RequestScreenWindow : public QDialog {
    Q_OBJECT
public:
    ~RequestScreenWindow() override;

    // ---- Public interface ----
    QString PatientID() const { return patientID_; }
    void setPatientID(const QString& value) { patientID_ = value; }
    QString RequestedStationID() const { return requestedStationID_; }
    void setRequestedStationID(const QString& value) { requestedStationID_ = value; }
    QString Station() const { return station_; }
    void setStation(const QString& value) { station_ = value; }
    bool CancelledForm() const { return cancelledForm_; }
    void setCancelledForm(bool value) { cancelledForm_ = value; }
    bool isLoaded() const { return body_ != nullptr; }

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    const RequestGridPictures& pictures() const { return pictures_; }
    ItemProfile& profile() { return profile_; }
    QLineEdit* txtEntry() const;
    // The line the barcode check waits on, kept from one use of the screen to the next.
    int BarcodeCheckRow() const { return barcodeCheckRow_; }

    void cmdClose_Click();

    // ---- Controls (rebuilt at every load) ----
    QGroupBox* fraPatInfo = nullptr;
    std::array<QLabel*, 14> Label1{};     // the header's captions
    std::array<QLabel*, 11> lblPatInfo{};  // the header's values; 6 is the total, 7 the admission or visit
    QLineEdit* txtDocCode = nullptr;
    QPushButton* cmdDocCode = nullptr;
    QGroupBox* Frame1 = nullptr;
    FlexGrid* grdItemList = nullptr;
    FlexGrid* flexMSHPrevious = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdDelay = nullptr;
    QPushButton* cmdPosted = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    // `module` names the screen in the error log.
    RequestScreenWindow(const QString& module, QWidget* parent);

    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    // Unloads the controls of an earlier showing, sizes the window and starts a fresh body;
    // sizes in twips. The body can be larger than the window: parts of it show on demand.
    void startBody(QSize window, QSize body);
    void unload();

    // Where the header's parts differ between the screens, in twips.
    struct HeaderLayout {
        int frameWidth = 15060;
        int careOfWidth = 3000;
        int totalLeft = 9800;  // the "Total Charges" caption; its value follows
    };
    // The "Patient Information" frame with its captions, boxed values and the doctor's code.
    void buildPatientHeader(const HeaderLayout& layout);
    // "List of Requests" at its design place, of the frame's size in twips, with the grid's editor.
    void buildRequestList(int frameWidth, int frameHeight, const ChargeGridConfig& config);
    // "Previous Orders": the frame and the grid in it, where the item profile lists.
    QGroupBox* buildPreviousOrders(QRect frame, QRect grid);
    // The price-type legend from `left` on one line; returns the "MDRP" swatch.
    QLabel* buildPriceTypeLegend(int left, int top);
    // "Print / Save", "Save", "Cancel Request" and "Delay Request", left to right.
    void buildRequestButtons(int top);

    QString module_;
    QString patientID_;
    QString requestedStationID_;
    QString station_;
    bool cancelledForm_ = false;
    QWidget* body_ = nullptr;
    ChargeGrid* chargeGrid_ = nullptr;
    RequestGridPictures pictures_;
    ItemProfile profile_;
    int barcodeCheckRow_ = 0;
};

} // namespace qx
