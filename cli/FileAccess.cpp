#include "FileAccess.h"

#include "ChannelFile.h"
#include "FileWriter.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const QByteArray name = QFile::encodeName(path);
    const auto why = [&path](const QString& reason) {
        return path + QStringLiteral(": ") + reason;
    };
    const auto systemError = [&why] { return why(QString::fromLocal8Bit(std::strerror(errno))); };
    // A named pipe or a device is not opened at all: it could keep the command waiting, or
    // never end.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return systemError();
    if (!S_ISREG(info.st_mode))
        return why(QStringLiteral("not a regular file"));
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return systemError();
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return why(QStringLiteral("not a regular file"));
    }
    const auto tooLarge = [&] {
        return why(QStringLiteral("larger than %1 MB (%2 bytes), more than a channel table can be")
                       .arg(limit / (1024 * 1024))
                       .arg(limit));
    };
    if (info.st_size > limit)
        return tooLarge();
    text = file.read(limit + 1); // a file that grew meanwhile shows it
    if (file.error() != QFileDevice::NoError)
        return why(file.errorString());
    if (text.size() > limit)
        return tooLarge();
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
