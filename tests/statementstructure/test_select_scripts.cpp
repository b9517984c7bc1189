// Queries and DML through the front end: select-list, FROM, joins and
// clause analyses, the rebuilt texts, re-analysis and Reset, and walks that
// give back the source.
#include <cstdint>
#include <string>
#include <vector>

#include "statement_fixture.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"

using namespace sstest;

namespace {

// The only statement of a script, as a T.
template <class T>
struct One {
    Script s;
    T* st = nullptr;
    explicit One(const std::string& sql, std::uint8_t vendor = VendorOracle) : s(sql, vendor) {
        st = s.template At<T>(0);
        EXPECT_NE(st, nullptr) << sql;
        if (st) { EXPECT_TRUE(st->Parsed) << sql << ": " << st->ErrorMessages(); }
    }
};

std::string OwnWords(TRk_Node* n) {
    std::string words;
    for (int i = 0; i < n->TokenList->Count(); ++i) words += (i ? " " : "") + std::string(n->TokenList->GetToken(i)->GetText());
    return words;
}

// A join as "<kind>[p<parens>] <table or (nested join)>", then per item
// " +<its words>=<join type>:<table>/<condition kind>".
std::string Picture(TRkJoin* j) {
    std::string s = std::to_string(j->JoinKind) + (j->ParenCount ? "p" + std::to_string(j->ParenCount) : "") + " ";
    s += j->NestedJoin ? "(" + Picture(j->NestedJoin.get()) + ")" : j->Table ? j->Table->GetTableText() : "-";
    for (int i = 0; i < j->Items->Count(); ++i) {
        TRkJoinItem* it = j->Items->GetJoinItem(i);
        s += " +" + OwnWords(it) + "=" + std::to_string(it->JoinType) + ":" + it->Table->GetTableText() + "/" +
             std::to_string(it->ConditionKind);
    }
    return s;
}

TEST(SelectJoins, JoinPictures) {
    const struct {
        const char *from, *picture;
        int tables;
        const char* walk;   // of the first join
    } rows[] = {
        {"emp e join dept d on e.deptno = d.deptno, bonus bb", "1 emp +join=3:dept/2 | 0 bonus", 3,
         "emp e join dept d on e . deptno = d . deptno"},
        {"a join b on a.x = b.y join c using (z)", "1 a +join=3:b/2 +join=3:c/1", 3,
         "a join b on a . x = b . y join c using ( z )"},
        {"((a join b on a.x = b.y))", "2 (2p1 (1p1 a +join=3:b/2))", 2, "( ( a join b on a . x = b . y ) )"},
        {"a cross join b", "1 a +cross join=1:b/0", 2, nullptr},
        {"a natural join b", "1 a +natural join=2:b/0", 2, nullptr},
        {"a full join b on a.x = b.y", "1 a +full join=7:b/2", 2, nullptr},
        {"a left join b on a.x = b.y", "1 a +left join=9:b/2", 2, nullptr},
        {"a right join b on a.x = b.y", "1 a +right join=8:b/2", 2, nullptr},
        {"a full outer join b on a.x = b.y", "1 a +full outer join=4:b/2", 2, nullptr},
        {"a left outer join b on a.x = b.y", "1 a +left outer join=6:b/2", 2, nullptr},
        {"a right outer join b on a.x = b.y", "1 a +right outer join=5:b/2", 2, nullptr},
        {"a inner join b on a.x = b.y", "1 a +inner join=10:b/2", 2, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.from);
        One<TSelectSqlStatement> q(std::string("select x from ") + r.from + ";");
        ASSERT_NE(q.st, nullptr);
        std::string picture;
        for (int i = 0; i < q.st->JoinList->Count(); ++i)
            picture += (i ? " | " : "") + Picture(q.st->JoinList->GetJoin(i));
        EXPECT_EQ(picture, r.picture);
        EXPECT_EQ(q.st->Tables->Count(), r.tables);
        EXPECT_EQ(Walk(q.st, true), SourceTokens(q.st, false));
        if (r.walk) { EXPECT_EQ(Walk(q.st->JoinList->GetJoin(0), true), r.walk); }
    }
}

TEST(SelectScripts, FieldsTablesAndJoins) {
    One<TSelectSqlStatement> q("select e.ename, d.dname dn from emp e join dept d on e.deptno = d.deptno, bonus bb;");
    TSelectSqlStatement* st = q.st;
    ASSERT_NE(st, nullptr);
    ASSERT_EQ(st->Fields->Count(), 2);
    EXPECT_EQ(st->Fields->GetField(0)->GetFieldText(), "ename");
    EXPECT_EQ(st->Fields->GetField(1)->GetAliasText(), "dn");
    TRkJoin* j = st->JoinList->GetJoin(0);
    EXPECT_EQ(j->Table->Join, j);
    EXPECT_EQ(j->Items->GetJoinItem(0)->Condition->ExprType, Expr_Comparison);
    EXPECT_EQ(st->JoinList->GetJoin(1)->SeparatorToken->GetText(), ",");
    for (TSourceToken* t : st->SourceTokens->Items())
        if (t->GetText() == "bb") { EXPECT_EQ(t->DbObjKind, okTableAlias); }
    EXPECT_EQ(st->GetFromText(), "emp e  join dept d on e.deptno = d.deptno,bonus bb");
    // USING gives a name list over the join qualification.
    One<TSelectSqlStatement> u("select x from a join c using (z);");
    ASSERT_NE(u.st, nullptr);
    TRkCustomExpression* c = u.st->JoinList->GetJoin(0)->Items->GetJoinItem(0)->Condition;
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ExprType, Expr_namelist);
    EXPECT_NE(dynamic_cast<TRk_joinqual*>(c->SourceNode), nullptr);
}

