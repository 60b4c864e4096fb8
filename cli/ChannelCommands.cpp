// move, sort and empty: rearranging the channels of a file, each channel whole.

#include "ChannelOps.h"
#include "CommandParser.h"
#include "Commands.h"
#include "FileAccess.h"

#include <optional>
#include <vector>

namespace quorl {

namespace {

const QString kWhole = QStringLiteral(
    "Each channel moves whole: its 16-byte record, bytes the window does not show included, "
    "and its name; every other byte of the file stays as it is.");

std::optional<int> channelNumber(const QString& text) {
    bool ok = false;
    const int channel = text.toInt(&ok);
    if (!ok || channel < 1 || channel > kChannelCount)
        return std::nullopt;
    return channel;
}

// "7" or "10-19"; empty when the text is neither.
std::vector<int> channelRange(const QString& text) {
    const QStringList ends = text.split(QLatin1Char('-'));
    if (ends.size() > 2)
        return {};
    const std::optional<int> first = channelNumber(ends.front());
    const std::optional<int> last = channelNumber(ends.back());
    if (!first || !last || *first > *last)
        return {};
    std::vector<int> channels;
    for (int c = *first; c <= *last; ++c)
        channels.push_back(c);
    return channels;
}

int badChannels(const char* name, const QString& text) {
    return fail(QStringLiteral("%1: \"%2\" is not a channel from 1 to 199 or a range such as "
                               "10-19 (see quorl-cli %1 --help)")
                    .arg(QLatin1String(name), text),
                kUsage);
}

// Loads the file, changes it and stores it back.
template <typename Change>
int changeFile(const CommandParser& command, const QString& path, Change change) {
    RadioImage image;
    if (const std::optional<int> status = command.load(path, image))
        return *status;
    if (const QString refusal = change(image); !refusal.isEmpty())
        return command.fail(refusal);
    if (const QString error = saveImageFile(path, image); !error.isEmpty())
        return command.fail(error);
    return kSuccess;
}

} // namespace

int runMove(const QString& usage, const QStringList& arguments) {
    CommandParser command(usage, QStringLiteral("Moves channel FROM of FILE.sin to place TO; "
                                                "the channels between move one place towards "
                                                "FROM. ") +
                                     kWhole);
    command.addPositional(QStringLiteral("FILE.sin"), QStringLiteral("The file to change."));
    command.addPositional(QStringLiteral("FROM"), QStringLiteral("A channel, 1 to 199."));
    command.addPositional(QStringLiteral("TO"), QStringLiteral("Its new place, 1 to 199."));
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const QStringList args = command.positionals();
    const std::optional<int> from = channelNumber(args.at(1));
    const std::optional<int> to = channelNumber(args.at(2));
    if (!from || !to)
        return badChannels("move", from ? args.at(2) : args.at(1));
    return changeFile(command, args.at(0), [&](RadioImage& image) {
        moveChannel(image, *from, *to);
        return QString();
    });
}

int runSort(const QString& usage, const QStringList& arguments) {
    CommandParser command(
        usage, QStringLiteral("Sorts channels N to M of FILE.sin (all 199 when no range "
                              "is given) by receive frequency, lowest first, or by name; channels "
                              "not in use, or without that value, go last, and equal ones keep "
                              "their order. ") +
                   kWhole);
    const QCommandLineOption by(QStringLiteral("by"),
                                QStringLiteral("receive (the default) or name."),
                                QStringLiteral("KEY"), QStringLiteral("receive"));
    command.parser().addOption(by);
    command.addPositional(QStringLiteral("FILE.sin"), QStringLiteral("The file to change."));
    command.addOptionalPositional(QStringLiteral("N-M"),
                                  QStringLiteral("The channels to sort, such as 10-19."), 1);
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const QStringList args = command.positionals();
    const QString key = command.parser().value(by);
    if (key != QLatin1String("receive") && key != QLatin1String("name"))
        return command.fail(QStringLiteral("--by takes receive or name, not \"%1\"").arg(key),
                            kUsage);
    const std::vector<int> channels =
        channelRange(args.size() > 1 ? args.at(1) : QStringLiteral("1-199"));
    if (channels.empty())
        return badChannels("sort", args.at(1));
    return changeFile(command, args.at(0), [&](RadioImage& image) {
        sortChannels(image, channels,
                     key == QLatin1String("name") ? SortKey::Name : SortKey::ReceiveFrequency);
        return QString();
    });
}

int runEmpty(const QString& usage, const QStringList& arguments) {
    CommandParser command(usage,
                          QStringLiteral("Empties the channels of FILE.sin: every byte of their "
                                         "records and names is erased (0xFF), as New leaves "
                                         "them. The other channels do not move."));
    command.addPositional(QStringLiteral("FILE.sin"), QStringLiteral("The file to change."));
    command.addPositional(QStringLiteral("CHANNELS"),
                          QStringLiteral("A channel (7) or a range (10-19)."));
    command.addOptionalPositional(QStringLiteral("..."), QStringLiteral("More of them."), -1);
    if (const std::optional<int> status = command.parse(arguments))
        return *status;
    const QStringList args = command.positionals();
    std::vector<int> channels;
    for (const QString& text : args.mid(1)) {
        const std::vector<int> range = channelRange(text);
        if (range.empty())
            return badChannels("empty", text);
        channels.insert(channels.end(), range.begin(), range.end());
    }
    return changeFile(command, args.at(0), [&](RadioImage& image) {
        emptyChannels(image, channels);
        return QString();
    });
}

} // namespace quorl
