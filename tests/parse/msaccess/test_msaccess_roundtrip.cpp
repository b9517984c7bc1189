// Access statements end to end: every significant token of an accepted
// statement is kept somewhere in its tree, so that its text can be rebuilt;
// for hand-written statements and for the statements of the shared Access
// corpus scripts.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "statementstructure/sqlstatement_select.h"

#include "msaccess_support.h"

using namespace access_test;

namespace {

using TTokenSet = std::set<const TSourceToken*>;

void Keep(TTokenSet& S, const TSourceToken* T) {
    if (!T) return;
    S.insert(T);
    if (T->SeparatorToken) S.insert(T->SeparatorToken);
}

void KeepList(TTokenSet& S, TRk_List* L) {
    if (!L) return;
    for (TRkVisitedAbs* i : L->Items)
        if (TSourceToken* t = i ? i->AsToken() : nullptr) Keep(S, t);
}

// Every token that some node of the parse keeps: its own tokens, separators
// and the token fields that the tree walks and printers read.
TTokenSet StoredTokens(TRkParserMsaccessSql& P) {
    TTokenSet s;
    for (const auto& up : P.NodePool) {
        TRk_Node* n = up.get();
        for (TSourceToken* t : n->TokenList->Items()) Keep(s, t);
        Keep(s, n->SeparatorToken);
        if (auto* l = dynamic_cast<TRk_List*>(n)) KeepList(s, l);
        if (auto* d = dynamic_cast<TRk_DummyNode*>(n))
            for (TSourceToken* t : {d->Tok1, d->Tok2, d->Tok3, d->Tok4, d->Tok5, d->Tok6, d->Tok7, d->Tok8}) Keep(s, t);
        if (auto* a = dynamic_cast<TRk_Attr*>(n)) {
            Keep(s, a->NameToken);
            Keep(s, a->DotToken);
            KeepList(s, a->NameParts);
        }
        if (auto* q = dynamic_cast<TRk_SelectStmt*>(n)) {
            Keep(s, q->SetOperatorToken);
            Keep(s, q->SetAllToken);
        }
        if (auto* e = dynamic_cast<TRkCustomExpression*>(n)) {
            Keep(s, e->OperatorToken);
            Keep(s, e->QuantifierToken);
        }
        if (auto* a = dynamic_cast<TRk_AliasClause*>(n)) {
            Keep(s, a->AliasToken);
            KeepList(s, a->NameParts);
        }
        if (auto* i = dynamic_cast<TRk_Ident*>(n)) Keep(s, i->IdentToken);
        if (auto* o = dynamic_cast<TRk_SortGroupBy*>(n)) Keep(s, o->SortToken);
        if (auto* t = dynamic_cast<TRkTopClause*>(n)) Keep(s, t->NumberToken);
        if (auto* c = dynamic_cast<TRkConstraint*>(n)) {
            Keep(s, c->ConstraintToken);
            Keep(s, c->NameToken);
        }
        if (auto* c = dynamic_cast<TRk_CreateTableStmt*>(n)) {
            Keep(s, c->AsToken);
            KeepList(s, c->ColumnNameList);
        }
        if (auto* j = dynamic_cast<TRk_joinqual*>(n)) KeepList(s, j->UsingList);
    }
    return s;
}

class AccessRoundTrip : public AccessParseFixture {
protected:
    // "" when Text parses and every significant token of it is kept by the
    // tree (so the text can be rebuilt from it); else what is missing.
    std::string Check(const std::string& Text) {
        TRk_Node* root = Parse(Text);
        if (!Errors.empty()) return "rejected at " + Errors[0].Token;
        if (root == nullptr) return "";
        TTokenSet stored = StoredTokens(*Parser);
        std::string miss;
        for (TSourceToken* t : Tokens->Items()) {
            if (t->TokenCode == 0 || t->TokenCode == ';' || (t->TokenCode >= 257 && t->TokenCode <= 261)) continue;
            if (!stored.count(t)) miss += t->Text + " ";
        }
        return miss.empty() ? std::string() : "not kept: " + miss;
    }
};

TEST_F(AccessRoundTrip, HandWrittenStatements) {
    const char* stmts[] = {
        "select a from t",
        "SELECT DISTINCTROW TOP 5 PERCENT a, b x, c AS 'y', t.*, count(*), sum(DISTINCT e) FROM t, [u v] "
        "WHERE a = 1 AND b <> 2 OR NOT c IS NULL AND d BETWEEN 1 AND 2 AND e NOT IN (1, 2) AND f LIKE 'x%'",
        "SELECT * FROM (a INNER JOIN b ON a.x = b.x) LEFT JOIN c ON b.y = c.y WHERE d = #1/2/2003#",
        "SELECT a FROM t GROUP BY a HAVING count(*) > 1 ORDER BY a DESC, b",
        "SELECT a FROM t UNION ALL SELECT b FROM u",
        "INSERT INTO t (a, b) VALUES (1, 'x')",
        "UPDATE t SET a = 1, b = b + 1 WHERE c = 3",
        "DELETE FROM t WHERE a IN (SELECT b FROM u)",
        "CREATE TABLE [Order Details] ([Order ID] LONG NOT NULL, [Unit Price] CURRENCY, [Notes] MEMO, "
        "[Code] VARCHAR(10), [Qty] NUMERIC(10, 2), CONSTRAINT [PK_OD] PRIMARY KEY ([Order ID]), "
        "CONSTRAINT [FK_O] FOREIGN KEY ([Order ID]) REFERENCES [Orders] ([ID]) ON DELETE SET NULL)",
    };
    for (const char* s : stmts) EXPECT_EQ(Check(s), "") << s;
}

// The statements of a script, cut at ";" tokens.
std::vector<std::string> Statements(const std::string& Script) {
    std::vector<std::string> out;
    std::string cur;
    auto tokens = Tokenize(Script);
    for (TSourceToken* t : tokens->Items()) {
        if (t->TokenCode == ';') {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += t->Text;
        }
    }
    out.push_back(cur);
    return out;
}

TEST_F(AccessRoundTrip, CorpusStatements) {
    const char* shared = std::getenv("ORRERY_SHARED_DIR");
    const std::filesystem::path dir = shared ? std::filesystem::path(shared) / "corpus" / "access" : "";
    if (!shared || !std::filesystem::is_directory(dir)) GTEST_SKIP() << "no Access corpus";
    int trees = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(e.path(), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        for (const std::string& s : Statements(ss.str())) {
            std::string r = Check(s);
            if (r.rfind("rejected", 0) == 0) continue;   // outside the grammar
            EXPECT_EQ(r, "") << e.path().filename() << ": " << s;
            if (Parser->RootNode) ++trees;
        }
    }
    // Most real Access DDL lies outside the grammar (TEXT(n), COUNTER, ...).
    RecordProperty("trees", trees);
}

}  // namespace
