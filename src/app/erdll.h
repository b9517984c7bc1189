// Loading the rendering library for one drawing.
#pragma once

#include <stdexcept>
#include <string>

// A failure of the operating system's loader, shown to the user as
// "System Error.  Code: %d." followed by the loader's own text.
class ESystemError : public std::runtime_error {
 public:
  ESystemError(int Code, const std::string& SystemText);
  int Code = 0;
};

// The rendering library, loaded from an absolute path and unloaded when the
// object goes (also when the call in between raises).
class TErEngineLibrary {
 public:
  explicit TErEngineLibrary(const std::string& Path);  // raises ESystemError
  ~TErEngineLibrary();
  TErEngineLibrary(const TErEngineLibrary&) = delete;
  TErEngineLibrary& operator=(const TErEngineLibrary&) = delete;

  // Runs the renderer's entry with the comma-separated command words.
  int ErOut(const std::string& Command) const;

 private:
  void* Handle = nullptr;
  int (*Entry)(const char*) = nullptr;
};

// The library's file name in the program's folder.
inline constexpr const char* ErEngineFileName = "liberengine.so";
