#pragma once

// What the program was started to do: make a new document, open a file, or open a file to
// print it ("/p file", or "/pt file printer driver port").

#include <QString>
#include <QStringList>

namespace quorl {

struct ShellCommand {
    enum Kind { FileNew, FileOpen, FilePrint, FilePrintTo };
    Kind kind = FileNew;
    QString fileName;
    QString printerName;
    QString driverName;
    QString portName;
};

// The arguments after the program name. Switches start with "-", or are "/p" and "/pt"
// (any case); unknown switches are ignored, and so is a print switch without a file. Other
// arguments are parameters: the first is the file, "/pt" takes three more.
ShellCommand parseCommandLine(const QStringList& arguments);

} // namespace quorl
