#include "ProgramInfo.h"

namespace quorl {

namespace {

const QString kUsage = QStringLiteral(
    "Usage: quorl [FILE.sin]\n"
    "       quorl /p FILE.sin\n"
    "       quorl /pt FILE.sin PRINTER DRIVER PORT\n"
    "\n"
    "Programming software for QUORL handheld radios: opens FILE.sin, or a new document\n"
    "without one.\n"
    "\n"
    "  /p FILE.sin      prints the file's channel report on the default printer and ends\n"
    "  /pt FILE.sin PRINTER DRIVER PORT\n"
    "                   prints it on PRINTER and ends\n"
    "  --               ends the options: what follows is the file, even \"-x\" or \"/p\"\n"
    "  --help           shows this text and ends\n"
    "  --version        shows the version and ends\n"
    "\n"
    "Qt's own options (-platform, -style, ...) are taken too.\n");

} // namespace

std::optional<QString> programInfoAsked(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help"))
            return kUsage;
        if (argument == QLatin1String("--version"))
            return QStringLiteral("quorl %1\n").arg(QLatin1String(QUORL_VERSION));
    }
    return std::nullopt;
}

} // namespace quorl
