#pragma once

#include "ByteLink.h"

namespace quorl {

// Closes the port on every way out of the scope.
class PortCloser {
public:
    explicit PortCloser(ByteLink& link) : link_(link) {}
    ~PortCloser() { link_.close(); }
    PortCloser(const PortCloser&) = delete;
    PortCloser& operator=(const PortCloser&) = delete;

private:
    ByteLink& link_;
};

} // namespace quorl
