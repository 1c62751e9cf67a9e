#pragma once

#include <QObject>
#include <QString>

// Programs one of the four channel controllers (1..4) in circuit from an Intel HEX file.
//
// This build carries no in-circuit programming yet: the programmer reports an erase
// error as soon as it is started, so every PIC command fails visibly instead of
// pretending to succeed. The interface is the one the command list relies on.
class PicProgrammer : public QObject
{
    Q_OBJECT
public:
    explicit PicProgrammer(int picNumber, QObject *parent = nullptr);

    // Holds all four channel controllers in reset and raises the programming-enable line,
    // before a programmer is created; false when the lines cannot be driven, in which
    // case nothing was touched.
    static bool holdAllInReset();

    void ev_pic_begin_erase();
    void programPic(const QString &hexFile);
    bool isFinished() const { return m_Finished; }
    bool isProgrammed() const { return m_Programmed; }

signals:
    void eraseNextBlock(int percentDone);
    void eraseDone();
    void eraseError();
    void lineProgrammed(int percentComplete);

private:
    int m_PicNumber;
    bool m_Finished = false;
    bool m_Programmed = false;
};
