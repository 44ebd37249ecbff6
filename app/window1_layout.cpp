#include "app/window1_layout.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "app/app.h"
#include "app/menu_bar1.h"
#include "app/window1.h"
#include "framework/errors.h"
#include "framework/ui/event_delegate.h"
#include "framework/ui/property_blob.h"

namespace yorvane {

namespace {

using framework::PropertyBlobWriter;

constexpr int32_t kNoIndex = std::numeric_limits<int32_t>::min();
constexpr framework::Color kBlack{0x00, 0x00, 0x00};
constexpr framework::Color kWhite{0xFF, 0xFF, 0xFF};

struct Place {
  int32_t left;
  int32_t top;
  int32_t width;
  int32_t height;
  bool lockLeft;
  bool lockRight;
};

void WritePlace(PropertyBlobWriter& blob, std::string_view name, const Place& place) {
  blob.String("Name", name)
      .Int32("Index", kNoIndex)
      .Int32("Left", place.left)
      .Int32("Top", place.top)
      .Int32("Width", place.width)
      .Int32("Height", place.height)
      .Boolean("LockLeft", place.lockLeft)
      .Boolean("LockTop", true)
      .Boolean("LockRight", place.lockRight)
      .Boolean("LockBottom", false);
}

void WriteFont(PropertyBlobWriter& blob) {
  blob.String("TextFont", "System")
      .Boolean("Bold", false)
      .Boolean("Italic", false)
      .Boolean("Underline", false);
}

framework::String LabelBlob(std::string_view name, const Place& place, int32_t tabIndex,
                            std::string_view text, bool multiline, std::string_view initialParent) {
  PropertyBlobWriter blob;
  WritePlace(blob, name, place);
  blob.Int32("TabPanelIndex", 0)
      .Int32("TabIndex", tabIndex)
      .String("Text", text)
      .Int32("TextAlign", 0)
      .Color("TextColor", kBlack)
      .Boolean("Multiline", multiline)
      .Boolean("Enabled", true)
      .Boolean("Visible", true)
      .Boolean("Selectable", false)
      .Boolean("Transparent", false)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true);
  WriteFont(blob);
  blob.String("DataSource", "").String("DataField", "").String("InitialParent", initialParent);
  return blob.Blob();
}

framework::String ButtonBlob(std::string_view name, const Place& place, int32_t tabIndex,
                             std::string_view caption) {
  PropertyBlobWriter blob;
  WritePlace(blob, name, place);
  blob.Int32("TabPanelIndex", 0)
      .Int32("TabIndex", tabIndex)
      .Boolean("TabStop", true)
      .String("InitialParent", "")
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Boolean("Enabled", true)
      .String("Caption", caption)
      .Int32("CaptionAlign", 3)
      .Int32("CaptionPlacement", 1)
      .Int32("CaptionDelta", 0)
      .Int32("IconAlign", 0)
      .Int32("IconDX", 0)
      .Int32("IconDY", 0)
      .Int32("Bevel", 0)
      .Int32("HasMenu", 0)
      .Boolean("HasBackColor", false)
      .Color("BackColor", kBlack)
      .Color("TextColor", kBlack)
      .Boolean("Value", false)
      .Int32("MenuValue", 0)
      .Int32("ButtonType", 0)
      .Boolean("AcceptFocus", false);
  WriteFont(blob);
  return blob.Blob();
}

}  // namespace

framework::String Window1Blob() {
  return PropertyBlobWriter()
      .Int32("Placement", 0)
      .Int32("Width", 411)
      .Int32("Height", 165)
      .Int32("MinWidth", 64)
      .Int32("MinHeight", 64)
      .Int32("MaxWidth", 32000)
      .Int32("MaxHeight", 32000)
      .Int32("Frame", 0)
      .Boolean("Composite", false)
      .Boolean("HasBackColor", false)
      .Color("BackColor", kWhite)
      .String("Title", kApplicationName)
      .Boolean("Visible", true)
      .Boolean("FullScreen", false)
      .Boolean("MenuBarVisible", true)
      .Boolean("CloseButton", true)
      .Boolean("Resizeable", true)
      .Boolean("LiveResize", true)
      .Boolean("MaximizeButton", false)
      .Boolean("MinimizeButton", true)
      .Int32("MacProcID", 0)
      .Blob();
}

framework::String ST1Blob() {
  return LabelBlob("ST1", {8, 146, 395, 19, true, false}, 6,
                   "Acrobatの色の置換機能を使ってグレースケールにします。", true, "");
}

framework::String dropBlob() {
  return LabelBlob("drop", {11, 16, 336, 21, true, true}, 0, "Tab区切りテキストUTF-8をドロップ。",
                   false, "Rectangle1");
}

framework::String Label1Blob() {
  return LabelBlob("Label1", {125, 52, 118, 20, true, false}, 14, "ページにプラスする値：", false,
                   "");
}

