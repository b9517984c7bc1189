// PL/SQL units end to end through the Oracle front end: blocks, procedures,
// functions, packages and triggers parse into their element trees, every
// embedded SQL statement parses with the Oracle grammar, the analysis fills
// the statement sections, and a walk of each unit meets exactly the unit's
// own significant tokens in source order.  (The tree shapes the grammar
// builds are pinned by the PL/SQL grammar tests.)
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "statement_fixture.h"

using namespace sstest;

namespace {

// The outermost statement section of a unit (a trigger's is its body's).
TrkPlsql_ProcSect* MainSection(TRk_Node* Root) {
    if (auto* B = dynamic_cast<TRk_Plsql*>(Root)) return B->Section.get();
    if (auto* P = dynamic_cast<TRkPlsql_ProcedureDecl*>(Root)) return P->Section.get();
    if (auto* K = dynamic_cast<TRkPlsql_Package*>(Root)) return K->Section.get();
    if (auto* T = dynamic_cast<TRkPlsql_Trigger*>(Root); T && T->Body) return T->Body->Section.get();
    return nullptr;
}

std::vector<int> Kinds(TrkPlsql_ProcSect* S) {
    std::vector<int> R;
    for (int i = 0; S && S->Items && i < S->Items->Count(); ++i) R.push_back(S->Items->Items(i)->NodeKind);
    return R;
}

}  // namespace

