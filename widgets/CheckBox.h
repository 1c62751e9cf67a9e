#pragma once

#include <QCheckBox>

// Check box of the forms: the select key toggles it, the wheel always moves the focus.
// It draws only its indicator, red while focused.
class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CheckBox(QWidget *parent = nullptr);

    void setAccelerationParameters(float threshold, float exponent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    float m_threshold = 10.0f;
    float m_exponent = 1.8f;
};
