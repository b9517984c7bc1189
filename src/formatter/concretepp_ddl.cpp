// Printers of CREATE TABLE, ALTER TABLE, CREATE INDEX and CREATE VIEW.
#include "formatter/concretepp.h"

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/parserfactory.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/schemaobjects.h"

using namespace pp;

namespace {

// Token codes the Oracle grammar stores as the kind of a physical attribute.
constexpr int32_t kPctfree = 452, kPctused = 710, kInitrans = 612, kMaxtrans = 644;
constexpr int32_t kStorage = 775, kLogging = 632, kNologging = 673, kTablespace = 782;

TRk_DummyNode* Holder(TRk_Node* N) { return dynamic_cast<TRk_DummyNode*>(N); }
TRk_DummyNode* HolderItem(TRk_List* L, int32_t I) {
    return L && I < L->Count() ? Holder(L->GetNode(I)) : nullptr;
}
int32_t Count(const TRk_List* L) { return L ? L->Count() : 0; }

// " " + formatted text of T, nothing when T is not set.
std::string PlusTok(TSourceToken* T) { return T ? " " + Fmt(T) : std::string(); }

// A plus B with one blank between, B alone when A is empty.
std::string Join(const std::string& A, const std::string& B) { return A.empty() ? B : A + " " + B; }

// The table constraints, one per line with the separator at the line end.
std::string ConstraintLines(TRkConstraintList* L, TSourceToken** FirstSep) {
    std::string T;
    *FirstSep = nullptr;
    std::vector<TRkConstraint*> items;
    for (int32_t i = 0; L && i < L->Count(); ++i)
        if (TRkConstraint* c = L->GetConstraint(i)) items.push_back(c);
    for (size_t i = 0; i < items.size(); ++i) {
        if (i == 0) *FirstSep = items[i]->SeparatorToken;
        T += items[i]->GetPrettyText();
        if (i + 1 < items.size()) {
            T += Fmt(items[i + 1]->SeparatorToken);
            EnsureLineBreakInPlace(T);
        }
    }
    return T;
}

// Each option item's tokens after one blank, the separator of the next item
// right after it and then a line break.
std::string TableOptions(TRk_List* Options) {
    std::string R;
    const int32_t n = Count(Options);
    for (int32_t i = 0; i < n; ++i) {
        TRk_Node* item = Options->GetNode(i);
        for (int32_t k = 0; k < TokCount(item); ++k) R += " " + Tok(item, k);
        if (i + 1 < n) {
            TRk_Node* next = Options->GetNode(i + 1);
            R += Fmt(next ? next->SeparatorToken : nullptr);
            EnsureLineBreakInPlace(R);
        }
    }
    return R;
}

std::string PhysicalAttributes(TRk_DummyNode* Node) {
    std::string O;
    if (Node->Int1 != 0) return O;
    for (int32_t i = 0; i < Count(Node->List1); ++i) {
        TRk_DummyNode* item = HolderItem(Node->List1, i);
        if (!item) continue;
        if (item->Int1 == kLogging || item->Int1 == kNologging) {
            if (!O.empty()) O += "\r\n";
            O += Fmt(item->Tok1);
        } else if (item->Int1 == kTablespace) {
            if (!O.empty()) O += "\r\n";
            O = Join(O + Fmt(item->Tok1), Fmt(item->Tok2));
        } else if (item->Int1 == 0) {
            for (int32_t k = 0; k < Count(item->List1); ++k) {
                TRk_DummyNode* sub = HolderItem(item->List1, k);
                if (!sub) continue;
                switch (sub->Int1) {
                case kPctfree:
                case kPctused:
                case kInitrans:
                case kMaxtrans:
                    O = Join(Join(O, Fmt(sub->Tok1)), Fmt(sub->Tok2));
                    break;
                case kStorage:
                    if (!O.empty()) EnsureLineBreakInPlace(O);
                    O += OptionListText(sub);
                    break;
                default: break;
                }
            }
        }
    }
    return O;
}

}  // namespace

// ---------------------------------------------------------------------------
// CREATE TABLE

