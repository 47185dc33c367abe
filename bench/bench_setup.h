#pragma once

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

// What the benchmarks that open the window share before and after creating their application.

// Runs the window on Qt's offscreen platform unless the environment asks for another. Call it
// before the application object is made.
inline void UseOffscreenPlatformUnlessAsked()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Makes folder the current directory, so the window's settings file goes there. Returns false
// when the folder could not be made or entered.
inline bool EnterFreshFolder(const QTemporaryDir& folder)
{
    return folder.isValid() && QDir::setCurrent(folder.path());
}
