#pragma once

// Files the commands read and write; each call says why it failed, with the file's name.

#include "RadioImage.h"

#include <QByteArray>
#include <QString>

namespace quorl {

// An empty QString on success, else "PATH: why".
QString loadImageFile(const QString& path, RadioImage& image);
QString saveImageFile(const QString& path, const RadioImage& image);
// A regular file of at most `limit` bytes, a CSV; anything else is refused without waiting
// on it.
QString readTextFile(const QString& path, qint64 limit, QByteArray& text);
// Whether both name one file (through links or "..", or as hard links of it).
bool sameFile(const QString& a, const QString& b);
// Whether a regular file starts as a PDF does ("%PDF-"), or is empty.
bool holdsPdf(const QString& path);

// Replaces the file only once the whole text is written.
QString writeTextFile(const QString& path, const QByteArray& text);

} // namespace quorl
