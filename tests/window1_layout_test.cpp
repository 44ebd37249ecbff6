// The property blobs of the main window and its controls, decoded entry by
// entry and compared with the tables they are written from.
#include "app/window1_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "framework/errors.h"
#include "framework/ui/properties.h"
#include "framework/ui/property_blob.h"

namespace yorvane {

namespace {

using framework::PropertyValue;

PropertyValue I(int32_t value) { return value; }
PropertyValue B(bool value) { return value; }
PropertyValue S(const char* value) { return framework::String(value); }

const PropertyValue kNoIndex = I(std::numeric_limits<int32_t>::min());
const PropertyValue kTrue = B(true);
const PropertyValue kFalse = B(false);
const PropertyValue kEmpty = S("");
const PropertyValue kBlack = framework::Color{0x00, 0x00, 0x00};
const PropertyValue kWhite = framework::Color{0xFF, 0xFF, 0xFF};

// One line of a table: a property and its value in each column.
struct Row {
  const char* name;
  std::vector<PropertyValue> values;
};

const std::vector<Row> kWindowRows = {
    {"Placement", {I(0)}},        {"Width", {I(411)}},         {"Height", {I(165)}},
    {"MinWidth", {I(64)}},        {"MinHeight", {I(64)}},      {"MaxWidth", {I(32000)}},
    {"MaxHeight", {I(32000)}},    {"Frame", {I(0)}},           {"Composite", {kFalse}},
    {"HasBackColor", {kFalse}},   {"BackColor", {kWhite}},     {"Title", {S("Yorvane")}},
    {"Visible", {kTrue}},         {"FullScreen", {kFalse}},    {"MenuBarVisible", {kTrue}},
    {"CloseButton", {kTrue}},     {"Resizeable", {kTrue}},     {"LiveResize", {kTrue}},
    {"MaximizeButton", {kFalse}}, {"MinimizeButton", {kTrue}}, {"MacProcID", {I(0)}},
};

// Columns: ST1, drop, Label1.
const std::vector<Row> kLabelRows = {
    {"Name", {S("ST1"), S("drop"), S("Label1")}},
    {"Index", {kNoIndex, kNoIndex, kNoIndex}},
    {"Left", {I(8), I(11), I(125)}},
    {"Top", {I(146), I(16), I(52)}},
    {"Width", {I(395), I(336), I(118)}},
    {"Height", {I(19), I(21), I(20)}},
    {"LockLeft", {kTrue, kTrue, kTrue}},
    {"LockTop", {kTrue, kTrue, kTrue}},
    {"LockRight", {kFalse, kTrue, kFalse}},
    {"LockBottom", {kFalse, kFalse, kFalse}},
    {"TabPanelIndex", {I(0), I(0), I(0)}},
    {"TabIndex", {I(6), I(0), I(14)}},
    {"Text",
     {S("Acrobatの色の置換機能を使ってグレースケールにします。"),
      S("Tab区切りテキストUTF-8をドロップ。"), S("ページにプラスする値：")}},
    {"TextAlign", {I(0), I(0), I(0)}},
    {"TextColor", {kBlack, kBlack, kBlack}},
    {"Multiline", {kTrue, kFalse, kFalse}},
    {"Enabled", {kTrue, kTrue, kTrue}},
    {"Visible", {kTrue, kTrue, kTrue}},
    {"Selectable", {kFalse, kFalse, kFalse}},
    {"Transparent", {kFalse, kFalse, kFalse}},
    {"HelpTag", {kEmpty, kEmpty, kEmpty}},
    {"AutoDeactivate", {kTrue, kTrue, kTrue}},
    {"TextFont", {S("System"), S("System"), S("System")}},
    {"Bold", {kFalse, kFalse, kFalse}},
    {"Italic", {kFalse, kFalse, kFalse}},
    {"Underline", {kFalse, kFalse, kFalse}},
    {"DataSource", {kEmpty, kEmpty, kEmpty}},
    {"DataField", {kEmpty, kEmpty, kEmpty}},
    {"InitialParent", {kEmpty, S("Rectangle1"), kEmpty}},
};

// Columns: fileselect, makejsx, setacrobat.
const std::vector<Row> kButtonRows = {
    {"Name", {S("fileselect"), S("makejsx"), S("setacrobat")}},
    {"Index", {kNoIndex, kNoIndex, kNoIndex}},
    {"Left", {I(359), I(102), I(104)}},
    {"Top", {I(15), I(84), I(112)}},
    {"Width", {I(48), I(202), I(202)}},
    {"Height", {I(22), I(22), I(22)}},
    {"LockLeft", {kFalse, kTrue, kTrue}},
    {"LockTop", {kTrue, kTrue, kTrue}},
    {"LockRight", {kTrue, kFalse, kFalse}},
    {"LockBottom", {kFalse, kFalse, kFalse}},
    {"TabPanelIndex", {I(0), I(0), I(0)}},
    {"TabIndex", {I(9), I(11), I(12)}},
    {"TabStop", {kTrue, kTrue, kTrue}},
    {"InitialParent", {kEmpty, kEmpty, kEmpty}},
    {"Visible", {kTrue, kTrue, kTrue}},
    {"HelpTag", {kEmpty, kEmpty, kEmpty}},
    {"AutoDeactivate", {kTrue, kTrue, kTrue}},
    {"Enabled", {kTrue, kTrue, kTrue}},
    {"Caption", {S("参照"), S("JSX作成"), S("Acrobatにしおりをつける")}},
    {"CaptionAlign", {I(3), I(3), I(3)}},
    {"CaptionPlacement", {I(1), I(1), I(1)}},
    {"CaptionDelta", {I(0), I(0), I(0)}},
    {"IconAlign", {I(0), I(0), I(0)}},
    {"IconDX", {I(0), I(0), I(0)}},
    {"IconDY", {I(0), I(0), I(0)}},
    {"Bevel", {I(0), I(0), I(0)}},
    {"HasMenu", {I(0), I(0), I(0)}},
    {"HasBackColor", {kFalse, kFalse, kFalse}},
    {"BackColor", {kBlack, kBlack, kBlack}},
    {"TextColor", {kBlack, kBlack, kBlack}},
    {"Value", {kFalse, kFalse, kFalse}},
    {"MenuValue", {I(0), I(0), I(0)}},
    {"ButtonType", {I(0), I(0), I(0)}},
    {"AcceptFocus", {kFalse, kFalse, kFalse}},
    {"TextFont", {S("System"), S("System"), S("System")}},
    {"Bold", {kFalse, kFalse, kFalse}},
    {"Italic", {kFalse, kFalse, kFalse}},
    {"Underline", {kFalse, kFalse, kFalse}},
};

const std::vector<Row> kRectangleRows = {
    {"Name", {S("Rectangle1")}},
    {"Index", {kNoIndex}},
    {"Left", {I(8)}},
    {"Top", {I(14)}},
    {"Width", {I(339)}},
    {"Height", {I(23)}},
    {"LockLeft", {kTrue}},
    {"LockTop", {kTrue}},
    {"LockRight", {kTrue}},
    {"LockBottom", {kFalse}},
    {"TabIndex", {I(10)}},
    {"TabPanelIndex", {I(0)}},
    {"Visible", {kTrue}},
    {"HelpTag", {kEmpty}},
    {"AutoDeactivate", {kTrue}},
    {"Enabled", {kTrue}},
    {"FillColor", {kWhite}},
    {"BorderWidth", {I(1)}},
    {"TopLeftColor", {kBlack}},
    {"BottomRightColor", {kBlack}},
    {"InitialParent", {kEmpty}},
};

const std::vector<Row> kTextFieldRows = {
    {"Name", {S("pageplus")}},
    {"Index", {kNoIndex}},
    {"Left", {I(246)}},
    {"Top", {I(50)}},
    {"Width", {I(44)}},
    {"Height", {I(22)}},
    {"LockLeft", {kTrue}},
    {"LockTop", {kTrue}},
    {"LockRight", {kFalse}},
    {"LockBottom", {kFalse}},
    {"TabPanelIndex", {I(0)}},
    {"TabIndex", {I(13)}},
    {"TabStop", {kTrue}},
    {"Border", {kTrue}},
    {"Password", {kFalse}},
    {"UseFocusRing", {kTrue}},
    {"TextColor", {kBlack}},
    {"BackColor", {kWhite}},
    {"Enabled", {kTrue}},
    {"Format", {kEmpty}},
    {"Visible", {kTrue}},
    {"HelpTag", {kEmpty}},
    {"AutoDeactivate", {kTrue}},
    {"TextFont", {S("System")}},
    {"Bold", {kFalse}},
    {"Italic", {kFalse}},
    {"Underline", {kFalse}},
    {"CueText", {kEmpty}},
    {"Text", {S("0")}},
    {"Mask", {kEmpty}},
    {"ReadOnly", {kFalse}},
    {"LimitText", {I(0)}},
    {"AcceptTabs", {kFalse}},
    {"Alignment", {I(0)}},
    {"AutomaticallyCheckSpelling", {kFalse}},
    {"DataSource", {kEmpty}},
    {"DataField", {kEmpty}},
};

// "TabIndex Int32 6": an entry as the tables show it.
std::string Describe(const std::string& name, const PropertyValue& value) {
  std::ostringstream text;
  text << name << ' ';
  if (const auto* number = std::get_if<int32_t>(&value)) text << "Int32 " << *number;
  if (const auto* flag = std::get_if<bool>(&value))
    text << "Boolean " << (*flag ? "True" : "False");
  if (const auto* string = std::get_if<framework::String>(&value)) {
    text << "String \"" << *string << '"';
  }
  if (const auto* color = std::get_if<framework::Color>(&value)) {
    text << "Color" << std::hex << std::uppercase << std::setfill('0');
    for (int component : {color->red, color->green, color->blue}) {
      text << ' ' << std::setw(2) << component;
    }
  }
  return text.str();
}

framework::PropertyType TypeOf(const PropertyValue& value) {
  if (std::holds_alternative<int32_t>(value)) return framework::PropertyType::kInt32;
  if (std::holds_alternative<bool>(value)) return framework::PropertyType::kBoolean;
  if (std::holds_alternative<framework::String>(value)) return framework::PropertyType::kString;
  return framework::PropertyType::kColor;
}

// Decodes a blob as SetProperties reads it: it knows the names of `rows`,
// each with the type of its value, and records every entry the blob sets,
// in the blob's order. A name it does not know, or a value that does not
// decode as its type, makes SetProperties raise.
class Decoder : public framework::PropertyHolder {
 public:
  Decoder(const std::vector<Row>& rows, size_t column) : rows_(rows), column_(column) {}

