#include "erengine/erengine.h"

#include "picture_check.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& p, const std::string& Text) {
  std::ofstream f(p, std::ios::binary);
  f << Text;
}

// A small diagram in the wizard's own dialect of DOT: HTML-like labels, CR LF
// line ends, an undirected graph with crow/tee edge ends and a loop.
const char* const kDiagram =
    "graph structs {\r\n"
    "mode = \"major\"; //major,hier, KK\r\n"
    "overlap = FALSE;\r\n"
    "node [shape=plaintext];\r\n"
    "label = \"Test (01-02-2026) \\n Tables: 2\";\r\n"
    "\"dept\" [label= <<TABLE BORDER=\"0\" CELLBORDER=\"1\" CELLSPACING=\"0\">\r\n"
    "<TR ><TD PORT=\"f9\" bgcolor = \"gray\" BORDER = \"1\"><FONT point-size=\"12\" "
    "FACE=\"MS Sans Serif\">dept </FONT></TD></TR>\r\n"
    "</TABLE>>];\r\n"
    "\"emp\" [label= <<TABLE BORDER=\"0\" CELLBORDER=\"1\" CELLSPACING=\"0\">\r\n"
    "<TR ><TD PORT=\"f9\" bgcolor = \"gray\" BORDER = \"1\"><FONT point-size=\"12\" "
    "FACE=\"MS Sans Serif\">emp </FONT></TD></TR>\r\n"
    "</TABLE>>];\r\n"
    "\"dept\" -- \"emp\" [arrowhead  = \"crow\" arrowtail = \"tee\" arrowsize = 0.8 label=\"\"];\r\n"
    "\"emp\" -- \"emp\" [arrowhead  = \"crow\" arrowtail = \"tee\" arrowsize = 0.8 label=\"\"];\r\n"
    "}\r\n";

class ErEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Lib = dlopen(ERENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(Lib, nullptr) << dlerror();
    Fn = reinterpret_cast<TErOutFunc>(dlsym(Lib, "ErOut"));
    ASSERT_NE(Fn, nullptr);
    Dir = fs::temp_directory_path() /
          ("erengine-test-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(Dir);
    Dot = Dir / "in.$$$";
    WriteFile(Dot, kDiagram);
  }
  void TearDown() override {
    if (Lib != nullptr) dlclose(Lib);
    std::error_code ec;
    fs::remove_all(Dir, ec);
  }
  int Run(const std::string& Format, const fs::path& Out,
          const fs::path& In = {}) {
    std::string Cmd = "neato,-T" + Format + "," +
                      (In.empty() ? Dot : In).string() + ",-o," + Out.string();
    return Fn(Cmd.c_str());
  }

  void* Lib = nullptr;
  TErOutFunc Fn = nullptr;
  fs::path Dir;
  fs::path Dot;
};

struct TMagic {
  const char* Format;
  std::string Prefix;
};

TEST_F(ErEngineTest, WritesEveryWizardFormatWithItsMagicBytes) {
  const TMagic Formats[] = {
      {"gif", "GIF8"},
      {"jpg", "\xFF\xD8\xFF"},
      {"png", "\x89PNG\r\n\x1A\n"},
      {"ps", "%!PS-Adobe"},
  };
  for (const TMagic& m : Formats) {
    fs::path Out = Dir / (std::string("out.") + m.Format);
    ASSERT_EQ(Run(m.Format, Out), 0) << m.Format;
    std::string Data = ReadFile(Out);
    ASSERT_GE(Data.size(), m.Prefix.size()) << m.Format;
    EXPECT_EQ(Data.compare(0, m.Prefix.size(), m.Prefix), 0) << m.Format;
  }
  // The renderer reads the DOT file and leaves it as it was.
  EXPECT_EQ(ReadFile(Dot), kDiagram);
}

TEST_F(ErEngineTest, EveryWordAfterTheOutputFlagIsTheOutputPath) {
  fs::path Out = Dir / "a,b,-o,c.png";
  ASSERT_EQ(Run("png", Out), 0);
  EXPECT_TRUE(fs::exists(Out));
  EXPECT_FALSE(fs::exists(Dir / "a"));
  EXPECT_FALSE(fs::exists(Dir / "c.png"));
}

TEST_F(ErEngineTest, DotPathWithCommaIsFound) {
  fs::path In = Dir / "x,y.$$$";
  WriteFile(In, kDiagram);
  fs::path Out = Dir / "out.png";
  ASSERT_EQ(Run("png", Out, In), 0);
  EXPECT_TRUE(fs::exists(Out));
}

TEST_F(ErEngineTest, EdgeEndsAreDrawnInTheUndirectedGraph) {
  fs::path Out = Dir / "out.svg";
  ASSERT_EQ(Run("svg", Out), 0);
  std::string Svg = ReadFile(Out);
  // Each edge group carries its path plus the polygons of both ends.
  size_t Edge = Svg.find("class=\"edge\"");
  ASSERT_NE(Edge, std::string::npos);
  size_t EdgeEnd = Svg.find("</g>", Edge);
  std::string Group = Svg.substr(Edge, EdgeEnd - Edge);
  EXPECT_NE(Group.find("<polygon"), std::string::npos) << Group;
}

