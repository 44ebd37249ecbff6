#pragma once

#include <string_view>

#include "framework/ui/color.h"
#include "framework/ui/rect_control.h"

namespace framework {

// A control that shows text: its font, size, style and colour. The font
// "System" (and the empty name) is the toolkit's default family. TextSize 0
// is the toolkit's default size; otherwise it counts in TextUnit: 0 (the
// default) and 1 are layout pixels, 2 points, 3 inches, 4 millimetres.
class TextControl : public RectControl {
 public:
  const String& TextFont() const { return textFont_; }
  void SetTextFont(std::string_view font);
  float TextSize() const { return textSize_; }
  void SetTextSize(float size);
  int32_t TextUnit() const { return textUnit_; }
  void SetTextUnit(int32_t unit);
  bool Bold() const { return bold_; }
  void SetBold(bool on);
  bool Italic() const { return italic_; }
  void SetItalic(bool on);
  bool Underline() const { return underline_; }
  void SetUnderline(bool on);
  framework::Color TextColor() const { return textColor_; }
  void SetTextColor(framework::Color color);

 protected:
  using RectControl::RectControl;
  void DescribeProperties(PropertyTable& table) override;

 private:
  void ApplyFont();

  String textFont_ = "System";
  float textSize_ = 0;
  int32_t textUnit_ = 0;
  bool bold_ = false;
  bool italic_ = false;
  bool underline_ = false;
  framework::Color textColor_;
};

}  // namespace framework
