// Queries and DML through the front end: select-list, FROM, joins and
// clause analyses, the rebuilt texts, and walks that give back the source.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"
#include "process/gettextvisitor.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/sqlstatement_dml.h"
#include "statementstructure/sqlstatement_select.h"

namespace {

struct Script {
    TMarlSqlParser Parser{1};
    explicit Script(const std::string& sql) {
        Parser.SetSqlTextString(sql);
        Result = Parser.Parse();
    }
    int Result = -1;
    template <class T>
    T* At(int i) {
        if (i >= Parser.Statements().Count()) return nullptr;
        return dynamic_cast<T*>(Parser.Statements().GetStatement(i));
    }
};

// Token texts of a walk, joined by single blanks.
class Words : public TRkVisitorAbs {
public:
    std::string Text;
    void Visit(TRkVisitedAbs* Obj) override {
        TRkVisitorAbs::Visit(Obj);
        if (TSourceToken* t = Obj->AsToken()) Text += (Text.empty() ? "" : " ") + t->Text;
    }
};

std::string WalkWords(TRkVisitedAbs* root) {
    Words w;
    root->Accept(&w);
    return w.Text;
}

TEST(SelectScripts, WalkVisitsEveryTokenInSourceOrder) {
    const char* sqls[] = {
        "select distinct a.x, b.y as yy from t1 a join t2 b on a.id = b.id where a.x > 1 "
        "group by a.x, b.y having count(*) > 1 order by 1 desc nulls last",
        "select * from t for update of t.a nowait",
        "select x from a left outer join b using (id) cross join c",
        "select a from t union all select b from u order by 1",
        "select a from t connect by prior a = b start with a = 1",
    };
    for (const char* sql : sqls) {
        Script s(std::string(sql) + ";");
        auto* st = s.At<TSelectSqlStatement>(0);
        ASSERT_NE(st, nullptr) << sql;
        ASSERT_TRUE(st->Parsed) << sql;
        // the walk gives back the statement's words (spacing aside)
        std::string expected;
        for (int i = 0; i < st->SourceTokens->Count(); ++i) {
            TSourceToken* t = st->SourceTokens->GetToken(i);
            if (!t->IsSignificant() || t->TokenType == ttSemicolon || t->TokenCode == 0) continue;
            expected += (expected.empty() ? "" : " ") + t->Text;
        }
        EXPECT_EQ(WalkWords(st), expected) << sql;
    }
}

TEST(SelectScripts, FieldsTablesAndJoins) {
    Script s("select e.ename, d.dname dn from emp e join dept d on e.deptno = d.deptno, bonus;");
    auto* st = s.At<TSelectSqlStatement>(0);
    ASSERT_NE(st, nullptr);
    ASSERT_EQ(st->Fields->Count(), 2);
    EXPECT_EQ(st->Fields->GetField(0)->GetFieldText(), "ename");
    EXPECT_EQ(st->Fields->GetField(1)->GetAliasText(), "dn");
    ASSERT_EQ(st->JoinList->Count(), 2);
    TRkJoin* j = st->JoinList->GetJoin(0);
    EXPECT_EQ(j->Table->GetTableText(), "emp");
    ASSERT_EQ(j->Items->Count(), 1);
    EXPECT_EQ(j->Items->GetJoinItem(0)->Table->GetTableText(), "dept");
    EXPECT_EQ(j->Items->GetJoinItem(0)->ConditionKind, 2);
    EXPECT_EQ(st->Tables->Count(), 3);
    EXPECT_EQ(st->JoinList->GetJoin(1)->SeparatorToken->Text, ",");
}

TEST(SelectScripts, ParenthesisedQueryWithOrderBy) {
    Script s("create table c as ((select a from t) order by a) ;");
    auto* ct = dynamic_cast<TCreateTableSqlStatement*>(s.Parser.Statements().GetStatement(0));
    ASSERT_NE(ct, nullptr);
    TSelectSqlStatement* st = ct->SubQuery.get();
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->InnerParens, 1);
    EXPECT_EQ(st->OuterParens, 1);
    const std::string text = st->GetText();
    EXPECT_EQ(text.rfind("((Select a", 0), 0u) << text;
    EXPECT_NE(text.find(")\r\nOrder by a"), std::string::npos) << text;
    EXPECT_EQ(text.back(), ')') << text;
}

