// MySQL statements end to end: every significant token of an accepted
// statement is kept somewhere in its tree, so that its text can be rebuilt;
// for hand-written statements and for the statements of the shared MySQL
// corpus scripts.
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "mysql_parse.h"
#include "statementstructure/sqlstatement_select.h"

using namespace mysql_test;

namespace {

void AddToken(std::set<const TSourceToken*>& S, const TSourceToken* T) {
    if (!T) return;
    S.insert(T);
    if (T->SeparatorToken) S.insert(T->SeparatorToken);
}

void AddItem(std::set<const TSourceToken*>& S, TRkVisitedAbs* V) {
    if (TSourceToken* t = V ? V->AsToken() : nullptr) AddToken(S, t);
}

void AddList(std::set<const TSourceToken*>& S, TRk_List* L) {
    if (!L) return;
    for (TRkVisitedAbs* i : L->Items) AddItem(S, i);
}

// Every token that some node of the parse keeps: its own tokens, separators
// and the token fields the tree walks and printers read.
std::set<const TSourceToken*> StoredTokens(TRkParserMySQLSql& P) {
    std::set<const TSourceToken*> s;
    for (const auto& up : P.NodePool) {
        TRk_Node* n = up.get();
        for (TSourceToken* t : n->TokenList->Items()) AddToken(s, t);
        AddToken(s, n->SeparatorToken);
        if (auto* l = dynamic_cast<TRk_List*>(n)) AddList(s, l);
        if (auto* d = dynamic_cast<TRk_DummyNode*>(n)) {
            for (TSourceToken* t : {d->Tok1, d->Tok2, d->Tok3, d->Tok4, d->Tok5, d->Tok6, d->Tok7, d->Tok8}) AddToken(s, t);
            AddList(s, d->List1);
        }
        if (auto* a = dynamic_cast<TRk_Attr*>(n)) {
            AddToken(s, a->NameToken);
            AddToken(s, a->DotToken);
        }
        if (auto* q = dynamic_cast<TRk_SelectStmt*>(n)) {
            AddToken(s, q->SelectToken);
            AddToken(s, q->SetOperatorToken);
            AddToken(s, q->SetAllToken);
        }
        if (auto* e = dynamic_cast<TRkCustomExpression*>(n)) {
            AddToken(s, e->OperatorToken);
            AddToken(s, e->QuantifierToken);
        }
        if (auto* a = dynamic_cast<TRk_AliasClause*>(n)) AddToken(s, a->AliasToken);
        if (auto* c = dynamic_cast<TRk_A_Const*>(n)) AddToken(s, c->ValueToken);
        if (auto* i = dynamic_cast<TRk_Ident*>(n)) AddToken(s, i->IdentToken);
        if (auto* d = dynamic_cast<TRk_SelectDistinct*>(n)) AddToken(s, d->KeywordToken);
        if (auto* o = dynamic_cast<TRk_SortGroupBy*>(n)) AddToken(s, o->SortToken);
        if (auto* f = dynamic_cast<TRk_FuncCall*>(n)) AddToken(s, f->KeywordToken);
        if (auto* x = dynamic_cast<TRk_ExtractList*>(n)) AddToken(s, x->FieldToken);
        if (auto* l = dynamic_cast<TRk_SelectLimitClause*>(n))
            for (TSourceToken* t : {l->OffsetValue, l->RowCount, l->OffsetKeyword, l->LimitKeyword, l->CommaToken})
                AddToken(s, t);
        if (auto* t = dynamic_cast<TRkTopClause*>(n)) AddToken(s, t->NumberToken);
        if (auto* t = dynamic_cast<TRk_TypeName*>(n)) {
            AddToken(s, t->TypeNameToken);
            AddToken(s, t->MidToken);
            AddToken(s, t->EndToken);
        }
        if (auto* c = dynamic_cast<TRkColumnDef*>(n)) AddToken(s, c->ColumnNameToken);
        if (auto* c = dynamic_cast<TRkConstraint*>(n)) {
            AddToken(s, c->ConstraintToken);
            AddToken(s, c->NameToken);
            AddItem(s, c->IndexName);
            AddItem(s, c->OptionalName);
            AddItem(s, c->ForeignKeyName);
        }
        if (auto* c = dynamic_cast<TRk_CreateTableStmt*>(n))
            for (TSourceToken* t : {c->LikeToken, c->LikeOpenToken, c->LikeCloseToken}) AddToken(s, t);
        if (auto* c = dynamic_cast<TRk_CreateIndexSqlStatement*>(n)) AddToken(s, c->IndexKindToken);
        if (auto* c = dynamic_cast<TRk_CreateViewSqlStatement*>(n)) AddToken(s, c->ForceToken);
        if (auto* a = dynamic_cast<TRk_alterTableStmt*>(n)) {
            AddToken(s, a->AlterToken);
            AddToken(s, a->IgnoreToken);
            AddToken(s, a->TableToken);
        }
        if (auto* o = dynamic_cast<TRkAlterTableOption*>(n)) AddToken(s, o->IndexNameToken);
    }
    return s;
}

class MySQLRoundTrip : public MySQLParseFixture {
protected:
    // "" when Text parses and every significant token of it is kept by the
    // tree (so the text can be rebuilt from it); else what is missing.
    std::string Check(const std::string& Text) {
        TRk_Node* root = Parse(Text);
        if (!Errors.empty()) return "rejected at " + Errors[0].Token + ": " + Errors[0].Expected;
        if (root == nullptr) return "";
        std::set<const TSourceToken*> stored = StoredTokens(*Parser);
        std::string miss;
        for (TSourceToken* t : Tokens->Items()) {
            if (t->TokenCode == 0 || t->TokenCode == ';' || (t->TokenCode >= 257 && t->TokenCode <= 261)) continue;
            if (!stored.count(t)) miss += t->Text + " ";
        }
        return miss.empty() ? std::string() : "not kept: " + miss;
    }
};

TEST_F(MySQLRoundTrip, HandWrittenStatements) {
    const char* stmts[] = {
        "select a from t",
        "SELECT DISTINCT a, b x, c AS 'y', t.*, COUNT(*), COUNT(DISTINCT e) FROM s.t t1, `u` "
        "WHERE a = 1 AND b <> 2 OR NOT c IS NULL AND d BETWEEN 1 AND 2 AND e NOT IN (1, 2) AND f LIKE 'x%'",
        "select a from t1 left outer join t2 on x = y join t3 using (k, l) cross join t4 natural join t5",
        "select a from t group by a having count(*) > 1 order by a desc limit 10",
        "insert into t (a, b) values (1, 'x')",
        "update t set a = 1, b = 2 where c = 3",
        "delete from t where a in (select b from u)",
        "create table t (a int(11) unsigned not null auto_increment, b varchar(20) default null, "
        "c decimal(10,2) not null default '0.00', primary key (a), key k (b), "
        "constraint fk foreign key (b) references u (x) on delete cascade) engine=InnoDB default charset=utf8",
        "create unique index ix on t (a, b desc)",
        "create view v as select a from t",
        "drop table if exists a, b",
        "alter table t add c int after b",
    };
    for (const char* s : stmts) EXPECT_EQ(Check(s), "") << s;
}

// Statements of the corpus scripts: each one the grammar accepts must give
// back its tokens.  Statements are cut at ";" outside comments and literals
// (the scanner decides that).
TEST_F(MySQLRoundTrip, CorpusStatements) {
    const char* env = std::getenv("ORRERY_SHARED_DIR");
    namespace fs = std::filesystem;
    if (!env || !fs::is_directory(fs::path(env) / "corpus" / "mysql")) GTEST_SKIP() << "corpus not available";
    int accepted = 0, total = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(env) / "corpus" / "mysql")) {
        if (entry.path().extension() != ".sql") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream buf;
        buf << in.rdbuf();
        auto all = Tokenize(buf.str());
        std::string stmt;
        for (TSourceToken* t : all->Items()) {
            if (t->TokenCode != ';') {
                stmt += t->Text;
                continue;
            }
            ++total;
            const std::string msg = Check(stmt);
            if (msg.rfind("rejected", 0) != 0) {
                ++accepted;
                EXPECT_EQ(msg, "") << entry.path().filename() << ": " << stmt;
            }
            stmt.clear();
        }
    }
    EXPECT_GT(total, 0);
    EXPECT_GT(accepted, 0);
}

}  // namespace
