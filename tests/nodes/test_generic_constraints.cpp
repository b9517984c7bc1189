// Constraints, reference clauses, constraint lists and column definitions:
// the tokens each constraint type walks, in order, and their texts.
#include <gtest/gtest.h>

#include <functional>

#include "nodes/generic_fixture.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/rkexpression.h"

using gentest::TScript;
using gentest::Name;
using gentest::Walk;

namespace {

const std::initializer_list<std::string_view> kKeywords = {
    "constraint", "primary", "key",   "foreign", "references", "not",     "null",
    "unique",     "check",   "default", "on",    "delete",     "update",  "cascade",
    "set",        "no",      "action", "match", "full",        "index",   "identity",
    "collate",    "auto_increment", "with", "values", "restrict"};

TRkConstraintRefClause* RefClause(TScript& s, const char* table, const char* col) {
    auto* r = s.Make<TRkConstraintRefClause>({s.T("references")});
    r->RefTable = Name(s, s.T(table));
    // The parentheses after REFERENCES.
    const int n = testtok::Find(*s.L, "(") < testtok::Find(*s.L, "references") ? 1 : 0;
    r->RefColumnsNode = s.Make<TRk_DummyNode>({s.T("(", n), s.T(")", n)});
    r->RefColumns = s.List({s.T(col)});
    r->RefColumnsNode->List1 = r->RefColumns;
    return r;
}

struct ConstraintRow {
    const char* sql;
    std::function<TRkConstraint*(TScript&)> build;
    const char* walk;
};

TEST(Constraint, EachTypeWalksItsTokensInSourceOrder) {
    const ConstraintRow rows[] = {
        {"constraint pk_t primary key (a, b)",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("primary"), s.T("key"), s.T("("), s.T(")")});
             c->ConstraintType = 4;
             c->SeparatorFollows = 1;
             c->ConstraintToken = s.T("constraint");
             c->NameToken = s.T("pk_t");
             c->Name = "pk_t";
             c->ColumnList = s.List({s.T("a"), s.T("b")}, {s.T(",")});
             return c;
         },
         "constraint pk_t primary key ( a , b )"},
        {"primary key",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("primary"), s.T("key")});
             c->ConstraintType = 4;
             return c;
         },
         "primary key"},
        {"unique (a)",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("unique"), s.T("("), s.T(")")});
             c->ConstraintType = 3;
             c->SeparatorFollows = 1;
             c->ColumnList = s.List({s.T("a")});
             return c;
         },
         "unique ( a )"},
        {"not null",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("not"), s.T("null")});
             c->ConstraintType = 1;
             return c;
         },
         "not null"},
        {"null",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("null")});
             c->ConstraintType = 2;
             return c;
         },
         "null"},
        {"foreign key fk1 (a) references t (x)",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("foreign"), s.T("key"), s.T("("), s.T(")")});
             c->ConstraintType = 5;
             c->ForeignKeyName = Name(s, s.T("fk1"));
             c->ColumnList = s.List({s.T("a")});
             c->RefClause = RefClause(s, "t", "x");
             return c;
         },
         "foreign key fk1 ( a ) references t ( x )"},
        {"foreign key (a)",  // no REFERENCES: walked without it
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("foreign"), s.T("key"), s.T("("), s.T(")")});
             c->ConstraintType = 5;
             c->ColumnList = s.List({s.T("a")});
             return c;
         },
         "foreign key ( a )"},
        {"check (a)",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("check"), s.T("("), s.T(")")});
             c->ConstraintType = 6;
             c->Expression = Name(s, s.T("a"));
             return c;
         },
         "check ( a )"},
        {"default 0",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("default")});
             c->ConstraintType = 7;
             c->Expression = Name(s, s.T("0"));
             return c;
         },
         "default 0"},
        {"default 0 with values",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("default"), s.T("with"), s.T("values")});
             c->ConstraintType = 7;
             c->Expression = Name(s, s.T("0"));
             return c;
         },
         "default 0 with values"},
        {"references t (x)",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>();
             c->ConstraintType = 8;
             c->RefClause = RefClause(s, "t", "x");
             return c;
         },
         "references t ( x )"},
        {"key k1 (a, b)",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("key"), s.T("("), s.T(")")});
             c->ConstraintType = 9;
             c->IndexName = Name(s, s.T("k1"));
             c->ColumnList = s.List({s.T("a"), s.T("b")}, {s.T(",")});
             return c;
         },
         "key k1 ( a , b )"},
        {"auto_increment",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("auto_increment")});
             c->ConstraintType = 10;
             return c;
         },
         "auto_increment"},
        {"index (a)",  // the name is optional
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("index"), s.T("("), s.T(")")});
             c->ConstraintType = 11;
             c->ColumnList = s.List({s.T("a")});
             return c;
         },
         "index ( a )"},
        {"identity (1, 2)",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("identity"), s.T("("), s.T(")")});
             c->ConstraintType = 12;
             c->ColumnList = s.List({Name(s, s.T("1")), Name(s, s.T("2"))}, {s.T(",")});
             return c;
         },
         "identity ( 1 , 2 )"},
        {"identity",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("identity")});
             c->ConstraintType = 12;
             return c;
         },
         "identity"},
        {"collate latin1",
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("collate")});
             c->ConstraintType = 13;
             c->Extra = Name(s, s.T("latin1"));
             return c;
         },
         "collate latin1"},
        {"bogus",  // an unknown type walks nothing
         [](TScript& s) {
             auto* c = s.Make<TRkConstraint>({s.T("bogus")});
             c->ConstraintType = 99;
             return c;
         },
         ""},
    };
    for (const ConstraintRow& r : rows) {
        TScript s(r.sql, kKeywords);
        TRkConstraint* c = r.build(s);
        EXPECT_EQ(c->NodeKind, 27);
        EXPECT_EQ(Walk(c), r.walk) << r.sql;
    }
}