  std::vector<std::string> entries;

 protected:
  void DescribeProperties(framework::PropertyTable& table) override {
    for (const Row& row : rows_) {
      std::string name = row.name;
      auto record = [this, name](const PropertyValue& value) {
        entries.push_back(Describe(name, value));
      };
      switch (TypeOf(row.values[column_])) {
        case framework::PropertyType::kInt32:
          table.Int32(name, record);
          break;
        case framework::PropertyType::kBoolean:
          table.Boolean(name, record);
          break;
        case framework::PropertyType::kString:
          table.String(name, record);
          break;
        case framework::PropertyType::kColor:
          table.Color(name, record);
          break;
      }
    }
  }

 private:
  const std::vector<Row>& rows_;
  size_t column_;
};

struct BlobCase {
  const char* name;
  framework::String (*blob)();
  const std::vector<Row>* rows;
  size_t column;
};

void PrintTo(const BlobCase& value, std::ostream* out) { *out << value.name; }

class Window1BlobTest : public testing::TestWithParam<BlobCase> {};

TEST_P(Window1BlobTest, HoldsEveryEntryOfItsTableInOrder) {
  const BlobCase& blob = GetParam();
  std::vector<std::string> expected;
  framework::PropertyBlobWriter spelled;
  for (const Row& row : *blob.rows) {
    const PropertyValue& value = row.values[blob.column];
    expected.push_back(Describe(row.name, value));
    std::visit(
        [&](const auto& v) {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, int32_t>) spelled.Int32(row.name, v);
          if constexpr (std::is_same_v<V, bool>) spelled.Boolean(row.name, v);
          if constexpr (std::is_same_v<V, framework::String>) spelled.String(row.name, v);
          if constexpr (std::is_same_v<V, framework::Color>) spelled.Color(row.name, v);
        },
        value);
  }

