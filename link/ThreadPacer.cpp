#include "ThreadPacer.h"

#include <QThread>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace quorl {

void ThreadPacer::pause(int milliseconds) {
    if (milliseconds <= 0)
        return;
#ifdef Q_OS_LINUX
    // Linux may let a sleep run 50 µs long to batch wake-ups; over the 2042 pauses of 1 ms in
    // a write that alone is a tenth of the time. Ask for the shortest slack, once per thread.
    thread_local const bool preciseSleeps = ::prctl(PR_SET_TIMERSLACK, 1UL) == 0;
    static_cast<void>(preciseSleeps);
#endif
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace quorl
