// CREATE TABLE, CREATE INDEX, CREATE VIEW and the DROP statements.
#include "statementstructure/ddlstatement.h"

#include <exception>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"

using namespace stmtwalk;

namespace {

const char* const kCrLf = "\r\n";

const char* const kKindWords[] = {
    " table ", " temporary table ", " temp table ", " local temporary table ",
    " local temp table ", " global temporary table ", " global temp table ",
};

const char* const kDropWords[] = {
    "drop table ", "drop temporary table ", "drop temp table ", "drop local temporary table ",
    "drop local temp table ", "drop global temporary table ", "drop global temp table ",
};

// Oracle keyword codes that the physical-properties text and walk test.
enum : int {
    kwLogging = 632, kwNologging = 673, kwTablespace = 782, kwStorage = 775,
    kwPctfree = 452, kwInitrans = 612, kwMaxtrans = 644, kwPctused = 710,
};

bool IsSegmentAttr(int code) {
    return code == kwPctfree || code == kwInitrans || code == kwMaxtrans || code == kwPctused;
}

// Marks a column-definition name as a field and reports it.
void MarkColumnName(TCustomSqlStatement* st, TRkField* f) {
    if (!f->NameToken) return;
    f->NameToken->DbObjKind = 2;
    if (st->GetOnFieldTokenEvent()) st->GetOnFieldTokenEvent()(st, f->NameToken, st);
}

void AcceptOptionWalk(TRk_List* options, TRkVisitorAbs* v) {
    for (int i = 0; i < ItemCount(options); ++i) {
        TRk_Node* opt = NodeItem(options, i);
        if (!opt) continue;
        if (i > 0) Tok(opt->SeparatorToken, v);
        OwnTokensOf(opt, v);
    }
}

// The fields' plain texts joined by "," CR LF.
std::string JoinFieldTexts(TRkFieldList* fields) {
    std::string s;
    for (int i = 0; i < fields->Count(); ++i) {
        if (i > 0) s += std::string(",") + kCrLf;
        s += fields->GetField(i)->AsText();
    }
    return s;
}

}  // namespace

std::unique_ptr<TRkField> ColumnDefField(TRk_Node* node) {
    auto* cd = dynamic_cast<TRkColumnDef*>(node);
    if (!cd) return nullptr;
    auto f = CreateNodeOfClass<TRkField>();
    f->IsColumnDef = 1;
    f->NameToken = cd->ColumnNameToken;
    f->DataType = cd->DataType;
    for (int i = 0; i < ItemCount(cd->ConstraintNodes); ++i) {
        // DEFERRABLE states share the list with the constraints; only real
        // constraints belong to the field.
        if (auto* c = dynamic_cast<TRkConstraint*>(NodeItem(cd->ConstraintNodes, i)))
            f->Constraints->Add(c);
    }
    f->SourceNode = cd;
    f->SeparatorToken = cd->SeparatorToken;
    return f;
}

// ---------------------------------------------------------------------------
// Creation functions

std::unique_ptr<TCustomSqlStatement> NewCreateTableSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TCreateTableSqlStatement>(Vendor);
}
std::unique_ptr<TCustomSqlStatement> NewCreateViewSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TCreateViewSqlStatement>(Vendor);
}
std::unique_ptr<TCustomSqlStatement> NewCreateIndexSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TCreateIndexSqlStatement>(Vendor);
}
std::unique_ptr<TCustomSqlStatement> NewDropTableSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TDropTableSqlStatement>(Vendor);
}
std::unique_ptr<TCustomSqlStatement> NewDropIndexSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TDropIndexSqlStatement>(Vendor);
}
std::unique_ptr<TCustomSqlStatement> NewDropViewSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TDropViewSqlStatement>(Vendor);
}
std::unique_ptr<TCustomSqlStatement> NewAlterTableStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TAlterTableStatement>(Vendor);
}

// ---------------------------------------------------------------------------
// CREATE TABLE

TCreateTableSqlStatement::TCreateTableSqlStatement(std::uint8_t Vendor)
    : TCustomSqlStatement(Vendor), FTable(CreateNodeOfClass<TRkTable>()) {
    NodeKind = 21;
    StatementType = sstCreateTable;
    TargetTable = FTable.get();
    if (Vendor == 2) TableOptions = std::make_unique<std::vector<std::string>>();
}

