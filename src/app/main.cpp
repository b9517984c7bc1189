#include "app/main.h"

#include "app/common.h"
#include "app/erdll.h"
#include "app/main_schema.h"
#include "formatter/rkbasetype.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTime>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <system_error>

Tfrmmain* frmmain = nullptr;

namespace {

const char* const kAbility =
    "This version can only get schema info from SQL file, will support fetch "
    "info from Database directly in later version";
const char* const kSqlFileCaption =
    "SQL File (Includes DDL to create/alter table,index)";
const char* const kCaption = "Orrery 1.0.0";
const int kMaxCommand = 4096;  // the command's final NUL counted

QLabel* MakeLabel(QWidget* Parent, const char* Name, int x, int y,
                  const QString& Text = {}) {
  auto* l = new QLabel(Text, Parent);
  l->setObjectName(Name);
  l->move(x, y);
  l->adjustSize();
  return l;
}

QPushButton* MakeButton(QWidget* Parent, const char* Name, int x, int y,
                        const QString& Text, int Width = 75) {
  auto* b = new QPushButton(Text, Parent);
  b->setObjectName(Name);
  b->setGeometry(x, y, Width, 25);
  return b;
}

QLineEdit* MakeEdit(QWidget* Parent, const char* Name, int x, int y, int Width) {
  auto* e = new QLineEdit(Parent);
  e->setObjectName(Name);
  e->setGeometry(x, y, Width, 21);
  return e;
}

QComboBox* MakeCombo(QWidget* Parent, const char* Name, int x, int y, int Width) {
  auto* c = new QComboBox(Parent);
  c->setObjectName(Name);
  c->setEditable(false);
  c->setGeometry(x, y, Width, 21);
  return c;
}

QCheckBox* MakeCheck(QWidget* Parent, const char* Name, int x, int y, int Width,
                     const QString& Text) {
  auto* c = new QCheckBox(Text, Parent);
  c->setObjectName(Name);
  c->setGeometry(x, y, Width, 17);
  c->setChecked(true);
  return c;
}

// The page positions were laid out for a narrower font than the one that
// stands in for it here: when a caption, as wide as its text, runs under
// the controls of its row, those move right until it shows whole.
void KeepRowClearOf(QLabel* Caption, std::initializer_list<QWidget*> Row) {
  const int Gap = 4;
  const int Left = (*Row.begin())->x();
  if (Caption->geometry().right() < Left) return;
  const int Shift = Caption->geometry().right() + 1 + Gap - Left;
  for (QWidget* w : Row) w->move(w->x() + Shift, w->y());
}

void SetTextColour(QWidget* w, Qt::GlobalColor Colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, Colour);
  w->setPalette(p);
}

void SetLabelText(QLabel* l, const QString& Text) {
  l->setText(Text);
  l->adjustSize();
}

QFont PixelFont(const char* Family, int Pixels) {
  QFont f(Family);
  f.setPixelSize(Pixels);
  return f;
}

// The face as the diagram names it: a font dialog may add " [foundry]".
std::string FaceName(const QFont& f) {
  QString Family = f.family();
  int Bracket = Family.indexOf(" [");
  if (Bracket > 0) Family.truncate(Bracket);
  return Family.toStdString();
}

int WholePoints(const QFont& f) {
  if (f.pointSize() > 0) return f.pointSize();
  if (f.pixelSize() > 0) return qRound(f.pixelSize() * 72.0 / 96.0);
  return qRound(f.pointSizeF());
}

std::string LocalPath(const QString& s) { return QFile::encodeName(s).toStdString(); }

// The temporary DOT file: created exclusively under a name nobody can
// predict, readable by the user alone, removed when the drawing ends on
// any path.
class TTempDotFile {
 public:
  explicit TTempDotFile(const std::vector<std::string>& Folders) {
    for (const std::string& Folder : Folders) {
      std::string Template = Folder;
      if (Template.empty() || Template.back() != '/') Template += '/';
      Template += "orrery-XXXXXX.$$$";
      std::vector<char> Buf(Template.begin(), Template.end());
      Buf.push_back('\0');
      int fd = mkstemps(Buf.data(), 4);
      if (fd >= 0) {
        Fd = fd;
        Path = Buf.data();
        return;
      }
    }
    throw std::system_error(errno, std::generic_category(),
                            "Cannot create the temporary diagram file");
  }
  ~TTempDotFile() {
    if (Fd >= 0) ::close(Fd);
    if (!Path.empty()) ::unlink(Path.c_str());
  }
  TTempDotFile(const TTempDotFile&) = delete;
  TTempDotFile& operator=(const TTempDotFile&) = delete;

