// A broken PL/SQL statement or declaration whose syntax error is its own
// ";" (`x := ;`, `p(;`) loses only itself: the skip ends at that ";", so
// the unit keeps its tree with one record, its regenerated text keeps every
// token, and the statements after the unit are untouched.  First at each
// place of each compound, then as a property over whole units: the shared
// corpus's and a few written here, broken at every statement.  A broken
// embedded SQL statement loses no more: the SQL grammar's record is the
// unit's one record, and the unit's regenerated text keeps its words.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "statementstructure/ddlstatement.h"
#include "statementstructure/statement_fixture.h"
#include "test_plsql_support.h"

using namespace sstest;
using plsql_test::Crlf;

namespace {

// The words of the unit's skipped statements, "|" between two of them.
std::string Dummies(TPlsqlStatement* U) {
    DummyCollector V;
    U->Accept(&V);
    std::string R;
    for (const std::string& D : V.Found) R += (R.empty() ? "" : "|") + D;
    return R;
}

std::string WithoutBlanks(std::string_view S) {
    std::string R;
    for (char c : S)
        if (!std::isspace(static_cast<unsigned char>(c))) R += c;
    return R;
}

// What a statement gives the diagram and the error list.
std::string Summary(TCustomSqlStatement* S) {
    std::string R = std::string(S->ClassName()) + " errors " + std::to_string(S->GetErrorCount());
    if (auto* T = dynamic_cast<TCreateTableSqlStatement*>(S)) R += " table " + T->TargetTable->GetTableText();
    return R;
}

// A statement list: the other statements around "#", the broken one.
using TFill = std::vector<const char*>;

// Shape with the line "@" replaced by the lines of Fill, "#" by Broken;
// Line := the 1-based line of the broken statement.
std::string Place(const std::string& Shape, const TFill& Fill, const std::string& Broken, int& Line) {
    const size_t At = Shape.find("@\n");
    Line = static_cast<int>(std::count(Shape.begin(), Shape.begin() + static_cast<long>(At), '\n')) + 1;
    std::string Body;
    for (size_t i = 0; i < Fill.size(); ++i) {
        const bool Here = std::string_view(Fill[i]) == "#";
        if (Here) Line += static_cast<int>(i);
        Body += "    " + (Here ? Broken : std::string(Fill[i])) + "\n";
    }
    return Shape.substr(0, At) + Body + Shape.substr(At + 2);
}

// A broken statement and the words of its skip.
struct TBroken {
    const char* Text;
    const char* Words;
};

// Unit (followed by "/" and a table) with Broken at each place of Fills:
// only the broken statement is lost.
void ExpectOnlyTheBrokenOneLost(const std::string& Shape, const TBroken& Broken, const std::vector<TFill>& Fills) {
    for (const TFill& Fill : Fills) {
        int Line = 0;
        const std::string Unit = Place(Shape, Fill, Broken.Text, Line);
        SCOPED_TRACE(Unit);
        Script Sc(Unit + "/\ncreate table after_unit (a number);\n");
        ASSERT_EQ(Sc.Count(), 3);
        auto* U = Sc.At<TPlsqlStatement>(0);
        ASSERT_NE(U, nullptr);
        EXPECT_NE(U->GetRootNode(), nullptr);
        EXPECT_TRUE(U->Parsed);
        ASSERT_EQ(U->GetErrorCount(), 1) << U->ErrorMessages();
        EXPECT_EQ(U->SyntaxErrors.Get(1).TokenText, ";");
        EXPECT_EQ(U->SyntaxErrors.Get(1).Line, Line);
        EXPECT_EQ(Dummies(U), Broken.Words);
        EXPECT_EQ(U->GetTextByVisitor(), Crlf(Unit));
        EXPECT_EQ(Summary(Sc.At(2)), "TCreateTableSqlStatement errors 0 table after_unit");
    }
}

}  // namespace

