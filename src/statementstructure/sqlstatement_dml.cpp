// INSERT, UPDATE, DELETE and MERGE: analysis into target table, field lists,
// joins and clauses; rebuilt texts; source-order walks.
#include "statementstructure/sqlstatement_dml.h"

#include <exception>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "parse/mssql/mssqlsqlstatement.h"

using namespace stmtwalk;

namespace {

const char* const kCrLf = "\r\n";

// Pretty list layout: items' pretty texts separated by their formatted
// separator tokens, laid out by the one-line option and SeparatorStyle.
template <class List, class Get>
std::string PrettyListText(List* list, int count, Get get, std::uint8_t oneLine, std::uint8_t prettyMode) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        TRk_Node* item = get(list, i);
        if (!item) continue;
        item->PrettyMode = prettyMode;
        if (i > 0) {
            PlaceSeparatorInPlace(text, Fmt(item->SeparatorToken), oneLine, FmtOpt.SeparatorStyle);
        }
        text += IndentAfter(text, item->GetPrettyText());
    }
    return text;
}

std::string JoinListText(TrkJoinList* joins) {
    std::string text;
    for (int i = 0; i < joins->Count(); ++i) {
        TRkJoin* j = joins->GetJoin(i);
        if (i > 0) text += Text(j->SeparatorToken);
        text += IndentAfter(text, j->AsText());
    }
    return text;
}

// A field for a select-list item (VALUES lists, MERGE insert lists).
void ResTargetField(TCustomSqlStatement* st, TRk_Node* node, TRkFieldList* into) {
    auto f = CreateNodeOfClass<TRkField>();
    f->SourceNode = node;
    f->SeparatorToken = node->SeparatorToken;
    TRk_Node* value = node;
    if (auto* item = dynamic_cast<TRk_ResTarget*>(node)) {
        value = item->ValueExpr;
        // The field keeps the alias clause itself, so that its printed text
        // holds the alias (and its AS) as the script writes them.
        f->AliasNode = item->AliasClause;
    }
    TRkField* raw = f.get();
    into->Add(f.release());
    st->AddFieldFromNode(value, raw);
}

// A field for a SET item: the assignment expression itself.
void SetItemField(TCustomSqlStatement* st, TRk_Node* item, TRkFieldList* into, bool fireEvent) {
    auto f = CreateNodeOfClass<TRkField>();
    f->FieldKind = 2;
    f->Expression = dynamic_cast<TRkCustomExpression*>(item);
    f->SourceNode = item;
    f->SeparatorToken = item->SeparatorToken;
    st->CollectFieldsInExpr(item);
    TRkField* raw = f.get();
    into->Add(f.release());
    if (fireEvent && st->GetOnFieldEvent()) st->GetOnFieldEvent()(st, st, raw);
}

// The clauses that close an UPDATE or DELETE walk: FROM joins, WHERE,
// RETURNING and the trailing token.
void WalkFromWhereReturning(TCustomSqlStatement* st, TRk_Node* fromClause, TrkJoinList* fromJoins,
                            TRk_Node* whereClause, TRk_Node* returning, TRkVisitorAbs* v) {
    if (fromJoins->Count() > 0) {
        Tok(TokAt(fromClause, 0), v);
        fromJoins->Accept(v);
    }
    if (st->WhereNode) {
        OwnTokensOf(whereClause, v);
        Node(st->WhereNode, v);
    }
    Node(returning, v);
    Tok(st->TrailingToken, v);
}

}  // namespace

std::string FieldListText(TRkFieldList* Fields) {
    std::string text;
    for (int i = 0; i < Fields->Count(); ++i) {
        TRkField* f = Fields->GetField(i);
        if (i > 0) text += Text(f->SeparatorToken);
        text += IndentAfter(text, f->AsText());
    }
    return text;
}