TEST(PlsqlUnits, WholeUnits) {
    const struct {
        const char* Sql;
        TSqlStatementType Type;
        std::uint8_t Root;
        std::vector<int> Section;        // node kinds of the outermost section
        std::vector<std::string> Subs;   // classes of the embedded statements
        std::function<void(TPlsqlStatement*)> Check;
    } Cases[] = {
        {"declare v_name emp.ename%type; v_row emp%rowtype; v_total number(10, 2) := 0;\n"
         "cursor c_dept(p_deptno number) is select * from emp where deptno = p_deptno; begin\n"
         "select ename into v_name from emp where empno = 7839;\n"
         "for r in (select empno, sal from emp) loop v_total := v_total + r.sal; end loop; <<inner>>\n"
         "declare x number; begin loop exit inner when v_total > 100; goto done; end loop; end inner;\n"
         "<<done>> null; exception when no_data_found then v_total := -1; when others then raise; end;\n/\n",
         sstplsql_block, nkPlsqlBlock, {nkPlsqlSqlStmt, nkPlsqlLoopStmt, nkPlsqlBlock, nkPlsqlNullStmt},
         {"TSelectSqlStatement", "TSelectSqlStatement", "TSelectSqlStatement"},
         [](TPlsqlStatement* S) {
             auto* B = static_cast<TRk_Plsql*>(S->GetRootNode());
             EXPECT_EQ(B->DeclSection->Items->Count(), 4);
             EXPECT_EQ(B->DeclSection->Items->Items(3)->NodeKind, nkPlsqlCursorDecl);
             auto* Inner = dynamic_cast<TRk_Plsql*>(B->Section->Items->Items(2));
             ASSERT_NE(Inner, nullptr);
             EXPECT_EQ(Inner->DeclSection->GetName(), "<<inner>>");
             EXPECT_EQ(Kinds(Inner->Section.get()), (std::vector<int>{nkPlsqlLoopStmt}));
         }},
        {"create or replace procedure raise_sal( p_deptno in emp.deptno%type, p_pct in out number,\n"
         "p_count out pls_integer, p_note varchar2 default 'none') is\n"
         "cursor c(d number) is select empno, sal from emp where deptno = d for update;\n"
         "v_empno emp.empno%type; v_sal emp.sal%type; begin p_count := 0; open c(p_deptno); loop\n"
         "fetch c into v_empno, v_sal; exit when c%notfound;\n"
         "update emp set sal = v_sal * (1 + p_pct / 100) where current of c; p_count := p_count + 1;\n"
         "end loop; close c; commit; exception when others then rollback;\n"
         "raise_application_error(-20001, 'failed: ' || sqlerrm); end raise_sal;\n/\n",
         sstplsql_createprocedure, nkPlsqlProcedureDecl,
         {nkPlsqlAssignStmt, nkPlsqlOpenStmt, nkPlsqlLoopStmt, nkPlsqlCloseStmt, nkPlsqlSqlStmt},
         {"TSelectSqlStatement", "TUpdateSqlStatement", "TCommitSqlStatement", "TRollbackSqlStatement"},
         [](TPlsqlStatement* S) {
             auto* Loop = static_cast<TRkPlsql_LoopStmt*>(MainSection(S->GetRootNode())->Items->Items(2));
             EXPECT_EQ(Kinds(Loop->Section.get()),
                       (std::vector<int>{nkPlsqlFetchStmt, nkPlsqlExitStmt, nkPlsqlSqlStmt, nkPlsqlAssignStmt}));
         }},
        {"create function f(x number) return number deterministic is\nbegin\n"
         "  return x * 2 + extract(year from sysdate - 1);\nend;\n/\n",
         sstplsql_createfunction, nkPlsqlProcedureDecl, {nkPlsqlReturnStmt}, {}, nullptr},
        {"create or replace package emp_pkg as\n"
         "type emp_rec is record (id number(6), name varchar2(30) not null := 'x');\n"
         "type id_tab is table of number index by binary_integer;\n"
         "type name_arr is varray(10) of varchar2(30); type emp_cur is ref cursor return emp%rowtype;\n"
         "max_sal constant number := 10000; bad_sal exception; pragma exception_init(bad_sal, -20002);\n"
         "pragma restrict_references(default, wnds); cursor c_all return emp%rowtype;\n"
         "procedure hire(p_name varchar2, p_sal number := 0); function count_emps return number;\n"
         "end emp_pkg;\n/\n",
         sstplsql_createpackage, nkPlsqlPackage, {}, {}, nullptr},
        {"create or replace package body emp_pkg is g_count number;\n"
         "cursor c_all return emp%rowtype is select * from emp; function count_emps return number is\n"
         "n number; begin select count(*) into n from emp; return n; end count_emps;\n"
         "procedure hire(p_name varchar2, p_sal number := 0) is begin\n"
         "insert into emp (ename, sal) values (p_name, p_sal); end; begin g_count := count_emps;\n"
         "end emp_pkg;\n/\n",
         sstplsql_createpackage, nkPlsqlPackage, {nkPlsqlAssignStmt},
         {"TSelectSqlStatement", "TSelectSqlStatement", "TInsertSqlStatement"}, nullptr},
        {"create or replace trigger emp_biu before insert or update of sal, comm on emp for each row\n"
         "when (new.sal > 0) declare v number; begin if inserting then :new.created := sysdate;\n"
         "elsif updating then :new.changed := sysdate; else null; end if; end;\n/\n",
         sstplsql_createtrigger, nkPlsqlTrigger, {nkPlsqlIfStmt}, {}, nullptr},
        {"create trigger logon_audit after logon on database\nbegin\n  insert into audit_log values (user,\n"
         "sysdate);\nend;\n/\n",
         sstplsql_createtrigger, nkPlsqlTrigger, {nkPlsqlSqlStmt}, {"TInsertSqlStatement"}, nullptr},
        {"begin savepoint a; set transaction read only; lock table t in row share mode; end;\n/\n", sstplsql_block,
         nkPlsqlBlock, {nkPlsqlSqlStmt, nkPlsqlSqlStmt, nkPlsqlSqlStmt},
         {"TSavepointSqlStatement", "TSetTranscationSqlStatement", "TLockTableSqlStatement"}, nullptr},
        // A CALL body is not parsed.
        {"create trigger t_call before delete on emp call log_delete\n/\n", sstplsql_createtrigger, nkPlsqlTrigger,
         {}, {"TOracleCallSqlStatement"},
         [](TPlsqlStatement* S) {
             auto* T = static_cast<TRkPlsql_Trigger*>(S->GetRootNode());
             ASSERT_NE(T->CallStatement, nullptr);
             EXPECT_EQ(T->Body, nullptr);
             EXPECT_FALSE(T->CallStatement->Parsed);
         }},
        {"declare type ids is table of number index by binary_integer; v_ids ids; v_name varchar2(30);\n"
         "v_out number; begin\n"
         "execute immediate 'select name from t where id = :1' into v_name using in out v_out;\n"
         "execute immediate 'delete from t where id = :1' using v_out returning into v_name;\n"
         "forall i in 1 .. 10 delete from t where id = v_ids(i); case v_out\n"
         "when 1 then v_name := 'one'; when 2 then v_name := 'two' || v_name;\n"
         "else v_name := lower(p => v_name); end case; v_out := case when v_out > 1 then 1 else 0 end;\n"
         "end;\n/\n",
         sstplsql_block, nkPlsqlBlock,
         {nkPlsqlExecImmeStmt, nkPlsqlExecImmeStmt, nkPlsqlForallStmt, nkPlsqlCaseStmt, nkPlsqlAssignStmt},
         {"TDeleteSqlStatement"}, nullptr},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Sql);
        Script Sc(C.Sql);
        TPlsqlStatement* S = Sc.Unit();
        ExpectWhole(S, C.Root);
        if (!S || !S->Parsed || !S->GetRootNode()) continue;
        EXPECT_EQ(S->StatementType, C.Type);
        // The regenerated text is the unit's text (the "/" line is not part of it).
        std::string Text;
        for (const char* c = C.Sql; *c && std::string_view(c) != "/\n"; ++c)
            Text += *c == '\n' ? "\r\n" : std::string(1, *c);
        EXPECT_EQ(S->GetTextByVisitor(), Text);
        EXPECT_EQ(Kinds(MainSection(S->GetRootNode())), C.Section);
        std::vector<std::string> Subs;
        for (auto& Sub : S->SubStatements) Subs.push_back(Sub->ClassName());
        EXPECT_EQ(Subs, C.Subs);
        if (C.Check) C.Check(S);
    }
}

