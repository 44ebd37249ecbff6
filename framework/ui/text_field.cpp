#include "framework/ui/text_field.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

#include "framework/ui/alignment.h"
#include "framework/ui/qt_conversions.h"

namespace framework {

class LineEditWidget : public QLineEdit {
 public:
  TextField* owner = nullptr;
};

std::optional<EditCommand> EditCommandNamed(std::string_view menuItemName) {
  struct Entry {
    std::string_view name;
    EditCommand command;
  };
  static constexpr Entry kCommands[] = {
      {"EditUndo", EditCommand::kUndo},   {"EditCut", EditCommand::kCut},
      {"EditCopy", EditCommand::kCopy},   {"EditPaste", EditCommand::kPaste},
      {"EditClear", EditCommand::kClear}, {"EditSelectAll", EditCommand::kSelectAll},
  };
  for (const Entry& entry : kCommands) {
    if (entry.name == menuItemName) return entry.command;
  }
  return std::nullopt;
}

TextField::TextField(Window& window) : TextControl(window, new LineEditWidget) {
  edit_ = static_cast<LineEditWidget*>(Widget());
  edit_->owner = this;
  edit_->setFocusPolicy(Qt::StrongFocus);
}

TextField::~TextField() { edit_->owner = nullptr; }

const ClassRecord& TextField::Lookup() {
  static const ClassRecord* record = nullptr;
  return BuildClassRecord(record, "TextField", &RectControl::Lookup());
}

String TextField::Text() const { return edit_->text().toStdString(); }

void TextField::SetText(std::string_view text) { edit_->setText(ToQString(text)); }

bool TextField::ReadOnly() const { return edit_->isReadOnly(); }

void TextField::SetReadOnly(bool on) { edit_->setReadOnly(on); }

bool TextField::Password() const { return edit_->echoMode() == QLineEdit::Password; }

void TextField::SetPassword(bool on) {
  edit_->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
}

void TextField::SetLimitText(int32_t limit) {
  limitText_ = limit;
  // QLineEdit's own default limit stands for "no limit".
  edit_->setMaxLength(limit > 0 ? limit : 32767);
}

void TextField::SetAlignment(int32_t alignment) {
  alignment_ = alignment;
  edit_->setAlignment(ToolkitAlignment(alignment));
}

String TextField::CueText() const { return edit_->placeholderText().toStdString(); }

void TextField::SetCueText(std::string_view cueText) {
  edit_->setPlaceholderText(ToQString(cueText));
}

bool TextField::Border() const { return edit_->hasFrame(); }

void TextField::SetBorder(bool on) { edit_->setFrame(on); }

void TextField::SetTabStop(bool on) {
  tabStop_ = on;
  edit_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void TextField::SetBackColor(framework::Color color) {
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, ToQColor(color));
  edit_->setPalette(palette);
}

bool TextField::CanPerform(EditCommand command) const {
  bool editable = !edit_->isReadOnly();
  bool selection = edit_->hasSelectedText();
  switch (command) {
    case EditCommand::kUndo:
      return editable && edit_->isUndoAvailable();
    case EditCommand::kCut:
      return editable && selection && !Password();
    case EditCommand::kCopy:
      return selection && !Password();
    case EditCommand::kPaste: {
      const QMimeData* data = QApplication::clipboard()->mimeData();
      return editable && data && data->hasText();
    }
    case EditCommand::kClear:
      return editable && selection;
    case EditCommand::kSelectAll:
      return !edit_->text().isEmpty();
  }
  return false;
}

void TextField::Perform(EditCommand command) {
  switch (command) {
    case EditCommand::kUndo:
      edit_->undo();
      break;
    case EditCommand::kCut:
      edit_->cut();
      break;
    case EditCommand::kCopy:
      edit_->copy();
      break;
    case EditCommand::kPaste:
      edit_->paste();
      break;
    case EditCommand::kClear:
      edit_->del();
      break;
    case EditCommand::kSelectAll:
      edit_->selectAll();
      break;
  }
}

void TextField::DescribeProperties(PropertyTable& table) {
  TextControl::DescribeProperties(table);
  table.Boolean("TabStop", [this](bool v) { SetTabStop(v); });
  table.Boolean("Border", [this](bool v) { SetBorder(v); });
  table.Boolean("Password", [this](bool v) { SetPassword(v); });
  table.Kept("UseFocusRing", PropertyType::kBoolean, keptProperties_);
  table.Color("BackColor", [this](framework::Color v) { SetBackColor(v); });
  table.Kept("Format", PropertyType::kString, keptProperties_);
  table.String("CueText", [this](const String& v) { SetCueText(v); });
  table.String("Text", [this](const String& v) { SetText(v); });
  table.Kept("Mask", PropertyType::kString, keptProperties_);
  table.Boolean("ReadOnly", [this](bool v) { SetReadOnly(v); });
  table.Int32("LimitText", [this](int32_t v) { SetLimitText(v); });
  table.Kept("AcceptTabs", PropertyType::kBoolean, keptProperties_);
  table.Int32("Alignment", [this](int32_t v) { SetAlignment(v); });
  table.Kept("AutomaticallyCheckSpelling", PropertyType::kBoolean, keptProperties_);
  table.Kept("DataSource", PropertyType::kString, keptProperties_);
  table.Kept("DataField", PropertyType::kString, keptProperties_);
}

TextField* FocusedTextField() {
  auto* edit = dynamic_cast<LineEditWidget*>(QApplication::focusWidget());
  return edit ? edit->owner : nullptr;
}

}  // namespace framework
