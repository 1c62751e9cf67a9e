#pragma once

#include <QByteArray>

// The calibration console of one channel controller: what it answers to bytes that reach
// it outside frames, while the instrument has handed it the raw line. Its firmware is
// free to choose how it talks, so the console has a mode per plausible behaviour:
//  - Echo: every byte comes straight back.
//  - Prompt: a line monitor. Characters are echoed; a line end (CR, LF or CR LF) gets
//    CR LF, the command's answer and the prompt "CHn> ". Commands: "id" (the channel's
//    identity), "cls" (ESC [ 2 J, clearing the terminal), "live" (a reading that updates
//    itself with lone CRs, then CR LF), "nul" (an answer with NUL bytes in it);
//    anything else "?".
class SimConsole
{
public:
    enum class Mode { Echo, Prompt };

    explicit SimConsole(int channel = 0) : m_channel(channel) {}

    void setMode(Mode mode) { m_mode = mode; }
    Mode mode() const { return m_mode; }
    // The controller restarted: a half-typed line is gone.
    void reset();
    // What the console sends back for the bytes it heard.
    QByteArray answer(const QByteArray &bytes);

private:
    QByteArray command(const QByteArray &line) const;

    int m_channel;
    Mode m_mode = Mode::Echo;
    QByteArray m_line;
    bool m_afterCr = false;
};