  void Write(const std::string& Text) {
    size_t Done = 0;
    while (Done < Text.size()) {
      ssize_t n = ::write(Fd, Text.data() + Done, Text.size() - Done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0)
        throw std::system_error(errno, std::generic_category(),
                                "Cannot write " + Path);
      Done += static_cast<size_t>(n);
    }
    int fd = Fd;
    Fd = -1;
    if (::close(fd) != 0)
      throw std::system_error(errno, std::generic_category(),
                              "Cannot write " + Path);
  }

  std::string Path;

 private:
  int Fd = -1;
};

// The hourglass for the length of a drawing, reset however it ends.
class TWaitCursor {
 public:
  TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};

}  // namespace

Tfrmmain::Tfrmmain(QWidget* Parent) : QWidget(Parent) {
  setObjectName("frmmain");
  ProgramFolder = QCoreApplication::applicationDirPath() + "/";
  Opener = [](const QUrl& Url) { QDesktopServices::openUrl(Url); };
  Today = [] { return QDate::currentDate(); };
  BuildPages();
  FormCreate();
}

void Tfrmmain::BuildPages() {
  setFont(PixelFont("MS Sans Serif", 11));
  setWindowTitle(kCaption);
  setFixedSize(688, 446);
  // The window takes the button face colour, as the dialog wizards of the
  // platform do.  The colour goes into the Window role: a Button background
  // role would make every child label paint its text in ButtonText and
  // hide the status colours set on WindowText.
  QPalette Face = palette();
  Face.setColor(QPalette::Window, Face.color(QPalette::Button));
  setPalette(Face);
  setAutoFillBackground(true);

  PageControl = new QStackedWidget(this);
  PageControl->setObjectName("PageControl");
  PageControl->setGeometry(0, 0, 688, 329);
  for (int i = 0; i < 4; ++i) {
    TabSheets[i] = new QWidget(PageControl);
    TabSheets[i]->setObjectName(QString("TabSheet%1").arg(i + 1));
    PageControl->addWidget(TabSheets[i]);
  }
  auto Page = [this](int i) { return TabSheets[i]; };

  QWidget* p0 = Page(0);
  lbability = MakeLabel(p0, "lbability", 32, 32, kAbility);
  Label1 = MakeLabel(p0, "Label1", 32, 56, "Database");
  cbdbvendor = MakeCombo(p0, "cbdbvendor", 32, 80, 145);
  lbsqlfile = MakeLabel(p0, "lbsqlfile", 32, 112, kSqlFileCaption);
  SetTextColour(lbsqlfile, Qt::darkGreen);
  edsqlfile = MakeEdit(p0, "edsqlfile", 32, 136, 385);
  btnopen = MakeButton(p0, "btnopen", 440, 136, "&Open");
  lbschemahint = MakeLabel(p0, "lbschemahint", 32, 176);
  SetTextColour(lbschemahint, Qt::red);
  lbschemahint->hide();

  QWidget* p1 = Page(1);
  lbschema = MakeLabel(p1, "lbschema", 8, 40);
  Label6 = MakeLabel(p1, "Label6", 8, 88, "Title in output file:");
  edoutputtitle = MakeEdit(p1, "edoutputtitle", 104, 88, 481);
  Label5 = MakeLabel(p1, "Label5", 8, 128, "Output file format");
  cboutputformat = MakeCombo(p1, "cboutputformat", 104, 128, 145);
  Label2 = MakeLabel(p1, "Label2", 40, 176, "Output file:");
  ederfile = MakeEdit(p1, "ederfile", 104, 168, 441);
  btnoutputfile = MakeButton(p1, "btnoutputfile", 560, 168, "&Save");
  KeepRowClearOf(Label6, {edoutputtitle});
  KeepRowClearOf(Label5, {cboutputformat});
  KeepRowClearOf(Label2, {ederfile, btnoutputfile});

  QWidget* p2 = Page(2);
  Label7 = MakeLabel(p2, "Label7", 32, 72, "Diagram level:");
  cbtablelevel = MakeCombo(p2, "cbtablelevel", 120, 72, 145);
  KeepRowClearOf(Label7, {cbtablelevel});
  cbMarkfk = MakeCheck(p2, "cbMarkfk", 32, 128, 137, "Mark Foreign Key");
  cbmarknotnull = MakeCheck(p2, "cbmarknotnull", 32, 152, 97, "Mark Not Null");
  cbshowindex = MakeCheck(p2, "cbshowindex", 32, 176, 97, "Show Index");
  gbfont = new QGroupBox("Font of Diagram", p2);
  gbfont->setObjectName("gbfont");
  gbfont->setGeometry(32, 216, 241, 57);
  lbfont = MakeLabel(gbfont, "lbfont", 48, 24, "Example");
  btnchangefont = MakeButton(gbfont, "btnchangefont", 136, 16, "Change");
  lbprocess = MakeLabel(p2, "lbprocess", 400, 280);
  SetTextColour(lbprocess, Qt::darkGreen);
  lbprocess->hide();

  QWidget* p3 = Page(3);
  btnopenoutput = MakeButton(p3, "btnopenoutput", 48, 48, "&Open Diagram", 89);
  lbendinfo = MakeLabel(p3, "lbendinfo", 48, 88, "end");
  SetTextColour(lbendinfo, Qt::blue);

  lbinfo = MakeLabel(this, "lbinfo", 16, 336);
  lbinfo->setFont(PixelFont("MS Sans Serif", 13));
  SetTextColour(lbinfo, Qt::red);
  btnback = MakeButton(this, "btnback", 368, 400, "< &Back");
  btnNext = MakeButton(this, "btnNext", 456, 400, "&Next >");
  btnCancel = MakeButton(this, "btnCancel", 552, 400, "&Close");

  OpenDialog1 = new QFileDialog(this);
  OpenDialog1->setObjectName("OpenDialog1");
  SaveDialog1 = new QFileDialog(this);
  SaveDialog1->setObjectName("SaveDialog1");
  FontDialog1 = new QFontDialog(this);
  FontDialog1->setObjectName("FontDialog1");
  DialogFont = QFont("Verdana");
  DialogFont.setPointSize(8);
  FontDialog1->setCurrentFont(DialogFont);

  connect(edsqlfile, &QLineEdit::textChanged, this, &Tfrmmain::edsqlfileChange);
  connect(btnopen, &QPushButton::clicked, this, &Tfrmmain::btnopenClick);
  connect(btnoutputfile, &QPushButton::clicked, this, &Tfrmmain::btnoutputfileClick);
  connect(cboutputformat, &QComboBox::currentIndexChanged, this,
          &Tfrmmain::cboutputformatChange);
  connect(btnchangefont, &QPushButton::clicked, this, &Tfrmmain::btnchangefontClick);
  connect(btnopenoutput, &QPushButton::clicked, this, &Tfrmmain::btnopenoutputClick);
  connect(btnback, &QPushButton::clicked, this, &Tfrmmain::btnbackClick);
  connect(btnNext, &QPushButton::clicked, this, &Tfrmmain::btnbackClick);
  connect(btnCancel, &QPushButton::clicked, this, &Tfrmmain::btnCancelClick);

  // Centred on the desktop.
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    QRect Area = s->availableGeometry();
    move(Area.center() - rect().center());
  }
}

