#pragma once

#include "VirtualKeyboard.h"

#include <QList>
#include <QObject>
#include <QStringList>

// Layouts and highlight of the key grid. A layout is a text: rows separated by line
// feeds, keys by blanks, a row's leading blanks its indent in thirds of a key.
class VirtualKeyboardPrivate : public QObject
{
    Q_OBJECT
public:
    struct KeyRow
    {
        int indent = 0;
        QStringList keys;
    };

    explicit VirtualKeyboardPrivate(QObject *parent);
    ~VirtualKeyboardPrivate() override;

    void setKeyboard(VirtualKeyboard::Keyboard keyboard);
    // Moves the highlight one key on (positive delta) or back; false without a layout.
    bool moveCursor(int delta);
    QString currentKeyText() const;
    QChar currentKey() const;

    VirtualKeyboard::Keyboard m_currentKeyboard = VirtualKeyboard::QwertyUpper;
    int m_cursorRow = 0;
    int m_cursorColumn = 0;
    int m_widestRow = 0;
    int m_currentLayout = -1; // which of m_layouts is in use; none yet
    QList<KeyRow *> m_rows;
    QString m_layouts[4];

private:
    void clearRows();
};
