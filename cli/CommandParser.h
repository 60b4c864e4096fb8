#pragma once

// What every command of quorl-cli shares: a parser with --help, a usage line that names the
// command, its exit statuses and its one-line errors on standard error.

#include "RadioImage.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace quorl {

enum ExitStatus : int {
    kSuccess = 0,
    kFailure = 1, // the command failed, or found differences
    kUsage = 2,   // wrong arguments; for diff also a file it cannot read
    // Stopped by a signal: this plus its number, as a shell counts a program the signal
    // ended (130 for Ctrl+C, 143 for SIGTERM, 129 for SIGHUP).
    kStoppedBySignal = 128
};

// Words broken into lines of at most 79 characters, for help texts.
QString wrapped(const QString& text);

// Qt's help with its usage line naming the tool and the command ("quorl-cli read ...").
QString helpWithUsage(const QCommandLineParser& parser, const QString& usage);

// "quorl-cli: " and the message, on standard error; returns the status.
int fail(const QString& message, int status = kFailure);
// The same, marked as a warning; the command goes on.
void warn(const QString& message);

class CommandParser {
public:
    // usage: the command and its arguments ("read [--port P] OUT.sin").
    CommandParser(QString usage, const QString& description);

    QCommandLineParser& parser() { return parser_; }
    void addPositional(const QString& name, const QString& description);
    // Arguments that may follow the required ones: up to `most` of them, or any number (-1).
    void addOptionalPositional(const QString& name, const QString& description, int most);

    // Parses the arguments after the command's name. Returns the status to end with when the
    // command should not run: its help was asked for (0), or the arguments are wrong (2).
    std::optional<int> parse(const QStringList& arguments);
    QStringList positionals() const { return parser_.positionalArguments(); }

    // The command's name, the first word of its usage ("read").
    QString name() const;
    // The command's one-line error: "quorl-cli: read: " and the message; returns the status.
    int fail(const QString& message, int status = kFailure) const;
    // Loads a channel data file. Returns the status to end with, after the command's error,
    // when it cannot be loaded.
    std::optional<int> load(const QString& path, RadioImage& image, int status = kFailure) const;

private:
    QString usage_;
    QCommandLineParser parser_;
    int positionalCount_ = 0;
    int optionalCount_ = 0; // -1: any number
};

} // namespace quorl
