#include "shell/clsShift.h"

#include "components/AppError.h"
#include "components/Connection.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QDateTime>
#include <memory>

namespace qx {

namespace {

std::unique_ptr<clsShift>& sharedShiftInfo() {
    static std::unique_ptr<clsShift> instance;
    return instance;
}

// The server's "hh:mm" from the procedure's date column (a date-time, or its text form).
QString serverClock(const QVariant& serverDate) {
    QDateTime when = serverDate.toDateTime();
    if (!when.isValid())
        when = CDate(serverDate);
    return when.toString(QStringLiteral("hh:mm"));
}

} // namespace

bool clsShift::GetShiftTime() { return GetShiftTime(SQLConnection()); }

bool clsShift::GetShiftTime(Connection& con) {
    try {
        std::optional<Recordset> rs = con.callProcedure(QStringLiteral("Pharma_GetShift"));
        if (!rs || rs->eof()) {
            firstHour_ = 7;
            firstMin_ = 0;
            secondHour_ = 15;
            secondMin_ = 0;
            thirdHour_ = 23;
            thirdMin_ = 0;
            const QString now = QTime::currentTime().toString(QStringLiteral("hh:mm"));
            serverHour_ = CInt(Mid(now, 1, 2));
            serverMin_ = CInt(Mid(now, 4, 2));
            return false;
        }
        firstHour_ = CInt(rs->value(QStringLiteral("FirstHr")));
        firstMin_ = CInt(rs->value(QStringLiteral("FirstMin")));
        secondHour_ = CInt(rs->value(QStringLiteral("SecondHr")));
        secondMin_ = CInt(rs->value(QStringLiteral("SecondMin")));
        thirdHour_ = CInt(rs->value(QStringLiteral("ThirdHr")));
        thirdMin_ = CInt(rs->value(QStringLiteral("ThirdMin")));
        const QString clock = serverClock(rs->value(QStringLiteral("ServerDate")));
        serverHour_ = CInt(Mid(clock, 1, 2));
        serverMin_ = CInt(Mid(clock, 4, 2));
        return true;
    } catch (...) {
        const AppError e = currentError();
        throw AppError(e.number(), QStringLiteral("clsShift.GetShiftTime"), e.description());
    }
}

qint16 clsShift::StartHour(int shift) const {
    switch (shift) {
    case 1: return firstHour_;
    case 2: return secondHour_;
    case 3: return thirdHour_;
    default: return 0;
    }
}

int clsShift::RunningShift() const {
    int running = 0;
    int latest = 0;
    for (int shift = 1; shift <= 3; ++shift) {
        const int start = StartHour(shift);
        if (start <= 0)
            continue;
        if (start <= serverHour_)
            running = shift;
        if (latest == 0 || start >= StartHour(latest))
            latest = shift;
    }
    return running != 0 ? running : latest;
}

clsShift& gShiftInfo() {
    auto& instance = sharedShiftInfo();
    if (!instance)
        instance = std::make_unique<clsShift>();
    return *instance;
}

void releaseShiftInfo() { sharedShiftInfo().reset(); }

} // namespace qx
