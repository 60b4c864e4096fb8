#pragma once

// A pseudo-terminal: the program opens the slave path like a serial port, the simulated radio
// reads and writes the master end. The slave is put into raw mode here, so that the line never
// echoes, and then closed: the program refuses a port that somebody else holds open. Between
// two jobs of the program nobody has the slave open and the master end reads as hung up.

#include <string>

namespace quorl {

class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool isOpen() const { return master_ >= 0; }
    // Why opening failed, in the system's words.
    const std::string& error() const { return error_; }
    const std::string& slavePath() const { return slavePath_; }
    int master() const { return master_; }

    // Closes the master end: whoever has the slave open sees the line go away.
    void hangUp();

private:
    int master_ = -1;
    std::string slavePath_;
    std::string error_;
};

} // namespace quorl
