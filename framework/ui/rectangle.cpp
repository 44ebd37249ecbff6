#include "framework/ui/rectangle.h"

#include <QPainter>
#include <QWidget>

#include "framework/ui/qt_conversions.h"

namespace framework {

class RectangleWidget : public QWidget {
 public:
  const Rectangle* owner_ = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!owner_) return;
    QPainter painter(this);
    int border = std::max(0, owner_->borderWidth_);
    QRect area = rect();
    painter.fillRect(area, ToQColor(owner_->fillColor_));
    if (border == 0) return;
    QColor topLeft = ToQColor(owner_->topLeftColor_);
    QColor bottomRight = ToQColor(owner_->bottomRightColor_);
    painter.fillRect(0, 0, area.width(), border, topLeft);
    painter.fillRect(0, 0, border, area.height(), topLeft);
    painter.fillRect(0, area.height() - border, area.width(), border, bottomRight);
    painter.fillRect(area.width() - border, 0, border, area.height(), bottomRight);
  }
};

Rectangle::Rectangle(Window& window) : RectControl(window, new RectangleWidget) {
  static_cast<RectangleWidget*>(Widget())->owner_ = this;
}

Rectangle::~Rectangle() { static_cast<RectangleWidget*>(Widget())->owner_ = nullptr; }

const ClassRecord& Rectangle::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "Rectangle", &RectControl::Lookup());
}

void Rectangle::SetFillColor(framework::Color color) {
  fillColor_ = color;
  Refresh(false);
}

void Rectangle::SetBorderWidth(int32_t width) {
  borderWidth_ = width;
  Refresh(false);
}

void Rectangle::SetTopLeftColor(framework::Color color) {
  topLeftColor_ = color;
  Refresh(false);
}

void Rectangle::SetBottomRightColor(framework::Color color) {
  bottomRightColor_ = color;
  Refresh(false);
}

void Rectangle::DescribeProperties(PropertyTable& table) {
  RectControl::DescribeProperties(table);
  table.Color("FillColor", [this](framework::Color v) { SetFillColor(v); });
  table.Int32("BorderWidth", [this](int32_t v) { SetBorderWidth(v); });
  table.Color("TopLeftColor", [this](framework::Color v) { SetTopLeftColor(v); });
  table.Color("BottomRightColor", [this](framework::Color v) { SetBottomRightColor(v); });
}

}  // namespace framework
