// report: the printed channel report of a file, as a PDF.

#include "CommandParser.h"
#include "Commands.h"
#include "FileAccess.h"
#include "ReportOutput.h"

#include <QFileInfo>

namespace quorl {

int runReport(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage, QStringLiteral("Writes the printed channel report of FILE.sin as a PDF file: the "
                              "settings and channels 1 to 199 on six pages, as File > Print "
                              "prints them. The pages hold text, so the PDF can be searched."));
    command.addPositional(QStringLiteral("FILE.sin"), QStringLiteral("A channel data file."));
    command.addPositional(QStringLiteral("OUT.pdf"),
                          QStringLiteral("The file to write; replaced only once it is whole."));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    RadioImage image;
    if (const QString error = loadImageFile(command.positionals().at(0), image); !error.isEmpty())
        return fail(QStringLiteral("report: ") + error);
    const QString out = command.positionals().at(1);
    const FileResult written =
        writeReportPdf(image, out, {}, QFileInfo(command.positionals().at(0)).fileName());
    if (!written.ok)
        return fail(
            QStringLiteral("report: %1: %2").arg(out, QString::fromStdString(written.reason)));
    return kSuccess;
}

} // namespace quorl