TEST(SelectJoins, RightOperandWithoutLeadingJoinIsIgnored) {
    auto j = CreateNodeOfClass<TRk_JoinExpr>();
    auto b = CreateNodeOfClass<TRk_TableRef>();
    j->RightRef = b.get();
    auto st = CreateNodeOfClass<TSelectSqlStatement>(1);
    std::unique_ptr<TRkJoin> made;
    EXPECT_EQ(BuildJoin(st.get(), j.get(), nullptr, true, &made), nullptr);
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(st->Tables->Count(), 0);
}

TEST(SelectClauses, OrderByDirectionAndNulls) {
    One<TSelectSqlStatement> q("select x from t order by a Desc nulls last, b ASC;");
    ASSERT_NE(q.st, nullptr);
    ASSERT_NE(q.st->OrderByList, nullptr);
    ASSERT_EQ(q.st->OrderByList->Count(), 2);
    TRkOrderBy* o = q.st->OrderByList->GetOrderBy(0);
    EXPECT_EQ(o->SortType, srtDesc);
    EXPECT_EQ(o->SortNulls, srnNullsLast);
    EXPECT_EQ(o->SortItemType, sitExpression);
    const std::string text = o->AsText();
    EXPECT_EQ(text.rfind("a ", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 16), " DESC NULLS LAST") << text;
    EXPECT_EQ(q.st->OrderByList->GetOrderBy(1)->SortType, srtAsc);
    // An item without a kind prints nothing, whatever its source says.
    TRkOrderBy none;
    none.SourceNode = o->SourceNode;
    none.SortType = srtDesc;
    EXPECT_EQ(none.AsText(), "");
}

TEST(SelectClauses, ForUpdateWaitOptions) {
    const struct {
        const char* tail;
        std::uint8_t kind, option;
        const char* text;
    } rows[] = {
        {"for update NoWait", 2, 1, nullptr},
        {"for update wait 5", 2, 2, "FOR UPDATE WAIT 5"},
        {"for update of t.a nowait", 0, 1, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.tail);
        One<TSelectSqlStatement> q(std::string("select x from t ") + r.tail + ";");
        ASSERT_NE(q.st, nullptr);
        ASSERT_NE(q.st->ForUpdate, nullptr);
        EXPECT_EQ(q.st->ForUpdate->ForUpdateKind, r.kind);
        EXPECT_EQ(q.st->ForUpdate->WaitOption, r.option);
        if (r.option == 2) { EXPECT_NE(q.st->ForUpdate->WaitValue, nullptr); }
        if (r.text) { EXPECT_EQ(q.st->GetForUpdateText(), r.text); }
    }
}

