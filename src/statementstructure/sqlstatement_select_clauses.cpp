// FROM-clause joins and the join builder; ORDER BY items, FOR UPDATE and
// TOP clauses; the shared walk and text accessors of this folder.
#include <charconv>
#include <cstdlib>
#include <exception>

#include "formatter/basepp.h"
#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "statementstructure/sqlstatement_select.h"

using namespace stmtwalk;

// ---------------------------------------------------------------------------
// Accessors

namespace stmtwalk {

TRkNodeTokens* OwnTokens(TRk_Node* n) { return n ? &n->TokenList : nullptr; }
int OwnTokenCount(const TRk_Node* n) { return n && n->TokenList ? n->TokenList->Count() : 0; }
TSourceToken* TokAt(const TRk_Node* n, int i) {
    return n && n->TokenList ? n->TokenList->TokenAt(i) : nullptr;
}
int ItemCount(const TRk_List* l) { return l ? l->Count() : 0; }
TRk_Node* NodeItem(const TRk_List* l, int i) {
    if (!l || i < 0 || i >= l->Count()) return nullptr;
    TRkVisitedAbs* item = l->Items[static_cast<std::size_t>(i)];
    return item ? item->AsNode() : nullptr;
}
TSourceToken* TokenItem(const TRk_List* l, int i) {
    if (!l || i < 0 || i >= l->Count()) return nullptr;
    TRkVisitedAbs* item = l->Items[static_cast<std::size_t>(i)];
    return item ? item->AsToken() : nullptr;
}
void AddOwnToken(TRk_Node* n, TSourceToken* t) {
    if (n && t && n->TokenList) n->TokenList->Add(t);
}
void Tok(TSourceToken* t, TRkVisitorAbs* v) {
    if (t) t->Accept(v);
}
void Node(TRkVisitedAbs* n, TRkVisitorAbs* v) {
    if (n) n->Accept(v);
}

void UsePrinter(TRk_Node* n) {
    if (n && !n->PP() && RkStatementPPFactory) n->SetPP(RkStatementPPFactory(n));
}

bool IsBlankText(const std::string& s) { return s.empty() || s == " "; }

std::int32_t IntOf(std::string_view s) {
    // Read as strtol would: leading white space, then one sign.
    const char* b = s.data();
    const char* e = b + s.size();
    while (b != e && (*b == ' ' || (*b >= '\t' && *b <= '\r'))) ++b;
    if (b != e && *b == '+' && e - b > 1 && b[1] != '-') ++b;
    std::int32_t v = 0;
    const auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e) return 0;
    return v;
}

void OwnTokensOf(const TRk_Node* n, TRkVisitorAbs* v) {
    for (int i = 0; i < OwnTokenCount(n); ++i) Tok(TokAt(n, i), v);
}

std::string Text(TSourceToken* t) { return t ? std::string(t->GetText()) : std::string(); }
std::string Fmt(TSourceToken* t) { return t ? t->GetFormattedText() : std::string(); }
std::string Plain(TRk_Node* n) { return n ? n->AsText() : std::string(); }
std::string Pretty(TRk_Node* n) { return n ? n->GetPrettyText() : std::string(); }

}  // namespace stmtwalk

// ---------------------------------------------------------------------------
// Name marking reaches the statements through two hooks of the node unit:
// a column qualifier is a table or an alias of the statement's tables, and a
// marked table name is reported through the statement's table-token event.
// Installed here unless the statement unit installed them already.

namespace {

int HookTableOrAliasKind(const std::string& Text, TRk_Node* Statement) {
    TCustomSqlStatement* st = AsSqlStatement(Statement);
    return st ? TableOrAliasKind(Text, st->Tables.get()) : 1;
}

void HookFireTableTokenEvent(TRk_Node* Statement, TRkVisitedAbs* Sender, TSourceToken* Token) {
    TCustomSqlStatement* st = AsSqlStatement(Statement);
    if (!st || !st->GetOnTableTokenEvent()) return;
    TRk_Node* sender = Sender ? Sender->AsNode() : nullptr;
    st->GetOnTableTokenEvent()(sender ? sender : st, Token, st);
}

const bool kStatementHooksInstalled = [] {
    if (!RkStatementHooks.TableOrAliasKind) RkStatementHooks.TableOrAliasKind = HookTableOrAliasKind;
    if (!RkStatementHooks.FireTableTokenEvent) RkStatementHooks.FireTableTokenEvent = HookFireTableTokenEvent;
    return true;
}();

}  // namespace

