#include "CommandLine.h"

namespace quorl {

namespace {

// "/p" and "/pt" are switches too; anything else that begins with "/" is a path.
QString switchName(const QString& argument) {
    if (argument.startsWith(u'-'))
        return argument.mid(1).toLower();
    const QString lower = argument.toLower();
    if (lower == QLatin1String("/p") || lower == QLatin1String("/pt"))
        return lower.mid(1);
    return {};
}

} // namespace

ShellCommand parseCommandLine(const QStringList& arguments) {
    ShellCommand command;
    QStringList parameters;
    for (const QString& argument : arguments) {
        const QString name = switchName(argument);
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
    if (command.fileName.isEmpty())
        command.kind = ShellCommand::FileNew;
    else if (command.kind == ShellCommand::FileNew)
        command.kind = ShellCommand::FileOpen;
    return command;
}

} // namespace quorl
