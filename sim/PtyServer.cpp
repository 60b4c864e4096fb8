#include "PtyServer.h"

#include <cerrno>
#include <deque>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace quorl {

namespace {

using Clock = std::chrono::steady_clock;

struct Answer {
    Clock::time_point due;
    std::vector<std::uint8_t> bytes;
};

// With nothing to send, wake up now and then to look at the stop flag.
constexpr std::chrono::milliseconds kIdleWait{200};
// While nobody has the line open the master end reads as hung up at once: look again after
// this long, well within what the program waits for an answer.
constexpr std::chrono::milliseconds kClosedLineWait{5};

timespec toTimespec(Clock::duration wait) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

void sendAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd out{fd, POLLOUT, 0};
            ::poll(&out, 1, 100);
        } else if (errno != EINTR) {
            return; // nobody listening any more; a radio talks on regardless
        }
    }
}

} // namespace

PtyServer::PtyServer(SimRadio& radio, Pty& pty, std::chrono::milliseconds answerDelay)
    : radio_(radio), pty_(pty), answerDelay_(answerDelay) {}

void PtyServer::serve(const volatile std::sig_atomic_t& stop, const sigset_t& waitMask) {
    std::deque<Answer> answers;
    std::vector<std::uint8_t> incoming(256);
    while (!stop && !radio_.hungUp()) {
        const Clock::duration wait =
            answers.empty() ? Clock::duration(kIdleWait)
                            : std::max(Clock::duration::zero(), answers.front().due - Clock::now());
        const timespec timeout = toTimespec(wait);
        pollfd in{pty_.master(), POLLIN, 0};
        const int ready = ::ppoll(&in, 1, &timeout, &waitMask);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0 && !(in.revents & POLLIN) && (in.revents & POLLHUP)) {
            const timespec pause = toTimespec(kClosedLineWait);
            ::ppoll(nullptr, 0, &pause, &waitMask);
        }
        if (ready > 0 && (in.revents & POLLIN)) {
            const ssize_t n = ::read(pty_.master(), incoming.data(), incoming.size());
            const Clock::time_point arrived = Clock::now();
            for (ssize_t i = 0; i < n; ++i) {
                SimAnswer answer = radio_.receive(incoming[i]);
                if (!answer.now.empty())
                    answers.push_back({arrived + answerDelay_, std::move(answer.now)});
                if (!answer.later.empty())
                    answers.push_back({arrived + 2 * answerDelay_, std::move(answer.later)});
            }
        }
        while (!answers.empty() && answers.front().due <= Clock::now()) {
            sendAll(pty_.master(), answers.front().bytes);
            answers.pop_front();
        }
    }
    if (radio_.hungUp())
        pty_.hangUp();
}

} // namespace quorl
