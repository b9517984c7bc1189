// The select statement: analysis of a raw query tree into fields, tables,
// joins and clause objects; the rebuilt SQL text; the source-order walk.
#include "statementstructure/sqlstatement_select.h"

#include "process/rkchainwalk.h"

#include <cstdlib>
#include <exception>
#include <new>

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"

using namespace stmtwalk;

namespace {

const char* const kSetOperatorWords[] = {"", "union", "union all", "minus", "intersect"};

std::string LowerAscii(std::string s) {
    for (char& c : s) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 'A' && u <= 'Z') c = static_cast<char>(u - 'A' + 'a');
    }
    return s;
}

std::string Repeat(const char* s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

// Joins list items by the formatting options' separator layout.
void AppendSeparator(std::string& text, const std::string& sep, std::uint8_t oneLine) {
    PlaceSeparatorInPlace(text, sep, oneLine, FmtOpt.SeparatorStyle);
}

}  // namespace

// ---------------------------------------------------------------------------

std::unique_ptr<TSelectSqlStatement> NewSubSelect(TCustomSqlStatement* Creator, TRk_Node* Root,
                                                  bool HandEvents) {
    auto s = CreateNodeOfClass<TSelectSqlStatement>(Creator ? Creator->DbVendor : 0);
    s->RootNode = Root;
    if (Creator && HandEvents) {
        s->SetOnTableTokenEvent(Creator->GetOnTableTokenEvent());
        s->SetOnFieldTokenEvent(Creator->GetOnFieldTokenEvent());
    }
    s->AnalyzeParseTree();
    return s;
}

std::unique_ptr<TCustomSqlStatement> NewSelectSqlStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TSelectSqlStatement>(Vendor);
}

TSelectSqlStatement::TSelectSqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    StatementType = sstSelect;
    NodeKind = 179;
}

// A long set-operation chain nests its statements down the left side: they
// are freed one at a time, not by recursion through each LeftStatement.
TSelectSqlStatement::~TSelectSqlStatement() { FreeLeftChain(); }

void TSelectSqlStatement::FreeLeftChain() {
    std::unique_ptr<TSelectSqlStatement> next = std::move(LeftStatement);
    while (next) {
        std::unique_ptr<TSelectSqlStatement> after = std::move(next->LeftStatement);
        next.reset();
        next = std::move(after);
    }
}

bool TSelectSqlStatement::IsSetOperation() const { return SetOperator >= 1 && SetOperator <= 4; }

std::vector<TSelectSqlStatement*> TSelectSqlStatement::LeftChain() {
    std::vector<TSelectSqlStatement*> chain{this};
    for (TSelectSqlStatement* s = LeftStatement.get(); s && s->IsSetOperation(); s = s->LeftStatement.get())
        chain.push_back(s);
    return chain;
}

void TSelectSqlStatement::ClearClauseOverrides() {
    SelectListOverride.clear();
    FromOverride.clear();
    IntoOverride.clear();
    ConnectByOverride.clear();
    StartWithOverride.clear();
    GroupByOverride.clear();
    HavingOverride.clear();
    ForUpdateOverride.clear();
    TopOverride.clear();
    LimitOverride.clear();
    OrderByOverride.clear();
    WhereOverride.clear();
}

void TSelectSqlStatement::Reset() {
    ClearModel();
    TCustomSqlStatement::Reset();
}

void TSelectSqlStatement::ClearModel() {
    SetOperator = 0;
    ForUpdate.reset();
    GroupByExpr.reset();
    IntoExpr.reset();
    OrderByList.reset();
    FreeLeftChain();
    RightStatement.reset();
    JoinList.ClearIfMade();
    BulkCollect = 0;
    // Nothing may keep pointing into a tree that the parser frees on its
    // next run.
    StartWith = nullptr;
    ConnectBy = nullptr;
    Having = nullptr;
    Distinct = nullptr;
    TopClause = nullptr;
    Compute = nullptr;
    Limit = nullptr;
    OuterParens = 0;
    InnerParens = 0;
    ClearAnalysis();
    WhereNode = nullptr;
}

