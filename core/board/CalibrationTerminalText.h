#pragma once

#include <QByteArray>
#include <QString>

// What the calibration terminal shows of a channel controller's console: the characters
// received since it was last cleared, with the few terminal controls such a console uses
// applied. ESC [ 2 J clears everything received so far; CR LF ends a line; a lone CR
// takes the line back to its start, so what follows replaces it (a reading that updates
// itself in place). NUL bytes are dropped; any other byte is one Latin-1 character.
// Bytes may come split anywhere: a sequence or a CR LF cut between two reads counts as
// one. Only the last MaxCharacters are kept, so a console that never stops talking
// cannot fill the instrument's memory.
class CalibrationTerminalText
{
public:
    static constexpr int MaxCharacters = 8192;

    // Takes the bytes of one read; true when the text shown has changed.
    bool append(const QByteArray &bytes);
    // Lines are separated by "\n".
    QString text() const { return m_text; }
    void clear();

private:
    void bound();

    QString m_text;
    // How much of ESC [ 2 J has been seen: 0 none, 1 ESC, 2 ESC [, 3 ESC [ 2.
    int m_clearState = 0;
    // A CR whose meaning depends on the byte after it.
    bool m_pendingCr = false;
};
