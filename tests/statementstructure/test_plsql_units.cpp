// PL/SQL units end to end through the Oracle front end: blocks, procedures,
// functions, packages and triggers parse into their element trees, every
// embedded SQL statement parses with the Oracle grammar, and a walk of each
// unit meets exactly the unit's own significant tokens in source order.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "statement_fixture.h"

using namespace sstest;

namespace {

const char* const kBlock = R"(declare
  v_name emp.ename%type;
  v_row emp%rowtype;
  v_total number(10, 2) := 0;
  cursor c_dept(p_deptno number) is select * from emp where deptno = p_deptno;
begin
  select ename into v_name from emp where empno = 7839;
  for r in (select empno, sal from emp) loop
    v_total := v_total + r.sal;
  end loop;
  <<inner>>
  declare
    x number;
  begin
    loop
      exit inner when v_total > 100;
      goto done;
    end loop;
  end inner;
  <<done>> null;
exception
  when no_data_found then
    v_total := -1;
  when others then
    raise;
end;
/
)";

}  // namespace

TEST(PlsqlUnits, AnonymousBlock) {
    Script Sc(kBlock);
    TPlsqlStatement* S = Sc.Unit();
    ExpectWhole(S, nkPlsqlBlock);
    EXPECT_EQ(S->StatementType, sstplsql_block);
    auto* B = static_cast<TRk_Plsql*>(S->GetRootNode());
    ASSERT_NE(B->DeclSection, nullptr);
    EXPECT_EQ(B->DeclSection->Items->Count(), 4);
    EXPECT_EQ(B->DeclSection->Items->Items(3)->NodeKind, nkPlsqlCursorDecl);
    ASSERT_NE(B->Statements, nullptr);
    EXPECT_EQ(B->Section->Items->Count(), 4);
    EXPECT_EQ(B->Section->Items->Items(0)->NodeKind, nkPlsqlSqlStmt);
    auto* Loop = dynamic_cast<TRkPlsql_LoopStmt*>(B->Section->Items->Items(1));
    ASSERT_NE(Loop, nullptr);
    EXPECT_EQ(Loop->LoopKind, 5);
    auto* Inner = dynamic_cast<TRk_Plsql*>(B->Section->Items->Items(2));
    ASSERT_NE(Inner, nullptr);
    EXPECT_EQ(Inner->DeclSection->GetName(), "<<inner>>");
    EXPECT_EQ(B->Section->Items->Items(3)->NodeKind, nkPlsqlNullStmt);
    ASSERT_NE(B->Handlers, nullptr);
    EXPECT_EQ(B->Handlers->Count(), 2);
    EXPECT_EQ(ItemOf<TRkPlsql_Exceptionhandler>(B->Handlers, 0)->HandlerKind, 2);
    EXPECT_EQ(ItemOf<TRkPlsql_Exceptionhandler>(B->Handlers, 1)->HandlerKind, 1);
    // SELECT INTO, the loop's query, the cursor's query.
    EXPECT_EQ(S->SubStatements.size(), 3u);
    // The regenerated text is the unit's text (the "/" line is not part of it).
    EXPECT_EQ(S->GetTextByVisitor().substr(0, 9), "declare\r\n");
}