int TSelectSqlStatement::AnalyzeParseTree() {
    auto* root = dynamic_cast<TRk_SelectStmt*>(RootNode);
    if (!RootNode || RootNode->NodeKind != 170 || !root) return -1;
    int result = -1;
    try {
        ClearModel();   // a second analysis of the same tree collects nothing twice
        SetOperator = root->SetOperation;
        if (OuterParens == 0) OuterParens = root->ParenCount;
        if (InnerParens == 0) InnerParens = root->InnerParenCount;
        if (IsSetOperation()) {
            AnalyzeSetOperationChain();
            return 0;
        }

        SetDistinct(root->DistinctClause);
        if (auto* d = dynamic_cast<TRk_SelectDistinct*>(Distinct); d && !d->KeywordToken)
            Distinct = nullptr;

        if (auto* top = dynamic_cast<TRkTopClause*>(root->TopClause)) {
            TopClause = top;
            top->topnumber = top->NumberToken ? IntOf(top->NumberToken->GetText()) : 0;
        }

        AddFromItems(this, root->FromList, JoinList.get());

        // select list
        for (int i = 0; i < ItemCount(root->TargetList); ++i) {
            auto* item = dynamic_cast<TRk_ResTarget*>(NodeItem(root->TargetList, i));
            if (!item) continue;
            auto field = CreateNodeOfClass<TRkField>();
            TRkField* f = field.get();
            f->SeparatorToken = item->SeparatorToken;
            f->SourceNode = item;
            f->AliasNode = item->AliasClause;
            Fields->Add(field.release());
            AddFieldFromNode(item->ValueExpr, f);
            if (GetOnFieldEvent()) GetOnFieldEvent()(this, this, f);
            if (TRk_AliasClause* alias = item->AliasClause) {
                TSourceToken* t = alias->AliasToken;
                if (!t) t = TokenItem(alias->NameParts, ItemCount(alias->NameParts) - 1);
                if (t) {
                    t->DbObjKind = 5;
                    if (GetOnFieldTokenEvent()) GetOnFieldTokenEvent()(f, t, this);
                }
            }
        }

        // INTO
        if (root->IntoList) {
            IntoExpr = CreateNodeOfClass<TRkCustomExpression>();
            IntoExpr->ExprType = Expr_exprlist;
            IntoExpr->LeftOperand = root->IntoList;
            BulkCollect = root->IsBulkCollect;
        }

        // WHERE
        if (root->WhereCondition) {
            SetWhereNode(root->WhereCondition);
            CollectFieldsInExpr(WhereNode);
            if (auto* e = dynamic_cast<TRkCustomExpression*>(WhereNode)) e->AfterAttach();
        } else {
            SetWhereNode(nullptr);
        }

        // START WITH / CONNECT BY
        StartWith = nullptr;
        ConnectBy = nullptr;
        if (auto* h = dynamic_cast<TRk_hierarchial_query_clause*>(root->HierarchicalClause)) {
            if (h->ConnectByCondition) {
                ConnectBy = h->ConnectByCondition;
                if (auto* e = dynamic_cast<TRkCustomExpression*>(ConnectBy)) e->AfterAttach();
                CollectFieldsInExpr(ConnectBy);
            }
            if (h->StartWithCondition) {
                StartWith = h->StartWithCondition;
                CollectFieldsInExpr(StartWith);
                if (auto* e = dynamic_cast<TRkCustomExpression*>(StartWith)) e->AfterAttach();
            }
        }

        // GROUP BY
        if (root->GroupByList) {
            GroupByExpr = CreateNodeOfClass<TRkCustomExpression>();
            GroupByExpr->ExprType = Expr_exprlist;
            GroupByExpr->LeftOperand = root->GroupByList;
            GroupByExpr->AfterAttach();
            CollectFieldsInExpr(GroupByExpr.get());
        }

        // HAVING
        Having = root->HavingCondition;
        if (Having) {
            if (auto* e = dynamic_cast<TRkCustomExpression*>(Having)) e->AfterAttach();
            CollectFieldsInExpr(Having);
        }

        Limit = root->LimitClause;
        AnalyzeOrderBy(root, false);
        Compute = root->ComputeClause;
        AnalyzeForUpdate(root);

        ClearClauseOverrides();
        Parsed = true;
        result = 0;
    } catch (const std::exception&) {
    }
    return result;
}

