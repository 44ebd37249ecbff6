#include "framework/ui/property_blob.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "app/window1_layout.h"
#include "framework/errors.h"
#include "framework/ui/properties.h"

namespace yorvane {

namespace {

using framework::PropertyBlobWriter;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string text;
  for (int byte : bytes) text.push_back(static_cast<char>(byte));
  return text;
}

TEST(PropertyBlobWriterTest, EncodesEachValueTypeByteForByte) {
  EXPECT_EQ(PropertyBlobWriter().Int32("Width", 411).Blob(),
            Bytes({0x57, 0x69, 0x64, 0x74, 0x68, 0x20, 0x00, 0x00, 0x01, 0x9B}));
  EXPECT_EQ(PropertyBlobWriter().Int32("Index", std::numeric_limits<int32_t>::min()).Blob(),
            "Index " + Bytes({0x80, 0x00, 0x00, 0x00}));
  EXPECT_EQ(PropertyBlobWriter().String("Caption", "参照").Blob(),
            "Caption " + Bytes({0x00, 0x00, 0x00, 0x06}) + "参照");
  EXPECT_EQ(PropertyBlobWriter().String("HelpTag", "").Blob(),
            "HelpTag " + Bytes({0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(PropertyBlobWriter().Boolean("Visible", true).Boolean("Bold", false).Blob(),
            "Visible " + Bytes({0x01}) + "Bold " + Bytes({0x00}));
  EXPECT_EQ(PropertyBlobWriter().Color("FillColor", {0xFF, 0xFF, 0xFF}).Blob(),
            "FillColor " + Bytes({0xFF, 0xFF, 0xFF}));
}

TEST(PropertyBlobWriterTest, WindowBlobStartsAndEndsWithItsTableEntries) {
  std::string blob = Window1Blob();
  std::string start = "Placement " + Bytes({0, 0, 0, 0}) + "Width " + Bytes({0, 0, 0x01, 0x9B}) +
                      "Height " + Bytes({0, 0, 0, 0xA5});
  EXPECT_EQ(blob.substr(0, start.size()), start);
  std::string end = "MinimizeButton " + Bytes({0x01}) + "MacProcID " + Bytes({0, 0, 0, 0});
  ASSERT_GE(blob.size(), end.size());
  EXPECT_EQ(blob.substr(blob.size() - end.size()), end);
}

// Takes a few properties of each type and keeps what it was given.
class Probe : public framework::PropertyHolder {
 public:
  int32_t width = 0;
  bool visible = false;
  std::string title;
  framework::Color color;

 protected:
  void DescribeProperties(framework::PropertyTable& table) override {
    table.Int32("Width", [this](int32_t v) { width = v; });
    table.Boolean("Visible", [this](bool v) { visible = v; });
    table.String("Title", [this](const std::string& v) { title = v; });
    table.Color("BackColor", [this](framework::Color v) { color = v; });
    table.Kept("MacProcId", framework::PropertyType::kInt32, keptProperties_);
  }
};

TEST(SetPropertiesTest, AppliesEveryEntryAndMatchesNamesWithoutCase) {
  Probe probe;
  framework::SetProperties(probe, PropertyBlobWriter()
                                      .Int32("Width", 411)
                                      .Boolean("visible", true)
                                      .String("Title", "Yorvane")
                                      .Color("BackColor", {1, 2, 3})
                                      .Int32("MacProcID", 7)
                                      .Blob());
  EXPECT_EQ(probe.width, 411);
  EXPECT_TRUE(probe.visible);
  EXPECT_EQ(probe.title, "Yorvane");
  EXPECT_EQ(probe.color, (framework::Color{1, 2, 3}));
  ASSERT_NE(probe.KeptProperty("MacProcId"), nullptr);
  EXPECT_EQ(std::get<int32_t>(*probe.KeptProperty("MacProcId")), 7);
}

struct MalformedBlob {
  const char* what;
  std::string blob;
  // How the message ends: it names the entry at fault, or none for a bad name.
  std::string messageEnd;
};

void PrintTo(const MalformedBlob& value, std::ostream* out) { *out << value.what; }

class MalformedBlobTest : public testing::TestWithParam<MalformedBlob> {};

TEST_P(MalformedBlobTest, RaisesNamingTheEntryAndKeepsTheEntriesBeforeIt) {
  Probe probe;
  std::string blob = PropertyBlobWriter().Int32("Width", 5).Blob() + GetParam().blob;
  try {
    framework::SetProperties(probe, blob);
    ADD_FAILURE() << "no exception";
  } catch (const framework::UnsupportedFormatException& error) {
    EXPECT_TRUE(error.Message().ends_with(GetParam().messageEnd)) << error.Message();
  }
  EXPECT_EQ(probe.width, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedBlobTest,
    testing::Values(
        MalformedBlob{"UnknownName", PropertyBlobWriter().Int32("Depth", 1).Blob(),
                      "named \"Depth\""},
        MalformedBlob{"TruncatedInt32", "Width " + Bytes({0x00, 0x01}), "of \"Width\""},
        MalformedBlob{"TruncatedString", "Title " + Bytes({0, 0, 0, 9}) + "Yorvane",
                      "of \"Title\""},
        MalformedBlob{"TruncatedColor", "BackColor " + Bytes({0xFF, 0xFF}), "of \"BackColor\""},
        MalformedBlob{"MissingValue", "Visible ", "of \"Visible\""},
        MalformedBlob{"NameWithoutBlank", "Visible", "at byte 10"},
        MalformedBlob{"NameNotLetters", "Wid7h " + Bytes({0, 0, 0, 1}), "at byte 10"},
        MalformedBlob{"BooleanNeitherZeroNorOne", "Visible " + Bytes({0x02}), "of \"Visible\""},
        MalformedBlob{"StringNotUtf8", "Title " + Bytes({0, 0, 0, 1, 0xFF}), "of \"Title\""}),
    [](const testing::TestParamInfo<MalformedBlob>& info) { return info.param.what; });

}  // namespace

}  // namespace yorvane
