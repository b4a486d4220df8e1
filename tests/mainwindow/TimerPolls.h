#pragma once
// The main window's timer ticks that ask the database, with what each one is for: the request
// detectors, the package-request detector and the cash, stock, returned-medicine, notice and
// pending-request monitors. Each is called directly, as its timer would.
#include "mainwindow/frmPharma.h"

#include <QStringList>

namespace qx::test {

struct TimerPoll {
    const char* name;
    void (frmPharma::*tick)();
};

inline constexpr TimerPoll kTimerPolls[] = {
    {"in-patient requests", &frmPharma::timerDetect_Timer},
    {"out-patient requests", &frmPharma::TimerOut_Timer},
    {"E.R. requests", &frmPharma::TimerER_Timer},
    {"package requests", &frmPharma::tmrDetectKVRS_Timer},
    {"cash patients", &frmPharma::tmrCash_Timer},
    {"critical stocks", &frmPharma::tmrCriticalStocks_Timer},
    {"expiring drugs", &frmPharma::tmrExpiringDrugs_Timer},
    {"returned medicines", &frmPharma::Timer1_Timer},
    {"discharge notices", &frmPharma::tmrNotice_Timer},
    {"pending-request announcer", &frmPharma::tmrPeedyNotice_Timer},
};

// Tables of a row or a few that a poll may read whole.
inline const QStringList kPollSmallTables{QStringLiteral("tbHospitalInfo"), QStringLiteral("tbPharmaSwitch")};

} // namespace qx::test