TEST(Constraint, MissingPositionalTokenEndsOnlyThatWalk) {
    // Type 1 expects two own tokens; with one the walk of the constraint
    // stops after it, and the enclosing list goes on with the next item.
    TScript s("not null default 0", kKeywords);
    auto* broken = s.Make<TRkConstraint>({s.T("not")});
    broken->ConstraintType = 1;
    auto* def = s.Make<TRkConstraint>({s.T("default")});
    def->ConstraintType = 7;
    def->Expression = Name(s, s.T("0"));
    TRkConstraintList list;
    list.Add(broken);
    list.Add(def);
    EXPECT_EQ(Walk(&list), "not default 0");
}

TEST(ConstraintRefClause, OnDeleteCascade) {
    TScript s("references t (x) on delete cascade", kKeywords);
    auto* r = RefClause(s, "t", "x");
    r->SetFlag2(1);
    r->SetFlag3(2);
    r->ActionsClause = s.Make<TRk_DummyNode>();
    r->ActionsClause->Tok1 = s.T("on");
    r->ActionsClause->Tok2 = s.T("delete");
    r->ActionsClause->Tok3 = s.T("cascade");
    EXPECT_EQ(r->MatchKind, 0);
    EXPECT_EQ(r->OnUpdateAction, 241);  // not written
    EXPECT_EQ(Walk(r), "references t ( x ) on delete cascade");
    EXPECT_EQ(r->AsText(), "references t (x) on delete cascade");
}

TEST(ConstraintRefClause, BothActionsAndMatchInWrittenOrder) {
    TScript s("references t match full on update set null on delete no action", kKeywords);
    auto* r = s.Make<TRkConstraintRefClause>({s.T("references")});
    r->RefTable = Name(s, s.T("t"));
    r->SetFlag1(1);
    r->SetFlag2(3);
    r->SetFlag3(0);
    r->SetFlag4(3);
    r->MatchClause = s.Make<TRk_DummyNode>();
    r->MatchClause->Tok1 = s.T("match");
    r->MatchClause->Tok2 = s.T("full");
    auto* a = r->ActionsClause = s.Make<TRk_DummyNode>();
    a->Tok1 = s.T("on");
    a->Tok2 = s.T("update");
    a->Tok3 = s.T("set");
    a->Tok4 = s.T("null");
    a->Tok5 = s.T("on", 1);
    a->Tok6 = s.T("delete");
    a->Tok7 = s.T("no");
    a->Tok8 = s.T("action");
    EXPECT_EQ(Walk(r), "references t match full on update set null on delete no action");
    // A single clause ignores the slots of a second one.
    r->SetFlag2(2);
    EXPECT_EQ(Walk(r), "references t match full on update set null");
}

