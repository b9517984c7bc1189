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
#include "parse/msaccess/msaccesstokens.h"
#include "parse/msaccess/rklexmsaccess.h"
#include "parse/msaccess/rkyaccmsaccesssql.h"
#include "statementstructure/rkexpression.h"

namespace access_test {

// Owning token list of Text, as the Access scanner delivers it.
inline std::unique_ptr<TSourceTokenList> Tokenize(const std::string& Text) {
    auto list = std::make_unique<TSourceTokenList>(true);
    std::istringstream in(Text);
    std::ostringstream echo;
    TRkLexerMsaccess lx;
    lx.InputStream = &in;
    lx.OutputStream = &echo;
    lx.yyclear();
    for (;;) {
        auto tok = std::make_unique<TSourceToken>();
        if (lx.NextToken(*tok) == 0) break;
        tok->OwnerList = list.get();
        tok->PosInList = list->Count();
        list->Add(std::move(tok));
    }
    return list;
}

struct TErrorRec {
    int Type = 0;
    std::string Expected;
    std::string Token;
    int Line = 0;
    int Column = 0;
};

// Parses one text; the parser and the tokens live as long as the fixture.
class AccessParseFixture : public ::testing::Test {
protected:
    std::unique_ptr<TSourceTokenList> Tokens;
    std::unique_ptr<TRkParserMsaccessSql> Parser;
    std::vector<TErrorRec> Errors;
    int Result = -2;

    TRk_Node* Parse(const std::string& Text) {
        Tokens = Tokenize(Text);
        Parser = std::make_unique<TRkParserMsaccessSql>();
        Parser->DbVendor = 3;
        Parser->TokenList = Tokens.get();
        Parser->TokenPos = 0;
        Errors.clear();
        Parser->SyntaxErrorCallback = [this](uint8_t t, const std::string& e, const std::string& tok, int32_t l,
                                             int32_t c) {
            Errors.push_back({t, e, tok, l, c});
            return true;
        };
        Result = Parser->yyparse();
        return Parser->RootNode;
    }
};

// Own tokens of a node, their texts joined by "|".
inline std::string OwnTokens(const TRk_Node* N) {
    if (N == nullptr) return "<nil>";
    std::string s;
    for (const TSourceToken* t : N->TokenList->Items()) {
        if (!s.empty()) s += "|";
        s += t->Text;
    }
    return s;
}

inline std::string TokText(const TSourceToken* T) { return T ? T->Text : std::string("<nil>"); }

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
