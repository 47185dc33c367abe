#pragma once

// The application: names itself, runs the main window once modally and then lets the process end.
class Application
{
public:
    // Needs a QApplication. Names the application (the title of its message boxes) and its
    // desktop entry.
    static void Name();

    // Needs a QApplication. Name, then the main window. Returns the process exit code (0).
    int Run();
};
