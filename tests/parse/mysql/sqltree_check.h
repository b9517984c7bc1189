// Shared by the MySQL and the Access tests: the tokens a scanner delivers,
// small pictures of parse trees for the assertions, checks of the driver's
// expected-token texts and error handler, and the round-trip check that every
// significant token of an accepted statement is kept somewhere in its tree
// (so that its text can be rebuilt), over hand-written statements and the
// corpus scripts.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "nodes/u_nodes.h"
#include "nodes/u_parsenodes.h"
#include "parse/msaccess/rklexmsaccess.h"
#include "parse/msaccess/rkyaccmsaccesssql.h"
#include "parse/mysql/rklexmysql.h"
#include "parse/mysql/rkyaccmysqlsql.h"
#include "parse/sqltest_fixture.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement_select.h"

namespace treetest {

struct TScanned {
    int code = 0;  // NextToken's result
    std::string text;
    int type = 0, group = 0, subKind = 0;
};

// The tokens of Input as the front end drives the scanner Lexer.  The
// runtime reads by lines: the line feed it adds after a last line without
// one is left out.
template <class Lexer>
std::vector<TScanned> Scan(const std::string& Input) {
    std::istringstream in(Input);
    std::ostringstream out;
    Lexer lx;
    lx.InputStream = &in;
    lx.OutputStream = &out;
    lx.yyclear();
    std::vector<TScanned> toks;
    for (;;) {
        TSourceToken t;
        const int code = lx.NextToken(t);
        if (code == 0 || toks.size() > 4000000) break;
        EXPECT_EQ(code, t.TokenCode);
        toks.push_back({code, std::string(t.GetText()), t.TokenType, t.TokenGroup, t.TokenSubKind});
    }
    if (!toks.empty() && (Input.empty() || Input.back() != '\n') && toks.back().code == 260 && toks.back().text == "\n")
        toks.pop_back();
    return toks;
}

template <class T>
T* As(TRkVisitedAbs* N) {
    return dynamic_cast<T*>(N);
}
// As, for a node that must be there: a failed cast throws, which fails the
// test with a message instead of crashing it on the next access.
template <class T>
T* Is(TRkVisitedAbs* N) {
    if (T* t = dynamic_cast<T*>(N)) return t;
    throw std::logic_error(std::string("expected a ") + typeid(T).name() + ", got " + (N ? N->ClassName() : "nothing"));
}
inline std::string Own(const TRk_Node* N) { return sqltest::OwnTokens(N); }
inline std::string Txt(const TSourceToken* T) { return sqltest::TokText(T); }
// The eight tokens of a clause node, "<nil>" where unset.
inline std::string Toks(const TRk_DummyNode* D) {
    std::string s;
    for (const TSourceToken* t : {D->Tok1, D->Tok2, D->Tok3, D->Tok4, D->Tok5, D->Tok6, D->Tok7, D->Tok8})
        s += (s.empty() ? "" : " ") + Txt(t);
    return s;
}

// Several fields of a node in one line: values joined by " ", numbers as
// numbers, texts as they are, other pointers as "+" (set) or "_" (nullptr).
template <class V>
std::string Field(const V& v) {
    if constexpr (std::is_convertible_v<V, std::string> || std::is_same_v<V, std::string_view>) {
        return std::string(v);
    } else if constexpr (std::is_pointer_v<V>) {
        return v ? "+" : "_";
    } else {
        return std::to_string(static_cast<long long>(v));
    }
}
template <class... V>
std::string J(const V&... v) {
    std::string s;
    bool first = true;
    ((s += (first ? "" : " ") + Field(v), first = false), ...);
    return s;
}

// An expression tree as text: names and literals as written, "(op l r)" for
// operators in lower case ("_" for a missing operand), "[a,b]" for lists,
// "f[args]" for calls, "{q}" for queries, "<Class>" for other nodes.
inline std::string Sx(TRkVisitedAbs* V);

inline std::string SxList(TRk_List* L) {
    std::string s = "[";
    for (int32_t i = 0; L && i < L->Count(); ++i) s += (i ? "," : "") + Sx(L->GetItem(i));
    return s + "]";
}

inline std::string Sx(TRkVisitedAbs* V) {
    if (V == nullptr) return "_";
    if (TSourceToken* t = V->AsToken()) return std::string(t->GetText());
    if (auto* e = As<TRkCustomExpression>(V)) {
        switch (e->ExprType) {
            case Expr_Attr:
            case Expr_Const:
            case Expr_Ident:
            case Expr_FuncCall:
                return Sx(e->LeftOperand) + (e->OperatorToken ? "." + std::string(e->OperatorToken->GetText()) : "");
            case Expr_subquery: return "{q}";
            case Expr_Parenthesis: return "(" + Sx(e->LeftOperand) + ")";
            case Expr_IsNull: return "(isnull " + Sx(e->LeftOperand) + ")";
            case Expr_IsNotNull: return "(isnotnull " + Sx(e->LeftOperand) + ")";
            case Expr_NotLike: return "(notlike " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
            case Expr_NotIn: return "(notin " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
            case Expr_NotBetween: return "(notbetween " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
            default: break;
        }
        std::string op = e->OperatorToken ? std::string(e->OperatorToken->GetText()) : std::string("?");
        for (char& c : op) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (e->Modifier) op += e->Modifier == 1 ? "any" : e->Modifier == 2 ? "some" : "all";
        return "(" + op + " " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
    }
    if (auto* a = As<TRk_Attr>(V)) {
        std::string s = Txt(a->NameToken);
        for (int32_t i = 0; a->NameParts && i < a->NameParts->Count(); ++i) s += "." + Sx(a->NameParts->GetItem(i));
        return s;
    }
    if (auto* c = As<TRk_A_Const>(V)) return Txt(c->ValueToken);
    if (auto* i = As<TRk_Ident>(V)) return Txt(i->IdentToken);
    if (auto* l = As<TRk_List>(V)) return SxList(l);
    if (auto* f = As<TRk_FuncCall>(V)) return (f->NameAttr ? Sx(f->NameAttr) : Txt(f->KeywordToken)) + SxList(f->ArgList);
    // A query operand may come wrapped in its statement object.
    if (As<TRk_SelectStmt>(V) || std::string(V->ClassName()) == "TSelectSqlStatement") return "{q}";
    return std::string("<") + V->ClassName() + ">";
}

// The WHERE condition of «select a from t where COND».
inline std::string Cond(TRk_Node* Root) {
    auto* q = As<TRk_SelectStmt>(Root);
    return q ? Sx(q->WhereCondition) : std::string("<no query>");
}

// Every token that some node of a parse keeps: its own tokens, separators
// and the token fields the tree walks and printers read.
template <class Parser>
std::set<const TSourceToken*> StoredTokens(Parser& P) {
    std::set<const TSourceToken*> s;
    auto add = [&s](const TSourceToken* T) {
        if (!T) return;
        s.insert(T);
        if (T->GetSeparatorToken()) s.insert(T->GetSeparatorToken());
    };
    auto item = [&](TRkVisitedAbs* V) { add(V ? V->AsToken() : nullptr); };
    auto list = [&](TRk_List* L) {
        for (int32_t i = 0; L && i < L->Count(); ++i) item(L->GetItem(i));
    };
    for (const auto& up : P.NodePool) {
        TRk_Node* n = up.get();
        for (TSourceToken* t : n->TokenList->Items()) add(t);
        add(n->SeparatorToken);
        if (auto* l = As<TRk_List>(n)) list(l);
        if (auto* d = As<TRk_DummyNode>(n)) {
            for (TSourceToken* t : {d->Tok1, d->Tok2, d->Tok3, d->Tok4, d->Tok5, d->Tok6, d->Tok7, d->Tok8}) add(t);
            list(d->List1);
        }
        if (auto* a = As<TRk_Attr>(n)) {
            for (TSourceToken* t : {a->NameToken, a->DotToken}) add(t);
            list(a->NameParts);
        }
        if (auto* q = As<TRk_SelectStmt>(n))
            for (TSourceToken* t : {q->SelectToken, q->SetOperatorToken, q->SetAllToken}) add(t);
        if (auto* e = As<TRkCustomExpression>(n)) {
            add(e->OperatorToken);
            add(e->QuantifierToken);
        }
        if (auto* a = As<TRk_AliasClause>(n)) {
            add(a->AliasToken);
            list(a->NameParts);
        }
        if (auto* c = As<TRk_A_Const>(n)) add(c->ValueToken);
        if (auto* i = As<TRk_Ident>(n)) add(i->IdentToken);
        if (auto* d = As<TRk_SelectDistinct>(n)) add(d->KeywordToken);
        if (auto* o = As<TRk_SortGroupBy>(n)) add(o->SortToken);
        if (auto* f = As<TRk_FuncCall>(n)) add(f->KeywordToken);
        if (auto* x = As<TRk_ExtractList>(n)) add(x->FieldToken);
        if (auto* l = As<TRk_SelectLimitClause>(n))
            for (TSourceToken* t : {l->OffsetValue, l->RowCount, l->OffsetKeyword, l->LimitKeyword, l->CommaToken}) add(t);
        if (auto* t = As<TRkTopClause>(n)) add(t->NumberToken);
        if (auto* t = As<TRk_TypeName>(n))
            for (TSourceToken* k : {t->TypeNameToken, t->MidToken, t->EndToken}) add(k);
        if (auto* c = As<TRkColumnDef>(n)) add(c->ColumnNameToken);
        if (auto* c = As<TRkConstraint>(n)) {
            add(c->ConstraintToken);
            add(c->NameToken);
            for (TRkVisitedAbs* v : {c->IndexName, c->OptionalName, c->ForeignKeyName}) item(v);
        }
        if (auto* c = As<TRk_CreateTableStmt>(n)) {
            for (TSourceToken* t : {c->LikeToken, c->LikeOpenToken, c->LikeCloseToken, c->AsToken}) add(t);
            list(c->ColumnNameList);
        }
        if (auto* c = As<TRk_CreateIndexSqlStatement>(n)) add(c->IndexKindToken);
        if (auto* c = As<TRk_CreateViewSqlStatement>(n)) add(c->ForceToken);
        if (auto* a = As<TRk_alterTableStmt>(n))
            for (TSourceToken* t : {a->AlterToken, a->IgnoreToken, a->TableToken}) add(t);
        if (auto* o = As<TRkAlterTableOption>(n)) add(o->IndexNameToken);
        if (auto* j = As<TRk_joinqual>(n)) list(j->UsingList);
    }
    return s;
}

// Every expected-token text of the parser's states: at most 20 names, each
// followed by a blank, ";" only first, then "..." when cut after the 20th.
// Gives them all joined, each name between blanks, for searches.
template <class Parser>
std::string AllExpectedTexts() {
    std::string all;
    for (int s = 0; s < Parser::Tables().yynstates; ++s) {
        std::string e = Parser::ExpectedTokens(s);
        if (e == "Unknown") continue;
        SCOPED_TRACE(std::to_string(s) + ": " + e);
        const bool cut = e.size() >= 3 && e.compare(e.size() - 3, 3, "...") == 0;
        if (cut) e.resize(e.size() - 3);
        EXPECT_EQ(e.back(), ' ');
        std::istringstream in(e);
        int n = 0;
        for (std::string w; in >> w; ++n) {
            if (n > 0) {
                EXPECT_NE(w, ";");
            }
        }
        EXPECT_TRUE(cut ? n == 20 : n <= 20) << n;
        all += " " + e + (cut ? "... " : "");
    }
    return all;
}

// What bison says of a grammar of the source tree: its shift/reduce count
// and no reduce/reduce conflict.  Skips without the source tree or bison.
inline void ExpectConflicts(const char* Grammar, const std::string& ShiftReduce) {
    sqltest::ExpectDeclaredConflicts(Grammar, ShiftReduce);
}

// A dialect's parse fixture (sqltest::ParseFixture) with the checks of
// accepted and refused texts, of the error handler and of round trips.
template <class Lexer, class SqlParser, std::uint8_t Vendor>
class TreeFixture : public sqltest::ParseFixture<Lexer, SqlParser, Vendor> {
protected:
    // Parses Text, which must be accepted, and gives its root as T (throws
    // when it is not one).
    template <class T>
    T* Root(const std::string& Text) {
        TRk_Node* n = this->Parse(Text);
        const auto& e = this->Errors;
        EXPECT_EQ(this->Result, 0) << Text;
        EXPECT_TRUE(e.empty()) << Text << ": " << (e.empty() ? "" : e[0].Token + " " + e[0].Expected);
        return Is<T>(n);
    }
    // Parses Text, which must be refused with one report, and gives the
    // token the report names.
    std::string Refused(const std::string& Text) {
        this->Parse(Text);
        EXPECT_EQ(this->Errors.size(), 1u) << Text;
        return this->Errors.empty() ? "<accepted>" : this->Errors[0].Token;
    }
    // Text, whose last token Bad cannot follow, parses with an error handler
    // that skips the token: it is offered once, nothing is reported, and the
    // query is the result.
    void ExpectHandlerSkips(const std::string& Text, const std::string& Bad) {
        this->Tokens = sqltest::Tokenize<Lexer>(Text);
        this->Parser = std::make_unique<SqlParser>();
        this->Parser->TokenList = this->Tokens.get();
        int offers = 0;
        this->Parser->OnParserTokenError = [&](void*, TSourceToken*& tok, int, const std::string&,
                                               TActionOnParseError& action, int& rollback, bool& state) {
            ++offers;
            EXPECT_EQ(Txt(tok), Bad);
            action = aopContinue;
            rollback = 0;
            state = false;
        };
        this->Parser->SyntaxErrorCallback = [](uint8_t, const std::string& e, const std::string& tok, int32_t, int32_t) {
            ADD_FAILURE() << tok << " / " << e;
            return true;
        };
        EXPECT_EQ(this->Parser->yyparse(), 0);
        EXPECT_EQ(offers, 1);
        EXPECT_NE(As<TRk_SelectStmt>(this->Parser->RootNode), nullptr);
    }

