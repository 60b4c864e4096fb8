#include "CommandLine.h"

#include <array>

namespace quorl {

namespace {

// The shell's switches: printing, and those that only ask for the program to be started, which
// are taken and ignored.
constexpr std::array<const char*, 9> kShellSwitches{"p",          "pt",         "dde",
                                                    "automation", "embedding",  "register",
                                                    "regserver",  "unregister", "unregserver"};

// The switch an argument names, or empty for a parameter. "/p" and "/pt" are switches too;
// anything else that begins with "/" is a path, and a "-" that names no shell switch begins a
// file name.
QString switchName(const QString& argument) {
    const QString lower = argument.toLower();
    if (lower == QLatin1String("/p") || lower == QLatin1String("/pt"))
        return lower.mid(1);
    if (!argument.startsWith(u'-'))
        return {};
    for (const char* name : kShellSwitches)
        if (lower.mid(1) == QLatin1String(name))
            return lower.mid(1);
    return {};
}

} // namespace

const QString kShellUsage =
    QStringLiteral("Usage: quorl [FILE.sin]\n"
                   "       quorl /p FILE.sin                         print on the default printer\n"
                   "       quorl /pt FILE.sin PRINTER [DRIVER PORT]  print on PRINTER");

ShellCommand parseCommandLine(const QStringList& arguments) {
    ShellCommand command;
    QStringList parameters;
    bool switchesEnded = false;
    for (const QString& argument : arguments) {
        if (!switchesEnded && argument == QLatin1String("--")) {
            switchesEnded = true;
            continue;
        }
        const QString name = switchesEnded ? QString() : switchName(argument);
        if (name == QLatin1String("p"))
            command.kind = ShellCommand::FilePrint;
        else if (name == QLatin1String("pt"))
            command.kind = ShellCommand::FilePrintTo;
        else if (name.isEmpty())
            parameters.append(argument);
    }
    command.fileName = parameters.value(0);
    if (command.kind == ShellCommand::FilePrintTo) {
        command.printerName = parameters.value(1);
        command.driverName = parameters.value(2);
        command.portName = parameters.value(3);
    }
    const bool print =
        command.kind == ShellCommand::FilePrint || command.kind == ShellCommand::FilePrintTo;
    if (command.fileName.isEmpty())
        command.kind = print ? ShellCommand::Usage : ShellCommand::FileNew;
    else if (command.kind == ShellCommand::FileNew)
        command.kind = ShellCommand::FileOpen;
    return command;
}

} // namespace quorl
