#include "app/erdll.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

namespace {

std::string SystemErrorText(int Code, const std::string& SystemText) {
  char Head[64];
  std::snprintf(Head, sizeof Head, "System Error.  Code: %d.", Code);
  return std::string(Head) + "\n" + SystemText;
}

std::string LoaderText() {
  const char* e = dlerror();
  return e != nullptr ? e : "unknown loader error";
}

}  // namespace

ESystemError::ESystemError(int ACode, const std::string& SystemText)
    : std::runtime_error(SystemErrorText(ACode, SystemText)), Code(ACode) {}

TErEngineLibrary::TErEngineLibrary(const std::string& Path) {
  // The loader reports no number of its own and leaves errno unset: a file
  // it cannot reach gives the reason (ENOENT, EACCES), one it reaches but
  // cannot load ENOEXEC.
  errno = 0;
  Handle = dlopen(Path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (Handle == nullptr) {
    int Code = errno;
    const std::string Text = LoaderText();
    struct stat Info {};
    if (Code == 0) Code = ::stat(Path.c_str(), &Info) != 0 ? errno : ENOEXEC;
    throw ESystemError(Code, Text);
  }
  dlerror();
  void* Symbol = dlsym(Handle, "ErOut");
  if (Symbol == nullptr) {
    std::string Text = LoaderText();
    dlclose(Handle);
    Handle = nullptr;
    throw ESystemError(ENOENT, Text);
  }
  Entry = reinterpret_cast<int (*)(const char*)>(Symbol);
}

TErEngineLibrary::~TErEngineLibrary() {
  if (Handle != nullptr) dlclose(Handle);
}

int TErEngineLibrary::ErOut(const std::string& Command) const {
  // The words are followed by one extra NUL, as the entry has always read them.
  std::string Buffer = Command;
  Buffer.push_back('\0');
  return Entry(Buffer.c_str());
}
