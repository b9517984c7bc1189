// Runs the SQL Server scanner and parser over a whole script, recording
// what the parser reports and announces.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/mssql/rklexmssql.h"
#include "parse/mssql/rkyaccmssqlsql.h"
#include "parse/sqltest_fixture.h"

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
        for (int i = from; i <= to && i < tokens->Count(); ++i) s += tokens->TokenAt(i)->Text;
        return s;
    }
    std::string ListText(const TSourceTokenList* l) const {
        std::string s;
        for (const TSourceToken* t : l->Items()) s += t->Text + "|";
        return s;
    }
};
