#include "BarcodeCollector.h"

#include "TestResultManager.h"

#include <QTimer>

const int BarcodeCollector::maxBytes = TestResultManager::maxAssetIdLength;

BarcodeCollector::BarcodeCollector(QObject *parent)
    : QObject(parent), m_barcodeTimer(new QTimer(this))
{
    m_barcodeTimer->setSingleShot(true);
    m_barcodeTimer->setInterval(gapMs);
    connect(m_barcodeTimer, &QTimer::timeout, this, &BarcodeCollector::finish);
}

void BarcodeCollector::addChunk(const QByteArray &chunk)
{
    m_barcodeData.append(chunk.left(maxBytes - m_barcodeData.size()));
    m_barcodeTimer->start();
}

void BarcodeCollector::finish()
{
    m_barcodeTimer->stop();
    const QString code = decode(m_barcodeData);
    m_barcodeData.clear();
    emit codeRead(code);
}

QString BarcodeCollector::decode(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.constData(),
                               int(qstrnlen(bytes.constData(), uint(bytes.size()))));
}