std::string TCreateTableSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TCreateTableSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TCreateTableSqlStatement", Owner);
    // CREATE TABLE ... OF a type builds no table: as written.
    if (!EnsureParsed(s)) return AcceptedWithoutTree(s);
    auto* root = dynamic_cast<TRk_CreateTableStmt*>(s->GetRootNode());
    if (!root) return AcceptedWithoutTree(s);
    s->PrettyMode = 1;
    TRkTable* table = s->TargetTable;
    TRkFieldList* columns = table ? table->Columns.get() : nullptr;
    const bool hasColumns = columns && columns->Count() > 0;
    // A list of table constraints alone has its parentheses too.
    const bool hasList = hasColumns || root->ElementList;
    const bool mysql = s->DbVendor == 2;

    std::string R;
    if (s->IsDeclare) {
        R = Tok(root, 0);
        if (root->TableName) R += " " + Pretty(root->TableName);
        R += " " + Tok(root, 1);
    } else {
        R = Tok(root, 0);
        if (root->TableKindNode) R += PlusTok(root->TableKindNode->Tok1) + PlusTok(root->TableKindNode->Tok2);
        R += " " + Tok(root, 1);
        if (TRk_DummyNode* ine = mysql ? root->IfNotExists : nullptr)
            R += PlusTok(ine->Tok1) + PlusTok(ine->Tok2) + PlusTok(ine->Tok3);
        if (root->TableName) R += " " + Pretty(root->TableName);
        if (mysql && root->TableOptions && !root->ElementList)
            R = EnsureLineBreak(R + TableOptions(root->TableOptions));
        // LIKE source, or ( LIKE source ): the parenthesis comes first.
        R += PlusTok(root->LikeOpenToken) + PlusTok(root->LikeToken);
        if (root->LikeSource) R += " " + Pretty(root->LikeSource);
        R += PlusTok(root->LikeCloseToken);
    }
    if (hasList) R += " " + Tok(root, 2);

    // The field list pads the names to one width by the column options.
    std::string C = hasColumns ? columns->GetPrettyText() : std::string();
    TSourceToken* firstSep = nullptr;
    const std::string T = ConstraintLines(table ? table->Constraints.get() : nullptr, &firstSep);
    if (!T.empty()) C = EnsureLineBreak(C + Fmt(firstSep)) + T;
    if (!C.empty()) R = EnsureLineBreak(R) + IndentBlock(C, 2);
    if (hasList) {
        R += Tok(root, 3);
        if (mysql && root->TableOptions && root->ElementList)
            R = EnsureLineBreak(R) + TableOptions(root->TableOptions);
    }
    if (s->SubQuery) {
        R = EnsureLineBreak(R);
        std::string X = Fmt(root->AsToken);
        if (mysql) {
            X.clear();
            for (int32_t k = 0; k < TokCount(root->QueryPrefix); ++k) X += " " + Tok(root->QueryPrefix, k);
        }
        if (!X.empty()) R += EnsureLineBreak(X);
        R += IndentBlock(Pretty(s->SubQuery.get()), 2);
    }
    for (TRk_DummyNode* clause : {root->OnClause, root->TextImageOnClause})
        if (clause) R += PlusTok(clause->Tok1) + PlusTok(clause->Tok2);
    if (TRk_DummyNode* phys = Holder(root->PhysicalProperties))
        R = EnsureLineBreak(R) + IndentBlock(PhysicalAttributes(phys), 2);
    s->PrettyMode = 0;
    return R;
}

// ---------------------------------------------------------------------------
// ALTER TABLE

namespace {

// Appends the alteration parts of one holder node to P.
struct TAlteration {
    std::string P;

