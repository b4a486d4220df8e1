// The return screen's save buttons. Posting the lines under the credit memo or adjustment slip
// and printing its slip are not part of this screen yet: the buttons only follow the lines.
#include "returns/ReturnScreen.h"

namespace qx {

void ReturnScreen::cmdSave_Click() {}

void ReturnScreen::cmdPrintSave_Click() {}

} // namespace qx
