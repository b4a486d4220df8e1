#pragma once
#include <QKeyCombination>
#include <array>
#include <span>

namespace qx {

// What choosing a menu control does.
enum class MenuRowKind {
    Command,    // runs the handler named after the control
    Submenu,    // only opens its children
    Separator,  // a line between items
    NoCommand,  // an item that does nothing when chosen
};

// The state a control starts with, before the main window's load applies its rules.
enum MenuDesign : unsigned {
    kDesignShown = 0,
    kDesignHidden = 1,
    kDesignDisabled = 2,
    kDesignChecked = 4,
};

struct MainMenuRow {
    const char* name;     // the control's object name
    const char* caption;  // as stored: "&" marks the access key, "&&" shows one ampersand
    const char* parent;   // the control it opens under; "" for the menu bar
    unsigned design;      // MenuDesign flags
    QKeyCombination shortcut;
    MenuRowKind kind;
};

// Every menu control of the main window in menu-bar order, parents before their children.
std::span<const MainMenuRow> MainMenuRows();

enum class ToolbarStyle { Button, Separator, DropDown };

struct ToolbarDropDownItem {
    const char* text;
    const char* key;
    const char* tag;
};

struct ToolbarButtonRow {
    int index;
    const char* key;
    const char* toolTip;
    ToolbarStyle style;
    bool hidden;
    std::array<ToolbarDropDownItem, 2> items;  // drop-down buttons only; item index = position + 1
};

// The 18 buttons of the main window's toolbar, by index.
std::span<const ToolbarButtonRow> ToolbarButtonRows();

} // namespace qx
