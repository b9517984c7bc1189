#include "erengine/erengine.h"

#include "erengine/eroutput.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct TErCommand {
  std::string Layout;
  std::string Format;
  std::string DotFile;
  std::string OutputFile;
};

std::string JoinWords(const std::vector<std::string>& Words, size_t From,
                      size_t To) {
  std::string Result;
  for (size_t i = From; i < To; ++i) {
    if (i > From) Result += ',';
    Result += Words[i];
  }
  return Result;
}

// The words are not quoted, so a comma inside a path cannot be told from a
// separator.  The first "-o" after the DOT path ends it; everything after it
// is the output path.
bool ParseCommand(const char* Command, TErCommand& Cmd) {
  if (Command == nullptr) return false;
  std::vector<std::string> Words;
  std::string Word;
  for (const char* p = Command; *p != '\0'; ++p) {
    if (*p == ',') {
      Words.push_back(Word);
      Word.clear();
    } else {
      Word += *p;
    }
  }
  Words.push_back(Word);
  if (Words.size() < 5) return false;
  if (Words[1].size() < 3 || Words[1].compare(0, 2, "-T") != 0) return false;
  size_t OutFlag = 0;
  for (size_t i = 3; i < Words.size(); ++i) {
    if (Words[i] == "-o") {
      OutFlag = i;
      break;
    }
  }
  if (OutFlag == 0 || OutFlag + 1 >= Words.size()) return false;
  Cmd.Layout = Words[0];
  Cmd.Format = Words[1].substr(2);
  Cmd.DotFile = JoinWords(Words, 2, OutFlag);
  Cmd.OutputFile = JoinWords(Words, OutFlag + 1, Words.size());
  return !Cmd.Layout.empty() && !Cmd.DotFile.empty() && !Cmd.OutputFile.empty();
}

// The output device for a format word; a word that names its renderer
// ("png:cairo") is kept.
std::string OutputDevice(const std::string& Format) {
  if (Format.find(':') != std::string::npos) return Format;
  // The default renderer leaves the margin around the drawing transparent,
  // which a format without transparency writes as black: those formats are
  // drawn by the renderer whose canvas starts white.
  for (const char* f : {"jpg", "jpeg", "jpe"})
    if (Format == f) return Format + ":gd";
  // The plain PostScript writer names fonts bare in the program, so a face
  // with blanks ("MS Sans Serif", every header cell's) makes a file no
  // interpreter reads; the cairo writer embeds the fonts.
  if (Format == "ps") return "ps:cairo";
  return Format;
}

// A number of an attribute as Graphviz reads it, whatever the locale.
bool ReadNumber(const char*& p, const char* End, double& Value) {
  auto [Next, Error] = std::from_chars(p, End, Value);
  if (Error != std::errc()) return false;
  p = Next;
  return true;
}

double GraphNumber(Agraph_t* G, const char* Name, double Default) {
  const char* v = agget(G, const_cast<char*>(Name));
  double x = 0;
  if (v == nullptr || !ReadNumber(v, v + std::strlen(v), x) || x <= 0) return Default;
  return x;
}

// The page's background covers the layout's extent plus its pad.  Where
// that extent ends inside a pixel, the last column and row are covered in
// part, and the GIF writer, which knows no partial transparency, turns them
// into an opaque grey line.  The pad is widened (never narrowed) so that the
// extent is whole pixels at the drawing's resolution in both directions.
void PadToWholePixels(Agraph_t* G) {
  const double Dpi = GraphNumber(G, "dpi", GraphNumber(G, "resolution", 96));
  const double Pixel = 72.0 / Dpi;  // in points
  double Pad[2] = {4, 4};           // points, the renderers' default
  if (const char* v = agget(G, const_cast<char*>("pad")); v != nullptr) {
    const char* End = v + std::strlen(v);
    double x = 0, y = 0;
    if (ReadNumber(v, End, x)) {
      Pad[0] = Pad[1] = x * 72;
      if (v < End && *v == ',' && ReadNumber(++v, End, y)) Pad[1] = y * 72;
    }
  }
  const boxf Box = GD_bb(G);
  const double Extent[2] = {Box.UR.x - Box.LL.x, Box.UR.y - Box.LL.y};
  for (int i = 0; i < 2; ++i) {
    const double Whole = std::ceil((Extent[i] + 2 * Pad[i]) / Pixel - 1e-6) * Pixel;
    Pad[i] = std::max(Pad[i], (Whole - Extent[i]) / 2);
  }
  char Value[80];
  char* p = std::to_chars(Value, Value + 38, Pad[0] / 72).ptr;
  *p++ = ',';
  *std::to_chars(p, p + 38, Pad[1] / 72).ptr = '\0';
  agsafeset(G, const_cast<char*>("pad"), Value, const_cast<char*>(""));
}

// One layout context for the life of the process, never freed: the text
// layout plugin keeps a pointer to the last font name, which belongs to the
// context's font table, and compares it on the next call, so freeing a
// context makes the first label of the next one read freed memory.
GVC_t* SharedContext() {
  static GVC_t* Gvc = gvContext();
  return Gvc;
}

int Render(const TErCommand& Cmd) {
  FILE* In = std::fopen(Cmd.DotFile.c_str(), "rb");
  if (In == nullptr) return ErOutCannotRead;

  agreseterrors();
  GVC_t* Gvc = SharedContext();
  Agraph_t* G = agread(In, nullptr);
  std::fclose(In);  // the caller may delete the DOT file once we return
  if (G == nullptr) return ErOutCannotRead;

  // An undirected graph ignores arrowhead/arrowtail unless dir is set; draw
  // both ends (crow's foot and tee) without touching the DOT text.
  if (agattr(G, AGEDGE, const_cast<char*>("dir"), nullptr) == nullptr)
    agattr(G, AGEDGE, const_cast<char*>("dir"), const_cast<char*>("both"));

  int Result = 0;
  char* Data = nullptr;
  unsigned Length = 0;
  if (agerrors() > 0 || gvLayout(Gvc, G, Cmd.Layout.c_str()) != 0) {
    Result = ErOutGraphError;
  } else {
    PadToWholePixels(G);
    // Render to memory: the library's own file output ends the process when
    // the file cannot be opened.
    if (gvRenderData(Gvc, G, OutputDevice(Cmd.Format).c_str(), &Data, &Length) != 0 ||
        agerrors() > 0 || Data == nullptr || Length == 0)
      Result = ErOutGraphError;
    else if (!WriteOutputFile(Cmd.OutputFile, Data, Length))
      Result = ErOutCannotWrite;
    if (Data != nullptr) gvFreeRenderData(Data);
    gvFreeLayout(Gvc, G);
  }
  agclose(G);
  return Result;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int ErOut(const char* Command) {
  TErCommand Cmd;
  if (!ParseCommand(Command, Cmd)) return ErOutBadCommand;
  try {
    return Render(Cmd);
  } catch (...) {
    return ErOutGraphError;
  }
}
