#pragma once
#include <QString>

namespace qx {

class Connection;

// The module name the user log is written and read under.
inline const QString kUserLogModule = QStringLiteral("Pharmacy");

// Appends one user-log line for the logged-in employee (gEmployeeCode); the database dates it.
// The text is stored as given, quotes included. Errors reach the caller; inside a save's
// transaction the line is kept or dropped with the save.
void SaveUserLog(Connection& con, const QString& activity);
void SaveUserLog(const QString& activity);

} // namespace qx
