#pragma once

#include <string>
#include <vector>

// The pop-up menus as the window system builds them: GLUT in the program, a recorder in
// tests, so the whole tree can be read as data.
class MenuSystem {
  public:
    using Callback = void (*)(int value);

    virtual ~MenuSystem() = default;
    // A new menu that becomes the current one; returns its id.
    virtual int createMenu(Callback callback) = 0;
    virtual void setMenu(int menu) = 0;
    virtual void addEntry(const char* label, int value) = 0;
    virtual void addSubmenu(const char* label, int submenu) = 0;
    // Attaches the current menu to the right mouse button.
    virtual void attachToRightButton() = 0;
};

// Keeps every menu with its entries in order.
class RecordingMenuSystem final : public MenuSystem {
  public:
    struct Entry {
        std::string label;
        int value;  // the callback's value; for a submenu, the submenu's id
        bool isSubmenu;
    };
    struct Menu {
        Callback callback;
        std::vector<Entry> entries;
    };

    int createMenu(Callback callback) override {
        menus.push_back({callback, {}});
        current = static_cast<int>(menus.size()) - 1;
        return current;
    }
    void setMenu(int menu) override { current = menu; }
    void addEntry(const char* label, int value) override {
        menus.at(static_cast<std::size_t>(current)).entries.push_back({label, value, false});
    }
    void addSubmenu(const char* label, int submenu) override {
        menus.at(static_cast<std::size_t>(current)).entries.push_back({label, submenu, true});
    }
    void attachToRightButton() override { attached = current; }

    std::vector<Menu> menus;
    int current = -1;
    int attached = -1;
};
