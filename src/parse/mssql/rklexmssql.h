// The SQL Server scanner: T-SQL script text to tokens.  The DFA tables come
// from mssql.l; the rule actions, the keyword and "@@" tables and the token
// classification are here.
//
// Where the rules alone would go wrong, the actions do better:
// - a comment, string or name still open at the end of the input is
//   returned as its token, not dropped;
// - inside "quoted" and [bracketed] names, "--", "/*", quotes and line
//   breaks are name text;
// - "*/" closes a comment even when more operator characters follow it;
// - an operator run ends before an "@" that starts a variable name, so
//   «a<@b» is "<" and @b.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "parse/rklexlib.h"
#include "parse/rklexsql.h"

inline constexpr int MssqlKeywordCount = 273;
// The keywords in ascending order of RkKeywordCompare, indexes 0..272.
extern const TRkKeywordRec MssqlKeywordTable[MssqlKeywordCount];

// One "@@" system variable: its lower-case name without "@@" and its code.
struct TRkMssqlSysVarRec {
    const char* Name;
    int16_t Code;
};
inline constexpr int MssqlSystemVariableCount = 33;
extern const TRkMssqlSysVarRec MssqlSystemVariableTable[MssqlSystemVariableCount];

// Binary search over records Lo..Hi (1-based): 0 and Code set when found,
// -1 when not.
int32_t MssqlKeywordSearch(int32_t Lo, int32_t Hi, std::string_view Text, int32_t& Code);
bool IsMssqlKeyword(std::string_view Text, int32_t& Code);
// Text is "@@" and a name of the table, in any case.
bool LookupMssqlSystemVariable(std::string_view Text, int32_t& Code);

class TRkLexerMssql : public TRkSqlLexer {
public:
    TRkLexerMssql() = default;

    int yylex() override;
    int NextToken(TSourceToken& Token) override;

protected:
    void RuleAction(int32_t Rule) override;

private:
    void OpenLiteral(int32_t State, int32_t Code, int32_t N);
    void CloseLiteral(int32_t Code);
    void Append(int32_t N);
    void AppendPiece();
    void ApplyStep(TRunStep& Step) override;
    bool InName() const;
    void ForeignInName(int32_t Rule);

    // The token a literal still open at the end of the input becomes, 0
    // when none is open; it is placed where the literal opened.
    int32_t OpenLiteralCode = 0;
    uint32_t LiteralResets = 0;     // scanner resets when it opened
};
