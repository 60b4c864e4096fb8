#include "ThreadPacer.h"

#include <QThread>

namespace quorl {

void ThreadPacer::pause(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace quorl
