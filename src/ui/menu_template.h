#pragma once

#include <QString>
#include <vector>

// One entry of a drop-down menu: a command (id and caption) or a separator.
struct MenuItemSpec
{
    int commandId = 0;
    QString caption;
    bool separator = false;
};

// One drop-down menu of a menu bar.
struct PopupMenuSpec
{
    QString caption;
    std::vector<MenuItemSpec> items;
};

// A menu bar as data: its drop-down menus in order.
struct MenuTemplate
{
    int menuId = 0;
    std::vector<PopupMenuSpec> popups;
};
