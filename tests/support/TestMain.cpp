#include "TestRegistry.h"

#include <QApplication>
#include <QFont>

#include <fcntl.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    // CI may start us without standard input; the first file opened would then become
    // descriptor 0, and a test that sets descriptor 0 aside would take it away.
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1)
            ::open("/dev/null", O_RDWR);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The instrument's display counts 72 dots per inch, so a point is a pixel in its forms.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");
    QApplication app(argc, argv);
    // The instrument's font; the metric-compatible face of fonts-liberation answers to it,
    // so forms measure the same on every machine.
    QApplication::setFont(QFont(QStringLiteral("Arial")));
    return TestRegistry::runAll(argc, argv);
}
