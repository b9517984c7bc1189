// Shared by the MS Access scanner, grammar and driver tests: the tokens of a
// text as the Access scanner makes them, a fixture that parses one text with
// TRkParserMsaccessSql, and small pictures of trees for the assertions.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/sqltest_fixture.h"
#include "parse/msaccess/msaccesstokens.h"
#include "parse/msaccess/rklexmsaccess.h"
#include "parse/msaccess/rkyaccmsaccesssql.h"
#include "statementstructure/rkexpression.h"

namespace access_test {

// Owning token list of Text, as the scanner delivers it.
inline std::unique_ptr<TSourceTokenList> Tokenize(const std::string& Text) {
    return sqltest::Tokenize<TRkLexerMsaccess>(Text);
}

using sqltest::TErrorRec;
using AccessParseFixture = sqltest::ParseFixture<TRkLexerMsaccess, TRkParserMsaccessSql, 3>;

inline std::string OwnTokens(const TRk_Node* N) { return sqltest::OwnTokens(N); }
inline std::string TokText(const TSourceToken* T) { return sqltest::TokText(T); }

template <class T>
T* As(TRkVisitedAbs* N) {
    return dynamic_cast<T*>(N);
}

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
    return s;
}

inline std::string Sx(TRkVisitedAbs* V) {
    if (V == nullptr) return "_";
    if (TSourceToken* t = V->AsToken()) return t->Text;
    if (auto* l = dynamic_cast<TRk_List*>(V)) return SxList(l);
    if (auto* a = dynamic_cast<TRk_Attr*>(V)) return AttrText(a);
    if (auto* c = dynamic_cast<TRk_A_Const*>(V)) return TokText(c->ValueToken);
    if (auto* i = dynamic_cast<TRk_Ident*>(V)) return TokText(i->IdentToken);
    if (auto* f = dynamic_cast<TRk_FuncCall*>(V))
        return (f->NameAttr ? AttrText(f->NameAttr) : TokText(f->KeywordToken)) + "(" +
               (f->IsStar ? std::string("*") : SxList(f->ArgList)) + ")";
    if (dynamic_cast<TRk_SelectStmt*>(V) || V->ClassName() == std::string("TSelectSqlStatement")) return "{q}";
    if (auto* e = dynamic_cast<TRkCustomExpression*>(V)) {
        switch (static_cast<TRkOpType>(e->ExprType)) {
            case Expr_Attr:
            case Expr_Const:
            case Expr_FuncCall:
            case Expr_Ident:
                return Sx(e->LeftOperand);
            case Expr_subquery:
                return "{q}";
            case Expr_Parenthesis:
                return "(paren " + Sx(e->LeftOperand) + ")";
            default:
                break;
        }
        std::string op = e->OperatorToken ? e->OperatorToken->Text : std::to_string(e->ExprType);
        return "(" + op + " " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
    }
    return std::string("<") + V->ClassName() + ">";
}

}  // namespace access_test
