#include "exercise/LenMbcs.h"
#include <QStringEncoder>

int LenMbcs(const QString& text)
{
    bool ascii = true;
    for (QChar ch : text)
        if (ch.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return static_cast<int>(text.size());
    // ICU's Windows table: "cp950" is an IBM variant that disagrees on several characters.
    QStringEncoder encoder("windows-950");
    return static_cast<int>(QByteArray(encoder(text)).size());
}