TEST(SelectClauses, TopClauseTextsAndNumber) {
    const struct {
        const char* top;
        std::int32_t number;
        const char* text;
    } rows[] = {{"top 10 percent with ties", 10, "TOP 10 PERCENT WITH TIES"},
                {"top 10 with ties", 10, "TOP 10 WITH TIES"},
                {"top 7", 7, "TOP 7"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.top);
        One<TSelectSqlStatement> q(std::string("select ") + r.top + " x from t;", VendorMySQL);
        ASSERT_NE(q.st, nullptr);
        auto* top = dynamic_cast<TRkTopClause*>(q.st->TopClause);
        ASSERT_NE(top, nullptr);
        EXPECT_EQ(top->topnumber, r.number);
        EXPECT_EQ(top->GetPrettyText(), r.text);
    }
}

// The TOP number reads as a C conversion would: leading white space and
// one sign; anything else, or a value past 32 bits, gives 0.
TEST(SelectClauses, TopNumberConversion) {
    const struct {
        const char* text;
        std::int32_t value;
    } rows[] = {{"", 0},          {" 12", 12},     {"\t-3", -3},           {"+5", 5},
                {"+-5", 0},       {"++5", 0},      {"-", 0},                {"+", 0},
                {"12x", 0},       {"1 ", 0},       {"2147483647", INT32_MAX}, {"2147483648", 0},
                {"-2147483648", INT32_MIN}};
    for (const auto& r : rows) EXPECT_EQ(stmtwalk::IntOf(r.text), r.value) << '"' << r.text << '"';
    One<TSelectSqlStatement> q("select top 99999999999 x from t;", VendorMySQL);
    ASSERT_NE(q.st, nullptr);
    auto* top = dynamic_cast<TRkTopClause*>(q.st->TopClause);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->topnumber, 0);
}

TEST(SelectStatement, SelectListAliasIsMarkedOnceAsFieldAlias) {
    TMarlSqlParser p(1);
    int fieldEvents = 0;
    std::vector<std::string> aliasTokens;
    p.OnStatementField = [&](TRk_Node*, TCustomSqlStatement*, TRkField*) { ++fieldEvents; };
    p.OnFieldTokenEvent = [&](TRk_Node*, TSourceToken* t, TRk_Node*) {
        if (t->DbObjKind == okFieldAlias) aliasTokens.push_back(std::string(t->GetText()));
    };
    p.SetSqlTextString("select a yy from t;");
    ASSERT_EQ(p.Parse(), 0);
    EXPECT_EQ(fieldEvents, 1);
    EXPECT_EQ(aliasTokens, (std::vector<std::string>{"yy"}));
}

TEST(SelectStatement, UnionAnalyzesBothOperands) {
    One<TSelectSqlStatement> q("select a from t union select b from u;");
    TSelectSqlStatement* st = q.st;
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->SetOperator, 1);
    ASSERT_NE(st->LeftStatement, nullptr);
    ASSERT_NE(st->RightStatement, nullptr);
    EXPECT_EQ(st->LeftStatement->Tables->GetTable(0)->GetTableText(), "t");
    // Analyzing again keeps one pair of operands and nothing doubled.
    ASSERT_EQ(st->AnalyzeParseTree(), 0);
    EXPECT_EQ(st->LeftStatement->Tables->Count(), 1);
}

TEST(SelectScripts, RebuiltTexts) {
    const struct {
        const char *sql, *text;
    } rows[] = {
        {"select a from t union select b from u;", "Select a\r\nFrom t\r\nunion\r\nSelect b\r\nFrom u"},
        {"select a from t where a = 1 group by a having count(*) > 1 order by a desc;",
         "Select a\r\nFrom t\r\nWhere a = 1 \r\nGroup by a \r\nHaving count(*) > 1 \r\nOrder by a DESC"},
        {"create table c as ((select a from t) order by a) ;",
         "create table c as ((Select a\r\nFrom t)\r\nOrder by a)"},
        {"create table c as select a, b from u where a > 1;",
         "create table c as Select a,\r\nb\r\nFrom u\r\nWhere a > 1"},
        {"delete t where a = 1;", "Delete  t\r\nWhere a = 1"},
    };
    for (const auto& r : rows) {
        Script s(r.sql);
        ASSERT_EQ(s.Count(), 1) << r.sql;
        EXPECT_EQ(s.At(0)->GetText(), r.text) << r.sql;
    }
    // The parentheses around the query and around its core are counted.
    One<TCreateTableSqlStatement> c("create table c as ((select a from t) order by a) ;");
    ASSERT_NE(c.st, nullptr);
    EXPECT_EQ(c.st->SubQuery->InnerParens, 1);
    EXPECT_EQ(c.st->SubQuery->OuterParens, 1);
}

