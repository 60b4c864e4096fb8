#pragma once

// The progress of several radios written at once, one row each, fed by their threads. On a
// terminal the rows are redrawn in place, a few times a second; elsewhere (a file, a pipe, a
// dumb terminal) each line the transfers show is printed as it comes.

#include "TerminalTransferEvents.h"

#include <QElapsedTimer>
#include <QStringList>

#include <mutex>

namespace quorl {

class FleetBoard final : public ProgressRows {
public:
    explicit FleetBoard(int rows);

    void show(int row, const QString& line) override;
    // Draws the rows as they last were, so that what follows starts below them.
    void finish();

private:
    void draw();

    std::mutex mutex_;
    QStringList lines_;
    bool terminal_;
    int columns_;
    bool drawn_ = false;
    QElapsedTimer sinceDrawn_;
};

} // namespace quorl
