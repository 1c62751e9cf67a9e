#include "PicProgrammer.h"

#include <QDebug>
#include <QTimer>

PicProgrammer::PicProgrammer(int picNumber, QObject *parent) : QObject(parent), m_PicNumber(picNumber)
{
}

bool PicProgrammer::holdAllInReset()
{
    return true;
}

void PicProgrammer::ev_pic_begin_erase()
{
    m_Programmed = false;
    // Reported from the event loop, as a real erase reports its blocks.
    QTimer::singleShot(0, this, [this] {
        qDebug() << "PIC" << m_PicNumber << ": in-circuit programming not available";
        m_Finished = true;
        emit eraseError();
    });
}

void PicProgrammer::programPic(const QString &hexFile)
{
    qDebug() << "PIC" << m_PicNumber << ": cannot program" << hexFile;
    m_Programmed = false;
    m_Finished = true;
}
