#pragma once

// What a clone transfer tells its front end while it runs, and the two things it asks: whether
// to try again after trouble, and whether to go on after each pass of waiting. The window turns
// these into its progress dialog and message boxes, a terminal into a progress line; neither
// the words nor the windows live here.

namespace quorl {

enum class TransferDirection { Read, Write };

enum class TransferStage {
    Detecting, // the port is open, the first handshake is about to go out
    Waiting,   // a handshake is on its way; waiting for the radio to answer
};

enum class RetryReason {
    NoAnswer,          // a series of handshakes went unanswered, or the go-ahead did
    GoAheadNotWritten, // the go-ahead byte could not be written to the port
};

class TransferEvents {
public:
    virtual ~TransferEvents() = default;
    // A session of several steps (a write and its read-back) begins each one here.
    virtual void begin(TransferDirection direction) = 0;
    virtual void stage(TransferStage stage) = 0;
    // After each block: `done` of `total` blocks have moved.
    virtual void progress(int done, int total) = 0;
    // Whether to try again; false gives up (NoAnswer) or counts the try as failed.
    virtual bool retry(RetryReason reason) = 0;
    // One pass of waiting: the front end keeps its windows alive here. Returns false to stop
    // the transfer (Cancel, an interruption, a stop signal).
    virtual bool betweenWaits() = 0;
};

} // namespace quorl
