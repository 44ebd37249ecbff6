#pragma once

#include <memory>

#include "framework/ui/menu_bar.h"

namespace yorvane {

// The program's one menu bar: "ファイル" with "終了", and "編集" with the
// standard edit commands. One shared instance serves the application and
// the window; the accessor MenuBar1() makes it on first use.
class MenuBar1 : public framework::MenuBar {
 public:
  MenuBar1();

  static const framework::ClassRecord& Lookup();
  static void ctblinit() { Lookup(); }

  // Builds both menus: Untitled0, then Untitled1.
  void Constructor();
  // The File menu.
  void Untitled0();
  // The Edit menu.
  void Untitled1();

  // The shared instance; none until the accessor's first call and again
  // after shut-down.
  static std::shared_ptr<MenuBar1> implicitInstance;
};

// The shared instance, built by its first call. The instance is stored only
// once its menus are built, so a failed build leaves none behind.
std::shared_ptr<class MenuBar1> MenuBar1();

}  // namespace yorvane