TCreateTableSqlStatement::~TCreateTableSqlStatement() = default;

void TCreateTableSqlStatement::CreatePP() { UsePrinter(this); }

void TCreateTableSqlStatement::Reset() {
    FTable->Reset();
    FTable->NameNode = nullptr;
    IsDeclare = 0;
    SubQuery.reset();
    TempTableKind = 0;
    OnFilegroupToken = nullptr;
    TextImageOnToken = nullptr;
    PhysicalProps = nullptr;
    TCustomSqlStatement::Reset();
}

int TCreateTableSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_CreateTableStmt*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 21 || !root) return -1;
    try {
        // Analyzing the same tree again must not collect its parts twice.
        FTable->Columns->Clear();
        FTable->Constraints->Clear();
        SubQuery.reset();

        TempTableKind = static_cast<std::uint8_t>(root->TableKind);
        IsDeclare = root->DeclareFlag;
        OnFilegroupToken = root->OnFilegroupToken;
        TextImageOnToken = root->TextImageOnToken;
        PhysicalProps = root->PhysicalProperties;

        FTable->TableKind = 1;
        FTable->NameNode = root->TableName;
        if (FTable->NameNode) FTable->NameNode->MarkTableParts(this, FTable.get());

        for (int i = 0; i < ItemCount(root->ElementList); ++i) {
            TRk_Node* el = NodeItem(root->ElementList, i);
            if (!el) continue;
            if (el->NodeKind == 26) {
                auto f = ColumnDefField(el);
                if (!f) continue;
                MarkColumnName(this, f.get());
                FTable->Columns->Add(f.release());
            } else if (el->NodeKind == 27) {
                if (auto* c = dynamic_cast<TRkConstraint*>(el)) FTable->Constraints->Add(c);
            }
        }

        for (int i = 0; i < ItemCount(root->ColumnNameList); ++i) {
            TSourceToken* t = TokenItem(root->ColumnNameList, i);
            if (!t) continue;
            auto f = CreateNodeOfClass<TRkField>();
            f->IsColumnDef = 1;
            f->NameToken = t;
            f->SeparatorToken = t->GetSeparatorToken();
            MarkColumnName(this, f.get());
            FTable->Columns->Add(f.release());
        }

        if (root->Query) {
            SubQuery = NewSubSelect(this, root->Query);
        }
        Parsed = true;
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

void TCreateTableSqlStatement::BuildSqlText() {
    auto* root = dynamic_cast<TRk_CreateTableStmt*>(RootNode);
    const char* kindWord = TempTableKind <= 6 ? kKindWords[TempTableKind] : "";
    std::string t;
    if (IsDeclare) {
        t = "declare ";
        t += FTable->AsText();
        t += kindWord;
        if (IfNotExists) t += "if not exists ";
    } else {
        t = "create";
        t += kindWord;
        if (IfNotExists) t += "if not exists ";
        t += FTable->AsText();
    }
    std::string s = JoinFieldTexts(FTable->Columns.get());
    std::string c;
    for (int i = 0; i < FTable->Constraints->Count(); ++i) {
        if (i > 0) c += std::string(",") + kCrLf;
        c += FTable->Constraints->GetConstraint(i)->AsText();
    }
    if (!c.empty()) s += std::string(",") + kCrLf + c;
    if (!s.empty()) t += "(" + s + ")";
    if (DbVendor == 2 && TableOptions) {
        s.clear();
        for (const auto& o : *TableOptions) s += " " + o;
        if (!s.empty()) t += " " + s;
    }
    if (LikeKind == 1) t += " like " + LikeTableName;
    else if (LikeKind == 2) t += "( like " + LikeTableName + ")";
    if (SubQuery) {
        s = root ? Text(root->AsToken) : std::string();
        if (DbVendor == 2 && root && root->QueryPrefix) {
            for (int i = 0; i < OwnTokenCount(root->QueryPrefix); ++i)
                s += " " + Fmt(TokAt(root->QueryPrefix, i));
        }
        t += " " + s + " " + SubQuery->GetText();
    }
    if (OnFilegroupToken) t += " on " + Text(OnFilegroupToken);
    if (TextImageOnToken) t += " TEXTIMAGE_ON " + Text(TextImageOnToken);
    if (auto* props = dynamic_cast<TRk_DummyNode*>(PhysicalProps)) {
        s.clear();
        auto newLine = [&] {
            if (!s.empty()) s += kCrLf;
        };
        if (props->Int1 == 0) {
            for (int i = 0; i < ItemCount(props->List1); ++i) {
                auto* attr = dynamic_cast<TRk_DummyNode*>(NodeItem(props->List1, i));
                if (!attr) continue;
                switch (attr->Int1) {
                case kwLogging:
                case kwNologging:
                    newLine();
                    s += Text(attr->Tok1);
                    break;
                case kwTablespace:
                    newLine();
                    s += Text(attr->Tok1);
                    s = JoinWithSpace(s, Text(attr->Tok2));
                    break;
                case 0:
                    for (int j = 0; j < ItemCount(attr->List1); ++j) {
                        auto* seg = dynamic_cast<TRk_DummyNode*>(NodeItem(attr->List1, j));
                        if (!seg) continue;
                        if (seg->Int1 == kwStorage) {
                            newLine();
                            s += OptionListText(seg);
                        } else if (IsSegmentAttr(seg->Int1)) {
                            s = JoinWithSpace(s, Text(seg->Tok1));
                            s = JoinWithSpace(s, Text(seg->Tok2));
                        }
                    }
                    break;
                default: break;
                }
            }
        }
        t += kCrLf + s;
    }
    TextCache = t;
}

void TCreateTableSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_CreateTableStmt*>(RootNode);
    Frame(this, Visitor, [&] {
        if (!root) return;
        Tok(TokAt(root, 0), Visitor);
        if (IsDeclare) {
            Node(root->TableName, Visitor);
            Tok(TokAt(root, 1), Visitor);
        } else {
            if (auto* kind = dynamic_cast<TRk_DummyNode*>(root->TableKindNode)) {
                Tok(kind->Tok1, Visitor);
                Tok(kind->Tok2, Visitor);
            }
            Tok(TokAt(root, 1), Visitor);
            if (DbVendor == 2) {
                if (auto* ine = dynamic_cast<TRk_DummyNode*>(root->IfNotExists)) {
                    Tok(ine->Tok1, Visitor);
                    Tok(ine->Tok2, Visitor);
                    Tok(ine->Tok3, Visitor);
                }
            }
            Node(root->TableName, Visitor);
            if (DbVendor == 2) {
                if (root->TableOptions && !root->ElementList)
                    AcceptOptionWalk(root->TableOptions, Visitor);
                Tok(root->LikeOpenToken, Visitor);
                Tok(root->LikeToken, Visitor);
                Node(root->LikeSource, Visitor);
                Tok(root->LikeCloseToken, Visitor);
            }
        }
        if (root->ElementList) {
            Tok(TokAt(root, 2), Visitor);
            Node(FTable->Columns.get(), Visitor);
            if (FTable->Constraints->Count() > 0)
                Tok(FTable->Constraints->GetConstraint(0)->SeparatorToken, Visitor);
            Node(FTable->Constraints.get(), Visitor);
            Tok(TokAt(root, 3), Visitor);
            if (DbVendor == 2 && root->TableOptions)
                AcceptOptionWalk(root->TableOptions, Visitor);
        }
        if (root->ColumnNameList) {
            Tok(TokAt(root, 2), Visitor);
            AcceptNodeListSep(root->ColumnNameList, Visitor, true);
            Tok(TokAt(root, 3), Visitor);
        }
        if (root->Query) {
            Tok(root->AsToken, Visitor);
            if (DbVendor == 2) OwnTokensOf(root->QueryPrefix, Visitor);
            Node(SubQuery.get(), Visitor);
        }
        for (TRk_Node* clause : {root->OnClause, root->TextImageOnClause}) {
            if (auto* d = dynamic_cast<TRk_DummyNode*>(clause)) {
                Tok(d->Tok1, Visitor);
                Tok(d->Tok2, Visitor);
            }
        }
        auto* props = dynamic_cast<TRk_DummyNode*>(PhysicalProps);
        if (props && props->Int1 == 0) {
            for (int i = 0; i < ItemCount(props->List1); ++i) {
                auto* attr = dynamic_cast<TRk_DummyNode*>(NodeItem(props->List1, i));
                if (!attr) continue;
                if (attr->Int1 == kwLogging || attr->Int1 == kwNologging) {
                    Tok(attr->Tok1, Visitor);
                } else if (attr->Int1 == kwTablespace) {
                    Tok(attr->Tok1, Visitor);
                    Tok(attr->Tok2, Visitor);
                } else if (attr->Int1 == 0) {
                    for (int j = 0; j < ItemCount(attr->List1); ++j) {
                        auto* seg = dynamic_cast<TRk_DummyNode*>(NodeItem(attr->List1, j));
                        if (!seg) continue;
                        if (seg->Int1 == kwStorage) {
                            AcceptDummyNodeList(seg, Visitor);
                        } else if (IsSegmentAttr(seg->Int1)) {
                            Tok(seg->Tok1, Visitor);
                            Tok(seg->Tok2, Visitor);
                        }
                    }
                }
            }
        }
        Tok(TrailingToken, Visitor);
    });
}