framework::String fileselectBlob() {
  return ButtonBlob("fileselect", {359, 15, 48, 22, false, true}, 9, "参照");
}

framework::String makejsxBlob() {
  return ButtonBlob("makejsx", {102, 84, 202, 22, true, false}, 11, "JSX作成");
}

framework::String setacrobatBlob() {
  return ButtonBlob("setacrobat", {104, 112, 202, 22, true, false}, 12, "Acrobatにしおりをつける");
}

framework::String Rectangle1Blob() {
  PropertyBlobWriter blob;
  WritePlace(blob, "Rectangle1", {8, 14, 339, 23, true, true});
  return blob.Int32("TabIndex", 10)
      .Int32("TabPanelIndex", 0)
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true)
      .Boolean("Enabled", true)
      .Color("FillColor", kWhite)
      .Int32("BorderWidth", 1)
      .Color("TopLeftColor", kBlack)
      .Color("BottomRightColor", kBlack)
      .String("InitialParent", "")
      .Blob();
}

framework::String pageplusBlob() {
  PropertyBlobWriter blob;
  WritePlace(blob, "pageplus", {246, 50, 44, 22, true, false});
  blob.Int32("TabPanelIndex", 0)
      .Int32("TabIndex", 13)
      .Boolean("TabStop", true)
      .Boolean("Border", true)
      .Boolean("Password", false)
      .Boolean("UseFocusRing", true)
      .Color("TextColor", kBlack)
      .Color("BackColor", kWhite)
      .Boolean("Enabled", true)
      .String("Format", "")
      .Boolean("Visible", true)
      .String("HelpTag", "")
      .Boolean("AutoDeactivate", true);
  WriteFont(blob);
  return blob.String("CueText", "")
      .String("Text", "0")
      .String("Mask", "")
      .Boolean("ReadOnly", false)
      .Int32("LimitText", 0)
      .Boolean("AcceptTabs", false)
      .Int32("Alignment", 0)
      .Boolean("AutomaticallyCheckSpelling", false)
      .String("DataSource", "")
      .String("DataField", "")
      .Blob();
}

void Window1::Layout() {
  SetMenuBar(MenuBar1());
  framework::SetProperties(*this, Window1Blob());
}

template <class C>
C& Window1::NewControl(std::string_view name) {
  AddControl(New<C>(), name);
  // Reached afresh by name, as every later step reaches it.
  framework::RectControl* control = ControlByName(name);
  if (!control) throw framework::NilObjectException("No control named " + std::string(name));
  C& typed = framework::RuntimeCheckCast<C>(*control);
  if constexpr (std::is_base_of_v<framework::TextControl, C>) {
    typed.SetTextSize(10.0f);
    typed.SetTextUnit(0);
  }
  return typed;
}

void Window1::CreateControls0() {
  using framework::kActionEvent;
  using framework::kDropObjectEvent;
  using framework::kOpenEvent;
  using framework::RuntimeAddEventHandler;
  using framework::RuntimeCreateDelegate;

  framework::SetProperties(NewControl<framework::Label>("ST1"), ST1Blob());

  auto& fileselectButton = NewControl<framework::BevelButton>("fileselect");
  framework::SetProperties(fileselectButton, fileselectBlob());
  RuntimeAddEventHandler(fileselectButton, kActionEvent,
                         RuntimeCreateDelegate(*this, &Window1::fileselect_Action));

  framework::SetProperties(NewControl<framework::Rectangle>("Rectangle1"), Rectangle1Blob());

  auto& dropLabel = NewControl<framework::Label>("drop");
  framework::SetProperties(dropLabel, dropBlob());
  RuntimeAddEventHandler(dropLabel, kOpenEvent, RuntimeCreateDelegate(*this, &Window1::drop_Open));
  RuntimeAddEventHandler(dropLabel, kDropObjectEvent,
                         RuntimeCreateDelegate(*this, &Window1::drop_DropObject));

  auto& makejsxButton = NewControl<framework::BevelButton>("makejsx");
  framework::SetProperties(makejsxButton, makejsxBlob());
  RuntimeAddEventHandler(makejsxButton, kActionEvent,
                         RuntimeCreateDelegate(*this, &Window1::makejsx_Action));

  auto& setacrobatButton = NewControl<framework::BevelButton>("setacrobat");
  framework::SetProperties(setacrobatButton, setacrobatBlob());
  RuntimeAddEventHandler(setacrobatButton, kActionEvent,
                         RuntimeCreateDelegate(*this, &Window1::setacrobat_Action));

  framework::SetProperties(NewControl<framework::TextField>("pageplus"), pageplusBlob());
  framework::SetProperties(NewControl<framework::Label>("Label1"), Label1Blob());
}

}  // namespace yorvane