  Decoder decoder(*blob.rows, blob.column);
  try {
    framework::SetProperties(decoder, blob.blob());
  } catch (const framework::UnsupportedFormatException& e) {
    ADD_FAILURE() << e.what() << " after " << decoder.entries.size() << " entries";
  }
  for (size_t i = 0; i < std::max(expected.size(), decoder.entries.size()); ++i) {
    EXPECT_EQ(i < decoder.entries.size() ? decoder.entries[i] : "(none)",
              i < expected.size() ? expected[i] : "(none)")
        << "entry " << i + 1;
  }
  // Decoding matches names without regard to case; the blob spells them as
  // the table does all the same.
  if (!HasFailure()) {
    EXPECT_TRUE(blob.blob() == spelled.Blob()) << "the blob spells a name otherwise";
  }
}

INSTANTIATE_TEST_SUITE_P(Blobs, Window1BlobTest,
                         testing::Values(BlobCase{"Window1", Window1Blob, &kWindowRows, 0},
                                         BlobCase{"ST1", ST1Blob, &kLabelRows, 0},
                                         BlobCase{"fileselect", fileselectBlob, &kButtonRows, 0},
                                         BlobCase{"Rectangle1", Rectangle1Blob, &kRectangleRows, 0},
                                         BlobCase{"drop", dropBlob, &kLabelRows, 1},
                                         BlobCase{"makejsx", makejsxBlob, &kButtonRows, 1},
                                         BlobCase{"setacrobat", setacrobatBlob, &kButtonRows, 2},
                                         BlobCase{"pageplus", pageplusBlob, &kTextFieldRows, 0},
                                         BlobCase{"Label1", Label1Blob, &kLabelRows, 2}),
                         [](const testing::TestParamInfo<BlobCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace

}  // namespace yorvane
