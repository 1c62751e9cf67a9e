#include "VirtualKeyboardPrivate.h"

VirtualKeyboardPrivate::VirtualKeyboardPrivate(QObject *parent) : QObject(parent)
{
    m_layouts[0] = tr("0 1 2 3 4 5 6 7 8 9\nQ W E R T Y U I O P\n A S D F G H J K L\n  Z X C V B N M , .\n      Space",
                      "Qwerty uppercase keyboard layout - 'Space' should be translated into a single word without spaces!");
    m_layouts[1] = tr("0 1 2 3 4 5 6 7 8 9\nq w e r t y u i o p\n a s d f g h j k l\n  z x c v b n m , .\n      Space",
                      "Qwerty lowercase keyboard layout - 'Space' should be translated into a single word without spaces!");
    m_layouts[2] = tr("0 1 2 3 4 5 6 7 8 9\nA B C D E F G H I J\nK L M N O P Q R S T\nU V W X Y Z , . - _\n      Space",
                      "Alphabetical uppercase keyboard layout - 'Space' should be translated into a single word without spaces!");
    m_layouts[3] = tr("0 1 2 3 4 5 6 7 8 9\na b c d e f g h i j\nk l m n o p q r s t\nu v w x y z , . - _\n      Space",
                      "Alphabetical lowercase layout - 'Space' should be translated into a single word without spaces!");
}

VirtualKeyboardPrivate::~VirtualKeyboardPrivate()
{
    clearRows();
}

void VirtualKeyboardPrivate::clearRows()
{
    qDeleteAll(m_rows);
    m_rows.clear();
}

void VirtualKeyboardPrivate::setKeyboard(VirtualKeyboard::Keyboard keyboard)
{
    if (keyboard < VirtualKeyboard::QwertyUpper || keyboard > VirtualKeyboard::AlphaLower)
        return;
    m_currentKeyboard = keyboard;
    m_currentLayout = keyboard;
    clearRows();
    m_widestRow = 0;
    const QStringList rowTexts = m_layouts[keyboard].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &text : rowTexts) {
        const QString trimmed = text.trimmed();
        auto *row = new KeyRow;
        row->keys = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        row->indent = text.length() - trimmed.length();
        m_widestRow = qMax(m_widestRow, int(row->keys.size()));
        m_rows.append(row);
    }
    // The highlight keeps its row and column; where the new layout's row is shorter
    // (or a translation has fewer rows) it stays on the last key there.
    if (m_rows.isEmpty()) {
        m_cursorRow = m_cursorColumn = 0;
        return;
    }
    m_cursorRow = qBound(0, m_cursorRow, int(m_rows.size()) - 1);
    m_cursorColumn = qBound(0, m_cursorColumn, int(m_rows.at(m_cursorRow)->keys.size()) - 1);
}

bool VirtualKeyboardPrivate::moveCursor(int delta)
{
    if (m_currentLayout < 0 || m_rows.isEmpty())
        return false;
    const int rows = m_rows.size();
    if (delta <= 0) {
        if (--m_cursorColumn < 0) {
            if (--m_cursorRow < 0)
                m_cursorRow = rows - 1;
            m_cursorColumn = m_rows.at(m_cursorRow)->keys.size() - 1;
        }
    } else if (++m_cursorColumn >= m_rows.at(m_cursorRow)->keys.size()) {
        m_cursorColumn = 0;
        if (++m_cursorRow >= rows)
            m_cursorRow = 0;
    }
    return true;
}

QString VirtualKeyboardPrivate::currentKeyText() const
{
    if (m_cursorRow < 0 || m_cursorRow >= m_rows.size())
        return QString();
    const QStringList &keys = m_rows.at(m_cursorRow)->keys;
    return m_cursorColumn >= 0 && m_cursorColumn < keys.size() ? keys.at(m_cursorColumn) : QString();
}

QChar VirtualKeyboardPrivate::currentKey() const
{
    QString text = currentKeyText();
    if (text == tr("Space", "This should be exactly the same as the word specified in the keyboards"))
        text = QStringLiteral(" ");
    return text.isEmpty() ? QChar() : text.at(0);
}
