// The wizard's window: four pages that take the script, the output, the
// drawing options, and show the outcome.
#pragma once

#include "app/main_dot.h"

#include <QDate>
#include <QFont>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QFontDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

class TMarlSqlParser;
class TRkTable;
class TRkTableList;

// The model's classes stay incomplete here; their owners free them where
// they are complete.
struct TTableListDeleter {
  void operator()(TRkTableList* List) const;
};
struct TParserDeleter {
  void operator()(TMarlSqlParser* Parser) const;
};

class Tfrmmain : public QWidget {
  Q_OBJECT

 public:
  explicit Tfrmmain(QWidget* Parent = nullptr);
  ~Tfrmmain() override;

  // Page 0 source.
  QLabel* lbability = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* cbdbvendor = nullptr;
  QLabel* lbsqlfile = nullptr;
  QLineEdit* edsqlfile = nullptr;
  QPushButton* btnopen = nullptr;
  QLabel* lbschemahint = nullptr;
  // Page 1 output.
  QLabel* lbschema = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* edoutputtitle = nullptr;
  QLabel* Label5 = nullptr;
  QComboBox* cboutputformat = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* ederfile = nullptr;
  QPushButton* btnoutputfile = nullptr;
  // Page 2 options.
  QLabel* Label7 = nullptr;
  QComboBox* cbtablelevel = nullptr;
  QCheckBox* cbMarkfk = nullptr;
  QCheckBox* cbmarknotnull = nullptr;
  QCheckBox* cbshowindex = nullptr;
  QGroupBox* gbfont = nullptr;
  QLabel* lbfont = nullptr;
  QPushButton* btnchangefont = nullptr;
  QLabel* lbprocess = nullptr;
  // Page 3 result.
  QPushButton* btnopenoutput = nullptr;
  QLabel* lbendinfo = nullptr;
  // On the window itself.
  QStackedWidget* PageControl = nullptr;
  std::array<QWidget*, 4> TabSheets{};
  QLabel* lbinfo = nullptr;
  QPushButton* btnback = nullptr;
  QPushButton* btnNext = nullptr;
  QPushButton* btnCancel = nullptr;
  QFileDialog* OpenDialog1 = nullptr;
  QFileDialog* SaveDialog1 = nullptr;
  QFontDialog* FontDialog1 = nullptr;

  // Page logic.
  int NextPage(int Direction);
  void RefreshButtons();
  void FormActivate();

  // Schema collection and drawing.
  int LoadSqlFile();
  void MarkKeys(TRkTableList& Tables);
  void CreateDiagram();
  std::string TableToDot(TRkTable& Table);
  std::string RelationsToDot(TRkTableList& Tables);

  TRkTableList& Tables() { return *TableList; }
  const std::string& GetTempFileName() const { return TempFileName; }
  // The DOT text of the last drawing.
  const std::string& GetDotText() const { return DotText; }
  const std::string& GetOutputExt() const { return OutputExt; }

  // The folder of the executable, ending in "/": the samples, the
  // renderer, and the fallback for the temporary file live there.
  QString ProgramFolder;
  // Shows a produced diagram; tests replace it so no viewer starts.
  std::function<void(const QUrl&)> Opener;
  // Today's date for the diagram's title; tests fix it.
  std::function<QDate()> Today;

 public slots:
  void edsqlfileChange();
  void btnopenClick();
  void btnoutputfileClick();
  void cboutputformatChange();
  void btnchangefontClick();
  void btnopenoutputClick();
  void btnbackClick();
  void btnCancelClick();

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  void FormCreate();
  void BuildPages();
  // Runs a handler; an exception becomes a message box titled "Orrery".
  void Guarded(const std::function<void()>& Handler);
  void SetOptionsFromPage();
  TDotOptions DotOptions() const;

  std::unique_ptr<TRkTableList, TTableListDeleter> TableList;
  std::array<std::unique_ptr<TMarlSqlParser, TParserDeleter>, 5> Parsers;
  bool ShowKeyRows = true;
  bool ShowOtherColumns = true;
  bool ShowTypes = true;
  bool ShowIndexes = true;
  bool MarkForeignKeys = true;
  bool MarkNotNull = true;
  std::string TempFileName;
  std::string OutputExt;
  std::string DotText;
  // The font dialog's font as asked for: the dialog itself reports the
  // face that the system substitutes, the diagram names the one asked for.
  QFont DialogFont;
  bool Activated = false;
};

extern Tfrmmain* frmmain;
