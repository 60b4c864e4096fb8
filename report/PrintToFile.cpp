#include "PrintToFile.h"

#include "FileWriter.h"

#include <QFile>
#include <QPrinter>

#include <sys/mman.h>

namespace quorl {

// The printer takes only a file name: it gets that of a file in memory.
FileResult printToPdfFile(QPrinter& printer, const std::function<bool()>& draw) {
    const QString path = printer.outputFileName();
    const std::filesystem::path target = QFile::encodeName(path).toStdString();
    if (path.isEmpty())
        return FileResult{false, target, "no file is named", {}};
    QFile drawn;
    if (!drawn.open(::memfd_create("report.pdf", MFD_CLOEXEC), QIODevice::ReadOnly,
                    QFileDevice::AutoCloseHandle))
        return FileResult{false, target, drawn.errorString().toStdString(), {}};
    printer.setOutputFileName(QStringLiteral("/proc/self/fd/%1").arg(drawn.handle()));
    const bool drew = draw();
    printer.setOutputFileName(path);
    const QByteArray bytes = drawn.readAll();
    if (!drew || drawn.error() != QFileDevice::NoError)
        return FileResult{false, target, "the PDF could not be drawn", {}};
    return replaceFile(target, std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace quorl
