#pragma once

// What the printer system (CUPS) answered to the last job this thread handed it. Qt sends the
// job when the painter ends and keeps the answer to itself, so a queue that refuses the job
// (`cupsreject`, a printer removed meanwhile) would otherwise look like a job printed.

#include <QString>

namespace quorl {

// Why the printer system refused the last job, or empty when it took it.
QString lastJobRefusal();

} // namespace quorl
