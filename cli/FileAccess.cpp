#include "FileAccess.h"

#include "ChannelFile.h"
#include "FileReader.h"
#include "FileWriter.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace quorl {

namespace {

// "PATH: why", the path as the command was given it.
QString reason(const QString& path, const FileResult& result) {
    return result.ok ? QString()
                     : path + QStringLiteral(": ") +
                           QString::fromLocal8Bit(QByteArray::fromStdString(result.reason));
}

std::filesystem::path nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

QString loadImageFile(const QString& path, RadioImage& image) {
    return reason(path, loadChannelFile(nativePath(path), image));
}

QString saveImageFile(const QString& path, const RadioImage& image) {
    return reason(path, saveChannelFile(nativePath(path), image));
}

QString readTextFile(const QString& path, qint64 limit, QByteArray& text) {
    std::string bytes; // one byte more than the limit tells that the file is larger
    const FileResult read = readFileStart(nativePath(path), std::size_t(limit) + 1, bytes);
    if (!read.ok && !read.error)
        return path + QStringLiteral(": not a regular file");
    if (!read.ok)
        return reason(path, read);
    if (qint64(bytes.size()) > limit)
        return path +
               QStringLiteral(": larger than %1 MB (%2 bytes), more than a channel table can be")
                   .arg(limit / (1024 * 1024))
                   .arg(limit);
    text = QByteArray::fromStdString(bytes);
    return {};
}

bool sameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool holdsPdf(const QString& path) {
    if (!QFileInfo(path).isFile()) // a regular file: nothing else is opened, let alone waited on
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(5);
    return start.isEmpty() || start == "%PDF-";
}

QString writeTextFile(const QString& path, const QByteArray& text) {
    return reason(path, replaceFile(nativePath(path),
                                    std::string_view(text.constData(), std::size_t(text.size()))));
}

} // namespace quorl
