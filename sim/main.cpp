// quorl-radio-sim: a radio of our own making on a pseudo-terminal, for trying the program
// without a radio. Prints the terminal's path; point COM1 at it with QUORL_COM1.

#include "ChannelFile.h"
#include "DefaultMemory.h"
#include "PtyServer.h"
#include "SimFault.h"
#include "TestFrameText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void requestStop(int) {
    stopRequested = 1;
}

int fail(const QString& message) {
    std::fprintf(stderr, "quorl-radio-sim: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace quorl;
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorl-radio-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated radio on a pseudo-terminal. Prints the terminal's path on the first line, "
        "then answers reads and writes of its memory and the test mode until SIGINT or SIGTERM "
        "(or its line hangs up). What the test mode sends is shown on standard error."));
    parser.addHelpOption();
    const QCommandLineOption image(QStringLiteral("image"),
                                   QStringLiteral("Serve this 8192-byte channel data file "
                                                  "instead of the built-in memory."),
                                   QStringLiteral("file"));
    const QCommandLineOption save(QStringLiteral("save"),
                                  QStringLiteral("On exit, save the memory (with whatever was "
                                                 "written to it) to this file."),
                                  QStringLiteral("file"));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Also reach the terminal through this symlink "
                                                 "(replaced if it is a symlink, removed on exit)."),
                                  QStringLiteral("path"));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("Answer this many milliseconds after a "
                                                  "request (default 10)."),
                                   QStringLiteral("ms"), QStringLiteral("10"));
    const QCommandLineOption fault(QStringLiteral("fault"),
                                   QStringLiteral("Misbehave; may be repeated. One of: ") +
                                       QString::fromStdString(simFaultSyntax()),
                                   QStringLiteral("fault"));
    parser.addOptions({image, save, link, delay, fault});
    // Qt's process() would end a wrong option with status 1; the README promises 2.
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(0);

    RadioImage memory = defaultSimMemory();
    if (parser.isSet(image)) {
        const FileResult loaded = loadChannelFile(parser.value(image).toStdString(), memory);
        if (!loaded.ok)
            return fail(parser.value(image) + QStringLiteral(": ") +
                        QString::fromStdString(loaded.reason));
    }
    std::vector<SimFault> faults;
    for (const QString& text : parser.values(fault)) {
        const std::optional<SimFault> parsed = parseSimFault(text.toStdString());
        if (!parsed)
            return fail(QStringLiteral("unknown fault \"%1\"; use %2")
                            .arg(text, QString::fromStdString(simFaultSyntax())));
        faults.push_back(*parsed);
    }
    bool delayOk = false;
    const int delayMs = parser.value(delay).toInt(&delayOk);
    if (!delayOk || delayMs < 0)
        return fail(QStringLiteral("--delay wants a number of milliseconds"));

    Pty pty;
    if (!pty.isOpen())
        return fail(QStringLiteral("no pseudo-terminal: ") + QString::fromStdString(pty.error()));
    const QString linkPath = parser.value(link);
    if (!linkPath.isEmpty()) {
        if (QFileInfo(linkPath).isSymLink())
            ::unlink(QFile::encodeName(linkPath).constData());
        if (::symlink(pty.slavePath().c_str(), QFile::encodeName(linkPath).constData()) != 0)
            return fail(linkPath + QStringLiteral(": cannot create the link"));
    }

    // SIGINT and SIGTERM are let through only while the server waits, so none slips in
    // between its look at the flag and its wait.
    sigset_t stopSignals;
    sigset_t waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    std::printf("%s\n", pty.slavePath().c_str());
    std::fflush(stdout);

    SimRadio radio(memory);
    radio.setFaults(std::move(faults));
    // So that whoever runs the radio sees the alignment values arrive.
    radio.setTestFrameObserver([](const SimTestFrame& frame) {
        std::fprintf(stderr, "quorl-radio-sim: test mode %s\n", describeTestFrame(frame).c_str());
    });
    PtyServer server(radio, pty, std::chrono::milliseconds(delayMs));
    server.serve(stopRequested, waitMask);

    if (!linkPath.isEmpty())
        ::unlink(QFile::encodeName(linkPath).constData());
    if (radio.hungUp())
        std::fprintf(stderr, "quorl-radio-sim: the line hung up\n");
    if (parser.isSet(save)) {
        const FileResult saved = saveChannelFile(parser.value(save).toStdString(), radio.memory());
        if (!saved.ok)
            return fail(parser.value(save) + QStringLiteral(": ") +
                        QString::fromStdString(saved.reason));
    }
    std::fprintf(stderr, "quorl-radio-sim: %zu bytes received\n", radio.received().size());
    return 0;
}
