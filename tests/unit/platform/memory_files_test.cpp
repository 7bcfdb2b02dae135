#include "platform/memory_files.h"

#include <gtest/gtest.h>

#include <string>

namespace quindle::platform {
namespace {

std::string ReadAll(IBinaryFile& file, std::size_t size) {
  std::string bytes(size, '\0');
  return file.Read(bytes.data(), size) ? bytes : "<short>";
}

TEST(MemoryBinaryFilesTest, OpenModesKeepCreateOrRefuse) {
  MemoryBinaryFiles files;
  EXPECT_EQ(files.Open("A", FileOpenMode::ReadOnly), nullptr);
  EXPECT_EQ(files.Open("A", FileOpenMode::ReadWrite), nullptr);
  EXPECT_EQ(files.Open("", FileOpenMode::Create), nullptr);

  files.SetFile("A", "abc");
  auto readOnly = files.Open("A", FileOpenMode::ReadOnly);
  ASSERT_NE(readOnly, nullptr);
  EXPECT_FALSE(readOnly->Write("x", 1));
  EXPECT_EQ(ReadAll(*readOnly, 3), "abc");

  auto created = files.Open("A", FileOpenMode::Create);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(files.Content("A"), "");
  // The truncation reaches the file already open, as on a disk.
  EXPECT_EQ(readOnly->Size(), 0u);
}

TEST(MemoryBinaryFilesTest, PositionsReadsAndWritesBehaveAsOnADisk) {
  MemoryBinaryFiles files;
  files.SetFile("F", "0123456789");
  auto file = files.Open("F", FileOpenMode::ReadWrite);
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->Seek(8));
  char two[3] = {};
  EXPECT_FALSE(file->Read(two, 3));  // only two bytes are left
  EXPECT_EQ(std::string(two, 2), "89");
  ASSERT_TRUE(file->Seek(12));
  ASSERT_TRUE(file->Write("xy", 2));  // past the end: the gap is zeros
  EXPECT_EQ(files.Content("F"), std::string("0123456789\0\0xy", 14));
  EXPECT_EQ(file->Size(), 14u);
  EXPECT_TRUE(file->Flush());
  EXPECT_TRUE(file->Close());
  EXPECT_FALSE(file->Close());
  EXPECT_FALSE(file->Read(two, 1));
}

TEST(MemoryBinaryFilesTest, ReplaceAndRemove) {
  MemoryBinaryFiles files;
  files.SetFile("OLD", "old");
  files.SetFile("NEW", "new");
  auto open = files.Open("OLD", FileOpenMode::ReadOnly);
  ASSERT_TRUE(files.ReplaceFile("NEW", "OLD"));
  EXPECT_EQ(files.Content("OLD"), "new");
  EXPECT_FALSE(files.Exists("NEW"));
  EXPECT_EQ(ReadAll(*open, 3), "old");  // an open file keeps what it opened
  EXPECT_FALSE(files.ReplaceFile("NEW", "OLD"));
  EXPECT_TRUE(files.RemoveFile("OLD"));
  EXPECT_FALSE(files.RemoveFile("OLD"));
  EXPECT_FALSE(files.Content("OLD").has_value());
}

TEST(ReadWholeFileTest, ReadsUpToTheLimitOrNothing) {
  MemoryBinaryFiles files;
  files.SetFile("T", "hello");
  files.SetFile("E", "");
  EXPECT_EQ(ReadWholeFile(files, "T", 100), "hello");
  EXPECT_EQ(ReadWholeFile(files, "T", 4), "hell");
  EXPECT_EQ(ReadWholeFile(files, "T", 0), "");
  EXPECT_EQ(ReadWholeFile(files, "E", 10), "");
  EXPECT_FALSE(ReadWholeFile(files, "MISSING", 10).has_value());
}

}  // namespace
}  // namespace quindle::platform