// ---------------------------------------------------------------------------
// Join lists

void TRkJoinItemList::Add(std::unique_ptr<TRkJoinItem> item) { FItems.push_back(std::move(item)); }
void TRkJoinItemList::Clear() { FItems.clear(); }
TRkJoinItem* TRkJoinItemList::GetJoinItem(int index) const {
    if (index < 0 || index >= Count()) throw ERkListError(index);
    return FItems[static_cast<std::size_t>(index)].get();
}
void TRkJoinItemList::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    Frame(this, Visitor, [&] {
        for (auto& item : FItems) item->Accept(Visitor);
    });
}

void TrkJoinList::Add(std::unique_ptr<TRkJoin> join) { FItems.push_back(std::move(join)); }
void TrkJoinList::Clear() { FItems.clear(); }
TRkJoin* TrkJoinList::GetJoin(int index) const {
    if (index < 0 || index >= Count()) throw ERkListError(index);
    return FItems[static_cast<std::size_t>(index)].get();
}
void TrkJoinList::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    Frame(this, Visitor, [&] {
        for (std::size_t i = 0; i < FItems.size(); ++i) {
            if (i > 0) Tok(FItems[i]->SeparatorToken, Visitor);
            FItems[i]->Accept(Visitor);
        }
    });
}

// ---------------------------------------------------------------------------
// TRkJoin

TRkJoin::TRkJoin() = default;
TRkJoin::~TRkJoin() = default;
void TRkJoin::CreatePP() { UsePrinter(this); }

std::string TRkJoin::AsText() {
    if (!TextOverride().empty()) return TextOverride();
    std::string s;
    for (int i = 0; i < ParenCount; ++i) s += Text(TokAt(this, i));
    if (JoinKind < 2) {
        if (Table) s += Table->AsText();
    } else if (NestedJoin) {
        s += NestedJoin->AsText();
    }
    for (int i = 0; i < Items->Count(); ++i) s += " " + Items->GetJoinItem(i)->AsText();
    for (int i = ParenCount; i < 2 * ParenCount; ++i) s += Text(TokAt(this, i));
    if (AliasNode) s += AliasNode->AsText();
    return s;
}

void TRkJoin::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    Frame(this, Visitor, [&] {
        for (int i = 0; i < ParenCount; ++i) Tok(TokAt(this, i), Visitor);
        if (JoinKind == 2 && NestedJoin) NestedJoin->Accept(Visitor);
        else Node(Table, Visitor);
        for (int i = 0; i < Items->Count(); ++i) Items->GetJoinItem(i)->Accept(Visitor);
        for (int i = ParenCount; i < 2 * ParenCount; ++i) Tok(TokAt(this, i), Visitor);
        Node(AliasNode, Visitor);
    });
}

// ---------------------------------------------------------------------------
// TRkJoinItem

TRkJoinItem::TRkJoinItem() = default;
TRkJoinItem::~TRkJoinItem() = default;
void TRkJoinItem::CreatePP() { UsePrinter(this); }

std::string TRkJoinItem::AsText() {
    if (!TextOverride().empty()) return TextOverride();
    std::string s;
    if ((ItemKind == 1 && Table) || (ItemKind == 2 && NestedJoin)) {
        for (int i = 0; i < OwnTokenCount(this); ++i) s += " " + Text(TokAt(this, i));
        s += " " + (ItemKind == 1 ? Table->AsText() : NestedJoin->AsText());
    }
    if (Condition) {
        TRk_Node* q = Condition->SourceNode;
        if (ConditionKind == 1) s += " " + Text(TokAt(q, 0)) + " " + Text(TokAt(q, 1));
        else s += " " + Text(TokAt(q, 0));
        s += " " + Condition->AsText();
        if (ConditionKind == 1) s += " " + Text(TokAt(q, 2));
    }
    return s;
}