TEST_F(ErEngineTest, ExplicitEdgeDirectionIsKept) {
  fs::path In = Dir / "nodir.$$$";
  WriteFile(In, "graph g { edge [dir=none]; a -- b [arrowhead=crow]; }\r\n");
  fs::path Out = Dir / "out.svg";
  ASSERT_EQ(Run("svg", Out, In), 0);
  std::string Svg = ReadFile(Out);
  size_t Edge = Svg.find("class=\"edge\"");
  ASSERT_NE(Edge, std::string::npos);
  std::string Group = Svg.substr(Edge, Svg.find("</g>", Edge) - Edge);
  EXPECT_EQ(Group.find("<polygon"), std::string::npos);
}

// The colour of a decoded image's top left pixel, the margin of the drawing.
QColor CornerColour(const fs::path& Image) {
  QImage Picture;
  EXPECT_TRUE(Picture.load(QString::fromStdString(Image.string()))) << Image;
  return Picture.isNull() ? QColor() : Picture.pixelColor(0, 0);
}

bool IsWhite(const QColor& c) {
  return c.alpha() == 255 && c.red() >= 245 && c.green() >= 245 && c.blue() >= 245;
}

// A margin around the drawing is white in formats without transparency
// (the default renderer leaves it transparent, which JPEG writes black) and
// transparent in the others; a background the DOT text asks for is kept.
TEST_F(ErEngineTest, MarginIsWhiteOrTransparent) {
  fs::path In = Dir / "margin.$$$";
  WriteFile(In, std::string(kDiagram).insert(sizeof "graph structs {\r\n" - 1,
                                             "margin = \".5,.5\";\r\n"));
  fs::path Jpg = Dir / "out.jpg";
  ASSERT_EQ(Run("jpg", Jpg, In), 0);
  EXPECT_TRUE(IsWhite(CornerColour(Jpg))) << CornerColour(Jpg).name().toStdString();
  fs::path Png = Dir / "out.png";
  ASSERT_EQ(Run("png", Png, In), 0);
  EXPECT_EQ(CornerColour(Png).alpha(), 0);

  WriteFile(In, "graph g { bgcolor=red; a -- b; }\r\n");
  ASSERT_EQ(Run("jpg", Jpg, In), 0);
  const QColor c = CornerColour(Jpg);
  EXPECT_TRUE(c.red() > 200 && c.green() < 60 && c.blue() < 60) << c.name().toStdString();
  // The renderer leaves the DOT text as it was.
  EXPECT_EQ(ReadFile(Dot), kDiagram);
}

// The page inside the margin ends on whole pixels: no line along its right
// or bottom edge in a format without partial transparency (GIF), no edge
// pixel covered in part in the others.
TEST_F(ErEngineTest, ThePageEndsOnWholePixelsInEveryRasterFormat) {
  fs::path In = Dir / "margin.$$$";
  WriteFile(In, std::string(kDiagram).insert(sizeof "graph structs {\r\n" - 1,
                                             "margin = \".5,.5\";\r\n"));
  for (const char* Format : {"gif", "png", "jpg"}) {
    SCOPED_TRACE(Format);
    const fs::path Out = Dir / (std::string("page.") + Format);
    ASSERT_EQ(Run(Format, Out, In), 0);
    QImage Picture;
    ASSERT_TRUE(Picture.load(QString::fromStdString(Out.string())));
    Picture = Picture.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(FramePixels(Picture), 0);
    EXPECT_EQ(OpaqueBorderPixels(Picture), 0) << "opaque area "
        << OpaqueArea(Picture).width() << "x" << OpaqueArea(Picture).height();
  }
}

// The output file: a failed write leaves what stood under the name; what is
// no regular file is written in place, never removed.
TEST_F(ErEngineTest, AFailedWriteLeavesTheOldPicture) {
  const fs::path Out = Dir / "kept.png";
  WriteFile(Out, "the diagram drawn yesterday");
  // A full disk, as the process sees it: writes past 64 bytes fail.
  struct rlimit Old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Old), 0);
  auto OldSignal = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit Small = Old;
  Small.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
  const int Result = Run("png", Out);
  setrlimit(RLIMIT_FSIZE, &Old);
  std::signal(SIGXFSZ, OldSignal);
  EXPECT_EQ(Result, ErOutCannotWrite);
  EXPECT_EQ(ReadFile(Out), "the diagram drawn yesterday");
  // Nothing the renderer made is left behind.
  int Files = 0;
  for (const auto& e : fs::directory_iterator(Dir)) Files += e.path() != Dot;
  EXPECT_EQ(Files, 1);

  // A link to a device that takes no data: the write fails, the link stays.
  const fs::path Full = Dir / "full.png";
  fs::create_symlink("/dev/full", Full);
  EXPECT_EQ(Run("png", Full), ErOutCannotWrite);
  EXPECT_TRUE(fs::is_symlink(Full));
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  // One that takes them.
  EXPECT_EQ(Run("png", "/dev/null"), 0);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(ErEngineTest, WritesIntoAPipe) {
  const fs::path Pipe = Dir / "pipe";
  ASSERT_EQ(mkfifo(Pipe.c_str(), 0600), 0);
  std::string Received;
  std::thread Reader([&] { Received = ReadFile(Pipe); });
  EXPECT_EQ(Run("png", Pipe), 0);
  Reader.join();
  EXPECT_EQ(Received.compare(0, 4, "\x89PNG"), 0);
  EXPECT_TRUE(fs::is_fifo(Pipe));
}

