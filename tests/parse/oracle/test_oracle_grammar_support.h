// Shared by the Oracle grammar and driver tests: a small tokenizer that
// builds the token list the Oracle scanner would (codes, types, lines and
// columns of the tokens the grammar reads, plus blanks, line breaks and
// comments), and a fixture that parses one text with TRkParserOracleSql.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/oracle/oracletokens.h"
#include "parse/oracle/rkyaccoraclesql.h"

namespace oracle_test {

inline int KeywordCode(const std::string& Word) {
    std::string up;
    for (unsigned char c : Word) up += static_cast<char>(std::toupper(c));
#define ORACLE_TEST_KEYWORD(w, code) \
    if (up == #w) return code;
    ORACLE_KEYWORD_LIST(ORACLE_TEST_KEYWORD)
#undef ORACLE_TEST_KEYWORD
    return 0;
}

// Owning token list of Text.
inline std::unique_ptr<TSourceTokenList> Tokenize(const std::string& Text) {
    auto list = std::make_unique<TSourceTokenList>(true);
    int line = 1, col = 1;
    size_t i = 0;
    const size_t n = Text.size();
    auto at = [&](size_t k) -> unsigned char { return k < n ? static_cast<unsigned char>(Text[k]) : 0; };
    auto idStart = [](unsigned char c) { return std::isalpha(c) || c == '_' || c == '#' || c == '$' || c >= 128; };
    auto idChar = [&](unsigned char c) { return idStart(c) || std::isdigit(c); };
    while (i < n) {
        const size_t start = i;
        int code = 0;
        uint8_t type = ttUnclassified;
        const unsigned char c = at(i);
        if (c == '\n' || c == '\r') {
            i += (c == '\r' && at(i + 1) == '\n') ? 2 : 1;
            code = tcLineBreak;
            type = ttLineBreak;
        } else if (c == ' ' || c == '\t') {
            while (at(i) == ' ' || at(i) == '\t') ++i;
            code = tcBlanks;
            type = ttBlanks;
        } else if (c == '-' && at(i + 1) == '-') {
            while (i < n && at(i) != '\n' && at(i) != '\r') ++i;
            code = tcLineComment;
            type = ttLineComment;
        } else if (c == '/' && at(i + 1) == '*') {
            i += 2;
            while (i < n && !(at(i) == '*' && at(i + 1) == '/')) ++i;
            i = std::min(n, i + 2);
            code = tcBlockComment;
            type = ttBlockComment;
        } else if (idStart(c)) {
            while (idChar(at(i))) ++i;
            const int kw = KeywordCode(Text.substr(start, i - start));
            code = kw ? kw : oracletok::IDENT;
            type = kw ? ttKeyword : ttIdentifier;
        } else if (c == '"') {
            ++i;
            while (i < n && at(i) != '"') ++i;
            i = std::min(n, i + 1);
            code = oracletok::IDENT;
            type = ttQuotedName;
        } else if (c == '\'') {
            ++i;
            for (;;) {
                if (i >= n) break;
                if (at(i) == '\'') {
                    if (at(i + 1) == '\'') { i += 2; continue; }
                    ++i;
                    break;
                }
                ++i;
            }
            code = oracletok::STRING_LIT;
            type = ttString;
        } else if (std::isdigit(c) || (c == '.' && std::isdigit(at(i + 1)))) {
            bool real = false;
            while (std::isdigit(at(i))) ++i;
            if (at(i) == '.' && at(i + 1) != '.') {
                real = true;
                ++i;
                while (std::isdigit(at(i))) ++i;
            }
            if ((at(i) == 'e' || at(i) == 'E') &&
                (std::isdigit(at(i + 1)) || ((at(i + 1) == '+' || at(i + 1) == '-') && std::isdigit(at(i + 2))))) {
                real = true;
                i += 2;
                while (std::isdigit(at(i))) ++i;
            }
            code = real ? oracletok::NUMBER_LIT : oracletok::INTEGER_LIT;
            type = ttNumber;
        } else if (c == ':' && idStart(at(i + 1))) {
            ++i;
            while (idChar(at(i))) ++i;
            code = oracletok::BIND_NAME;
            type = ttBindVar;
        } else if (c == '(' && at(i + 1) == '+' && at(i + 2) == ')') {
            i += 3;
            code = oracletok::OUTER_JOIN_MARK;
            type = ttKeyword;
        } else if (std::string("<>=!|").find(static_cast<char>(c)) != std::string::npos &&
                   std::string("<>=|").find(static_cast<char>(at(i + 1))) != std::string::npos && at(i + 1) != 0) {
            i += 2;
            code = oracletok::OPERATOR;
            type = ttOperator;
        } else {
            ++i;
            code = c;
            type = ttOtherChar;
        }
        auto tok = std::make_unique<TSourceToken>();
        tok->Text = Text.substr(start, i - start);
        tok->TokenCode = code;
        tok->TokenType = type;
        for (size_t k = start; k < i; ++k) {
            if (Text[k] == '\n') { ++line; col = 1; } else { ++col; }
        }
        tok->Line = line;
        tok->Column = col;
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

// Parses one text.  The parser and the tokens live as long as the fixture.
class OracleParseFixture : public ::testing::Test {
protected:
    std::unique_ptr<TSourceTokenList> Tokens;
    std::unique_ptr<TRkParserOracleSql> Parser;
    std::vector<TErrorRec> Errors;
    int Result = -2;

    TRk_Node* Parse(const std::string& Text) {
        Tokens = Tokenize(Text);
        Parser = std::make_unique<TRkParserOracleSql>();
        Parser->DbVendor = 1;
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

// Plain text of a node without what trails its last token.
inline std::string Trimmed(std::string S) {
    while (!S.empty() && std::isspace(static_cast<unsigned char>(S.back()))) S.pop_back();
    return S;
}

template <class T>
T* As(TRkVisitedAbs* N) {
    return dynamic_cast<T*>(N);
}

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
    if (TSourceToken* t = V->AsToken()) return t->Text;
    if (auto* e = dynamic_cast<TRkCustomExpression*>(V)) {
        switch (e->ExprType) {
            case Expr_Attr:
            case Expr_Const:
            case Expr_Ident:
            case Expr_FuncCall:
                if (e->OperatorToken) return Sx(e->LeftOperand) + "." + e->OperatorToken->Text;
                return Sx(e->LeftOperand);
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
        if (e->ExprType == Expr_OuterJoin) op = "(+)";
        if (e->Modifier) op += e->Modifier == 1 ? "any" : e->Modifier == 2 ? "some" : "all";
        return "(" + op + " " + Sx(e->LeftOperand) + " " + Sx(e->RightOperand) + ")";
    }
    if (auto* a = dynamic_cast<TRk_Attr*>(V)) return AttrText(a);
    if (auto* c = dynamic_cast<TRk_A_Const*>(V)) return c->ValueToken ? c->ValueToken->Text : OwnTokens(c);
    if (auto* i = dynamic_cast<TRk_Ident*>(V)) return TokText(i->IdentToken);
    if (auto* l = dynamic_cast<TRk_List*>(V)) return SxList(l);
    if (auto* f = dynamic_cast<TRk_FuncCall*>(V))
        return (f->NameAttr ? AttrText(f->NameAttr) : TokText(f->KeywordToken)) + SxList(f->ArgList);
    if (auto* q = dynamic_cast<TRk_SelectStmt*>(V)) { (void)q; return "{q}"; }
    if (auto* t = dynamic_cast<TRk_TypeName*>(V)) return OwnTokens(t);
    if (TRk_Node* n = V->AsNode()) return std::string("<") + n->ClassName() + ">";
    return "?";
}

}  // namespace oracle_test