namespace {

TRk_SelectStmt* SetOperationNode(TRk_Node* n) {
    auto* s = dynamic_cast<TRk_SelectStmt*>(n);
    return s && s->NodeKind == 170 && s->SetOperation >= 1 && s->SetOperation <= 4 ? s : nullptr;
}

}  // namespace

// A chain "q1 UNION q2 UNION ... qN" is left-deep: one statement per
// operator down the left side.  Those statements are made in a loop, then
// analysed from the innermost out, so the operands are analysed (and their
// tables reported) in source order with no recursion per operator.
void TSelectSqlStatement::AnalyzeSetOperationChain() {
    std::vector<TSelectSqlStatement*> chain{this};
    while (TRk_SelectStmt* left = SetOperationNode(static_cast<TRk_SelectStmt*>(chain.back()->RootNode)->LeftSelect)) {
        TSelectSqlStatement* outer = chain.back();
        outer->LeftStatement = CreateNodeOfClass<TSelectSqlStatement>(DbVendor);
        TSelectSqlStatement* inner = outer->LeftStatement.get();
        inner->RootNode = left;
        inner->SetOnTableTokenEvent(outer->GetOnTableTokenEvent());
        inner->SetOnFieldTokenEvent(outer->GetOnFieldTokenEvent());
        inner->SetOperator = left->SetOperation;
        inner->OuterParens = left->ParenCount;
        inner->InnerParens = left->InnerParenCount;
        chain.push_back(inner);
    }
    TSelectSqlStatement* innermost = chain.back();
    innermost->LeftStatement =
        NewSubSelect(innermost, static_cast<TRk_SelectStmt*>(innermost->RootNode)->LeftSelect);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) (*it)->AnalyzeSetOperationTail();
}

// What a set operation holds besides its left operand.
void TSelectSqlStatement::AnalyzeSetOperationTail() {
    auto* root = static_cast<TRk_SelectStmt*>(RootNode);
    RightStatement = NewSubSelect(this, root->RightSelect);
    AnalyzeOrderBy(root, true);
    // A LIMIT after the last operand limits the whole set operation.
    Limit = root->LimitClause;
    AnalyzeForUpdate(root);
    Parsed = true;
}

void TSelectSqlStatement::AnalyzeOrderBy(TRk_Node* rootNode, bool setOperation) {
    auto* root = static_cast<TRk_SelectStmt*>(rootNode);
    OrderByList.reset();
    if (!root->SortList) return;
    OrderByList = CreateNodeOfClass<TRkOrderByList>();
    for (int i = 0; i < ItemCount(root->SortList); ++i) {
        auto* item = dynamic_cast<TRk_SortGroupBy*>(NodeItem(root->SortList, i));
        if (!item) continue;
        auto ob = CreateNodeOfClass<TRkOrderBy>();
        ob->SourceNode = item;
        ob->SeparatorToken = item->SeparatorToken;
        TRk_Node* expr = item->SortExpr;
        if (expr && expr->NodeKind == 170) {
            auto sub = NewSubSelect(this, expr);
            ob->sortSubquery = sub.get();
            SubStatements.push_back(std::move(sub));
            ob->SortItemType = sitSubquery;
        } else if (auto* wrapped = dynamic_cast<TSelectSqlStatement*>(expr)) {
            // A query that the parser already wrapped and analyzed is kept.
            ob->sortSubquery = wrapped;
            ob->SortItemType = sitSubquery;
        } else {
            ob->SortItemType = sitExpression;
            ob->SortExpr = dynamic_cast<TRkCustomExpression*>(expr);
            if (ob->SortExpr) {
                ob->SortExpr->AfterAttach();
                CollectFieldsInExpr(ob->SortExpr);
            }
        }
        if (item->SortToken) {
            std::string dir = LowerAscii(std::string(item->SortToken->GetText()));
            if (dir == "asc") ob->SortType = srtAsc;
            else if (dir == "desc") ob->SortType = srtDesc;
        }
        if (!setOperation) {
            if (item->NullsOrder == 1) ob->SortNulls = srnNullsFirst;
            else if (item->NullsOrder == 2) ob->SortNulls = srnNullsLast;
        }
        OrderByList->Add(std::move(ob));
    }
}

