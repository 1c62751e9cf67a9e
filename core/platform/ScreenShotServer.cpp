#include "ScreenShotServer.h"

#include "CommandRunner.h"
#include "StreamHelper.h"

#include <QApplication>
#include <QBuffer>
#include <QDebug>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QWidget>

const QString ScreenShotServer::deviceAddress = QStringLiteral("172.20.9.2");

ScreenShotServer::ScreenShotServer(QObject *parent, const QString &address, quint16 port)
    : QTcpServer(parent)
{
    // Whatever gadget is loaded gives way to the Ethernet gadget.
    for (const char *module : {"g_mass_storage", "g_serial", "fsl_usb2_udc"}) {
        CommandRunner::runShell(QStringLiteral("rmmod %1").arg(QLatin1String(module)));
        QThread::sleep(1);
    }
    if (CommandRunner::runShell(QStringLiteral("modprobe fsl_usb2_udc")) != 0) {
        qDebug() << "ScreenShotServer::ScreenShotServer failed to initialise USB Host controller";
        return;
    }
    if (CommandRunner::runShell(QStringLiteral("modprobe g_ether")) != 0) {
        qDebug() << "ScreenShotServer::ScreenShotServer failed to initialise USB Ethernet";
        return;
    }
    if (CommandRunner::runShell(QStringLiteral("ifconfig usb0 %1").arg(address)) != 0) {
        qDebug() << "ScreenShotServer::ScreenShotServer failed to ifconfig usb ethernet";
        return;
    }
    if (!listen(QHostAddress(address), port))
        qDebug() << "ScreenShotServer::ScreenShotServer cannot listen on" << address << port << errorString();
    connect(this, &QTcpServer::newConnection, this, &ScreenShotServer::newScreenShotConnection);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &ScreenShotServer::sendScreenshot);
}

void ScreenShotServer::newScreenShotConnection()
{
    QTcpSocket *socket = nextPendingConnection();
    if (!socket)
        return;
    m_socket = socket;
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    m_timer->start(intervalMs);
}

QPixmap ScreenShotServer::grabScreen()
{
    QScreen *s = QGuiApplication::primaryScreen();
    if (!s)
        return QPixmap();
    QPixmap screen = s->grabWindow(0);
    if (!screen.isNull())
        return screen;
    // Platforms without a frame buffer to read (offscreen, VNC) get the screen composed
    // from the visible top-level widgets.
    screen = QPixmap(s->geometry().size());
    screen.fill(Qt::white);
    QPainter painter(&screen);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            painter.drawPixmap(w->geometry().topLeft() - s->geometry().topLeft(), w->grab());
    return screen;
}

void ScreenShotServer::sendScreenshot()
{
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState) {
        m_timer->stop(); // nobody to send to until the next client
        return;
    }
    QPixmap screen = grabScreen();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!screen.save(&buffer, "PNG"))
        return;

    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    StreamHelper::setup(out);
    out << quint32(png.size());
    m_socket->write(header);
    m_socket->write(png);
}
