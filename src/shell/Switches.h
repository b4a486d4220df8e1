#pragma once
#include "shell/clsPharmaSwitches.h"

#include <QString>

namespace qx {

class Connection;

// The switch object, loaded once at start-up by LoadSwitches.
extern clsPharmaSwitches gPharmaSwitches;

// Inventory switches cached at start-up (False until loaded).
extern bool gInvSwitchVATExemptItems;  // key "106"
extern bool gInvSwitchVAPrice;         // key "103"
extern bool gInvSwitchHMOMarkupPrice;  // key "104"

// One pharmacy switch, read afresh: no row is False, else any non-zero value is True.
// Errors reach the caller.
bool GetPharmaSwitch(Connection& con, const QString& key);
bool GetPharmaSwitch(const QString& key);
// One inventory switch, read afresh. The inventory table holds bit flags, so only the value 1
// counts as True (a 2 or a -1 is not a bit value and reads False). An error is shown with the
// shared error message and gives False.
bool GetInvSwitch(Connection& con, const QString& key);
bool GetInvSwitch(const QString& key);
// Start-up: the three cached inventory flags, then the switch object. An error is shown with
// the shared error message and start-up goes on; what was read before it stays.
void LoadSwitches(Connection& con, const QString& siteCode);
void LoadSwitches();

// The switch object and the cached flags back to their state before loading.
void resetSwitches();

} // namespace qx