// Each compound's statement list, with the broken statement alone (so right
// before END), first, last and in the middle.
TEST(PlsqlSemicolonRecovery, BrokenStatementAtEachPlaceOfEachCompound) {
    const char* Shapes[] = {
        "begin\n@\nend;\n",
        "declare\n  v number;\nbegin\n@\nend;\n",
        "begin\n  if a then\n@\n  end if;\nend;\n",
        "begin\n  if a then\n    null;\n  elsif b then\n@\n  end if;\nend;\n",
        "begin\n  if a then\n    null;\n  else\n@\n  end if;\nend;\n",
        "begin\n  loop\n@\n  end loop;\nend;\n",
        "begin\n  while a < 1 loop\n@\n  end loop;\nend;\n",
        "begin\n  for i in 1 .. 3 loop\n@\n  end loop;\nend;\n",
        "begin\n  case a\n  when 1 then\n@\n  end case;\nend;\n",
        "begin\n  null;\n  begin\n@\n  end;\nend;\n",
        "begin\n  <<inner>>\n  declare\n    v number;\n  begin\n@\n  end inner;\nend;\n",
        "begin\n  null;\nexception\n  when no_data_found then\n@\n  when others then\n    null;\nend;\n",
        "begin\n  null;\nexception\n  when others then\n@\nend;\n",
        "create or replace procedure p(a number) is\n  v number;\nbegin\n@\nend p;\n",
        "create function f return number is\nbegin\n@\n  return 1;\nend;\n",
        "create or replace package body k is\n  procedure p is\n  begin\n@\n  end p;\nend k;\n",
        "create or replace trigger tr before insert on t for each row\nbegin\n@\nend;\n",
    };
    const TBroken Broken[] = {
        {"x := ;", "x := ;"},          {"p(;", "p ( ;"},
        {"x := a +;", "x := a + ;"},   {"f(a, ;", "f ( a , ;"},
        {"x(1) := ;", "x ( 1 ) := ;"}, {"r.f := -;", "r . f := - ;"},
    };
    const std::vector<TFill> Fills = {{"#"}, {"#", "y := 1;"}, {"y := 1;", "#"}, {"y := 1;", "#", "z := 2;"}};
    for (const char* Shape : Shapes)
        for (const TBroken& B : Broken) ExpectOnlyTheBrokenOneLost(Shape, B, Fills);
    // EXIT, in a loop.
    ExpectOnlyTheBrokenOneLost("begin\n  loop\n@\n  end loop;\nend;\n", {"exit when ;", "exit when ;"}, Fills);
}

// Declarations take the same way out: a broken one is skipped through its
// own ";" and the next declaration, BEGIN and the body are kept.  (The
// items of a package have no such recovery: a broken one fails the unit.)
TEST(PlsqlSemicolonRecovery, BrokenDeclarationEndsAtItsOwnSemicolon) {
    const char* Shapes[] = {
        "declare\n@\nbegin\n  null;\nend;\n",
        "create procedure p is\n@\nbegin\n  null;\nend;\n",
        "begin\n  declare\n@\n  begin\n    null;\n  end;\nend;\n",
    };
    const TBroken Broken[] = {
        {"v number := ;", "v number := ;"},
        {"v number(;", "v number ( ;"},
        {"v constant number := 1 +;", "v constant number := 1 + ;"},
    };
    const std::vector<TFill> Fills = {{"#"}, {"#", "w number;"}, {"w number;", "#"}, {"w number;", "#", "u date;"}};
    for (const char* Shape : Shapes)
        for (const TBroken& B : Broken) ExpectOnlyTheBrokenOneLost(Shape, B, Fills);
}

namespace {

// Unit (followed by "/" and a table) with the broken embedded statement at
// each place of Fills: the unit keeps its tree, one record on that line
// and every token of its text.
void ExpectEmbeddedWordsKept(const std::string& Shape, const char* Broken, const std::vector<TFill>& Fills) {
    for (const TFill& Fill : Fills) {
        int Line = 0;
        const std::string Unit = Place(Shape, Fill, Broken, Line);
        SCOPED_TRACE(Unit);
        Script Sc(Unit + "/\ncreate table after_unit (a number);\n");
        ASSERT_EQ(Sc.Count(), 3);
        auto* U = Sc.At<TPlsqlStatement>(0);
        ASSERT_NE(U, nullptr);
        EXPECT_NE(U->GetRootNode(), nullptr);
        EXPECT_TRUE(U->Parsed);
        ASSERT_EQ(U->GetErrorCount(), 1) << U->ErrorMessages();
        EXPECT_EQ(U->SyntaxErrors.Get(1).Line, Line);
        EXPECT_EQ(U->GetTextByVisitor(), Crlf(Unit));
        EXPECT_EQ(Summary(Sc.At(2)), "TCreateTableSqlStatement errors 0 table after_unit");
    }
}

}  // namespace