// ---------------------------------------------------------------------------
// CREATE INDEX

TCreateIndexSqlStatement::TCreateIndexSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    NodeKind = 23;
    StatementType = sstCreateIndex;
}

TCreateIndexSqlStatement::~TCreateIndexSqlStatement() = default;

void TCreateIndexSqlStatement::CreatePP() { UsePrinter(this); }

void TCreateIndexSqlStatement::Reset() {
    if (TRkTable* T = IndexTable.Existing()) {
        T->Reset();
        T->NameNode = nullptr;
    }
    IndexKind = 0;
    IndexNameNode = nullptr;
    TCustomSqlStatement::Reset();
}

std::string TCreateIndexSqlStatement::GetIndexNameText() {
    return NodeNameText(IndexNameNode);
}

int TCreateIndexSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_CreateIndexSqlStatement*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 23 || !root) return -1;
    try {
        Fields->Clear();
        IndexKind = static_cast<std::uint8_t>(root->IndexKind);
        IndexNameNode = root->IndexName;
        IndexTable->TableKind = 1;
        IndexTable->NameNode = dynamic_cast<TRk_Attr*>(root->TableName);
        for (int i = 0; i < ItemCount(root->ColumnList); ++i) {
            auto* col = dynamic_cast<TRk_DummyNode*>(NodeItem(root->ColumnList, i));
            if (!col) continue;
            auto f = CreateNodeOfClass<TRkField>();
            TRkField* raw = f.get();
            Fields->Add(f.release());
            AddFieldFromNode(col->Sub1, raw);
        }
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

void TCreateIndexSqlStatement::BuildSqlText() {
    std::string t = "create";
    if (IndexKind == 1) t += " unique";
    else if (IndexKind == 2) t += " bitmap";
    t += " index " + GetIndexNameText() + " on " + IndexTable->AsText();
    t += std::string("(") + kCrLf + JoinFieldTexts(Fields.get()) + ")";
    if (auto* root = dynamic_cast<TRk_CreateIndexSqlStatement*>(RootNode)) {
        if (auto* opt = dynamic_cast<TRk_DummyNode*>(root->OptionsClause)) {
            t += " " + Text(opt->Tok1);
            t += " " + NodeListPrettyText(opt->List1);
        }
        if (auto* two = dynamic_cast<TRk_DummyNode*>(root->FilegroupClause)) {
            t += " " + Text(two->Tok1);
            t += " " + Text(two->Tok2);
        }
    }
    TextCache = t;
}

void TCreateIndexSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_CreateIndexSqlStatement*>(RootNode);
    Frame(this, Visitor, [&] {
        if (!root) return;
        Tok(TokAt(root, 0), Visitor);
        Tok(root->IndexKindToken, Visitor);
        Tok(TokAt(root, 1), Visitor);
        Node(root->IndexName, Visitor);
        Tok(TokAt(root, 2), Visitor);
        Node(root->TableName, Visitor);
        Tok(TokAt(root, 3), Visitor);
        for (int i = 0; i < ItemCount(root->ColumnList); ++i) {
            auto* col = dynamic_cast<TRk_DummyNode*>(NodeItem(root->ColumnList, i));
            if (!col) continue;
            if (i > 0) Tok(col->SeparatorToken, Visitor);
            Node(col->Sub1, Visitor);
            Tok(col->Tok1, Visitor);
        }
        Tok(TokAt(root, 4), Visitor);
        if (auto* opt = dynamic_cast<TRk_DummyNode*>(root->OptionsClause)) {
            Tok(opt->Tok1, Visitor);
            AcceptNodeListWithSeparators(opt->List1, Visitor);
        }
        if (auto* two = dynamic_cast<TRk_DummyNode*>(root->FilegroupClause)) {
            Tok(two->Tok1, Visitor);
            Tok(two->Tok2, Visitor);
        }
        Tok(TrailingToken, Visitor);
    });
}

