#include "platform/text_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace forecast::platform {
namespace {

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(TextFiles, WritesCrLfAndReadsEitherEnding) {
  testing::TempDir dir;
  const auto file = dir.Path() / "a.txt";
  ASSERT_TRUE(WriteTextLines(file, {"P7_1", "", "x"}));
  EXPECT_EQ(Bytes(file), "P7_1\r\n\r\nx\r\n");
  std::ofstream(dir.Path() / "unix.txt", std::ios::binary) << "one\ntwo\r\nthree";
  EXPECT_EQ(*ReadTextLines(dir.Path() / "unix.txt"), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_FALSE(ReadTextLines(dir.Path() / "missing.txt").has_value());
}

TEST(TextFiles, AFailedWriteLeavesTheOldFileAndNoTemporary) {
  testing::TempDir dir;
  const auto file = dir.Path() / "keep.txt";
  ASSERT_TRUE(WriteTextLines(file, {"old"}));
  // A target that is a folder cannot be replaced by a rename.
  std::filesystem::create_directories(dir.Path() / "folder" / "inside");
  EXPECT_FALSE(WriteTextLines(dir.Path() / "folder", {"new"}));
  EXPECT_EQ(*ReadTextLines(file), std::vector<std::string>{"old"});
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 2);
}

TEST(TextFiles, AnEmptyFileCountsAsMissing) {
  testing::TempDir dir;
  std::ofstream(dir.Path() / "empty.bin").close();
  std::ofstream(dir.Path() / "full.bin") << "x";
  EXPECT_FALSE(IsUsableFile(dir.Path() / "empty.bin"));
  EXPECT_FALSE(IsUsableFile(dir.Path() / "none.bin"));
  EXPECT_TRUE(IsUsableFile(dir.Path() / "full.bin"));
  EXPECT_TRUE(CopyFileReplacing(dir.Path() / "full.bin", dir.Path() / "empty.bin"));
  EXPECT_TRUE(IsUsableFile(dir.Path() / "empty.bin"));
}

}  // namespace
}  // namespace forecast::platform
