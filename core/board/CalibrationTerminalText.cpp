#include "CalibrationTerminalText.h"

namespace
{
constexpr char kEsc = 27;
// How far past the cut a line start may lie and still be where the kept text begins.
constexpr int kLineStartReach = 256;
} // namespace

void CalibrationTerminalText::clear()
{
    m_text.clear();
    m_clearState = 0;
    m_pendingCr = false;
}

bool CalibrationTerminalText::append(const QByteArray &bytes)
{
    bool changed = false;
    for (const char c : bytes) {
        if (c == '\0')
            continue;
        // A mismatch starts over without looking at the byte again, as the console's own
        // recogniser does: ESC ESC [ 2 J is no clear-screen.
        if (m_clearState == 3 && c == 'J') {
            changed = changed || !m_text.isEmpty();
            m_text.clear();
            m_pendingCr = false;
            m_clearState = 0;
            continue;
        }
        const int expected[] = {kEsc, '[', '2'};
        m_clearState = (m_clearState < 3 && c == expected[m_clearState]) ? m_clearState + 1 : 0;

        if (m_pendingCr) {
            m_pendingCr = false;
            if (c == '\n') {
                m_text.append(QLatin1Char('\n'));
                changed = true;
                continue;
            }
            const int lineStart = m_text.lastIndexOf(QLatin1Char('\n')) + 1;
            if (lineStart < m_text.size()) {
                m_text.truncate(lineStart);
                changed = true;
            }
        }
        if (c == '\r') {
            m_pendingCr = true;
            continue;
        }
        m_text.append(QChar::fromLatin1(c));
        changed = true;
    }
    bound();
    return changed;
}

void CalibrationTerminalText::bound()
{
    if (m_text.size() <= MaxCharacters)
        return;
    int cut = m_text.size() - MaxCharacters;
    const int lineStart = m_text.indexOf(QLatin1Char('\n'), cut) + 1;
    if (lineStart > 0 && lineStart - cut <= kLineStartReach)
        cut = lineStart;
    m_text.remove(0, cut);
}
