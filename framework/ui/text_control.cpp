#include "framework/ui/text_control.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include "framework/ui/qt_conversions.h"

namespace framework {

void TextControl::SetTextFont(std::string_view font) {
  textFont_ = font;
  ApplyFont();
}

void TextControl::SetTextSize(float size) {
  textSize_ = size;
  ApplyFont();
}

void TextControl::SetTextUnit(int32_t unit) {
  textUnit_ = unit;
  ApplyFont();
}

void TextControl::SetBold(bool on) {
  bold_ = on;
  ApplyFont();
}

void TextControl::SetItalic(bool on) {
  italic_ = on;
  ApplyFont();
}

void TextControl::SetUnderline(bool on) {
  underline_ = on;
  ApplyFont();
}

void TextControl::SetTextColor(framework::Color color) {
  textColor_ = color;
  QPalette palette = Widget()->palette();
  QColor qColor = ToQColor(color);
  palette.setColor(QPalette::WindowText, qColor);
  palette.setColor(QPalette::ButtonText, qColor);
  palette.setColor(QPalette::Text, qColor);
  Widget()->setPalette(palette);
}

void TextControl::ApplyFont() {
  QFont font = QApplication::font();
  if (!textFont_.empty() && textFont_ != "System") {
    font.setFamily(ToQString(textFont_));
  }
  if (textSize_ > 0) {
    constexpr double kPointsPerInch = 72.0;
    switch (textUnit_) {
      case 2:
        font.setPointSizeF(textSize_);
        break;
      case 3:
        font.setPointSizeF(textSize_ * kPointsPerInch);
        break;
      case 4:
        font.setPointSizeF(textSize_ * kPointsPerInch / 25.4);
        break;
      default:
        font.setPixelSize(std::max(1, static_cast<int>(textSize_ + 0.5f)));
        break;
    }
  }
  font.setBold(bold_);
  font.setItalic(italic_);
  font.setUnderline(underline_);
  Widget()->setFont(font);
}

void TextControl::DescribeProperties(PropertyTable& table) {
  RectControl::DescribeProperties(table);
  table.String("TextFont", [this](const String& v) { SetTextFont(v); });
  table.Int32("TextUnit", [this](int32_t v) { SetTextUnit(v); });
  table.Boolean("Bold", [this](bool v) { SetBold(v); });
  table.Boolean("Italic", [this](bool v) { SetItalic(v); });
  table.Boolean("Underline", [this](bool v) { SetUnderline(v); });
  table.Color("TextColor", [this](framework::Color v) { SetTextColor(v); });
}

}  // namespace framework
