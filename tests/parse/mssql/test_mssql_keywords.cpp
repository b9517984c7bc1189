// The SQL Server keyword and "@@" tables: order, codes, look-up in any case,
// and the same codes as the grammar's terminals.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

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
        if (i > 0) EXPECT_LT(RkKeywordCompare(MssqlKeywordTable[i - 1].Name, r.Name), 0) << r.Name;
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
    EXPECT_EQ(*codes.begin(), 961);
    EXPECT_EQ(*codes.rbegin(), 993);
    int32_t code = 0;
    EXPECT_TRUE(LookupMssqlSystemVariable("@@identity", code));
    EXPECT_EQ(code, 993);
    EXPECT_FALSE(LookupMssqlSystemVariable("@@", code));
    EXPECT_FALSE(LookupMssqlSystemVariable("@@rowcounts", code));
}

// Every code the scanner gives is the grammar's code of that terminal.
TEST(MssqlKeywords, SameCodesAsTheGrammar) {
#define MSSQL_CHECK_KEYWORD(word, code) EXPECT_EQ(mssql::RW_##word, code) << #word;
    MSSQL_KEYWORD_LIST(MSSQL_CHECK_KEYWORD)
#undef MSSQL_CHECK_KEYWORD
#define MSSQL_CHECK_SYSVAR(name, text, code) EXPECT_EQ(mssql::SV_##name, code) << text;
    MSSQL_SYSVAR_LIST(MSSQL_CHECK_SYSVAR)
#undef MSSQL_CHECK_SYSVAR
    EXPECT_EQ(mssql::IDENT, mssqltok::IDENT);
    EXPECT_EQ(mssql::SHL, mssqltok::SHL);
    EXPECT_EQ(mssql::SHR, mssqltok::SHR);
    EXPECT_EQ(mssql::OTHER_CHAR, mssqltok::OTHER_CHAR);
    EXPECT_EQ(mssql::NUMBER_LIT, mssqltok::NUMBER_LIT);
    EXPECT_EQ(mssql::STRING_LIT, mssqltok::STRING_LIT);
    EXPECT_EQ(mssql::INTEGER_LIT, mssqltok::INTEGER_LIT);
    EXPECT_EQ(mssql::OPERATOR, mssqltok::OPERATOR);
    EXPECT_EQ(mssql::ASSIGN, mssqltok::ASSIGN);
    EXPECT_EQ(mssql::DOTDOT, mssqltok::DOTDOT);
    EXPECT_EQ(mssql::VARIABLE, mssqltok::VARIABLE);
    EXPECT_EQ(mssql::LABEL, mssqltok::LABEL);
    EXPECT_EQ(mssql::RW_PARTITION, mssqltok::RW_PARTITION);
    EXPECT_EQ(mssql::RW_INDICATOR, mssqltok::RW_INDICATOR);
    EXPECT_EQ(mssql::RW_OVERLAPS, mssqltok::RW_OVERLAPS);
    EXPECT_EQ(mssql::RW_TYPECAST, mssqltok::RW_TYPECAST);
    EXPECT_EQ(mssql::TOKEN_298, mssqltok::TOKEN_298);
    EXPECT_EQ(mssql::TOKEN_835, mssqltok::TOKEN_835);
}

}  // namespace