// Each kind of embedded SQL statement with a syntax error of the SQL
// grammar's own, in bodies, loops, branches and handlers.
TEST(PlsqlSemicolonRecovery, BrokenEmbeddedSqlKeepsItsWordsInTheUnitText) {
    const char* Shapes[] = {
        "begin\n@\nend;\n",
        "begin\n  loop\n@\n  end loop;\nend;\n",
        "begin\n  if a then\n    null;\n  else\n@\n  end if;\nend;\n",
        "begin\n  null;\nexception\n  when others then\n@\nend;\n",
        "create or replace procedure p(a number) is\n  v number;\nbegin\n@\nend p;\n",
    };
    const char* Broken[] = {
        "select a into b from;",
        "insert into t values (1,;",
        "insert into t (a, b) select;",
        "update t set = 1 where a = 2;",
        "delete from;",
        "open c for select a from;",
        "for r in (select a from where) loop null; end loop;",
        "rollback to;",
        "savepoint;",
        "merge into t using s on (1 = 1) when;",
        "execute immediate 'x' into;",
        // Recovery leaves these a tree: the records are the unit's all the
        // same, and the words the tree lacks are walked.
        "delete from t where;",
        "update t set a = 1 where a =;",
        "select a into b from t where a >;",
        "for r in (select a from t where a = () loop null; end loop;",
    };
    const std::vector<TFill> Fills = {{"#"}, {"y := 1;", "#", "z := 2;"}};
    for (const char* Shape : Shapes)
        for (const char* B : Broken) ExpectEmbeddedWordsKept(Shape, B, Fills);
    // A cursor's query, among the declarations.
    ExpectEmbeddedWordsKept("declare\n@\nbegin\n  null;\nend;\n", "cursor c is select a from where;",
                            {{"#"}, {"w number;", "#", "u date;"}});
}

namespace {

// Units written the way scripts hold them, between tables.
const char* const kUnitScript = R"(create table dept (deptno number primary key, dname varchar2(30));
create or replace package body payroll is
  procedure raise_all(p_dept number) is
    v_count pls_integer := 0;
    cursor c is select empno, sal from emp where deptno = p_dept;
  begin
    for r in c loop
      if r.sal < 1000 then
        v_count := v_count + 1;
      elsif r.sal > 5000 then
        log_msg('high', r.empno);
      else
        null;
      end if;
    end loop;
    dbms_output.put_line('raised ' || v_count);
    update emp set sal = sal * 1.1 where deptno = p_dept;
    insert into audit_log (id, empno) values (v_count, p_dept);
    savepoint raised;
    commit;
  exception
    when no_data_found then
      v_count := 0;
    when others then
      rollback to raised;
      log_msg(sqlerrm, 0);
      raise;
  end raise_all;
  function total(p_dept number) return number is
    v_total number;
  begin
    v_total := 0;
    select count(*) into v_total from emp where deptno = p_dept;
    delete from audit_log where empno in (select empno from emp where deptno = p_dept);
    while v_total < 10 loop
      v_total := v_total + f(p_dept);
      exit when v_total > 5;
    end loop;
    return v_total;
  end total;
end payroll;
/
create table emp (empno number primary key, deptno number references dept, sal number);
declare
  v_name varchar2(30);
  v_n number := 0;
  v_cur sys_refcursor;
begin
  open v_cur for select dname from dept where deptno > v_n;
  execute immediate 'truncate table audit_log';
  for r in (select empno from emp where sal > 0) loop
    put(r.empno);
  end loop;
  <<outer>>
  loop
    v_n := v_n + 1;
    begin
      put(v_name);
    exception
      when others then
        v_name := null;
    end;
    exit outer when v_n >= 10;
  end loop outer;
  case v_n
    when 1 then put('one');
    else put('many');
  end case;
end;
/
create table audit_log (id number primary key, empno number references emp);
)";

// Words that end a compound's header: a statement starts after them.
bool EndsHeader(std::string_view W) {
    for (const char* H : {"begin", "then", "else", "loop", "declare", "is", "as", "exception", ">>"})
        if (SameWord(W, H)) return true;
    return false;
}

// Words that start an SQL statement the unit hands to the SQL grammar.
bool StartsEmbeddedSql(std::string_view W) {
    for (const char* H : {"select", "insert", "update", "delete", "merge", "commit", "rollback", "savepoint",
                          "lock", "set"})
        if (SameWord(W, H)) return true;
    return false;
}

// The tokens [From, To) of a unit's significant tokens, left out.
struct TCut {
    size_t From, To;
};

// How a user could have broken the statement that ends with the ";" at I of
// a unit's tokens: without the token before the ";" (not in an END), and an
// embedded SQL statement also cut short after its first word and halfway.
std::vector<TCut> WaysToBreak(const std::vector<TSourceToken*>& Toks, size_t I) {
    if (I < 2 || Toks[I - 1]->TokenType == ttSemicolon) return {};
    for (size_t k = 1; k <= 3 && k <= I; ++k)   // END, END IF, END LOOP label
        if (SameWord(Toks[I - k]->GetText(), "end")) return {};
    size_t First = I - 1;
    while (First > 0 && Toks[First - 1]->TokenType != ttSemicolon && !EndsHeader(Toks[First - 1]->GetText()))
        --First;
    std::vector<size_t> Froms = {I - 1};
    if (StartsEmbeddedSql(Toks[First]->GetText())) Froms = {I - 1, First + 1, First + (I - First) / 2};
    std::vector<TCut> R;
    for (size_t From : Froms)
        if (From > First && (R.empty() || R.back().From != From)) R.push_back({From, I});
    return R;
}

