#include "BoxLog.h"

#include <QMessageBox>

BoxLog::BoxLog(std::function<void(const QString &)> onBox) : m_onBox(std::move(onBox))
{
    arm();
}

BoxLog::~BoxLog() = default;

void BoxLog::arm()
{
    m_answers.push_back(std::make_unique<GuiTest::ModalAnswer>([this](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        const QString line = dialog->windowTitle() + ": " + (box ? box->text() : QString());
        m_boxes << line;
        if (qEnvironmentVariableIsSet("RONDIX_PNG_DIR")) {
            static int shown = 0;
            GuiTest::savePng(dialog, qEnvironmentVariable("RONDIX_PNG_DIR") +
                                         QString("/box-%1.png").arg(++shown));
        }
        if (m_onBox)
            m_onBox(line);
        // The next box is one that comes up after this one.
        arm();
        GuiTest::key(Qt::Key_Escape);
    }));
}
