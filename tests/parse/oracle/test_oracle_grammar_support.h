// Shared by the Oracle grammar and driver tests: the token list of a text as
// the Oracle scanner makes it, a fixture that parses one text with
// TRkParserOracleSql, and small pictures of trees for the assertions.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <stdexcept>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/sqltest_fixture.h"
#include "parse/oracle/oracletokens.h"
#include "parse/oracle/rklexoracle.h"
#include "parse/oracle/rkyaccoraclesql.h"

namespace oracle_test {

// Owning token list of Text, as the scanner delivers it.
inline std::unique_ptr<TSourceTokenList> Tokenize(const std::string& Text) {
    return sqltest::Tokenize<TRkLexerOracle>(Text);
}

using sqltest::TErrorRec;
using OracleParseFixture = sqltest::ParseFixture<TRkLexerOracle, TRkParserOracleSql, 1>;

inline std::string OwnTokens(const TRk_Node* N) { return sqltest::OwnTokens(N); }
inline std::string TokText(const TSourceToken* T) { return sqltest::TokText(T); }

// Plain text of a node without what trails its last token.
inline std::string Trimmed(std::string S) {
    while (!S.empty() && std::isspace(static_cast<unsigned char>(S.back()))) S.pop_back();
    return S;
}

template <class T>
T* As(TRkVisitedAbs* N) {
    return dynamic_cast<T*>(N);
}

inline int Count(const TRk_List* L) { return L ? L->Count() : 0; }

// P, or the end of the test with a readable failure when it is null (the
// test body reports the exception), so that callers need no null guards.
template <class T>
T* Must(T* P, const std::string& What) {
    if (P == nullptr) throw std::runtime_error("missing: " + What);
    return P;
}
#define MUST(E) oracle_test::Must((E), #E)

// One field as text: a token's text, "nil"/"set" for other pointers, numbers.
template <class T>
std::string Str(const T& V) {
    if constexpr (std::is_convertible_v<T, const TSourceToken*>) return TokText(V);
    else if constexpr (std::is_convertible_v<T, std::string_view>) return std::string(V);
    else if constexpr (std::is_pointer_v<T>) return V ? "set" : "nil";
    else if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>) return std::to_string(static_cast<long long>(V));
}

// Fields joined by blanks ("-" for an empty one), so that one assertion pins
// several fields of a node.
template <class... A>
std::string Fields(const A&... V) {
    std::string s;
    auto add = [&s](const std::string& F) { s += (s.empty() ? "" : " ") + (F.empty() ? std::string("-") : F); };
    (add(Str(V)), ...);
    return s;
}

// Every report as "token@line:column expected", joined by " / " (the type is
// named only when it is not 1, a syntax error).
inline std::string Reports(const std::vector<TErrorRec>& Errors) {
    std::string s;
    for (const TErrorRec& e : Errors) {
        if (!s.empty()) s += " / ";
        if (e.Type != 1) s += "type " + std::to_string(e.Type) + " ";
        s += e.Token + "@" + std::to_string(e.Line) + ":" + std::to_string(e.Column) + " " + e.Expected;
    }
    return s;
}

// Parses statements that must be accepted without a report.
class OracleGrammar : public OracleParseFixture {
protected:
    template <class T>
    T* Stmt(const std::string& Text) {
        TRk_Node* root = Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        EXPECT_TRUE(Errors.empty()) << Text << ": " << FirstError();
        return Must(As<T>(root), Text);
    }
    bool Accepted(const std::string& Text) {
        Parse(Text);
        return Result == 0 && Errors.empty();
    }
    std::string FirstError() const {
        return Errors.empty() ? std::string() : Errors[0].Expected + " at " + Errors[0].Token;
    }
};

}  // namespace oracle_test

namespace oracle_test {

// A compact picture of an expression tree: names and literals as written,
// "(op left right)" for operators ("_" for a missing operand), "[a,b]" for
// lists, "{q}" for a query operand.
inline std::string Sx(TRkVisitedAbs* V);

inline std::string SxList(TRk_List* L) {
    std::string s = "[";
    for (int32_t i = 0; L && i < L->Count(); ++i) {
        if (i) s += ",";
        s += Sx(L->GetItem(i));
    }
    return s + "]";
}

inline std::string AttrText(TRk_Attr* A) {
    std::string s = TokText(A->NameToken);
    if (A->NameParts)
        for (int32_t i = 0; i < A->NameParts->Count(); ++i) s += "." + Sx(A->NameParts->GetItem(i));
    if (A->LinkedName) s += "@" + AttrText(A->LinkedName);
    return s;
}

inline std::string Sx(TRkVisitedAbs* V) {
    if (V == nullptr) return "_";
    if (TSourceToken* t = V->AsToken()) return std::string(t->GetText());
    if (auto* e = dynamic_cast<TRkCustomExpression*>(V)) {
        switch (e->ExprType) {
            case Expr_Attr:
            case Expr_Const:
            case Expr_Ident:
            case Expr_FuncCall:
                if (e->OperatorToken) return Sx(e->LeftOperand) + "." + std::string(e->OperatorToken->GetText());
                return Sx(e->LeftOperand);
            case Expr_subquery: return "{q}";
            case Expr_Parenthesis: return "(" + Sx(e->LeftOperand) + ")";
            case Expr_IsNull: return "(isnull " + Sx(e->LeftOperand) + ")";
            case Expr_IsNotNull: return "(isnotnull " + Sx(e->LeftOperand) + ")";
            default: break;
        }
        std::string op = e->OperatorToken ? std::string(e->OperatorToken->GetText()) : std::string("?");
        for (char& c : op) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (e->ExprType == Expr_NotLike) op = "notlike";
        if (e->ExprType == Expr_NotIn) op = "notin";
        if (e->ExprType == Expr_NotBetween) op = "notbetween";
        if (e->ExprType == Expr_OuterJoin) op = "(+)";
        if (e->Modifier) op += e->Modifier == 1 ? "any" : e->Modifier == 2 ? "some" : "all";
        return "(" + op + " " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
    }
    if (auto* a = dynamic_cast<TRk_Attr*>(V)) return AttrText(a);
    if (auto* c = dynamic_cast<TRk_A_Const*>(V)) return c->ValueToken ? std::string(c->ValueToken->GetText()) : OwnTokens(c);
    if (auto* i = dynamic_cast<TRk_Ident*>(V)) return TokText(i->IdentToken);
    if (auto* l = dynamic_cast<TRk_List*>(V)) return SxList(l);
    if (auto* f = dynamic_cast<TRk_FuncCall*>(V))
        return (f->NameAttr ? AttrText(f->NameAttr) : TokText(f->KeywordToken)) + SxList(f->ArgList);
    if (auto* q = dynamic_cast<TRk_SelectStmt*>(V)) { (void)q; return "{q}"; }
    // A sub-query is wrapped into a select statement once the statement
    // model is linked in (as soon as a test of the executable uses the
    // front end); either way it is a query operand.
    if (TRk_Node* n = V->AsNode(); n && std::string(n->ClassName()) == "TSelectSqlStatement") return "{q}";
    if (auto* t = dynamic_cast<TRk_TypeName*>(V)) return OwnTokens(t);
    if (TRk_Node* n = V->AsNode()) return std::string("<") + n->ClassName() + ">";
    return "?";
}

}  // namespace oracle_test