std::unique_ptr<TCustomSqlStatement> NewInsertSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TInsertSqlStatement>(Vendor);
}
std::unique_ptr<TCustomSqlStatement> NewUpdateSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TUpdateSqlStatement>(Vendor);
}
std::unique_ptr<TCustomSqlStatement> NewDeleteSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TDeleteSqlStatement>(Vendor);
}
std::unique_ptr<TCustomSqlStatement> NewMergeSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TMergeSqlStatement>(Vendor);
}

// ---------------------------------------------------------------------------
// INSERT

TInsertSqlStatement::TInsertSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    StatementType = sstInsert;
}

TInsertSqlStatement::~TInsertSqlStatement() = default;

void TInsertSqlStatement::CreatePP() { UsePrinter(this); }

void TInsertSqlStatement::ClearModel() {
    ValuesKind = 0;
    SubSelect.reset();
    ValueFields.reset();
    TargetTable = nullptr;
    ReturningNode = nullptr;
    FSourceStatement = nullptr;
    ClearAnalysis();
    WhereNode = nullptr;
}

void TInsertSqlStatement::Reset() {
    ClearModel();
    TCustomSqlStatement::Reset();
}

// The statement that fills the table instead of a VALUES list: one the
// grammar built, or the one an SQL Server statement element builds
// (INSERT ... EXEC).
static TCustomSqlStatement* SourceStatementOf(TRk_Node* Clause, const TCustomSqlStatement* Owner) {
    if (auto* S = dynamic_cast<TCustomSqlStatement*>(Clause)) return S;
    auto* W = dynamic_cast<_TMssqlStmt*>(Clause);
    if (!W) return nullptr;
    if (!W->SqlStatement) {
        W->InheritTokenEvents(Owner);
        W->Analyze();
    }
    return W->SqlStatement.get();
}

int TInsertSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_InsertStmt*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 57 || !root) return -1;
    try {
        ClearModel();   // a second analysis of the same tree collects nothing twice
        ReturningNode = root->ReturningClause;
        HasInto = root->HasInto;
        TargetTable = AddTableFromNode(root->TargetTable);
        if (GetOnTableEvent()) GetOnTableEvent()(this, this, TargetTable);
        auto* ref = dynamic_cast<TRk_TableRef*>(root->TargetTable);
        if (ref && ref->HasColumnList && ref->ColumnList) {
            AddFieldsFromList(ref->ColumnList);
            // each column keeps the comma written before it
            for (int i = 0; i < Fields->Count(); ++i) {
                TRkField* f = Fields->GetField(i);
                if (!f->SeparatorToken && f->SourceNode) f->SeparatorToken = f->SourceNode->SeparatorToken;
            }
            if (TargetTable) {
                AddOwnToken(TargetTable, TokAt(ref, 0));
                AddOwnToken(TargetTable, TokAt(ref, 1));
            }
        }
        if (root->SubSelect) {
            SubSelect = NewSubSelect(this, root->SubSelect);
            ValuesKind = 2;
        } else if (TCustomSqlStatement* src = SourceStatementOf(root->ExecuteClause, this)) {
            FSourceStatement = src;
            src->BuildSqlText();
            ValuesKind = 4;
        } else if (root->ValuesList) {
            ValuesKind = 1;
            ValueFields = CreateNodeOfClass<TRkFieldList>(true);
            for (int i = 0; i < ItemCount(root->ValuesList); ++i) {
                if (TRk_Node* item = NodeItem(root->ValuesList, i))
                    ResTargetField(this, item, ValueFields.get());
            }
        } else {
            ValuesKind = 3;
        }
        Parsed = true;
        ReturningOverride.clear();
        ColumnListOverride.clear();
        ValuesOverride.clear();
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

std::string TInsertSqlStatement::GetTargetText() {
    if (!TargetOverride.empty()) return TargetOverride;
    return Plain(TargetTable);
}

std::string TInsertSqlStatement::GetColumnListText() {
    if (!ColumnListOverride.empty()) return ColumnListOverride;
    return FieldListText(Fields.get());
}

std::string TInsertSqlStatement::GetValuesText() {
    if (!ValuesOverride.empty()) return ValuesOverride;
    if (ValuesKind == 1 && ValueFields) return FieldListText(ValueFields.get());
    if (ValuesKind == 2 && SubSelect) return SubSelect->AsText();
    return {};
}

std::string TInsertSqlStatement::GetValuesPrettyText() {
    if (!ValueFields) return {};
    return PrettyListText(
        ValueFields.get(), ValueFields->Count(),
        [](TRkFieldList* l, int i) -> TRk_Node* { return l->GetField(i); },
        FmtOpt.InsertColumnListOneLine, PrettyMode);
}

std::string TInsertSqlStatement::GetReturningText() {
    if (!ReturningOverride.empty()) return ReturningOverride;
    return Plain(ReturningNode);
}

void TInsertSqlStatement::BuildSqlText() {
    std::string t = HasInto ? "Insert into " : "Insert  ";
    t += GetTargetText();
    std::string c = GetColumnListText();
    if (!IsBlankText(c)) t += "(" + c + ")";
    switch (ValuesKind) {
    case 1: t += " values (" + GetValuesText() + ")"; break;
    case 2: t += " " + GetValuesText(); break;
    case 3: t += " default values"; break;
    case 4: t += " " + Pretty(FSourceStatement); break;
    default: break;
    }
    std::string r = GetReturningText();
    if (!IsBlankText(r)) t += kCrLf + r;
    TextCache = t;
}

void TInsertSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_InsertStmt*>(RootNode);
    Frame(this, Visitor, [&] {
        if (!root) return;
        Tok(TokAt(root, 0), Visitor);
        if (HasInto) Tok(TokAt(root, 1), Visitor);
        Node(TargetTable, Visitor);
        if (Fields->Count() > 0) {
            Tok(TokAt(TargetTable, 0), Visitor);
            for (int i = 0; i < Fields->Count(); ++i) {
                TRkField* f = Fields->GetField(i);
                if (i > 0) Tok(f->SeparatorToken, Visitor);
                f->Accept(Visitor);
            }
            Tok(TokAt(TargetTable, 1), Visitor);
        }
        TRk_Node* rest = root->InsertRest;
        switch (ValuesKind) {
        case 1:
            Tok(TokAt(rest, 0), Visitor);
            Tok(TokAt(rest, 1), Visitor);
            Node(ValueFields.get(), Visitor);
            Tok(TokAt(rest, 2), Visitor);
            break;
        case 2: Node(SubSelect.get(), Visitor); break;
        case 4: Node(FSourceStatement, Visitor); break;
        case 3:
            Tok(TokAt(rest, 0), Visitor);
            Tok(TokAt(rest, 1), Visitor);
            break;
        default: break;
        }
        Node(ReturningNode, Visitor);
        Tok(TrailingToken, Visitor);
    });
}

// ---------------------------------------------------------------------------
// UPDATE

TUpdateSqlStatement::TUpdateSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    StatementType = sstUpdate;
}

TUpdateSqlStatement::~TUpdateSqlStatement() = default;

void TUpdateSqlStatement::CreatePP() { UsePrinter(this); }

void TUpdateSqlStatement::ClearModel() {
    FromJoins.ClearIfMade();
    TargetJoins.ClearIfMade();
    TargetTable = nullptr;
    ReturningNode = nullptr;
    ClearAnalysis();
    WhereNode = nullptr;
}

void TUpdateSqlStatement::Reset() {
    ClearModel();
    TCustomSqlStatement::Reset();
}

int TUpdateSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_UpdateStmt*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 180 || !root) return -1;
    try {
        ClearModel();   // a second analysis of the same tree collects nothing twice
        AddFromItems(this, root->FromList, FromJoins.get());
        ReturningNode = root->ReturningClause;
        if (root->WhereCondition) {
            SetWhereNode(root->WhereCondition);
            CollectFieldsInExpr(WhereNode);
        }
        if (root->UpdateTables) {
            // A multi-table update: its targets are joins; the first table
            // of the first target is the statement's target table.
            const int first = Tables->Count();
            AddFromItems(this, root->UpdateTables, TargetJoins.get());
            TargetTable = first < Tables->Count() ? Tables->GetTable(first) : nullptr;
        } else {
            TargetTable = AddTableFromTableRef(root->TargetTable);
        }
        if (GetOnTableEvent()) GetOnTableEvent()(this, this, TargetTable);
        for (int i = 0; i < ItemCount(root->SetList); ++i) {
            if (TRk_Node* item = NodeItem(root->SetList, i)) SetItemField(this, item, Fields.get(), true);
        }
        SetListOverride.clear();
        TargetOverride.clear();
        ReturningOverride.clear();
        Parsed = true;
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

std::string TUpdateSqlStatement::GetTargetListText() { return JoinListText(TargetJoins.get()); }

std::string TUpdateSqlStatement::GetTargetListPrettyText() {
    return PrettyListText(
        TargetJoins.get(), TargetJoins->Count(),
        [](TrkJoinList* l, int i) -> TRk_Node* { return l->GetJoin(i); },
        FmtOpt.TableListOneLine, PrettyMode);
}

std::string TUpdateSqlStatement::GetTargetText() {
    if (!TargetOverride.empty()) return TargetOverride;
    if (!TargetTable && TargetJoins->Count() == 0) return {};
    if (TargetJoins->Count() == 0) return TargetTable->AsText();
    return GetTargetListText();
}

std::string TUpdateSqlStatement::GetSetListText() {
    if (!SetListOverride.empty()) return SetListOverride;
    return FieldListText(Fields.get());
}

std::string TUpdateSqlStatement::GetSetListPrettyText() {
    return PrettyListText(
        Fields.get(), Fields->Count(), [](TRkFieldList* l, int i) -> TRk_Node* { return l->GetField(i); },
        FmtOpt.UpdateSetListOneLine, PrettyMode);
}

std::string TUpdateSqlStatement::GetFromText() {
    if (!FromOverride.empty()) return FromOverride;
    return JoinListText(FromJoins.get());
}

std::string TUpdateSqlStatement::GetReturningText() {
    if (!ReturningOverride.empty()) return ReturningOverride;
    return Plain(ReturningNode);
}

void TUpdateSqlStatement::BuildSqlText() {
    std::string t = "update " + GetTargetText() + " set " + GetSetListText();
    if (DbVendor != 2) {
        std::string f = GetFromText();
        if (!f.empty()) t = EnsureLineBreak(t) + "From " + f;
    }
    std::string w = GetWhereText();
    if (!IsBlankText(w)) t = EnsureLineBreak(t) + "where " + w;
    std::string r = GetReturningText();
    if (!IsBlankText(r)) t = EnsureLineBreak(t) + r;
    TextCache = t;
}

void TUpdateSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_UpdateStmt*>(RootNode);
    Frame(this, Visitor, [&] {
        if (!root) return;
        Tok(TokAt(root, 0), Visitor);
        if (TargetJoins->Count() == 0) Node(TargetTable, Visitor);
        else TargetJoins->Accept(Visitor);
        Tok(TokAt(root, 1), Visitor);
        Node(Fields.get(), Visitor);
        WalkFromWhereReturning(this, root->FromClause, FromJoins.get(), root->WhereClause, ReturningNode,
                               Visitor);
    });
}

// ---------------------------------------------------------------------------
// DELETE

TDeleteSqlStatement::TDeleteSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    StatementType = sstDelete;
}

TDeleteSqlStatement::~TDeleteSqlStatement() = default;

void TDeleteSqlStatement::CreatePP() { UsePrinter(this); }

void TDeleteSqlStatement::ClearModel() {
    if (DeleteTable) DeleteTable->Reset();
    DeleteTable = nullptr;
    ReturningNode = nullptr;
    FromJoins.ClearIfMade();
    ClearAnalysis();
    WhereNode = nullptr;
}

