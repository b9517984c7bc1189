// Formatted SQL Server text is SQL Server text again: every statement that
// parsed prints a text that parses into a statement of the same class whose
// pretty text is the same; over a hand-written script of every printed
// construct and over the shared corpus (when present).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "parse/mssql/mssqlsqlstatement.h"
#include "test_pp_fixture.h"

namespace {

constexpr std::uint8_t Mssql = 0;

// A statement that holds a statement the parser recovered from prints that
// one as its words: it cannot parse again.
bool HoldsErrorStatement(TCustomSqlStatement* S) {
    if (!S) return false;
    if (S->StatementType == sstErrorStmt) return true;
    auto Wrapped = [](_TMssqlStmt* W) { return W && HoldsErrorStatement(W->SqlStatement.get()); };
    if (auto* B = dynamic_cast<TMssqlBlock*>(S))
        for (TCustomSqlStatement* C : *B->Children)
            if (HoldsErrorStatement(C)) return true;
    if (auto* P = dynamic_cast<TMssqlCreateProcedure*>(S))
        for (TCustomSqlStatement* C : *P->BodyStatements)
            if (HoldsErrorStatement(C)) return true;
    if (auto* F = dynamic_cast<TMssqlCreateFunction*>(S))
        return HoldsErrorStatement(F->BodyKind == 1 ? static_cast<TCustomSqlStatement*>(F->BlockBody.get())
                                                    : F->ReturnBody.get());
    if (auto* I = dynamic_cast<TMssqlIfElse*>(S)) return Wrapped(I->ThenStmt) || Wrapped(I->ElseStmt);
    return false;
}

// Runs of blanks and line breaks as one blank: the lines of a block comment
// move right each time their comment is indented, which is no fault.
std::string Squeezed(const std::string& T) {
    std::string R;
    for (char C : T) {
        const bool White = C == ' ' || C == '\t' || C == '\r' || C == '\n';
        if (White && !R.empty() && R.back() == ' ') continue;
        R += White ? ' ' : C;
    }
    return R;
}

// Statements of Script whose pretty text does not survive a second parse,
// one line each ("" when all do); Checked counts the statements compared.
std::string RoundTrip(const std::string& Script, int& Checked) {
    std::string Faults;
    TMarlSqlParser P(Mssql);
    P.SetSqlTextString(Script);
    if (P.Parse() < 0) return {};
    for (TCustomSqlStatement* S : P.Statements()) {
        if (!S || !S->Parsed || HoldsErrorStatement(S)) continue;
        const std::string First = S->GetPrettyText();
        if (First.empty()) continue;
        ++Checked;
        TMarlSqlParser Q(Mssql);
        Q.SetSqlTextString(First);
        Q.Parse();
        TCustomSqlStatement* Again = Q.Statements().Count() == 1 ? Q.Statements().GetStatement(0) : nullptr;
        if (!Again || std::string(Again->ClassName()) != S->ClassName() || Q.ErrorCount() > 0) {
            Faults += std::string(S->ClassName()) + " does not parse again: " + First + "\n";
            continue;
        }
        const std::string Second = Again->GetPrettyText();
        if (Squeezed(Second) != Squeezed(First)) Faults += "changed: [" + First + "] -> [" + Second + "]\n";
    }
    return Faults;
}

class MssqlRoundTrip : public pptest::PrinterTest {};

TEST_F(MssqlRoundTrip, EveryPrintedConstructParsesAgainToTheSameText) {
    REQUIRE_DIALECT(Mssql);
    const char* Script =
        "use Sales\n"
        "go\n"
        "create procedure dbo.load_orders;1 (@id int, @name varchar(50) = 'x', @n int output)\n"
        "with recompile for replication as\n"
        "  set nocount on\n"
        "  declare @i int, @total money\n"
        "  declare c scroll cursor for select a, b from t where a > @id\n"
        "  open global c\n"
        "  fetch next from c into @i, @total\n"
        "  while @i < 10\n"
        "  begin\n"
        "    if @i = 5 print 'five' else set @total = @total + @i\n"
        "    exec @rc = dbo.log_step @msg = 'step', @value = @i output\n"
        "    exec ('select ' + @cols)\n"
        "    set @i = @i + 1\n"
        "    if @i > 8 break\n"
        "  end\n"
        "  close c\n"
        "  deallocate c\n"
        "  begin tran t1\n"
        "  commit tran t1\n"
        "  raiserror('done %d', 10, 1, @i)\n"
        "  return @total\n"
        "go\n"
        "create function dbo.f(@a int, @bb int = 2) returns int as begin return @a + @bb end\n"
        "go\n"
        "create function dbo.g() returns table return (select a from t)\n"
        "go\n"
        "declare @c cursor\n"
        "set @c = cursor scroll static for select a from t\n"
        "drop table t\n";
    int Checked = 0;
    EXPECT_EQ(RoundTrip(Script, Checked), "");
    EXPECT_GE(Checked, 8);
}

TEST_F(MssqlRoundTrip, CorpusScripts) {
    REQUIRE_DIALECT(Mssql);
    const char* Shared = std::getenv("ORRERY_SHARED_DIR");
    const std::filesystem::path Dir = Shared ? std::filesystem::path(Shared) / "corpus" / "mssql" : "";
    std::error_code Ec;
    if (Dir.empty() || !std::filesystem::is_directory(Dir, Ec)) GTEST_SKIP() << "no corpus at " << Dir;
    int Checked = 0;
    for (const auto& E : std::filesystem::directory_iterator(Dir)) {
        if (!E.is_regular_file() || E.path().extension() != ".sql") continue;
        std::ifstream In(E.path(), std::ios::binary);
        std::stringstream Text;
        Text << In.rdbuf();
        EXPECT_EQ(RoundTrip(Text.str(), Checked), "") << E.path();
    }
    EXPECT_GT(Checked, 50);
}

}  // namespace

