#include "EsaDownload.h"

#include <QDebug>

EsaDownload::EsaDownload(TtyHandler *port, QObject *parent) : QObject(parent), m_Port(port) {}

int EsaDownload::download(const QString &filePath, Board board, Kind kind)
{
    qDebug() << "ESA download not available:" << filePath << "board" << board << "kind" << kind;
    return -1;
}