TEST(PlsqlUnits, ProcedureWithCursorLoopAndTransactionControl) {
    Script Sc(R"(create or replace procedure raise_sal(
  p_deptno in emp.deptno%type,
  p_pct in out number,
  p_count out pls_integer,
  p_note varchar2 default 'none')
is
  cursor c(d number) is select empno, sal from emp where deptno = d for update;
  v_empno emp.empno%type;
  v_sal emp.sal%type;
begin
  p_count := 0;
  open c(p_deptno);
  loop
    fetch c into v_empno, v_sal;
    exit when c%notfound;
    update emp set sal = v_sal * (1 + p_pct / 100) where current of c;
    p_count := p_count + 1;
  end loop;
  close c;
  commit;
exception
  when others then
    rollback;
    raise_application_error(-20001, 'failed: ' || sqlerrm);
end raise_sal;
/
)");
    TPlsqlStatement* S = Sc.Unit();
    ExpectWhole(S, nkPlsqlProcedureDecl);
    EXPECT_EQ(S->StatementType, sstplsql_createprocedure);
    auto* P = static_cast<TRkPlsql_ProcedureDecl*>(S->GetRootNode());
    EXPECT_EQ(P->CreateKind, 2);
    EXPECT_EQ(P->IsFunction, 0);
    ASSERT_NE(P->Params, nullptr);
    ASSERT_EQ(P->Params->Count(), 4);
    const int Modes[] = {2, 4, 3, 1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ItemOf<TRkPlsql_ParameterDecl>(P->Params, i)->Mode, Modes[i]) << i;
    EXPECT_NE(ItemOf<TRkPlsql_ParameterDecl>(P->Params, 3)->Default, nullptr);
    ASSERT_NE(P->Declarations, nullptr);
    EXPECT_EQ(P->Declarations->Count(), 3);
    EXPECT_EQ(P->Section->Items->Count(), 5);
    const std::uint8_t Kinds[] = {nkPlsqlAssignStmt, nkPlsqlOpenStmt, nkPlsqlLoopStmt, nkPlsqlCloseStmt,
                                  nkPlsqlSqlStmt};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(P->Section->Items->Items(i)->NodeKind, Kinds[i]) << i;
    auto* Loop = static_cast<TRkPlsql_LoopStmt*>(P->Section->Items->Items(2));
    EXPECT_EQ(Loop->LoopKind, 1);
    EXPECT_EQ(Loop->Section->Items->Count(), 4);
    EXPECT_EQ(Loop->Section->Items->Items(1)->NodeKind, nkPlsqlExitStmt);
    ASSERT_NE(P->EndLabel, nullptr);
    EXPECT_EQ(P->EndLabel->Text, "raise_sal");
    // The cursor's query, the UPDATE, COMMIT, ROLLBACK.
    ASSERT_EQ(S->SubStatements.size(), 4u);
    EXPECT_STREQ(S->SubStatements[1]->ClassName(), "TUpdateSqlStatement");
    EXPECT_STREQ(S->SubStatements[2]->ClassName(), "TCommitSqlStatement");
    EXPECT_STREQ(S->SubStatements[3]->ClassName(), "TRollbackSqlStatement");
}

TEST(PlsqlUnits, DeterministicFunction) {
    Script Sc("create function f(x number) return number deterministic is\nbegin\n  return x * 2;\nend;\n/\n");
    TPlsqlStatement* S = Sc.Unit();
    ExpectWhole(S, nkPlsqlProcedureDecl);
    EXPECT_EQ(S->StatementType, sstplsql_createfunction);
    auto* F = static_cast<TRkPlsql_ProcedureDecl*>(S->GetRootNode());
    EXPECT_EQ(F->IsFunction, 1);
    EXPECT_EQ(F->CreateKind, 1);
    ASSERT_NE(F->FuncAttrs, nullptr);
    EXPECT_EQ(F->Section->Items->Items(0)->NodeKind, nkPlsqlReturnStmt);
}