    // Trees both grammars build alike for the same text.
    void CheckCommonTrees() {
        auto select = [&](const std::string& Text) { return Root<TRk_SelectStmt>(Text); };
        auto* q = select("SELECT a FROM t");
        auto* d = Is<TRk_SelectDistinct>(q->DistinctClause);
        // Kind, own tokens, distinct kind and keyword, TOP, INTO, WHERE,
        // GROUP BY, HAVING, FROM, set operation.
        EXPECT_EQ(J(q->NodeKind, Own(q), d->DistinctKind, d->KeywordToken, q->TopClause, q->IntoClause, q->IntoList,
                    q->WhereClause, q->WhereCondition, q->GroupByClause, q->HavingClause, q->FromList->Count(),
                    Own(q->FromClause), q->SetOperation),
                  "170 SELECT 0 _ _ + _ + _ + + 1 FROM 0");
        // Only the first statement is kept.
        q = select("SELECT a FROM t; SELECT b FROM u");
        EXPECT_EQ(Sx(Is<TRk_ResTarget>(q->TargetList->GetItem(0))->ValueExpr), "a");
        // Parentheses go to the head of the token list.
        q = select("((SELECT a FROM t))");
        EXPECT_EQ(J(q->ParenCount, Own(q)), "2 (|(|)|)|SELECT");
        q = select("(SELECT a FROM t) ORDER BY a");
        EXPECT_EQ(J(q->ParenCount, q->InnerParenCount, Own(q->OrderByClause)), "0 1 ORDER|BY");
        q = select("SELECT a FROM t UNION ALL SELECT b FROM u");
        EXPECT_EQ(J(q->SetOperation, Txt(q->SetAllToken)), "2 ALL");
        auto* top = Is<TRkTopClause>(select("SELECT TOP 10 PERCENT a FROM t")->TopClause);
        EXPECT_EQ(J(top->percent, top->withties, Txt(top->NumberToken), Own(top)), "1 0 10 TOP|PERCENT");
        d = Is<TRk_SelectDistinct>(select("SELECT DISTINCT ON (a) a FROM t")->DistinctClause);
        EXPECT_EQ(J(d->DistinctKind, Own(d)), "2 DISTINCT|ON|(|)");
        auto* j = Is<TRk_JoinExpr>(select("SELECT a FROM a LEFT OUTER JOIN b ON a.x = b.x")->FromList->GetItem(0));
        EXPECT_EQ(J(j->JoinType, Own(j), Txt(j->JoinTypeClause->Tok1), Txt(j->JoinTypeClause->Tok2),
                    j->Qualification->QualKind, Sx(j->Qualification->OnCondition)),
                  "8 JOIN LEFT OUTER 2 (= a.x b.x)");
        auto* r = Is<TRk_TableRef>(select("SELECT a FROM (SELECT a FROM u) v")->FromList->GetItem(0));
        EXPECT_EQ(J(As<TRk_SelectStmt>(r->Source), Txt(r->Alias->AliasToken)), "+ v");

        // Items: literal kinds, calls with a star and with DISTINCT, aliases.
        q = select("SELECT 12, 1.5, 'x', NULL, COUNT(*), COUNT(DISTINCT a, b), a b, c AS 'x' FROM t");
        auto item = [&](int i) { return Is<TRk_ResTarget>(q->TargetList->GetItem(i)); };
        auto operand = [&](int i) { return Is<TRkCustomExpression>(item(i)->ValueExpr)->LeftOperand; };
        EXPECT_EQ(J(Is<TRk_A_Const>(operand(0))->ConstKind, Is<TRk_A_Const>(operand(1))->ConstKind,
                    Is<TRk_A_Const>(operand(2))->ConstKind, Is<TRk_A_Const>(operand(3))->ConstKind),
                  "55 48 172 64");
        auto* f = Is<TRk_FuncCall>(operand(4));
        EXPECT_EQ(J(f->IsStar, f->ArgList, Own(f)), "1 _ (|*|)");
        f = Is<TRk_FuncCall>(operand(5));
        EXPECT_EQ(J(f->IsDistinct, Own(f), Txt(Is<TRk_Node>(f->ArgList->GetItem(1))->SeparatorToken)), "1 (|DISTINCT|) ,");
        EXPECT_EQ(J(item(6)->HasAlias, item(6)->AliasClause->HasAs, Sx(item(6)->AliasClause->NameParts)), "1 0 [b]");
        EXPECT_EQ(J(Txt(item(7)->AliasClause->AliasToken), Own(item(7)->AliasClause)), "'x' AS");

        // Conditions, and non-associative operators refused.
        static const struct {
            const char *cond, *want;  // "error": one report
        } Cases[] = {
            {"a OR b AND c", "(and (or a b) c)"}, {"NOT a = b", "(not _ (= a b))"}, {"a = b = c", "(= a (= b c))"},
            {"a + b * c", "(+ a (* b c))"}, {"- a ^ b", "(^ (- _ a) b)"}, {"a <> b", "(<> a b)"},
            {"x NOT BETWEEN 1 AND 2", "(notbetween x (and 1 2))"}, {"x IS NOT NULL", "(isnotnull x)"},
            {"x IN (1, 2)", "(in x ([1,2]))"}, {"x > ALL (1, 2)", "(>all x ([1,2]))"},
            {"x = ANY (SELECT y FROM u)", "(=any x {q})"}, {"(a, b) = (1, 2)", "(= ([a,b]) ([1,2]))"},
            {"(a, b) NOT IN (SELECT x, y FROM u)", "(notin ([a,b]) {q})"}, {"a < b < c", "error"},
            {"a LIKE b LIKE c", "error"},
        };
        for (const auto& c : Cases) {
            SCOPED_TRACE(c.cond);
            const std::string text = std::string("select a from t where ") + c.cond;
            if (std::string(c.want) == "error") {
                Refused(text);
            } else {
                EXPECT_EQ(Cond(select(text)), c.want);
            }
        }

        auto* i = Root<TRk_InsertStmt>("INSERT INTO t (a, b) VALUES (1, 2)");
        EXPECT_EQ(J(i->HasInto, Own(i), Sx(i->TargetTable->ColumnList), i->ValuesList->Count()), "1 INSERT|INTO [a,b] 2");
        auto* u = Root<TRk_UpdateStmt>("UPDATE t SET a = 1, b = 2 WHERE c = 3");
        EXPECT_EQ(J(Sx(u->SetList), Sx(u->WhereCondition), Own(Is<TRk_Node>(u->SetList->GetItem(0))),
                    Txt(Is<TRk_Node>(u->SetList->GetItem(1))->SeparatorToken)),
                  "[(= a 1),(= b 2)] (= c 3) = ,");
        u = Root<TRk_UpdateStmt>("UPDATE t SET (a, b) = (SELECT x, y FROM u)");
        EXPECT_EQ(Is<TRkCustomExpression>(u->SetList->GetItem(0))->ExprType, Expr_AllOp);
        EXPECT_EQ(Root<TRk_DeleteStmt>("DELETE t WHERE a = 1")->FromOmitted, 1);

        auto* c = Root<TRk_CreateTableStmt>("CREATE TABLE t (a INTEGER NOT NULL, CONSTRAINT pk PRIMARY KEY (a))");
        EXPECT_EQ(J(Own(c), c->ElementList->Count()), "CREATE|TABLE|(|) 2");
        auto* col = Is<TRkColumnDef>(c->ElementList->GetItem(0));
        auto* nn = Is<TRkConstraint>(col->ConstraintNodes->GetItem(0));
        EXPECT_EQ(J(Txt(col->ColumnNameToken), col->DataType->TypeForm, nn->ConstraintType, nn->SeparatorFollows),
                  "a 12 1 0");
        auto* pk = Is<TRkConstraint>(c->ElementList->GetItem(1));
        EXPECT_EQ(J(pk->ConstraintType, pk->SeparatorFollows, Txt(pk->SeparatorToken), pk->GetName(), Txt(pk->ConstraintToken),
                    Sx(pk->ColumnList), Own(pk)),
                  "4 1 , pk CONSTRAINT [a] PRIMARY|KEY|(|)");
        c = Root<TRk_CreateTableStmt>("CREATE TABLE t (a INTEGER REFERENCES u (x) ON DELETE SET NULL)");
        auto* ref = Is<TRkConstraint>(Is<TRkColumnDef>(c->ElementList->GetItem(0))->ConstraintNodes->GetItem(0));
        ASSERT_NE(ref->RefClause, nullptr);
        auto* rc = ref->RefClause;
        EXPECT_EQ(J(ref->ConstraintType, Own(ref), Sx(rc->RefTable), Sx(rc->RefColumns), rc->MatchKind, rc->ActionKinds,
                    rc->OnDeleteAction, Toks(rc->ActionsClause)),
                  "8  u [x] 0 1 3 ON DELETE SET NULL <nil> <nil> <nil> <nil>");
    }

