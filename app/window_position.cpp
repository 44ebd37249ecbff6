#include "app/window_position.h"

#include <algorithm>

#include "framework/special_folder.h"
#include "framework/text.h"
#include "framework/text_input_stream.h"
#include "framework/text_output_stream.h"

namespace yorvane {

using framework::FolderItem;
using framework::RuntimeCvtReal64ToSInt32;
using framework::SpecialFolder;
using framework::Str;
using framework::TextInputStream;
using framework::TextOutputStream;
using framework::Val;

namespace {

constexpr int32_t kMinimumLeft = 10;
constexpr int32_t kMinimumTop = 40;

int32_t ReadCoordinate(TextInputStream& stream) {
  return RuntimeCvtReal64ToSInt32(Val(stream.ReadLine()));
}

}  // namespace

std::optional<FolderItem> PreferenceFile() {
  std::optional<FolderItem> preferences = SpecialFolder::Preferences();
  if (!preferences) return std::nullopt;
  return preferences->Child("yorvane.pref");
}

std::optional<WindowPosition> ReadWindowPosition(const FolderItem& file) {
  if (!file.Exists()) return std::nullopt;
  std::unique_ptr<TextInputStream> stream = file.OpenAsTextFile();
  if (!stream) return std::nullopt;
  WindowPosition position;
  position.left = std::max(ReadCoordinate(*stream), kMinimumLeft);
  position.top = std::max(ReadCoordinate(*stream), kMinimumTop);
  stream->Close();
  return position;
}

void WriteWindowPosition(const FolderItem& file, WindowPosition position) {
  std::unique_ptr<TextOutputStream> stream = file.CreateTextFile();
  file.SetMacType("pref");
  if (!stream) return;
  stream->WriteLine(Str(position.left));
  stream->WriteLine(Str(position.top));
  stream->Close();
}

}  // namespace yorvane
