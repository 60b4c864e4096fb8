#include "FileNames.h"

namespace quorl {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

// The length of the well-formed UTF-8 sequence that starts at `at`, 0 when there is none:
// no overlong forms, no surrogates, nothing above U+10FFFF.
qsizetype utf8SequenceAt(QByteArrayView bytes, qsizetype at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t point = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        point = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        point = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        point = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (next & 0x3F);
    }
    if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString fileNameFromBytes(QByteArrayView bytes) {
    QString name;
    qsizetype text = 0; // where the UTF-8 not yet decoded starts
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = utf8SequenceAt(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(bytes.sliced(text, at - text));
        name += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[at])));
        text = ++at;
    }
    return name + QString::fromUtf8(bytes.sliced(text));
}

QByteArray fileNameToBytes(QStringView name) {
    QByteArray bytes;
    qsizetype text = 0; // where the characters not yet encoded start
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t unit = name[at].unicode();
        // A low surrogate after a high one is half of a character, not a byte.
        const bool escape = unit >= kFirstEscape && unit <= kLastEscape &&
                            (at == 0 || !name[at - 1].isHighSurrogate());
        if (!escape)
            continue;
        bytes += name.sliced(text, at - text).toUtf8();
        bytes += static_cast<char>(unit - kEscapeBase);
        text = at + 1;
    }
    return bytes + name.sliced(text).toUtf8();
}

QStringList commandLineArguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(fileNameFromBytes(argv[i]));
    return arguments;
}

} // namespace quorl
