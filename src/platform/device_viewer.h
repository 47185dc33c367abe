#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Opens the system's view of its hardware devices in a separate process; what that process does
// is not examined.
class DeviceViewer
{
public:
    struct Command
    {
        QString program;
        QStringList arguments;

        bool operator==(const Command&) const = default;
    };

    // Returns the full path of an installed program of this name, or "" when there is none.
    using FindProgram = std::function<QString(const QString& name)>;
    // Returns whether a folder exists.
    using FolderExists = std::function<bool(const QString& path)>;

    // Returns the command that shows the devices: the first installed hardware viewer, else the
    // desktop's opener on the serial device folder (or /dev); nothing when neither is installed.
    static std::optional<Command> ChooseCommand(const FindProgram& findProgram,
                                                const FolderExists& folderExists);

    // Starts the chosen command detached, looking programs up on PATH. Returns false when there is
    // none or it could not be started.
    static bool Open();
};
