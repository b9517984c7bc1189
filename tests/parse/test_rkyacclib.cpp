// The parser runtime without a grammar: the token feed with its variable
// substitution and token event, the list and expression builders with
// select wrapping, and the node pool.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "nodes/generic_fixture.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/fake_select.h"
#include "parse/rkyacclib.h"
#include "parse/rkyaccvalue.h"
#include "statementstructure/rkexpression.h"

namespace {

using yacctest::FakeSelectStatement;
using yacctest::PoolCount;
using yacctest::SelectHooks;

struct Feed {
    std::unique_ptr<TSourceTokenList> tokens;
    TRkCustomParser parser;
    explicit Feed(const std::string& Text, uint8_t Vendor = 1) : tokens(testtok::Script(Text)) {
        parser.TokenList = tokens.get();
        parser.DbVendor = Vendor;
    }
    // Texts of every token handed out until the end.
    std::string All(bool SkipBlanks = true) {
        std::string s;
        while (TSourceToken* t = parser.GetNextToken(SkipBlanks)) s += "[" + std::string(t->GetText()) + "]";
        return s;
    }
};

TEST(GetNextToken, SkipsBlanksCommentsAndConsumedTokens) {
    Feed f("a  /* c */ b -- x\n c");
    f.tokens->GetToken(testtok::Find(*f.tokens, "b"))->TokenStatus = 2;
    EXPECT_EQ(f.All(), "[a][c]");
    EXPECT_EQ(f.parser.GetNextToken(true), nullptr);
    EXPECT_EQ(f.parser.TokenPos, f.tokens->Count());
    Feed g("a b");
    EXPECT_EQ(g.All(false), "[a][ ][b]");
    TRkCustomParser none;
    EXPECT_EQ(none.GetNextToken(true), nullptr);
}

TEST(GetNextToken, PushedBackTokenComesFirst) {
    Feed f("a b");
    TSourceToken* b = testtok::Tok(*f.tokens, "b");
    f.parser.PushedBackToken = b;
    EXPECT_EQ(f.parser.GetNextToken(true), b);
    EXPECT_EQ(f.parser.PushedBackToken, nullptr);
    EXPECT_EQ(f.All(), "[a][b]");
}

TEST(GetNextToken, BindVariables) {
    static std::string records;   // what reaches the statement: "name=replacement;"
    TRkParserHooks saved = RkParserHooks;
    RkParserHooks.AddBindVar = [](TCustomSqlStatement*, std::unique_ptr<TRkValue> val) {
        records += val->Str1 + "=" + val->Str2 + ";";
    };
    const struct { uint8_t vendor; const char* replacement; const char* want; } rows[] = {
        // the events, the records and the token's text afterwards
        {0, "X", "||:v"},           // SQL Server: handed out unchanged
        {1, "", "v;|v=;|:v"},       // empty replacement keeps the text, still recorded
        {1, "42", "v;|v=42;|42"},
    };
    for (const auto& r : rows) {
        Feed f("x :v", r.vendor);
        // The test scanner splits ":v"; make it one bind-variable token.
        TSourceToken* v = f.tokens->GetToken(2);
        v->SetText(":v");
        v->TokenType = ttBindVar;
        f.tokens->GetToken(3)->TokenStatus = 2;
        std::string events;
        f.parser.SetOnBindVar([&](void*, const std::string& name, std::string& rep) {
            events += name + ";";
            rep = r.replacement;
        });
        records.clear();
        f.parser.CurStatement = reinterpret_cast<TCustomSqlStatement*>(&f);  // only passed on
        f.All();
        EXPECT_EQ(events + "|" + records + "|" + std::string(v->GetText()), r.want);
        EXPECT_EQ(v->TokenType, ttBindVar);
    }
    RkParserHooks = saved;
}

TEST(GetNextToken, SqlVariableAlwaysBecomesAnIdentifier) {
    for (const char* rep : {"", "tbl"}) {
        Feed f("@v");
        f.parser.SetOnSqlVar([&](void*, const std::string& name, std::string& r) {
            EXPECT_EQ(name, "v");
            r = rep;
        });
        TSourceToken* t = f.parser.GetNextToken(true);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->TokenType, ttIdentifier);
        EXPECT_EQ(t->GetText(), *rep ? rep : "@v");
    }
    Feed mssql("@v", 0);
    EXPECT_EQ(mssql.parser.GetNextToken(true)->TokenType, ttAtVar);
}