// A broken statement inside a loop: one record, the skipped tokens in a
// dummy statement, the rest of the unit intact.
TEST(PlsqlUnits, RecoveryKeepsTheRestOfTheUnit) {
    Script Sc("begin\n  loop\n    x := 1;\n    merge into t using s on (1 = 1);\n    y := 2;\n  end loop;\nend;\n/\n");
    TPlsqlStatement* S = Sc.Unit();
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->GetErrorCount(), 1) << S->ErrorMessages();
    ASSERT_NE(S->GetRootNode(), nullptr);
    EXPECT_TRUE(S->Parsed);
    auto* B = static_cast<TRk_Plsql*>(S->GetRootNode());
    auto* Loop = dynamic_cast<TRkPlsql_LoopStmt*>(B->Section->Items->Items(0));
    ASSERT_NE(Loop, nullptr);
    ASSERT_EQ(Loop->Section->Items->Count(), 3);
    auto* D = dynamic_cast<TRkPlsql_DummyStmt*>(Loop->Section->Items->Items(1));
    ASSERT_NE(D, nullptr);
    std::string Skipped;
    for (TSourceToken* t : D->SkippedTokens->Items())
        if (t->IsSignificant()) Skipped += std::string(t->GetText()) + " ";
    EXPECT_EQ(Skipped, "merge into t using s on ( 1 = 1 ) ; ");
    EXPECT_EQ(Loop->Section->Items->Items(2)->NodeKind, nkPlsqlAssignStmt);
}

