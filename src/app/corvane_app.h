#pragma once

// The application object: registers the fields' messages, runs the main window once modally and
// then lets the process end.
class COrvaneApp
{
public:
    // Needs a QApplication. Returns the process exit code (0).
    int Run();
};
