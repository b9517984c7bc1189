// Parses MySQL text with the MySQL scanner and parser, as a statement does,
// and draws small pictures of the trees for the assertions.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/sqltest_fixture.h"
#include "parse/mysql/rklexmysql.h"
#include "parse/mysql/rkyaccmysqlsql.h"

namespace mysql_test {

// Owning token list of Text, as the scanner delivers it.
inline std::unique_ptr<TSourceTokenList> Tokenize(const std::string& Text) {
    return sqltest::Tokenize<TRkLexerMySQL>(Text);
}

using sqltest::TErrorRec;

class MySQLParseFixture : public sqltest::ParseFixture<TRkLexerMySQL, TRkParserMySQLSql, 2> {
protected:
    // Parses Text, which must be accepted, and gives its root as T.
    template <class T>
    T* Root(const std::string& Text) {
        TRk_Node* n = Parse(Text);
        EXPECT_EQ(Result, 0) << Text;
        EXPECT_TRUE(Errors.empty()) << Text << ": " << (Errors.empty() ? "" : Errors[0].Expected);
        T* r = dynamic_cast<T*>(n);
        EXPECT_NE(r, nullptr) << Text;
        return r;
    }
};

inline std::string Own(const TRk_Node* N) { return sqltest::OwnTokens(N); }
inline std::string Txt(const TSourceToken* T) { return sqltest::TokText(T); }

template <class T>
T* As(TRkVisitedAbs* N) {
    return dynamic_cast<T*>(N);
}

// An expression tree as text: names and literals as written, "(op l r)" for
// operators ("_" for a missing operand), "[a,b]" for lists, "{q}" for queries.
inline std::string Sx(TRkVisitedAbs* V);

inline std::string SxList(TRk_List* L) {
    std::string s = "[";
    for (int32_t i = 0; L && i < L->Count(); ++i) s += (i ? "," : "") + Sx(L->GetItem(i));
    return s + "]";
}

inline std::string Sx(TRkVisitedAbs* V) {
    if (V == nullptr) return "_";
    if (TSourceToken* t = V->AsToken()) return t->Text;
    if (auto* e = dynamic_cast<TRkCustomExpression*>(V)) {
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
            default: break;
        }
        std::string op = e->OperatorToken ? e->OperatorToken->Text : std::string("?");
        for (char& c : op) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (e->ExprType == Expr_NotLike) op = "notlike";
        if (e->ExprType == Expr_NotIn) op = "notin";
        if (e->ExprType == Expr_NotBetween) op = "notbetween";
        if (e->Modifier) op += e->Modifier == 1 ? "any" : e->Modifier == 2 ? "some" : "all";
        return "(" + op + " " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
    }
    if (auto* a = dynamic_cast<TRk_Attr*>(V)) {
        std::string s = Txt(a->NameToken);
        for (int32_t i = 0; a->NameParts && i < a->NameParts->Count(); ++i) s += "." + Sx(a->NameParts->GetItem(i));
        return s;
    }
    if (auto* c = dynamic_cast<TRk_A_Const*>(V)) return Txt(c->ValueToken);
    if (auto* i = dynamic_cast<TRk_Ident*>(V)) return Txt(i->IdentToken);
    if (auto* l = dynamic_cast<TRk_List*>(V)) return SxList(l);
    if (auto* f = dynamic_cast<TRk_FuncCall*>(V))
        return (f->NameAttr ? Sx(f->NameAttr) : Txt(f->KeywordToken)) + SxList(f->ArgList);
    if (dynamic_cast<TRk_SelectStmt*>(V)) return "{q}";
    if (TRk_Node* n = V->AsNode()) {
        // A query operand may come wrapped in its statement object.
        if (std::string(n->ClassName()) == "TSelectSqlStatement") return "{q}";
        return std::string("<") + n->ClassName() + ">";
    }
    return "?";
}

// The WHERE condition of «select a from t where COND».
inline std::string Cond(TRk_Node* Root) {
    auto* q = dynamic_cast<TRk_SelectStmt*>(Root);
    return q ? Sx(q->WhereCondition) : std::string("<no query>");
}

}  // namespace mysql_test
