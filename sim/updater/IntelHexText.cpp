#include "IntelHexText.h"

QByteArray intelHexText(const QByteArray &image, const QByteArray &lineEnd)
{
    QByteArray text = ":020000040000FA" + lineEnd;
    for (int a = 0; a < image.size(); a += 16) {
        const QByteArray data = image.mid(a, 16);
        QByteArray record;
        record.append(char(data.size())).append(char(a >> 8)).append(char(a)).append('\0');
        record.append(data);
        quint8 sum = 0;
        for (char c : record)
            sum += quint8(c);
        record.append(char(-sum));
        text += ':' + record.toHex().toUpper() + lineEnd;
    }
    return text + ":00000001FF" + lineEnd;
}
