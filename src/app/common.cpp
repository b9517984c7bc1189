#include "app/common.h"

#include <cstdlib>

const char* const OutputFormatNames[4] = {"GIF", "JPG", "PNG", "PostScript"};
const char* const OutputFormatExts[4] = {"gif", "jpg", "png", "ps"};
const char* const DiagramLevelNames[3] = {"Table name only", "Table name with PK",
                                          "Full"};

std::string StripFileExt(const std::string& FileName) {
  // A dot in a folder's name is no extension.
  const size_t Slash = FileName.rfind('/');
  const size_t Dot = FileName.rfind('.');
  if (Dot == std::string::npos || (Slash != std::string::npos && Dot < Slash))
    return FileName;
  return FileName.substr(0, Dot + 1);
}

std::string GetTempDir() {
  const char* Env = std::getenv("TMPDIR");
  std::string Dir = (Env != nullptr && *Env != '\0') ? Env : "/tmp";
  while (Dir.size() > 1 && Dir.back() == '/') Dir.pop_back();
  return Dir;
}

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::string TrimBlanks(const std::string& S) {
  size_t b = 0;
  size_t e = S.size();
  while (b < e && IsBlank(S[b])) ++b;
  while (e > b && IsBlank(S[e - 1])) --e;
  return S.substr(b, e - b);
}

std::string NameKey(const std::string& Name) {
  std::string S = TrimBlanks(Name);
  // The last part of a dotted name; dots inside quotes belong to the part.
  size_t PartStart = 0;
  char Close = '\0';
  for (size_t i = 0; i < S.size(); ++i) {
    char c = S[i];
    if (Close != '\0') {
      if (c == Close) Close = '\0';
    } else if (c == '"' || c == '`') {
      Close = c;
    } else if (c == '[') {
      Close = ']';
    } else if (c == '.') {
      PartStart = i + 1;
    }
  }
  S = TrimBlanks(S.substr(PartStart));
  if (S.size() >= 2) {
    char f = S.front();
    char l = S.back();
    if ((f == '"' && l == '"') || (f == '`' && l == '`') || (f == '[' && l == ']'))
      S = TrimBlanks(S.substr(1, S.size() - 2));
  }
  for (char& c : S)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return S;
}
