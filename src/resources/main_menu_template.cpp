#include "resources/main_menu_template.h"

#include "resources/command_ids.h"
#include "resources/resource_ids.h"

MenuTemplate MainMenuTemplate()
{
    using namespace CommandId;
    MenuTemplate menu;
    menu.menuId = ResourceId::kMainMenu;
    menu.popups = {
        {QStringLiteral("File"), {{kFileExit, QStringLiteral("Exit")}}},
        {QStringLiteral("Interface"),
         {{kInterfaceSettings, QStringLiteral("Settings")},
          {kDeviceManager, QStringLiteral("Device Manager")}}},
        {QStringLiteral("Terminal"),
         {{kTerminalShow, QStringLiteral("Show")}, {kTerminalClear, QStringLiteral("Clear")}}},
        {QStringLiteral("?"), {{kInfo, QStringLiteral("Info")}}},
    };
    return menu;
}
