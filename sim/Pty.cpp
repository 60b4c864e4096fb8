#include "Pty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace quorl {

Pty::Pty() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error_ = std::strerror(errno);
        hangUp();
        return;
    }
    const char* name = ::ptsname(master_);
    const int slave = name ? ::open(name, O_RDWR | O_NOCTTY) : -1;
    termios raw{};
    if (slave < 0 || ::tcgetattr(slave, &raw) != 0) {
        error_ = std::strerror(errno);
        if (slave >= 0)
            ::close(slave);
        hangUp();
        return;
    }
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::close(slave);
    slavePath_ = name;
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    // A program started from here is never the radio's end of the line.
    ::fcntl(master_, F_SETFD, ::fcntl(master_, F_GETFD) | FD_CLOEXEC);
}

Pty::~Pty() {
    hangUp();
}

void Pty::hangUp() {
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

} // namespace quorl
