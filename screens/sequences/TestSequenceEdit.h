#pragma once

#include "ScreenBase.h"

#include <QStringList>

namespace Ui
{
class TestSequenceEdit;
}
class AutoFlowTestSettings;
class AutoOccTestSettings;
class AutoPCATestSettings;
class AutoUserTestSettings;
class TestSequenceEditOptions;
class TestSequenceInsertTest;

// The elements of one stored sequence as a numbered list: Insert, Edit (a settings form
// per element type) and Menu (copy or delete an element) change the sequence store's
// current sequence in memory; leaving asks whether to save it. In view-only mode the
// forms open read-only and nothing changes. A sequence that cannot be read shows as an
// empty list on which nothing can be done, so it is never saved over.
class TestSequenceEdit : public ScreenBase
{
    Q_OBJECT
public:
    // The option last taken on the element options, which places the selection on return.
    enum TEST_SEQ_OPTION { TEST_SEQ_DELETE = 0, TEST_SEQ_COPY = 1, TEST_SEQ_NONE = 2 };

    TestSequenceEdit(QWidget *previousScreen, QWidget *parent);
    ~TestSequenceEdit() override;

    // Opening: setTestSequenceName, getTestListFromFile, setViewOnlyMode, showScreen.
    void setTestSequenceName(const QString &name);
    QString getTestSequenceName() const { return m_testSequenceName; }
    void getTestListFromFile();
    void setViewOnlyMode(bool viewOnly);
    bool isViewOnlyMode() const { return m_viewOnly; }
    // False after a sequence that could not be read was opened.
    bool isLoaded() const { return m_loaded; }
    bool isDamaged() const { return m_damaged; }

    void updateTestList();
    void setLastOption(TEST_SEQ_OPTION option) { m_lastOption = option; }

    TestSequenceEditOptions *optionsScreen() const { return m_options; }
    TestSequenceInsertTest *insertScreen() const { return m_insert; }
    AutoFlowTestSettings *flowForm() const { return m_flowForm; }
    AutoPCATestSettings *pcaForm() const { return m_pcaForm; }
    AutoOccTestSettings *occlusionForm() const { return m_occForm; }
    AutoUserTestSettings *userForm() const { return m_userForm; }

public slots:
    void showScreen(bool) override;
    void insertButtonClicked();
    void editButtonClicked();
    void optionsButtonClicked();
    void backButtonClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applySoftKeys();
    // A damaged file shows its whole elements but is never saved over: that would drop
    // what could not be read.
    bool canChange() const { return m_loaded && !m_viewOnly && !m_damaged; }

    Ui::TestSequenceEdit *ui;
    TestSequenceEditOptions *m_options;
    TestSequenceInsertTest *m_insert;
    QString m_testSequenceName;
    QStringList m_testNames;
    bool m_changed = false;
    // The row Insert, Edit or Menu last acted on.
    int m_rememberedRow = -1;
    bool m_insertReturn = false;
    bool m_optionsReturn = false;
    TEST_SEQ_OPTION m_lastOption = TEST_SEQ_NONE;
    AutoFlowTestSettings *m_flowForm;
    AutoPCATestSettings *m_pcaForm;
    AutoOccTestSettings *m_occForm;
    AutoUserTestSettings *m_userForm;
    bool m_viewOnly = false;
    bool m_loaded = true;
    bool m_damaged = false;
};
