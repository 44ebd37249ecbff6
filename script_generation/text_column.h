#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/large_buffer.h"

namespace yorvane {

// An array of texts that only grows: the texts stand end to end in one buffer,
// so a column of a million fields costs one allocation, not a million.
class TextColumn {
 public:
  void Append(std::string_view text) {
    // Doubled by hand so that each new buffer is advised for huge pages.
    if (text.size() > text_.capacity() - text_.size()) {
      framework::ReserveLarge(text_, std::max(2 * text_.capacity(), text_.size() + text.size()));
    }
    if (ends_.size() == ends_.capacity()) {
      framework::ReserveLarge(ends_, std::max<size_t>(2 * ends_.capacity(), 16));
    }
    text_.append(text);
    ends_.push_back(text_.size());
  }
  // Makes room for `elements` texts of `bytes` in all, so that growing to them
  // copies nothing. Room that is never written costs address space only.
  void Reserve(size_t bytes, size_t elements) {
    if (bytes > text_.capacity()) framework::ReserveLarge(text_, bytes);
    if (elements > ends_.capacity()) framework::ReserveLarge(ends_, elements);
  }
  // The element at `index` (0 to UpperBound); it views the column's buffer and
  // lives until the column is next appended to or destroyed.
  std::string_view Get(int32_t index) const {
    size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
  }
  // The last index, -1 when the column is empty.
  int32_t UpperBound() const { return static_cast<int32_t>(ends_.size()) - 1; }
  size_t TextBytes() const { return text_.size(); }

 private:
  std::string text_;
  std::vector<size_t> ends_;
};

}  // namespace yorvane
