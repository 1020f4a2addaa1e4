#include "files/legacytext.h"

#include <algorithm>
#include <iterator>

#include <QStringConverter>
#include <QStringDecoder>

namespace LegacyText {

namespace {

// The characters of the bytes 0x80 to 0x9F; every other byte is the character of its number.
// Written out here rather than taken from Qt's converters, which reach Windows-1252 only
// through ICU: without it Qt offers Latin-1, whose control characters stand here instead.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

// A UTF-16 decoder hands unpaired surrogates on as they are; they are no characters and have no
// UTF-8 form, so they become the replacement character here, as a broken UTF-8 sequence would.
QString withoutUnpairedSurrogates(QString text)
{
    if (text.isValidUtf16())
        return text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = QChar(value >= 0x80 && value < 0xA0 ? windows1252High[value - 0x80] : char16_t(value));
    }
    return text;
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        char byte = '?';
        if (code < 0x80 || (code >= 0xA0 && code < 0x100)) {
            byte = char(code);
        } else {
            const char16_t *high = std::find(std::begin(windows1252High), std::end(windows1252High), code);
            if (high != std::end(windows1252High))
                byte = char(0x80 + (high - std::begin(windows1252High)));
        }
        *out++ = byte;
    }
    return bytes;
}

QString decodeUtf8OrWindows1252(const QByteArray &bytes, bool *wasLegacy)
{
    // Looked at before it is decoded, so an 8-bit file is decoded once, not twice.
    const bool legacy = !QByteArrayView(bytes).isValidUtf8();
    if (wasLegacy)
        *wasLegacy = legacy;
    if (legacy)
        return fromWindows1252(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return utf8.decode(bytes);
}

QString decodeHonouringByteOrderMark(const QByteArray &bytes)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8) {
        QStringDecoder decoder(*marked);
        return withoutUnpairedSurrogates(decoder.decode(bytes));
    }
    return decodeUtf8OrWindows1252(bytes);
}

} // namespace LegacyText
