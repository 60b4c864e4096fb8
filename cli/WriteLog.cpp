#include "WriteLog.h"

#include "Csv.h"
#include "FileWriter.h"
#include "SerialDevice.h"

#include <QFile>
#include <QFileInfo>

namespace quorl {

namespace {

QString append(const QString& path, const std::string& text) {
    const FileResult added = appendToFile(QFile::encodeName(path).toStdString(), text);
    return added.ok ? QString()
                    : path + QStringLiteral(": ") +
                          QString::fromLocal8Bit(QByteArray::fromStdString(added.reason));
}

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

QString startWriteLog(const QString& path) {
    const QFileInfo log(path);
    const bool fresh = !log.exists() || (log.isFile() && log.size() == 0);
    return append(path, fresh ? csvRecord({"Time", "Port", "File", "Result", "Verify", "Backups"})
                              : std::string());
}

QString appendToWriteLog(const QString& path, const QDateTime& when, const QString& file,
                         const PortResult& result) {
    QStringList copies{result.readFirstCopy, result.writeCopy, result.verifyCopy};
    copies.removeAll(QString());
    return append(path, csvRecord({utf8(when.toUTC().toString(Qt::ISODate)),
                                   utf8(portWords(result.port)), utf8(file), utf8(result.result),
                                   utf8(result.verify), utf8(copies.join(QLatin1Char(';')))}));
}

} // namespace quorl