// The statement's own walk visits every token of its INTO clause.
TEST(SelectStatement, WalkKeepsEveryIntoWord) {
    for (const char* sql : {"select a into v from t", "select a bulk collect into v, w from t"}) {
        One<TSelectSqlStatement> q(std::string(sql) + ";");
        ASSERT_NE(q.st, nullptr);
        EXPECT_EQ(q.st->GetTextByVisitor(), std::string(sql) + ";\r\n");
    }
}

// A query made from a tree that its creator handed over has no tokens of
// its own: rebuilding its text analyzes that tree again instead of losing
// it, and the analysis does not collect anything twice.
TEST(SelectScripts, QueryFromACreatorsTreeKeepsItOnReparse) {
    One<TCreateTableSqlStatement> c("create table c as select a, b from u where a > 1;");
    ASSERT_NE(c.st, nullptr);
    TSelectSqlStatement* q = c.st->SubQuery.get();
    ASSERT_NE(q, nullptr);
    ASSERT_TRUE(q->Parsed);
    TRk_Node* root = q->RootNode;
    q->Parsed = false;
    const std::string text = q->GetText();
    EXPECT_EQ(q->RootNode, root);
    EXPECT_TRUE(q->Parsed);
    EXPECT_EQ(q->Fields->Count(), 2);
    EXPECT_EQ(q->Tables->Count(), 1);
    EXPECT_EQ(text.rfind("Select a,\r\nb\r\nFrom u\r\nWhere a > 1", 0), 0u) << text;
    ASSERT_EQ(q->Parse(false), 0);
    EXPECT_EQ(q->Fields->Count(), 2);
}

TEST(DmlScripts, InsertTextsByIntoFlagAndValuesKind) {
    const struct {
        std::uint8_t vendor;
        const char* sql;
        std::uint8_t valuesKind;
        const char *text, *walk;
    } rows[] = {
        {VendorOracle, "insert into t values (a, b)", 1, "Insert into t values (a,b)",
         "insert into t values ( a , b )"},
        {VendorMsaccess, "insert t values (a, b)", 1, "Insert  t values (a,b)", "insert t values ( a , b )"},
        {VendorOracle, "insert into t (a, b) values (1, 2)", 1, "Insert into t(a,b) values (1,2)",
         "insert into t ( a , b ) values ( 1 , 2 )"},
        {VendorOracle, "insert into t select * from u", 2, nullptr, "insert into t select * from u"},
        {VendorMssql, "insert into t default values", 3, "Insert into t default values",
         "insert into t default values"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.sql);
        auto st = CreateNodeOfClass<TInsertSqlStatement>(r.vendor);
        int tableEvents = 0;
        st->SetOnTableEvent([&](TRk_Node*, TCustomSqlStatement*, TRkTable*) { ++tableEvents; });
        st->SetSqlText(r.sql);
        ASSERT_EQ(st->Parse(false), 0) << st->ErrorMessages();
        EXPECT_EQ(st->ValuesKind, r.valuesKind);
        if (r.text) { EXPECT_EQ(st->GetText(), r.text); }
        EXPECT_EQ(Walk(st.get(), true), r.walk);
        if (r.valuesKind == 2) {
            EXPECT_NE(st->SubSelect, nullptr);
            continue;
        }
        // once inside the table helper and once by the analysis itself
        EXPECT_EQ(tableEvents, 2);
        ASSERT_EQ(st->AnalyzeParseTree(), 0);
        EXPECT_EQ(st->Tables->Count(), 1);
        st->Reset();
        EXPECT_EQ(st->TargetTable, nullptr);
        EXPECT_EQ(st->ValueFields, nullptr);
        EXPECT_EQ(st->ValuesKind, 0);
    }
    // A blank column-list override drops the parentheses.
    auto st = CreateNodeOfClass<TInsertSqlStatement>(VendorMssql);
    st->SetSqlText("insert into t (a) default values");
    ASSERT_EQ(st->Parse(false), 0) << st->ErrorMessages();
    EXPECT_EQ(st->Fields->Count(), 1);
    EXPECT_EQ(st->GetText(), "Insert into t(a) default values");
    st->ColumnListOverride = " ";
    EXPECT_EQ(st->GetText(), "Insert into t default values");
}

