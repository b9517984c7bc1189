// Query model on hand-built raw trees: FROM-clause joins, ORDER BY, FOR
// UPDATE and TOP clause objects, set operations, the select list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "statementstructure/sqlstatement_select.h"
#include "test_ddl_trees.h"

namespace {

TRk_TableRef* Ref(TreeKit& k, const std::string& name, const std::string& alias = "") {
    auto* r = k.New<TRk_TableRef>();
    r->Source = k.Name(name);
    if (!alias.empty()) {
        r->Alias = k.New<TRk_AliasClause>();
        r->Alias->AliasToken = k.Tok(alias);
    }
    return r;
}

TRkCustomExpression* Equals(TreeKit& k, const std::string& l, const std::string& r) {
    auto* e = k.New<TRkCustomExpression>();
    e->ExprType = Expr_Comparison;
    e->LeftOperand = k.Col(l);
    e->OperatorToken = k.Tok("=", ttEqual);
    e->RightOperand = k.Col(r);
    return e;
}

TRk_JoinExpr* Join(TreeKit& k, TRk_Node* left, TRk_Node* right, std::uint8_t type) {
    auto* j = k.New<TRk_JoinExpr>();
    j->JoinType = type;
    j->LeftRef = left;
    j->RightRef = right;
    return j;
}

// A SELECT block with the holders the grammar always makes.
TRk_SelectStmt* Block(TreeKit& k, TRk_List* from) {
    auto* s = k.New<TRk_SelectStmt>();
    s->SelectToken = k.Kw("select");
    s->TokenList->Add(s->SelectToken);
    s->DistinctClause = k.New<TRk_SelectDistinct>();
    auto* star = k.New<TRk_ResTarget>();
    star->ValueExpr = k.Col("x");
    s->TargetList = k.List({star});
    s->IntoClause = k.New<TRk_DummyNode>();
    auto* fromClause = k.New<TRk_DummyNode>();
    fromClause->TokenList->Add(k.Kw("from"));
    fromClause->List1 = from;
    s->FromClause = fromClause;
    s->FromList = from;
    s->WhereClause = k.New<TRk_DummyNode>();
    s->GroupByClause = k.New<TRk_DummyNode>();
    s->HavingClause = k.New<TRk_DummyNode>();
    return s;
}

std::unique_ptr<TSelectSqlStatement> Analyzed(TRk_Node* root) {
    auto st = CreateNodeOfClass<TSelectSqlStatement>(1);
    st->RootNode = root;
    EXPECT_EQ(st->Parse(true), 0);
    return st;
}

TEST(SelectJoins, JoinChainFlattensIntoOneJoinWithItems) {
    // from a join b on a.x = b.y join c using (z)
    TreeKit k;
    TRk_TableRef* a = Ref(k, "a");
    TSourceToken* join1 = k.Kw("join");
    TRk_TableRef* b = Ref(k, "b");
    auto* on = k.New<TRk_joinqual>();
    on->QualKind = 2;
    on->TokenList->Add(k.Kw("on"));
    on->OnCondition = Equals(k, "a.x", "b.y");
    TRk_JoinExpr* ab = Join(k, a, b, 0);
    ab->TokenList->Add(join1);
    ab->Qualification = on;
    TSourceToken* join2 = k.Kw("join");
    TRk_TableRef* c = Ref(k, "c");
    auto* usingQ = k.New<TRk_joinqual>();
    usingQ->QualKind = 1;
    usingQ->TokenList->Add(k.Kw("using"));
    usingQ->TokenList->Add(k.Tok("(", ttLeftParen));
    usingQ->UsingList = k.List({k.Tok("z")});
    usingQ->TokenList->Add(k.Tok(")", ttRightParen));
    TRk_JoinExpr* abc = Join(k, ab, c, 0);
    abc->TokenList->Add(join2);
    abc->Qualification = usingQ;

    auto st = Analyzed(Block(k, k.List({abc})));
    ASSERT_EQ(st->JoinList->Count(), 1);
    TRkJoin* j = st->JoinList->GetJoin(0);
    EXPECT_EQ(j->JoinKind, 1);
    ASSERT_NE(j->Table, nullptr);
    EXPECT_EQ(j->Table->GetTableText(), "a");
    EXPECT_EQ(j->Table->Join, j);
    ASSERT_EQ(j->Items->Count(), 2);
    TRkJoinItem* ib = j->Items->GetJoinItem(0);
    TRkJoinItem* ic = j->Items->GetJoinItem(1);
    EXPECT_EQ(ib->Table->GetTableText(), "b");
    EXPECT_EQ(ib->JoinType, 3);
    EXPECT_EQ(ib->ConditionKind, 2);
    EXPECT_EQ(ib->Condition, on->OnCondition);
    EXPECT_EQ(ic->Table->GetTableText(), "c");
    EXPECT_EQ(ic->ConditionKind, 1);
    ASSERT_NE(ic->Condition, nullptr);
    EXPECT_EQ(ic->Condition->ExprType, Expr_namelist);
    EXPECT_EQ(ic->Condition->SourceNode, usingQ);
    EXPECT_EQ(st->Tables->Count(), 3);

    TokenRecorder rec;
    j->Accept(&rec);
    EXPECT_EQ(rec.Joined(), "a join b on a . x = b . y join c using ( z )");
}

TEST(SelectJoins, JoinTypeKeywordsGoToTheItem) {
    struct Row {
        std::uint8_t raw;
        std::uint8_t itemType;
        std::vector<std::string> k;   // join-type clause words
        std::vector<std::string> own; // the join's own words
        std::string expected;
    };
    const Row rows[] = {
        {0, 3, {}, {"join"}, "join"},
        {1, 1, {}, {"cross", "join"}, "cross join"},
        {2, 2, {}, {"natural", "join"}, "natural join"},
        {4, 7, {"full"}, {"join"}, "full join"},
        {5, 9, {"left"}, {"join"}, "left join"},
        {6, 8, {"right"}, {"join"}, "right join"},
        {7, 4, {"full", "outer"}, {"join"}, "full outer join"},
        {8, 6, {"left", "outer"}, {"join"}, "left outer join"},
        {9, 5, {"right", "outer"}, {"join"}, "right outer join"},
        {10, 10, {"inner"}, {"join"}, "inner join"},
    };
    for (const Row& r : rows) {
        TreeKit k;
        TRk_TableRef* a = Ref(k, "a");
        auto* clause = k.New<TRk_DummyNode>();
        if (r.k.size() > 0) clause->Tok1 = k.Kw(r.k[0]);
        if (r.k.size() > 1) clause->Tok2 = k.Kw(r.k[1]);
        TRk_JoinExpr* j = Join(k, a, nullptr, r.raw);
        j->JoinTypeClause = clause;
        for (const auto& w : r.own) j->TokenList->Add(k.Kw(w));
        j->RightRef = Ref(k, "b");
        auto st = Analyzed(Block(k, k.List({j})));
        ASSERT_EQ(st->JoinList->Count(), 1);
        TRkJoinItem* item = st->JoinList->GetJoin(0)->Items->GetJoinItem(0);
        EXPECT_EQ(item->JoinType, r.itemType) << r.expected;
        std::string words;
        for (int i = 0; i < item->TokenList->Count(); ++i)
            words += (i ? " " : "") + item->TokenList->GetToken(i)->Text;
        EXPECT_EQ(words, r.expected);
    }
}

TEST(SelectJoins, DoublyParenthesisedJoinNestsTwice) {
    // from ((a join b on a.x = b.y))
    TreeKit k;
    TSourceToken* o1 = k.Tok("(", ttLeftParen);
    TSourceToken* o2 = k.Tok("(", ttLeftParen);
    TRk_TableRef* a = Ref(k, "a");
    TSourceToken* jw = k.Kw("join");
    TRk_TableRef* b = Ref(k, "b");
    auto* on = k.New<TRk_joinqual>();
    on->QualKind = 2;
    on->TokenList->Add(k.Kw("on"));
    on->OnCondition = Equals(k, "a.x", "b.y");
    TSourceToken* c2 = k.Tok(")", ttRightParen);
    TSourceToken* c1 = k.Tok(")", ttRightParen);
    TRk_JoinExpr* ab = Join(k, a, b, 0);
    ab->TokenList->Add(jw);
    ab->Qualification = on;
    TRk_JoinExpr* inner = Join(k, ab, nullptr, 11);
    inner->TokenList->Add(o2);
    inner->TokenList->Add(c2);
    TRk_JoinExpr* outer = Join(k, inner, nullptr, 11);
    outer->TokenList->Add(o1);
    outer->TokenList->Add(c1);

    auto st = Analyzed(Block(k, k.List({outer})));
    ASSERT_EQ(st->JoinList->Count(), 1);
    TRkJoin* top = st->JoinList->GetJoin(0);
    EXPECT_EQ(top->JoinKind, 2);
    ASSERT_NE(top->NestedJoin, nullptr);
    TRkJoin* n1 = top->NestedJoin.get();
    EXPECT_EQ(n1->JoinKind, 2);
    EXPECT_EQ(n1->ParenCount, 1);
    ASSERT_NE(n1->NestedJoin, nullptr);
    TRkJoin* n2 = n1->NestedJoin.get();
    EXPECT_EQ(n2->ParenCount, 1);
    EXPECT_EQ(n2->Table->GetTableText(), "a");
    EXPECT_EQ(n2->Items->Count(), 1);

    TokenRecorder rec;
    top->Accept(&rec);
    EXPECT_EQ(rec.Joined(), "( ( a join b on a . x = b . y ) )");
}

TEST(SelectJoins, CommaSeparatedItemsKeepTheirSeparator) {
    TreeKit k;
    TRk_TableRef* a = Ref(k, "a");
    TSourceToken* comma = k.Tok(",", ttComma);
    TRk_TableRef* b = Ref(k, "b", "bb");
    b->SeparatorToken = comma;
    auto st = Analyzed(Block(k, k.List({a, b})));
    ASSERT_EQ(st->JoinList->Count(), 2);
    EXPECT_EQ(st->JoinList->GetJoin(1)->SeparatorToken, comma);
    EXPECT_EQ(st->JoinList->GetJoin(0)->JoinKind, 0);
    EXPECT_EQ(b->Alias->AliasToken->DbObjKind, okTableAlias);
    const std::string from = st->GetFromText();
    EXPECT_EQ(from, "a,b bb");
}

TEST(SelectJoins, RightOperandWithoutLeadingJoinIsIgnored) {
    TreeKit k;
    TRk_JoinExpr* j = Join(k, nullptr, Ref(k, "b"), 0);
    auto st = CreateNodeOfClass<TSelectSqlStatement>(1);
    std::unique_ptr<TRkJoin> made;
    EXPECT_EQ(BuildJoin(st.get(), j, nullptr, true, &made), nullptr);
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(st->Tables->Count(), 0);
}

// ---------------------------------------------------------------------------
// Clause objects

TEST(SelectClauses, OrderByDirectionAndNullsWithCaseOptions) {
    TreeKit k;
    auto* item = k.New<TRk_SortGroupBy>();
    item->SortExpr = k.Col("a");
    item->SortToken = k.Tok("Desc", ttKeyword);
    auto* nulls = k.New<TRk_DummyNode>();
    nulls->Int1 = 2;
    nulls->TokenList->Add(k.Kw("nulls"));
    nulls->TokenList->Add(k.Kw("last"));
    item->NullsClause = nulls;
    item->NullsOrder = 2;
    auto* asc = k.New<TRk_SortGroupBy>();
    asc->SeparatorToken = k.Tok(",", ttComma);
    asc->SortExpr = k.Col("b");
    asc->SortToken = k.Tok("ASC", ttKeyword);
    asc->NullsOrder = 0;

    TRk_SelectStmt* root = Block(k, k.List({Ref(k, "t")}));
    root->SortList = k.List({item, asc});
    auto* ob = k.New<TRk_DummyNode>();
    ob->TokenList->Add(k.Kw("order"));
    ob->TokenList->Add(k.Kw("by"));
    root->OrderByClause = ob;
    auto st = Analyzed(root);
    ASSERT_NE(st->OrderByList, nullptr);
    ASSERT_EQ(st->OrderByList->Count(), 2);
    TRkOrderBy* o = st->OrderByList->GetOrderBy(0);
    EXPECT_EQ(o->SortType, srtDesc);
    EXPECT_EQ(o->SortNulls, srnNullsLast);
    EXPECT_EQ(o->SortItemType, sitExpression);
    const std::string text = o->AsText();
    EXPECT_EQ(text.rfind("a ", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 16), " DESC NULLS LAST") << text;
    EXPECT_EQ(st->OrderByList->GetOrderBy(1)->SortType, srtAsc);

    // An item without a kind prints nothing, whatever its source says.
    TRkOrderBy none;
    none.SourceNode = item;
    none.SortType = srtDesc;
    EXPECT_EQ(none.AsText(), "");
}

TEST(SelectClauses, ForUpdateWaitOptions) {
    struct Row {
        const char* word;
        std::uint8_t option;
    };
    for (const Row& r : {Row{"NoWait", 1}, Row{"nowait", 1}, Row{"wait", 2}}) {
        TreeKit k;
        TRk_SelectStmt* root = Block(k, k.List({Ref(k, "t")}));
        auto* fu = k.New<TRk_for_update_clause>();
        fu->TokenList->Add(k.Kw("for"));
        fu->TokenList->Add(k.Kw("update"));
        fu->ForUpdateKind = 3;
        auto* wait = k.New<TRk_DummyNode>();
        wait->Str1 = r.word;
        wait->TokenList->Add(k.Kw(r.word));
        if (r.option == 2) wait->TokenList->Add(k.Tok("5", ttNumber));
        fu->WaitOption = wait;
        root->ForUpdateClause = fu;
        auto st = Analyzed(root);
        ASSERT_NE(st->ForUpdate, nullptr);
        EXPECT_EQ(st->ForUpdate->ForUpdateKind, 2);
        EXPECT_EQ(st->ForUpdate->WaitOption, r.option) << r.word;
        if (r.option == 2) {
            EXPECT_NE(st->ForUpdate->WaitValue, nullptr);
            EXPECT_EQ(st->GetForUpdateText(), "FOR UPDATE WAIT 5");
        }
    }
}

TEST(SelectClauses, TopClauseTextsAndNumber) {
    struct Row {
        bool percent, ties;
        const char* number;
        std::int32_t expectedNumber;
        const char* text;
    };
    const Row rows[] = {
        {true, true, "10", 10, "TOP 10 PERCENT WITH TIES"},
        {false, true, "10", 10, "TOP 10 WITH TIES"},
        {false, false, "x1", 0, "TOP x1"},
    };
    for (const Row& r : rows) {
        TreeKit k;
        TRk_SelectStmt* root = Block(k, k.List({Ref(k, "t")}));
        auto* top = k.New<TRkTopClause>();
        top->TokenList->Add(k.Kw("top"));
        top->NumberToken = k.Tok(r.number, ttNumber);
        if (r.percent) top->TokenList->Add(k.Kw("percent"));
        if (r.ties) {
            top->TokenList->Add(k.Kw("with"));
            top->TokenList->Add(k.Kw("ties"));
        }
        top->percent = r.percent;
        top->withties = r.ties;
        root->TopClause = top;
        auto st = Analyzed(root);
        EXPECT_EQ(st->TopClause, top);
        EXPECT_EQ(top->topnumber, r.expectedNumber);
        EXPECT_EQ(top->GetPrettyText(), r.text);
    }
}

TEST(SelectStatement, SelectListAliasIsMarkedOnceAsFieldAlias) {
    TreeKit k;
    TRk_SelectStmt* root = Block(k, k.List({Ref(k, "t")}));
    auto* item = k.New<TRk_ResTarget>();
    item->ValueExpr = k.Col("a");
    item->AliasClause = k.New<TRk_AliasClause>();
    TSourceToken* p1 = k.Tok("x");
    TSourceToken* p2 = k.Tok("y");
    item->AliasClause->NameParts = k.List({p1, p2});
    root->TargetList = k.List({item});
    auto st = CreateNodeOfClass<TSelectSqlStatement>(1);
    int fieldEvents = 0;
    std::vector<std::string> aliasTokens;
    st->SetOnFieldEvent([&](TRk_Node*, TCustomSqlStatement*, TRkField*) { ++fieldEvents; });
    st->SetOnFieldTokenEvent([&](TRk_Node*, TSourceToken* t, TRk_Node*) {
        if (t->DbObjKind == okFieldAlias) aliasTokens.push_back(t->Text);
    });
    st->RootNode = root;
    ASSERT_EQ(st->Parse(true), 0);
    EXPECT_EQ(fieldEvents, 1);
    EXPECT_EQ(p1->DbObjKind, okUnknown);
    EXPECT_EQ(p2->DbObjKind, okFieldAlias);
    EXPECT_EQ(aliasTokens, (std::vector<std::string>{"y"}));
}

TEST(SelectStatement, UnionAnalyzesBothOperands) {
    TreeKit k;
    auto* u = k.New<TRk_SelectStmt>();
    u->SetOperation = 1;
    u->SetOperatorToken = k.Kw("union");
    u->LeftSelect = Block(k, k.List({Ref(k, "a")}));
    u->RightSelect = Block(k, k.List({Ref(k, "b")}));
    auto st = Analyzed(u);
    EXPECT_TRUE(st->Parsed);
    ASSERT_NE(st->LeftStatement, nullptr);
    ASSERT_NE(st->RightStatement, nullptr);
    EXPECT_EQ(st->LeftStatement->Tables->GetTable(0)->GetTableText(), "a");
    const std::string text = st->GetText();
    EXPECT_NE(text.find("\r\nunion\r\n"), std::string::npos) << text;

    // analyzing again keeps one pair of operands and nothing doubled
    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    EXPECT_EQ(st->LeftStatement->Tables->Count(), 1);
}

}  // namespace
