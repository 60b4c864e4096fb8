#include "FleetBoard.h"

#include <cstdio>

#include <sys/ioctl.h>
#include <unistd.h>

namespace quorl {

namespace {

constexpr int kRedrawMs = 200; // as often as a single bar

// A row wider than the terminal would wrap onto a second line, and the redraw would then go
// up too few lines.
int terminalColumns() {
    winsize size{};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

} // namespace

FleetBoard::FleetBoard(int rows)
    : lines_(rows), terminal_(drawsProgressBars()), columns_(terminal_ ? terminalColumns() : 0) {}

void FleetBoard::show(int row, const QString& line) {
    const std::lock_guard lock(mutex_);
    if (!terminal_) {
        std::fprintf(stderr, "quorl-cli: %s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
        return;
    }
    lines_[row] = line.left(columns_ - 1);
    if (!sinceDrawn_.isValid() || sinceDrawn_.elapsed() >= kRedrawMs)
        draw();
}

void FleetBoard::finish() {
    const std::lock_guard lock(mutex_);
    if (terminal_)
        draw();
}

// The cursor waits below the rows: up to the first, then each row rewritten.
void FleetBoard::draw() {
    sinceDrawn_.start();
    QByteArray text;
    if (drawn_)
        text += "\033[" + QByteArray::number(lines_.size()) + 'A';
    for (const QString& line : lines_)
        text += "\r\033[K" + line.toLocal8Bit() + '\n';
    drawn_ = true;
    std::fputs(text.constData(), stderr);
    std::fflush(stderr);
}

} // namespace quorl
