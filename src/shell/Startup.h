#pragma once
#include "shell/Session.h"

#include <functional>
#include <memory>

namespace qx {

class ComponentFactory;
class frmSplash;

// Makes the main window; the application supplies it so that the shell needs no window module.
using MainFormMaker = std::function<std::unique_ptr<MainForm>()>;

// The start-up routine: creates the components, refuses a second instance, lets the employee log
// in, reads the host id, the hospital settings and the switches, connects the components and opens
// the main window into gMainForm. Every expected failure shows its box and returns with no window
// open (gMainForm empty), which ends the program. A component that cannot be created, or a database
// error outside the loaders that report their own, leaves as an AppError for the caller's
// unhandled-error report.
void Main(const ComponentFactory& factory, const MainFormMaker& makeMainForm);

// Hands the login connection string to the 21 connected components in order, one splash-bar step
// each, stopping at the first refusal; then reads the options component's two values. True when
// every component accepted. An error is shown with the number of components connected so far.
bool ConnectComponents(frmSplash& splash);

} // namespace qx
