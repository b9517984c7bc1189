// Names, types, calls, analytic clauses, aliases, DISTINCT and the slot
// nodes: walks, marking and texts.
#include <gtest/gtest.h>

#include "nodes/generic_fixture.h"
#include "nodes/u_nodes_generic.h"

using gentest::TScript;
using gentest::Walk;

namespace {

// A dotted name over the tokens of Text ("s.t.c").
TRk_Attr* Dotted(TScript& s, std::initializer_list<const char*> parts) {
    auto* a = s.Make<TRk_Attr>();
    std::vector<const char*> p(parts);
    a->NameToken = s.T(p[0]);
    if (p.size() > 1) {
        a->DotToken = s.T(".");
        a->NameParts = s.Make<TRk_List>();
        for (size_t i = 1; i < p.size(); ++i) {
            TSourceToken* t = s.T(p[i]);
            t->SeparatorToken = s.T(".", static_cast<int>(i) - 1);
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
        RkStatementHooks.TableOrAliasKind = [](const std::string& text, TRk_Node*) {
            return text == "e" ? 4 : 1;
        };
        RkStatementHooks.FireTableTokenEvent = [](TRk_Node*, TRkVisitedAbs*, TSourceToken* t) {
            fired.push_back(t->Text);
        };
    }
    ~FakeStatementHooks() { RkStatementHooks = saved; }
};

TEST(Attr, ThreePartColumnMarksColumnAndTableOnly) {
    FakeStatementHooks hooks;
    TScript s("s.t.c");
    TRk_Attr* a = Dotted(s, {"s", "t", "c"});
    TRk_Node statement;
    a->MarkColumnParts(&statement);
    EXPECT_EQ(s.T("c")->DbObjKind, okField);
    EXPECT_EQ(s.T("t")->DbObjKind, okTable);
    EXPECT_EQ(s.T("s")->DbObjKind, okUnknown);
    EXPECT_EQ(a->ColumnToken, s.T("c"));
    EXPECT_EQ(a->TableToken, s.T("t"));
    EXPECT_EQ(a->QualifiedText(), "s.t");
    EXPECT_EQ(a->LastSeparator, s.T(".", 1));
    EXPECT_EQ(a->LastPartText(), "c");
    EXPECT_TRUE(a->HasColumnPart());
    EXPECT_EQ(Walk(a), "s . t . c");
    EXPECT_EQ(a->AsText(), "s.t.c");
}

TEST(Attr, QualifierMarkedAsAliasWhenTheStatementSaysSo) {
    FakeStatementHooks hooks;
    TScript s("e.sal");
    TRk_Attr* a = Dotted(s, {"e", "sal"});
    TRk_Node statement;
    a->MarkColumnParts(&statement);
    EXPECT_EQ(s.T("e")->DbObjKind, okTableAlias);
    EXPECT_EQ(s.T("sal")->DbObjKind, okField);
    EXPECT_EQ(a->QualifiedText(), "e");
    // Without a statement the qualifier counts as a table.
    TScript s2("e.sal");
    TRk_Attr* b = Dotted(s2, {"e", "sal"});
    b->MarkColumnParts(nullptr);
    EXPECT_EQ(s2.T("e")->DbObjKind, okTable);
}

TEST(Attr, VariablesAndMarkedTokensAreNotMarkedAgain) {
    FakeStatementHooks hooks;
    TScript s("@x y");
    TRk_Attr* v = Dotted(s, {"@x"});
    v->MarkColumnParts(nullptr);
    v->MarkTableParts(nullptr, nullptr);
    EXPECT_EQ(s.T("@x")->DbObjKind, okUnknown);
    EXPECT_EQ(v->ColumnToken, nullptr);
    TRk_Attr* y = Dotted(s, {"y"});
    y->MarkColumnParts(nullptr);
    y->MarkTableParts(nullptr, nullptr);
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
    EXPECT_EQ(FakeStatementHooks::fired, std::vector<std::string>{"emp"});
    a->MarkTableParts(&statement, nullptr);  // already marked: no second event
    EXPECT_EQ(FakeStatementHooks::fired.size(), 1u);
}

TEST(Attr, PrettyTextJoinsFormattedPartsWithoutBlanks) {
    TScript s("Emp . Name");
    auto* a = s.Make<TRk_Attr>();
    a->NameToken = s.T("Emp");
    a->DotToken = s.T(".");
    a->NameParts = s.List({s.T("Name")});
    s.T("Name")->SeparatorToken = s.T(".");
    EXPECT_EQ(a->GetPrettyText(), "emp.name");
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
    EXPECT_EQ(f->CallForm, 0);
    EXPECT_EQ(Walk(f), "count ( * )");
    EXPECT_EQ(f->NameAttr->IsFunctionName, 1);
    EXPECT_EQ(s.T("count")->DbObjKind, okFunction);
    EXPECT_EQ(f->GetFuncName(), "");  // neither FuncName nor NameToken set
    f->NameToken = s.T("count");
    EXPECT_EQ(f->GetFuncName(), "count");
}

TEST(FuncCall, SpecialFormsWalkInTheirOrder) {
    struct Row {
        const char* sql;
        std::function<TRk_FuncCall*(TScript&)> build;
        const char* walk;
    };
    const Row rows[] = {
        {"f(a, b) over (order by c)",
         [](TScript& s) {
             auto* f = s.Make<TRk_FuncCall>({s.T("("), s.T(")")});
             f->NameAttr = Dotted(s, {"f"});
             f->ArgList = s.List({Dotted(s, {"a"}), Dotted(s, {"b"})}, {s.T(",")});
             f->Analytic = s.Make<TRk_AnalyticFunction>({s.T("over"), s.T("(", 1), s.T(")", 1)});
             f->Analytic->OrderByClause = s.Make<TRk_DummyNode>({s.T("order"), s.T("by")});
             f->Analytic->OrderByClause->List1 = s.List({Dotted(s, {"c"})});
             return f;
         },
         "f ( a , b ) over ( order by c )"},
        {"trim(both 'x' from y)",
         [](TScript& s) {
             auto* f = s.Make<TRk_FuncCall>({s.T("trim"), s.T("("), s.T("both"), s.T(")")});
             f->CallForm = 1;
             f->TrimKind = 1;
             f->TrimArgs = s.Make<TRk_TrimList>({s.T("from")});
             f->TrimArgs->HasFrom = 1;
             f->TrimArgs->TrimChar = Dotted(s, {"'x'"});
             f->TrimArgs->SourceList = s.List({Dotted(s, {"y"})});
             return f;
         },
         "trim ( both 'x' from y )"},
        {"trim(y)",
         [](TScript& s) {
             auto* f = s.Make<TRk_FuncCall>({s.T("trim"), s.T("("), s.T(")")});
             f->CallForm = 1;
             f->TrimArgs = s.Make<TRk_TrimList>();
             f->TrimArgs->SourceList = s.List({Dotted(s, {"y"})});
             return f;
         },
         "trim ( y )"},
        {"cast(a as number)",
         [](TScript& s) {
             auto* f = s.Make<TRk_FuncCall>({s.T("cast"), s.T("("), s.T("as"), s.T(")")});
             f->CallForm = 2;
             f->CastExpr = Dotted(s, {"a"});
             f->CastType = s.Make<TRk_TypeName>({s.T("number")});
             return f;
         },
         "cast ( a as number )"},
        {"convert(int, a, 112)",
         [](TScript& s) {
             auto* f = s.Make<TRk_FuncCall>(
                 {s.T("convert"), s.T("("), s.T(","), s.T(",", 1), s.T(")")});
             f->CallForm = 3;
             f->CastType = s.Make<TRk_TypeName>({s.T("int")});
             f->CastExpr = Dotted(s, {"a"});
             f->StyleArg = Dotted(s, {"112"});
             return f;
         },
         "convert ( int , a , 112 )"},
        {"convert(int, a)",
         [](TScript& s) {
             auto* f = s.Make<TRk_FuncCall>({s.T("convert"), s.T("("), s.T(","), s.T(")")});
             f->CallForm = 3;
             f->CastType = s.Make<TRk_TypeName>({s.T("int")});
             f->CastExpr = Dotted(s, {"a"});
             return f;
         },
         "convert ( int , a )"},
        {"extract(year from d)",
         [](TScript& s) {
             auto* f = s.Make<TRk_FuncCall>({s.T("extract"), s.T("("), s.T(")")});
             f->CallForm = 4;
             f->ExtractArgs = s.Make<TRk_ExtractList>({s.T("from")});
             f->ExtractArgs->FieldToken = s.T("year");
             f->ExtractArgs->SourceExpr = Dotted(s, {"d"});
             return f;
         },
         "extract ( year from d )"},
    };
    for (const Row& r : rows) {
        TScript s(r.sql);
        TRk_FuncCall* f = r.build(s);
        EXPECT_EQ(Walk(f), r.walk) << r.sql;
        EXPECT_EQ(f->AsText(), r.sql);
        if (f->CallForm != 0) EXPECT_EQ(f->GetOwnToken(0)->DbObjKind, okFunction) << r.sql;
    }
}

TEST(TypeName, PrettyTextGluesParenthesesAndCommas) {
    struct Row {
        const char* sql;
        const char* pretty;
    };
    const Row rows[] = {
        {"NUMBER ( 10 , 2 )", "NUMBER(10,2)"},
        {"VARCHAR2(20 BYTE)", "VARCHAR2(20 BYTE)"},
        {"double precision", "DOUBLE PRECISION"},
        {"timestamp(6) with time zone", "TIMESTAMP(6) WITH TIME ZONE"},
    };
    for (const Row& r : rows) {
        TScript s(r.sql, {"number", "varchar2", "byte", "double", "precision", "timestamp", "with",
                          "time", "zone"});
        auto* t = s.Make<TRk_TypeName>();
        for (TSourceToken* tok : s.L->Items())
            if (tok->IsSignificant()) t->TokenList->Add(tok);
        EXPECT_EQ(t->NodeKind, 175);
        EXPECT_EQ(t->Param1, -9999);
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
    auto* o = s.Make<TRk_AnalyticFunction>({s.T("over"), s.T("("), s.T(")")});
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
    auto* on = s.Make<TRk_SelectDistinct>({s.T("distinct"), s.T("on"), s.T("("), s.T(")")});
    on->DistinctKind = 2;
    on->OnList = s.List({Dotted(s, {"a"}), Dotted(s, {"b"})}, {s.T(",")});
    EXPECT_EQ(on->GetPrettyText(), "DISTINCT ON(a,b)");
    EXPECT_EQ(Walk(on), "distinct on ( a , b )");
    auto* single = s.Make<TRk_SelectDistinct>({s.T("unique")});
    for (uint8_t k : {1, 3, 4, 5}) {
        single->DistinctKind = k;
        EXPECT_EQ(single->GetPrettyText(), "UNIQUE");
        EXPECT_EQ(Walk(single), "unique");
    }
    single->DistinctKind = 0;
    EXPECT_EQ(single->GetPrettyText(), "");
    EXPECT_EQ(Walk(single), "");
}

TEST(SlotNodes, DummyAndJoinHaveNoTextOfTheirOwn) {
    TScript s("cross join");
    auto* d = s.Make<TRk_DummyNode>({s.T("cross")});
    d->Tok1 = s.T("join");
    EXPECT_EQ(d->NodeKind, 41);
    EXPECT_EQ(d->Int1, -9999);
    EXPECT_EQ(d->Int4, -9999);
    EXPECT_EQ(d->AsText(), "");
    EXPECT_EQ(Walk(d), "");
    auto* j = s.Make<TRk_JoinExpr>({s.T("cross"), s.T("join")});
    EXPECT_EQ(j->NodeKind, 59);
    EXPECT_EQ(j->AsText(), "");
    TRkInspectDBObj rec;
    EXPECT_EQ(rec.Kind, 0);
    ASSERT_NE(rec.Occurrences, nullptr);
    EXPECT_FALSE(rec.Occurrences->OwnsObjects());
}

}  // namespace
