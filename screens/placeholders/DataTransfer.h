#pragma once

#include "ScreenBase.h"

#include <QStringList>

// Stand-in until its subsystem is built: the data transfer screen, which keeps the list
// of result files it is to export.
class DataTransfer : public ScreenBase
{
    Q_OBJECT
public:
    DataTransfer(QWidget *previousScreen, QWidget *parent);

    void setFileList(const QStringList &fileNames) { m_fileNames = fileNames; }
    QStringList fileList() const { return m_fileNames; }

public slots:
    // Opens nothing yet.
    void showScreen(bool) override {}

private:
    QStringList m_fileNames;
};
