#include "UpdaterProgressScreen.h"

#include "ApplicationInstaller.h"
#include "EsaDownload.h"
#include "IntelHexFile.h"
#include "PicProgrammer.h"
#include "TtyHandler.h"
#include "UpdateCommandList.h"
#include "UpdatePackage.h"
#include "UpdaterCommandRunner.h"
#include "UpdaterPath.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

namespace {
const QString MountPoint = QStringLiteral("/mnt/update");
const QString PackageFolder = QStringLiteral("/tmp/firmware_update");
const QString DriveImage = QStringLiteral("/mnt/ubiData/backfile");
const QString SdPartition = QStringLiteral("/dev/mmcblk0p4");
const QString LoopDevice = QStringLiteral("/dev/loop0");
const QString Application = QStringLiteral("/usr/local/Trolltech/Qt-Target-version-optimised/Rondix");
const QString FormatTool = QStringLiteral("/usr/bin/ubiformat");
const QColor Orange(QStringLiteral("orange"));
const QColor Green(QStringLiteral("green"));
} // namespace

QString UpdaterProgressScreen::currentDevicePart;

UpdaterProgressScreen::UpdaterProgressScreen(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setupUi(this);
    connect(F1Button, &QPushButton::clicked, this, &UpdaterProgressScreen::F1Clicked);
    connect(F3Button, &QPushButton::clicked, this, &UpdaterProgressScreen::F3Clicked);
    connect(F4Button, &QPushButton::clicked, this, &UpdaterProgressScreen::F4Clicked);

    QSettings settings;
    m_PicUpdateEnabled = settings.value(QStringLiteral("PicEnable"), false).toBool();
    m_AvrUpdateEnabled = settings.value(QStringLiteral("AvrEnable"), false).toBool();
    qDebug().nospace() << "\nm_PicUpdateEnabled: " << m_PicUpdateEnabled
                       << "\nm_AvrUpdateEnabled: " << m_AvrUpdateEnabled;

    m_EsaTty = new TtyHandler(QStringLiteral("/dev/ttyAPP1"), this);
    m_EsaDownload = new EsaDownload(m_EsaTty, this);
}

UpdaterProgressScreen::~UpdaterProgressScreen()
{
    // The programmer of the latest PIC command has no parent.
    delete m_PicProgrammer;
}

void UpdaterProgressScreen::setWaitTimes(int finalPauseMs, int resetHoldMs, int picLimitMs)
{
    m_FinalPauseMs = finalPauseMs;
    m_ResetHoldMs = resetHoldMs;
    m_PicLimitMs = picLimitMs;
}

// ---- log ----------------------------------------------------------------------------

void UpdaterProgressScreen::clearLog()
{
    progressMessageWindow->clear();
    m_LogEmpty = true;
    m_LastLineStart = 0;
}