void TSelectSqlStatement::AnalyzeForUpdate(TRk_Node* rootNode) {
    auto* root = static_cast<TRk_SelectStmt*>(rootNode);
    ForUpdate.reset();
    auto* clause = dynamic_cast<TRk_for_update_clause*>(root->ForUpdateClause);
    if (!clause) return;
    auto fu = CreateNodeOfClass<TRkForUpdate>();
    fu->SourceNode = clause;
    auto waitOption = [&]() {
        auto* holder = dynamic_cast<TRk_DummyNode*>(clause->WaitOption);
        if (!holder) return;
        std::string word(holder->GetStr1());
        if (word.empty()) word = Text(TokAt(holder, 0));
        if (LowerAscii(word) == "nowait") {
            fu->WaitOption = 1;
        } else {
            fu->WaitOption = 2;
            fu->WaitValue = holder->Sub1 ? holder->Sub1 : holder;
        }
    };
    switch (clause->ForUpdateKind) {
    case 1: {
        fu->ForUpdateKind = 0;
        waitOption();
        auto cols = CreateNodeOfClass<TRkCustomExpression>();
        cols->ExprType = Expr_QualifiedNamelist;
        cols->LeftOperand = clause->ColumnList;
        CollectFieldsInExpr(cols.get());
        fu->Columns = std::move(cols);
        break;
    }
    case 2: fu->ForUpdateKind = 1; break;
    case 3:
        fu->ForUpdateKind = 2;
        waitOption();
        break;
    default: return;
    }
    ForUpdate = std::move(fu);
}

// ---------------------------------------------------------------------------
// Clause getters

std::string TSelectSqlStatement::GetDistinctText() {
    if (!DistinctOverride.empty()) return DistinctOverride;
    return Pretty(Distinct);
}

std::string TSelectSqlStatement::GetTopText() {
    if (!TopOverride.empty()) return TopOverride;
    return Plain(TopClause);
}

std::string TSelectSqlStatement::GetSelectListText() {
    if (!SelectListOverride.empty()) return SelectListOverride;
    std::string text;
    for (int i = 0; i < Fields->Count(); ++i) {
        TRkField* f = Fields->GetField(i);
        f->PrettyMode = PrettyMode;
        if (PrettyMode && f->SubQuery) f->SubQuery->PrettyMode = PrettyMode;
        if (i > 0) AppendSeparator(text, ",", FmtOpt.ListOneLine);
        text += IndentAfter(text, f->AsText());
    }
    return text;
}

std::string TSelectSqlStatement::GetSelectListPrettyText() {
    std::string text;
    for (int i = 0; i < Fields->Count(); ++i) {
        TRkField* f = Fields->GetField(i);
        f->PrettyMode = PrettyMode;
        if (i > 0) AppendSeparator(text, Fmt(f->SeparatorToken), FmtOpt.ListOneLine);
        text += IndentAfter(text, f->GetPrettyText());
    }
    return text;
}

