#include "platform/std_file_io.h"

#include <gtest/gtest.h>

#include "storage/storage_test_support.h"

namespace quindle::storage::testing {
namespace {

using platform::FileOpenMode;

TEST(StdBinaryFilesTest, OpenModesKeepCreateOrRefuse) {
  TempFolder folder;
  platform::StdBinaryFiles files;
  const std::string path = folder.File("a.qnl");
  EXPECT_EQ(files.Open(path, FileOpenMode::ReadOnly), nullptr);
  EXPECT_EQ(files.Open(path, FileOpenMode::ReadWrite), nullptr);
  EXPECT_FALSE(files.Exists(path));

  WriteBytes(path, "0123456789");
  auto rw = files.Open(path, FileOpenMode::ReadWrite);
  ASSERT_NE(rw, nullptr);
  EXPECT_EQ(rw->Size(), 10u);
  char buffer[4] = {};
  ASSERT_TRUE(rw->Seek(2));
  ASSERT_TRUE(rw->Read(buffer, 3));
  EXPECT_EQ(std::string(buffer, 3), "234");
  ASSERT_TRUE(rw->Write("xy", 2));  // straight after a read, at the position reached
  ASSERT_TRUE(rw->Seek(12));        // past the end: writing there extends the file
  ASSERT_TRUE(rw->Write("z", 1));
  ASSERT_TRUE(rw->Close());
  EXPECT_EQ(ReadBytes(path), std::string("01234xy789\0\0z", 13));

  auto ro = files.Open(path, FileOpenMode::ReadOnly);
  ASSERT_NE(ro, nullptr);
  ASSERT_TRUE(ro->Seek(10));
  EXPECT_FALSE(ro->Read(buffer, 4)) << "a short read is a failure";
  EXPECT_FALSE(ro->Write("a", 1));
  ro.reset();

  auto created = files.Open(path, FileOpenMode::Create);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->Size(), 0u);
  EXPECT_TRUE(created->Close());
  EXPECT_FALSE(created->Close()) << "closing twice";
  EXPECT_TRUE(files.Exists(path));
}

TEST(StdBinaryFilesTest, ReplaceFileSwapsInTheNewContentAndRemoveDeletes) {
  TempFolder folder;
  platform::StdBinaryFiles files;
  const std::string target = folder.File("QUINX.QNL");
  const std::string scratch = folder.File("QUINX.QNL.tmp");
  WriteBytes(target, "old");
  WriteBytes(scratch, "new content");
  ASSERT_TRUE(files.ReplaceFile(scratch, target));
  EXPECT_EQ(ReadBytes(target), "new content");
  EXPECT_FALSE(files.Exists(scratch));
  EXPECT_FALSE(files.ReplaceFile(scratch, target)) << "nothing to move";
  EXPECT_EQ(ReadBytes(target), "new content");

  EXPECT_TRUE(files.RemoveFile(target));
  EXPECT_FALSE(files.RemoveFile(target));
  EXPECT_EQ(folder.Entries().size(), 0u);
}

}  // namespace
}  // namespace quindle::storage::testing