// The script's tokens as text, without those of Cut.
std::string WithoutCut(const std::vector<TSourceToken*>& All, const std::vector<TSourceToken*>& Toks, TCut Cut) {
    std::string Text;
    bool Out = false;
    for (TSourceToken* t : All) {
        if (t == Toks[Cut.From]) Out = true;
        if (t == Toks[Cut.To]) Out = false;
        if (!Out) Text += t->GetText();
    }
    return Text;
}

// The script broken in its statement u: only that unit may change, it keeps
// its tree and at most one record, and its regenerated text every token.
void ExpectOnlyUnitBroken(const std::string& Text, int u, const std::vector<std::string>& Before) {
    Script Sc(Text);
    ASSERT_EQ(Sc.Count(), static_cast<int>(Before.size()));
    for (int k = 0; k < Sc.Count(); ++k) {
        if (k == u) continue;
        EXPECT_EQ(Summary(Sc.At(k)), Before[static_cast<size_t>(k)]) << "statement " << k;
    }
    auto* B = Sc.At<TPlsqlStatement>(u);
    ASSERT_NE(B, nullptr);
    EXPECT_NE(B->GetRootNode(), nullptr);
    // Some words can go without breaking the statement (RAISE, RETURN).
    EXPECT_LE(B->GetErrorCount(), 1) << B->ErrorMessages();
    EXPECT_EQ(WithoutBlanks(B->GetTextByVisitor()), WithoutBlanks(B->GetRawSqlText()));
}

// Breaks each statement of each parsed unit of Sql in turn, each way
// WaysToBreak gives, and checks the script; Count counts the breaks.
void BreakEveryStatement(const std::string& Sql, const std::string& Name, int& Count) {
    // The script as its tokens give it back: the text the breaks are made in.
    TMarlSqlParser Source(VendorOracle);
    Source.SetSqlTextString(Sql);
    Source.Parse();
    std::vector<TSourceToken*> All(Source.Tokens().Items().begin(), Source.Tokens().Items().end());
    std::vector<std::string> Before;
    for (TCustomSqlStatement* S : Source.Statements()) Before.push_back(Summary(S));
    for (int u = 0; u < Source.Statements().Count(); ++u) {
        auto* U = dynamic_cast<TPlsqlStatement*>(Source.Statements().GetStatement(u));
        if (!U || !U->Parsed || U->GetErrorCount() != 0) continue;
        std::vector<TSourceToken*> Toks;
        for (TSourceToken* t : U->SourceTokens->Items())
            if (t->IsSignificant() && !t->GetText().empty()) Toks.push_back(t);
        for (size_t i = 0; i < Toks.size(); ++i) {
            if (Toks[i]->TokenType != ttSemicolon) continue;
            for (const TCut& Cut : WaysToBreak(Toks, i)) {
                const TSourceToken* From = Toks[Cut.From];
                SCOPED_TRACE(Name + ": without " + std::to_string(Cut.To - Cut.From) + " word(s) from \"" +
                             std::string(From->GetText()) + "\" at line " + std::to_string(From->Line));
                ++Count;
                ExpectOnlyUnitBroken(WithoutCut(All, Toks, Cut), u, Before);
            }
        }
    }
}

std::string ReadFile(const std::filesystem::path& P) {
    std::ifstream In(P, std::ios::binary);
    std::stringstream Ss;
    Ss << In.rdbuf();
    return Ss.str();
}

}  // namespace

TEST(PlsqlSemicolonRecovery, EveryStatementOfWrittenUnitsBrokenInTurn) {
    int Breaks = 0;
    BreakEveryStatement(kUnitScript, "written units", Breaks);
    EXPECT_EQ(Breaks, 42);
}

// The Oracle samples and the shared corpus (skipped without it).
TEST(PlsqlSemicolonRecovery, EveryStatementOfSampleAndCorpusUnitsBrokenInTurn) {
    std::vector<std::filesystem::path> Files;
    if (const char* Src = std::getenv("ORRERY_SOURCE_DIR"))
        Files.push_back(std::filesystem::path(Src) / "samples" / "oracle_hr.sql");
    const char* Shared = std::getenv("ORRERY_SHARED_DIR");
    std::error_code Ec;
    const std::filesystem::path Dir =
        Shared ? std::filesystem::path(Shared) / "corpus" / "oracle" : std::filesystem::path();
    if (!Dir.empty() && std::filesystem::is_directory(Dir, Ec))
        for (const auto& E : std::filesystem::directory_iterator(Dir)) Files.push_back(E.path());
    int Breaks = 0;
    for (const auto& F : Files)
        if (std::filesystem::is_regular_file(F, Ec)) BreakEveryStatement(ReadFile(F), F.filename().string(), Breaks);
    if (Files.size() < 2) GTEST_SKIP() << "no corpus";
    EXPECT_GT(Breaks, 0);
}
