#pragma once

// Files the commands read and write; each call says why it failed, with the file's name.

#include "RadioImage.h"

#include <QByteArray>
#include <QString>

namespace quorl {

// An empty QString on success, else "PATH: why".
QString loadImageFile(const QString& path, RadioImage& image);
QString saveImageFile(const QString& path, const RadioImage& image);
QString readTextFile(const QString& path, QByteArray& text);
// Replaces the file only once the whole text is written.
QString writeTextFile(const QString& path, const QByteArray& text);

} // namespace quorl
