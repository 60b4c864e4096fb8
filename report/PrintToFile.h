#pragma once

// Printing to a PDF file through the one file writer: the printer's own PDF output writes
// straight into the file and says nothing when the disk fills up.

#include "FileResult.h"

#include <functional>

class QPrinter;

namespace quorl {

// For a printer set to print to a PDF file: what draw paints on it goes into memory, and is
// then written to the printer's file whole or not at all. The printer keeps its file name.
FileResult printToPdfFile(QPrinter& printer, const std::function<bool()>& draw);

} // namespace quorl
