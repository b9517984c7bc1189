// Shared by the PL/SQL parser tests: a fixture that parses one text with
// TRkParserOraclePlsql over the Oracle scanner's tokens, and accessors for
// the trees it builds.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "parse/oracle/rkyaccoracleplsql.h"
#include "statementstructure/plsqlstatement_elements.h"
#include "statementstructure/sqlstatement.h"
#include "test_oracle_grammar_support.h"

namespace plsql_test {

using oracle_test::TErrorRec;

// The significant token texts of a list, joined by blanks.
inline std::string Significant(const TSourceTokenList* L) {
    std::string s;
    if (L == nullptr) return "<nil>";
    for (const TSourceToken* t : L->Items()) {
        if (!t->IsSignificant() || t->GetText().empty()) continue;   // no end tokens
        if (!s.empty()) s += " ";
        s += t->GetText();
    }
    return s;
}

// Text with each line break written CR LF, as statement texts keep them.
inline std::string Crlf(std::string_view Text) {
    std::string s;
    for (char c : Text) s += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return s;
}

// Every token text of a list, blanks and line breaks included.
inline std::string AllText(const TSourceTokenList* L) {
    std::string s;
    for (const TSourceToken* t : L->Items()) s += t->GetText();
    return s;
}

class PlsqlParseFixture : public ::testing::Test {
protected:
    std::unique_ptr<TSourceTokenList> Tokens;
    std::unique_ptr<TRkParserOraclePlsql> Parser;
    std::vector<TErrorRec> Errors;
    int Result = -2;

    TRk_Node* Parse(const std::string& Text) {
        Tokens = oracle_test::Tokenize(Text);
        return ParseTokens();
    }

    TRk_Node* ParseTokens() {
        if (!Parser) Parser = std::make_unique<TRkParserOraclePlsql>();
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

    // Every node of class T the parse made, in creation order.
    template <class T>
    std::vector<T*> All() const {
        std::vector<T*> v;
        for (const auto& up : Parser->NodePool)
            if (auto* n = dynamic_cast<T*>(up.get())) v.push_back(n);
        return v;
    }

    // The only node of class T; fails the test when there is not exactly one.
    template <class T>
    T* One() const {
        std::vector<T*> v = All<T>();
        EXPECT_EQ(v.size(), 1u) << typeid(T).name();
        return oracle_test::Must(v.empty() ? nullptr : v.front(), typeid(T).name());
    }
};

template <class T>
T* Item(TRk_List* L, int I) {
    return L && I < L->Count() ? dynamic_cast<T*>(L->GetItem(I)) : nullptr;
}

using oracle_test::Count;

// The statements (or declarations) of a list by class name without its
// prefix; a skipped statement shows its tokens, a loop its statements, a
// variable its name.
inline std::string Stmts(TRk_List* L) {
    std::string s;
    for (int i = 0; i < Count(L); ++i) {
        TRkVisitedAbs* v = L->GetItem(i);
        std::string n = v->AsNode() ? v->AsNode()->ClassName() : "?";
        if (n.rfind("TRkPlsql_", 0) == 0) n.erase(0, 9);
        if (auto* d = dynamic_cast<TRkPlsql_DummyStmt*>(v)) n += "(" + Significant(d->SkippedTokens.get()) + ")";
        if (auto* l = dynamic_cast<TRkPlsql_LoopStmt*>(v)) n += "[" + Stmts(l->Statements) + "]";
        if (auto* d = dynamic_cast<TRkPlsql_VarDecl*>(v)) n += "(" + oracle_test::TokText(d->NameToken) + ")";
        s += (s.empty() ? "" : " ") + n;
    }
    return s;
}

}  // namespace plsql_test
