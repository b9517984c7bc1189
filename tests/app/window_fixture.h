// The window under test: a fresh wizard per test, shown offscreen, driven as
// a user would drive it (typing into the edits, choosing list items,
// clicking the buttons), with helpers the window tests share.
#pragma once

#include "app/common.h"
#include "app/main.h"
#include "frontend/marlsqlparser.h"

#include "../erengine/picture_check.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

namespace fs = std::filesystem;

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Whether the library parses scripts of a vendor: a dialect that is not part
// of the build says so in the parse's error text.
inline bool DialectBuilt(std::uint8_t Vendor) {
  TMarlSqlParser Probe(Vendor);
  Probe.SetSqlTextString("CREATE TABLE t (a INT);\n");
  Probe.Parse();
  return Probe.GetErrorMessages().find("not available in this build") == std::string::npos;
}

// Drawing from a script needs the Oracle grammar in the library.
#define REQUIRE_ORACLE() ASSERT_TRUE(DialectBuilt(1)) << "the Oracle dialect is missing from the build"

inline std::string ReadFile(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const fs::path& p, const std::string& Text) {
  std::ofstream f(p, std::ios::binary);
  f << Text;
}

// Whether a library is mapped into this process now.
inline bool Mapped(const std::string& Library) {
  return ReadFile("/proc/self/maps").find(Library) != std::string::npos;
}

// A dialog nobody answered would block the test for good: give up on it.
inline void CloseAllDialogs() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QDialog*>(w); d != nullptr && d->isVisible()) d->reject();
}

// Types a name into a file dialog, as a user would.
inline void TypeFileName(QFileDialog* d, const fs::path& Name) {
  auto* Edit = d->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(Edit, nullptr);
  Edit->setText(QString::fromStdString(Name.string()));
}

// The shown dialog of a kind, if any (offscreen, a modal dialog need not
// become the active window).
template <class D>
inline D* VisibleDialog() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<D*>(w); d != nullptr && d->isVisible()) return d;
  return nullptr;
}