// ---------------------------------------------------------------------------
// CREATE VIEW

TCreateViewSqlStatement::TCreateViewSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    NodeKind = 22;
    StatementType = sstCreateView;
}

TCreateViewSqlStatement::~TCreateViewSqlStatement() = default;

void TCreateViewSqlStatement::CreatePP() { UsePrinter(this); }

void TCreateViewSqlStatement::Reset() {
    Query.reset();
    ForceKind = 0;
    OrReplace = 0;
    ColumnList = nullptr;
    WithOption = 0;
    ConstraintName.clear();
    ViewNameNode = nullptr;
    TCustomSqlStatement::Reset();
}

std::string TCreateViewSqlStatement::GetViewNameText() { return NodeNameText(ViewNameNode); }

int TCreateViewSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_CreateViewSqlStatement*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 22 || !root) return -1;
    try {
        OrReplace = root->OrReplace;
        ForceKind = root->ForceKind;
        ViewNameNode = root->ViewName;
        ColumnList = root->ColumnList;
        WithOption = static_cast<std::uint8_t>(root->Restriction);
        ConstraintName = root->GetRestrictionConstraintName();
        Query.reset();
        if (root->Query) Query = NewSubSelect(this, root->Query, false);
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

void TCreateViewSqlStatement::BuildSqlText() {
    std::string t = "create";
    if (OrReplace == 1) t += " or replace";
    if (ForceKind == 1) t += " force";
    else if (ForceKind == 2) t += " noforce";
    t += " " + GetViewNameText();
    if (ColumnList) t += kCrLf + ("(" + NodeListText(ColumnList) + ")");
    t += std::string(" as") + kCrLf;
    if (Query) t += Query->AsText();
    if (WithOption == 1) t += std::string(kCrLf) + " with read only";
    else if (WithOption == 2) t += std::string(kCrLf) + " with check option";
    if (!ConstraintName.empty()) t += " constraint " + ConstraintName;
    TextCache = t;
}

void TCreateViewSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_CreateViewSqlStatement*>(RootNode);
    Frame(this, Visitor, [&] {
        if (!root) return;
        Tok(TokAt(root, 0), Visitor);
        if (OwnTokenCount(root) == 5) {
            Tok(TokAt(root, 3), Visitor);
            Tok(TokAt(root, 4), Visitor);
        }
        Tok(root->ForceToken, Visitor);
        Tok(TokAt(root, 1), Visitor);
        Node(root->ViewName, Visitor);
        if (ColumnList) {
            Tok(TokAt(root->ColumnListNode, 0), Visitor);
            AcceptNodeList(ColumnList, Visitor);
            Tok(TokAt(root->ColumnListNode, 1), Visitor);
        }
        Tok(TokAt(root, 2), Visitor);
        Node(Query.get(), Visitor);
        if (WithOption != 0) OwnTokensOf(root->RestrictionNode, Visitor);
        Tok(TrailingToken, Visitor);
    });
}