TEST(SelectScripts, UnionText) {
    Script s("select a from t union select b from u;");
    auto* st = s.At<TSelectSqlStatement>(0);
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->SetOperator, 1);
    EXPECT_EQ(st->GetText(), "Select a\r\nFrom t\r\nunion\r\nSelect b\r\nFrom u");
}

TEST(SelectScripts, ClauseTexts) {
    Script s("select a from t where a = 1 group by a having count(*) > 1 order by a desc;");
    auto* st = s.At<TSelectSqlStatement>(0);
    ASSERT_NE(st, nullptr);
    // blanks aside (a plain text keeps the blanks after its last token)
    std::string text;
    for (char c : st->GetText())
        if (c != ' ' || text.empty() || text.back() != ' ') text += c;
    EXPECT_NE(text.find("\r\nWhere a = 1"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nGroup by a"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nHaving count(*) > 1"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nOrder by a DESC"), std::string::npos) << text;
}

TEST(DmlScripts, InsertUpdateDeleteMerge) {
    Script s(
        "insert into t (a, b) values (1, 2);\n"
        "insert into t select * from u;\n"
        "update t set a = 1, b = 2 where c = 3 returning a into :x;\n"
        "delete t where a = 1;\n"
        "merge into t a using (select * from s) b on (a.id = b.id) "
        "when matched then update set a.x = b.x when not matched then insert (id, x) values (b.id, b.x);\n");
    auto* ins = s.At<TInsertSqlStatement>(0);
    ASSERT_NE(ins, nullptr);
    EXPECT_EQ(ins->ValuesKind, 1);
    EXPECT_EQ(ins->Fields->Count(), 2);
    ASSERT_NE(ins->ValueFields, nullptr);
    EXPECT_EQ(ins->ValueFields->Count(), 2);
    EXPECT_EQ(ins->GetText(), "Insert into t(a,b) values (1,2)");

    auto* ins2 = s.At<TInsertSqlStatement>(1);
    ASSERT_NE(ins2, nullptr);
    EXPECT_EQ(ins2->ValuesKind, 2);
    ASSERT_NE(ins2->SubSelect, nullptr);

    auto* upd = s.At<TUpdateSqlStatement>(2);
    ASSERT_NE(upd, nullptr);
    EXPECT_EQ(upd->Fields->Count(), 2);
    EXPECT_NE(upd->ReturningNode, nullptr);
    EXPECT_EQ(upd->TargetTable->GetTableText(), "t");

    auto* del = s.At<TDeleteSqlStatement>(3);
    ASSERT_NE(del, nullptr);
    EXPECT_EQ(del->HasFrom, 0);
    EXPECT_EQ(del->GetText(), "Delete  t\r\nWhere a = 1");

    auto* merge = s.At<TMergeSqlStatement>(4);
    ASSERT_NE(merge, nullptr);
    ASSERT_NE(merge->UsingSelect, nullptr);
    EXPECT_EQ(merge->UpdateSetFields->Count(), 1);
    EXPECT_EQ(merge->InsertColumnFields->Count(), 2);
    EXPECT_EQ(merge->InsertValueFields->Count(), 2);
    ASSERT_EQ(merge->Parse(false), 0);
    EXPECT_NE(merge->UsingSelect, nullptr);
    EXPECT_EQ(merge->InsertColumnFields->Count(), 2);
    EXPECT_NE(WalkWords(merge).find("when not matched then insert ( id , x ) values"), std::string::npos)
        << WalkWords(merge);
}

}  // namespace

namespace {

// A query made from a tree that its creator handed over has no tokens of
// its own: rebuilding its text analyzes that tree again instead of losing
// it, and the analysis does not collect anything twice.
TEST(SelectScripts, QueryFromACreatorsTreeKeepsItOnReparse) {
    Script s("create table c as select a, b from u where a > 1;");
    auto* ct = dynamic_cast<TCreateTableSqlStatement*>(s.Parser.Statements().GetStatement(0));
    ASSERT_NE(ct, nullptr);
    TSelectSqlStatement* q = ct->SubQuery.get();
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

}  // namespace