TEST(GetNextToken, TokenEventMayDropOrReplaceTokens) {
    Feed f("a b c d");
    std::vector<std::string> offered;
    f.parser.SetOnParserToken([&](void* sender, TSourceToken*& t, int vendor) {
        EXPECT_EQ(sender, &f.parser);
        EXPECT_EQ(vendor, 1);
        offered.push_back(std::string(t->GetText()));
        if (t->GetText() == "b") t->TokenStatus = 1;           // dropped: the next one comes
        if (t->GetText() == "c") throw std::runtime_error("x");  // swallowed
    });
    testtok::Tok(*f.tokens, "d")->SkipParserEvent = 1;
    EXPECT_EQ(f.All(), "[a][c][d]");
    EXPECT_EQ(offered, (std::vector<std::string>{"a", "b", "c"}));
    // Dropping a long run of tokens does not recurse.
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "x ";
    Feed g(text + "y");
    g.parser.SetOnParserToken([](void*, TSourceToken*& t, int) {
        if (t->GetText() == "x") t->TokenStatus = 1;
    });
    EXPECT_EQ(g.All(), "[y]");
}

TEST(Builders, ListsKeepTokensAndJoinInOrder) {
    gentest::TScript s("a b c d");
    TRkCustomParser p;
    TRk_List* l = p.MakeList(s.T("a"), true);
    EXPECT_EQ(l->NodeKind, 63);
    EXPECT_EQ(PoolCount(p, l), 1u);
    l = p.AppendToList(l, s.T("b"), true);
    TRk_List* two = p.MakeList2(s.T("c"), s.T("d"), false);
    ASSERT_EQ(two->Count(), 2);
    EXPECT_EQ(p.ConcatLists(l, two), l);
    EXPECT_EQ(two->Count(), 0);
    std::string texts;
    for (TRkVisitedAbs* i : l->Items) texts += i->AsToken()->GetText();
    EXPECT_EQ(texts, "abcd");
    EXPECT_EQ(p.ConcatLists(l, l), l);
    EXPECT_EQ(l->Count(), 4);
    EXPECT_EQ(p.ConcatLists(nullptr, two), two);
    EXPECT_EQ(p.ConcatLists(l, nullptr), l);
    TRk_List* tail = p.MakeList(s.T("b"), false);
    EXPECT_EQ(p.MakeListWithTail(s.T("a"), tail, false)->Count(), 2);
    EXPECT_EQ(tail->Count(), 0);
    try {
        p.MakeList(nullptr, true);
        FAIL() << "a nil item must fail";
    } catch (const ERkAssertion& e) {
        EXPECT_NE(std::string(e.what()).find("obj is null(010) (parse/rkyacclib"), std::string::npos);
    }
}

TEST(Builders, SelectListItemIsWrappedIntoAnAnalyzedStatement) {
    SelectHooks hooks;
    TRkCustomParser p;
    p.DbVendor = 4;
    TRk_SelectStmt* sel = p.NewNode<TRk_SelectStmt>(true);
    TRk_List* wrapped = p.MakeList(sel, true);
    auto* st = dynamic_cast<FakeSelectStatement*>(wrapped->GetNode(0));
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->NodeKind, 179);
    EXPECT_EQ(st->Root, sel);
    EXPECT_EQ(st->DbVendor, 4);
    EXPECT_EQ(PoolCount(p, st), 1u);
    EXPECT_EQ(PoolCount(p, sel), 1u);
    TRk_List* plain = p.MakeList(sel, false);
    EXPECT_EQ(plain->GetNode(0), sel);
}

