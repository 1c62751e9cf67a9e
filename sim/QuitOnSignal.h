#pragma once

// Makes SIGTERM and SIGINT end the running application's event loop, so a simulator
// stopped by the desktop run (or by Ctrl-C) goes through its destructors and removes the
// device link it made. Call once, after the application object exists.
bool quitOnSignal();