TEST(ConstraintList, ColumnConstraintsJoinedByOneBlank) {
    TScript s("a int not null default 0", kKeywords);
    auto* nn = s.Make<TRkConstraint>({s.T("not"), s.T("null")});
    nn->ConstraintType = 1;
    auto* def = s.Make<TRkConstraint>({s.T("default")});
    def->ConstraintType = 7;
    def->Expression = Name(s, s.T("0"));
    TRkConstraintList list;
    list.Add(nn);
    list.Add(def);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetPrettyText(), "NOT NULL DEFAULT 0");
    EXPECT_EQ(list.AsText(), "not null default 0");
    EXPECT_EQ(Walk(&list), "not null default 0");
}

TEST(ConstraintList, TableConstraintsEndTheirLineAfterTheComma) {
    TScript s("primary key (a), unique (b)", kKeywords);
    auto* pk = s.Make<TRkConstraint>({s.T("primary"), s.T("key"), s.T("("), s.T(")")});
    pk->ConstraintType = 4;
    pk->SeparatorFollows = 1;
    pk->ColumnList = s.List({s.T("a")});
    auto* uq = s.Make<TRkConstraint>({s.T("unique"), s.T("(", 1), s.T(")", 1)});
    uq->ConstraintType = 3;
    uq->SeparatorFollows = 1;
    uq->ColumnList = s.List({s.T("b")});
    uq->SeparatorToken = s.T(",");
    TRkConstraintList list;
    list.Add(pk);
    list.Add(uq);
    EXPECT_EQ(Walk(&list), "primary key ( a ) , unique ( b )");
    // The separator is its raw text: the blank after it belongs to no token walked.
    EXPECT_EQ(list.AsText(), "primary key (a),unique (b)");
    const std::string pretty = list.GetPrettyText();
    EXPECT_EQ(pretty, pk->GetPrettyText() + ",\r\n" + uq->GetPrettyText());
    // Without a separator token nothing stands between them.
    uq->SeparatorToken = nullptr;
    EXPECT_EQ(list.GetPrettyText(), pk->GetPrettyText() + uq->GetPrettyText());
}

// M9: a DEFERRABLE state that a grammar leaves in a column's constraint list
// is skipped by every routine, never cast.
TEST(ConstraintList, NonConstraintItemsAreSkipped) {
    TScript s("not null deferrable unique", kKeywords);
    auto* nn = s.Make<TRkConstraint>({s.T("not"), s.T("null")});
    nn->ConstraintType = 1;
    auto* deferrable = s.Make<TRk_DummyNode>({s.T("deferrable")});
    auto* uq = s.Make<TRkConstraint>({s.T("unique")});
    uq->ConstraintType = 3;
    TRkConstraintList list;
    list.Add(nn);
    list.Add(deferrable);
    list.Add(uq);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetConstraint(0), nn);
    EXPECT_EQ(list.GetConstraint(1), nullptr);
    EXPECT_EQ(list.GetConstraint(2), uq);
    EXPECT_THROW(list.GetConstraint(3), ERkListError);
    EXPECT_EQ(Walk(&list), "not null unique");
    EXPECT_EQ(list.AsText(), "not null unique");
    EXPECT_EQ(list.GetPrettyText(), "NOT NULL UNIQUE");
}

TEST(ConstraintList, OwningListFreesItsConstraints) {
    // Run under the leak checker: the owned constraint must be freed.
    TRkConstraintList owning(true);
    owning.Add(CreateNodeOfClass<TRkConstraint>().release());
    EXPECT_TRUE(owning.OwnsObjects());
    EXPECT_EQ(owning.Count(), 1);
    TRkColumnDef col;
    EXPECT_EQ(col.NodeKind, 26);
    ASSERT_NE(col.Constraints, nullptr);
    EXPECT_FALSE(col.Constraints->OwnsObjects());
    EXPECT_EQ(col.Constraints->Count(), 0);
}

TEST(ConstraintList, AcceptWithoutVisitorFails) {
    TRkConstraintList list;
    EXPECT_THROW(list.Accept(nullptr), ERkAssertion);
}

}  // namespace
