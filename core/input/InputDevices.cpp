#include "InputDevices.h"

#include "DevicePath.h"

#include <QFile>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
// The key state bit map as the device reports it; false when it cannot be read.
bool keyState(int fd, unsigned char (&bits)[96])
{
    std::memset(bits, 0, sizeof bits);
    return ::ioctl(fd, EVIOCGKEY(sizeof bits), bits) >= 0;
}
} // namespace

int openInputDeviceByName(const char *name, bool nonBlocking)
{
    const QByteArray dirPath = QFile::encodeName(DevicePath::path("/dev/input"));
    DIR *dir = ::opendir(dirPath.constData());
    if (!dir)
        return -1;
    int found = -1;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, "event", 5) != 0)
            continue;
        // The device path is held to 31 characters, as the device's own lookup does.
        const QByteArray devicePath = (QByteArray("/dev/input/") + entry->d_name).left(31);
        const QByteArray path = QFile::encodeName(DevicePath::path(QFile::decodeName(devicePath)));
        const int fd = ::open(path.constData(), O_RDONLY | (nonBlocking ? O_NONBLOCK : 0));
        if (fd < 0)
            continue;
        char deviceName[32] = {};
        if (::ioctl(fd, EVIOCGNAME(sizeof deviceName), deviceName) < 0) {
            ::close(fd);
            continue;
        }
        deviceName[sizeof deviceName - 1] = '\0';
        if (std::strcmp(deviceName, name) == 0) {
            found = fd;
            break;
        }
        ::close(fd);
    }
    ::closedir(dir);
    return found;
}

int get_kb_fd(const char *name)
{
    return openInputDeviceByName(name, false);
}

int is_key_pressed(int fd, int key)
{
    unsigned char bits[96];
    keyState(fd, bits);
    if (key < 0 || key / 8 >= int(sizeof bits))
        return 0;
    return (bits[key / 8] >> (key % 8)) & 1;
}

int waitForKey()
{
    const int fd = get_kb_fd("wexholm-buttons");
    if (fd < 0)
        return -1;
    static const int keys[] = {KEY_F1, KEY_F2, KEY_F3, KEY_F4, KEY_F6, KEY_F7, KEY_ESC};
    for (;;) {
        unsigned char bits[96];
        if (!keyState(fd, bits)) {
            ::close(fd);
            return -1;
        }
        for (int key : keys)
            if ((bits[key / 8] >> (key % 8)) & 1)
                return fd;
    }
}
