// Runs the SQL Server scanner and parser over a whole script, recording
// what the parser reports and announces.
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "parse/mssql/rklexmssql.h"
#include "parse/mssql/rkyaccmssqlsql.h"
#include "parse/sqltest_fixture.h"

// The values joined by " ": one string to compare where a test pins many
// fields of one node (numbers, enums and flags as digits).
template <class... V>
std::string Pic(const V&... Values) {
    std::string s;
    bool first = true;
    auto add = [&](const auto& X) {
        if (!first) s += " ";
        first = false;
        using T = std::decay_t<decltype(X)>;
        if constexpr (std::is_enum_v<T>) s += std::to_string(static_cast<long long>(X));
        else if constexpr (std::is_arithmetic_v<T>) s += std::to_string(+X);
        else s += X;
    };
    (add(Values), ...);
    return s;
}

struct MsError {
    std::string message, token;
    int line = 0, column = 0;
};

struct MsAnnounced {
    int type = 0, start = 0, end = 0;
};

struct MsRun {
    std::unique_ptr<TSourceTokenList> tokens;
    std::unique_ptr<TRkParserMssqlSql> parser = std::make_unique<TRkParserMssqlSql>();
    std::vector<MsError> errors;
    std::vector<MsAnnounced> announced;
    int result = -1;

    explicit MsRun(const std::string& text) : tokens(sqltest::Tokenize<TRkLexerMssql>(text)) {
        parser->TokenList = tokens.get();
        parser->SyntaxErrorCallback = [this](std::uint8_t, const std::string& m, const std::string& tok, int l,
                                             int c) {
            errors.push_back({m, tok, l, c});
            return true;
        };
        parser->SetOnGetRawSqlStatement([this](void*, TSqlStatementType type, int s, int e) {
            announced.push_back({static_cast<int>(type), s, e});
        });
    }
    int Parse() { return result = parser->yyparse(); }
    // Text of the tokens from..to of the script.
    std::string Text(int from, int to) const {
        std::string s;
        for (int i = from; i <= to && i < tokens->Count(); ++i) s += tokens->TokenAt(i)->GetText();
        return s;
    }
    template <class TList>
    std::string ListText(const TList* l) const {
        std::string s;
        for (const TSourceToken* t : l->Items()) s += std::string(t->GetText()) + "|";
        return s;
    }
    // The inner node of each listed statement by class, a recognised-only
    // or error statement with its kind ("_TMssqlDummyStmt:45").
    std::string Kinds() const {
        std::string s;
        for (TRk_Node* item : parser->ResultList) {
            const TRk_Node* n = static_cast<_TMssqlStmt*>(item)->InnerNode;
            s += (s.empty() ? "" : " ") + std::string(n ? n->ClassName() : "<nil>");
            if (n && std::string(n->ClassName()) == "_TMssqlDummyStmt") s += ":" + std::to_string(n->NodeKind);
        }
        return s;
    }
};