TEST(PlsqlUnits, PackageSpec) {
    Script Sc(R"(create or replace package emp_pkg as
  type emp_rec is record (id number(6), name varchar2(30) not null := 'x');
  type id_tab is table of number index by binary_integer;
  type name_arr is varray(10) of varchar2(30);
  type emp_cur is ref cursor return emp%rowtype;
  max_sal constant number := 10000;
  bad_sal exception;
  pragma exception_init(bad_sal, -20002);
  pragma restrict_references(default, wnds);
  cursor c_all return emp%rowtype;
  procedure hire(p_name varchar2, p_sal number := 0);
  function count_emps return number;
end emp_pkg;
/
)");
    TPlsqlStatement* S = Sc.Unit();
    ExpectWhole(S, nkPlsqlPackage);
    EXPECT_EQ(S->StatementType, sstplsql_createpackage);
    auto* Pk = static_cast<TRkPlsql_Package*>(S->GetRootNode());
    EXPECT_EQ(Pk->IsBody, 0);
    EXPECT_EQ(Pk->CreateKind, 2);
    ASSERT_NE(Pk->PackageItems, nullptr);
    const std::uint8_t Kinds[] = {nkPlsqlRecordTypeDef, nkPlsqlTableTypeDef, nkPlsqlVarrayTypeDef,
                                  nkPlsqlCursorDecl,    nkPlsqlVarDecl,      nkPlsqlVarDecl,
                                  nkPlsqlVarDecl,       nkPlsqlPragmaDecl,   nkPlsqlCursorDecl,
                                  nkPlsqlProcedureSpec, nkPlsqlProcedureSpec};
    ASSERT_EQ(Pk->PackageItems->Count(), 11);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(Pk->PackageItems->GetNode(i)->NodeKind, Kinds[i]) << i;
    EXPECT_EQ(ItemOf<TRkPlsql_VarDecl>(Pk->PackageItems, 4)->DeclKind, 2);
    EXPECT_EQ(ItemOf<TRkPlsql_VarDecl>(Pk->PackageItems, 5)->DeclKind, 5);
    EXPECT_EQ(ItemOf<TRkPlsql_VarDecl>(Pk->PackageItems, 6)->DeclKind, 6);
    EXPECT_EQ(ItemOf<TRkPlsql_CursorDecl>(Pk->PackageItems, 3)->RefCursor, 1);
    EXPECT_EQ(ItemOf<TRkPlsql_ProcedureSpec>(Pk->PackageItems, 10)->IsFunction, 1);
    ASSERT_NE(Pk->PackageEndLabel, nullptr);
    EXPECT_EQ(Pk->PackageEndLabel->Text, "emp_pkg");
}

TEST(PlsqlUnits, PackageBodyWithInitialisation) {
    Script Sc(R"(create or replace package body emp_pkg is
  g_count number;
  cursor c_all return emp%rowtype is select * from emp;
  function count_emps return number is
    n number;
  begin
    select count(*) into n from emp;
    return n;
  end count_emps;
  procedure hire(p_name varchar2, p_sal number := 0) is
  begin
    insert into emp (ename, sal) values (p_name, p_sal);
  end;
begin
  g_count := count_emps;
end emp_pkg;
/
)");
    TPlsqlStatement* S = Sc.Unit();
    ExpectWhole(S, nkPlsqlPackage);
    auto* Pk = static_cast<TRkPlsql_Package*>(S->GetRootNode());
    EXPECT_EQ(Pk->IsBody, 1);
    ASSERT_NE(Pk->PackageItems, nullptr);
    EXPECT_EQ(Pk->PackageItems->Count(), 4);
    EXPECT_EQ(Pk->PackageItems->GetNode(2)->NodeKind, nkPlsqlProcedureDecl);
    ASSERT_NE(Pk->Statements, nullptr);
    EXPECT_EQ(Pk->Section->Items->Count(), 1);
    EXPECT_EQ(S->SubStatements.size(), 3u);
}

TEST(PlsqlUnits, RowTrigger) {
    Script Sc(R"(create or replace trigger emp_biu
  before insert or update of sal, comm on emp
  for each row
  when (new.sal > 0)
declare
  v number;
begin
  if inserting then
    :new.created := sysdate;
  elsif updating then
    :new.changed := sysdate;
  else
    null;
  end if;
end;
/
)");
    TPlsqlStatement* S = Sc.Unit();
    ExpectWhole(S, nkPlsqlTrigger);
    EXPECT_EQ(S->StatementType, sstplsql_createtrigger);
    auto* T = static_cast<TRkPlsql_Trigger*>(S->GetRootNode());
    auto* Ev = dynamic_cast<TRk_DummyNode*>(T->Event);
    ASSERT_NE(Ev, nullptr);
    EXPECT_EQ(Ev->Int1, 1);
    ASSERT_NE(Ev->List1, nullptr);
    EXPECT_EQ(Ev->List1->Count(), 2);
    EXPECT_NE(T->WhenClause, nullptr);
    ASSERT_NE(T->Body, nullptr);
    auto* If = dynamic_cast<TRkPlsql_IfStmt*>(T->Body->Section->Items->Items(0));
    ASSERT_NE(If, nullptr);
    EXPECT_NE(If->ElsifList, nullptr);
    EXPECT_NE(If->ElseStmts, nullptr);
}

