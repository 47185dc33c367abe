#pragma once

// The application object: registers the fields' messages, runs the main window once modally and
// then lets the process end.
class COrvaneApp
{
public:
    // Needs a QApplication. Names the application (the title of its message boxes) and registers
    // the fields' messages.
    static void InitInstance();

    // Needs a QApplication. InitInstance, then the main window. Returns the process exit code (0).
    int Run();
};
