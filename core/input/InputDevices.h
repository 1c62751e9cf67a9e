#pragma once

// Input devices of the instrument, found by name under /dev/input (through the device
// root). The key pad functions are offered for tools that must wait for a key before
// the window system runs; the running program gets its keys as key events.

// An open descriptor of the first input device whose name is exactly name, or -1.
// Opened non-blocking when nonBlocking is set.
int openInputDeviceByName(const char *name, bool nonBlocking);

// As openInputDeviceByName, opened blocking.
int get_kb_fd(const char *name);

// 1 if the key with the input key code is held on the device, else 0.
int is_key_pressed(int fd, int key);

// Waits until one of the key pad's keys (F1..F4, green, red, select) is held and
// returns the key pad's descriptor, which stays open. Returns -1 at once when the key
// pad is not there, and when it stops answering, instead of waiting for ever.
int waitForKey();