void TRkJoinItem::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    Frame(this, Visitor, [&] {
        if ((ItemKind == 1 && Table) || (ItemKind == 2 && NestedJoin)) {
            OwnTokensOf(this, Visitor);
            if (ItemKind == 1) Table->Accept(Visitor);
            else NestedJoin->Accept(Visitor);
        }
        if (Condition) {
            TRk_Node* q = Condition->SourceNode;
            Tok(TokAt(q, 0), Visitor);
            if (ConditionKind == 1) Tok(TokAt(q, 1), Visitor);
            Condition->Accept(Visitor);
            if (ConditionKind == 1) Tok(TokAt(q, 2), Visitor);
        }
    });
}

// ---------------------------------------------------------------------------
// The join builder

namespace {

void TakeAlias(TRkJoin* join, TRk_JoinExpr* node) {
    if (!node->Alias) return;
    join->AliasText = node->Alias->GetAliasName();
    join->AliasHasAs = node->Alias->HasAs;
    join->AliasNode = node->Alias;
}

struct JoinTypeRow {
    std::uint8_t itemType;
    const char* tokens;   // K1, K2 join-type clause tokens; T0, T1 own tokens
};

// Indexed by the raw join type 0..10.
const JoinTypeRow kJoinTypes[] = {
    {3, "0"}, {1, "01"}, {2, "01"}, {0, ""}, {7, "K0"}, {9, "K0"},
    {8, "K0"}, {4, "KL0"}, {6, "KL0"}, {5, "KL0"}, {10, "K0"},
};

}  // namespace

