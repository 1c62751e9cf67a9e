#pragma once

#include <QObject>
#include <QString>

// The instrument's USB device port carries either the serial gadget (the PC link on
// "/dev/ttyGS0", with the transfer drive mounted locally at "/mnt/update") or the
// mass-storage gadget (the transfer drive handed to the PC). Memory sticks share the
// mount point. This is the one object that moves the port between those states, by
// fixed commands run synchronously through the command runner; failures go to the debug
// log and show in the returned mode, the screens tell the operator.
//
// Modes: 0 serial gadget with the drive mounted locally, 1 drive exported to the PC,
// 2 neither known to be in place (before the first switch and after any failed step).
class UsbDriveController : public QObject
{
    Q_OBJECT
public:
    static const QString mountPoint;    // "/mnt/update"
    static const QString driveImage;    // "/mnt/ubiData/backfile"
    static const QString loopDevice;    // "/dev/loop0"
    static const QString fallbackDrive; // "/dev/mmcblk0p6"
    static const QString stickDevice;   // "/dev/sda"

    // The program's one controller; the first call exports the transfer drive (mode 1).
    static UsbDriveController *getInstance();

    // A controller in mode 2 that has switched nothing yet. The program uses getInstance().
    UsbDriveController();

    // Switches the port; returns the mode reached.
    int setMode(int mode);
    int getMode() const { return m_currentMode; }

    // Where the transfer drive's files are reached on this machine (the mount point under
    // the device root) while in mode 0, else "".
    QString getUsbDeviceDrivePath() const;
    // The mount point (under the device root) while a stick is mounted, else "".
    QString getUsbStickDrivePath() const;

    // Mounts a memory stick at the mount point (the whole disk, else its first
    // partition), taking the transfer drive off it; returns whether the stick is mounted.
    bool openUsbStick();
    // Unmounts the stick and, while the serial gadget is in place, mounts the transfer
    // drive again (mode 2 when that fails). True when the stick was unmounted.
    bool closeUsbStick();
    bool isUsbStickAvailable() const { return m_stickMounted; }

    // Empties the transfer drive (the mount point's contents) in mode 0 only.
    void eraseExternalDrive();

private:
    int toSerialGadget();
    int toMassStorage();
    // Mounts the exported drive (the image when none was exported yet) at the mount
    // point; false, logged, when a step fails.
    bool mountDriveLocally();
    bool unmount();

    int m_currentMode = 2;
    QString m_exportedDrive;
    QString m_stickDevice;
    bool m_stickMounted = false;
    // What this controller has put in place at the mount point and on the loop device:
    // the drive is never exported while still mounted here, and an attached loop device
    // is reused rather than attached twice.
    bool m_driveMounted = false;
    bool m_loopAttached = false;
};