void Tfrmmain::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  if (!Activated) {
    Activated = true;
    Guarded([this] { FormActivate(); });
  }
}

void Tfrmmain::FormActivate() {
  QSignalBlocker b1(cbdbvendor);
  QSignalBlocker b2(cboutputformat);
  cbdbvendor->clear();
  for (int i = 0; i <= 4; ++i) cbdbvendor->addItem(DbVendorNames[i]);
  cbdbvendor->setCurrentIndex(0);

  cboutputformat->clear();
  for (const char* n : OutputFormatNames) cboutputformat->addItem(n);
  cboutputformat->setCurrentIndex(2);
  cboutputformatChange();

  cbtablelevel->clear();
  for (const char* n : DiagramLevelNames) cbtablelevel->addItem(n);
  cbtablelevel->setCurrentIndex(2);

  setWindowTitle(kCaption);
  SetLabelText(lbability, kAbility);
  SetLabelText(lbsqlfile, kSqlFileCaption);
  SetLabelText(lbschema, "");
  SetLabelText(lbschemahint, "");
  lbschemahint->hide();
  edoutputtitle->clear();
  ederfile->clear();

  lbfont->setFont(DialogFont);

  PageControl->setCurrentIndex(0);
  edsqlfile->setFocus();
  edsqlfileChange();
  RefreshButtons();
}

