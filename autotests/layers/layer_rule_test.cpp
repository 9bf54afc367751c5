// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace fs = std::filesystem;

namespace rova {
namespace {

// The layer rule of the README's map, written once: a folder of src/ includes
// from itself and from folders in later rows only, never from its own row.
const std::vector<std::vector<std::string>> kLayers = {
    {"app", "help", "teacher"},
    {"stats", "handbook"},
    {"tasks"},
    {"accounts"},
    {"window"},
    {"course", "controls", "pictures"},
    {"textio"},
};

// Headers that only their own folder includes: the POSIX helpers that
// textio's readers and its store share.
const std::vector<std::string> kPrivateHeaders = {"textio/posix_file.h"};

int Row(const std::string& folder) {
  for (std::size_t row = 0; row < kLayers.size(); ++row) {
    if (std::ranges::find(kLayers[row], folder) != kLayers[row].end()) return int(row);
  }
  return -1;
}

// Every `#include "x/..."` under `src` that breaks the rule, as
// "folder/file:line: text"; a folder missing from the table is a fault too,
// so that a new folder is given its place.
std::vector<std::string> Violations(const fs::path& src) {
  static const std::regex kInclude(R"re(^\s*#\s*include\s*"(([^"/]+)/[^"]*)")re");
  std::vector<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    const auto ext = entry.path().extension();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const fs::path relative = entry.path().lexically_relative(src);
    const std::string folder = relative.begin()->string();
    const int row = Row(folder);
    std::ifstream in(entry.path());
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
      std::smatch match;
      if (!std::regex_search(text, match, kInclude)) continue;
      const std::string target = match[2];
      const int targetRow = Row(target);
      if (target != folder && std::ranges::find(kPrivateHeaders, match[1].str()) != kPrivateHeaders.end()) {
        found.push_back(relative.generic_string() + ":" + std::to_string(line) + ": " + text +
                        "  (a header private to its folder)");
        continue;
      }
      if (target == folder && row >= 0) continue;
      if (row >= 0 && targetRow > row) continue;
      found.push_back(relative.generic_string() + ":" + std::to_string(line) + ": " + text +
                      (row < 0 ? "  (folder not in the layer table)"
                               : targetRow < 0 ? "  (included folder not in the layer table)"
                                               : "  (includes a folder not below its own)"));
    }
  }
  std::ranges::sort(found);
  return found;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const auto& line : lines) all += line + "\n";
  return all;
}

TEST(LayerRule, noFolderOfTheProgramIncludesOneAboveOrBesideIt) {
  const auto found = Violations(ROVA_SOURCE_DIR);
  EXPECT_TRUE(found.empty()) << Joined(found);
}

class LayerRuleOnMadeUpTree : public testing::InTempDir {};

TEST_F(LayerRuleOnMadeUpTree, namesFileAndLineOfEveryBreach) {
  const auto write = [this](const QString& name, const QByteArray& bytes) {
    fs::create_directories(fs::path(path(name).toStdString()).parent_path());
    writeBytes(name, bytes);
  };
  write("src/window/a.h", "#pragma once\n\n#include \"tasks/x.h\"\n#include \"controls/y.h\"\n");
  write("src/tasks/ui/b.cpp", "#include \"tasks/b.h\"\n  #  include \"window/a.h\"\n// #include \"app/z.h\"\n");
  write("src/stats/c.cpp", "#include \"handbook/p.h\"\n#include \"nowhere/q.h\"\n");
  write("src/newfolder/d.h", "#include \"textio/t.h\"\n");
  write("src/course/e.txt", "#include \"app/z.h\"\n");
  write("src/textio/f.cpp", "#include \"textio/posix_file.h\"\n");
  write("src/window/g.cpp", "#include \"textio/posix_file.h\"\n#include \"textio/text_file.h\"\n");

  const auto found = Violations(path("src").toStdString());
  ASSERT_EQ(found.size(), 5u) << Joined(found);
  EXPECT_EQ(found[0].rfind("newfolder/d.h:1: ", 0), 0u) << found[0];
  EXPECT_EQ(found[1].rfind("stats/c.cpp:1: #include \"handbook/p.h\"", 0), 0u) << found[1];
  EXPECT_EQ(found[2].rfind("stats/c.cpp:2: ", 0), 0u) << found[2];
  EXPECT_EQ(found[3].rfind("window/a.h:3: #include \"tasks/x.h\"", 0), 0u) << found[3];
  EXPECT_EQ(found[4].rfind("window/g.cpp:1: #include \"textio/posix_file.h\"", 0), 0u) << found[4];
}

}  // namespace
}  // namespace rova
