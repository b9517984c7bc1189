// The select statement: analysis of a raw query tree into fields, tables,
// joins and clause objects; the rebuilt SQL text; the source-order walk.
#include "statementstructure/sqlstatement_select.h"

#include <cstdlib>
#include <exception>

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

TSelectSqlStatement::~TSelectSqlStatement() = default;

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
    LeftStatement.reset();
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
        if (SetOperator >= 1 && SetOperator <= 4) {
            LeftStatement = NewSubSelect(this, root->LeftSelect);
            RightStatement = NewSubSelect(this, root->RightSelect);
            AnalyzeOrderBy(root, true);
            // A LIMIT after the last operand limits the whole set operation.
            Limit = root->LimitClause;
            AnalyzeForUpdate(root);
            Parsed = true;
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
    Text = EnsureLineBreak(Text) + (kw ? stmtwalk::Text(kw) : std::string("limit")) + " " + s;
}

void TSelectSqlStatement::BuildSqlText() {
    if (!Parsed) Parse(false);
    if (!Parsed) {
        TextCache = ErrorMessages();
        return;
    }
    std::string text;
    if (SetOperator >= 1 && SetOperator <= 4) {
        std::string left = LeftStatement ? LeftStatement->GetText() : std::string();
        std::string right = RightStatement ? RightStatement->GetText() : std::string();
        text = EnsureLineBreak(left) + EnsureLineBreak(kSetOperatorWords[SetOperator]) + right;
        text = Repeat("(", OuterParens + InnerParens) + text + Repeat(")", InnerParens);
        std::string order = GetOrderByText();
        if (!IsBlankText(order)) text += "\r\nOrder by " + order;
        AppendLimitText(text);
        std::string forUpdate = GetForUpdateText();
        if (!IsBlankText(forUpdate)) text += "\r\n" + forUpdate;
        text += Repeat(")", OuterParens);
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

void TSelectSqlStatement::DoAccept(TRkVisitorAbs& VisitorRef) {
    TRkVisitorAbs* Visitor = &VisitorRef;
    auto* root = dynamic_cast<TRk_SelectStmt*>(RootNode);
    Frame(this, Visitor, [&] {
        if (!root || RootNode->NodeKind != 170) return;
        const int parens = OuterParens + InnerParens;
        for (int i = 0; i < parens; ++i) Tok(TokAt(root, i), Visitor);
        auto innerClosing = [&] {
            for (int i = parens; i < parens + InnerParens; ++i) Tok(TokAt(root, i), Visitor);
        };
        auto outerClosing = [&] {
            for (int i = parens + InnerParens; i < 2 * parens; ++i) Tok(TokAt(root, i), Visitor);
        };
        auto orderBy = [&] {
            if (!root->SortList) return;
            innerClosing();
            Tok(TokAt(root->OrderByClause, 0), Visitor);
            Tok(TokAt(root->OrderByClause, 1), Visitor);
            Node(OrderByList.get(), Visitor);
        };
        if (SetOperator >= 1 && SetOperator <= 4) {
            Node(LeftStatement.get(), Visitor);
            Tok(root->SetOperatorToken, Visitor);
            Tok(root->SetAllToken, Visitor);
            Node(RightStatement.get(), Visitor);
            orderBy();
            Node(root->LimitClause, Visitor);
            Node(ForUpdate.get(), Visitor);
            outerClosing();
            return;
        }
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
        orderBy();
        Node(root->LimitClause, Visitor);
        Node(root->ComputeClause, Visitor);
        Node(ForUpdate.get(), Visitor);
        outerClosing();
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
