#pragma once

// What the program was started to do: make a new document, open a file, open a file to print
// it ("/p file", or "/pt file printer driver port"), or say how to start it (a print switch
// without a file).

#include <QString>
#include <QStringList>

namespace quorl {

struct ShellCommand {
    enum Kind { FileNew, FileOpen, FilePrint, FilePrintTo, Usage };
    Kind kind = FileNew;
    QString fileName;
    QString printerName;
    QString driverName;
    QString portName;
};

// The arguments after the program name. The shell's switches are "-" or "/" with "p" or "pt"
// (printing) and "-" with "dde", "automation", "embedding", "register", "regserver",
// "unregister" or "unregserver" (ignored), in any case.
// Every other argument is a parameter, a name beginning with "-" included, and so is every
// argument after "--". The first parameter is the file, "/pt" takes three more.
ShellCommand parseCommandLine(const QStringList& arguments);

// How to start the program, for a command line it cannot follow.
extern const QString kShellUsage;

} // namespace quorl
