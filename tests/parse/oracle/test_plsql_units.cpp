// Realistic PL/SQL units parse whole: every unit is accepted without a
// report, builds the expected root, and every embedded SQL statement takes
// exactly its own tokens from its first word through its ";".
#include "test_plsql_support.h"

using namespace plsql_test;

namespace {

struct TUnitCase {
    const char* Name;
    const char* Text;
    const char* RootClass;   // nullptr: no tree (types)
    int Embedded;            // embedded SQL statement objects
};

const TUnitCase Units[] = {
    {"block with cursor loop, handlers, nested labelled block and goto",
     "DECLARE v_total NUMBER := 0; v_name emp.ename%TYPE; BEGIN SELECT ename INTO v_name FROM emp WHERE empno = "
     "7839; FOR r IN (SELECT sal FROM emp WHERE deptno = 10) LOOP v_total := v_total + r.sal; END LOOP; <<inner>> "
     "DECLARE i PLS_INTEGER := 0; BEGIN LOOP i := i + 1; EXIT inner WHEN i > 10; END LOOP; END inner; IF v_total "
     "= 0 THEN GOTO done; END IF; <<done>> NULL; EXCEPTION WHEN NO_DATA_FOUND THEN DBMS_OUTPUT.PUT_LINE('none'); "
     "WHEN OTHERS THEN ROLLBACK; RAISE; END;",
     "TRk_Plsql", 3},
    {"procedure with modes, defaults, a parameterised cursor and a fetch loop",
     "CREATE OR REPLACE PROCEDURE give_raise ( p_dept IN dept.deptno%TYPE, p_pct IN NUMBER DEFAULT 10, p_count "
     "OUT PLS_INTEGER, p_log IN OUT VARCHAR2) IS CURSOR c_emp (cp_dept NUMBER) IS SELECT empno, sal FROM emp "
     "WHERE deptno = cp_dept FOR UPDATE; r c_emp%ROWTYPE; BEGIN p_count := 0; OPEN c_emp(p_dept); LOOP FETCH "
     "c_emp INTO r; EXIT WHEN c_emp%NOTFOUND; UPDATE emp SET sal = sal * (1 + p_pct / 100) WHERE CURRENT OF "
     "c_emp; p_count := p_count + 1; END LOOP; CLOSE c_emp; COMMIT; IF p_count = 0 THEN "
     "RAISE_APPLICATION_ERROR(-20001, 'no rows for ' || p_dept); END IF; EXCEPTION WHEN OTHERS THEN ROLLBACK; "
     "p_log := p_log || SQLERRM; END give_raise;",
     "TRkPlsql_ProcedureDecl", 4},
    {"deterministic function",
     "CREATE FUNCTION tax (p_amount IN NUMBER) RETURN NUMBER DETERMINISTIC IS BEGIN RETURN CASE WHEN p_amount > "
     "1000 THEN p_amount * 0.2 ELSE 0 END; END tax;",
     "TRkPlsql_ProcedureDecl", 0},
    {"package spec with types, constants, exceptions and pragmas",
     "CREATE OR REPLACE PACKAGE emp_pkg AS TYPE emp_rec IS RECORD (id NUMBER(6), name VARCHAR2(30) NOT NULL := "
     "'x'); TYPE id_tab IS TABLE OF NUMBER INDEX BY BINARY_INTEGER; TYPE name_arr IS VARRAY(100) OF VARCHAR2(30); "
     "TYPE emp_cur IS REF CURSOR RETURN emp%ROWTYPE; c_max CONSTANT PLS_INTEGER := 100; e_missing EXCEPTION; "
     "PRAGMA EXCEPTION_INIT(e_missing, -20100); CURSOR c_all RETURN emp%ROWTYPE; FUNCTION get_name (p_id NUMBER) "
     "RETURN VARCHAR2; PRAGMA RESTRICT_REFERENCES (get_name, WNDS, WNPS); PROCEDURE hire (p_name VARCHAR2, p_sal "
     "NUMBER := 1000); END emp_pkg;",
     "TRkPlsql_Package", 0},
    {"package body with a cursor body, private subprograms and an initialisation",
     "CREATE OR REPLACE PACKAGE BODY emp_pkg AS g_count NUMBER := 0; CURSOR c_all RETURN emp%ROWTYPE IS SELECT * "
     "FROM emp; FUNCTION get_name (p_id NUMBER) RETURN VARCHAR2 IS v VARCHAR2(30); BEGIN SELECT ename INTO v FROM "
     "emp WHERE empno = p_id; RETURN v; EXCEPTION WHEN NO_DATA_FOUND THEN RETURN NULL; END get_name; PROCEDURE "
     "hire (p_name VARCHAR2, p_sal NUMBER := 1000) IS BEGIN INSERT INTO emp (empno, ename, sal) VALUES "
     "(emp_seq.NEXTVAL, p_name, p_sal); g_count := g_count + 1; END hire; BEGIN g_count := 0; END emp_pkg;",
     "TRkPlsql_Package", 3},
    {"row trigger with WHEN, :NEW and INSERTING",
     "CREATE OR REPLACE TRIGGER emp_bir BEFORE INSERT OR UPDATE OF sal, comm ON emp FOR EACH ROW WHEN (new.sal > "
     "0) DECLARE n NUMBER; BEGIN IF INSERTING THEN SELECT emp_seq.NEXTVAL INTO :new.empno FROM dual; ELSIF "
     "UPDATING('SAL') THEN :new.modified := SYSDATE; END IF; END;",
     "TRkPlsql_Trigger", 1},
    {"trigger like a generated schema's",
     "CREATE OR REPLACE TRIGGER ai_t_message_message_id\n"
     "BEFORE INSERT ON t_message\n"
     "FOR EACH ROW WHEN (\n"
     " new.message_id IS NULL OR new.message_id = 0\n"
     ")\n"
     "BEGIN\n"
     " SELECT sq_t_message_message_id.nextval\n"
     " INTO :new.message_id\n"
     " FROM dual;\n"
     "END;\n",
     "TRkPlsql_Trigger", 1},
    {"database event trigger",
     "CREATE OR REPLACE TRIGGER on_logon AFTER LOGON ON DATABASE BEGIN INSERT INTO logons VALUES (USER, SYSDATE); "
     "END;",
     "TRkPlsql_Trigger", 1},
    {"call trigger",
     "CREATE TRIGGER audit_del AFTER DELETE ON emp FOR EACH ROW CALL audit_pkg.log_delete(:old.empno)",
     "TRkPlsql_Trigger", 1},
    {"dynamic SQL, FORALL, CASE statement and named arguments",
     "DECLARE TYPE t_ids IS TABLE OF NUMBER INDEX BY BINARY_INTEGER; ids t_ids; v_sql VARCHAR2(200); v_out "
     "NUMBER; BEGIN v_sql := 'UPDATE t SET a = :1 WHERE b = :2 RETURNING c INTO :3'; EXECUTE IMMEDIATE v_sql "
     "USING IN v_in, v_out RETURNING INTO v_out; EXECUTE IMMEDIATE 'SELECT COUNT(*) FROM t' INTO v_out; FORALL i "
     "IN 1 .. ids.COUNT DELETE FROM t WHERE id = ids(i); CASE WHEN v_out > 10 THEN log_it(p_msg => 'big', p_level "
     "=> 2); ELSE NULL; END CASE; ids.DELETE; SAVEPOINT before_lock; LOCK TABLE t IN EXCLUSIVE MODE NOWAIT; SET "
     "TRANSACTION READ ONLY; END;",
     "TRk_Plsql", 4},
    {"object type",
     "CREATE OR REPLACE TYPE point AS OBJECT ( x NUMBER, y NUMBER, MEMBER FUNCTION dist (p point) RETURN NUMBER, "
     "ORDER MEMBER FUNCTION cmp (p point) RETURN INTEGER );",
     nullptr, 0},
    {"collection type", "CREATE OR REPLACE TYPE num_list AS TABLE OF NUMBER;", nullptr, 0},
};

void PrintTo(const TUnitCase& C, std::ostream* Os) { *Os << C.Name; }

class PlsqlUnits : public PlsqlParseFixture, public ::testing::WithParamInterface<TUnitCase> {};

TEST_P(PlsqlUnits, ParsesWhole) {
    const TUnitCase& c = GetParam();
    Parse(c.Text);
    EXPECT_EQ(Result, 0);
    for (const auto& e : Errors) ADD_FAILURE() << e.Expected << " at '" << e.Token << "' " << e.Line << ":" << e.Column;
    if (c.RootClass == nullptr) {
        EXPECT_EQ(Parser->RootNode, nullptr);
    } else {
        ASSERT_NE(Parser->RootNode, nullptr);
        EXPECT_EQ(Parser->RootNode->ClassName(), std::string(c.RootClass));
    }
    // Each embedded statement object holds the tokens from its keyword through
    // its ";", and they lie contiguous in the unit.
    int embedded = 0;
    for (const auto& up : Parser->NodePool) {
        auto* s = dynamic_cast<TCustomSqlStatement*>(up.get());
        if (s == nullptr) continue;
        ++embedded;
        const TSourceTokenSpan items = s->SourceTokens->Items();
        ASSERT_FALSE(items.empty());
        for (size_t i = 1; i < items.size(); ++i)
            if (items[i]->Line >= 0) {
                EXPECT_EQ(items[i]->PosInList, items[i - 1]->PosInList + 1) << Significant(s->SourceTokens.get());
            }
        if (s->TrailingToken) {
            EXPECT_EQ(items.back(), s->TrailingToken);
        }
    }
    EXPECT_EQ(embedded, c.Embedded);
}

INSTANTIATE_TEST_SUITE_P(Corpus, PlsqlUnits, ::testing::ValuesIn(Units),
                         [](const ::testing::TestParamInfo<TUnitCase>& i) { return "unit" + std::to_string(i.index); });

}  // namespace
