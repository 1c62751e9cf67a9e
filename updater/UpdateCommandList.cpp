#include "UpdateCommandList.h"

QStringList UpdateCommandList::splitLines(const QByteArray &content)
{
    QStringList lines;
    int start = 0;
    while (start < content.size()) {
        int end = content.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = content.size();
        int len = end - start;
        if (!last && len > 0 && content.at(end - 1) == '\r')
            --len;
        lines << QString::fromUtf8(content.constData() + start, len);
        start = end + 1;
    }
    return lines;
}

UpdateCommandList::Entry UpdateCommandList::parseLine(const QString &line)
{
    Entry e;
    const QStringList parts = line.split(QLatin1Char(':'));
    if (parts.size() != 2)
        return e;
    e.command = parts.at(0);
    e.argument = parts.at(1);
    const QString &c = e.command;
    if (c == QLatin1String("SYSTEM"))
        e.kind = System;
    else if (c == QLatin1String("APP"))
        e.kind = App;
    else if (c == QLatin1String("KERNEL"))
        e.kind = Kernel;
    else if (c == QLatin1String("IMAGE"))
        e.kind = Image;
    else if (c == QLatin1String("FILE"))
        e.kind = File;
    else if (c == QLatin1String("SCRIPT"))
        e.kind = Script;
    else if (c.size() == 4 && c.startsWith(QLatin1String("PIC")) && c.at(3) >= QLatin1Char('1')
             && c.at(3) <= QLatin1Char('4')) {
        // Only the four channel controllers exist; "PIC5" or "PIC" must not reach the
        // programmer with a number that selects no reset line.
        e.kind = Pic;
        e.pic = c.at(3).unicode() - '0';
    } else if (c.contains(QLatin1String("ESA_IO_APP")))
        e.kind = EsaIoApp;
    else if (c.contains(QLatin1String("ESA_M_APP")))
        e.kind = EsaMeasurementApp;
    else if (c.contains(QLatin1String("ESA_IO_EEP")))
        e.kind = EsaIoEeprom;
    else if (c.contains(QLatin1String("ESA_M_EEP")))
        e.kind = EsaMeasurementEeprom;
    else
        e.kind = Unknown;
    return e;
}

bool UpdateCommandList::isPackagePath(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('/')) || argument.contains(QChar(0)))
        return false;
    // "/." and "//" name the package folder itself, which copied over the root of the
    // running system would overwrite all of it.
    bool namesSomething = false;
    for (const QString &p : argument.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (p == QLatin1String(".."))
            return false;
        if (p != QLatin1String("."))
            namesSomething = true;
    }
    return namesSomething;
}

bool UpdateCommandList::isTopLevelName(const QString &argument)
{
    return isPackagePath(argument) && argument.indexOf(QLatin1Char('/'), 1) < 0;
}
