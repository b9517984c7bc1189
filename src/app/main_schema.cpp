// The wizard's side of the statement model: collecting the tables of a
// script, marking their keys, and reading them for the diagram.
#include "app/main_schema.h"

#include "app/main.h"

#include "app/common.h"
#include "formatter/rkbasetype.h"
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
#include <unordered_set>

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

// The key under which a foreign key finds the tables it references: the
// token of the referenced name's last part, so that blanks and comments
// inside a dotted name (s./*x*/p) are no part of it.  Empty for any other
// constraint.
std::string ReferencedKey(TRkConstraint* c) {
  if (c == nullptr || c->ConstraintType != 5 || c->RefClause == nullptr) return {};
  TRk_Node* Name = c->RefClause->RefTable;
  if (Name == nullptr) return {};
  TSourceToken* Last = nullptr;
  if (auto* a = dynamic_cast<TRk_Attr*>(Name))
    Last = a->PartCount() > 0 ? a->Part(a->PartCount() - 1) : a->NameToken;
  return NameKey(Last != nullptr ? std::string(Last->GetText()) : NodeNameText(Name));
}

// A foreign key of one collected table naming another (or itself); both are
// indexes into the table list.
struct TReference {
  int Referencing = 0;
  int Referenced = 0;
};

// Every foreign key of every table, once for each collected table of the
// name it references, in the order of the referencing tables and their
// constraints.
std::vector<TReference> TableReferences(TRkTableList& Tables) {
  std::unordered_map<std::string, std::vector<int>> ByName;
  for (int t = 0; t < Tables.Count(); ++t)
    if (TRkTable* T = Tables.GetTable(t)) ByName[NameKey(T->GetTableNameText())].push_back(t);
  std::vector<TReference> Result;
  for (int t = 0; t < Tables.Count(); ++t) {
    TRkTable* T = Tables.GetTable(t);
    for (int i = 0; T != nullptr && T->Constraints && i < T->Constraints->Count(); ++i) {
      const std::string Key = ReferencedKey(T->Constraints->GetConstraint(i));
      if (Key.empty()) continue;
      auto Referenced = ByName.find(Key);
      if (Referenced == ByName.end()) continue;
      for (int u : Referenced->second) Result.push_back({t, u});
    }
  }
  return Result;
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
  for (int t = 0; t < Tables.Count(); ++t) {
    TRkTable* T = Tables.GetTable(t);
    if (T == nullptr) continue;
    for (int i = 0; T->Constraints && i < T->Constraints->Count(); ++i) {
      TRkConstraint* c = T->Constraints->GetConstraint(i);
      if (c == nullptr) continue;
      if (c->ConstraintType == 4) MarkColumns(*T, c->ColumnList, FlagPrimaryKey);
      else if (c->ConstraintType == 5) MarkColumns(*T, c->ColumnList, FlagForeignKey);
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
  // Every table of the referenced name gets the entry, duplicates included.
  // The names a table already holds are kept in a set of its own, so that a
  // table referenced by thousands of others is not searched per reference.
  std::unordered_map<TRkTable*, std::unordered_set<std::string>> Holds;
  for (const TReference& r : TableReferences(Tables)) {
    TRkTable* U = Tables.GetTable(r.Referenced);
    auto [Names, First] = Holds.try_emplace(U);
    if (First)
      for (const std::string& n : *U->ReferencedBy) Names->second.insert(LowerCase(n));
    const std::string Referencing = Tables.GetTable(r.Referencing)->GetTableNameText();
    if (Names->second.insert(LowerCase(Referencing)).second) U->ReferencedBy->push_back(Referencing);
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
  return d;
}

std::vector<TDotTable> DiagramTables(TRkTableList& Tables) {
  std::vector<TDotTable> Result;
  Result.reserve(static_cast<size_t>(Tables.Count()));
  std::vector<int> Row(static_cast<size_t>(Tables.Count()), -1);  // list index -> Result
  for (int i = 0; i < Tables.Count(); ++i) {
    if (TRkTable* t = Tables.GetTable(i)) {
      Row[i] = static_cast<int>(Result.size());
      Result.push_back(DiagramTable(*t));
    }
  }
  // A foreign key is drawn from each table of the name it references to the
  // table that holds it, by their own node IDs: one line per pair of tables.
  const std::vector<std::string> Ids = DotNodeIds(Result);
  std::vector<int> LastFrom(Result.size(), -1);
  for (const TReference& r : TableReferences(Tables)) {
    const int From = Row[r.Referencing];
    const int To = Row[r.Referenced];
    if (LastFrom[To] == From) continue;  // references arrive by referencing table
    LastFrom[To] = From;
    Result[To].ReferencedBy.push_back(Ids[From]);
  }
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
  // Its node ID depends on the tables of its name before it.
  std::vector<std::string> Names;
  int Position = -1;
  for (int i = 0; i < TableList->Count(); ++i) {
    if (TRkTable* t = TableList->GetTable(i)) {
      if (t == &Table) Position = static_cast<int>(Names.size());
      Names.push_back(t->GetTableNameText());
    }
  }
  const TDotTable d = DiagramTable(Table);
  return DotTableNode(d, DotOptions(), Position < 0 ? d.Name : DotNodeIds(Names)[Position]);
}

std::string Tfrmmain::RelationsToDot(TRkTableList& Tables) {
  return DotRelations(DiagramTables(Tables));
}
