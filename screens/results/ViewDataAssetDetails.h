#pragma once

#include "ScreenBase.h"

#include <QDateTime>
#include <QString>

namespace Ui
{
class ViewDataAssetDetails;
}
class TestSequenceEdit;
class ViewDataTestResults;

// The head of one stored result: asset identity, when it was tested and with which
// sequence. Results (F2, select) lists its tests, Seq (F3) shows the sequence of that
// name in the sequence editor, view only, and Delete (F4) removes the result's file
// after the operator confirms.
class ViewDataAssetDetails : public ScreenBase
{
    Q_OBJECT
public:
    ViewDataAssetDetails(QWidget *previousScreen, QWidget *parent);
    ~ViewDataAssetDetails() override;

    void setAssetId(const QString &assetId);
    void setDateTime(const QDateTime &dateTime);
    void setTestSequence(const QString &sequenceName);
    void setFilename(const QString &fileName);
    QString filename() const { return m_fileName; }

    ViewDataTestResults *testResultsScreen() const { return m_testResults; }
    TestSequenceEdit *sequenceScreen() const { return m_sequenceEdit; }

public slots:
    void resultsButtonClicked();
    void seqButtonClicked();
    void deleteButtonClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showDateTime();

    Ui::ViewDataAssetDetails *ui;
    QString m_assetId;
    QString m_fileName;
    QString m_sequenceName;
    QDateTime m_dateTime;
    ViewDataTestResults *m_testResults = nullptr;
    TestSequenceEdit *m_sequenceEdit = nullptr;
};
