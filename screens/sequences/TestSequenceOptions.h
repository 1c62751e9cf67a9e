#pragma once

#include "ScreenBase.h"

namespace Ui
{
class TestSequenceOptions;
}

// Copy, delete or rename one stored sequence. Each operation acts on the files at
// once and, done, refused or cancelled, ends back on the sequence list.
class TestSequenceOptions : public ScreenBase
{
    Q_OBJECT
public:
    TestSequenceOptions(QWidget *previousScreen, QWidget *parent);
    ~TestSequenceOptions() override;

    void setTestSequenceName(const QString &name);
    QString getTestSequenceName() const { return m_testSequenceName; }

public slots:
    void showScreen(bool) override;
    void deleteButtonPressed();
    void copyButtonPressed();
    void renameButtonPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::TestSequenceOptions *ui;
    QString m_testSequenceName;
};
