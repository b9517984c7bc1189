// Builds an owning script token list from SQL text for tests: blanks, line
// breaks, comments, words (keywords from a small set), numbers, strings,
// quoted names and single-character punctuation, each with the token type
// and code the scanners give it, and with OwnerList and PosInList set as
// the front end sets them.
#pragma once

#include <cctype>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formatter/rkbasetype.h"
#include "nodes/u_nodes.h"

namespace testtok {

inline bool IsKeyword(std::string_view w) {
    static const char* const kw[] = {"and",    "as",     "by",     "create", "delete", "from",
                                     "global", "group",  "in",     "insert", "into",   "is",
                                     "not",    "null",   "or",     "order",  "select", "set",
                                     "table",  "temporary", "type", "update", "values", "where"};
    for (const char* k : kw)
        if (SameText(w, k)) return true;
    return false;
}

inline uint8_t PunctType(char c) {
    static const char chars[] = ";:,.+-*/=><()";
    static const uint8_t types[] = {ttSemicolon, ttColon, ttComma, ttPeriod, ttPlus, ttMinus, ttStar,
                                    ttSlash, ttEqual, ttGreater, ttLess, ttLeftParen, ttRightParen};
    const char* p = c ? std::strchr(chars, c) : nullptr;
    return p ? types[p - chars] : uint8_t(ttOtherChar);
}

// Appends the tokens of Text to List (an owning list).
inline void Scan(TSourceTokenList& List, std::string_view s) {
    size_t i = 0;
    int32_t line = 1;
    while (i < s.size()) {
        size_t b = i;
        uint8_t type = ttOtherChar;
        int32_t code = 0;
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == ' ' || c == '\t') {
            while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
            type = ttBlanks;
            code = tcBlanks;
        } else if (c == '\r' || c == '\n') {
            i += (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ? 2 : 1;
            type = ttLineBreak;
            code = tcLineBreak;
            ++line;
        } else if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') {
            while (i < s.size() && s[i] != '\n' && s[i] != '\r') ++i;
            type = ttLineComment;
            code = tcLineComment;
        } else if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') {
            size_t e = s.find("*/", i + 2);
            i = e == std::string_view::npos ? s.size() : e + 2;
            type = ttBlockComment;
            code = tcBlockComment;
        } else if (std::isalpha(c) || c == '_' || c == '@' || c >= 128) {
            ++i;
            while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) ||
                                    s[i] == '_' || s[i] == '$' ||
                                    static_cast<unsigned char>(s[i]) >= 128))
                ++i;
            const std::string_view w = s.substr(b, i - b);
            type = c == '@' ? ttAtVar : IsKeyword(w) ? ttKeyword : ttIdentifier;
            code = type == ttKeyword ? 300 : tcIdent;
        } else if (std::isdigit(c)) {
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
            type = ttNumber;
            code = 265;
        } else if (c == '\'' || c == '"') {
            size_t e = s.find(static_cast<char>(c), i + 1);
            i = e == std::string_view::npos ? s.size() : e + 1;
            type = c == '\'' ? ttString : ttQuotedName;
            code = c == '\'' ? 266 : tcIdent;
        } else {
            ++i;
            type = PunctType(static_cast<char>(c));
            code = c;
        }
        auto t = MakeSourceToken(s.substr(b, i - b), type, 0, 0, line, 0);
        t->TokenCode = code;
        t->SetOwnerList(&List);
        t->PosInList = List.Count();
        List.Add(std::move(t));
    }
}

// An owning script list over Text.
inline std::unique_ptr<TSourceTokenList> Script(std::string_view Text) {
    auto l = std::make_unique<TSourceTokenList>(true);
    Scan(*l, Text);
    return l;
}

// Index of the n-th (0-based) token whose text is Text, -1 when absent.
inline int32_t Find(const TSourceTokenList& List, std::string_view Text, int n = 0) {
    for (int32_t i = 0; i < List.Count(); ++i)
        if (List.GetToken(i)->GetText() == Text && n-- == 0) return i;
    return -1;
}

inline TSourceToken* Tok(const TSourceTokenList& List, std::string_view Text, int n = 0) {
    const int32_t i = Find(List, Text, n);
    return i < 0 ? nullptr : List.GetToken(i);
}

}  // namespace testtok
