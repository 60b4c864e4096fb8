#include "ServedRadio.h"

#include <pthread.h>

namespace quorl::testkit {

ServedRadio::ServedRadio(const RadioImage& memory, std::chrono::milliseconds answerDelay)
    : radio_(memory), server_(radio_, pty_, answerDelay) {
    thread_ = std::thread([this] {
        sigset_t mask;
        ::pthread_sigmask(SIG_SETMASK, nullptr, &mask);
        server_.serve(stop_, mask);
    });
}

ServedRadio::~ServedRadio() {
    stop();
}

const SimRadio& ServedRadio::stop() {
    stop_ = 1;
    if (thread_.joinable())
        thread_.join();
    return radio_;
}

} // namespace quorl::testkit