TRkJoin* BuildJoin(TCustomSqlStatement* Statement, TRk_Node* NodeArg, TRkJoin* Join, bool TopLevel,
                   std::unique_ptr<TRkJoin>* Created) {
    // Created receives a join made here when Join was nil (the caller owns it).
    TRkJoin* result = Join;
    auto* node = dynamic_cast<TRk_JoinExpr*>(NodeArg);
    if (!node) return result;
    auto fresh = [&]() -> TRkJoin* {
        auto j = CreateNodeOfClass<TRkJoin>();
        TRkJoin* raw = j.get();
        if (Created) *Created = std::move(j);
        return raw;
    };

    if (node->JoinType == 11) {
        if (TopLevel) {
            if (!result) result = fresh();
            std::unique_ptr<TRkJoin> inner;
            TRkJoin* innerRaw = BuildJoin(Statement, node->LeftRef, nullptr, true, &inner);
            if (!inner) return result;
            TakeAlias(innerRaw, node);
            AddOwnToken(innerRaw, TokAt(node, 0));
            AddOwnToken(innerRaw, TokAt(node, 1));
            innerRaw->ParenCount += 1;
            result->NestedJoin = std::move(inner);
            result->JoinKind = 2;
            return result;
        }
        if (result) {
            // every "(" stays before every ")"
            TRkNodeTokens* list = OwnTokens(result);
            if (TSourceToken* close = TokAt(node, 1)) list->Insert(result->ParenCount, close);
            if (TSourceToken* open = TokAt(node, 0)) list->Insert(result->ParenCount, open);
        } else {
            result = fresh();
            TakeAlias(result, node);
            AddOwnToken(result, TokAt(node, 0));
            AddOwnToken(result, TokAt(node, 1));
        }
        result->ParenCount += 1;
        return BuildJoin(Statement, node->LeftRef, result, false, nullptr);
    }

    TRk_Node* left = node->LeftRef;
    if (left && left->NodeKind == 59) {
        std::unique_ptr<TRkJoin> made;
        TRkJoin* r = BuildJoin(Statement, left, result, result ? true : TopLevel, result ? nullptr : &made);
        if (made && Created) *Created = std::move(made);
        result = r;
    } else if (left && left->NodeKind == 174) {
        if (!result) result = fresh();
        TRkTable* table = Statement->AddTableFromTableRef(left);
        result->Table = table;
        if (table) table->Join = result;
        result->JoinKind = 1;
    }

    TRkJoinItem* item = nullptr;
    TRk_Node* right = node->RightRef;
    if (result && right) {
        if (right->NodeKind == 59) {
            auto it = CreateNodeOfClass<TRkJoinItem>();
            it->ItemKind = 2;
            std::unique_ptr<TRkJoin> nested;
            BuildJoin(Statement, right, nullptr, false, &nested);
            it->NestedJoin = std::move(nested);
            item = it.get();
            result->Items->Add(std::move(it));
        } else if (right->NodeKind == 174) {
            auto it = CreateNodeOfClass<TRkJoinItem>();
            TRkTable* table = Statement->AddTableFromTableRef(right);
            it->Table = table;
            if (table) table->JoinItem = it.get();
            it->ItemKind = 1;
            item = it.get();
            result->Items->Add(std::move(it));
        }
    }

    if (item) {
        if (node->JoinType <= 10) {
            const JoinTypeRow& row = kJoinTypes[node->JoinType];
            item->JoinType = row.itemType;
            auto* clause = dynamic_cast<TRk_DummyNode*>(node->JoinTypeClause);
            for (const char* p = row.tokens; *p; ++p) {
                TSourceToken* t = nullptr;
                switch (*p) {
                case 'K': t = clause ? clause->Tok1 : nullptr; break;
                case 'L': t = clause ? clause->Tok2 : nullptr; break;
                case '0': t = TokAt(node, 0); break;
                case '1': t = TokAt(node, 1); break;
                }
                AddOwnToken(item, t);
            }
        }
        if (auto* qual = dynamic_cast<TRk_joinqual*>(node->Qualification)) {
            item->ConditionKind = static_cast<std::uint8_t>(qual->QualKind);
            if (qual->QualKind == 1) {
                item->OwnedCondition = CreateNodeOfClass<TRkCustomExpression>();
                TRkCustomExpression* e = item->OwnedCondition.get();
                e->ExprType = Expr_namelist;
                e->LeftOperand = qual->UsingList;
                item->Condition = e;
                Statement->CollectFieldsInExpr(e);
            } else if (qual->QualKind == 2) {
                item->Condition = dynamic_cast<TRkCustomExpression*>(qual->OnCondition);
                if (item->Condition) {
                    item->Condition->AfterAttach();
                    Statement->CollectFieldsInExpr(item->Condition);
                }
            }
            if (item->Condition) item->Condition->SourceNode = qual;
        }
    }
    return result;
}

void AddFromItems(TCustomSqlStatement* Statement, TRk_List* Items, TrkJoinList* Joins) {
    for (int i = 0; i < ItemCount(Items); ++i) {
        TRk_Node* item = NodeItem(Items, i);
        if (!item) continue;
        std::unique_ptr<TRkJoin> join;
        if (item->NodeKind == 59) {
            BuildJoin(Statement, item, nullptr, true, &join);
        } else if (item->NodeKind == 174) {
            TRkTable* table = Statement->AddTableFromTableRef(item);
            join = CreateNodeOfClass<TRkJoin>();
            join->Table = table;
        }
        if (!join) continue;
        join->SeparatorToken = item->SeparatorToken;
        Joins->Add(std::move(join));
    }
}

// ---------------------------------------------------------------------------
// ORDER BY

void TRkOrderByList::Add(std::unique_ptr<TRkOrderBy> item) { FItems.push_back(std::move(item)); }
TRkOrderBy* TRkOrderByList::GetOrderBy(int index) const {
    if (index < 0 || index >= Count()) throw ERkListError(index);
    return FItems[static_cast<std::size_t>(index)].get();
}
void TRkOrderByList::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    Frame(this, Visitor, [&] {
        for (std::size_t i = 0; i < FItems.size(); ++i) {
            if (i > 0) Tok(FItems[i]->SeparatorToken, Visitor);
            FItems[i]->Accept(Visitor);
        }
    });
}

