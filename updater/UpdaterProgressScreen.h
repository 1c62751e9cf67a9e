#pragma once

#include "ui_UpdaterProgressScreen.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class EsaDownload;
class PicProgrammer;
class TtyHandler;

// Page 1 of the updater and its engine: prepares the chosen source, mounts it at
// "/mnt/update", unpacks the one update package into "/tmp/firmware_update", carries out
// its command list and reports every step in the log. F1 steps the source's state
// machine; F3 and F4 scroll the log.
class UpdaterProgressScreen : public QWidget, public Ui::UpdaterProgressScreen
{
    Q_OBJECT
public:
    // States of the F1 machine.
    enum { PcConnect = 0, MemoryStick = 1, SdCard = 2, Finished = 3, PcInstall = 4 };
    // System types selected by SYSTEM lines.
    enum { SystemSdCard = 0, SystemNand = 1, SystemUnknown = 2 };

    explicit UpdaterProgressScreen(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~UpdaterProgressScreen() override;

    // Carries out the lines of a command list; true when no line failed.
    bool processCommandList(QStringList lines);

    // The installers: 0 on success, -1 on failure.
    int updateSDCARDKernel(const QString &file);
    int updateNANDKernel(const QString &file);
    int updateUbiImage(const QString &file);
    int updateRootfs(const QString &file);
    int updatePic(int pic, const QString &file);
    int updateESA(const QString &file, int board, int kind);

    void performUpdate();

    int state() const { return m_State; }
    int systemType() const { return m_SystemType; }
    bool picUpdateEnabled() const { return m_PicUpdateEnabled; }
    bool avrUpdateEnabled() const { return m_AvrUpdateEnabled; }
    TtyHandler *esaPort() const { return m_EsaTty; }
    EsaDownload *esaDownload() const { return m_EsaDownload; }

    // How long the run pauses after the last line, how long the channel controllers are
    // held in reset before a PIC is programmed, and the most a PIC command may take.
    void setWaitTimes(int finalPauseMs, int resetHoldMs, int picLimitMs);

    // The file or partition the mass-storage gadget exports in the PC path.
    static QString currentDevicePart;

signals:
    void requestChangeScreen(int newIndex);

public slots:
    void F1Clicked();
    void F3Clicked();
    void F4Clicked();
    void setUpdateType(int updateType);
    void picEraseComplete();
    void picEraseError();
    void picLineProgrammed(int percentComplete);
    void blockErased(int percentComplete);

private:
    // Log: a new paragraph in the given colour (default when invalid), shown at once.
    void appendMessage(const QString &text, const QColor &colour = QColor());
    void appendFailure(const QString &text) { appendMessage(text, Qt::red); }
    void replaceLastLine(const QString &text, const QColor &colour);
    void clearLog();

    bool runCommand(const QString &program, const QStringList &arguments);
    bool remount();
    QString packageFile(const QString &argument) const;
    bool waitUntil(const std::function<bool()> &done, int limitMs);

    // Ends the F1 press (or the package run) with a red message and state 3.
    void failStep(const QString &message);
    void detachLoopDevice();

    void connectPc();
    void installFromPc();
    void mountAndRun(const QString &device);

    int m_UpdateType = 0;
    int m_State = -1;
    int m_SystemType = SystemNand;
    QPointer<PicProgrammer> m_PicProgrammer;
    QString m_UpdateFile;
    TtyHandler *m_EsaTty = nullptr;
    EsaDownload *m_EsaDownload = nullptr;
    bool m_PicUpdateEnabled = false;
    bool m_AvrUpdateEnabled = false;
    QString m_Device;

    bool m_LoopAttached = false;
    bool m_LogEmpty = true;
    int m_LastLineStart = 0;
    int m_FinalPauseMs = 5000;
    int m_ResetHoldMs = 1000;
    int m_PicLimitMs = 15 * 60 * 1000;
};
