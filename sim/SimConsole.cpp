#include "SimConsole.h"

void SimConsole::reset()
{
    m_line.clear();
    m_afterCr = false;
}

QByteArray SimConsole::answer(const QByteArray &bytes)
{
    if (m_mode == Mode::Echo)
        return bytes;
    QByteArray out;
    for (const char c : bytes) {
        const bool lf = c == '\n';
        if (lf && m_afterCr) {
            // The LF of a CR LF: the line was answered at the CR.
            m_afterCr = false;
            continue;
        }
        m_afterCr = c == '\r';
        if (c == '\r' || lf) {
            out += "\r\n" + command(m_line.trimmed()) + "CH" + QByteArray::number(m_channel + 1) +
                   "> ";
            m_line.clear();
        } else {
            out += c;
            m_line += c;
        }
    }
    return out;
}

QByteArray SimConsole::command(const QByteArray &line) const
{
    if (line.isEmpty())
        return QByteArray();
    if (line == "id")
        return "Channel " + QByteArray::number(m_channel + 1) + " controller, firmware 2.07\r\n";
    if (line == "cls")
        return "\x1b[2J";
    if (line == "live")
        return "P=   0 mmHg\rP=  51 mmHg\rP= 102 mmHg\r\n";
    if (line == "nul")
        return QByteArray("zero\0point\r\n", 12);
    return "? " + line + "\r\n";
}
