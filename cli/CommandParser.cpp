#include "CommandParser.h"

#include "FileAccess.h"

#include <cstdio>

namespace quorl {

namespace {
constexpr int kHelpWidth = 79;
} // namespace

QString wrapped(const QString& text) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > kHelpWidth) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines.push_back(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString helpWithUsage(const QCommandLineParser& parser, const QString& usage) {
    QString help = parser.helpText();
    return help.replace(0, help.indexOf(QLatin1Char('\n')),
                        QStringLiteral("Usage: quorl-cli ") + usage);
}

int fail(const QString& message, int status) {
    std::fprintf(stderr, "quorl-cli: %s\n", message.toLocal8Bit().constData());
    return status;
}

void warn(const QString& message) {
    fail(QStringLiteral("warning: ") + message);
}

CommandParser::CommandParser(QString usage, const QString& description) : usage_(std::move(usage)) {
    parser_.setApplicationDescription(wrapped(description));
    parser_.addHelpOption();
}

void CommandParser::addPositional(const QString& name, const QString& description) {
    parser_.addPositionalArgument(name, description);
    ++positionalCount_;
}

void CommandParser::addOptionalPositional(const QString& name, const QString& description,
                                          int most) {
    parser_.addPositionalArgument(name, description);
    optionalCount_ = most;
}

std::optional<int> CommandParser::parse(const QStringList& arguments) {
    const QString command = name();
    if (!parser_.parse(QStringList{QStringLiteral("quorl-cli")} + arguments))
        return fail(parser_.errorText() + QStringLiteral(" (see quorl-cli %1 --help)").arg(command),
                    kUsage);
    if (parser_.isSet(QStringLiteral("help"))) {
        std::fputs(helpWithUsage(parser_, usage_).toLocal8Bit().constData(), stdout);
        return kSuccess;
    }
    const qsizetype given = parser_.positionalArguments().size();
    if (given < positionalCount_ ||
        (optionalCount_ >= 0 && given > positionalCount_ + optionalCount_)) {
        const QString wanted = positionalCount_ == 0
                                   ? QStringLiteral("takes no arguments")
                                   : QStringLiteral("wants ") + usage_.section(QLatin1Char(' '), 1);
        return fail(QStringLiteral("%1 (see quorl-cli %2 --help)").arg(wanted, command), kUsage);
    }
    return std::nullopt;
}

QString CommandParser::name() const {
    return usage_.section(QLatin1Char(' '), 0, 0);
}

int CommandParser::fail(const QString& message, int status) const {
    return quorl::fail(name() + QStringLiteral(": ") + message, status);
}

std::optional<int> CommandParser::load(const QString& path, RadioImage& image, int status) const {
    if (const QString error = loadImageFile(path, image); !error.isEmpty())
        return fail(error, status);
    return std::nullopt;
}

} // namespace quorl
