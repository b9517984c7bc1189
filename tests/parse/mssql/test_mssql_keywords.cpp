// The SQL Server keyword and "@@" tables: order, codes, look-up in any case,
// and the same codes as the grammar's terminals; the scanner words that no
// rule uses are acted on nowhere in the tables, so they stay syntax errors.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "mssql_parse.h"
#include "mssql_yacc.h"
#include "parse/mssql/mssqltokens.h"
#include "parse/mssql/rklexmssql.h"

namespace {

TEST(MssqlKeywords, SortedWithUniqueCodesInRange) {
    std::set<int> codes;
    for (int i = 0; i < MssqlKeywordCount; ++i) {
        const TRkKeywordRec& r = MssqlKeywordTable[i];
        EXPECT_EQ(std::string(r.Name).size(), r.Length) << r.Name;
        EXPECT_GE(r.Code, mssqltok::FirstKeywordCode) << r.Name;
        EXPECT_LE(r.Code, 951) << r.Name;
        EXPECT_TRUE(codes.insert(r.Code).second) << r.Name;
        if (i > 0) {
            EXPECT_LT(RkKeywordCompare(MssqlKeywordTable[i - 1].Name, r.Name), 0) << r.Name;
        }
    }
    EXPECT_EQ(codes.size(), 273u);
    EXPECT_EQ(*codes.rbegin(), mssqltok::LastKeywordCode);
}

TEST(MssqlKeywords, FoundInAnyCase) {
    for (const TRkKeywordRec& r : MssqlKeywordTable) {
        std::string upper = r.Name, lower, mixed;
        for (size_t i = 0; i < upper.size(); ++i) {
            const char c = upper[i];
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            mixed += i % 2 ? lower.back() : c;
        }
        for (const std::string& w : {upper, lower, mixed}) {
            int32_t code = 0;
            ASSERT_TRUE(IsMssqlKeyword(w, code)) << w;
            EXPECT_EQ(code, r.Code) << w;
        }
    }
    for (const char* w : {"", "selec", "selectx", "FAST_FORWARDS", "ROWGUIDCOLX", "A", "ZZZ", "_", "n"}) {
        int32_t code = 0;
        EXPECT_FALSE(IsMssqlKeyword(w, code)) << w;
    }
}

TEST(MssqlKeywords, SystemVariables) {
    EXPECT_EQ(MssqlSystemVariableCount, 33);
    std::set<int> codes;
    for (const TRkMssqlSysVarRec& r : MssqlSystemVariableTable) {
        EXPECT_TRUE(codes.insert(r.Code).second);
        std::string upper = std::string("@@") + r.Name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        int32_t code = 0;
        ASSERT_TRUE(LookupMssqlSystemVariable(upper, code)) << upper;
        EXPECT_EQ(code, r.Code);
        EXPECT_FALSE(LookupMssqlSystemVariable(std::string("@") + r.Name, code));
    }
    EXPECT_EQ(Pic(*codes.begin(), *codes.rbegin()), "961 993");
    int32_t code = 0;
    EXPECT_TRUE(LookupMssqlSystemVariable("@@identity", code));
    EXPECT_EQ(code, 993);
    EXPECT_FALSE(LookupMssqlSystemVariable("@@", code) || LookupMssqlSystemVariable("@@rowcounts", code));
}

// Every code the scanner gives is the grammar's code of that terminal.
TEST(MssqlKeywords, SameCodesAsTheGrammar) {
#define MSSQL_CHECK_KEYWORD(word, code) EXPECT_EQ(mssql::RW_##word, code) << #word;
    MSSQL_KEYWORD_LIST(MSSQL_CHECK_KEYWORD)
#undef MSSQL_CHECK_KEYWORD
#define MSSQL_CHECK_SYSVAR(name, text, code) EXPECT_EQ(mssql::SV_##name, code) << text;
    MSSQL_SYSVAR_LIST(MSSQL_CHECK_SYSVAR)
#undef MSSQL_CHECK_SYSVAR
    const int pairs[][2] = {
        {mssql::IDENT, mssqltok::IDENT},           {mssql::SHL, mssqltok::SHL},
        {mssql::SHR, mssqltok::SHR},               {mssql::OTHER_CHAR, mssqltok::OTHER_CHAR},
        {mssql::NUMBER_LIT, mssqltok::NUMBER_LIT}, {mssql::STRING_LIT, mssqltok::STRING_LIT},
        {mssql::INTEGER_LIT, mssqltok::INTEGER_LIT}, {mssql::OPERATOR, mssqltok::OPERATOR},
        {mssql::ASSIGN, mssqltok::ASSIGN},         {mssql::DOTDOT, mssqltok::DOTDOT},
        {mssql::VARIABLE, mssqltok::VARIABLE},     {mssql::LABEL, mssqltok::LABEL},
        {mssql::RW_PARTITION, mssqltok::RW_PARTITION}, {mssql::RW_INDICATOR, mssqltok::RW_INDICATOR},
        {mssql::RW_OVERLAPS, mssqltok::RW_OVERLAPS},   {mssql::RW_TYPECAST, mssqltok::RW_TYPECAST},
        {mssql::TOKEN_298, mssqltok::TOKEN_298},   {mssql::TOKEN_835, mssqltok::TOKEN_835},
    };
    for (const auto& p : pairs) EXPECT_EQ(p[0], p[1]);
}

TEST(MssqlGrammarTokens, WordsWithoutARule) {
    std::set<int> all;
    for (int i = 1; i <= mssql::tables.yyna; ++i) all.insert(mssql::tables.yya[i].sym);
    for (int code : {mssql::RW_GRANT, mssql::RW_EXPLAIN, mssql::RW_RAISE, mssql::RW_TO, mssql::RW_NVARCHAR2,
                     mssql::SHL, mssql::SHR, mssql::ASSIGN, mssql::OTHER_CHAR})
        EXPECT_FALSE(all.count(code)) << code;
}

}  // namespace