std::string TSelectSqlStatement::GetIntoText() {
    if (!IntoOverride.empty()) return IntoOverride;
    return Pretty(IntoExpr.get());
}

std::string TSelectSqlStatement::GetFromText() {
    if (!FromOverride.empty()) return FromOverride;
    std::string text;
    for (int i = 0; i < JoinList->Count(); ++i) {
        TRkJoin* j = JoinList->GetJoin(i);
        if (i > 0) text += j->SeparatorToken ? Text(j->SeparatorToken) : std::string(",");
        text += j->AsText();
    }
    return text;
}

std::string TSelectSqlStatement::GetJoinListPrettyText() {
    std::string text;
    for (int i = 0; i < JoinList->Count(); ++i) {
        TRkJoin* j = JoinList->GetJoin(i);
        if (i > 0) {
            AppendSeparator(text, Fmt(j->SeparatorToken), FmtOpt.TableListOneLine);
        }
        text += j->GetPrettyText();
    }
    return text;
}

std::string TSelectSqlStatement::GetStartWithText() {
    if (!StartWithOverride.empty()) return StartWithOverride;
    return Plain(StartWith);
}

std::string TSelectSqlStatement::GetConnectByText() {
    if (!ConnectByOverride.empty()) return ConnectByOverride;
    return Plain(ConnectBy);
}

std::string TSelectSqlStatement::GetGroupByText() {
    if (!GroupByOverride.empty()) return GroupByOverride;
    return Plain(GroupByExpr.get());
}

std::string TSelectSqlStatement::GetGroupByPrettyText() { return Pretty(GroupByExpr.get()); }

std::string TSelectSqlStatement::GetHavingText() {
    if (!HavingOverride.empty()) return HavingOverride;
    return PrettyMode ? Pretty(Having) : Plain(Having);
}

std::string TSelectSqlStatement::GetOrderByText() {
    if (!OrderByOverride.empty()) return OrderByOverride;
    std::string text;
    if (!OrderByList) return text;
    for (int i = 0; i < OrderByList->Count(); ++i) {
        TRkOrderBy* o = OrderByList->GetOrderBy(i);
        if (i > 0) AppendSeparator(text, Fmt(o->SeparatorToken), FmtOpt.OrderByListOneLine);
        text += o->AsText();
    }
    return text;
}

std::string TSelectSqlStatement::GetLimitText() {
    if (!LimitOverride.empty()) return LimitOverride;
    return Pretty(Limit);
}

std::string TSelectSqlStatement::GetComputeText() {
    if (!ComputeOverride.empty()) return ComputeOverride;
    return Pretty(Compute);
}

std::string TSelectSqlStatement::GetForUpdateText() {
    if (!ForUpdateOverride.empty()) return ForUpdateOverride;
    return Pretty(ForUpdate.get());
}

// ---------------------------------------------------------------------------
// Rebuilt text

// The LIMIT clause once, after ORDER BY, the place that accepts it.
void TSelectSqlStatement::AppendLimitText(std::string& Text) {
    auto* lim = dynamic_cast<TRk_SelectLimitClause*>(Limit);
    if (!lim) return;
    const std::string s = GetLimitText();
    if (IsBlankText(s)) return;
    TSourceToken* kw = lim->LimitKeyword ? lim->LimitKeyword : TokAt(lim, 0);
    EnsureLineBreakInPlace(Text);
    Text += (kw ? stmtwalk::Text(kw) : std::string("limit")) + " " + s;
}

// A set operation's text after its opening parentheses and its left
// operand's text.
void TSelectSqlStatement::AppendSetOperationText(std::string& text) {
    EnsureLineBreakInPlace(text);
    text += EnsureLineBreak(kSetOperatorWords[SetOperator]);
    if (RightStatement) text += RightStatement->GetText();
    text += Repeat(")", InnerParens);
    std::string order = GetOrderByText();
    if (!IsBlankText(order)) text += "\r\nOrder by " + order;
    AppendLimitText(text);
    std::string forUpdate = GetForUpdateText();
    if (!IsBlankText(forUpdate)) text += "\r\n" + forUpdate;
    text += Repeat(")", OuterParens);
}