    void Tok(TSourceToken* T) { P += PlusTok(T); }
    void Own(TRk_Node* N) {
        for (int32_t k = 0; k < TokCount(N); ++k) P += " " + pp::Tok(N, k);
    }
    void Operand(const std::string& X) { P += " " + IndentText(X, LastLineLength(P) + 1); }
    void Names(TRk_List* L) {
        const int32_t n = Count(L);
        for (int32_t i = 0; i < n; ++i) {
            TRkVisitedAbs* item = L->GetItem(i);
            TSourceToken* t = item ? item->AsToken() : nullptr;
            P += " " + (t ? Fmt(t) : Pretty(item ? item->AsNode() : nullptr));
            if (i + 1 < n) {
                TRkVisitedAbs* next = L->GetItem(i + 1);
                TSourceToken* sep = nullptr;
                if (next && next->AsToken()) sep = next->AsToken()->GetSeparatorToken();
                else if (next && next->AsNode()) sep = next->AsNode()->SeparatorToken;
                P += Fmt(sep);
            }
        }
    }
    void SubToks(TRk_Node* N, int32_t Max) {
        TRk_DummyNode* h = Holder(N);
        if (!h) return;
        TSourceToken* toks[] = {h->Tok1, h->Tok2, h->Tok3};
        for (int32_t k = 0; k < Max && k < 3; ++k) Tok(toks[k]);
    }
};

std::string ConstraintsText(TRkConstraintList* L) { return L ? L->GetPrettyText() : std::string(); }
bool HasItems(TRkConstraintList* L) { return L && L->Count() > 0; }

std::string OracleAlterations(TAlterTableStatement* s, TRk_alterTableStmt* root) {
    TAlteration a;
    for (int32_t i = 0; i < Count(root->PropertyList); ++i) {
        TRk_DummyNode* item = HolderItem(root->PropertyList, i);
        if (!item) continue;
        if (item->Int1 == kStorage) {
            a.P += " " + OptionListText(item);
        } else {
            a.Tok(item->Tok1);
            a.Tok(item->Tok2);
            a.Tok(item->Tok3);
        }
    }
    const int32_t n = Count(root->ColumnClauseList);
    for (int32_t i = 0; i < n; ++i) {
        TRk_DummyNode* h = HolderItem(root->ColumnClauseList, i);
        if (h) {
            switch (h->Int1) {
            case 1:
            case 2: {
                a.Tok(h->Tok1);
                a.Tok(h->Tok2);
                a.Operand(s->Fields ? s->Fields->GetPrettyText() : std::string());
                if (HasItems(s->Constraints.get())) {
                    a.P += Fmt(s->Constraints->GetItem(0) ? s->Constraints->GetItem(0)->SeparatorToken : nullptr);
                    a.P += " " + ConstraintsText(s->Constraints.get());
                }
                a.Tok(h->Tok3);
                break;
            }
            case 3:
                switch (h->Int2) {
                case 1:
                case 2: a.Tok(h->Tok1); a.Tok(h->Tok2); a.Tok(h->Tok3); a.Names(h->List1); a.Tok(h->Tok4); break;
                case 4: a.Tok(h->Tok1); a.Tok(h->Tok2); a.Names(h->List1); a.Tok(h->Tok3); break;
                default: a.Tok(h->Tok1); a.Tok(h->Tok2); a.Tok(h->Tok3); break;
                }
                a.Own(h->Sub1);
                a.Own(h->Sub2);
                break;
            case 4:
                for (TSourceToken* t : {h->Tok1, h->Tok2, h->Tok3, h->Tok4, h->Tok5}) a.Tok(t);
                break;
            default: break;
            }
        }
        if (i + 1 < n) EnsureLineBreakInPlace(a.P);
    }
    if (TRk_DummyNode* o = Holder(root->ConstraintClause)) {
        switch (o->Int1) {
        case 1:
            a.Tok(o->Tok1);
            // From the grammar's list: the DEFERRABLE states between the
            // added constraints print too.
            if (std::string c = ConstraintItemsPrettyText(o->List1); !c.empty()) a.P += " " + c;
            if (HasItems(s->Constraints.get())) a.P += " " + ConstraintsText(s->Constraints.get());
            break;
        case 2:
            a.Tok(o->Tok1); a.Tok(o->Tok2); a.Tok(o->Tok3);
            a.SubToks(o->Sub1, 2);
            break;
        case 3:
            for (TSourceToken* t : {o->Tok1, o->Tok2, o->Tok3, o->Tok4, o->Tok5}) a.Tok(t);
            break;
        case 4:
            a.Tok(o->Tok1); a.Tok(o->Tok2); a.Tok(o->Tok3);
            a.SubToks(o->Sub1, 3);
            break;
        case 5:
            a.Tok(o->Tok1); a.Tok(o->Tok2); a.Tok(o->Tok3); a.Names(o->List1); a.Tok(o->Tok4);
            a.SubToks(o->Sub1, 3);
            break;
        case 6:
            a.Tok(o->Tok1); a.Tok(o->Tok2); a.Tok(o->Tok3);
            break;
        case 7:
            for (TSourceToken* t : {o->Tok1, o->Tok2, o->Tok3, o->Tok4}) a.Tok(t);
            break;
        default: break;
        }
    }
    const int32_t m = Count(root->EnableDisableList);
    for (int32_t i = 0; i < m; ++i) {
        TRk_DummyNode* h = HolderItem(root->EnableDisableList, i);
        if (h) {
            if (h->Int1 == 1 || h->Int1 == 2) {
                a.Tok(h->Tok1); a.Tok(h->Tok2); a.Tok(h->Tok3);
            } else if (h->Int1 >= 5 && h->Int1 <= 7) {
                a.Tok(h->Tok1);
                a.SubToks(h->Sub1, 1);
                a.Tok(h->Tok2);
                a.Tok(h->Tok3);
                if (h->Int1 == 5) {
                    a.P += " " + TokenListText(h->List1);
                    a.Tok(h->Tok4);
                }
                if (TRk_DummyNode* ex = Holder(h->Sub3)) {
                    // EXCEPTIONS INTO name: the keyword, then what follows it.
                    a.Tok(ex->Tok1);
                    a.Tok(ex->Tok2);
                    if (ex->Sub1) a.P += " " + Pretty(ex->Sub1);
                }
                a.SubToks(h->Sub4, 3);
            }
        }
        if (i + 1 < m) EnsureLineBreakInPlace(a.P);
    }
    return a.P;
}

std::string MssqlAlterations(TAlterTableStatement* s, TRk_alterTableStmt* root) {
    TAlteration a;
    if (TRk_DummyNode* lead = Holder(root->AlterColumnClause)) {
        a.Own(lead);
        if (lead->Sub1) a.P += " " + Pretty(lead->Sub1);
        a.SubToks(lead->Sub2, 2);
        if (lead->Sub3) {
            a.P += " " + pp::Tok(lead->Sub3, 0);
            if (TokCount(lead->Sub3) > 1) a.P += " " + pp::Tok(lead->Sub3, 1);
        }
    }
    if (TRk_Node* add = root->AddColumnsClause) {
        if (!a.P.empty()) a.P += "\r\n";
        a.P += pp::Tok(add, 0);
        a.Operand(s->Fields ? s->Fields->GetPrettyText() : std::string());
    }
    if (TRk_Node* add = root->AddConstraintsClause) {
        TAlteration k;
        k.Own(add);
        if (!a.P.empty()) a.P += "\r\n";
        a.P += k.P;
        a.Operand(ConstraintsText(s->Constraints.get()));
    }
    if (TRk_DummyNode* drop = Holder(root->DropClause)) {
        a.P += PlusTok(drop->TokenList ? drop->TokenList->TokenAt(0) : nullptr);
        const int32_t n = Count(drop->List1);
        for (int32_t i = 0; i < n; ++i) {
            TRk_Node* item = drop->List1->GetNode(i);
            a.Own(item);
            if (i + 1 < n) {
                TRk_Node* next = drop->List1->GetNode(i + 1);
                a.P += Fmt(next ? next->SeparatorToken : nullptr);
            }
        }
    }
    for (TRk_Node* extra : {root->ExtraClause1, root->ExtraClause2}) {
        if (!extra) continue;
        a.Own(extra);
        if (TRk_DummyNode* h = Holder(extra); h && h->List1) a.P += " " + TokenListText(h->List1);
    }
    return a.P;
}

}  // namespace

