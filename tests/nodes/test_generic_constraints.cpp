// Constraints, reference clauses, constraint lists and column definitions:
// the tokens each constraint type walks, in order, and their texts.
#include <gtest/gtest.h>

#include <functional>

#include "nodes/generic_fixture.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/rkexpression.h"

using gentest::Name;
using gentest::TScript;
using gentest::Walk;

namespace {

const std::initializer_list<std::string_view> kKeywords = {
    "constraint", "primary", "key",   "foreign", "references", "not",     "null",
    "unique",     "check",   "default", "on",    "delete",     "update",  "cascade",
    "set",        "no",      "action", "match", "full",        "index",   "identity",
    "collate",    "auto_increment", "with", "values", "restrict"};

// A constraint of Type over the own tokens named by their texts;
// SepFollows marks a table constraint.
TRkConstraint* C(TScript& s, uint8_t Type, std::initializer_list<const char*> Own, uint8_t SepFollows = 0) {
    auto* c = s.Own(s.Make<TRkConstraint>(), Own);
    c->ConstraintType = Type;
    c->SeparatorFollows = SepFollows;
    return c;
}

TRkConstraintRefClause* RefClause(TScript& s, const char* table, const char* col) {
    auto* r = s.Make<TRkConstraintRefClause>({s.T("references")});
    r->RefTable = Name(s, s.T(table));
    // The parentheses after REFERENCES.
    const int n = testtok::Find(*s.L, "(") < testtok::Find(*s.L, "references") ? 1 : 0;
    r->RefColumnsNode = s.Make<TRk_DummyNode>({s.T("(", n), s.T(")", n)});
    r->RefColumns = r->RefColumnsNode->List1 = s.List({s.T(col)});
    return r;
}

TEST(Constraint, EachTypeWalksItsTokensInSourceOrder) {
    using Build = std::function<TRkConstraint*(TScript&)>;
    const struct { const char* sql; Build build; const char* walk; } rows[] = {
        {"constraint pk_t primary key (a, b)", [](TScript& s) {
             auto* c = C(s, 4, {"primary", "key", "(", ")"}, 1);
             c->ConstraintToken = s.T("constraint");
             c->NameToken = s.T("pk_t");
             c->ColumnList = s.List({s.T("a"), s.T("b")}, {s.T(",")});
             return c; }, "constraint pk_t primary key ( a , b )"},
        {"primary key", [](TScript& s) { return C(s, 4, {"primary", "key"}); }, "primary key"},
        {"unique (a)", [](TScript& s) {
             auto* c = C(s, 3, {"unique", "(", ")"}, 1);
             c->ColumnList = s.List({s.T("a")});
             return c; }, "unique ( a )"},
        {"not null", [](TScript& s) { return C(s, 1, {"not", "null"}); }, "not null"},
        {"null", [](TScript& s) { return C(s, 2, {"null"}); }, "null"},
        {"foreign key fk1 (a) references t (x)", [](TScript& s) {
             auto* c = C(s, 5, {"foreign", "key", "(", ")"});
             c->ForeignKeyName = Name(s, s.T("fk1"));
             c->ColumnList = s.List({s.T("a")});
             c->RefClause = RefClause(s, "t", "x");
             return c; }, "foreign key fk1 ( a ) references t ( x )"},
        {"foreign key (a)", [](TScript& s) {   // no REFERENCES: walked without it
             auto* c = C(s, 5, {"foreign", "key", "(", ")"});
             c->ColumnList = s.List({s.T("a")});
             return c; }, "foreign key ( a )"},
        {"check (a)", [](TScript& s) {
             auto* c = C(s, 6, {"check", "(", ")"});
             c->Expression = Name(s, s.T("a"));
             return c; }, "check ( a )"},
        {"default 0", [](TScript& s) {
             auto* c = C(s, 7, {"default"});
             c->Expression = Name(s, s.T("0"));
             return c; }, "default 0"},
        {"default 0 with values", [](TScript& s) {
             auto* c = C(s, 7, {"default", "with", "values"});
             c->Expression = Name(s, s.T("0"));
             return c; }, "default 0 with values"},
        {"references t (x)", [](TScript& s) {
             auto* c = C(s, 8, {});
             c->RefClause = RefClause(s, "t", "x");
             return c; }, "references t ( x )"},
        {"key k1 (a, b)", [](TScript& s) {
             auto* c = C(s, 9, {"key", "(", ")"});
             c->IndexName = Name(s, s.T("k1"));
             c->ColumnList = s.List({s.T("a"), s.T("b")}, {s.T(",")});
             return c; }, "key k1 ( a , b )"},
        {"auto_increment", [](TScript& s) { return C(s, 10, {"auto_increment"}); }, "auto_increment"},
        {"index (a)", [](TScript& s) {   // the name is optional
             auto* c = C(s, 11, {"index", "(", ")"});
             c->ColumnList = s.List({s.T("a")});
             return c; }, "index ( a )"},
        {"identity (1, 2)", [](TScript& s) {
             auto* c = C(s, 12, {"identity", "(", ")"});
             c->ColumnList = s.List({Name(s, s.T("1")), Name(s, s.T("2"))}, {s.T(",")});
             return c; }, "identity ( 1 , 2 )"},
        {"identity", [](TScript& s) { return C(s, 12, {"identity"}); }, "identity"},
        {"collate latin1", [](TScript& s) {
             auto* c = C(s, 13, {"collate"});
             c->Extra = Name(s, s.T("latin1"));
             return c; }, "collate latin1"},
        {"bogus", [](TScript& s) { return C(s, 99, {"bogus"}); }, ""},   // an unknown type walks nothing
    };
    for (const auto& r : rows) {
        TScript s(r.sql, kKeywords);
        EXPECT_EQ(Walk(r.build(s)), r.walk) << r.sql;
    }
    EXPECT_EQ(CreateNodeOfClass<TRkConstraint>()->NodeKind, 27);
}

TEST(ConstraintRefClause, ActionsAndMatchInWrittenOrder) {
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

    TScript s2("references t match full on update set null on delete no action", kKeywords);
    auto* b = s2.Make<TRkConstraintRefClause>({s2.T("references")});
    b->RefTable = Name(s2, s2.T("t"));
    b->SetFlag1(1);
    b->SetFlag2(3);
    b->SetFlag3(0);
    b->SetFlag4(3);
    b->MatchClause = s2.Make<TRk_DummyNode>();
    b->MatchClause->Tok1 = s2.T("match");
    b->MatchClause->Tok2 = s2.T("full");
    TRk_DummyNode* a = b->ActionsClause = s2.Make<TRk_DummyNode>();
    TSourceToken** slots[] = {&a->Tok1, &a->Tok2, &a->Tok3, &a->Tok4, &a->Tok5, &a->Tok6, &a->Tok7, &a->Tok8};
    const char* texts[] = {"on", "update", "set", "null", "on", "delete", "no", "action"};
    for (int i = 0; i < 8; ++i) *slots[i] = s2.T(texts[i], i == 4);
    EXPECT_EQ(Walk(b), "references t match full on update set null on delete no action");
    // A single clause ignores the slots of a second one.
    b->SetFlag2(2);
    EXPECT_EQ(Walk(b), "references t match full on update set null");
}

TEST(ConstraintList, ColumnConstraintsJoinedByOneBlank) {
    TScript s("a int not null default 0", kKeywords);
    auto* def = C(s, 7, {"default"});
    def->Expression = Name(s, s.T("0"));
    TRkConstraintList list;
    list.Add(C(s, 1, {"not", "null"}));
    list.Add(def);
    EXPECT_EQ(list.GetPrettyText(), "NOT NULL DEFAULT 0");
    EXPECT_EQ(list.AsText(), "not null default 0");
    EXPECT_EQ(Walk(&list), "not null default 0");
    EXPECT_THROW(list.Accept(nullptr), ERkAssertion);
    // A constraint short of a positional token (NOT NULL with one) ends
    // only its own walk; the list goes on with the next item.
    TRkConstraintList broken;
    broken.Add(C(s, 1, {"not"}));
    broken.Add(def);
    EXPECT_EQ(Walk(&broken), "not default 0");
}

TEST(ConstraintList, TableConstraintsEndTheirLineAfterTheComma) {
    TScript s("primary key (a), unique (b)", kKeywords);
    auto* pk = C(s, 4, {"primary", "key", "(", ")"}, 1);
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
    EXPECT_EQ(list.GetPrettyText(), pk->GetPrettyText() + ",\r\n" + uq->GetPrettyText());
    // Without a separator token nothing stands between them.
    uq->SeparatorToken = nullptr;
    EXPECT_EQ(list.GetPrettyText(), pk->GetPrettyText() + uq->GetPrettyText());
}

// M9: a DEFERRABLE state that a grammar leaves in a column's constraint list
// is skipped by every routine, never cast.
TEST(ConstraintList, NonConstraintItemsAreSkipped) {
    TScript s("not null deferrable unique", kKeywords);
    TRkConstraint* nn = C(s, 1, {"not", "null"});
    TRkConstraint* uq = C(s, 3, {"unique"});
    TRkConstraintList list;
    list.Add(nn);
    list.Add(s.Make<TRk_DummyNode>({s.T("deferrable")}));
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
    EXPECT_EQ(owning.Count(), 1);
    // A column's list only refers to its constraints.
    TRkColumnDef col;
    ASSERT_NE(col.Constraints(), nullptr);
    EXPECT_FALSE(col.Constraints()->OwnsObjects());
}

}  // namespace
