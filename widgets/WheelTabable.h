#pragma once

// A field of a form driven by the rotary encoder. In navigate mode a turn moves the
// focus to the next or previous field; the select key switches to edit mode, where a
// turn (or the on-screen keyboard, for text) changes the value. While the lock flag is
// set the select key does not switch modes.
class WheelTabable
{
public:
    enum WheelMode { navigate = 0, edit = 1 };

    virtual void setWheelMode(WheelTabable::WheelMode mode, bool lock) = 0;

    static WheelMode otherMode(WheelMode mode) { return mode == navigate ? edit : navigate; }

protected:
    // Fields are owned by their parent widget, never deleted through this interface.
    ~WheelTabable() = default;
};
