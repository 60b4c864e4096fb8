#pragma once

// File names as the system has them: bytes, not always UTF-8. A QString holds any of them:
// a byte that is not part of UTF-8 is kept as the lone surrogate U+DC80..U+DCFF, which no
// UTF-8 text gives, so a name from the command line reaches the file functions as the same
// bytes (QFile::decodeName would turn such a byte into U+FFFD for good).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace quorl {

QString fileNameFromBytes(QByteArrayView bytes);
QByteArray fileNameToBytes(QStringView name);

// The arguments after the program name, each read as a file name would be.
QStringList commandLineArguments(int argc, const char* const* argv);

} // namespace quorl
