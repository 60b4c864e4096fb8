#include "TransferPump.h"

#include "KeyboardPolicy.h"

#include <QCoreApplication>

namespace quorl {

void TransferPump::pass() {
    KeyboardPolicy& keys = KeyboardPolicy::application();
    keys.setPumping(true);
    QCoreApplication::processEvents();
    keys.setPumping(false);
}

} // namespace quorl