std::string TAlterTableStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TAlterTableStatement*>(OwnerNode());
    if (!s) return WrongOwner("TAlterTableStatement", Owner);
    if (!EnsureParsed(s)) return {};
    auto* root = dynamic_cast<TRk_alterTableStmt*>(s->GetRootNode());
    if (!root) return {};
    s->PrettyMode = 1;
    std::string R = Fmt(root->AlterToken) + PlusTok(root->IgnoreToken) + PlusTok(root->TableToken);
    if (root->TableName) R += " " + Pretty(root->TableName);
    const uint8_t v = s->DbVendor;
    if (v == 2) {
        const int32_t n = Count(root->AlterOptions);
        for (int32_t i = 0; i < n; ++i) {
            // An alteration has no printer: its plain text.
            R = EnsureLineBreak(R) + IndentBlock(Plain(root->AlterOptions->GetNode(i)), 2);
            if (i + 1 < n) {
                TRk_Node* next = root->AlterOptions->GetNode(i + 1);
                R += Fmt(next ? next->SeparatorToken : nullptr);
            }
        }
        return R;
    }
    if (v == 0) return EnsureLineBreak(R) + MssqlAlterations(s, root);
    if (UsesOracleGrammar(v)) return EnsureLineBreak(R) + OracleAlterations(s, root);
    return R;
}

