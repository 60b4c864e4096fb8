// report: the printed channel report of a file, as a PDF.

#include "ChannelCodec.h"
#include "CommandParser.h"
#include "Commands.h"
#include "FileAccess.h"
#include "ReportOutput.h"
#include "SettingsCodec.h"

#include <QFileInfo>

namespace quorl {

int runReport(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage, QStringLiteral("Writes the printed channel report of FILE.sin as a PDF file: the "
                              "settings and channels 1 to 199 on six pages, as File > Print "
                              "prints them. The pages hold text, so the PDF can be searched. "
                              "OUT.pdf may not be FILE.sin, nor an existing file that is not a "
                              "PDF."));
    command.addPositional(QStringLiteral("FILE.sin"), QStringLiteral("A channel data file."));
    command.addPositional(QStringLiteral("OUT.pdf"),
                          QStringLiteral("The file to write; replaced only once it is whole."));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const QString in = command.positionals().at(0);
    const QString out = command.positionals().at(1);
    RadioImage image;
    if (const std::optional<int> status = command.load(in, image))
        return *status;
    if (sameFile(in, out))
        return fail(
            QStringLiteral(
                "report: %1 is the channel data file %2 itself; name another file for the PDF")
                .arg(out, in));
    if (QFileInfo(out).isFile() && !holdsPdf(out)) // the writer refuses what is no file
        return fail(
            QStringLiteral("report: %1 exists and is not a PDF; it is left as it is").arg(out));
    // The window prints its table and panel stored back into the image first, so that a
    // squelch byte of 12, which the panel shows as 0, prints as 0; so does the report here.
    encodeChannels(decodeChannels(image), image);
    encodeSettings(decodeSettings(image), image);
    const FileResult written = writeReportPdf(image, out, {}, QFileInfo(in).fileName());
    if (!written.ok)
        return fail(
            QStringLiteral("report: %1: %2").arg(out, QString::fromStdString(written.reason)));
    return kSuccess;
}

} // namespace quorl
