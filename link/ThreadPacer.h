#pragma once

#include "Pacer.h"

namespace quorl {

// Blocks the calling thread for the whole pause.
class ThreadPacer final : public Pacer {
public:
    void pause(int milliseconds) override;
};

} // namespace quorl