// ---------------------------------------------------------------------------
// CREATE INDEX

std::string TCreateIndexSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TCreateIndexSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TCreateIndexSqlStatement", Owner);
    if (!EnsureParsed(s)) return AcceptedWithoutTree(s);
    auto* root = dynamic_cast<TRk_CreateIndexSqlStatement*>(s->GetRootNode());
    if (!root) return AcceptedWithoutTree(s);
    std::string R = Tok(root, 0) + PlusTok(root->IndexKindToken);
    R += " " + Tok(root, 1) + " " + Pretty(root->IndexName) + " " + Tok(root, 2) + " " +
         Pretty(root->TableName) + " " + Tok(root, 3);
    R = EnsureLineBreak(R);
    std::string C;
    const int32_t n = Count(root->ColumnList);
    for (int32_t i = 0; i < n; ++i) {
        TRk_Node* item = root->ColumnList->GetNode(i);
        TRk_DummyNode* h = Holder(item);
        C += h ? Pretty(h->Sub1) + PlusTok(h->Tok1) : Pretty(item);
        if (i + 1 < n) {
            TRk_Node* next = root->ColumnList->GetNode(i + 1);
            C += Fmt(next ? next->SeparatorToken : nullptr);
            EnsureLineBreakInPlace(C);
        }
    }
    R += Blanks(6) + IndentText(C, 6) + Tok(root, 4);
    // WITH and its items, then ON and the filegroup.
    for (int32_t k = 0; k < 2; ++k) {
        TRk_DummyNode* clause = Holder(k == 0 ? root->OptionsClause : root->FilegroupClause);
        if (!clause) continue;
        if (k == 0) {
            std::string items;
            const int32_t m = Count(clause->List1);
            for (int32_t i = 0; i < m; ++i) {
                TRk_Node* item = clause->List1->GetNode(i);
                if (i > 0) items += Fmt(item ? item->SeparatorToken : nullptr);
                items += Pretty(item);
            }
            R += PlusTok(clause->Tok1);
            R += " " + IndentText(items, LastLineLength(R) + 1);
        } else {
            R += PlusTok(clause->Tok1) + PlusTok(clause->Tok2);
        }
    }
    return R;
}

// ---------------------------------------------------------------------------
// CREATE VIEW

std::string TCreateViewSqlStatementPP::GetPrettyText() {
    auto* s = dynamic_cast<TCreateViewSqlStatement*>(OwnerNode());
    if (!s) return WrongOwner("TCreateViewSqlStatement", Owner);
    if (!EnsureParsed(s)) return {};
    auto* root = dynamic_cast<TRk_CreateViewSqlStatement*>(s->GetRootNode());
    if (!root) return {};
    std::string R = Tok(root, 0);
    if (TokCount(root) == 5) R += " " + Tok(root, 3) + " " + Tok(root, 4);
    // FORCE / NOFORCE is a word of its own: one blank before it.
    R += PlusTok(root->ForceToken);
    R += " " + Tok(root, 1) + " " + Pretty(root->ViewName);
    const int32_t n = Count(root->ColumnList);
    if (n > 0) {
        R = EnsureLineBreak(R + Tok(root->ColumnListNode, 0));
        std::string cols;
        for (int32_t i = 0; i < n; ++i) {
            TRkVisitedAbs* item = root->ColumnList->GetItem(i);
            TRk_Node* node = item ? item->AsNode() : nullptr;
            if (i > 0) cols += Fmt(node ? node->SeparatorToken : nullptr);
            cols += node ? Pretty(node) : Fmt(item ? item->AsToken() : nullptr);
        }
        R += cols + Tok(root->ColumnListNode, 1);
    }
    R = EnsureLineBreak(R) + Tok(root, 2);
    R = EnsureLineBreak(R) + IndentBlock(Pretty(s->Query.get()), 2);
    if (root->Restriction != 0 && root->RestrictionNode)
        R = EnsureLineBreak(R) + Toks(root->RestrictionNode, 0, TokCount(root->RestrictionNode), " ");
    return R;
}
