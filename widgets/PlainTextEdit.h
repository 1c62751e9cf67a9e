#pragma once

#include "WheelTabable.h"

#include <QPlainTextEdit>

// Multi-line text field with the same keyboard entry as LineEdit; the keyboard's limit
// is this field's own maximum length.
class PlainTextEdit : public QPlainTextEdit, public WheelTabable
{
    Q_OBJECT
public:
    // Long enough for any comment a form holds, short enough to fit a result record.
    static constexpr int defaultMaxLength = 256;

    explicit PlainTextEdit(QWidget *parent = nullptr);

    void setWheelMode(WheelTabable::WheelMode mode, bool lock) override;
    WheelTabable::WheelMode wheelMode() const { return m_mode; }

    int getMaxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    WheelTabable::WheelMode m_mode = navigate;
    bool m_lock = false;
    int m_maxLength = defaultMaxLength;
};