void TSelectSqlStatement::BuildSqlText() {
    if (!Parsed) Parse(false);
    if (!Parsed) {
        TextCache = ErrorMessages();
        return;
    }
    std::string text;
    if (IsSetOperation()) {
        // The chain's left side in a loop, appending from its first operand
        // out; the opening parentheses of every level come first.
        const std::vector<TSelectSqlStatement*> chain = LeftChain();
        for (TSelectSqlStatement* s : chain) text.append(static_cast<size_t>(s->OuterParens + s->InnerParens), '(');
        if (TSelectSqlStatement* first = chain.back()->LeftStatement.get()) text += first->GetText();
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) (*it)->AppendSetOperationText(text);
        TextCache = text;
        return;
    }

    text = Repeat("(", OuterParens + InnerParens) + "Select ";
    std::string s = GetDistinctText();
    if (!s.empty()) text += s + " ";
    s = GetTopText();
    if (!IsBlankText(s)) text += s + " ";
    text += GetSelectListText();
    s = GetIntoText();
    if (!IsBlankText(s)) text += (BulkCollect ? "\r\nbulk collect into " : "\r\ninto ") + s;
    s = GetFromText();
    if (!s.empty()) text = EnsureLineBreak(text) + "From " + s;
    auto clause = [&](const std::string& body, const char* keyword) {
        if (!IsBlankText(body)) text = EnsureLineBreak(text) + keyword + body;
    };
    clause(GetWhereText(), "Where ");
    clause(GetStartWithText(), "start with ");
    clause(GetConnectByText(), "connect by ");
    clause(GetGroupByText(), "Group by ");
    clause(GetHavingText(), "Having ");
    s = GetOrderByText();
    if (!IsBlankText(s)) {
        text += Repeat(")", InnerParens);
        text = EnsureLineBreak(text) + "Order by " + s;
    }
    AppendLimitText(text);
    clause(GetComputeText(), "compute ");
    s = GetForUpdateText();
    if (!IsBlankText(s)) text = EnsureLineBreak(text) + s;
    if (OuterParens > 0) {
        for (int i = 2 * InnerParens + OuterParens; i <= 2 * (OuterParens + InnerParens) - 1; ++i)
            text += Fmt(TokAt(RootNode, i));
    }
    TextCache = text;
}

// ---------------------------------------------------------------------------
// Walk

TRk_SelectStmt* TSelectSqlStatement::QueryRoot() const {
    auto* root = dynamic_cast<TRk_SelectStmt*>(RootNode);
    return root && RootNode->NodeKind == 170 ? root : nullptr;
}

// The left operand when it continues the chain of set operations.
TSelectSqlStatement* TSelectSqlStatement::ChainLeft() const {
    TSelectSqlStatement* left = LeftStatement.get();
    return left && left->IsSetOperation() && left->QueryRoot() ? left : nullptr;
}

void TSelectSqlStatement::VisitOpening(TRkVisitorAbs* Visitor) {
    for (int i = 0; i < OuterParens + InnerParens; ++i) Tok(TokAt(RootNode, i), Visitor);
}

void TSelectSqlStatement::VisitClosing(TRkVisitorAbs* Visitor, bool Inner) {
    const int parens = OuterParens + InnerParens;
    const int from = Inner ? parens : parens + InnerParens;
    const int to = Inner ? parens + InnerParens : 2 * parens;
    for (int i = from; i < to; ++i) Tok(TokAt(RootNode, i), Visitor);
}

