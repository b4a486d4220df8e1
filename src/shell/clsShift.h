#pragma once
#include <QString>

namespace qx {

class Connection;

// The configured start times of the three offered shifts and the server's clock, from which the
// shift window preselects the shift running now.
class clsShift {
public:
    qint16 FourthMin() const { return fourthMin_; }
    void setFourthMin(qint16 v) { fourthMin_ = v; }
    qint16 FourthHour() const { return fourthHour_; }
    void setFourthHour(qint16 v) { fourthHour_ = v; }
    qint16 ServerMin() const { return serverMin_; }
    void setServerMin(qint16 v) { serverMin_ = v; }
    qint16 ServerHour() const { return serverHour_; }
    void setServerHour(qint16 v) { serverHour_ = v; }
    // Fills the three start times and the server's hour and minute. False when no shift times
    // are configured: then 7:00, 15:00 and 23:00 and the workstation's clock. Errors are raised
    // again under "clsShift.GetShiftTime".
    bool GetShiftTime(Connection& con);
    bool GetShiftTime();
    qint16 ThirdMin() const { return thirdMin_; }
    void setThirdMin(qint16 v) { thirdMin_ = v; }
    qint16 ThirdHour() const { return thirdHour_; }
    void setThirdHour(qint16 v) { thirdHour_ = v; }
    qint16 SecondMin() const { return secondMin_; }
    void setSecondMin(qint16 v) { secondMin_ = v; }
    qint16 SecondHour() const { return secondHour_; }
    void setSecondHour(qint16 v) { secondHour_ = v; }
    qint16 FirstMin() const { return firstMin_; }
    void setFirstMin(qint16 v) { firstMin_ = v; }
    qint16 FirstHour() const { return firstHour_; }
    void setFirstHour(qint16 v) { firstHour_ = v; }

    // Start hour of shift 1, 2 or 3; 0 (not offered) for any other.
    qint16 StartHour(int shift) const;
    // The shift running at the server's hour: the last of the offered shifts (start hour above 0)
    // whose start hour has been reached. Minutes are not compared. Before every start hour the
    // night shift that began the day before is still running, so the offered shift with the
    // latest start hour is given. 0 when no shift is offered.
    int RunningShift() const;

private:
    qint16 fourthMin_ = 0, fourthHour_ = 0;
    qint16 serverMin_ = 0, serverHour_ = 0;
    qint16 thirdMin_ = 0, thirdHour_ = 0;
    qint16 secondMin_ = 0, secondHour_ = 0;
    qint16 firstMin_ = 0, firstHour_ = 0;
};

// The one shared instance, created on first use.
clsShift& gShiftInfo();
// Releases it (the main window's unload); the next use creates a new one.
void releaseShiftInfo();

} // namespace qx
