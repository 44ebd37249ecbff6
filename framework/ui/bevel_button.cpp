#include "framework/ui/bevel_button.h"

#include <QApplication>
#include <QPalette>
#include <QPushButton>

#include "framework/ui/qt_conversions.h"

namespace framework {

BevelButton::BevelButton(Window& window) : TextControl(window, new QPushButton) {
  auto* button = static_cast<QPushButton*>(Widget());
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, ConnectionContext(),
                   [this] { RaiseEvent(kActionEvent); });
  ApplyFocusPolicy();
}

const ClassRecord& BevelButton::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "BevelButton", &RectControl::Lookup());
}

String BevelButton::Caption() const {
  return static_cast<QPushButton*>(Widget())->text().toStdString();
}

void BevelButton::SetCaption(std::string_view caption) {
  QString text = ToQString(caption);
  // An ampersand is shown as it stands, not taken as a mnemonic mark.
  static_cast<QPushButton*>(Widget())->setText(text.replace('&', "&&"));
}

void BevelButton::SetTabStop(bool on) {
  tabStop_ = on;
  ApplyFocusPolicy();
}

void BevelButton::SetAcceptFocus(bool on) {
  acceptFocus_ = on;
  ApplyFocusPolicy();
}

void BevelButton::ApplyFocusPolicy() {
  Qt::FocusPolicy policy = Qt::NoFocus;
  if (acceptFocus_) {
    policy = tabStop_ ? Qt::StrongFocus : Qt::ClickFocus;
  } else if (tabStop_) {
    policy = Qt::TabFocus;
  }
  Widget()->setFocusPolicy(policy);
}

void BevelButton::SetHasBackColor(bool on) {
  hasBackColor_ = on;
  ApplyBackColor();
}

void BevelButton::SetBackColor(framework::Color color) {
  backColor_ = color;
  ApplyBackColor();
}

void BevelButton::ApplyBackColor() {
  QPalette palette = Widget()->palette();
  QColor color = hasBackColor_ ? ToQColor(backColor_)
                               : QApplication::palette(Widget()).color(QPalette::Button);
  palette.setColor(QPalette::Button, color);
  Widget()->setPalette(palette);
}

void BevelButton::Push() { static_cast<QPushButton*>(Widget())->click(); }

void BevelButton::DescribeProperties(PropertyTable& table) {
  TextControl::DescribeProperties(table);
  table.Boolean("TabStop", [this](bool v) { SetTabStop(v); });
  table.String("Caption", [this](const String& v) { SetCaption(v); });
  // Captions stand centred beside no icon in this toolkit's push buttons.
  for (const char* name : {"CaptionAlign", "CaptionPlacement", "CaptionDelta", "IconAlign",
                           "IconDX", "IconDY", "Bevel", "HasMenu", "MenuValue", "ButtonType"}) {
    table.Kept(name, PropertyType::kInt32, keptProperties_);
  }
  table.Kept("Value", PropertyType::kBoolean, keptProperties_);
  table.Boolean("HasBackColor", [this](bool v) { SetHasBackColor(v); });
  table.Color("BackColor", [this](framework::Color v) { SetBackColor(v); });
  table.Boolean("AcceptFocus", [this](bool v) { SetAcceptFocus(v); });
}

}  // namespace framework
