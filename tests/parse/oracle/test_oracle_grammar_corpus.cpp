// Every token of an accepted statement ends up in its tree: among the own
// tokens of a node or in a node's token field.  Checked over hand-written
// statements and over the statements of the shared corpus scripts that the
// grammar accepts, which also must not be rejected wholesale.
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "test_oracle_grammar_support.h"

using namespace oracle_test;

namespace {

using TTokenSet = std::set<const TSourceToken*>;

void AddTokens(TTokenSet& S, std::initializer_list<const TSourceToken*> Tokens) {
    for (const TSourceToken* t : Tokens)
        if (t) {
            S.insert(t);
            if (t->GetSeparatorToken()) S.insert(t->GetSeparatorToken());
        }
}

void AddList(TTokenSet& S, TRk_List* L) {
    if (L)
        for (TRkVisitedAbs* i : L->Items) AddTokens(S, {i ? i->AsToken() : nullptr});
}

void AddDummy(TTokenSet& S, TRk_DummyNode* D) {
    if (!D) return;
    AddTokens(S, {D->Tok1, D->Tok2, D->Tok3, D->Tok4, D->Tok5, D->Tok6, D->Tok7, D->Tok8});
    AddList(S, D->List1);
    AddList(S, D->List2);
}

// The tokens a parse stored: own tokens and token fields of every node.
TTokenSet StoredTokens(TRkParserOracleSql& P) {
    TTokenSet s;
    for (const auto& up : P.NodePool) {
        TRk_Node* n = up.get();
        for (TSourceToken* t : n->TokenList->Items()) AddTokens(s, {t});
        AddTokens(s, {n->SeparatorToken});
        if (auto* l = dynamic_cast<TRk_List*>(n)) AddList(s, l);
        if (auto* d = dynamic_cast<TRk_DummyNode*>(n)) AddDummy(s, d);
        if (auto* a = dynamic_cast<TRk_Attr*>(n)) AddTokens(s, {a->NameToken, a->DotToken, a->AtToken});
        if (auto* q = dynamic_cast<TRk_SelectStmt*>(n)) AddTokens(s, {q->SelectToken, q->SetOperatorToken, q->SetAllToken});
        if (auto* e = dynamic_cast<TRkCustomExpression*>(n)) AddTokens(s, {e->OperatorToken, e->QuantifierToken});
        if (auto* a = dynamic_cast<TRk_AliasClause*>(n)) AddTokens(s, {a->AliasToken});
        if (auto* c = dynamic_cast<TRk_A_Const*>(n)) AddTokens(s, {c->ValueToken});
        if (auto* i = dynamic_cast<TRk_Ident*>(n)) AddTokens(s, {i->IdentToken});
        if (auto* d = dynamic_cast<TRk_SelectDistinct*>(n)) AddTokens(s, {d->KeywordToken});
        if (auto* o = dynamic_cast<TRk_SortGroupBy*>(n)) AddTokens(s, {o->SortToken});
        if (auto* f = dynamic_cast<TRk_FuncCall*>(n)) AddTokens(s, {f->KeywordToken});
        if (auto* a = dynamic_cast<TRk_AnalyticFunction*>(n)) AddTokens(s, {a->PartitionToken, a->ByToken});
        if (auto* x = dynamic_cast<TRk_ExtractList*>(n)) AddTokens(s, {x->FieldToken});
        if (auto* c = dynamic_cast<TRkColumnDef*>(n)) AddTokens(s, {c->ColumnNameToken});
        if (auto* c = dynamic_cast<TRkConstraint*>(n)) AddTokens(s, {c->ConstraintToken, c->NameToken});
        if (auto* c = dynamic_cast<TRk_CreateTableStmt*>(n)) AddTokens(s, {c->AsToken});
        if (auto* c = dynamic_cast<TRk_CreateIndexSqlStatement*>(n)) AddTokens(s, {c->IndexKindToken});
        if (auto* c = dynamic_cast<TRk_CreateViewSqlStatement*>(n)) AddTokens(s, {c->ForceToken});
        if (auto* a = dynamic_cast<TRk_alterTableStmt*>(n)) AddTokens(s, {a->AlterToken, a->TableToken});
        if (auto* m = dynamic_cast<TRk_MergeStmt*>(n)) {
            AddTokens(s, {m->MergeToken, m->IntoToken, m->UsingToken, m->OnToken});
            for (TRk_DummyNode* d : {m->MatchedPart.get(), m->NotMatchedPart.get(), m->OnPart.get()}) AddDummy(s, d);
        }
    }
    return s;
}

class TokenCoverage : public OracleParseFixture {
protected:
    // The significant tokens of Text that no node stores, as text.
    std::string Missing(const std::string& Text) {
        Parse(Text);
        if (Result != 0 || !Errors.empty()) return "<rejected>";
        // Statements that are only recognised (sequences, transactions, ...)
        // keep nothing.
        if (Parser->RootNode == nullptr) return "";
        TTokenSet stored = StoredTokens(*Parser);
        std::string miss;
        for (TSourceToken* t : Tokens->Items()) {
            if (!t->IsSignificant() || t->TokenCode == 0 || t->TokenCode == ';') continue;
            if (!stored.count(t)) miss += std::string(t->GetText()) + " ";
        }
        return miss;
    }
};

TEST_F(TokenCoverage, HandWrittenStatements) {
    const char* stmts[] = {
        "select distinct a, b x, c as \"y\", d as 'z', t.*, s.t.*, count(*), count(distinct e) from s.t t1, u@l "
        "where a = 1 and b <> 2 or not c is null and d between 1 and 2 and e not in (1, 2) and f like 'x%' "
        "escape '\\' and g not like 'y' and h (+) = i and j is not null",
        "select a from t start with a is null connect by prior b = a group by rollup(a, (b, c)), cube(d), "
        "grouping sets (e, (f)) having sum(g) > 1 order by a desc nulls first, b asc for update of a nowait",
        "select a from t1 left outer join t2 on x = y join t3 using (k, l) cross join t4 natural join t5 "
        "full join t6 on 1 = 1 inner join t7 on 2 = 2 right join t8 on 3 = 3",
        "(select a from t union all select b from u) minus (select c from v intersect select d from w) "
        "order by 1",
        "select case when a = 1 then 'x' when a = 2 then 'y' else 'z' end, case b when 1 then 2 end, "
        "extract(year from d), trim(leading '0' from e), trim(f), cast(g as number(5, 2)), "
        "row_number() over (partition by a order by b), sum(c) over (), "
        "date '2020-01-01', interval '2' day(3) to second(2), interval '1' year to month, "
        ":v indicator :i, left(s, 2), f(a).b, prior c from dual where exists (select 1 from dual) "
        "and x = any (select y from t) and (a, b) in (select c, d from u) and z <= all (1, 2) "
        "and ts at time zone 'UTC' > sysdate and h typecast varchar2(10) = 'x' and (p, q) overlaps (r, s)",
        "insert into s.t (a, b) values (1, 'x') returning a, b into :a, :b",
        "insert into t select * from u",
        "update t x set a = 1, (b, c) = (select 1, 2 from dual) where d = 3 returning a bulk collect into :a",
        "delete from t where current of c",
        "delete t x where a in (select b from u)",
        "create global temporary table s.t (a number(10, 2) constraint pk primary key, b varchar2(20 char) "
        "not null, c date default sysdate, d int references u (x) on delete cascade on update set null, "
        "e char varying(5) check (e > 'a') unique, type timestamp(6) with local time zone, f raw(16) deferrable, "
        "g nchar(3) character set utf8, constraint fk foreign key (a, b) references u (x, y) "
        "match full on delete set default, unique (c), check (a > 0)) tablespace users pctfree 10 "
        "storage (initial 64 k next 1 m freelist groups 2 optimal null buffer_pool keep) nologging",
        "create table t (a, b) as select 1, 2 from dual",
        "create unique index s.ix on s.t (a, upper(b) desc)",
        "create or replace force view v (x, y) as select 1, 2 from dual with check option constraint ck",
        "drop table t cascade constraints",
        "drop index ix force",
        "drop view v cascade constraints",
        "alter table t add constraint fk foreign key (a) references u (b) on delete cascade",
        "alter table t add (c int, d date) enable table lock",
        "alter table t drop (a, b) cascade constraints checkpoint 100",
        "alter table t pctfree 10 nocache rename to u",
        "alter table t enable novalidate constraint c exceptions into ex disable all triggers",
        "alter table t drop primary key cascade keep index",
        "alter table t rename constraint a to b",
        "merge into t a using (select * from s) b on (a.id = b.id) when matched then update set a.x = b.x "
        "when not matched then insert (id, x) values (b.id, b.x)",
    };
    for (const char* s : stmts)
        EXPECT_EQ(Missing(s), "") << s << (Errors.empty() ? "" : " expected: " + Errors[0].Expected + " at " + Errors[0].Token);
}

std::vector<std::string> CorpusStatements(const std::string& Dialect) {
    namespace fs = std::filesystem;
    std::vector<std::string> out;
    const char* env = std::getenv("ORRERY_SHARED_DIR");
    if (!env) return out;
    fs::path dir = fs::path(env) / "corpus" / Dialect;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return out;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        std::string line, cur;
        while (std::getline(in, line)) {
            // Statements end with ";" at the end of a line; SQL*Plus lines
            // and comment-only lines are left out.
            std::string low;
            for (unsigned char c : line.substr(0, 8)) low += static_cast<char>(std::tolower(c));
            if (cur.empty() && (low.rfind("rem", 0) == 0 || low.rfind("prompt", 0) == 0 ||
                                low.rfind("set ", 0) == 0 || low.rfind("/", 0) == 0 || low.rfind("@", 0) == 0 ||
                                low.rfind("--", 0) == 0 || low.rfind("spool", 0) == 0))
                continue;
            while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
            cur += line + "\n";
            if (!line.empty() && line.back() == ';') {
                cur.erase(cur.size() - 2);
                out.push_back(cur);
                cur.clear();
            }
        }
    }
    return out;
}

TEST_F(TokenCoverage, CorpusStatements) {
    std::vector<std::string> stmts = CorpusStatements("oracle");
    std::vector<std::string> generic = CorpusStatements("generic");
    if (stmts.empty() && generic.empty()) GTEST_SKIP() << "corpus not available";
    int accepted = 0, checked = 0;
    for (const std::vector<std::string>* set : {&stmts, &generic}) {
        for (const std::string& s : *set) {
            if (s.size() > 20000) continue;   // bulk data scripts: the tokens are checked on the rest
            ++checked;
            const std::string miss = Missing(s);
            if (miss == "<rejected>") continue;
            ++accepted;
            EXPECT_EQ(miss, "") << s;
        }
    }
    // Real scripts use much that the grammar does not cover (COMMENT ON,
    // index storage clauses, other dialects' types, ...): a floor only.
    EXPECT_GT(accepted, checked / 3) << accepted << " of " << checked;
    EXPECT_GT(accepted, 100) << accepted << " of " << checked;
}

}  // namespace