// "orrery-" + six letters or digits + ".$$$" (no std::regex: its GCC 12
// headers warn falsely when optimised).
inline bool IsTempDotName(const std::string& Name) {
  const std::string Head = "orrery-", Tail = ".$$$";
  if (Name.size() != Head.size() + 6 + Tail.size()) return false;
  if (Name.compare(0, Head.size(), Head) != 0) return false;
  if (Name.compare(Name.size() - Tail.size(), Tail.size(), Tail) != 0) return false;
  return std::all_of(Name.begin() + Head.size(), Name.end() - Tail.size(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

inline int Count(const std::string& Text, const std::string& What) {
  int n = 0;
  for (size_t i = Text.find(What); i != std::string::npos; i = Text.find(What, i + 1)) ++n;
  return n;
}

// A script with keys, a self-reference, indexes and a quoted name.
inline const char* const kScript =
    "-- personnel\n"
    "CREATE TABLE dept (\n"
    "  deptno NUMBER(2) NOT NULL,\n"
    "  dname VARCHAR2(14),\n"
    "  CONSTRAINT dept_pk PRIMARY KEY (deptno)\n"
    ");\n"
    "CREATE TABLE emp (\n"
    "  empno NUMBER(4) NOT NULL,\n"
    "  ename VARCHAR2(10) NOT NULL,\n"
    "  mgr NUMBER(4),\n"
    "  deptno NUMBER(2),\n"
    "  CONSTRAINT emp_pk PRIMARY KEY (empno),\n"
    "  CONSTRAINT emp_mgr_fk FOREIGN KEY (mgr) REFERENCES emp (empno),\n"
    "  CONSTRAINT emp_dept_fk FOREIGN KEY (deptno) REFERENCES dept (deptno)\n"
    ");\n"
    "CREATE TABLE \"Pay Grade\" (\n"
    "  grade NUMBER PRIMARY KEY,\n"
    "  losal NUMBER,\n"
    "  hisal NUMBER\n"
    ");\n"
    "CREATE INDEX emp_name_ix ON emp (ename, mgr);\n"
    "CREATE UNIQUE INDEX dept_name_uk ON dept (dname);\n";

struct TMagic {
  int FormatIndex;
  const char* Ext;
  std::string Prefix;
};

inline const TMagic kFormats[] = {
    {0, "gif", "GIF8"},
    {1, "jpg", "\xFF\xD8\xFF"},
    {2, "png", "\x89PNG\r\n\x1A\n"},
    {3, "ps", "%!PS-Adobe"},
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("orrery-window-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Dir);
    TempDir = Dir / "tmp";
    fs::create_directories(TempDir);
    const char* Old = std::getenv("TMPDIR");
    OldTmp = Old != nullptr ? Old : "";
    HadTmp = Old != nullptr;
    ::setenv("TMPDIR", TempDir.c_str(), 1);

    W = std::make_unique<Tfrmmain>();
    W->ProgramFolder = ORRERY_APP_DIR;
    W->Opener = [this](const QUrl& u) { Opened.push_back(u); };
    W->Today = [] { return QDate(2026, 3, 7); };
    W->show();
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    W.reset();
    if (HadTmp) ::setenv("TMPDIR", OldTmp.c_str(), 1);
    else ::unsetenv("TMPDIR");
    std::error_code ec;
    fs::remove_all(Dir, ec);
  }

  int Page() const { return W->PageControl->currentIndex(); }
  void Click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  void Type(QLineEdit* e, const std::string& Text) {
    e->clear();
    QTest::keyClicks(e, QString::fromStdString(Text));
  }
  void ExpectButtons(bool Next, bool Back) {
    EXPECT_EQ(W->btnNext->isEnabled(), Next) << "page " << Page();
    EXPECT_EQ(W->btnback->isEnabled(), Back) << "page " << Page();
    EXPECT_EQ(W->btnCancel->text(), "&Close");
  }
  std::vector<fs::path> TempFiles() const {
    std::vector<fs::path> r;
    for (const auto& e : fs::directory_iterator(TempDir)) r.push_back(e.path());
    return r;
  }

  // Leaves page 0 with the given script and dialect.
  void OpenScript(const fs::path& Script, int Vendor = 1) {
    W->cbdbvendor->setCurrentIndex(Vendor);
    Type(W->edsqlfile, Script.string());
    Click(W->btnNext);
  }
  // From page 1 on: output file and format, then the options page.
  void Draw(const fs::path& Out, int Format, int Level = 2) {
    W->cboutputformat->setCurrentIndex(Format);
    Type(W->ederfile, Out.string());
    Click(W->btnNext);
    ASSERT_EQ(Page(), 2);
    W->cbtablelevel->setCurrentIndex(Level);
    Click(W->btnNext);
  }

  // Closes the next message box from the event loop and records it.
  void ExpectMessageBox() {
    BoxTitle.clear();
    BoxText.clear();
    AnswerDialog<QMessageBox>([this](QMessageBox* Box) {
      BoxTitle = Box->windowTitle();
      BoxText = Box->text();
      Box->done(QMessageBox::Ok);
    });
  }

  // Answers the next modal dialog of type D from the event loop.
  template <class D>
  void AnswerDialog(std::function<void(D*)> Answer) {
    auto* Timer = new QTimer(W.get());
    Timer->setInterval(10);
    auto Since = std::make_shared<QElapsedTimer>();
    Since->start();
    QObject::connect(Timer, &QTimer::timeout, [Timer, Answer, Since] {
      if (D* d = VisibleDialog<D>()) {
        Timer->stop();
        Answer(d);
      } else if (Since->elapsed() > 10000) {
        Timer->stop();
        CloseAllDialogs();
      }
    });
    Timer->start();
  }

  fs::path Dir;
  fs::path TempDir;
  std::string OldTmp;
  bool HadTmp = false;
  std::unique_ptr<Tfrmmain> W;
  std::vector<QUrl> Opened;
  QString BoxTitle;
  QString BoxText;
};
