#include "format/file_unit.h"

#include <gtest/gtest.h>

#include "format/io_error.h"
#include "test_support.h"

namespace serigen {
namespace {

constexpr int kUnit = 99;
constexpr Pattern kYearMonth{"(A4,1X,A2)"};
constexpr Pattern kMark{"('#')"};

using test::ScratchDir;
using test::slurp;
using test::spit;

TEST(FileUnit, RecordsEndInCrLfAndPathsUseBackslashInside) {
  ScratchDir dir;
  FileUnit f(kUnit, "event\\x.txt");
  ASSERT_EQ(f.open(), 0);
  f.write<kYearMonth>("2010", "06");
  f.write_list({"event\\x.txt"});
  f.write<kMark>();
  f.close();
#ifndef _WIN32
  EXPECT_EQ(native_path("event\\20100615.evt"), "event/20100615.evt");
#endif
  EXPECT_EQ(slurp("event/x.txt"), "2010 06\r\n event\\x.txt\r\n#\r\n");
}

TEST(FileUnit, ExistingFileKeepsItsContentUntilTheFirstRecord) {
  ScratchDir dir;
  spit("old.txt", "one\r\ntwo\r\nthree\r\n");
  {
    FileUnit untouched(kUnit, "old.txt");
    ASSERT_EQ(untouched.open(), 0);
    untouched.close();
  }
  EXPECT_EQ(slurp("old.txt"), "one\r\ntwo\r\nthree\r\n");
  FileUnit replaced(kUnit, "old.txt");
  ASSERT_EQ(replaced.open(), 0);
  replaced.write_list({"new"});
  replaced.flush();
  replaced.write_list({"again"});
  replaced.close();
  EXPECT_EQ(slurp("old.txt"), " new\r\n again\r\n");
}

TEST(FileUnit, OpenFailureGivesTheSystemCode) {
  ScratchDir dir(false);
  FileUnit missing_dir(kUnit, "event\\20100615.evt");
  EXPECT_NE(missing_dir.open(), 0);
  std::filesystem::create_directories("a_directory");
  FileUnit directory(kUnit, "a_directory");
  EXPECT_NE(directory.open(), 0);
}

TEST(FileUnit, AFullDiskIsAWriteError) {
  ScratchDir dir;
  std::error_code ec;
  std::filesystem::create_symlink("/dev/full", "full.txt", ec);
  if (ec || !std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  FileUnit f(kUnit, "full.txt");
  ASSERT_EQ(f.open(), 0);
  f.write_list({"anything"});
  try {
    f.close();
    ADD_FAILURE() << "the write to /dev/full succeeded";
  } catch (const IoFailure& e) {
    EXPECT_EQ(e.kind, kWriteError);
    EXPECT_EQ(e.unit, kUnit);
    EXPECT_EQ(e.file, "full.txt");
  }
}

}  // namespace
}  // namespace serigen