// A broken first statement of any compound is skipped on its own: the
// compound's header stays with the compound, and the unit's regenerated text
// keeps every word, the skipped ones too.
TEST(PlsqlUnits, BrokenFirstStatementOfEachCompoundStartsAfterItsHeader) {
    const struct { const char* Sql; const char* Dummy; } Cases[] = {
        {"begin\n  x := );\n  y := 1;\nend;\n", "x := ) ;"},
        {"begin\n  loop\n    x := );\n    y := 1;\n  end loop;\nend;\n", "x := ) ;"},
        {"begin\n  while a < 1 loop\n    x := );\n  end loop;\nend;\n", "x := ) ;"},
        {"begin\n  for i in 1 .. 3 loop\n    x := );\n  end loop;\nend;\n", "x := ) ;"},
        {"begin\n  if a then\n    x := );\n    y := 1;\n  end if;\nend;\n", "x := ) ;"},
        {"begin\n  if a then\n    y := 1;\n  elsif b then\n    x := );\n  end if;\nend;\n", "x := ) ;"},
        {"begin\n  if a then\n    y := 1;\n  else\n    x := );\n  end if;\nend;\n", "x := ) ;"},
        {"begin\n  case a when 1 then\n    x := );\n  end case;\nend;\n", "x := ) ;"},
        {"begin\n  y := 1;\n  <<inner>>\n  begin\n    x := );\n  end;\nend;\n", "x := ) ;"},
        {"begin\n  y := 1;\nexception\n  when others then\n    x := );\n    y := 2;\nend;\n", "x := ) ;"},
        {"begin\n  y := 1;\nexception\n  when no_data_found then\n    x := );\nend;\n", "x := ) ;"},
        {"declare\n  y index by pls_integer;\n  z number;\nbegin\n  null;\nend;\n", "y index by pls_integer ;"},
        {"create procedure p is\n  y index by pls_integer;\nbegin\n  x := );\nend;\n",
         "y index by pls_integer ;|x := ) ;"},
        // A compound completed before the error goes into the skip whole.
        {"begin\n  y := 1;\n  if a then\n    y := 2;\n  end if z;\nend;\n", "if a then y := 2 ; end if z ;"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Sql);
        Script Sc(std::string(C.Sql) + "/\n");
        TPlsqlStatement* S = Sc.Unit();
        ASSERT_NE(S, nullptr);
        EXPECT_TRUE(S->Parsed);
        ASSERT_NE(S->GetRootNode(), nullptr);
        DummyCollector V;
        S->Accept(&V);
        std::string Dummies;
        for (const std::string& D : V.Found) Dummies += (Dummies.empty() ? "" : "|") + D;
        EXPECT_EQ(Dummies, C.Dummy);
        std::string Text;
        for (const char* c = C.Sql; *c; ++c) Text += *c == '\n' ? "\r\n" : std::string(1, *c);
        EXPECT_EQ(S->GetTextByVisitor(), Text);
    }
}

TEST(PlsqlUnits, SyntaxErrorInsideAnEmbeddedUpdateIsCopied) {
    Script Sc("begin\n  update emp set = 1 where x = 2;\n  y := 3;\nend;\n/\n");
    TPlsqlStatement* S = Sc.Unit();
    ASSERT_NE(S, nullptr);
    ASSERT_NE(S->GetRootNode(), nullptr);
    EXPECT_TRUE(S->Parsed);
    ASSERT_EQ(S->SubStatements.size(), 1u);
    EXPECT_FALSE(S->SubStatements[0]->Parsed);
    ASSERT_GE(S->GetErrorCount(), 1);
    EXPECT_EQ(S->SyntaxErrors.Get(1).TokenText, "=");
    EXPECT_EQ(S->SyntaxErrors.Get(1).Line, 2);
    // A statement object that failed to parse has no clauses to walk: its
    // words are walked, so the regenerated unit keeps them.
    EXPECT_EQ(Walk(S), "begin update emp set = 1 where x = 2 ; y := 3 ; end ;");
    EXPECT_EQ(S->GetTextByVisitor(), "begin\r\n  update emp set = 1 where x = 2;\r\n  y := 3;\r\nend;\r\n");
    // The front end counts the copied record too.
    EXPECT_GE(Sc.P.ErrorCount(), 1);
}