void Tfrmmain::Guarded(const std::function<void()>& Handler) {
  try {
    Handler();
  } catch (const std::exception& e) {
    QMessageBox::critical(this, "Orrery", QString::fromLocal8Bit(e.what()));
  } catch (...) {
    QMessageBox::critical(this, "Orrery", "Unknown error");
  }
}

int Tfrmmain::NextPage(int Direction) {
  const int p = PageControl->currentIndex();
  switch (Direction) {
    case 0:  // Back
      switch (p) {
        case 0: return -2;
        case 1: return 0;
        case 2: return 1;
        case 3: lbprocess->hide(); return 2;
      }
      return -2;
    case 1:  // Next
      switch (p) {
        case 0:
          if (LoadSqlFile() != 0) return -2;
          if (ederfile->text().isEmpty())
            ederfile->setText(QString::fromStdString(
                StripFileExt(edsqlfile->text().toStdString()) + OutputExt));
          return 1;
        case 1:
          lbprocess->hide();
          return 2;
        case 2: {
          SetLabelText(lbprocess, "Creating diagram,please wait...");
          lbprocess->show();
          try {
            TWaitCursor Wait;
            QCoreApplication::processEvents();
            CreateDiagram();
          } catch (...) {
            lbprocess->hide();
            throw;
          }
          return 3;
        }
        case 3: return -1;
      }
      return -2;
    case 2:  // query
      switch (p) {
        case 0: return 0;
        case 1:
        case 2: return -2;
        case 3: return -1;
      }
      return -2;
  }
  return -2;
}

void Tfrmmain::RefreshButtons() {
  const int q = NextPage(2);
  if (q == -1) {
    btnNext->setEnabled(false);
    btnback->setEnabled(true);
    btnCancel->setText("&Close");
  } else if (q == 0) {
    btnNext->setEnabled(!edsqlfile->text().isEmpty());
    btnback->setEnabled(false);
    btnCancel->setText("&Close");
    btnNext->setText("&Next >");
  } else {
    btnNext->setEnabled(true);
    btnback->setEnabled(true);
    btnCancel->setText("&Close");
    btnNext->setText("&Next >");
  }
}

void Tfrmmain::edsqlfileChange() {
  btnNext->setEnabled(!edsqlfile->text().isEmpty());
}

void Tfrmmain::btnopenClick() {
  Guarded([this] {
    OpenDialog1->setWindowTitle("Select a SQL file");
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog, true);
    OpenDialog1->setNameFilters({"sql file(*.sql)", "all file(*)"});
    OpenDialog1->setDirectory(ProgramFolder + "samples");
    if (OpenDialog1->exec() != QDialog::Accepted) return;
    const QStringList Files = OpenDialog1->selectedFiles();
    if (Files.isEmpty()) return;
    edsqlfile->setText(Files.first());
    ederfile->setText(QString::fromStdString(
        StripFileExt(edsqlfile->text().toStdString()) + OutputExt));
  });
}