std::string TRkOrderBy::AsText() {
    if (!TextOverride().empty()) return TextOverride();
    if (SortItemType == sitNone) return {};
    std::string s;
    if (SortItemType == sitSubquery) s = Pretty(sortSubquery);
    else s = Pretty(SortExpr);
    auto* src = dynamic_cast<TRk_SortGroupBy*>(SourceNode);
    if (!src) return s;
    // ASC, DESC, or USING and its operator.
    if (src->SortToken) s += " " + Fmt(src->SortToken);
    if (src->UsingOperator) s += " " + Fmt(src->UsingOperator);
    if (src->NullsOrder > 0)
        s += " " + Fmt(TokAt(src->NullsClause, 0)) + " " + Fmt(TokAt(src->NullsClause, 1));
    return s;
}

void TRkOrderBy::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    Frame(this, Visitor, [&] {
        if (SortItemType == sitExpression) Node(SortExpr, Visitor);
        else if (SortItemType == sitSubquery) Node(sortSubquery, Visitor);
        auto* src = dynamic_cast<TRk_SortGroupBy*>(SourceNode);
        if (!src) return;
        Tok(src->SortToken, Visitor);
        Tok(src->UsingOperator, Visitor);
        if (src->NullsOrder > 0) {
            Tok(TokAt(src->NullsClause, 0), Visitor);
            Tok(TokAt(src->NullsClause, 1), Visitor);
        }
    });
}

// ---------------------------------------------------------------------------
// FOR UPDATE

TRkForUpdate::~TRkForUpdate() = default;

std::string TRkForUpdate::GetPrettyText() {
    if (!SourceNode) return {};
    if (!TextOverride().empty()) return TextOverride();
    auto T = [&](int i) { return Fmt(TokAt(SourceNode, i)); };
    std::string s;
    switch (ForUpdateKind) {
    case 1: return T(0) + " " + T(1) + " " + T(2);
    case 2: s = T(0) + " " + T(1); break;
    case 0:
        s = T(0) + " " + T(1) + " " + T(2) + " ";
        s += IndentText(Pretty(Columns.get()), LastLineLength(s) + 1);
        break;
    default: return {};
    }
    if (WaitOption == 1 || WaitOption == 2) {
        if (auto* clause = dynamic_cast<TRk_for_update_clause*>(SourceNode)) {
            for (int i = 0; i < OwnTokenCount(clause->WaitOption); ++i)
                s += " " + Fmt(TokAt(clause->WaitOption, i));
        }
    }
    return s;
}

void TRkForUpdate::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    Frame(this, Visitor, [&] {
        if (!SourceNode) return;
        auto T = [&](int i) { Tok(TokAt(SourceNode, i), Visitor); };
        auto wait = [&] {
            if (WaitOption != 1 && WaitOption != 2) return;
            if (auto* clause = dynamic_cast<TRk_for_update_clause*>(SourceNode))
                OwnTokensOf(clause->WaitOption, Visitor);
        };
        switch (ForUpdateKind) {
        case 1: T(0); T(1); T(2); break;
        case 0: T(0); T(1); T(2); Node(Columns.get(), Visitor); wait(); break;
        case 2: T(0); T(1); wait(); break;
        default: break;
        }
    });
}

// ---------------------------------------------------------------------------
// TOP

std::string TRkTopClause::GetPrettyText() {
    if (!TextOverride().empty()) return TextOverride();
    std::string s = Fmt(TokAt(this, 0)) + " " + Fmt(NumberToken);
    if (percent) s += " " + Fmt(TokAt(this, 1));
    if (withties) {
        int k = percent ? 2 : 1;
        s += " " + Fmt(TokAt(this, k)) + " " + Fmt(TokAt(this, k + 1));
    }
    return s;
}

void TRkTopClause::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    Frame(this, Visitor, [&] {
        Tok(TokAt(this, 0), Visitor);
        Tok(NumberToken, Visitor);
        if (percent) Tok(TokAt(this, 1), Visitor);
        if (withties) {
            int k = percent ? 2 : 1;
            Tok(TokAt(this, k), Visitor);
            Tok(TokAt(this, k + 1), Visitor);
        }
    });
}
