#pragma once
#include "components/PlatformServices.h"

namespace qx {

// Modal showing: a dialog runs its own loop; any other window is made application-modal and a
// local event loop runs until it is hidden, closed or destroyed.
class QtModalService : public ModalService {
public:
    void showModal(QWidget& window) override;
};

} // namespace qx
