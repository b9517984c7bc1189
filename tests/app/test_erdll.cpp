// Loading the rendering library: a failure reports the loader's own error.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/erdll.h"

namespace fs = std::filesystem;

namespace {

// Code and text of the load failure of Path, with errno left at Stale before.
ESystemError LoadFailure(const std::string& Path, int Stale) {
  errno = Stale;
  try {
    TErEngineLibrary Library(Path);
  } catch (const ESystemError& e) {
    return e;
  }
  ADD_FAILURE() << Path << " loaded";
  return ESystemError(0, "");
}

TEST(ErEngineLibrary, ALoadFailureReportsTheLoadersError) {
  const fs::path Dir = fs::temp_directory_path() / ("orrery-erdll-" + std::to_string(::getpid()));
  fs::create_directories(Dir);
  const fs::path Text = Dir / "liberengine.so";
  std::ofstream(Text) << "no library, only text\n";

  // An existing file that is no library: ENOEXEC, whatever errno held.
  for (int Stale : {0, EACCES, ENOENT}) {
    const ESystemError e = LoadFailure(Text.string(), Stale);
    EXPECT_EQ(e.Code, ENOEXEC) << Stale;
    const std::string What = e.what();
    EXPECT_EQ(What.rfind("System Error.  Code: " + std::to_string(ENOEXEC) + ".\n", 0), 0u) << What;
    EXPECT_NE(What.find(Text.string()), std::string::npos) << What;
  }
  // A missing file: the open's own ENOENT.
  EXPECT_EQ(LoadFailure((Dir / "none.so").string(), EACCES).Code, ENOENT);
  fs::remove_all(Dir);
}

}  // namespace