TEST(DmlScripts, UpdateWithFromAndVendorTwoDropsIt) {
    One<TUpdateSqlStatement> u("update t set a = x, b = y from u where c;", VendorMsaccess);
    ASSERT_NE(u.st, nullptr);
    ASSERT_EQ(u.st->Fields->Count(), 2);
    EXPECT_EQ(u.st->FromJoins->Count(), 1);
    EXPECT_EQ(u.st->GetText(), "update t set a = x,b = y \r\nFrom u\r\nwhere c");
    EXPECT_EQ(Walk(u.st, true), "update t set a = x , b = y from u where c");
    // The same tree analyzed for vendor 2 leaves FROM out of the text.
    auto my = CreateNodeOfClass<TUpdateSqlStatement>(VendorMySQL);
    my->RootNode = u.st->RootNode;
    ASSERT_EQ(my->Parse(true), 0);
    EXPECT_EQ(my->GetText(), "update t set a = x,b = y \r\nwhere c");
}

TEST(DmlScripts, InsertUpdateDeleteMerge) {
    Script s(
        "update t set a = 1, b = 2 where c = 3 returning a into :x;\n"
        "delete t where a = 1;\n"
        "merge into t a using (select * from s) b on (a.id = b.id) "
        "when matched then update set a.x = b.x when not matched then insert (id, x) values (b.id, b.x);\n");
    auto* upd = s.At<TUpdateSqlStatement>(0);
    ASSERT_NE(upd, nullptr);
    EXPECT_EQ(upd->Fields->Count(), 2);
    EXPECT_NE(upd->ReturningNode, nullptr);
    EXPECT_EQ(upd->TargetTable->GetTableText(), "t");

    auto* del = s.At<TDeleteSqlStatement>(1);
    ASSERT_NE(del, nullptr);
    EXPECT_EQ(del->HasFrom, 0);
    del->Reset();
    EXPECT_EQ(del->DeleteTable, nullptr);
    EXPECT_EQ(del->Tables->Count(), 0);

    auto* merge = s.At<TMergeSqlStatement>(2);
    ASSERT_NE(merge, nullptr);
    ASSERT_NE(merge->UsingSelect, nullptr);
    EXPECT_EQ(merge->UpdateSetFields->Count(), 1);
    EXPECT_EQ(merge->InsertColumnFields->Count(), 2);
    EXPECT_EQ(merge->InsertValueFields->Count(), 2);
    // Parsed twice: one USING query, nothing collected twice.
    ASSERT_EQ(merge->Parse(false), 0);
    EXPECT_NE(merge->UsingSelect, nullptr);
    EXPECT_EQ(merge->InsertColumnFields->Count(), 2);
    EXPECT_NE(Walk(merge, true).find("when not matched then insert ( id , x ) values"), std::string::npos)
        << Walk(merge, true);

    // Without a NOT MATCHED branch (no grammar of ours leaves it out) the
    // text has no INSERT part.
    static_cast<TRk_MergeStmt*>(merge->RootNode)->NotMatchedPart->Sub1 = nullptr;
    ASSERT_EQ(merge->AnalyzeParseTree(), 0);
    EXPECT_EQ(merge->InsertColumnFields->Count(), 0);
    const std::string text = merge->GetText();
    EXPECT_EQ(text.rfind("MERGE into t a\r\nusing (Select ", 0), 0u) << text;
    EXPECT_NE(text.find(" on ( a.id = b.id )\r\nwhen matched then update set a.x = b.x"), std::string::npos) << text;
    EXPECT_EQ(text.find("insert"), std::string::npos) << text;
    merge->Reset();
    EXPECT_EQ(merge->UsingSelect, nullptr);
    EXPECT_EQ(merge->UpdateSetFields->Count(), 0);
}

}  // namespace
