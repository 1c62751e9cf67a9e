#include "UsbDriveController.h"

#include "CommandRunner.h"
#include "DevicePath.h"
#include "FileUtils.h"

#include <QDebug>

const QString UsbDriveController::mountPoint = QStringLiteral("/mnt/update");
const QString UsbDriveController::driveImage = QStringLiteral("/mnt/ubiData/backfile");
const QString UsbDriveController::loopDevice = QStringLiteral("/dev/loop0");
const QString UsbDriveController::fallbackDrive = QStringLiteral("/dev/mmcblk0p6");
const QString UsbDriveController::stickDevice = QStringLiteral("/dev/sda");

namespace
{

// A command text is split at blanks into program and arguments and run without a shell;
// 0 is success, anything else (a command that could not start or crashed too) failure.
bool run(const QString &command)
{
    QStringList parts = command.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString program = parts.takeFirst();
    return CommandRunner::run(program, parts) == 0;
}

} // namespace

UsbDriveController *UsbDriveController::getInstance()
{
    static UsbDriveController *instance = [] {
        auto *controller = new UsbDriveController;
        controller->setMode(1);
        return controller;
    }();
    return instance;
}

UsbDriveController::UsbDriveController() = default;

int UsbDriveController::setMode(int mode)
{
    run(QStringLiteral("sync"));
    if (m_currentMode == 2) {
        run(QStringLiteral("rmmod g_mass_storage"));
        run(QStringLiteral("rmmod g_serial"));
        run(QStringLiteral("rmmod fsl_usb2_udc"));
    }
    switch (mode) {
    case 0:
        return toSerialGadget();
    case 1:
        return toMassStorage();
    default:
        m_currentMode = 2;
        return m_currentMode;
    }
}

int UsbDriveController::toSerialGadget()
{
    if (m_currentMode == 0)
        return 0;
    if (m_currentMode == 1) {
        if (!run(QStringLiteral("rmmod g_mass_storage"))) {
            qDebug("Failed to close USB Drive");
            return m_currentMode = 2;
        }
        if (!run(QStringLiteral("rmmod fsl_usb2_udc"))) {
            qDebug("Failed to close USB Controller");
            return m_currentMode = 2;
        }
    }
    unmount();
    m_currentMode = mountDriveLocally() ? 0 : 2;
    if (m_currentMode != 0)
        return m_currentMode;
    if (!run(QStringLiteral("modprobe fsl_usb2_udc"))) {
        qDebug("Failed to initialise USB Controller");
        m_currentMode = 2;
    } else if (!run(QStringLiteral("modprobe g_serial"))) {
        qDebug("Failed to initialise serial port");
        m_currentMode = 2;
    }
    return m_currentMode;
}

int UsbDriveController::toMassStorage()
{
    if (m_currentMode == 1)
        return 1;
    const bool fromSerial = m_currentMode == 0;
    // Two writers on one FAT file system corrupt it: the PC gets the drive only once it
    // is no longer mounted here.
    if (fromSerial || m_driveMounted) {
        if (!unmount()) {
            qDebug("Failed to close internal drive");
            return m_currentMode = 2;
        }
    }
    if ((fromSerial || m_loopAttached) && run(QStringLiteral("losetup -d ") + loopDevice))
        m_loopAttached = false;
    if (fromSerial) {
        if (!run(QStringLiteral("rmmod g_serial"))) {
            qDebug("Failed to close serial port");
            m_currentMode = 2;
        }
        if (!run(QStringLiteral("rmmod fsl_usb2_udc"))) {
            qDebug("Failed to close USB Controller");
            m_currentMode = 2;
        }
    }
    if (!run(QStringLiteral("modprobe fsl_usb2_udc"))) {
        qDebug("Failed to initialise USB Controller");
        return m_currentMode = 2;
    }
    for (const QString &drive : {driveImage, fallbackDrive}) {
        if (run(QStringLiteral("modprobe g_mass_storage file=") + drive)) {
            m_exportedDrive = drive;
            return m_currentMode = 1;
        }
    }
    qDebug("Failed to initialise USB Drive");
    return m_currentMode = 2;
}

bool UsbDriveController::mountDriveLocally()
{
    // Before any export has succeeded the drive is the image, as it is exported first.
    const QString drive = m_exportedDrive.isEmpty() ? driveImage : m_exportedDrive;
    if (drive == driveImage) {
        // The image's file system starts 4096 bytes in.
        if (!m_loopAttached) {
            if (!run(QStringLiteral("losetup -o 4096 %1 %2").arg(loopDevice, driveImage))) {
                qDebug("Failed to create internal drive");
                return false;
            }
            m_loopAttached = true;
        }
        if (!run(QStringLiteral("mount -t vfat %1 %2").arg(loopDevice, mountPoint))) {
            qDebug("Failed to open internal drive");
            return false;
        }
    } else {
        unmount();
        if (!run(QStringLiteral("mount %1 %2").arg(drive, mountPoint))) {
            qDebug("Opening internal drive failed");
            return false;
        }
    }
    m_driveMounted = true;
    return true;
}

bool UsbDriveController::unmount()
{
    if (!run(QStringLiteral("umount ") + mountPoint))
        return false;
    m_driveMounted = false;
    return true;
}

QString UsbDriveController::getUsbDeviceDrivePath() const
{
    return m_currentMode == 0 && m_driveMounted ? DevicePath::path(mountPoint) : QString();
}

QString UsbDriveController::getUsbStickDrivePath() const
{
    return m_stickMounted ? DevicePath::path(mountPoint) : QString();
}

bool UsbDriveController::openUsbStick()
{
    m_stickDevice = stickDevice;
    unmount();
    m_stickMounted = run(QStringLiteral("mount %1 %2").arg(m_stickDevice, mountPoint));
    if (!m_stickMounted) {
        // A partitioned stick: its first partition.
        m_stickDevice += QLatin1Char('1');
        m_stickMounted = run(QStringLiteral("mount %1 %2").arg(m_stickDevice, mountPoint));
        if (!m_stickMounted)
            qDebug("Failed to open USB Storage Drive");
    }
    return m_stickMounted;
}

bool UsbDriveController::closeUsbStick()
{
    const bool stickWasMounted = m_stickMounted;
    const bool closed = run(QStringLiteral("umount ") + mountPoint);
    m_stickMounted = false;
    // The serial gadget's mode promises the drive at the mount point: put it back, so a
    // later export never lands in the bare mount-point directory.
    if (m_currentMode == 0 && !m_driveMounted) {
        if (stickWasMounted && !closed) {
            qDebug("Failed to close USB Storage Drive");
            m_currentMode = 2;
        } else if (!mountDriveLocally()) {
            m_currentMode = 2;
        }
    }
    return closed;
}

void UsbDriveController::eraseExternalDrive()
{
    // Only the transfer drive is ever emptied, never a stick on the same mount point.
    if (m_currentMode == 0 && m_driveMounted)
        FileUtils::removeDirContents(DevicePath::path(mountPoint));
}
