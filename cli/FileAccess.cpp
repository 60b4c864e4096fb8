#include "FileAccess.h"

#include "ChannelFile.h"
#include "FileWriter.h"

#include <QFile>

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

QString readTextFile(const QString& path, QByteArray& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path + QStringLiteral(": ") + file.errorString();
    text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return path + QStringLiteral(": ") + file.errorString();
    return {};
}

QString writeTextFile(const QString& path, const QByteArray& text) {
    return reason(path, replaceFile(nativePath(path),
                                    std::string_view(text.constData(), std::size_t(text.size()))));
}

} // namespace quorl
