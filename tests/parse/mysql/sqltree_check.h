// Shared by the MySQL and the Access grammar tests: small pictures of parse
// trees for the assertions, and the round-trip check that every significant
// token of an accepted statement is kept somewhere in its tree (so that its
// text can be rebuilt), over hand-written statements and the corpus scripts.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <type_traits>
#include <typeinfo>
#include <string>

#include "nodes/u_nodes.h"
#include "nodes/u_parsenodes.h"
#include "parse/sqltest_fixture.h"
#include "statementstructure/ddlstatement.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement_select.h"

namespace treetest {

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

// Several fields of a node in one line: values joined by " ", numbers as
// numbers, texts as they are, other pointers as "+" (set) or "_" (nullptr).
template <class V>
std::string Field(const V& v) {
    if constexpr (std::is_convertible_v<V, std::string>) {
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
    if (TSourceToken* t = V->AsToken()) return t->Text;
    if (auto* e = As<TRkCustomExpression>(V)) {
        switch (e->ExprType) {
            case Expr_Attr:
            case Expr_Const:
            case Expr_Ident:
            case Expr_FuncCall:
                return Sx(e->LeftOperand) + (e->OperatorToken ? "." + e->OperatorToken->Text : "");
            case Expr_subquery: return "{q}";
            case Expr_Parenthesis: return "(" + Sx(e->LeftOperand) + ")";
            case Expr_IsNull: return "(isnull " + Sx(e->LeftOperand) + ")";
            case Expr_IsNotNull: return "(isnotnull " + Sx(e->LeftOperand) + ")";
            case Expr_NotLike: return "(notlike " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
            case Expr_NotIn: return "(notin " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
            case Expr_NotBetween: return "(notbetween " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
            default: break;
        }
        std::string op = e->OperatorToken ? e->OperatorToken->Text : std::string("?");
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
        if (T->SeparatorToken) s.insert(T->SeparatorToken);
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

// A dialect's parse fixture (sqltest::ParseFixture) with the checks of
// accepted and refused texts and of round trips.
template <class Base>
class TreeFixture : public Base {
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
            if (!stored.count(t)) miss += t->Text + " ";
        }
        return miss.empty() ? std::string() : "not kept: " + miss;
    }

    // Checks every statement of the corpus scripts of Dialect the grammar
    // accepts; statements are cut at ";" tokens outside comments and
    // literals.  Skips when the corpus is missing.
    template <class Lexer>
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
};

}  // namespace treetest