void Tfrmmain::btnoutputfileClick() {
  Guarded([this] {
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog, true);
    SaveDialog1->setNameFilters({"All files(*)"});
    SaveDialog1->setDefaultSuffix(QString::fromStdString(OutputExt));
    SaveDialog1->setDirectory(ProgramFolder);
    if (SaveDialog1->exec() != QDialog::Accepted) return;
    const QStringList Files = SaveDialog1->selectedFiles();
    if (!Files.isEmpty()) ederfile->setText(Files.first());
  });
}

void Tfrmmain::cboutputformatChange() {
  const int i = cboutputformat->currentIndex();
  if (i < 0 || i > 3) return;
  OutputExt = OutputFormatExts[i];
  SaveDialog1->setDefaultSuffix(QString::fromStdString(OutputExt));
  if (!ederfile->text().isEmpty())
    ederfile->setText(QString::fromStdString(
        StripFileExt(ederfile->text().toStdString()) + OutputExt));
}

void Tfrmmain::btnchangefontClick() {
  Guarded([this] {
    FontDialog1->setCurrentFont(lbfont->font());
    // The dialog shows the face the system substitutes for the one asked
    // for; that face is no choice of the user's.
    const QString Shown = FontDialog1->currentFont().family();
    if (FontDialog1->exec() == QDialog::Accepted) {
      QFont Chosen = FontDialog1->selectedFont();
      if (Chosen.family() == Shown) Chosen.setFamily(lbfont->font().family());
      DialogFont = Chosen;
      lbfont->setFont(DialogFont);
    }
  });
}

void Tfrmmain::btnopenoutputClick() {
  Guarded([this] {
    const QString File = ederfile->text().trimmed();
    if (Opener) Opener(QUrl::fromLocalFile(QFileInfo(File).absoluteFilePath()));
  });
}

void Tfrmmain::btnbackClick() {
  const int Direction = sender() == btnback ? 0 : 1;
  Guarded([this, Direction] {
    const int r = NextPage(Direction);
    if (r >= 0) PageControl->setCurrentIndex(r);
    RefreshButtons();
  });
}

void Tfrmmain::btnCancelClick() { close(); }

void Tfrmmain::SetOptionsFromPage() {
  const int Level = cbtablelevel->currentIndex();
  ShowKeyRows = Level == 1 || Level == 2;
  ShowOtherColumns = Level == 2;
  ShowTypes = Level == 2;
  MarkForeignKeys = cbMarkfk->isChecked();
  MarkNotNull = cbmarknotnull->isChecked();
  ShowIndexes = cbshowindex->isChecked();
}

TDotOptions Tfrmmain::DotOptions() const {
  TDotOptions o;
  o.ShowKeyRows = ShowKeyRows;
  o.ShowOtherColumns = ShowOtherColumns;
  o.ShowTypes = ShowTypes;
  o.ShowIndexes = ShowIndexes;
  o.MarkForeignKeys = MarkForeignKeys;
  o.MarkNotNull = MarkNotNull;
  o.FontSize = WholePoints(lbfont->font());
  o.FontName = FaceName(lbfont->font());
  o.HeaderFontName = FaceName(lbinfo->font());
  return o;
}

void Tfrmmain::CreateDiagram() {
  // The user's temporary folder, else the program's own.
  TTempDotFile Dot({GetTempDir(), LocalPath(ProgramFolder)});
  TempFileName = Dot.Path;

  SetOptionsFromPage();
  MarkKeys(*TableList);

  const QDate d = Today();
  DotText = DotDocument(DiagramTables(*TableList), DotOptions(),
                        edoutputtitle->text().toStdString(),
                        TDotDate{d.year(), d.month(), d.day()});
  Dot.Write(DotText);

  const std::string Command = "neato,-T" + OutputExt + "," + TempFileName +
                              ",-o," + LocalPath(ederfile->text().trimmed());
  if (Command.size() + 1 > static_cast<size_t>(kMaxCommand)) {
    SetLabelText(lbendinfo,
                 "Output file name is too long, make it less than 4000 characters");
    return;
  }

  TErEngineLibrary Library(LocalPath(ProgramFolder) + ErEngineFileName);
  if (Library.ErOut(Command) == 0)
    SetLabelText(lbendinfo, "File created successfuly: " + ederfile->text());
  else
    SetLabelText(lbendinfo, "There are errors while creating diagram");
}
