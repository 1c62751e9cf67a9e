#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QSocketNotifier;

// The power board's chip-select and reset lines as the simulator sees them: the sysfs
// GPIO files under a device root, watched with inotify. A line's level is whatever
// was written last to it: "high"/"low" to its direction file or "1"/"0" to its value
// file, as the kernel would have it. Events are read in the order the writes closed,
// so a pulse that is over by the time the simulator looks is still seen.
class SimGpioLines : public QObject
{
    Q_OBJECT
public:
    static constexpr int channels = 4;
    static const int chipSelectLines[channels];
    static const int resetLines[channels];

    explicit SimGpioLines(QObject *parent = nullptr);
    ~SimGpioLines() override;

    // Lays out the tree under root (export, unexport, and each line's direction and
    // value files: inputs reading 1) and starts watching it.
    bool create(const QString &root);

    // Applies every write that has happened so far. Call before acting on the line so
    // that a chip-select change made just before a frame is not missed.
    void update();

    bool chipSelectLow(int channel) const { return !m_level[channel]; }
    bool resetHigh(int channel) const { return m_level[channels + channel]; }
    // The one controller connected to the line (selected and out of reset); -1 when
    // none, -2 when several are (their answers would collide).
    int listeningChannel() const;

    // Every write seen, in order: "<gpio> direction <text>" or "<gpio> value <text>".
    QStringList writes() const { return m_writes; }

    QString valueFile(int gpio) const;
    QString directionFile(int gpio) const;

signals:
    // The controller's reset line went low (it restarts when the line goes high again).
    void controllerReset(int channel);

private:
    struct Watch
    {
        int line;       // 0..3 chip-select, 4..7 reset
        bool direction; // direction file, else value file
    };
    static int gpioOf(int line);

    QString m_root;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QVector<int> m_wd;
    QVector<Watch> m_watch;
    bool m_level[2 * channels];
    QStringList m_writes;
};