// ---------------------------------------------------------------------------
// DROP TABLE

TDropTableSqlStatement::TDropTableSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    NodeKind = 38;
    StatementType = sstDropTable;
}

TDropTableSqlStatement::~TDropTableSqlStatement() = default;

void TDropTableSqlStatement::CreatePP() { UsePrinter(this); }

void TDropTableSqlStatement::Reset() {
    TCustomSqlStatement::Reset();   // frees the tables that refer to the names
    FNames.reset();
}

std::string TDropTableSqlStatement::AsText() {
    if (!TextOverride().empty()) return TextOverride();
    // the statement's tokens as written, not the rebuilt SQL
    return TRk_Node::AsText();
}

int TDropTableSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_DropTableStmt*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 38 || !root) return -1;
    try {
        Tables->Clear();
        FNames.reset();
        if (DbVendor == 2) {
            for (int i = 0; i < ItemCount(root->NameTokens); ++i) {
                TSourceToken* t = TokenItem(root->NameTokens, i);
                if (!t) continue;
                auto attr = CreateNodeOfClass<TRk_Attr>();
                attr->NameToken = t;
                auto table = CreateNodeOfClass<TRkTable>();
                table->TableKind = 1;
                table->NameNode = attr.get();
                attr->MarkTableParts(this, nullptr);
                FNames->push_back(std::move(attr));
                Tables->Add(table.release());
            }
        } else if (auto* name = dynamic_cast<TRk_Attr*>(root->TableName)) {
            auto table = CreateNodeOfClass<TRkTable>();
            table->TableKind = 1;
            table->NameNode = name;
            name->MarkTableParts(this, nullptr);
            Tables->Add(table.release());
        }
        Parsed = true;
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

void TDropTableSqlStatement::BuildSqlText() {
    std::string t = TempTableKind <= 6 ? kDropWords[TempTableKind] : "";
    if (IfExists) t += "if exists ";
    for (int i = 0; i < Tables->Count(); ++i) {
        if (i > 0) t += ",";
        t += Tables->GetTable(i)->AsText();
    }
    if (DbVendor == 2) {
        if (Restrict) t += " restrict";
        if (Cascade) t += " cascade";
    } else if (Cascade) {
        t += " cascade constraints";
    }
    TextCache = t;
}

void TDropTableSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_DropTableStmt*>(RootNode);
    Frame(this, Visitor, [&] {
        if (!root) return;
        // MySQL keeps the TEMPORARY kind words and IF EXISTS in the option
        // holder (Sub1, Sub2); its own token is RESTRICT or CASCADE.
        auto* extra = dynamic_cast<TRk_DummyNode*>(root->Extra);
        Tok(TokAt(root, 0), Visitor);
        if (auto* temp = extra ? dynamic_cast<TRk_DummyNode*>(extra->Sub1) : nullptr) {
            Tok(temp->Tok1, Visitor);
            Tok(temp->Tok2, Visitor);
        }
        Tok(TokAt(root, 1), Visitor);
        if (extra) OwnTokensOf(extra->Sub2, Visitor);
        for (int i = 0; i < Tables->Count(); ++i) {
            // the comma before each further name of the MySQL name list
            if (TSourceToken* name = i > 0 ? TokenItem(root->NameTokens, i) : nullptr)
                Tok(name->GetSeparatorToken(), Visitor);
            Tables->GetTable(i)->Accept(Visitor);
        }
        if (extra) Tok(extra->Tok1, Visitor);
        if (OwnTokenCount(root) == 4) {
            Tok(TokAt(root, 2), Visitor);
            Tok(TokAt(root, 3), Visitor);
        }
        Tok(TrailingToken, Visitor);
    });
}