// M6: a select statement operand that already holds its analysis is kept
// as it is; one that does not is parsed and kept only when that succeeds.
TEST(Builders, SelectStatementOperands) {
    SelectHooks hooks;
    TRkCustomParser p;
    auto* analyzed = p.NewNode<FakeSelectStatement>(true);
    analyzed->Analyzed = true;
    TRkCustomExpression* e = p.MakeExpression(Expr_In, nullptr, nullptr, analyzed);
    EXPECT_EQ(e->RightOperand, analyzed);
    EXPECT_EQ(analyzed->Parses, 0);

    auto* fresh = p.NewNode<FakeSelectStatement>(true);
    e = p.MakeExpression(Expr_Exists, nullptr, fresh, nullptr);
    EXPECT_EQ(e->LeftOperand, fresh);
    EXPECT_EQ(fresh->Parses, 1);

    auto* broken = p.NewNode<FakeSelectStatement>(true);
    broken->ParseResult = 2;
    e = p.MakeExpression(Expr_Exists, nullptr, broken, nullptr);
    EXPECT_EQ(e->LeftOperand, nullptr);

    TRk_SelectStmt* raw = p.NewNode<TRk_SelectStmt>(true);
    e = p.MakeExpression(Expr_subquery, nullptr, raw, nullptr);
    auto* st = dynamic_cast<FakeSelectStatement*>(e->LeftOperand);
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->Root, raw);
    EXPECT_EQ(e->NodeKind, 2);
    EXPECT_EQ(e->ExprType, Expr_subquery);
}

TEST(Builders, SetOperationNode) {
    gentest::TScript s("union");
    TRkCustomParser p;
    TRk_SelectStmt* l = p.NewNode<TRk_SelectStmt>(true);
    TRk_SelectStmt* r = p.NewNode<TRk_SelectStmt>(true);
    TRk_SelectStmt* u = p.MakeSelectNode(1, s.T("union"), l, r);
    EXPECT_EQ(u->SetOperation, 1);
    EXPECT_TRUE(u->SetOperatorToken == s.T("union") && u->LeftSelect == l && u->RightSelect == r);
    EXPECT_EQ(p.NodePool.size(), 3u);
}

TEST(Builders, NodesMadeElsewhereGoToThePool) {
    TRkCustomParser p;
    TRkValue* v = p.Adopt(MakeIntegerValue(7));
    EXPECT_EQ(v->NodeKind, 55);
    EXPECT_EQ(v->Payload, 7);
    auto* unregistered = p.NewNode<TRk_DummyNode>(false);
    EXPECT_EQ(PoolCount(p, unregistered), 1u);
    // The prologue frees them all.
    auto list = testtok::Script("x");
    p.TokenList = list.get();
    EXPECT_EQ(p.yyparse(), 0);
    EXPECT_TRUE(p.NodePool.empty());
    EXPECT_EQ(p.StatementEndPos, 0);
}

