// The wizard's side of the statement model: collecting the tables of a
// script, marking their keys, and reading them for the diagram.
#include "app/main_schema.h"

#include "app/main.h"

#include "app/common.h"
#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <sys/stat.h>

#include <unordered_map>

namespace {

// The vendor codes in the order the parsers are made.
const std::uint8_t kCreateOrder[5] = {4, 1, 0, 2, 3};

bool IsRegularFile(const std::string& Path) {
  struct stat st{};
  return ::stat(Path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// A constraint's column: a name node or a bare token.
std::string ItemNameText(TRkVisitedAbs* Item) {
  if (Item == nullptr) return {};
  if (TRk_Node* n = Item->AsNode()) return NodeNameText(n);
  if (TSourceToken* t = Item->AsToken()) return TrimBlanks(std::string(t->GetText()));
  return {};
}

void MarkColumns(TRkTable& Table, TRk_List* Names, std::uint16_t Flag) {
  if (Names == nullptr || !Table.Columns) return;
  for (int i = 0; i < Names->Count(); ++i) {
    const std::string Key = NameKey(ItemNameText(Names->GetItem(i)));
    for (int k = 0; k < Table.Columns->Count(); ++k) {
      TRkField* f = Table.Columns->GetField(k);
      if (f != nullptr && NameKey(f->GetFieldNameText()) == Key) {
        f->Flags |= Flag;
        break;
      }
    }
  }
}

}  // namespace

void CollectTables(TRkStatementList& Statements, TRkTableList& Tables) {
  // CREATE INDEX and ALTER TABLE attach to the first table of their name.
  std::unordered_map<std::string, TRkTable*> FirstByName;
  auto Collected = [&FirstByName](TRkTable* t) -> TRkTable* {
    if (t == nullptr) return nullptr;
    auto it = FirstByName.find(NameKey(t->GetTableNameText()));
    return it == FirstByName.end() ? nullptr : it->second;
  };

  for (int i = 0; i < Statements.Count(); ++i) {
    TCustomSqlStatement* s = Statements.GetStatement(i);
    if (s == nullptr) continue;
    switch (s->StatementType) {
      case sstCreateTable: {
        auto* c = dynamic_cast<TCreateTableSqlStatement*>(s);
        // A table variable (DECLARE @t TABLE) is parsed as a table definition
        // but is no table of the schema.
        if (c != nullptr && !c->IsDeclare && c->GetRootNode() != nullptr && c->TargetTable != nullptr) {
          Tables.Add(c->TargetTable);
          FirstByName.emplace(NameKey(c->TargetTable->GetTableNameText()), c->TargetTable);
        }
        break;
      }
      case sstCreateIndex: {
        auto* c = dynamic_cast<TCreateIndexSqlStatement*>(s);
        if (c == nullptr) break;
        TRkTable* t = Collected(c->IndexTable.get());
        if (t == nullptr) break;
        std::string Columns;
        for (int k = 0; c->Fields && k < c->Fields->Count(); ++k) {
          if (k > 0) Columns += ",";
          if (TRkField* f = c->Fields->GetField(k)) Columns += f->GetFieldNameText();
        }
        t->Indexes->push_back(NodeNameText(c->IndexNameNode) + "(" + Columns + ")");
        break;
      }
      case sstAlterTable: {
        auto* a = dynamic_cast<TAlterTableStatement*>(s);
        if (a == nullptr) break;
        TRkTable* t = Collected(a->TargetTable);
        if (t == nullptr) break;
        for (int k = 0; k < a->Constraints->Count(); ++k)
          if (TRk_Node* c = a->Constraints->GetItem(k)) t->Constraints->Add(c);
        break;
      }
      default:
        break;
    }
  }
}

void MarkTableKeys(TRkTableList& Tables) {
  // Every table of a name gets the referenced-by entry, duplicates included.
  std::unordered_map<std::string, std::vector<TRkTable*>> ByName;
  for (int t = 0; t < Tables.Count(); ++t)
    if (TRkTable* T = Tables.GetTable(t)) ByName[NameKey(T->GetTableNameText())].push_back(T);

  for (int t = 0; t < Tables.Count(); ++t) {
    TRkTable* T = Tables.GetTable(t);
    if (T == nullptr) continue;
    for (int i = 0; T->Constraints && i < T->Constraints->Count(); ++i) {
      TRkConstraint* c = T->Constraints->GetConstraint(i);
      if (c == nullptr) continue;
      if (c->ConstraintType == 4) {
        MarkColumns(*T, c->ColumnList, FlagPrimaryKey);
      } else if (c->ConstraintType == 5) {
        MarkColumns(*T, c->ColumnList, FlagForeignKey);
        if (c->RefClause == nullptr || c->RefClause->RefTable == nullptr) continue;
        auto Referenced = ByName.find(NameKey(NodeNameText(c->RefClause->RefTable)));
        if (Referenced == ByName.end()) continue;
        const std::string Referencing = T->GetTableNameText();
        for (TRkTable* U : Referenced->second)
          if (!U->IsReferencedBy(Referencing)) U->ReferencedBy->push_back(Referencing);
      }
    }
    for (int k = 0; T->Columns && k < T->Columns->Count(); ++k) {
      TRkField* f = T->Columns->GetField(k);
      if (f == nullptr || !f->Constraints) continue;
      for (int i = 0; i < f->Constraints->Count(); ++i) {
        TRkConstraint* c = f->Constraints->GetConstraint(i);
        if (c == nullptr) continue;
        if (c->ConstraintType == 1) f->Flags |= FlagNotNull;
        else if (c->ConstraintType == 4) f->Flags |= FlagPrimaryKey;
        else if (c->ConstraintType == 5) f->Flags |= FlagForeignKey;
      }
    }
  }
}

TDotTable DiagramTable(TRkTable& Table) {
  TDotTable d;
  d.Name = Table.GetTableNameText();
  for (int k = 0; Table.Columns && k < Table.Columns->Count(); ++k) {
    TRkField* f = Table.Columns->GetField(k);
    if (f == nullptr) continue;
    TDotColumn c;
    c.Name = f->GetFieldNameText();
    // The type as written, without the blanks and comments that trail it,
    // as for the names.
    if (f->DataType != nullptr) c.TypeText = NodeNameText(f->DataType);
    c.Flags = f->Flags;
    d.Columns.push_back(std::move(c));
  }
  d.Indexes = *Table.Indexes;
  d.ReferencedBy = *Table.ReferencedBy;
  return d;
}

std::vector<TDotTable> DiagramTables(TRkTableList& Tables) {
  std::vector<TDotTable> Result;
  Result.reserve(static_cast<size_t>(Tables.Count()));
  for (int i = 0; i < Tables.Count(); ++i)
    if (TRkTable* t = Tables.GetTable(i)) Result.push_back(DiagramTable(*t));
  return Result;
}

void TTableListDeleter::operator()(TRkTableList* List) const {
  if (List == nullptr) return;
  List->Clear();  // it only refers to tables; the parsers' statements own them
  delete List;
}

void TParserDeleter::operator()(TMarlSqlParser* Parser) const { delete Parser; }

void Tfrmmain::FormCreate() {
  TableList.reset(new TRkTableList(false));
  for (std::uint8_t Vendor : kCreateOrder)
    Parsers[Vendor].reset(new TMarlSqlParser(Vendor));
  ShowKeyRows = ShowOtherColumns = ShowTypes = true;
  ShowIndexes = MarkForeignKeys = MarkNotNull = true;
}

Tfrmmain::~Tfrmmain() {
  // The list refers into the parsers' statements: it goes first.
  TableList.reset();
  for (auto& p : Parsers) p.reset();
}

int Tfrmmain::LoadSqlFile() {
  const QString Name = edsqlfile->text();
  const std::string Path = QFile::encodeName(Name).toStdString();
  if (!IsRegularFile(Path)) {
    lbschemahint->setText("File does not exists: " + Name);
    lbschemahint->adjustSize();
    lbschemahint->show();
    return -1;
  }

  TableList->Clear();
  const int Index = cbdbvendor->currentIndex();
  TMarlSqlParser& Parser = *Parsers[(Index >= 0 && Index <= 3) ? Index : 4];
  Parser.SetSqlfilename(Path);
  Parser.Parse();  // syntax errors only cost the statements that have them

  CollectTables(Parser.Statements(), *TableList);

  int Result = -1;
  if (TableList->Count() == 0) {
    lbschemahint->setText(
        "No table found in sql file,make sure choose the correct database "
        "option, and there are no syntax error in sql file!");
    lbschemahint->adjustSize();
    lbschemahint->show();
  } else {
    lbschemahint->setText("");
    lbschemahint->hide();
    lbschema->setText("Tables found in sql file: " +
                      QString::number(TableList->Count()));
    lbschema->adjustSize();
    lbschema->show();
    Result = 0;
  }
  RefreshButtons();
  return Result;
}

void Tfrmmain::MarkKeys(TRkTableList& Tables) { MarkTableKeys(Tables); }

std::string Tfrmmain::TableToDot(TRkTable& Table) {
  return DotTableNode(DiagramTable(Table), DotOptions());
}

std::string Tfrmmain::RelationsToDot(TRkTableList& Tables) {
  return DotRelations(DiagramTables(Tables));
}