    // "" when Text parses and every significant token of it is kept by the
    // tree; else where it was rejected or what is missing.
    std::string Check(const std::string& Text) {
        TRk_Node* root = this->Parse(Text);
        if (!this->Errors.empty()) return "rejected at " + this->Errors[0].Token + ": " + this->Errors[0].Expected;
        if (root == nullptr) return "";
        const std::set<const TSourceToken*> stored = StoredTokens(*this->Parser);
        std::string miss;
        for (TSourceToken* t : this->Tokens->Items()) {
            if (t->TokenCode == 0 || t->TokenCode == ';' || (t->TokenCode >= 257 && t->TokenCode <= 261)) continue;
            if (!stored.count(t)) miss += std::string(t->GetText()) + " ";
        }
        return miss.empty() ? std::string() : "not kept: " + miss;
    }

    // Checks every statement of the corpus scripts of Dialect the grammar
    // accepts; statements are cut at ";" tokens outside comments and
    // literals.  Skips when the corpus is missing.
    void CheckCorpus(const char* Dialect) {
        namespace fs = std::filesystem;
        const char* env = std::getenv("ORRERY_SHARED_DIR");
        const fs::path dir = fs::path(env ? env : "") / "corpus" / Dialect;
        if (!env || !fs::is_directory(dir)) GTEST_SKIP() << "corpus not available";
        int accepted = 0, total = 0;
        for (const auto& entry : fs::directory_iterator(dir)) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream buf;
            buf << in.rdbuf();
            std::string stmt;
            const auto tokens = sqltest::Tokenize<Lexer>(buf.str() + ";");
            for (TSourceToken* t : tokens->Items()) {
                if (t->TokenCode != ';') {
                    stmt += t->GetText();
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
};

using MySQLParseFixture = TreeFixture<TRkLexerMySQL, TRkParserMySQLSql, 2>;
using AccessParseFixture = TreeFixture<TRkLexerMsaccess, TRkParserMsaccessSql, 3>;

}  // namespace treetest
