#include "format/file_unit.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace fs = std::filesystem;

unsigned mode_of(const char* path) {
  struct stat st {};
  ::stat(path, &st);
  return st.st_mode & 07777;
}

std::vector<std::string> names_in(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FileUnit, OpenFailureGivesTheSystemCodeAndChangesNothing) {
  ScratchDir dir(false);
  FileUnit missing_dir(kUnit, "event\\20100615.evt");
  EXPECT_EQ(missing_dir.open(WhenMissing::CreateWithRecords), ENOENT);
  fs::create_directories("a_directory");
  FileUnit directory(kUnit, "a_directory");
  EXPECT_EQ(directory.open(WhenMissing::CreateWithRecords), EISDIR);
  EXPECT_EQ(names_in("."), std::vector<std::string>{"a_directory"});
}

TEST(FileUnit, ANewFileAppearsOnlyWithItsRecords) {
  ScratchDir dir;
  const mode_t mask = ::umask(022);
  {
    FileUnit f(kUnit, "event\\new.evt");
    ASSERT_EQ(f.open(WhenMissing::CreateWithRecords), 0);
    EXPECT_FALSE(fs::exists("event/new.evt"));
    f.write<kMark>();
    f.close();
  }
  {
    FileUnit nothing(kUnit, "event\\none.evt");
    ASSERT_EQ(nothing.open(WhenMissing::CreateWithRecords), 0);
    nothing.close();
  }
  ::umask(mask);
  EXPECT_EQ(slurp("event/new.evt"), "#\r\n");
  EXPECT_EQ(mode_of("event/new.evt"), 0644u);  // 0666 less the umask
  EXPECT_EQ(names_in("event"), std::vector<std::string>{"new.evt"});  // no temporary, no empty file
}

TEST(FileUnit, AReplacedFileKeepsItsModeAndALinkStaysALink) {
  ScratchDir dir;
  spit("event/real.evt", "old\r\n");
  ::chmod("event/real.evt", 0640);
  fs::create_symlink("real.evt", "event/link.evt");
  FileUnit f(kUnit, "event\\link.evt");
  ASSERT_EQ(f.open(WhenMissing::CreateWithRecords), 0);
  f.write<kMark>();
  f.close();
  EXPECT_TRUE(fs::is_symlink("event/link.evt"));
  EXPECT_EQ(slurp("event/real.evt"), "#\r\n");
  EXPECT_EQ(mode_of("event/real.evt"), 0640u);
  EXPECT_EQ(names_in("event"), (std::vector<std::string>{"link.evt", "real.evt"}));
}

TEST(FileUnit, AReadOnlyFileStopsAUserButNotRoot) {
  ScratchDir dir;
  spit("locked.evt", "old\r\n");
  ::chmod("locked.evt", 0444);
  FileUnit f(kUnit, "locked.evt");
  if (::geteuid() != 0) {
    EXPECT_EQ(f.open(WhenMissing::CreateWithRecords), EACCES);  // the user locked it
    EXPECT_EQ(slurp("locked.evt"), "old\r\n");
    return;
  }
  ASSERT_EQ(f.open(WhenMissing::CreateWithRecords), 0);
  f.write<kMark>();
  f.close();
  EXPECT_EQ(slurp("locked.evt"), "#\r\n");
  EXPECT_EQ(mode_of("locked.evt"), 0444u);
}

TEST(FileUnit, ADirectoryThatCannotTakeATemporaryFileIsWrittenInPlace) {
  ScratchDir dir;
  spit("x.evt", "a longer old content\r\n");
  // A directory standing at the temporary file's name stops its creation
  // here, as a read-only directory does for a user who is not root.
  fs::create_directories("x.evt.serigen-tmp/in");
  FileUnit f(kUnit, "x.evt");
  ASSERT_EQ(f.open(WhenMissing::CreateWithRecords), 0);
  f.write<kMark>();
  f.close();
  EXPECT_TRUE(f.rewritten_in_place());
  EXPECT_EQ(slurp("x.evt"), "#\r\n");
}

TEST(FileUnit, ScratchFilesAreRewrittenInPlaceAndNeverThroughALink) {
  ScratchDir dir;
  spit("temp1.fls", "a longer old line\r\n");
  rewrite_in_place(kUnit, "temp1.fls", "2010\r\n");
  EXPECT_EQ(slurp("temp1.fls"), "2010\r\n");
  spit("victim.txt", "keep\r\n");
  fs::create_symlink("victim.txt", "temp3.fls");
  try {
    rewrite_in_place(kUnit, "temp3.fls", "x\r\n");
    ADD_FAILURE() << "written through the link";
  } catch (const IoFailure& e) {
    EXPECT_EQ(e.kind, "open error");
    EXPECT_EQ(e.file, "temp3.fls");
  }
  EXPECT_EQ(slurp("victim.txt"), "keep\r\n");
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
