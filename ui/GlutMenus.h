#pragma once

#include "ui/MenuSystem.h"

// The pop-up menus as GLUT builds them.
class GlutMenus final : public MenuSystem {
  public:
    int createMenu(Callback callback) override;
    void setMenu(int menu) override;
    void addEntry(const char* label, int value) override;
    void addSubmenu(const char* label, int submenu) override;
    void attachToRightButton() override;
};
