#include "bench/bookmark_list_maker.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// splitmix64: the same sequence on every platform, unlike std's distributions.
class Random {
 public:
  explicit Random(uint64_t start) : state_(start) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 to bound - 1.
  uint32_t Below(uint32_t bound) { return static_cast<uint32_t>(Next() % bound); }

 private:
  uint64_t state_;
};

// Characters a table of contents is made of: kanji, kana, a full-width digit
// and a few ASCII ones, each a UTF-8 sequence.
constexpr std::string_view kCharacters[] = {
    "第", "章", "節", "項", "概", "要", "設", "計", "実", "装", "試", "験", "結", "果", "考", "察",
    "資", "料", "付", "録", "の", "と", "に", "お", "け", "る", "デ", "ー", "タ", "シ", "ス", "テ",
    "ム", "構", "成", "管", "理", "運", "用", "１", "２", "３", "・", "A",  "B",  " ",  "1",  "2"};

void AppendTitle(std::string& line, Random& random) {
  const uint32_t length = 17 + random.Below(7);  // 17 to 23 characters
  for (uint32_t i = 0; i < length; ++i) {
    line += kCharacters[random.Below(std::size(kCharacters))];
  }
}

void AppendRow(std::string& line, Random& random, int64_t& page) {
  const uint32_t kind = random.Below(100);
  if (kind < 3) return;  // an empty line
  const int level = kind < 13 ? 1 : kind < 43 ? 2 : kind < 78 ? 3 : 4;
  for (int column = 1; column < level; ++column) line += '\t';
  AppendTitle(line, random);
  for (int column = level; column < 4; ++column) line += '\t';
  page += random.Below(3);
  line += '\t';
  line += std::to_string(page);
  const uint32_t open = random.Below(10);
  const uint32_t style = random.Below(10);
  if (open < 3 || style < 2) {
    line += '\t';
    if (open < 3) line += open == 0 ? "0" : "1";
  }
  if (style < 2) {
    line += '\t';
    line += std::to_string(random.Below(4));
  }
}

}  // namespace

uint64_t WriteBookmarkList(const std::string& path, int64_t rows, uint64_t start) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    std::perror(path.c_str());
    std::exit(2);
  }
  Random random(start);
  std::string line =
      "しおりLEVEL1\tしおりLEVEL2\tしおりLEVEL3\tしおりLEVEL4\tページ\t開く\tスタイル\n";
  uint64_t bytes = 0;
  int64_t page = 1;
  for (int64_t row = 0; row < rows; ++row) {
    AppendRow(line, random, page);
    line += '\n';
    // Written in blocks, so the list costs little memory however long it is.
    if (line.size() >= (1 << 16)) {
      bytes += std::fwrite(line.data(), 1, line.size(), file);
      line.clear();
    }
  }
  bytes += std::fwrite(line.data(), 1, line.size(), file);
  if (std::fclose(file) != 0) {
    std::perror(path.c_str());
    std::exit(2);
  }
  return bytes;
}
