#pragma once

// Fixed millisecond pauses between the steps of a protocol. The program sleeps for real;
// tests advance a virtual clock instead, so every pause can be counted and checked.

namespace quorl {

class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void pause(int milliseconds) = 0;
};

} // namespace quorl
