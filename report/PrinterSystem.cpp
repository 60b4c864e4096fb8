#include "PrinterSystem.h"

#include <cups/cups.h>

#include <functional>

namespace quorl {

namespace {

// Calls the visitor with each of this user's jobs on the printer, newest first, until it
// returns true.
void visitJobs(const QString& printer, const std::function<bool(const cups_job_t&)>& visit) {
    cups_job_t* jobs = nullptr;
    const QByteArray name = printer.toUtf8();
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 1, CUPS_WHICHJOBS_ALL);
    for (int i = count - 1; i >= 0; --i)
        if (visit(jobs[i]))
            break;
    cupsFreeJobs(count, jobs);
}

} // namespace

QString lastJobRefusal() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    return QString::fromUtf8(cupsLastErrorString());
}

int newestJob(const QString& printer, const QString& title) {
    int newest = 0;
    visitJobs(printer, [&](const cups_job_t& job) {
        if (job.id > newest && title == QString::fromUtf8(job.title ? job.title : ""))
            newest = job.id;
        return false;
    });
    return newest;
}

JobState jobState(const QString& printer, int id) {
    JobState state = JobState::Printed; // a job the system no longer knows has ended
    visitJobs(printer, [&](const cups_job_t& job) {
        if (job.id != id)
            return false;
        switch (job.state) {
        case IPP_JSTATE_ABORTED:
            state = JobState::Aborted;
            break;
        case IPP_JSTATE_CANCELED:
            state = JobState::Canceled;
            break;
        case IPP_JSTATE_COMPLETED:
            state = JobState::Printed;
            break;
        default:
            state = JobState::Waiting;
        }
        return true;
    });
    return state;
}

} // namespace quorl
