#include "TransferPump.h"

#include "KeyboardPolicy.h"

#include <QCoreApplication>

namespace quorl {

void TransferPump::pass() {
    keys_.setPumping(true);
    QCoreApplication::processEvents();
    keys_.setPumping(false);
}

} // namespace quorl