TEST(PlsqlUnits, DatabaseAndCallTriggers) {
    Script Sc(
        "create trigger logon_audit after logon on database\nbegin\n  insert into audit_log values (user, "
        "sysdate);\nend;\n/\ncreate trigger t_call before delete on emp call log_delete\n/\n");
    TPlsqlStatement* S = Sc.Unit(0);
    ExpectWhole(S, nkPlsqlTrigger);
    auto* T = static_cast<TRkPlsql_Trigger*>(S->GetRootNode());
    EXPECT_EQ(static_cast<TRk_DummyNode*>(T->Event)->Int1, 3);
    TPlsqlStatement* C = Sc.Unit(1);
    ExpectWhole(C, nkPlsqlTrigger);
    auto* CT = static_cast<TRkPlsql_Trigger*>(C->GetRootNode());
    ASSERT_NE(CT->CallStatement, nullptr);
    EXPECT_EQ(CT->Body, nullptr);
    EXPECT_FALSE(CT->CallStatement->Parsed);
}

TEST(PlsqlUnits, DynamicSqlBulkAndCase) {
    Script Sc(R"(declare
  type ids is table of number index by binary_integer;
  v_ids ids;
  v_name varchar2(30);
  v_out number;
begin
  execute immediate 'select name from t where id = :1' into v_name using in out v_out;
  execute immediate 'delete from t where id = :1' using v_out returning into v_name;
  forall i in 1 .. 10
    delete from t where id = v_ids(i);
  case v_out
    when 1 then v_name := 'one';
    when 2 then v_name := 'two' || v_name;
    else v_name := lower(p => v_name);
  end case;
  v_out := case when v_out > 1 then 1 else 0 end;
end;
/
)");
    TPlsqlStatement* S = Sc.Unit();
    ExpectWhole(S, nkPlsqlBlock);
    auto* B = static_cast<TRk_Plsql*>(S->GetRootNode());
    ASSERT_EQ(B->Section->Items->Count(), 5);
    auto* E1 = dynamic_cast<TRkPlsql_ExecImmeStmt*>(B->Section->Items->Items(0));
    ASSERT_NE(E1, nullptr);
    ASSERT_NE(E1->UsingList, nullptr);
    EXPECT_EQ(static_cast<TRk_DummyNode*>(E1->UsingList->GetNode(0))->Int1, 4);
    auto* E2 = dynamic_cast<TRkPlsql_ExecImmeStmt*>(B->Section->Items->Items(1));
    ASSERT_NE(E2, nullptr);
    ASSERT_NE(E2->Returning, nullptr);
    EXPECT_NE(E2->Returning->List1, nullptr);
    EXPECT_EQ(B->Section->Items->Items(2)->NodeKind, nkPlsqlForallStmt);
    auto* C = dynamic_cast<TRkPlsql_CaseStmt*>(B->Section->Items->Items(3));
    ASSERT_NE(C, nullptr);
    ASSERT_NE(C->Body, nullptr);
    EXPECT_EQ(C->Body->WhenClauses->Count(), 2);
    EXPECT_EQ(B->Section->Items->Items(4)->NodeKind, nkPlsqlAssignStmt);
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
        if (t->IsSignificant()) Skipped += t->Text + " ";
    EXPECT_EQ(Skipped, "merge into t using s on ( 1 = 1 ) ; ");
    EXPECT_EQ(Loop->Section->Items->Items(2)->NodeKind, nkPlsqlAssignStmt);
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
    // A statement object that failed to parse walks no clause, so its text
    // drops out of the regenerated unit; the rest is walked.
    EXPECT_EQ(Walk(S), "begin y := 3 ; end ;");
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
    int Tables = 0, Units = 0, Indexes = 0, Alters = 0;
    for (int i = 0; i < Sc.P.Statements().Count(); ++i) {
        TCustomSqlStatement* S = Sc.P.Statements().GetStatement(i);
        Tables += S->StatementType == sstCreateTable && S->Parsed;
        Indexes += S->StatementType == sstCreateIndex && S->Parsed;
        Alters += S->StatementType == sstAlterTable && S->Parsed;
        if (auto* U = dynamic_cast<TPlsqlStatement*>(S)) {
            ++Units;
            EXPECT_TRUE(U->Parsed) << U->ErrorMessages();
        }
    }
    EXPECT_EQ(Tables, 2);
    EXPECT_EQ(Units, 2);
    EXPECT_EQ(Indexes, 1);
    EXPECT_EQ(Alters, 1);
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
    const std::filesystem::path Dir = Shared ? std::filesystem::path(Shared) / "corpus" / "oracle" : std::filesystem::path();
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
        for (TSourceToken* t : S->SourceTokens->Items()) N += t->TokenCode != 0 || !t->Text.empty();
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

// A unit given as text (no tokens from a front end) is tokenized like any
// other statement.
TEST(PlsqlUnits, AUnitGivenAsTextParses) {
    auto S = NewPlsqlBlockStatement(VendorOracle);
    S->SetSqlText("begin\n  null;\nend;");
    EXPECT_EQ(S->Parse(false), 0) << S->ErrorMessages();
    EXPECT_TRUE(S->Parsed);
    ASSERT_NE(S->GetRootNode(), nullptr);
    EXPECT_EQ(S->GetRootNode()->NodeKind, nkPlsqlBlock);
}

// Hostile units: nesting deeper than the parser's stack ends with a record
// and no tree; nesting within it is parsed, analysed and walked; stray bytes
// and a command line inside a unit are syntax errors, never a crash.
TEST(PlsqlUnits, HostileUnits) {
    {
        // Deeper than the parser's stack.
        std::string Deep;
        for (int i = 0; i < 8000; ++i) Deep += "begin ";
        Deep += "null;";
        for (int i = 0; i < 8000; ++i) Deep += " end;";
        Script Sc(Deep + "\n/\n");
        TPlsqlStatement* S = Sc.Unit();
        ASSERT_NE(S, nullptr);
        EXPECT_FALSE(S->Parsed);
        EXPECT_GE(S->GetErrorCount(), 1);
        EXPECT_TRUE(S->GetTextByVisitor().empty());
    }
    {
        // Thousands deep within it: parsed, analysed and walked whole.
        std::string Deep;
        for (int i = 0; i < 3000; ++i) Deep += "begin ";
        Deep += "null;";
        for (int i = 0; i < 3000; ++i) Deep += " end;";
        Script Sc(Deep + "\n/\n");
        TPlsqlStatement* S = Sc.Unit();
        ASSERT_NE(S, nullptr);
        EXPECT_TRUE(S->Parsed);
        EXPECT_EQ(S->GetTextByVisitor().size(), Deep.size() + 2);
    }
    {
        std::string Nested;
        for (int i = 0; i < 150; ++i) Nested += "begin ";
        Nested += "select a into x from t;";
        for (int i = 0; i < 150; ++i) Nested += " end;";
        Script Sc(Nested + "\n/\n");
        TPlsqlStatement* S = Sc.Unit();
        ExpectWhole(S, nkPlsqlBlock);
    }
    {
        Script Sc(std::string("begin\n  x := \x01\x02\xff;\n  y := 1;\nend;\n/\n"));
        TPlsqlStatement* S = Sc.Unit();
        ASSERT_NE(S, nullptr);
        EXPECT_GE(S->GetErrorCount(), 1);
    }
    {
        Script Sc("begin\n  x := 1;\nset serveroutput on\n  y := 2;\nend;\n/\n");
        TPlsqlStatement* S = Sc.Unit();
        ASSERT_NE(S, nullptr);
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
        if (T && T->IsSignificant()) Seen.push_back(T->Text);
    });
    ASSERT_EQ(S->Parse(false), 0) << S->ErrorMessages();
    ASSERT_GE(Seen.size(), 4u);
    EXPECT_EQ(Seen[0], "begin");
    EXPECT_NE(std::find(Seen.begin(), Seen.end(), ":="), Seen.end());
}
