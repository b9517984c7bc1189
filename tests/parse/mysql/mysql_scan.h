// Runs the MySQL scanner over a text as the front end drives it.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "parse/mysql/rklexmysql.h"

struct MyTok {
    int code = 0;       // NextToken's result
    int tokenCode = 0;  // the token's TokenCode
    std::string text;
    int type = 0;
    int group = 0;
    int subKind = 0;
};

inline std::vector<MyTok> MyScan(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    TRkLexerMySQL lx;
    lx.InputStream = &in;
    lx.OutputStream = &out;
    lx.yyclear();
    std::vector<MyTok> toks;
    for (;;) {
        TSourceToken t;
        int code = lx.NextToken(t);
        if (code == 0 || toks.size() > 4000000) break;
        toks.push_back({code, t.TokenCode, t.Text, t.TokenType, t.TokenGroup, t.TokenSubKind});
    }
    // The runtime reads by lines: the line feed it adds at the end is left out.
    if (!toks.empty() && toks.back().code == 260 && toks.back().text == "\n") toks.pop_back();
    return toks;
}
