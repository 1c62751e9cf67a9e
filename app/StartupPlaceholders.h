#pragma once

class QWidget;

// Start-up steps whose subsystems are not in the program yet; each is replaced by the
// real step when its screen or controller arrives.

// The main menu screen, placed in the screen area; null while there is none, and the
// screen area stays empty.
QWidget *createMainMenuScreen();
