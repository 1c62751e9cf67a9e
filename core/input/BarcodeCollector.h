#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTimer;

// Joins the pieces in which a bar-code scanner delivers one code: the code is complete
// when no further piece has come for the gap time. A scanner that never pauses cannot
// make it grow: it keeps as many bytes as the longest asset identity and drops the rest
// of the code.
class BarcodeCollector : public QObject
{
    Q_OBJECT
public:
    // Quiet time after the scanner's last piece that ends one code.
    static constexpr int gapMs = 200;
    // A scanned byte is one character of the identity.
    static const int maxBytes;

    explicit BarcodeCollector(QObject *parent = nullptr);

    // One piece: kept as far as the bound allows, and the end of the code pushed a whole gap further.
    void addChunk(const QByteArray &chunk);
    // Ends the code now, as the gap running out does: emits it and starts afresh.
    void finish();

    // The scanner's bytes as text: each byte one 8-bit character, up to a zero byte.
    static QString decode(const QByteArray &bytes);

signals:
    void codeRead(const QString &code);

private:
    QTimer *m_barcodeTimer;
    QByteArray m_barcodeData;
};
