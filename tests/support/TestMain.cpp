#include "TestRegistry.h"

#include <QApplication>
#include <QFont>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The instrument's font; the metric-compatible face of fonts-liberation answers to it,
    // so forms measure the same on every machine.
    QApplication::setFont(QFont(QStringLiteral("Arial")));
    return TestRegistry::runAll(argc, argv);
}
