// Two properties over every statement of the samples and of the shared
// corpus, in every dialect:
// - the regenerated text (the text visitor's walk) of a statement that
//   parsed without error holds each of its source tokens once: the same
//   multiset of words and comments, whatever order the model walks its parts
//   in (a constraint written between columns is walked after them);
// - parsing a statement again, any number of times, gives the same texts
//   (regenerated and formatted) and the same model (tables, columns, keys).
// With ORRERY_REGEN_SHOW set the tests print every difference.
#include <map>
#include <set>

#include "corpus_scripts.h"
#include "frontend_fixture.h"
#include "nodes/u_nodes_generic.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "statementstructure/schemaobjects.h"

namespace {

using fetest::CorpusDialect;

bool Kept(const TSourceToken* T) {
    return T && T->TokenCode != 0 && !T->GetText().empty() && T->TokenType != ttBlanks &&
           T->TokenType != ttLineBreak;
}

bool Trailing(const TSourceToken* T) {
    return !T->IsSignificant() || T->TokenType == ttSemicolon;
}

using TWords = std::multiset<std::string>;

// The words and comments of Text as the vendor's scanner reads them.
TWords ScannedWords(std::uint8_t Vendor, const std::string& Text) {
    TSourceTokenList L(true);
    TokenizeString(Vendor, Text, L);
    TWords W;
    for (TSourceToken* T : L.Items())
        if (Kept(T)) W.emplace(T->GetText());
    return W;
}

// What the regenerated text has to hold: the script from the statement's
// first word to its last, then the comments and ";" that follow it.
TWords SourceWords(TCustomSqlStatement* S) {
    TSourceToken *First = nullptr, *Last = nullptr;
    for (TSourceToken* T : S->SourceTokens->Items())
        if (T->TokenCode != 0 && T->IsSignificant()) {
            if (!First) First = T;
            Last = T;
        }
    TWords W;
    const TSourceTokenList* L = First ? First->GetOwnerList() : nullptr;
    if (!L || L != Last->GetOwnerList()) return W;
    int32_t i = First->PosInList;
    for (; i <= Last->PosInList; ++i)
        if (Kept(L->TokenAt(i))) W.emplace(L->TokenAt(i)->GetText());
    for (; i < L->Count() && Trailing(L->TokenAt(i)); ++i)
        if (Kept(L->TokenAt(i))) W.emplace(L->TokenAt(i)->GetText());
    return W;
}

// "missing: a b; extra: c" for the words that differ.
std::string WordsDifference(const TWords& Want, const TWords& Got) {
    std::vector<std::string> Missing, Extra;
    std::set_difference(Want.begin(), Want.end(), Got.begin(), Got.end(), std::back_inserter(Missing));
    std::set_difference(Got.begin(), Got.end(), Want.begin(), Want.end(), std::back_inserter(Extra));
    auto Join = [](const std::vector<std::string>& V) {
        std::string R;
        for (size_t i = 0; i < V.size() && i < 6; ++i) R += " '" + V[i].substr(0, 30) + "'";
        return V.size() > 6 ? R + " ..." : R;
    };
    return "missing:" + Join(Missing) + "; extra:" + Join(Extra);
}

// A statement without error records of its own: SQL Server keeps the
// records of the statements it recovered from with the script, so its error
// statements, and the blocks that hold them, count too.
bool Clean(TCustomSqlStatement* S) { return S->GetErrorCount() == 0; }

std::string NodeText(TRkVisitedAbs* N) {
    if (!N) return "-";
    if (TSourceToken* T = N->AsToken()) return std::string(T->GetText());
    return N->AsNode() ? N->AsNode()->AsText() : "?";
}

std::string ConstraintsText(const TRkConstraintList* L) {
    std::string R;
    for (int i = 0; L && i < L->Count(); ++i)
        if (TRkConstraint* C = L->GetConstraint(i))
            R += " [" + std::to_string(C->ConstraintType) + " " + NodeText(C->ColumnList) + " " +
                 NodeText(C->RefClause) + "]";
    return R;
}

std::string TableText(TRkTable* T) {
    if (!T) return "none\n";
    std::string R = T->GetTableText() + ":";
    for (int k = 0; T->Columns && k < T->Columns->Count(); ++k)
        if (TRkField* F = T->Columns->GetField(k))
            R += " " + F->GetFieldNameText() + " " + NodeText(F->DataType) + ConstraintsText(F->Constraints.Existing());
    return R + " |" + ConstraintsText(T->Constraints.Existing()) + "\n";
}

// What a parse of S gives: its texts and its model.
std::string Outcome(TCustomSqlStatement* S) {
    std::string R = std::string(S->ClassName()) + " type " + std::to_string(S->StatementType) + " parsed " +
                    std::to_string(S->Parsed) + " errors " + std::to_string(S->GetErrorCount()) + "\n";
    R += "regenerated: " + S->GetTextByVisitor() + "\n";
    R += "formatted: " + S->GetPrettyText() + "\n";
    R += "sql text: " + S->GetSqlText() + "\n";
    R += "target " + TableText(S->TargetTable);
    for (int i = 0; S->Tables.Existing() && i < S->Tables->Count(); ++i) R += "table " + TableText(S->Tables->GetTable(i));
    for (int i = 0; S->Fields.Existing() && i < S->Fields->Count(); ++i)
        R += "field " + S->Fields->GetField(i)->GetFieldText() + "\n";
    return R + "substatements " + std::to_string(S->SubStatements.size()) + "\n";
}

bool Show() { return std::getenv("ORRERY_REGEN_SHOW") != nullptr; }

// Why S's regenerated text does not hold its source tokens once; "" when it
// does.
std::string RegenFault(std::uint8_t Vendor, TCustomSqlStatement* S) {
    const std::string Text = S->GetTextByVisitor();
    const TWords Want = SourceWords(S), Got = ScannedWords(Vendor, Text);
    if (Want == Got) return "";
    return WordsDifference(Want, Got) + (Show() ? "\n    regenerated: " + Text : "");
}

// Why parsing S again, three times, does not give what its first parse
// gave; "" when it does.
std::string ReparseFault(TCustomSqlStatement* S) {
    const std::string First = Outcome(S);
    for (int Again = 2; Again <= 4; ++Again) {
        S->Parse(false);
        const std::string Next = Outcome(S);
        if (Next != First)
            return "parse " + std::to_string(Again) + " differs" + (Show() ? "\nfirst:\n" + First + "then:\n" + Next : "");
    }
    return "";
}

// The SQL Server front end parses the script as a whole; its statements
// parse their own tokens on demand.
void FirstParse(std::uint8_t Vendor, TCustomSqlStatement* S) {
    if (!S->Parsed && Vendor == 0) S->Parse(false);
}

class CorpusRegen : public ::testing::TestWithParam<CorpusDialect> {
protected:
    // Runs Check(script name, statement index, statement) over every
    // statement of the dialect's scripts; at least one script must exist.
    template <class F>
    void EachStatement(F Check) {
        const CorpusDialect D = GetParam();
        ASSERT_TRUE(fetest::GrammarAvailable(D.Vendor)) << "dialect " << D.Name << " is missing";
        const auto Scripts = fetest::DialectScripts(D.Name);
        ASSERT_FALSE(Scripts.empty()) << "no script for " << D.Name;
        for (const auto& [Name, Path] : Scripts) {
            TMarlSqlParser P(D.Vendor);
            P.SetSqlTextString(fetest::ReadScript(Path));
            P.Parse();
            for (int i = 0; i < P.Statements().Count(); ++i)
                if (TCustomSqlStatement* S = P.Statements().GetStatement(i)) {
                    FirstParse(D.Vendor, S);
                    Check(Name + " #" + std::to_string(i) + " " + S->ClassName(), S);
                }
        }
    }
};

TEST_P(CorpusRegen, RegeneratedTextHoldsEachSourceTokenOnce) {
    const CorpusDialect D = GetParam();
    int Statements = 0, Checked = 0, FaultCount = 0;
    std::string Faults;
    EachStatement([&](const std::string& Where, TCustomSqlStatement* S) {
        ++Statements;
        if (!Clean(S)) return;
        ++Checked;
        if (const std::string F = RegenFault(D.Vendor, S); !F.empty()) {
            ++FaultCount;
            Faults += "  " + Where + ": " + F + "\n";
        }
    });
    std::cout << "[regenerated text] " << D.Name << ": " << Statements << " statements, " << Checked
              << " without error, " << FaultCount << " do not hold their tokens once\n";
    EXPECT_EQ(FaultCount, 0) << Faults;
}

TEST_P(CorpusRegen, ParsingAgainGivesTheSameTextsAndModel) {
    const CorpusDialect D = GetParam();
    int Statements = 0, FaultCount = 0;
    std::string Faults;
    EachStatement([&](const std::string& Where, TCustomSqlStatement* S) {
        ++Statements;
        if (const std::string F = ReparseFault(S); !F.empty()) {
            ++FaultCount;
            Faults += "  " + Where + ": " + F + "\n";
        }
    });
    std::cout << "[parse again] " << D.Name << ": " << Statements << " statements, " << FaultCount
              << " differ when parsed again\n";
    EXPECT_EQ(FaultCount, 0) << Faults;
}

INSTANTIATE_TEST_SUITE_P(Dialects, CorpusRegen, ::testing::ValuesIn(fetest::CorpusDialects),
                         [](const ::testing::TestParamInfo<CorpusDialect>& I) { return std::string(I.param.Name); });

// The statements the corpus has few of: each statement of each script holds
// its tokens once in its regenerated text (error statements and the blocks
// around them included) and parses again to the same texts and model.
struct TCase {
    std::uint8_t Vendor;
    const char* Script;
};

const TCase Cases[] = {
    {0, "SET NOCOUNT ON; -- quiet\nSELECT a FROM t\n"},
    {0, "DROP TABLE t; -- gone\nDROP INDEX t.i ;\n"},
    {0, "RAISERROR('x', 16, 1); /* raised */ -- twice\n"},
    {0, "BEGIN TRAN t1; -- open\nCOMMIT TRAN t1;\n"},
    {0, "again: -- label\nDBCC CHECKDB; -- check\nWAITFOR DELAY '00:00:01';\n"},
    {0, "REVOKE SELECT ON t FROM u; -- no\nTRUNCATE TABLE t; -- empty\n"},
    {0, "BEGIN\n  SET NOCOUNT ON; -- quiet\n  DROP TABLE t; -- gone\n  RAISERROR('x', 16, 1);\nEND\n"},
    {0, "IF 1 = 1\n  SET NOCOUNT ON; -- quiet\nELSE\n  DROP TABLE t; -- gone\n"},
    {0, "CREATE PROCEDURE p AS\nBEGIN\n  SET NOCOUNT ON; -- quiet\n  RAISERROR('x', 16, 1); -- r\nEND\nGO\n"},
    {0, "CREATE FUNCTION f (@a int) RETURNS int AS\nBEGIN\n  SET NOCOUNT ON; -- quiet\n  RETURN @a\nEND\nGO\n"},
    {0, "BEGIN\n  FOO BAR; -- broken\n  SET NOCOUNT ON; -- quiet\nEND\n"},
    {2, "SELECT a FROM t LIMIT 10; -- ten\nSELECT a FROM t LIMIT 5, 10;\n"},
    {3, "DROP TABLE t; -- gone\nCREATE INDEX i ON t (a); -- by a\nCREATE UNIQUE INDEX j ON t (a, b);\n"},
    // The DEFERRABLE state of an added constraint stands only in the grammar's list.
    {1, "alter table emp add check (a > 0) deferrable;\nalter table emp add check (a > 0) not deferrable;\n"},
    {4, "alter table emp add check (a > 0) deferrable;\n"},
};

TEST(RegeneratedText, StatementsTheCorpusHasFewOf) {
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Script);
        ASSERT_TRUE(fetest::GrammarAvailable(C.Vendor));
        TMarlSqlParser P(C.Vendor);
        P.SetSqlTextString(C.Script);
        P.Parse();
        ASSERT_GT(P.Statements().Count(), 0);
        for (int i = 0; i < P.Statements().Count(); ++i) {
            TCustomSqlStatement* S = P.Statements().GetStatement(i);
            FirstParse(C.Vendor, S);
            SCOPED_TRACE(S->ClassName());
            EXPECT_FALSE(S->GetTextByVisitor().empty());
            EXPECT_EQ(RegenFault(C.Vendor, S), "");
            EXPECT_EQ(ReparseFault(S), "");
        }
    }
}

}  // namespace

