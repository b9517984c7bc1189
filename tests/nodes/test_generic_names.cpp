// Names, types, calls, analytic clauses, aliases, DISTINCT and the slot
// nodes: walks, marking and texts.
#include <gtest/gtest.h>

#include <functional>

#include "nodes/generic_fixture.h"
#include "nodes/u_nodes_generic.h"

using gentest::TScript;
using gentest::Walk;

namespace {

// A dotted name over the tokens of the script ({"s", "t", "c"}: s.t.c).
TRk_Attr* Dotted(TScript& s, std::initializer_list<const char*> parts) {
    auto* a = s.Make<TRk_Attr>();
    std::vector<const char*> p(parts);
    a->NameToken = s.T(p[0]);
    if (p.size() > 1) {
        a->DotToken = s.T(".");
        a->NameParts = s.Make<TRk_List>();
        for (size_t i = 1; i < p.size(); ++i) {
            TSourceToken* t = s.T(p[i]);
            t->SetSeparatorToken(s.T(".", static_cast<int>(i) - 1));
            a->NameParts->Add(t);
        }
    }
    return a;
}

// Statement hooks standing in for the statement model: "e" is an alias.
struct FakeStatementHooks {
    TRkStatementHooks saved = RkStatementHooks;
    static inline std::vector<std::string> fired;
    FakeStatementHooks() {
        fired.clear();
        RkStatementHooks.TableOrAliasKind = [](const std::string& text, TRk_Node*) { return text == "e" ? 4 : 1; };
        RkStatementHooks.FireTableTokenEvent = [](TRk_Node*, TRkVisitedAbs*, TSourceToken* t) { fired.push_back(std::string(t->GetText())); };
    }
    ~FakeStatementHooks() { RkStatementHooks = saved; }
};

TEST(Attr, ThreePartColumnMarksColumnAndTableOnly) {
    FakeStatementHooks hooks;
    TScript s("S . t.C");
    TRk_Attr* a = Dotted(s, {"S", "t", "C"});
    TRk_Node statement;
    a->MarkColumnParts(&statement);
    EXPECT_EQ(s.T("C")->DbObjKind, okField);
    EXPECT_EQ(s.T("t")->DbObjKind, okTable);
    EXPECT_EQ(s.T("S")->DbObjKind, okUnknown);
    EXPECT_EQ(a->ColumnToken, s.T("C"));
    EXPECT_EQ(a->TableToken, s.T("t"));
    EXPECT_EQ(a->QualifiedText(), "s.t");   // formatted parts
    EXPECT_EQ(a->LastSeparator, s.T(".", 1));
    EXPECT_EQ(a->LastPartText(), "c");
    EXPECT_TRUE(a->HasColumnPart());
    EXPECT_EQ(Walk(a), "S . t . C");
    EXPECT_EQ(a->AsText(), "S . t.C");
    // Formatted parts joined without blanks.
    EXPECT_EQ(a->GetPrettyText(), "s.t.c");
}

TEST(Attr, QualifierMarkedAsAliasWhenTheStatementSaysSo) {
    FakeStatementHooks hooks;
    TScript s("e.sal"), s2("e.sal");
    TRk_Attr* a = Dotted(s, {"e", "sal"});
    TRk_Node statement;
    a->MarkColumnParts(&statement);
    EXPECT_EQ(s.T("e")->DbObjKind, okTableAlias);
    EXPECT_EQ(s.T("sal")->DbObjKind, okField);
    EXPECT_EQ(a->QualifiedText(), "e");
    // Without a statement the qualifier counts as a table.
    Dotted(s2, {"e", "sal"})->MarkColumnParts(nullptr);
    EXPECT_EQ(s2.T("e")->DbObjKind, okTable);
}

TEST(Attr, VariablesAndMarkedTokensAreNotMarkedAgain) {
    FakeStatementHooks hooks;
    TScript s("@x y");
    TRk_Attr *v = Dotted(s, {"@x"}), *y = Dotted(s, {"y"});
    for (TRk_Attr* a : {v, y}) {
        a->MarkColumnParts(nullptr);
        a->MarkTableParts(nullptr, nullptr);
    }
    EXPECT_EQ(s.T("@x")->DbObjKind, okUnknown);
    EXPECT_EQ(v->ColumnToken, nullptr);
    EXPECT_EQ(s.T("y")->DbObjKind, okField);
    EXPECT_EQ(y->TableToken, nullptr);
}

TEST(Attr, TablePartsMarkTheLastPartAndFireTheEvent) {
    FakeStatementHooks hooks;
    TScript s("hr.emp");
    TRk_Attr* a = Dotted(s, {"hr", "emp"});
    TRk_Node statement;
    a->MarkTableParts(&statement, nullptr);
    EXPECT_EQ(s.T("emp")->DbObjKind, okTable);
    EXPECT_EQ(s.T("hr")->DbObjKind, okUnknown);
    a->MarkTableParts(&statement, nullptr);  // already marked: no second event
    EXPECT_EQ(FakeStatementHooks::fired, std::vector<std::string>{"emp"});
}

TEST(Attr, DatabaseLink) {
    TScript s("emp@remote");
    auto* a = s.Make<TRk_Attr>();
    a->NameToken = s.T("emp");
    a->AtToken = s.T("@remote");  // the builder scans '@remote' as one token
    a->LinkedName = s.Make<TRk_Attr>();
    EXPECT_EQ(a->GetPrettyTextOf(), "");
    EXPECT_EQ(Walk(a), "emp @remote");
}

TEST(FuncCall, CountStarMarksTheFunctionName) {
    TScript s("count(*)");
    auto* f = s.Make<TRk_FuncCall>({s.T("("), s.T("*"), s.T(")")});
    f->NameAttr = Dotted(s, {"count"});
    f->IsStar = 1;
    EXPECT_EQ(Walk(f), "count ( * )");
    EXPECT_EQ(f->NameAttr->IsFunctionName, 1);
    EXPECT_EQ(s.T("count")->DbObjKind, okFunction);
    EXPECT_EQ(f->GetFuncName(), "");  // neither FuncName nor NameToken set
    f->NameToken = s.T("count");
    EXPECT_EQ(f->GetFuncName(), "count");
}

TEST(FuncCall, SpecialFormsWalkInTheirOrder) {
    using Build = std::function<void(TScript&, TRk_FuncCall*)>;
    const struct { const char* sql; uint8_t form; std::initializer_list<const char*> own; Build build; const char* walk; } rows[] = {
        {"f(a, b) over (order by c)", 0, {"(", ")"}, [](TScript& s, TRk_FuncCall* f) {
             f->NameAttr = Dotted(s, {"f"});
             f->ArgList = s.List({Dotted(s, {"a"}), Dotted(s, {"b"})}, {s.T(",")});
             f->Analytic = s.Make<TRk_AnalyticFunction>({s.T("over"), s.T("(", 1), s.T(")", 1)});
             f->Analytic->OrderByClause = s.Make<TRk_DummyNode>({s.T("order"), s.T("by")});
             f->Analytic->OrderByClause->List1 = s.List({Dotted(s, {"c"})}); },
         "f ( a , b ) over ( order by c )"},
        {"trim(both 'x' from y)", 1, {"trim", "(", "both", ")"}, [](TScript& s, TRk_FuncCall* f) {
             f->TrimKind = 1;
             f->TrimArgs = s.Make<TRk_TrimList>({s.T("from")});
             f->TrimArgs->HasFrom = 1;
             f->TrimArgs->TrimChar = Dotted(s, {"'x'"});
             f->TrimArgs->SourceList = s.List({Dotted(s, {"y"})}); },
         "trim ( both 'x' from y )"},
        {"trim(y)", 1, {"trim", "(", ")"}, [](TScript& s, TRk_FuncCall* f) {
             f->TrimArgs = s.Make<TRk_TrimList>();
             f->TrimArgs->SourceList = s.List({Dotted(s, {"y"})}); },
         "trim ( y )"},
        {"cast(a as number)", 2, {"cast", "(", "as", ")"}, [](TScript& s, TRk_FuncCall* f) {
             f->CastExpr = Dotted(s, {"a"});
             f->CastType = s.Make<TRk_TypeName>({s.T("number")}); },
         "cast ( a as number )"},
        {"convert(int, a, 112)", 3, {"convert", "(", ",", ",", ")"}, [](TScript& s, TRk_FuncCall* f) {
             f->CastType = s.Make<TRk_TypeName>({s.T("int")});
             f->CastExpr = Dotted(s, {"a"});
             f->StyleArg = Dotted(s, {"112"}); },
         "convert ( int , a , 112 )"},
        {"convert(int, a)", 3, {"convert", "(", ",", ")"}, [](TScript& s, TRk_FuncCall* f) {
             f->CastType = s.Make<TRk_TypeName>({s.T("int")});
             f->CastExpr = Dotted(s, {"a"}); },
         "convert ( int , a )"},
        {"extract(year from d)", 4, {"extract", "(", ")"}, [](TScript& s, TRk_FuncCall* f) {
             f->ExtractArgs = s.Make<TRk_ExtractList>({s.T("from")});
             f->ExtractArgs->FieldToken = s.T("year");
             f->ExtractArgs->SourceExpr = Dotted(s, {"d"}); },
         "extract ( year from d )"},
    };
    for (const auto& r : rows) {
        TScript s(r.sql);
        TRk_FuncCall* f = s.Own(s.Make<TRk_FuncCall>(), r.own);
        f->CallForm = r.form;
        r.build(s, f);
        EXPECT_EQ(Walk(f), r.walk) << r.sql;
        EXPECT_EQ(f->AsText(), r.sql);
        EXPECT_TRUE(f->CallForm == 0 || f->GetOwnToken(0)->DbObjKind == okFunction) << r.sql;
    }
}

TEST(TypeName, PrettyTextGluesParenthesesAndCommas) {
    const struct { const char* sql; const char* pretty; } rows[] = {
        {"NUMBER ( 10 , 2 )", "NUMBER(10,2)"},
        {"VARCHAR2(20 BYTE)", "VARCHAR2(20 BYTE)"},
        {"double precision", "DOUBLE PRECISION"},
        {"timestamp(6) with time zone", "TIMESTAMP(6) WITH TIME ZONE"},
    };
    for (const auto& r : rows) {
        TScript s(r.sql, {"number", "varchar2", "byte", "double", "precision", "timestamp", "with", "time", "zone"});
        auto* t = s.Make<TRk_TypeName>();
        for (TSourceToken* tok : s.L->Items())
            if (tok->IsSignificant()) t->TokenList->Add(tok);
        EXPECT_EQ(t->GetPrettyText(), r.pretty) << r.sql;
        EXPECT_EQ(t->AsText(), r.sql);
    }
}

TEST(TypeName, SpecialForms) {
    TScript s("enum('a','b') emp.sal%type x", {"enum", "type"});
    auto* values = s.Make<TRk_TypeName>();
    values->TypeForm = TRk_TypeName::FormValueList;
    values->TypeNameToken = s.T("enum");
    values->MidToken = s.T("(");
    values->EndToken = s.T(")");
    values->ValueList = s.List({Dotted(s, {"'a'"}), Dotted(s, {"'b'"})}, {s.T(",")});
    EXPECT_EQ(Walk(values), "enum ( 'a' , 'b' )");
    EXPECT_EQ(values->GetPrettyText(), "ENUM('a','b')");

    auto* anchored = s.Make<TRk_TypeName>();
    anchored->TypeForm = TRk_TypeName::FormAnchored2;
    anchored->TypeNode = Dotted(s, {"emp", "sal"});
    anchored->MidToken = s.T("%");
    anchored->EndToken = s.T("type");
    EXPECT_EQ(Walk(anchored), "emp . sal % type");
    EXPECT_EQ(anchored->GetPrettyText(), "emp.sal%TYPE");

    auto* named = s.Make<TRk_TypeName>({s.T("x")});  // own tokens ignored in this form
    named->TypeForm = TRk_TypeName::FormNamed;
    named->TypeNode = Dotted(s, {"x"});
    EXPECT_EQ(Walk(named), "x");
    EXPECT_EQ(named->GetPrettyText(), "x");
}

TEST(Analytic, PrettyTextJoinsListItemsByTheirCommas) {
    TScript s("over (partition by a, b order by c)", {"over", "partition", "by", "order"});
    auto* o = s.Own(s.Make<TRk_AnalyticFunction>(), {"over", "(", ")"});
    o->PartitionToken = s.T("partition");
    o->ByToken = s.T("by");
    o->PartitionList = s.List({Dotted(s, {"a"}), Dotted(s, {"b"})}, {s.T(",")});
    o->OrderByClause = s.Make<TRk_DummyNode>({s.T("order"), s.T("by", 1)});
    o->OrderByClause->List1 = s.List({Dotted(s, {"c"})});
    EXPECT_EQ(Walk(o), "over ( partition by a , b order by c )");
    EXPECT_EQ(o->GetPrettyText(), "OVER(PARTITION BY a,b ORDER BY c)");
}

TEST(AliasClause, FormsAndNames) {
    TScript s("as e f a.b", {"as"});
    auto* withAs = s.Make<TRk_AliasClause>({s.T("as")});
    withAs->HasAs = 1;
    withAs->AliasToken = s.T("e");
    EXPECT_EQ(withAs->GetPrettyText(), "AS e");
    EXPECT_EQ(Walk(withAs), "as e");
    auto* bare = s.Make<TRk_AliasClause>();
    bare->AliasToken = s.T("f");
    EXPECT_EQ(bare->GetPrettyText(), "f");
    EXPECT_EQ(bare->GetAliasName(), "f");
    auto* dotted = s.Make<TRk_AliasClause>();
    dotted->NameParts = s.List({s.T("a"), s.T("b")}, {s.T(".")});
    EXPECT_EQ(dotted->GetAliasName(), "a.b");
    EXPECT_EQ(dotted->GetPrettyText(), "a.b");
    EXPECT_EQ(Walk(dotted), "a . b");
}

TEST(SelectDistinct, Kinds) {
    TScript s("distinct on (a, b) unique", {"distinct", "on", "unique"});
    auto* on = s.Own(s.Make<TRk_SelectDistinct>(), {"distinct", "on", "(", ")"});
    on->DistinctKind = 2;
    on->OnList = s.List({Dotted(s, {"a"}), Dotted(s, {"b"})}, {s.T(",")});
    EXPECT_EQ(on->GetPrettyText(), "DISTINCT ON(a,b)");
    EXPECT_EQ(Walk(on), "distinct on ( a , b )");
    auto* single = s.Make<TRk_SelectDistinct>({s.T("unique")});
    for (uint8_t k : {0, 1, 3, 4, 5}) {
        single->DistinctKind = k;
        EXPECT_EQ(single->GetPrettyText(), k ? "UNIQUE" : "") << int(k);
        EXPECT_EQ(Walk(single), k ? "unique" : "") << int(k);
    }
}

TEST(SlotNodes, DummyAndJoinHaveNoTextOfTheirOwn) {
    TScript s("cross join");
    auto* d = s.Make<TRk_DummyNode>({s.T("cross")});
    d->Tok1 = s.T("join");
    EXPECT_EQ(d->AsText(), "");
    EXPECT_EQ(Walk(d), "");
    EXPECT_EQ(s.Make<TRk_JoinExpr>({s.T("cross"), s.T("join")})->AsText(), "");
    // The occurrences of an inspected object are only referred to.
    EXPECT_FALSE(TRkInspectDBObj().Occurrences->OwnsObjects());
}

}  // namespace