TEST(EndTokens, OnePerListWhenOneParserServesMany) {
    // Few lists are looked up by a scan, many by the set: both ways each
    // list keeps the one end token it got.
    TRkCustomParser p;
    std::vector<std::unique_ptr<TSourceTokenList>> lists;
    std::vector<TSourceToken*> ends;
    for (int i = 0; i < 30; ++i) {
        lists.push_back(testtok::Script("a" + std::to_string(i)));
        p.TokenList = lists.back().get();
        const int32_t before = p.TokenList->Count();
        ends.push_back(p.MakeEndToken());
        EXPECT_EQ(p.TokenList->Count(), before + 1);
        EXPECT_EQ(p.MakeEndToken(), ends.back());
        EXPECT_EQ(p.TokenList->Count(), before + 1);
    }
    for (int i = 0; i < 30; ++i) {
        p.TokenList = lists[static_cast<size_t>(i)].get();
        const int32_t before = p.TokenList->Count();
        EXPECT_EQ(p.MakeEndToken(), ends[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(p.TokenList->Count(), before);
        EXPECT_EQ(ends[static_cast<size_t>(i)]->GetOwnerList(), p.TokenList);
        EXPECT_EQ(ends[static_cast<size_t>(i)]->TokenCode, 0);
    }
    // A list whose last token is an ordinary one gets an end token of its own.
    auto other = testtok::Script("b");
    p.TokenList = other.get();
    TSourceToken* fresh = p.MakeEndToken();
    EXPECT_EQ(std::count(ends.begin(), ends.end(), fresh), 0);
}

TEST(EndTokens, EveryOneIsMadeAlike) {
    // The first few are made alone, the rest in the parser's token store:
    // readers must not tell them apart.
    TRkCustomParser p;
    std::vector<std::unique_ptr<TSourceTokenList>> lists;
    for (int i = 0; i < 12; ++i) {
        lists.push_back(testtok::Script("a"));
        p.TokenList = lists.back().get();
        const TSourceToken* e = p.MakeEndToken();
        EXPECT_EQ(std::string(e->GetText()) + "|" + std::to_string(e->TokenType) + "|" + std::to_string(e->Line) +
                      "|" + std::to_string(e->Column) + "|" + std::to_string(e->PosInList) + "|" +
                      std::to_string(e->GetSeqNo()),
                  "|1|-1|-1|-1|-1")
            << i;
        EXPECT_TRUE(TRkCustomParser::IsEndToken(e));
        EXPECT_FALSE(TRkCustomParser::IsEndToken(p.TokenList->GetToken(0)));
    }
}

TEST(FatalError, IsReportedOnceAtTheCurrentToken) {
    gentest::TScript s("x");
    TRkCustomParser p;
    std::vector<std::string> got;
    p.SyntaxErrorCallback = [&](uint8_t t, const std::string& e, const std::string& tok, int32_t l, int32_t c) {
        got.push_back(std::to_string(t) + "|" + e + "|" + tok + "|" + std::to_string(l) + "|" + std::to_string(c));
        return true;
    };
    p.ReportFatalError("yyparse stack overflow");
    p.CurToken = s.T("x");
    p.ReportFatalError("yyparse stack overflow");
    EXPECT_EQ(got, (std::vector<std::string>{"1|yyparse stack overflow|end of input|-1|-1",
                                             "1|yyparse stack overflow|x|1|0"}));
    EXPECT_EQ(p.ErrorMessage, "yyparse stack overflow");
}


// The value record is one pointer; a value read back as another cell than
// the one it was stored as is nullptr, as an unset member of the old
// record of many pointers was.
struct TestYYSType : TRkYYValue {
    RK_YY_CELL(TRk_Node, node, 1)
    RK_YY_CELL(TRk_List, list, 2)
    RK_YY_CELL(TSourceToken, token, 3)
};

TEST(ValueRecord, OneCellIsSetAndTheOthersReadNull) {
    static_assert(sizeof(TestYYSType) == sizeof(void*));
    TRk_List list;
    auto token = MakeSourceToken("x", ttIdentifier, 0, 0, 1, 1);
    TestYYSType v{};
    EXPECT_EQ(v.node(), nullptr);
    v.list(&list);
    EXPECT_EQ(v.list(), &list);
    EXPECT_EQ(v.node(), nullptr);
    EXPECT_EQ(v.token(), nullptr);
    TestYYSType copy = v;   // a rule without an action passes the cell on
    EXPECT_EQ(copy.list(), &list);
    v.token(token.get());
    EXPECT_EQ(v.token(), token.get());
    EXPECT_EQ(v.list(), nullptr);
    v.token(nullptr);
    EXPECT_EQ(v.token(), nullptr);
    EXPECT_EQ(v.list(), nullptr);
}

}  // namespace
