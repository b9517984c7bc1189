#include "erengine/eroutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

bool WriteFd(int Fd, const char* Data, std::size_t Length) {
  while (Length > 0) {
    const ssize_t n = ::write(Fd, Data, Length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    Data += n;
    Length -= static_cast<std::size_t>(n);
  }
  return true;
}

// Writes into what stands at Path, creating nothing.  A regular file is cut
// to the new length only after the whole picture is in it.
bool WriteInPlace(const std::string& Path, const char* Data, std::size_t Length,
                  bool Regular) {
  const int Fd = ::open(Path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (Fd < 0) return false;
  bool Ok = WriteFd(Fd, Data, Length);
  if (Ok && Regular) Ok = ::ftruncate(Fd, static_cast<off_t>(Length)) == 0;
  if (::close(Fd) != 0) Ok = false;
  return Ok;
}

// A new file in Target's folder, named after it (hidden, with a random
// tail); its name goes to Created.  The permissions follow the umask, as for
// any new file.
int CreateBeside(const std::string& Target, std::string& Created) {
  const std::size_t Slash = Target.rfind('/');
  const std::string Folder =
      Slash == std::string::npos ? "" : Target.substr(0, Slash + 1);
  // Short enough that the hidden name stays within the file name limit.
  const std::string Base =
      (Slash == std::string::npos ? Target : Target.substr(Slash + 1)).substr(0, 200);
  std::random_device Random;
  for (int Try = 0; Try < 100; ++Try) {
    char Tail[16];
    std::snprintf(Tail, sizeof Tail, ".%08x", static_cast<unsigned>(Random()));
    Created = Folder + "." + Base + Tail;
    const int Fd = ::open(Created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (Fd >= 0 || errno != EEXIST) return Fd;
  }
  return -1;
}

// Old: the regular file that stands at Target, or nullptr when none does.
bool ReplaceFile(const std::string& Target, const struct stat* Old,
                 const char* Data, std::size_t Length) {
  std::string Created;
  const int Fd = CreateBeside(Target, Created);
  if (Fd < 0) {
    // A folder the user may not add to can still hold a file they may write.
    if (Old != nullptr && (errno == EACCES || errno == EPERM))
      return WriteInPlace(Target, Data, Length, true);
    return false;
  }
  bool Ok = WriteFd(Fd, Data, Length);
  // The replaced file's permissions stay.
  if (Ok && Old != nullptr) Ok = ::fchmod(Fd, Old->st_mode & 07777) == 0;
  // On the disk before it takes the old picture's name.
  if (Ok) Ok = ::fsync(Fd) == 0;
  if (::close(Fd) != 0) Ok = false;
  if (Ok) Ok = ::rename(Created.c_str(), Target.c_str()) == 0;
  if (!Ok) ::unlink(Created.c_str());
  return Ok;
}

}  // namespace

bool WriteOutputFile(const std::string& Path, const char* Data, std::size_t Length) {
  if (Path.empty()) return false;
  struct stat St{};
  if (::stat(Path.c_str(), &St) != 0)
    return errno == ENOENT && ReplaceFile(Path, nullptr, Data, Length);
  if (!S_ISREG(St.st_mode)) return WriteInPlace(Path, Data, Length, false);
  // A link stays a link: the file it leads to is replaced.
  struct stat Link{};
  if (::lstat(Path.c_str(), &Link) == 0 && S_ISLNK(Link.st_mode)) {
    char* Real = ::realpath(Path.c_str(), nullptr);
    if (Real == nullptr) return false;
    const std::string Target = Real;
    std::free(Real);
    return ReplaceFile(Target, &St, Data, Length);
  }
  return ReplaceFile(Path, &St, Data, Length);
}
