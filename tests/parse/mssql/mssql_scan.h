// Runs the SQL Server scanner over a text as the front end drives it.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/mssql/rklexmssql.h"

struct MsTok {
    int code = 0;       // NextToken's result
    int tokenCode = 0;  // the token's TokenCode
    std::string text;
    int type = 0;
    int group = 0;
    int subKind = 0;
    int line = 0;
    int column = 0;
};

inline std::vector<MsTok> MsScan(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    TRkLexerMssql lx;
    lx.InputStream = &in;
    lx.OutputStream = &out;
    lx.yyclear();
    std::vector<MsTok> toks;
    for (;;) {
        TSourceToken t;
        int code = lx.NextToken(t);
        if (code == 0 || toks.size() > 4000000) break;
        toks.push_back({code, t.TokenCode, std::string(t.GetText()), t.TokenType, t.TokenGroup, t.TokenSubKind, t.Line, t.Column});
    }
    // The runtime reads by lines: the line feed it adds at the end is left out.
    if (!toks.empty() && toks.back().code == 260 && toks.back().text == "\n") toks.pop_back();
    return toks;
}

// "code[text] ..." for every token, line breaks written as \n and \r.
inline std::string MsDump(const std::string& input) {
    std::string r;
    for (const MsTok& t : MsScan(input)) {
        if (!r.empty()) r += ' ';
        r += std::to_string(t.code) + "[";
        for (char c : t.text) {
            if (c == '\n') r += "\\n";
            else if (c == '\r') r += "\\r";
            else r += c;
        }
        r += "]";
    }
    return r;
}
