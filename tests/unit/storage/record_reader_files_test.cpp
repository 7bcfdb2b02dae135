#include <gtest/gtest.h>

#include <string>

#include "platform/memory_files.h"
#include "storage/record_reader.h"

namespace quindle::storage {
namespace {

std::string Records(std::size_t count, std::size_t tail) {
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) {
    MacroRecord record{};
    record.Name.Assign("M" + std::to_string(i + 1));
    bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
  }
  return bytes + std::string(tail, 'x');
}

TEST(RecordReaderFilesTest, ReadsThroughAnyBinaryFiles) {
  platform::MemoryBinaryFiles files;
  files.SetFile("A.QNL", Records(502, 7));
  const MacroFileContents contents = ReadMacroFile(files, "A.QNL");
  ASSERT_TRUE(contents.Ok()) << contents.error;
  ASSERT_EQ(contents.records.size(), kMaxMacros);
  EXPECT_EQ(contents.records.front().Name.View(), "M1");
  EXPECT_EQ(contents.records.back().Name.View(), "M500");
  EXPECT_EQ(contents.recordsBeyondLimit, 2u);
  EXPECT_EQ(contents.tailBytes, 7u);
}

TEST(RecordReaderFilesTest, AMissingFileSaysSo) {
  platform::MemoryBinaryFiles files;
  const MacroFileContents contents = ReadMacroFile(files, "NONE.QNL");
  EXPECT_EQ(contents.error, "cannot open 'NONE.QNL': no such file");
  EXPECT_TRUE(contents.records.empty());
}

}  // namespace
}  // namespace quindle::storage
