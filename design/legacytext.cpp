#include "design/legacytext.h"

#include <QStringDecoder>

namespace LegacyText {

QString decodeUtf8OrWindows1252(const QByteArray &bytes, bool *wasLegacy)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    const bool legacy = utf8.hasError();
    if (legacy) {
        // Qt reaches Windows-1252 through ICU; a Qt built without it still reads the file,
        // as Latin-1, which differs only in the bytes 0x80 to 0x9F.
        QStringDecoder cp1252("Windows-1252");
        text = cp1252.isValid() ? QString(cp1252.decode(bytes)) : QString::fromLatin1(bytes);
    }
    if (wasLegacy)
        *wasLegacy = legacy;
    return text;
}

} // namespace LegacyText
