// Wide flat lists and deep FROM nesting keep their text: every token once,
// and the pretty text parses again to the same statement.  The size of the
// pretty text grows linearly with the list's length and, past the "print as
// written" bound, with the nesting depth.  (Speed is measured by the
// benchmarks, not here.)
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "roundtrip_check.h"
#include "test_pp_fixture.h"

namespace {

struct WideList {
    const char* Name;
    std::uint8_t Vendor;
    std::function<std::string(int)> Make;
};

std::string Join(const std::string& Head, const std::function<std::string(int)>& Item, const std::string& Sep, int N,
                 const std::string& Tail) {
    std::string S = Head;
    for (int i = 0; i < N; ++i) S += (i > 0 ? Sep : "") + Item(i);
    return S + Tail;
}

std::string N(int i) { return std::to_string(i); }

const WideList Lists[] = {
    {"columns", 1, [](int n) { return Join("create table t (", [](int i) { return "c" + N(i) + " int"; }, ", ", n, ")"); }},
    {"select items", 1, [](int n) { return Join("select ", [](int i) { return "c" + N(i); }, ", ", n, " from t"); }},
    {"case branches", 1,
     [](int n) { return Join("select case", [](int i) { return " when a = " + N(i) + " then " + N(i); }, "", n, " end from t"); }},
    {"call arguments", 1, [](int n) { return Join("select f(", N, ", ", n, ") from t"); }},
    {"IN list", 1, [](int n) { return Join("select a from t where a in (", N, ", ", n, ")"); }},
    {"insert columns", 1,
     [](int n) { return Join("insert into t (", [](int i) { return "c" + N(i); }, ", ", n, ")") + Join(" values (", N, ", ", n, ")"); }},
    {"update set", 1, [](int n) { return Join("update t set ", [](int i) { return "c" + N(i) + " = " + N(i); }, ", ", n, ""); }},
    {"order by", 1, [](int n) { return Join("select a from t order by ", [](int i) { return "c" + N(i); }, ", ", n, ""); }},
    {"from tables", 1, [](int n) { return Join("select a from ", [](int i) { return "t" + N(i); }, ", ", n, ""); }},
    {"union chain", 1, [](int n) { return Join("", [](int i) { return "select " + N(i) + " from t"; }, " union ", n, ""); }},
    {"AND chain", 1, [](int n) { return Join("select a from t where ", [](int i) { return "a = " + N(i); }, " and ", n, ""); }},
    {"PL/SQL parameters", 1,
     [](int n) { return Join("create procedure p (", [](int i) { return "p" + N(i) + " number"; }, ", ", n, ") is begin null; end"); }},
    {"SQL Server block", 0, [](int n) { return Join("begin\n", [](int i) { return "set @x = " + N(i) + "\n"; }, "", n, "end"); }},
    {"SQL Server DECLARE", 0, [](int n) { return Join("declare ", [](int i) { return "@v" + N(i) + " int"; }, ", ", n, ""); }},
};

class WideFormatting : public pptest::PrinterTest {
protected:
    // The first statement's round-trip fault and pretty text size.
    std::pair<std::string, size_t> Format(std::uint8_t Vendor, const std::string& Sql) {
        TCustomSqlStatement* S = Stmt(Sql + (Vendor == 0 ? "\n" : ";\n"), 0, Vendor);
        if (!S) return {"no statement", 0};
        if (S->GetErrorCount() > 0) return {"does not parse", 0};
        return {pptest::RoundTripFault(Vendor, *Parser, S, true), S->GetPrettyText().size()};
    }
};

// By default and with every list on one line (where the column of the next
// item is no longer found by scanning the line).
TEST_F(WideFormatting, WideListsKeepEveryTokenAndGrowLinearly) {
    constexpr int Small = 500, Large = 4000;
    for (const WideList& L : Lists) {
        for (const uint8_t OneLine : {uint8_t{0}, uint8_t{1}}) {
            SCOPED_TRACE(std::string(L.Name) + (OneLine ? " on one line" : ""));
            FmtOpt = TRkFmtOpt();
            FmtOpt.SetListOneLine(OneLine);
            FmtOpt.PropagateLineBreakOptions();
            const auto [SmallFault, SmallSize] = Format(L.Vendor, L.Make(Small));
            const auto [LargeFault, LargeSize] = Format(L.Vendor, L.Make(Large));
            EXPECT_EQ(SmallFault, "");
            EXPECT_EQ(LargeFault, "");
            // Items grow from 3 to 4 digits: a little over 8 times the size.
            EXPECT_LT(LargeSize, SmallSize * 10);
        }
    }
}

std::string NestedFrom(int Levels) {
    std::string S = "select a from ";
    for (int i = 0; i < Levels; ++i) S += "(select a from ";
    return S + "t" + std::string(static_cast<size_t>(Levels), ')');
}

// Past the bound the inner queries print as written; before, every level
// indented all the levels inside it again (800 levels gave 2.6 MB).
TEST_F(WideFormatting, FromSubQueriesNestedPastTheBoundPrintAsWritten) {
    const int Levels = 1200;
    const auto [Fault, Size] = Format(1, NestedFrom(Levels));
    EXPECT_EQ(Fault, "");
    const std::string P = Stmt(NestedFrom(Levels) + ";", 0, 1)->GetPrettyText();
    EXPECT_EQ(pptest::Occurrences(P, "SELECT a\r\n"), pp::MaxNestedQueries + 1);
    EXPECT_EQ(pptest::Occurrences(P, "(SELECT a FROM "), Levels - pp::MaxNestedQueries);
    const auto [SmallFault, SmallSize] = Format(1, NestedFrom(Levels / 4));
    EXPECT_EQ(SmallFault, "");
    EXPECT_LT(Size, SmallSize * 2);
}

}  // namespace