void TSelectSqlStatement::VisitOrderBy(TRkVisitorAbs* Visitor) {
    TRk_SelectStmt* root = QueryRoot();
    if (!root->SortList) return;
    VisitClosing(Visitor, true);
    Tok(TokAt(root->OrderByClause, 0), Visitor);
    Tok(TokAt(root->OrderByClause, 1), Visitor);
    Node(OrderByList.get(), Visitor);
}

// What a set operation's walk visits after its left operand, its PostVisit
// included.
void TSelectSqlStatement::AcceptSetOperationTail(TRkVisitorAbs& V) {
    TRk_SelectStmt* root = QueryRoot();
    Tok(root->SetOperatorToken, &V);
    Tok(root->SetAllToken, &V);
    Node(RightStatement.get(), &V);
    VisitOrderBy(&V);
    Node(root->LimitClause, &V);
    Node(ForUpdate.get(), &V);
    VisitClosing(&V, false);
    V.PostVisit(this);
}

// The walk of a set-operation chain down its left side in a loop, exactly
// as nested Accept frames would make it: each statement's frame counts
// Depth, is skipped when the visitor is disabled, and a failure inside it
// abandons only the rest of that statement.  This statement's own frame is
// the caller's.
void TSelectSqlStatement::AcceptSetOperationChain(TRkVisitorAbs& V) {
    V.PreVisit(this);
    VisitOpening(&V);
    AcceptLeftChain(
        this, V, [](TSelectSqlStatement* s) { return s->ChainLeft(); },
        [&V](TSelectSqlStatement* s) {
            V.PreVisit(s);
            s->VisitOpening(&V);
        },
        [&V](TSelectSqlStatement* s) { Node(s->LeftStatement.get(), &V); },
        [&V](TSelectSqlStatement* s) { s->AcceptSetOperationTail(V); });
}

void TSelectSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    TRk_SelectStmt* root = QueryRoot();
    if (root && IsSetOperation()) {
        AcceptSetOperationChain(VisitorRef);
        return;
    }
    Frame(this, Visitor, [&] {
        if (!root) return;
        const int parens = OuterParens + InnerParens;
        VisitOpening(Visitor);
        Tok(TokAt(root, 2 * parens), Visitor);   // SELECT
        Node(Distinct, Visitor);
        Node(TopClause, Visitor);
        Node(Fields.get(), Visitor);
        if (root->IntoList) {
            Tok(TokAt(root->IntoClause, 0), Visitor);
            if (BulkCollect) {
                Tok(TokAt(root->IntoClause, 1), Visitor);
                Tok(TokAt(root->IntoClause, 2), Visitor);
            }
            Node(IntoExpr.get(), Visitor);
        }
        if (root->FromList) {
            Tok(TokAt(root->FromClause, 0), Visitor);
            Node(JoinList.get(), Visitor);
        }
        if (root->WhereCondition) {
            OwnTokensOf(root->WhereClause, Visitor);
            Node(WhereNode, Visitor);
        }
        Node(root->HierarchicalClause, Visitor);
        if (root->GroupByList) {
            Tok(TokAt(root->GroupByClause, 0), Visitor);
            Tok(TokAt(root->GroupByClause, 1), Visitor);
            Node(GroupByExpr.get(), Visitor);
        }
        if (root->HavingCondition) {
            Tok(TokAt(root->HavingClause, 0), Visitor);
            Node(Having, Visitor);
        }
        VisitOrderBy(Visitor);
        Node(root->LimitClause, Visitor);
        Node(root->ComputeClause, Visitor);
        Node(ForUpdate.get(), Visitor);
        VisitClosing(Visitor, false);
        Tok(TrailingToken, Visitor);
    });
}

void TSelectSqlStatement::CreatePP() { UsePrinter(this); }

void TSelectSqlStatement::AppendPrettyTextTo(TRk_Node* Target) {
    if (!Target) return;
    std::string& Buffer = Target->PrettyBuffer();
    Buffer += IndentAfter(Buffer, PrettyBuffer());
    if (OuterParens > 0) Buffer += " ";
}
