// quorl-cli: the radio and its ".sin" channel data files from a terminal, on the same library
// as the window: a whole read or write of the radio, the channel table in words, as CSV for a
// spreadsheet and back, the differences between two files, and the backups of every transfer.

#include "CommandParser.h"
#include "Commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <new>

namespace {

using namespace quorl;

struct Command {
    const char* name;
    const char* arguments;
    const char* summary;
    int (*run)(const QString& usage, const QStringList& arguments);

    QString usage() const {
        return QLatin1String(name) + QLatin1Char(' ') + QLatin1String(arguments);
    }
};

constexpr std::array kCommands{
    Command{"ports", "", "the serial ports and the COM names", runPorts},
    Command{"read", "[--port P] OUT.sin", "read the radio's memory into a file", runRead},
    Command{"write", "[--port P]... [--verify] [--read-first] [--repeat] [--log LOG] IN.sin",
            "write a file into one radio or several at once", runWrite},
    Command{"dump", "FILE.sin", "settings and channels in words", runDump},
    Command{"export", "[--format F] FILE.sin OUT.csv", "the channel table as CSV", runExport},
    Command{"import", "[--format F] [--strict] IN.csv FILE.sin", "a CSV channel table into a file",
            runImport},
    Command{"diff", "A.sin B.sin", "the channels and settings that differ", runDiff},
    Command{"move", "FILE.sin FROM TO", "move a channel to another place", runMove},
    Command{"sort", "[--by KEY] FILE.sin [N-M]", "sort channels", runSort},
    Command{"empty", "FILE.sin CHANNELS...", "empty channels", runEmpty},
    Command{"report", "FILE.sin OUT.pdf", "the printed channel report as a PDF", runReport},
    Command{"backups", "", "the copies kept of reads and writes", runBackups},
};

const Command* findCommand(const QString& name) {
    for (const Command& command : kCommands)
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

QString toolDescription() {
    QString text = QStringLiteral(
        "The QUORL radios and their \".sin\" channel data files from a terminal.\n\nCommands:\n");
    qsizetype width = 0;
    for (const Command& command : kCommands)
        width = std::max(width, command.usage().trimmed().size());
    for (const Command& command : kCommands)
        text += QStringLiteral("  %1  %2\n")
                    .arg(command.usage().trimmed(), -static_cast<int>(width))
                    .arg(QLatin1String(command.summary));
    text += wrapped(QStringLiteral(
        "\n\"quorl-cli COMMAND --help\" tells more about each. Exit status: 0 on success, 1 when "
        "a command fails or finds differences, 2 for wrong arguments, 128 and the signal's "
        "number when stopped by one (130 for Ctrl+C, 143 for SIGTERM, 129 for SIGHUP)."));
    return text;
}

QtMessageHandler qtMessages = nullptr;

// Outside a login session Qt says that XDG_RUNTIME_DIR is not set while it starts the font
// machinery: nothing the report needs or the user can act on.
void withoutRuntimeDirNotice(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        qtMessages(type, context, message);
}

// The report draws text, which needs the font machinery of a GUI application, on no screen.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qtMessages = qInstallMessageHandler(withoutRuntimeDirNotice);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorl-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORL_VERSION));
    // A transfer's cause goes into the command's own error line rather than a log line.
    QLoggingCategory::setFilterRules(QStringLiteral("quorl.transfer.info=false"));

    QCommandLineParser parser;
    parser.setApplicationDescription(toolDescription());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("One of the above."),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
    // Options after the command are the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText() + QStringLiteral(" (see quorl-cli --help)"), kUsage);
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("quorl-cli %s\n", QUORL_VERSION);
        return kSuccess;
    }
    QStringList arguments = parser.positionalArguments();
    // "quorl-cli -h read" asks for read's help, as "quorl-cli read -h" does.
    if (parser.isSet(QStringLiteral("help")) && !arguments.isEmpty() &&
        findCommand(arguments.front()))
        arguments.push_back(QStringLiteral("--help"));
    else if (parser.isSet(QStringLiteral("help")) || arguments.isEmpty()) {
        const QString help = helpWithUsage(parser, QStringLiteral("COMMAND [ARGUMENTS] [--help]"));
        std::fputs(help.toLocal8Bit().constData(),
                   arguments.isEmpty() && !parser.isSet(QStringLiteral("help")) ? stderr : stdout);
        return parser.isSet(QStringLiteral("help")) ? kSuccess : kUsage;
    }
    const QString name = arguments.takeFirst();
    const Command* command = findCommand(name);
    if (!command)
        return fail(QStringLiteral("no command \"%1\" (see quorl-cli --help)").arg(name), kUsage);
    // Whatever goes wrong ends in a line that says so, never in an abort.
    try {
        return command->run(command->usage().trimmed(), arguments);
    } catch (const std::bad_alloc&) {
        return fail(QStringLiteral("%1: out of memory").arg(name));
    } catch (const std::exception& error) {
        return fail(QStringLiteral("%1: unexpected error: %2")
                        .arg(name, QString::fromLocal8Bit(error.what())));
    } catch (...) {
        return fail(QStringLiteral("%1: unexpected error").arg(name));
    }
}
