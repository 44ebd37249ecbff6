#pragma once

#include "framework/ui/color.h"
#include "framework/ui/rect_control.h"

namespace framework {

class RectangleWidget;

// A filled rectangle with a border: the top and left edges in TopLeftColor,
// the bottom and right edges in BottomRightColor.
class Rectangle : public RectControl {
 public:
  explicit Rectangle(Window& window);
  ~Rectangle() override;

  static const ClassRecord& Lookup();
  const ClassRecord& Class() const override { return Lookup(); }

  framework::Color FillColor() const { return fillColor_; }
  void SetFillColor(framework::Color color);
  int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int32_t width);
  framework::Color TopLeftColor() const { return topLeftColor_; }
  void SetTopLeftColor(framework::Color color);
  framework::Color BottomRightColor() const { return bottomRightColor_; }
  void SetBottomRightColor(framework::Color color);

 protected:
  void DescribeProperties(PropertyTable& table) override;

 private:
  friend class RectangleWidget;

  framework::Color fillColor_{255, 255, 255};
  int32_t borderWidth_ = 1;
  framework::Color topLeftColor_;
  framework::Color bottomRightColor_;
};

}  // namespace framework