// Statements made alone from a text: parsed again they read the tokens made
// from that text, which live as long as the tree that reads them.
TEST(ParseAgain, StatementsGivenTheirText) {
    ASSERT_TRUE(fetest::GrammarAvailable(0));
    for (TSqlStatementType Type : {sstDropStmt, sstBeginTranStmt, sstRaiserrorStmt}) {
        auto S = CreateNodeOfClass<TMssqlDummyStmt>(0);
        S->StatementType = Type;
        S->SetSqlText(Type == sstDropStmt        ? "DROP TABLE t; -- gone"
                      : Type == sstBeginTranStmt ? "BEGIN TRAN t1 -- open"
                                                 : "RAISERROR('x', 16, 1)");
        ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
        const std::string First = Outcome(S.get());
        EXPECT_NE(S->GetTextByVisitor(), "");
        EXPECT_EQ(ReparseFault(S.get()), "");
        EXPECT_EQ(Outcome(S.get()), First);
    }
}

// A statement given a new text after a parse of its own text has no tree
// and no model left that read the tokens of the old text.
TEST(ParseAgain, ANewTextDropsTheModelOfTheOldOne) {
    ASSERT_TRUE(fetest::GrammarAvailable(1));
    std::unique_ptr<TCustomSqlStatement> S = NewCreateTableSqlStatement(1);
    S->SetSqlText("create table t (a int primary key)");
    ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
    ASSERT_NE(S->TargetTable, nullptr);
    EXPECT_EQ(S->TargetTable->GetTableText(), "t");
    S->SetSqlText("create table u (b int)");
    EXPECT_EQ(S->GetRootNode(), nullptr);
    ASSERT_NE(S->TargetTable, nullptr);  // the statement's own, emptied
    EXPECT_EQ(S->TargetTable->GetTableText(), "");
    EXPECT_EQ(S->TargetTable->Columns->Count(), 0);
    EXPECT_EQ(S->GetTextByVisitor(), "");
    ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
    ASSERT_NE(S->TargetTable, nullptr);
    EXPECT_EQ(S->TargetTable->GetTableText(), "u");
}
