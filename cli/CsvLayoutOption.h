#pragma once

// The --format of export and import, and what those commands say about a channel list in the
// common layout: its rows left out and what a row lost, one line each on standard error.

#include "CommandParser.h"
#include "RadioImage.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QString>

#include <optional>
#include <string_view>

namespace quorl {

enum class CsvLayout {
    ByHeader, // no --format: import tells by the first line, export writes the table
    Table,    // the window's nine columns
    Common,   // the layout of the widely used open-source programmer
};

QCommandLineOption formatOption();

// Paragraphs for the help of export and import.
QString commonExportHelp();
QString commonImportHelp();

// The layout --format names; empty, after the usage error, for a word it does not know.
std::optional<CsvLayout> chosenLayout(CommandParser& command, const QString& name);

// The channels in use in the common layout; a channel it cannot hold is named as a warning.
QByteArray commonCsvText(const RadioImage& image);

// Reads the rows of `in` into the image and stores it as `target`, naming each row left out;
// with strict, one row left out leaves `target` alone. Returns the status.
int importCommonCsvFile(const QString& in, std::string_view text, const QString& target,
                        RadioImage& image, bool strict);

} // namespace quorl
