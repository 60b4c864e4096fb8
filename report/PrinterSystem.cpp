#include "PrinterSystem.h"

#include <cups/cups.h>

namespace quorl {

QString lastJobRefusal() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace quorl