TEST(PlsqlUnits, CreateTypeUnitsStayUnparsed) {
    Script Sc("create or replace type addr as object (street varchar2(40), city varchar2(30));\n/\n");
    TPlsqlStatement* S = Sc.Unit();
    ASSERT_NE(S, nullptr);
    EXPECT_EQ(S->StatementType, sstplsql_createtype);
    EXPECT_EQ(S->GetErrorCount(), 0) << S->ErrorMessages();
    EXPECT_EQ(S->GetRootNode(), nullptr);
    EXPECT_FALSE(S->Parsed);
    EXPECT_EQ(S->GetText(), "Desc sql text in pl/sql(type)  is not implemented yet!");
    EXPECT_EQ(S->GetTextByVisitor(), "");
}

// Tables around PL/SQL units are still found, each unit ended by its "/".
TEST(PlsqlUnits, ScriptMixingTablesAndUnits) {
    Script Sc(R"(create table dept (deptno number primary key, dname varchar2(30));
create sequence emp_seq;
create table emp (empno number primary key, deptno number references dept);
create or replace trigger emp_bi before insert on emp for each row
begin
  select emp_seq.nextval into :new.empno from dual;
end;
/
create or replace package p is procedure x; end p;
/
create index emp_dept_idx on emp (deptno);
alter table emp add constraint emp_dept_fk foreign key (deptno) references dept (deptno);
)");
    // Each statement's type, negative when it did not parse.
    std::vector<int> Types;
    for (int i = 0; i < Sc.Count(); ++i)
        Types.push_back(Sc.At(i)->Parsed ? Sc.At(i)->StatementType : -Sc.At(i)->StatementType);
    EXPECT_EQ(Types, (std::vector<int>{sstCreateTable, sstUnknown, sstCreateTable, sstplsql_createtrigger,
                                       sstSqlplusCmd, sstplsql_createpackage, sstSqlplusCmd, sstCreateIndex,
                                       sstAlterTable}));
    EXPECT_EQ(Sc.P.ErrorCount(), 0);
}

// Vendors other than Oracle never make PL/SQL units: the words start
// ordinary statements.
TEST(PlsqlUnits, OtherVendorsMakeNoUnits) {
    Script Sc("begin x := 1; end;\n", VendorGeneric);
    for (int i = 0; i < Sc.P.Statements().Count(); ++i)
        EXPECT_EQ(dynamic_cast<TPlsqlStatement*>(Sc.P.Statements().GetStatement(i)), nullptr);
}

// Every PL/SQL unit of the shared Oracle scripts that parses walks exactly
// its own tokens.  Skipped without the corpus.
TEST(PlsqlUnits, CorpusUnitsWalkTheirOwnTokens) {
    const char* Shared = std::getenv("ORRERY_SHARED_DIR");
    const std::filesystem::path Dir =
        Shared ? std::filesystem::path(Shared) / "corpus" / "oracle" : std::filesystem::path();
    std::error_code Ec;
    if (Dir.empty() || !std::filesystem::is_directory(Dir, Ec)) GTEST_SKIP() << "no corpus";
    int Units = 0;
    for (const auto& Entry : std::filesystem::directory_iterator(Dir)) {
        std::ifstream In(Entry.path(), std::ios::binary);
        std::stringstream Ss;
        Ss << In.rdbuf();
        Script Sc(Ss.str());
        for (int i = 0; i < Sc.P.Statements().Count(); ++i) {
            auto* U = dynamic_cast<TPlsqlStatement*>(Sc.P.Statements().GetStatement(i));
            if (!U || !U->Parsed) continue;
            SCOPED_TRACE(Entry.path().filename().string() + " statement " + std::to_string(i));
            ++Units;
            EXPECT_EQ(Walk(U), SourceTokens(U));
            EXPECT_EQ(U->GetErrorCount(), 0) << U->ErrorMessages();
        }
    }
    // Five triggers in two scripts.
    EXPECT_EQ(Units, 5);
}

