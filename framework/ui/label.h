#pragma once

#include <functional>
#include <string_view>

#include "framework/ui/text_control.h"

namespace framework {

class LabelWidget;

// Static text. TextAlign: 0 and 1 left, 2 centred, 3 right.
class Label : public TextControl {
 public:
  explicit Label(Window& window);
  ~Label() override;

  static const ClassRecord& Lookup();
  const ClassRecord& Class() const override { return Lookup(); }

  String Text() const;
  void SetText(std::string_view text);
  int32_t TextAlign() const { return textAlign_; }
  void SetTextAlign(int32_t align);
  bool Multiline() const;
  void SetMultiline(bool on);
  bool Selectable() const { return selectable_; }
  void SetSelectable(bool on);

  // Called with the label and the text it painted, each time a label
  // paints; an empty observer stops the calls. For tests.
  static void SetPaintObserver(std::function<void(Label& label, const String& text)> observer);
  void NotifyPainted();

 protected:
  void DescribeProperties(PropertyTable& table) override;

 private:
  LabelWidget* label_;
  int32_t textAlign_ = 0;
  bool selectable_ = false;
};

}  // namespace framework