// ---------------------------------------------------------------------------
// DROP INDEX, DROP VIEW

TDropIndexSqlStatement::TDropIndexSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    NodeKind = 39;
    StatementType = sstDropIndex;
}

void TDropIndexSqlStatement::CreatePP() { UsePrinter(this); }

void TDropIndexSqlStatement::Reset() {
    NameNode = nullptr;
    TCustomSqlStatement::Reset();
}

int TDropIndexSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_DropIndexSqlStatement*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 39 || !root) return -1;
    try {
        IndexName = NodeNameText(root->IndexName);
        NameNode = root->IndexName;
        Force = root->Force;
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

void TDropIndexSqlStatement::BuildSqlText() {
    TextCache = "drop index " + IndexName + (Force ? " force" : "");
}

TDropViewSqlStatement::TDropViewSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    NodeKind = 40;
    StatementType = sstDropView;
}

void TDropViewSqlStatement::CreatePP() { UsePrinter(this); }

void TDropViewSqlStatement::Reset() {
    NameNode = nullptr;
    TCustomSqlStatement::Reset();
}

int TDropViewSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_DropViewSqlStatement*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 40 || !root) return -1;
    try {
        ViewName = NodeNameText(root->ViewName);
        NameNode = root->ViewName;
        CascadeConstraints = root->CascadeConstraints;
        return 0;
    } catch (const std::exception&) {
        return -1;
    }
}

void TDropViewSqlStatement::BuildSqlText() {
    TextCache = "drop view " + ViewName + (CascadeConstraints ? " cascade constraints" : "");
}
