// INSERT, UPDATE, DELETE and MERGE analyses on hand-built raw trees.
#include <gtest/gtest.h>

#include <string>

#include "statementstructure/sqlstatement_dml.h"
#include "test_ddl_trees.h"

namespace {

TRk_TableRef* Target(TreeKit& k, const std::string& name) {
    auto* r = k.New<TRk_TableRef>();
    r->Source = k.Name(name);
    return r;
}

TRk_ResTarget* Item(TreeKit& k, const std::string& col, TSourceToken* sep = nullptr) {
    auto* r = k.New<TRk_ResTarget>();
    r->ValueExpr = k.Col(col);
    r->SeparatorToken = sep;
    return r;
}

TRkCustomExpression* Assign(TreeKit& k, const std::string& col, const std::string& value) {
    auto* e = k.New<TRkCustomExpression>();
    e->ExprType = Expr_Comparison;
    e->LeftOperand = k.Name(col);
    e->OperatorToken = k.Tok("=", ttEqual);
    e->TokenList->Add(e->OperatorToken);
    e->RightOperand = k.Col(value);
    return e;
}

TEST(InsertModel, TextByIntoFlagAndValuesKind) {
    struct Row {
        std::uint8_t hasInto;
        bool defaultValues;
        const char* text;
    };
    for (const Row& r : {Row{1, false, "Insert into t values (a,b)"},
                         Row{0, false, "Insert  t values (a,b)"},
                         Row{1, true, "Insert into t default values"}}) {
        TreeKit k;
        auto* root = k.New<TRk_InsertStmt>();
        root->TokenList->Add(k.Kw("insert"));
        if (r.hasInto) root->TokenList->Add(k.Kw("into"));
        root->HasInto = r.hasInto;
        root->TargetTable = Target(k, "t");
        auto* rest = k.New<TRkinsert_rest>();
        if (r.defaultValues) {
            rest->TokenList->Add(k.Kw("default"));
            rest->TokenList->Add(k.Kw("values"));
        } else {
            rest->TokenList->Add(k.Kw("values"));
            rest->TokenList->Add(k.Tok("(", ttLeftParen));
            TRk_ResTarget* a = Item(k, "a");
            TRk_ResTarget* b = Item(k, "b", k.Tok(",", ttComma));
            rest->ValuesList = k.List({a, b});
            rest->TokenList->Add(k.Tok(")", ttRightParen));
            root->ValuesList = rest->ValuesList;
        }
        root->InsertRest = rest;

        auto st = CreateNodeOfClass<TInsertSqlStatement>(1);
        int tableEvents = 0;
        st->SetOnTableEvent([&](TRk_Node*, TCustomSqlStatement*, TRkTable*) { ++tableEvents; });
        st->RootNode = root;
        ASSERT_EQ(st->Parse(true), 0);
        EXPECT_EQ(st->GetText(), r.text);
        EXPECT_EQ(st->ValuesKind, r.defaultValues ? 3 : 1);
        // once inside the table helper and once by the analysis itself
        EXPECT_EQ(tableEvents, 2);

        TokenRecorder rec;
        st->Accept(&rec);
        std::string expected = r.hasInto ? "insert into t" : "insert t";
        expected += r.defaultValues ? " default values" : " values ( a , b )";
        EXPECT_EQ(rec.Joined(), expected);

        ASSERT_EQ(st->AnalyzeParseTree(), 0);
        EXPECT_EQ(st->Tables->Count(), 1);
        st->Reset();
        EXPECT_EQ(st->TargetTable, nullptr);
        EXPECT_EQ(st->ValueFields, nullptr);
        EXPECT_EQ(st->ValuesKind, 0);
    }
}

TEST(InsertModel, BlankColumnListOverrideDropsTheParentheses) {
    TreeKit k;
    auto* root = k.New<TRk_InsertStmt>();
    root->TokenList->Add(k.Kw("insert"));
    root->TokenList->Add(k.Kw("into"));
    TRk_TableRef* target = Target(k, "t");
    target->TokenList->Add(k.Tok("(", ttLeftParen));
    target->ColumnList = k.List({k.Col("a")});
    target->HasColumnList = 1;
    target->TokenList->Add(k.Tok(")", ttRightParen));
    root->TargetTable = target;
    auto* rest = k.New<TRkinsert_rest>();
    rest->TokenList->Add(k.Kw("default"));
    rest->TokenList->Add(k.Kw("values"));
    root->InsertRest = rest;
    auto st = CreateNodeOfClass<TInsertSqlStatement>(1);
    st->RootNode = root;
    ASSERT_EQ(st->Parse(true), 0);
    EXPECT_EQ(st->Fields->Count(), 1);
    EXPECT_EQ(st->GetText(), "Insert into t(a) default values");
    st->ColumnListOverride = " ";
    EXPECT_EQ(st->GetText(), "Insert into t default values");
}

TEST(UpdateModel, SetListWhereAndVendorTwoDropsFrom) {
    for (std::uint8_t vendor : {1, 2}) {
        TreeKit k;
        auto* root = k.New<TRk_UpdateStmt>();
        root->TokenList->Add(k.Kw("update"));
        root->TargetTable = Target(k, "t");
        root->TokenList->Add(k.Kw("set"));
        TRkCustomExpression* a = Assign(k, "a", "x");
        TRkCustomExpression* b = Assign(k, "b", "y");
        b->SeparatorToken = k.Tok(",", ttComma);
        root->SetList = k.List({a, b});
        auto* fromClause = k.New<TRk_DummyNode>();
        fromClause->TokenList->Add(k.Kw("from"));
        root->FromClause = fromClause;
        auto* u = k.New<TRk_TableRef>();
        u->Source = k.Name("u");
        root->FromList = k.List({u});
        auto* where = k.New<TRk_DummyNode>();
        where->TokenList->Add(k.Kw("where"));
        root->WhereClause = where;
        root->WhereCondition = k.Col("c");
        where->Sub1 = root->WhereCondition;

        auto st = CreateNodeOfClass<TUpdateSqlStatement>(vendor);
        st->RootNode = root;
        ASSERT_EQ(st->Parse(true), 0);
        ASSERT_EQ(st->Fields->Count(), 2);
        EXPECT_EQ(st->FromJoins->Count(), 1);
        const std::string text = st->GetText();
        if (vendor == 2) {
            EXPECT_EQ(text, "update t set a = x ,b = y \r\nwhere c ");
        } else {
            EXPECT_EQ(text, "update t set a = x ,b = y \r\nFrom u\r\nwhere c ");
        }
        TokenRecorder rec;
        st->Accept(&rec);
        EXPECT_EQ(rec.Joined(), "update t set a = x , b = y from u where c");
    }
}

TEST(DeleteModel, FromFlagAndReset) {
    TreeKit k;
    auto* root = k.New<TRk_DeleteStmt>();
    root->TokenList->Add(k.Kw("delete"));
    root->FromOmitted = 1;
    root->TargetTable = Target(k, "t");
    auto* where = k.New<TRk_DummyNode>();
    where->TokenList->Add(k.Kw("where"));
    root->WhereClause = where;
    root->WhereCondition = k.Col("a");
    auto st = CreateNodeOfClass<TDeleteSqlStatement>(1);
    st->RootNode = root;
    ASSERT_EQ(st->Parse(true), 0);
    EXPECT_EQ(st->HasFrom, 0);
    EXPECT_EQ(st->GetText(), "Delete  t\r\nWhere a ");
    st->Reset();
    EXPECT_EQ(st->DeleteTable, nullptr);
    EXPECT_EQ(st->Tables->Count(), 0);
}

TEST(MergeModel, ParsedTwiceKeepsOneUsingSelectAndTextSkipsMissingBranch) {
    TreeKit k;
    auto* root = k.New<TRk_MergeStmt>();
    root->MergeToken = k.Kw("merge");
    root->IntoToken = k.Kw("into");
    root->TargetTable = k.Name("t");
    root->UsingToken = k.Kw("using");
    auto* q = k.New<TRk_SelectStmt>();
    q->SelectToken = k.Kw("select");
    q->TokenList->Add(q->SelectToken);
    auto* star = k.New<TRk_ResTarget>();
    star->ValueExpr = k.Col("id");
    q->TargetList = k.List({star});
    auto* src = k.New<TRk_TableRef>();
    src->Source = k.Name("s");
    q->FromList = k.List({src});
    root->SourceQuery = q;
    root->OnToken = k.Kw("on");
    root->OnPart->Tok1 = k.Tok("(", ttLeftParen);
    root->OnPart->Sub1 = k.Col("c");
    root->OnPart->Tok2 = k.Tok(")", ttRightParen);
    root->MatchedPart->Tok1 = k.Kw("when");
    root->MatchedPart->Tok2 = k.Kw("matched");
    root->MatchedPart->Tok3 = k.Kw("then");
    auto* upd = k.New<TRk_DummyNode>();
    upd->Tok1 = k.Kw("update");
    upd->Tok2 = k.Kw("set");
    upd->List1 = k.List({Assign(k, "x", "y")});
    root->MatchedPart->Sub1 = upd;

    auto st = CreateNodeOfClass<TMergeSqlStatement>(1);
    st->RootNode = root;
    ASSERT_EQ(st->Parse(true), 0);
    TSelectSqlStatement* first = st->UsingSelect.get();
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    ASSERT_NE(st->UsingSelect, nullptr);
    EXPECT_EQ(st->UpdateSetFields->Count(), 1);
    EXPECT_EQ(st->InsertColumnFields->Count(), 0);
    EXPECT_EQ(st->InsertValueFields->Count(), 0);
    const std::string text = st->GetText();
    EXPECT_EQ(text.rfind("MERGE into t\r\nusing Select id", 0), 0u) << text;
    EXPECT_NE(text.find(" on ( c )\r\nwhen matched then update set x = y"), std::string::npos) << text;
    EXPECT_EQ(text.find("insert"), std::string::npos);

    st->Reset();
    EXPECT_EQ(st->UsingSelect, nullptr);
    EXPECT_EQ(st->UpdateSetFields->Count(), 0);
}

}  // namespace