namespace {

// Word soup of the constructs the printers lay out: whatever the parser
// makes of it, every statement prints (twice the same) without a crash.
TEST_F(MssqlRoundTrip, WordSoupPrintsWithoutFault) {
    REQUIRE_DIALECT(Mssql);
    static const char* const Words[] = {
        "begin", "end", "if", "else", "while", "exec", "execute", "declare", "cursor", "for", "set",
        "fetch", "next", "from", "global", "into", "@a", "@b", "=", ",", "(", ")", "'x'", "1", "-",
        "select", "t", "go", "create", "alter", "procedure", "proc", "function", "returns", "table",
        "as", "return", "print", "use", "open", "close", "deallocate", "raiserror", "commit", "rollback",
        "tran", "save", "break", "continue", "with", "recompile", "output", "varying", "int",
        "varchar(10)", ";", "lbl:", "nocount", "on", "+", "drop", "--c\n", "/*c*/", "\n"};
    const size_t N = sizeof(Words) / sizeof(Words[0]);
    std::uint32_t Seed = 12345;
    auto Next = [&Seed]() {
        Seed = Seed * 1103515245u + 12345u;
        return (Seed >> 16) & 0x7fff;
    };
    int Printed = 0;
    for (int script = 0; script < 300; ++script) {
        std::string Sql;
        const int Length = 5 + static_cast<int>(Next() % 40);
        for (int w = 0; w < Length; ++w) Sql += std::string(Words[Next() % N]) + " ";
        TMarlSqlParser P(Mssql);
        P.SetSqlTextString(Sql);
        P.Parse();
        for (TCustomSqlStatement* S : P.Statements()) {
            if (!S) continue;
            const std::string First = S->GetPrettyText();
            EXPECT_EQ(S->GetPrettyText(), First) << Sql;
            Printed += !First.empty();
        }
    }
    EXPECT_GT(Printed, 300);
}

}  // namespace