// Replacing a picture keeps a link to it a link, and its permissions.
TEST_F(ErEngineTest, ReplacingKeepsLinksAndPermissions) {
  const fs::path Out = Dir / "old.png";
  WriteFile(Out, "old");
  fs::permissions(Out, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::path Link = Dir / "link.png";
  fs::create_symlink(Out, Link);
  ASSERT_EQ(Run("png", Link), 0);
  EXPECT_TRUE(fs::is_symlink(Link));
  EXPECT_EQ(ReadFile(Out).compare(0, 4, "\x89PNG"), 0);
  EXPECT_EQ(fs::status(Out).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  int Files = 0;
  for (const auto& e : fs::directory_iterator(Dir)) Files += e.path() != Dot;
  EXPECT_EQ(Files, 2);
  if (geteuid() == 0) return;  // the folder's permissions do not bind root
  // A folder that takes no new file: the file in it is written in place.
  WriteFile(Out, std::string(100000, 'x'));
  fs::permissions(Dir, fs::perms::owner_read | fs::perms::owner_exec);
  const int Result = Run("png", Out);
  fs::permissions(Dir, fs::perms::owner_all);
  EXPECT_EQ(Result, 0);
  const std::string Data = ReadFile(Out);
  EXPECT_EQ(Data.compare(0, 4, "\x89PNG"), 0);
  EXPECT_EQ(Data.substr(Data.size() - 8), std::string("IEND\xAE\x42\x60\x82", 8));  // no old tail
}

struct TFailure {
  const char* Name;
  const char* Dot;  // nullptr: the DOT file is missing
  const char* Format;
  bool OutputInMissingFolder;
  int Expected;
};

TEST_F(ErEngineTest, FailuresAreReportedNotSwallowed) {
  const TFailure Cases[] = {
      {"dot syntax error", "graph g { a -- ; }", "png", false, ErOutCannotRead},
      {"broken html label", "graph g { a [label=<<TABLE><TR>x</TABLE>>]; }",
       "png", false, ErOutGraphError},
      {"missing dot file", nullptr, "png", false, ErOutCannotRead},
      {"unknown format", "graph g { a; }", "nosuchformat", false,
       ErOutGraphError},
      {"output folder missing", "graph g { a; }", "png", true,
       ErOutCannotWrite},
  };
  for (const TFailure& c : Cases) {
    fs::path In = Dir / "case.$$$";
    fs::remove(In);
    if (c.Dot != nullptr) WriteFile(In, c.Dot);
    fs::path Out = c.OutputInMissingFolder ? Dir / "no" / "such" / "out.png"
                                           : Dir / "fail.out";
    fs::remove(Out);
    EXPECT_EQ(Run(c.Format, Out, In), c.Expected) << c.Name;
    EXPECT_FALSE(fs::exists(Out)) << c.Name;
  }
}

TEST_F(ErEngineTest, MalformedCommandsAreRejected) {
  const char* const Cases[] = {
      "",
      "neato",
      "neato,-Tpng,in.dot,-o",
      "neato,-T,in.dot,-o,out.png",
      "neato,png,in.dot,-o,out.png",
      "neato,-Tpng,in.dot,out.png,x",
      "neato,-Tpng,-o,out.png,x",
  };
  for (const char* c : Cases) EXPECT_EQ(Fn(c), ErOutBadCommand) << c;
  EXPECT_EQ(Fn(nullptr), ErOutBadCommand);
}

TEST_F(ErEngineTest, LoadsAndRendersAgainAfterUnloading) {
  for (int i = 0; i < 3; ++i) {
    fs::path Out = Dir / ("again" + std::to_string(i) + ".png");
    ASSERT_EQ(Run("png", Out), 0) << i;
    dlclose(Lib);
    Lib = dlopen(ERENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(Lib, nullptr) << dlerror();
    Fn = reinterpret_cast<TErOutFunc>(dlsym(Lib, "ErOut"));
    ASSERT_NE(Fn, nullptr);
  }
}

}  // namespace
