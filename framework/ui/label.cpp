#include "framework/ui/label.h"

#include <QLabel>

#include "framework/ui/alignment.h"
#include "framework/ui/qt_conversions.h"
#include "framework/ui/unhandled_exception.h"

namespace framework {
namespace {

std::function<void(Label&, const String&)>& PaintObserver() {
  static std::function<void(Label&, const String&)> observer;
  return observer;
}

}  // namespace

class LabelWidget : public QLabel {
 public:
  void SetOwner(Label* owner) { owner_ = owner; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (owner_) CallHandler([this] { owner_->NotifyPainted(); });
  }

 private:
  Label* owner_ = nullptr;
};

Label::Label(Window& window) : TextControl(window, new LabelWidget), label_(nullptr) {
  label_ = static_cast<LabelWidget*>(Widget());
  label_->SetOwner(this);
  label_->setTextFormat(Qt::PlainText);
  SetTextAlign(0);
}

Label::~Label() { label_->SetOwner(nullptr); }

const ClassRecord& Label::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "Label", &RectControl::Lookup());
}

String Label::Text() const { return label_->text().toStdString(); }

void Label::SetText(std::string_view text) { label_->setText(ToQString(text)); }

void Label::SetTextAlign(int32_t align) {
  textAlign_ = align;
  label_->setAlignment(ToolkitAlignment(align));
}

bool Label::Multiline() const { return label_->wordWrap(); }

void Label::SetMultiline(bool on) { label_->setWordWrap(on); }

void Label::SetSelectable(bool on) {
  selectable_ = on;
  label_->setTextInteractionFlags(on ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

void Label::SetPaintObserver(std::function<void(Label&, const String&)> observer) {
  PaintObserver() = std::move(observer);
}

void Label::NotifyPainted() {
  if (PaintObserver()) PaintObserver()(*this, Text());
}

void Label::DescribeProperties(PropertyTable& table) {
  TextControl::DescribeProperties(table);
  table.String("Text", [this](const String& v) { SetText(v); });
  table.Int32("TextAlign", [this](int32_t v) { SetTextAlign(v); });
  table.Boolean("Multiline", [this](bool v) { SetMultiline(v); });
  table.Boolean("Selectable", [this](bool v) { SetSelectable(v); });
  // Labels draw over what lies beneath them in this toolkit either way.
  table.Kept("Transparent", PropertyType::kBoolean, keptProperties_);
  table.Kept("DataSource", PropertyType::kString, keptProperties_);
  table.Kept("DataField", PropertyType::kString, keptProperties_);
}

}  // namespace framework