// A unit parsed again keeps its token list as it was: the end-of-input
// token of each parse belongs to the parser and leaves the list.
TEST(PlsqlUnits, ParsingAgainKeepsTheTokensAndTheResult) {
    Script Sc("begin\n  select a into x from t;\n  x := x + 1;\nend;\n/\n");
    TPlsqlStatement* S = Sc.Unit();
    ASSERT_TRUE(S->Parsed);
    auto Real = [&] {
        int N = 0;
        for (TSourceToken* t : S->SourceTokens->Items()) N += t->TokenCode != 0 || !t->GetText().empty();
        return N;
    };
    const int Tokens = Real();
    const int Listed = S->SourceTokens->Count();
    const std::string Text = S->GetTextByVisitor();
    const int SubTokens = S->SubStatements.at(0)->SourceTokens->Count();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(S->Parse(false), 0) << S->ErrorMessages();
        EXPECT_TRUE(S->Parsed);
        ASSERT_EQ(S->SubStatements.size(), 1u);
        // A fresh tree: the embedded statement's tokens are its own once.
        EXPECT_EQ(S->SubStatements[0]->SourceTokens->Count(), SubTokens);
        EXPECT_EQ(S->GetTextByVisitor(), Text);
    }
    EXPECT_EQ(Real(), Tokens);
    EXPECT_EQ(S->SourceTokens->Count(), Listed);
}

// Hostile units: nesting deeper than the parser's stack ends with a record
// and no tree; nesting within it is parsed, analysed and walked; stray bytes
// and a command line inside a unit are syntax errors, never a crash.
TEST(PlsqlUnits, HostileUnits) {
    auto Nest = [](int Depth, const std::string& Inner) {
        std::string S;
        for (int i = 0; i < Depth; ++i) S += "begin ";
        S += Inner;
        for (int i = 0; i < Depth; ++i) S += " end;";
        return S;
    };
    {
        // Deeper than the parser's stack.
        Script Sc(Nest(8000, "null;") + "\n/\n");
        TPlsqlStatement* S = Sc.Unit();
        ASSERT_NE(S, nullptr);
        EXPECT_FALSE(S->Parsed);
        EXPECT_GE(S->GetErrorCount(), 1);
        EXPECT_TRUE(S->GetTextByVisitor().empty());
    }
    {
        // Thousands deep within it: parsed, analysed and walked whole.
        const std::string Deep = Nest(3000, "null;");
        Script Sc(Deep + "\n/\n");
        TPlsqlStatement* S = Sc.Unit();
        ASSERT_NE(S, nullptr);
        EXPECT_TRUE(S->Parsed);
        EXPECT_EQ(S->GetTextByVisitor().size(), Deep.size() + 2);
    }
    {
        Script Sc(Nest(150, "select a into x from t;") + "\n/\n");
        ExpectWhole(Sc.Unit(), nkPlsqlBlock);
    }
    // Stray bytes and a command line inside a unit.
    for (const char* Text : {"begin\n  x := \x01\x02\xff;\n  y := 1;\nend;\n/\n",
                             "begin\n  x := 1;\nset serveroutput on\n  y := 2;\nend;\n/\n"}) {
        Script Sc(Text);
        TPlsqlStatement* S = Sc.Unit();
        ASSERT_NE(S, nullptr);
        EXPECT_GE(S->GetErrorCount(), 1);
        (void)S->GetTextByVisitor();
    }
}

// The host's parser-token event sees the unit's tokens as the PL/SQL grammar
// reads them.
TEST(PlsqlUnits, ParserTokenEventSeesTheUnitsTokens) {
    Script Sc("begin\n  x := y + 1;\nend;\n/\n");
    TPlsqlStatement* S = Sc.Unit();
    ASSERT_NE(S, nullptr);
    std::vector<std::string> Seen;
    S->SetOnParserToken([&](void*, TSourceToken*& T, int) {
        if (T && T->IsSignificant()) Seen.push_back(std::string(T->GetText()));
    });
    ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
    ASSERT_GE(Seen.size(), 4u);
    EXPECT_EQ(Seen[0], "begin");
    EXPECT_NE(std::find(Seen.begin(), Seen.end(), ":="), Seen.end());
}
