#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("updater"));
    label.resize(320, 240);
    label.show();
    return app.exec();
}