void UpdaterProgressScreen::appendMessage(const QString &text, const QColor &colour)
{
    QTextCursor cursor(progressMessageWindow->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    if (colour.isValid())
        format.setForeground(colour);
    if (m_LogEmpty) {
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
        cursor.setBlockCharFormat(format);
    } else {
        cursor.insertBlock(QTextBlockFormat(), format);
    }
    m_LastLineStart = cursor.position();
    // Inserted as plain text: a name from the package is never read as markup.
    cursor.insertText(text, format);
    m_LogEmpty = false;
    QScrollBar *bar = progressMessageWindow->verticalScrollBar();
    bar->setValue(bar->maximum());
    // Commands block the program: show the line before the next one starts.
    progressMessageWindow->repaint();
}

void UpdaterProgressScreen::replaceLastLine(const QString &text, const QColor &colour)
{
    QTextCursor cursor(progressMessageWindow->document());
    cursor.setPosition(m_LastLineStart > 0 ? m_LastLineStart - 1 : 0);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_LogEmpty = m_LastLineStart == 0;
    appendMessage(text, colour);
}

// ---- commands -----------------------------------------------------------------------

bool UpdaterProgressScreen::runCommand(const QString &program, const QStringList &arguments)
{
    return UpdaterCommandRunner::run(program, arguments) == 0;
}

QString UpdaterProgressScreen::packageFile(const QString &argument) const
{
    return PackageFolder + argument;
}

bool UpdaterProgressScreen::waitUntil(const std::function<bool()> &done, int limitMs)
{
    // Measured on the monotonic clock: setting the date during an update must not
    // shorten or stretch a wait.
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer tick;
    tick.start(10);
    while (!done()) {
        if (elapsed.elapsed() >= limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// ---- sources ------------------------------------------------------------------------

void UpdaterProgressScreen::setUpdateType(int updateType)
{
    m_UpdateType = updateType;
    switch (updateType) {
    case 0:
        m_State = PcConnect;
        clearLog();
        appendMessage(tr("Attach the unit to the PC via the USB cable provided then press F1\n"));
        break;
    case 1:
        m_State = MemoryStick;
        clearLog();
        appendMessage(tr("Insert a memory stick holding the update package "
                         "(*firmware_update*.tar.bz2) then press F1\n"));
        break;
    case 2:
        m_State = SdCard;
        clearLog();
        appendMessage(tr("Insert an SD card holding the update package "
                         "(*firmware_update*.tar.bz2) then press F1\n"));
        break;
    default:
        break;
    }
}

void UpdaterProgressScreen::failStep(const QString &message)
{
    appendFailure(message);
    m_State = Finished;
}

void UpdaterProgressScreen::detachLoopDevice()
{
    if (!m_LoopAttached)
        return;
    runCommand(QStringLiteral("umount"), {MountPoint});
    runCommand(QStringLiteral("losetup"), {QStringLiteral("-d"), LoopDevice});
    m_LoopAttached = false;
}

void UpdaterProgressScreen::F1Clicked()
{
    runCommand(QStringLiteral("umount"), {MountPoint});
    switch (m_State) {
    case PcConnect:
        connectPc();
        break;
    case PcInstall:
        installFromPc();
        break;
    case MemoryStick:
        appendMessage(tr("Processing update\n"));
        m_Device = QStringLiteral("/dev/sda");
        if (runCommand(QStringLiteral("mount"), {m_Device, MountPoint})) {
            performUpdate();
            return;
        }
        m_Device += QLatin1Char('1');
        if (runCommand(QStringLiteral("mount"), {m_Device, MountPoint})) {
            performUpdate();
            return;
        }
        failStep(tr("Failed to mount update drive, press F1 to return to the main screen\n"));
        break;
    case SdCard:
        appendMessage(tr("Processing update\n"));
        mountAndRun(SdPartition);
        break;
    case Finished:
        emit requestChangeScreen(0);
        break;
    default:
        break;
    }
}

void UpdaterProgressScreen::mountAndRun(const QString &device)
{
    if (!runCommand(QStringLiteral("mount"), {device, MountPoint})) {
        failStep(tr("Failed to mount update drive, press F1 to return to the main screen\n"));
        return;
    }
    performUpdate();
}

void UpdaterProgressScreen::connectPc()
{
    appendMessage(tr("Initialising PC connection"));
    if (!runCommand(QStringLiteral("modprobe"), {QStringLiteral("fsl_usb2_udc")})) {
        failStep(tr("Failed to initialise USB Device Controller press F1 to return to the main screen\n"));
        return;
    }
    for (const QString &part : {DriveImage, SdPartition}) {
        if (runCommand(QStringLiteral("modprobe"),
                       {QStringLiteral("g_mass_storage"), QStringLiteral("file=") + part})) {
            currentDevicePart = part;
            appendMessage(tr("Copy the update package (*firmware_update*.tar.bz2) to the unit's "
                             "drive on the PC then press F1\n"));
            m_State = PcInstall;
            return;
        }
    }
    failStep(tr("Failed to initialise PC connection press F1 to return to the main screen\n"));
}

void UpdaterProgressScreen::installFromPc()
{
    if (!runCommand(QStringLiteral("rmmod"), {QStringLiteral("g_mass_storage")})) {
        failStep(tr("Failed to close PC connection, press F1 to return to the main screen\n"));
        return;
    }
    if (!runCommand(QStringLiteral("rmmod"), {QStringLiteral("fsl_usb2_udc")})) {
        failStep(tr("Failed to close USB device controller, press F1 to return to the main screen\n"));
        return;
    }
    appendMessage(tr("Processing update\n"));
    if (currentDevicePart != DriveImage) {
        mountAndRun(currentDevicePart);
        return;
    }
    // The drive image holds its vfat file system 4096 bytes in.
    if (!runCommand(QStringLiteral("losetup"),
                    {QStringLiteral("-o"), QStringLiteral("4096"), LoopDevice, DriveImage})) {
        failStep(tr("Failed to create loop device, press F1 to return to the main screen\n"));
        return;
    }
    m_LoopAttached = true;
    if (!runCommand(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("vfat"), LoopDevice, MountPoint})) {
        runCommand(QStringLiteral("losetup"), {QStringLiteral("-d"), LoopDevice});
        m_LoopAttached = false;
        failStep(tr("Failed to mount loop device, press F1 to return to the main screen\n"));
        return;
    }
    performUpdate();
}

// ---- package run --------------------------------------------------------------------

void UpdaterProgressScreen::performUpdate()
{
    // F1 would restart the machine while the run processes events in its waits.
    F1Button->setEnabled(false);
    auto fail = [this](const QString &message) {
        // The loop device of the PC path is never left attached behind a failed run.
        detachLoopDevice();
        F1Button->setEnabled(true);
        failStep(message);
    };
    appendMessage(tr("Extracting update\n"));

    const QStringList packages = UpdatePackage::find(UpdaterPath::path(MountPoint));
    if (packages.size() != 1) {
        fail(tr("Could not find update file, press F1 to return to the main screen\n"));
        return;
    }
    const QString package = MountPoint + QLatin1Char('/') + packages.first();

    // Read and checked by the reader that writes it: a member the check passes is the
    // member written. No file of an older package survives into this one's folder.
    QString why;
    if (!UpdatePackage::unpack(UpdaterPath::path(package), UpdaterPath::path(PackageFolder), &why)) {
        qWarning().noquote() << "update package refused:" << why;
        fail(tr("Failed to extract update files, press F1 to return to the main screen\n"));
        return;
    }

    QFile config(UpdaterPath::path(PackageFolder + QStringLiteral("/update_config")));
    if (!config.open(QIODevice::ReadOnly)) {
        fail(tr("Failed to open update file, press F1 to return to the main screen\n"));
        return;
    }
    const QByteArray content = config.read(UpdateCommandList::MaxFileSize + 1);
    const QStringList lines = UpdateCommandList::splitLines(content);
    if (content.size() > UpdateCommandList::MaxFileSize || lines.size() > UpdateCommandList::MaxLines) {
        config.close();
        fail(tr("Update file too large, press F1 to return to the main screen\n"));
        return;
    }

    const bool result = processCommandList(lines);

    appendMessage(tr("Removing temporary files\n"));
    config.close();
    if (m_UpdateType == 1 || m_UpdateType == 2) {
        runCommand(QStringLiteral("umount"), {MountPoint});
    } else {
        // The drive is left as the operator found it before copying the package.
        const QDir drive(UpdaterPath::path(MountPoint));
        QDir folder(drive.filePath(QLatin1String(UpdatePackage::FolderName)));
        for (const QString &f : folder.entryList(QDir::Files))
            folder.remove(f);
        QDir top(drive);
        for (const QString &f : top.entryList(QDir::Files))
            top.remove(f);
        top.rmdir(QLatin1String(UpdatePackage::FolderName));
        runCommand(QStringLiteral("sync"), {});
        runCommand(QStringLiteral("umount"), {MountPoint});
        runCommand(QStringLiteral("losetup"), {QStringLiteral("-d"), LoopDevice});
        m_LoopAttached = false;
    }

    if (result)
        appendMessage(tr("Update complete, restart the system or press F1 to return to the main screen\n"),
                      Green);
    else
        appendFailure(tr("Some of the updates failed, press F1 to return to the main screen\n"));
    F1Button->setEnabled(true);
    m_State = Finished;
    progressMessageWindow->setFocus();
}

// ---- command list -------------------------------------------------------------------

bool UpdaterProgressScreen::processCommandList(QStringList lines)
{
    bool result = true;
    auto failed = [&](const QString &message) {
        appendFailure(message);
        result = false;
    };
    for (const QString &line : qAsConst(lines)) {
        const UpdateCommandList::Entry e = UpdateCommandList::parseLine(line);
        const QString &arg = e.argument;
        // Every file argument is read below the package folder; one that climbs out of it
        // or names nothing is refused before any command runs.
        const bool pathOk = UpdateCommandList::isPackagePath(arg);
        if (!pathOk && e.kind != UpdateCommandList::System && e.kind != UpdateCommandList::Unknown
            && e.kind != UpdateCommandList::BadLine)
            qDebug().noquote() << "refused package path:" << arg;

        switch (e.kind) {
        case UpdateCommandList::BadLine:
            failed(tr("Bad command format.   "));
            break;
        case UpdateCommandList::Unknown:
            failed(tr("Unknown command: %1:%2").arg(e.command, arg));
            break;
        case UpdateCommandList::System:
            if (arg == QLatin1String("SDCARD")) {
                m_SystemType = SystemSdCard;
                appendMessage(tr("System Type set to: %1").arg(arg));
            } else if (arg == QLatin1String("NAND")) {
                m_SystemType = SystemNand;
                appendMessage(tr("System Type set to: %1").arg(arg));
            } else {
                m_SystemType = SystemUnknown;
                appendMessage(tr("System Type error: Unknown Type: %1").arg(arg));
            }
            break;
        case UpdateCommandList::App: {
            appendMessage(tr("Updating Application with file: %1").arg(arg));
            const QString failure = tr("Failed - Updating Application with file: %1").arg(arg);
            if (!pathOk || !remount()) {
                failed(failure);
                break;
            }
            // A copy cut short must never leave a half-written program in place, nor one
            // that cannot run.
            QString why;
            if (!ApplicationInstaller::install(UpdaterPath::path(packageFile(arg)), UpdaterPath::path(Application),
                                               &why)) {
                qDebug().noquote() << "application not installed:" << why;
                failed(failure);
            }
            break;
        }
        case UpdateCommandList::Kernel: {
            appendMessage(tr("Updating kernel with file: %1").arg(arg));
            int rc = -1;
            if (pathOk && m_SystemType == SystemNand)
                rc = updateNANDKernel(arg);
            else if (pathOk && m_SystemType == SystemSdCard)
                rc = updateSDCARDKernel(arg);
            if (rc != 0)
                failed(tr("Failed - Updating kernel with file: %1").arg(arg));
            break;
        }
        case UpdateCommandList::Image:
            appendMessage(tr("Updating root image with file: %1").arg(arg));
            if (m_SystemType != SystemNand)
                failed(tr("Failed - Updating root image with file: %1\nWrong System type").arg(arg));
            else if (updateUbiImage(arg) != 0)
                failed(tr("Failed - Updating root image with file: %1").arg(arg));
            break;
        case UpdateCommandList::File:
            appendMessage(tr("Updating root files with folder: %1").arg(arg));
            if (!pathOk || updateRootfs(arg) != 0)
                failed(tr("Failed - Updating root files with folder: %1").arg(arg));
            break;
        case UpdateCommandList::Script:
            appendMessage(tr("Running script file: %1").arg(arg));
            if (!pathOk || !runCommand(packageFile(arg), {}))
                failed(tr("Failed - Running script file: %1").arg(arg));
            break;
        case UpdateCommandList::Pic:
            if (!m_PicUpdateEnabled) {
                failed(tr("Failed - PIC updates not enabled"));
                break;
            }
            appendMessage(tr("Updating PIC %1 with file: %2").arg(e.pic).arg(arg));
            if (!pathOk || updatePic(e.pic, arg) != 0)
                failed(tr("Failed - Updating PIC[%1] with file %2").arg(e.pic).arg(arg));
            break;
        case UpdateCommandList::EsaIoApp:
        case UpdateCommandList::EsaMeasurementApp:
        case UpdateCommandList::EsaIoEeprom:
        case UpdateCommandList::EsaMeasurementEeprom: {
            const bool io = e.kind == UpdateCommandList::EsaIoApp || e.kind == UpdateCommandList::EsaIoEeprom;
            const bool eeprom =
                e.kind == UpdateCommandList::EsaIoEeprom || e.kind == UpdateCommandList::EsaMeasurementEeprom;
            const QString what = io ? (eeprom ? tr("ESA IO Board EEPROM") : tr("ESA IO Board Application"))
                                    : (eeprom ? tr("ESA Measurement Board EEPROM")
                                              : tr("ESA Measurement Board Application"));
            appendMessage(tr("Updating %1 with file: %2").arg(what, arg));
            if (!pathOk
                || updateESA(arg, io ? EsaDownload::IoBoard : EsaDownload::MeasurementBoard,
                             eeprom ? EsaDownload::Eeprom : EsaDownload::Application)
                       != 0)
                failed(tr("Failed - Updating %1 with file: %2").arg(what, arg));
            break;
        }
        }
    }
    appendMessage(tr("Finalising update, please wait"));
    runCommand(QStringLiteral("sync"), {});
    waitUntil([] { return false; }, m_FinalPauseMs);
    return result;
}

bool UpdaterProgressScreen::remount()
{
    if (m_SystemType == SystemNand)
        return runCommand(QStringLiteral("mount"),
                          {QStringLiteral("ubi0:rootfs"), QStringLiteral("-o"), QStringLiteral("remount,rw")});
    if (m_SystemType == SystemSdCard)
        return runCommand(QStringLiteral("mount"),
                          {QStringLiteral("/"), QStringLiteral("-o"), QStringLiteral("remount,rw")});
    return false;
}

int UpdaterProgressScreen::updateNANDKernel(const QString &file)
{
    // Erasing the kernel partition without a kernel to write would leave a board that
    // cannot start.
    if (!QFileInfo(UpdaterPath::path(packageFile(file))).isFile()) {
        qDebug().noquote() << "Failed to find kernel file: " + packageFile(file);
        return -1;
    }
    if (!runCommand(QStringLiteral("flash_eraseall"), {QStringLiteral("/dev/mtd0")}))
        return -1;
    if (!runCommand(QStringLiteral("nandwrite"),
                    {QStringLiteral("/dev/mtd0"), packageFile(file), QStringLiteral("-p")}))
        return -1;
    return 0;
}

int UpdaterProgressScreen::updateSDCARDKernel(const QString &file)
{
    if (!QFileInfo(UpdaterPath::path(packageFile(file))).isFile()) {
        qDebug().noquote() << "Failed to find kernel file: " + packageFile(file);
        return -1;
    }
    return runCommand(QStringLiteral("sdimage"), {QStringLiteral("-f"), packageFile(file), QStringLiteral("-d"),
                                                  QStringLiteral("/dev/mmcblk0")})
               ? 0
               : -1;
}

int UpdaterProgressScreen::updateUbiImage(const QString &file)
{
    // The image is run from "/tmp" + its name, so it must be a top-level file of the
    // package; that is settled before the partition is erased.
    if (!UpdateCommandList::isTopLevelName(file) || !QFileInfo(UpdaterPath::path(packageFile(file))).isFile()) {
        qDebug().noquote() << "Failed to find image file: " + packageFile(file);
        return -1;
    }
    // Copied into "/tmp" beside the tool, an image of the tool's name would replace it, and
    // the partition would be erased for a "tool" that cannot format it.
    if (file == QLatin1Char('/') + QFileInfo(FormatTool).fileName()) {
        qDebug().noquote() << "Image file has the name of the formatting tool: " + file;
        return -1;
    }
    if (!runCommand(QStringLiteral("cp"), {FormatTool, QStringLiteral("/tmp")})
        || !runCommand(QStringLiteral("cp"), {packageFile(file), QStringLiteral("/tmp")})
        || !runCommand(QStringLiteral("flash_eraseall"), {QStringLiteral("/dev/mtd1")})
        || !runCommand(QStringLiteral("/tmp/ubiformat"),
                       {QStringLiteral("/dev/mtd1"), QStringLiteral("-f"), QStringLiteral("/tmp") + file}))
        return -1;
    return 0;
}

int UpdaterProgressScreen::updateRootfs(const QString &file)
{
    // The package entry goes over the same path of the running system: a folder's contents
    // into the folder, a file in the file's place. Copied as it stands onto a folder that
    // is already there, either would land inside it under its own name instead.
    const QFileInfo source(UpdaterPath::path(packageFile(file)));
    const QFileInfo target(UpdaterPath::path(file));
    if (!source.exists()) {
        qDebug().noquote() << "Failed to find root files: " + packageFile(file);
        return -1;
    }
    if (target.exists() && source.isDir() != target.isDir()) {
        qDebug().noquote() << "Root files of another kind are in the way: " + file;
        return -1;
    }
    if (!remount())
        return -1;
    QString from = packageFile(file);
    if (source.isDir()) {
        while (from.endsWith(QLatin1Char('/')))
            from.chop(1);
        from += QStringLiteral("/.");
    }
    return runCommand(QStringLiteral("cp"), {QStringLiteral("-a"), from, file}) ? 0 : -1;
}

// ---- channel controllers and ESA boards ---------------------------------------------

int UpdaterProgressScreen::updatePic(int pic, const QString &file)
{
    // The operator sees why a file was refused, and that the channel still runs its old
    // program.
    const auto refuse = [this, pic](const QString &why) {
        appendFailure(tr("File refused - %1").arg(why));
        appendFailure(tr("PIC %1 left untouched").arg(pic));
        return -1;
    };
    m_UpdateFile = UpdaterPath::path(packageFile(file));
    if (!QFileInfo(m_UpdateFile).isFile()) {
        qDebug().noquote() << "Failed to find hex file: " + m_UpdateFile;
        return refuse(tr("not in the package"));
    }
    // The whole file is checked before the chip is touched: a bad file must not leave a
    // channel erased.
    IntelHexFile hex;
    QString error;
    if (!PicProgrammer::loadHexFile(m_UpdateFile, &hex, &error)) {
        qDebug().noquote() << "Bad hex file: " + m_UpdateFile + ": " + error;
        return refuse(error);
    }
    if (!PicProgrammer::holdAllInReset())
        return -1;
    waitUntil([] { return false; }, m_ResetHoldMs);

    delete m_PicProgrammer;
    m_PicProgrammer = new PicProgrammer(pic);
    connect(m_PicProgrammer, &PicProgrammer::eraseDone, this, &UpdaterProgressScreen::picEraseComplete);
    connect(m_PicProgrammer, &PicProgrammer::eraseError, this, &UpdaterProgressScreen::picEraseError);
    connect(m_PicProgrammer, &PicProgrammer::lineProgrammed, this, &UpdaterProgressScreen::picLineProgrammed);
    connect(m_PicProgrammer, &PicProgrammer::eraseNextBlock, this, &UpdaterProgressScreen::blockErased);

    appendMessage(tr("Erasing PIC: "));
    appendMessage(tr("0% "), Orange);
    m_PicProgrammer->ev_pic_begin_erase();
    PicProgrammer *programmer = m_PicProgrammer;
    const bool finished = waitUntil([programmer] { return programmer->isFinished(); }, m_PicLimitMs);
    const bool programmed = finished && programmer->isProgrammed();
    if (!finished)
        qDebug() << "PIC" << pic << "programming timed out";
    else if (!programmed && !programmer->failureReason().isEmpty())
        appendFailure(programmer->failureReason());
    // The job is over either way; its programmer (and its hold on the pin page) goes.
    delete m_PicProgrammer;
    // No controller is left in reset or in programming mode, whatever the outcome.
    PicProgrammer::releaseAllLines();
    return programmed ? 0 : -1;
}

void UpdaterProgressScreen::blockErased(int percentComplete)
{
    replaceLastLine(QStringLiteral("%1%").arg(percentComplete), Orange);
}

void UpdaterProgressScreen::picLineProgrammed(int percentComplete)
{
    replaceLastLine(QStringLiteral("%1%").arg(percentComplete), Orange);
}

void UpdaterProgressScreen::picEraseComplete()
{
    appendMessage(tr("PIC Erase Complete\nProgramming PIC: "));
    appendMessage(tr("0% "), Orange);
    if (m_PicProgrammer)
        m_PicProgrammer->programPic(m_UpdateFile);
}

void UpdaterProgressScreen::picEraseError()
{
    // A controller of an unknown family is refused before anything is erased; the
    // operator sees which chip answered instead of an erase that never ran.
    if (m_PicProgrammer && !m_PicProgrammer->refusedDevice().isEmpty()) {
        appendFailure(tr("PIC not erased: %1").arg(m_PicProgrammer->refusedDevice()));
        return;
    }
    appendFailure(tr("PIC Erase Error\n "));
}

int UpdaterProgressScreen::updateESA(const QString &file, int board, int kind)
{
    if (!m_AvrUpdateEnabled) {
        appendFailure(tr("Failed - AVR updates not enabled"));
        return -1;
    }
    if (!m_EsaTty->isOpen()) {
        appendFailure(tr("Failed - serial port to the ESA boards not open"));
        return -1;
    }
    m_UpdateFile = UpdaterPath::path(packageFile(file));
    if (!QFileInfo(m_UpdateFile).isFile()) {
        qDebug().noquote() << "Failed to find file: " + m_UpdateFile;
        return -1;
    }
    const int result =
        m_EsaDownload->download(m_UpdateFile, EsaDownload::Board(board), EsaDownload::Kind(kind));
    if (result != 0 && !m_EsaDownload->failureReason().isEmpty())
        appendFailure(m_EsaDownload->failureReason());
    return result;
}

void UpdaterProgressScreen::F3Clicked()
{
    progressMessageWindow->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
}

void UpdaterProgressScreen::F4Clicked()
{
    progressMessageWindow->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}
