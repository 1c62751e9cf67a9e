#pragma once

#include <QByteArray>

// The text of an Intel HEX file holding image at address 0 in records of 16 bytes (as
// the controllers' tool chain writes them), ended by the end-of-file record.
QByteArray intelHexText(const QByteArray &image, const QByteArray &lineEnd = "\n");