void TDeleteSqlStatement::Reset() {
    ClearModel();
    TCustomSqlStatement::Reset();
}

int TDeleteSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_DeleteStmt*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 32 || !root) return -1;
    try {
        ClearModel();   // a second analysis of the same tree collects nothing twice
        HasFrom = root->FromOmitted ? 0 : 1;
        AddFromItems(this, root->FromList, FromJoins.get());
        if (root->WhereCondition) {
            SetWhereNode(root->WhereCondition);
            CollectFieldsInExpr(WhereNode);
        }
        ReturningNode = root->ReturningClause;
        DeleteTable = AddTableFromTableRef(root->TargetTable);
        if (GetOnTableEvent()) GetOnTableEvent()(this, this, DeleteTable);
        ReturningOverride.clear();
        WhereOverride.clear();
        TargetOverride.clear();
        Parsed = true;
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

std::string TDeleteSqlStatement::GetTargetText() {
    if (!TargetOverride.empty()) return TargetOverride;
    return Plain(DeleteTable);
}

std::string TDeleteSqlStatement::GetFromText() {
    if (!FromOverride.empty()) return FromOverride;
    return JoinListText(FromJoins.get());
}

std::string TDeleteSqlStatement::GetReturningText() {
    if (!ReturningOverride.empty()) return ReturningOverride;
    return Plain(ReturningNode);
}

void TDeleteSqlStatement::BuildSqlText() {
    std::string t = (HasFrom ? "Delete from " : "Delete  ") + GetTargetText();
    std::string f = GetFromText();
    if (!f.empty()) t += std::string(kCrLf) + "  From " + f;
    std::string w = GetWhereText();
    if (!IsBlankText(w)) t += std::string(kCrLf) + "Where " + w;
    std::string r = GetReturningText();
    if (!IsBlankText(r)) t += kCrLf + r;
    TextCache = t;
}

void TDeleteSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_DeleteStmt*>(RootNode);
    Frame(this, Visitor, [&] {
        if (!root) return;
        Tok(TokAt(root, 0), Visitor);
        if (HasFrom) Tok(TokAt(root, 1), Visitor);
        Node(DeleteTable, Visitor);
        WalkFromWhereReturning(this, root->FromClause, FromJoins.get(), root->WhereClause, ReturningNode,
                               Visitor);
    });
}

// ---------------------------------------------------------------------------
// MERGE

TMergeSqlStatement::TMergeSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    StatementType = sstMerge;
}

TMergeSqlStatement::~TMergeSqlStatement() = default;

void TMergeSqlStatement::CreatePP() { UsePrinter(this); }

void TMergeSqlStatement::Reset() {
    TCustomSqlStatement::Reset();
    UsingSelect.reset();
    InsertValueFields.ClearIfMade();
    UpdateSetFields.ClearIfMade();
    InsertColumnFields.ClearIfMade();
}

int TMergeSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_MergeStmt*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 33 || !root) return -1;
    try {
        // Analyzing the same tree again keeps exactly one of everything.
        UsingSelect.reset();
        InsertValueFields.ClearIfMade();
        UpdateSetFields.ClearIfMade();
        InsertColumnFields.ClearIfMade();
        if (root->SourceQuery) UsingSelect = NewSubSelect(this, root->SourceQuery);
        if (auto* upd = dynamic_cast<TRk_DummyNode*>(root->MatchedPart ? root->MatchedPart->Sub1 : nullptr)) {
            for (int i = 0; i < ItemCount(upd->List1); ++i) {
                if (TRk_Node* item = NodeItem(upd->List1, i))
                    SetItemField(this, item, UpdateSetFields.get(), false);
            }
        }
        if (auto* ins = dynamic_cast<TRk_DummyNode*>(root->NotMatchedPart ? root->NotMatchedPart->Sub1 : nullptr)) {
            for (int i = 0; i < ItemCount(ins->List1); ++i) {
                if (TRk_Node* item = NodeItem(ins->List1, i))
                    ResTargetField(this, item, InsertColumnFields.get());
            }
            for (int i = 0; i < ItemCount(ins->List2); ++i) {
                if (TRk_Node* item = NodeItem(ins->List2, i))
                    ResTargetField(this, item, InsertValueFields.get());
            }
        }
        Parsed = true;
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

namespace {

// The parts of a MERGE in source order, for the walk and for the text.
struct MergeParts {
    TRkVisitorAbs* V = nullptr;
    std::string Text;

    void piece(std::string s) {
        // a part's plain text ends with the blanks that followed it
        while (!s.empty() && s.back() == ' ') s.pop_back();
        if (s.empty()) return;
        if (!Text.empty() && Text.back() != '\n') Text += " ";
        Text += s;
    }
    void tok(TSourceToken* t) {
        if (!t) return;
        if (V) Tok(t, V);
        else piece(stmtwalk::Text(t));
    }
    void node(TRk_Node* n) {
        if (!n) return;
        if (V) Node(n, V);
        else piece(n->AsText());
    }
    void fields(TRkFieldList* l) {
        if (V) Node(l, V);
        else piece(FieldListText(l));
    }
    void lineBreak() {
        if (!V) EnsureLineBreakInPlace(Text);
    }
};

void WalkMerge(TMergeSqlStatement* st, TRk_MergeStmt* root, MergeParts& w) {
    if (w.V) w.tok(root->MergeToken);
    else w.piece(Fmt(root->MergeToken));
    w.tok(root->IntoToken);
    w.node(root->TargetTable);
    w.node(root->TargetAlias);
    w.lineBreak();
    w.tok(root->UsingToken);
    w.node(root->SourceTable);
    w.node(st->UsingSelect.get());
    w.node(root->SourceAlias);
    w.tok(root->OnToken);
    if (TRk_DummyNode* on = root->OnPart.get()) {
        w.tok(on->Tok1);
        w.node(on->Sub1);
        w.tok(on->Tok2);
    }
    TRk_DummyNode* matched = root->MatchedPart.get();
    auto* upd = dynamic_cast<TRk_DummyNode*>(matched ? matched->Sub1 : nullptr);
    if (upd) {
        w.lineBreak();
        w.tok(matched->Tok1);
        w.tok(matched->Tok2);
        w.tok(matched->Tok3);
        w.tok(upd->Tok1);
        w.tok(upd->Tok2);
        w.fields(st->UpdateSetFields.get());
    }
    TRk_DummyNode* notMatched = root->NotMatchedPart.get();
    auto* ins = dynamic_cast<TRk_DummyNode*>(notMatched ? notMatched->Sub1 : nullptr);
    if (ins) {
        w.lineBreak();
        w.tok(notMatched->Tok1);
        w.tok(notMatched->Tok2);
        w.tok(notMatched->Tok3);
        w.tok(notMatched->Tok4);
        w.tok(ins->Tok1);
        w.tok(ins->Tok2);
        w.fields(st->InsertColumnFields.get());
        w.tok(ins->Tok3);
        w.tok(ins->Tok4);
        w.tok(ins->Tok5);
        w.fields(st->InsertValueFields.get());
        w.tok(ins->Tok6);
    }
}

}  // namespace

void TMergeSqlStatement::BuildSqlText() {
    auto* root = dynamic_cast<TRk_MergeStmt*>(RootNode);
    if (!root) {
        TextCache.clear();
        return;
    }
    MergeParts w;
    WalkMerge(this, root, w);
    TextCache = w.Text;
}

void TMergeSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_MergeStmt*>(RootNode);
    Frame(this, Visitor, [&] {
        if (root) {
            MergeParts w;
            w.V = Visitor;
            WalkMerge(this, root, w);
        }
        Tok(TrailingToken, Visitor);
    });
}
