#pragma once

// What the printer system (CUPS) does with the jobs this program hands it. Qt sends a job when
// the painter ends and keeps the answer to itself, so a queue that refuses the job
// (`cupsreject`, a printer removed meanwhile) or aborts it (a failing printer or filter) would
// otherwise look like a job printed.

#include <QString>

namespace quorl {

// Why the printer system refused the last job this thread handed it, or empty when it took it.
QString lastJobRefusal();

// The number of this user's newest job on the printer with this title, 0 when there is none.
int newestJob(const QString& printer, const QString& title);

enum class JobState { Waiting, Printed, Aborted, Canceled };
JobState jobState(const QString& printer, int job);

} // namespace quorl
