#pragma once

#include "GuiTest.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// Answers every message box that comes up with the select key (its Ok) and keeps what
// each one said, "<title>: <text>". onBox runs first with that line while the box is up:
// what the operator (or a PC) does before pressing Ok.
class BoxLog
{
public:
    explicit BoxLog(std::function<void(const QString &)> onBox = {});
    ~BoxLog();
    QStringList boxes() const { return m_boxes; }

private:
    void arm();

    std::function<void(const QString &)> m_onBox;
    std::vector<std::unique_ptr<GuiTest::ModalAnswer>> m_answers;
    QStringList m_boxes;
};
