#include "parse/oracle/rkyaccoraclesql.h"

#include <charconv>

#include "oracle_yacc.h"
#include "parse/oracle/oracletokens.h"
#include "parse/rksqlconstraints.h"
#include "parse/rksqlqueries.h"

namespace {

// Names of characters, classes and some keywords for expected-token texts;
// searched from the first row ("-" has two rows, the first is found).
const TRkNameRec TokenNames[] = {
    {"Identifier", 262}, {"Select", 465},   {"Insert", 424},     {"Update", 482},    {"Delete", 404},
    {"From", 414},       {"Where", 490},    {"Group", 416},      {"Having", 417},    {"Order", 451},
    {"And", 385},        {"Or", 450},       {"Not", 441},        {"Is", 428},        {"Null", 443},
    {"Distinct", 406},   {"Any", 386},      {"All", 383},        {"As", 387},        {",", 44},
    {"By", 391},         {"Asc", 388},      {"Desc", 405},       {"In", 420},        {"Like", 430},
    {"Minus", 434},      {"Union", 480},    {"intersect", 426},  {"CREATE", 399},    {"DROP", 407},
    {"INDEX", 422},      {"INTO", 427},     {"JOIN", 819},       {"CASCADE", 516},   {"UNIQUE", 481},
    {"ON", 447},         {"REVOKE", 459},   {"TABLE", 475},      {"TRIGGER", 478},   {"USER", 483},
    {"VALUES", 485},     {"CASE", 289},     {"CAST", 517},       {"CLOSE", 291},     {"COMMIT", 533},
    {"CONSTRAINT", 541}, {"CONSTRAINTS", 542}, {"COUNT", 548},   {"CURSOR", 297},    {"FUNCTION", 318},
    {"OVERLAPS", 831},   {"PACKAGE", 338},  {"PASSWORD", 701},   {"SEQUENCE", 756},  {"TIMESTAMP", 789},
    {"TOP", 853},        {"TRANSACTION", 793}, {"TRIGGERS", 795}, {"TRIM", 846},     {"TRUNCATE", 796},
    {"TYPE", 372},       {"(", 40},         {")", 41},           {"[", 91},          {"]", 93},
    {".", 46},           {":", 58},         {"-", 45},           {"/", 47},          {"*", 42},
    {"+", 43},           {"-", 45},         {"=", 61},           {">", 62},          {"<", 60},
    {"@", 64},
};

// Keywords named in expected-token texts, in this (unsorted) order.
const TRkNameRec KeywordNames[] = {
    {"ACCESS", oracletok::RW_ACCESS}, {"ACTION", oracletok::RW_ACTION}, {"ADD", oracletok::RW_ADD}, {"ALTER", oracletok::RW_ALTER},
    {"BETWEEN", oracletok::RW_BETWEEN}, {"BYTE", oracletok::RW_BYTE}, {"CHAR", oracletok::RW_CHAR}, {"CHECK", oracletok::RW_CHECK},
    {"COMMENT", oracletok::RW_COMMENT}, {"CONNECT", oracletok::RW_CONNECT}, {"CONSTANT", oracletok::RW_CONSTANT}, {"CROSS", oracletok::RW_CROSS},
    {"CURRENT", oracletok::RW_CURRENT}, {"DATE", oracletok::RW_DATE}, {"DAY", oracletok::RW_DAY}, {"DECIMAL", oracletok::RW_DECIMAL},
    {"DEFAULT", oracletok::RW_DEFAULT}, {"ELSE", oracletok::RW_ELSE}, {"ELSIF", oracletok::RW_ELSIF}, {"EXISTS", oracletok::RW_EXISTS},
    {"EXIT", oracletok::RW_EXIT}, {"EXTRACT", oracletok::RW_EXTRACT}, {"FILE", oracletok::RW_FILE}, {"FIRST", oracletok::RW_FIRST},
    {"FETCH", oracletok::RW_FETCH}, {"FLOAT", oracletok::RW_FLOAT}, {"FOR", oracletok::RW_FOR}, {"FOREIGN", oracletok::RW_FOREIGN},
    {"FORALL", oracletok::RW_FORALL}, {"GRANT", oracletok::RW_GRANT}, {"GOTO", oracletok::RW_GOTO}, {"IMMEDIATE", oracletok::RW_IMMEDIATE},
    {"INNER", oracletok::RW_INNER}, {"INT", oracletok::RW_INT}, {"INTERVAL", oracletok::RW_INTERVAL}, {"INCREMENT", oracletok::RW_INCREMENT},
    {"INITIAL", oracletok::RW_INITIAL}, {"INTEGER", oracletok::RW_INTEGER}, {"LEVEL", oracletok::RW_LEVEL}, {"LEFT", oracletok::RW_LEFT},
    {"LOCK", oracletok::RW_LOCK}, {"LONG", oracletok::RW_LONG}, {"LOOP", oracletok::RW_LOOP}, {"MATCH", oracletok::RW_MATCH},
    {"MATCHED", oracletok::RW_MATCHED}, {"MAP", oracletok::RW_MAP}, {"MODE", oracletok::RW_MODE}, {"MODIFY", oracletok::RW_MODIFY},
    {"MONITORING", oracletok::RW_MONITORING}, {"MONTH", oracletok::RW_MONTH}, {"NATURAL", oracletok::RW_NATURAL}, {"NATURALN", oracletok::RW_NATURALN},
    {"NOMONITORING", oracletok::RW_NOMONITORING}, {"NOTHING", oracletok::RW_NOTHING}, {"NOWAIT", oracletok::RW_NOWAIT}, {"NULLS", oracletok::RW_NULLS},
    {"NUMBER", oracletok::RW_NUMBER}, {"OF", oracletok::RW_OF}, {"OTHERS", oracletok::RW_OTHERS}, {"OPTION", oracletok::RW_OPTION},
    {"PARTIAL", oracletok::RW_PARTIAL}, {"PARTITION", oracletok::RW_PARTITION}, {"PRAGMA", oracletok::RW_PRAGMA}, {"PRIOR", oracletok::RW_PRIOR},
    {"PRIVILEGES", oracletok::RW_PRIVILEGES}, {"PUBLIC", oracletok::RW_PUBLIC}, {"RAW", oracletok::RW_RAW}, {"RAISE", oracletok::RW_RAISE},
    {"RIGHT", oracletok::RW_RIGHT}, {"RENAME", oracletok::RW_RENAME}, {"REVERSE", oracletok::RW_REVERSE}, {"RECORD", oracletok::RW_RECORD},
    {"ROW", oracletok::RW_ROW}, {"ROWTYPE", oracletok::RW_ROWTYPE}, {"ROWCOUNT", oracletok::RW_ROWCOUNT}, {"ROWNUM", oracletok::RW_ROWNUM},
    {"SECOND", oracletok::RW_SECOND}, {"SHARE", oracletok::RW_SHARE}, {"SERIALLY_REUSABLE", oracletok::RW_SERIALLY_REUSABLE}, {"SESSION", oracletok::RW_SESSION},
    {"SET", oracletok::RW_SET}, {"SIZE", oracletok::RW_SIZE}, {"START", oracletok::RW_START}, {"SMALLINT", oracletok::RW_SMALLINT},
    {"SUCCESSFUL", oracletok::RW_SUCCESSFUL}, {"SYNONYM", oracletok::RW_SYNONYM}, {"SYSDATE", oracletok::RW_SYSDATE}, {"TIES", oracletok::RW_TIES},
    {"THEN", oracletok::RW_THEN}, {"TO", oracletok::RW_TO}, {"UID", oracletok::RW_UID}, {"VALIDATE", oracletok::RW_VALIDATE},
    {"VARCHAR", oracletok::RW_VARCHAR}, {"VARCHAR2", oracletok::RW_VARCHAR2}, {"VIEW", oracletok::RW_VIEW}, {"WAIT", oracletok::RW_WAIT},
    {"WHENEVER", oracletok::RW_WHENEVER}, {"WHILE", oracletok::RW_WHILE}, {"WITH", oracletok::RW_WITH}, {"YEAR", oracletok::RW_YEAR},
    {"ACCOUNT", oracletok::RW_ACCOUNT}, {"AFTER", oracletok::RW_AFTER}, {"ARRAY", oracletok::RW_ARRAY}, {"AT", oracletok::RW_AT},
    {"BEFORE", oracletok::RW_BEFORE}, {"BEGIN", oracletok::RW_BEGIN}, {"BFILE", oracletok::RW_BFILE}, {"BITMAP", oracletok::RW_BITMAP},
    {"BINARY_INTEGER", oracletok::RW_BINARY_INTEGER}, {"BLOB", oracletok::RW_BLOB}, {"BLOCK", oracletok::RW_BLOCK}, {"BODY", oracletok::RW_BODY},
    {"BOTH", oracletok::RW_BOTH}, {"BOOLEAN", oracletok::RW_BOOLEAN}, {"CACHE", oracletok::RW_CACHE}, {"CHAINED", oracletok::RW_CHAINED},
    {"CHARACTER", oracletok::RW_CHARACTER}, {"CHECKPOINT", oracletok::RW_CHECKPOINT}, {"CLOB", oracletok::RW_CLOB}, {"COMMITTED", oracletok::RW_COMMITTED},
    {"COST", oracletok::RW_COST}, {"CYCLE", oracletok::RW_CYCLE}, {"DATABASE", oracletok::RW_DATABASE}, {"DEC", oracletok::RW_DEC},
    {"DECLARE", oracletok::RW_DECLARE}, {"DECODE", oracletok::RW_DECODE}, {"DEFERRABLE", oracletok::RW_DEFERRABLE}, {"DEFERRED", oracletok::RW_DEFERRED},
    {"DOUBLE", oracletok::RW_DOUBLE}, {"DUMP", oracletok::RW_DUMP}, {"EACH", oracletok::RW_EACH}, {"EXCEPTION_INIT", oracletok::RW_EXCEPTION_INIT},
    {"END", oracletok::RW_END}, {"ESCAPE", oracletok::RW_ESCAPE}, {"EXCEPT", oracletok::RW_EXCEPT}, {"EXCEPTION", oracletok::RW_EXCEPTION},
    {"EXECUTE", oracletok::RW_EXECUTE}, {"EXPLAIN", oracletok::RW_EXPLAIN}, {"EXTEND", oracletok::RW_EXTEND}, {"EXTERNALLY", oracletok::RW_EXTERNALLY},
    {"FORCE", oracletok::RW_FORCE}, {"FULL", oracletok::RW_FULL}, {"GLOBAL", oracletok::RW_GLOBAL}, {"GLOBALLY", oracletok::RW_GLOBALLY},
    {"GLOBAL_NAME", oracletok::RW_GLOBAL_NAME}, {"HOUR", oracletok::RW_HOUR}, {"IF", oracletok::RW_IF}, {"INSTEAD", oracletok::RW_INSTEAD},
    {"ISOLATION", oracletok::RW_ISOLATION}, {"ISOPEN", oracletok::RW_ISOPEN}, {"KEY", oracletok::RW_KEY}, {"LAST", oracletok::RW_LAST},
    {"LEADING", oracletok::RW_LEADING}, {"LOB", oracletok::RW_LOB}, {"LOCAL", oracletok::RW_LOCAL}, {"LOCATOR", oracletok::RW_LOCATOR},
    {"LOG", oracletok::RW_LOG}, {"MAX", oracletok::RW_MAX}, {"MAXVALUE", oracletok::RW_MAXVALUE}, {"MEMBER", oracletok::RW_MEMBER},
    {"MERGE", oracletok::RW_MERGE}, {"MIN", oracletok::RW_MIN}, {"MINUTE", oracletok::RW_MINUTE}, {"MINVALUE", oracletok::RW_MINVALUE},
    {"MOVE", oracletok::RW_MOVE}, {"MOVEMENT", oracletok::RW_MOVEMENT}, {"NAME", oracletok::RW_NAME}, {"NATIONAL", oracletok::RW_NATIONAL},
    {"NCHAR", oracletok::RW_NCHAR}, {"NCLOB", oracletok::RW_NCLOB}, {"NESTED", oracletok::RW_NESTED}, {"NO", oracletok::RW_NO},
    {"NOCACHE", oracletok::RW_NOCACHE}, {"NOCYCLE", oracletok::RW_NOCYCLE}, {"NOFORCE", oracletok::RW_NOFORCE}, {"NOMAXVALUE", oracletok::RW_NOMAXVALUE},
    {"NOMINVALUE", oracletok::RW_NOMINVALUE}, {"NOORDER", oracletok::RW_NOORDER}, {"NORELY", oracletok::RW_NORELY}, {"NOTFOUND", oracletok::RW_NOTFOUND},
    {"FOUND", oracletok::RW_FOUND}, {"NUMERIC", oracletok::RW_NUMERIC}, {"NVARCHAR2", oracletok::RW_NVARCHAR2}, {"OBJECT", oracletok::RW_OBJECT},
    {"ONLY", oracletok::RW_ONLY}, {"OPEN", oracletok::RW_OPEN}, {"OUT", oracletok::RW_OUT}, {"OUTER", oracletok::RW_OUTER},
    {"OVER", oracletok::RW_OVER}, {"PERCENT", oracletok::RW_PERCENT}, {"PLS_INTEGER", oracletok::RW_PLS_INTEGER}, {"POSITIVE", oracletok::RW_POSITIVE},
    {"POSITIVEN", oracletok::RW_POSITIVEN}, {"PRECISION", oracletok::RW_PRECISION}, {"PRIMARY", oracletok::RW_PRIMARY}, {"PROCEDURE", oracletok::RW_PROCEDURE},
    {"PURGE", oracletok::RW_PURGE}, {"READ", oracletok::RW_READ}, {"REAL", oracletok::RW_REAL}, {"REF", oracletok::RW_REF},
    {"REFERENCES", oracletok::RW_REFERENCES}, {"REPLACE", oracletok::RW_REPLACE}, {"RESET", oracletok::RW_RESET}, {"RESTRICT", oracletok::RW_RESTRICT},
    {"RESTRICTED", oracletok::RW_RESTRICTED}, {"RESTRICT_REFERENCES", oracletok::RW_RESTRICT_REFERENCES}, {"RETURN", oracletok::RW_RETURN}, {"RETURNING", oracletok::RW_RETURNING},
    {"ROLE", oracletok::RW_ROLE}, {"ROLES", oracletok::RW_ROLES}, {"ROLLBACK", oracletok::RW_ROLLBACK}, {"ROWLABEL", oracletok::RW_ROWLABEL},
    {"RULE", oracletok::RW_RULE}, {"SAVEPOINT", oracletok::RW_SAVEPOINT}, {"SCHEMA", oracletok::RW_SCHEMA}, {"SERIALIZABLE", oracletok::RW_SERIALIZABLE},
    {"SNAPSHOT", oracletok::RW_SNAPSHOT}, {"SOME", oracletok::RW_SOME}, {"SORT", oracletok::RW_SORT}, {"SQL", oracletok::RW_SQL},
    {"SQLCODE", oracletok::RW_SQLCODE}, {"SQLERROR", oracletok::RW_SQLERROR}, {"SQLERRM", oracletok::RW_SQLERRM}, {"STATISTICS", oracletok::RW_STATISTICS},
    {"STORE", oracletok::RW_STORE}, {"SUBTYPE", oracletok::RW_SUBTYPE}, {"SUM", oracletok::RW_SUM}, {"TEMPORARY", oracletok::RW_TEMPORARY},
    {"TIME", oracletok::RW_TIME}, {"TRAILING", oracletok::RW_TRAILING}, {"TYPECAST", oracletok::RW_TYPECAST}, {"UNTIL", oracletok::RW_UNTIL},
    {"USAGE", oracletok::RW_USAGE}, {"USE", oracletok::RW_USE}, {"USING", oracletok::RW_USING}, {"UROWID", oracletok::RW_UROWID},
    {"VALUE", oracletok::RW_VALUE}, {"VARRAY", oracletok::RW_VARRAY}, {"VARYING", oracletok::RW_VARYING}, {"WHEN", oracletok::RW_WHEN},
    {"WITHOUT", oracletok::RW_WITHOUT}, {"WORK", oracletok::RW_WORK}, {"WRITE", oracletok::RW_WRITE}, {"BULK", oracletok::RW_BULK},
    {"COLLECT", oracletok::RW_COLLECT}, {"DETERMINISTIC", oracletok::RW_DETERMINISTIC}, {"PARALLEL_ENABLE", oracletok::RW_PARALLEL_ENABLE}, {"INDICATOR", oracletok::RW_INDICATOR},
    {"ZONE", oracletok::RW_ZONE},
};

}  // namespace

TRkParserOracleSql::TRkParserOracleSql() { DialectCode = 1; }

const TRkYaccTables& TRkParserOracleSql::Tables() { return oracle::tables; }

bool TRkParserOracleSql::TokenName(int Code, std::string& Name) {
    return RkFindName(TokenNames, Code, Name);
}

bool TRkParserOracleSql::KeywordName(int Code, std::string& Name) {
    return RkFindName(KeywordNames, Code, Name);
}

int TRkParserOracleSql::NextToken() {
    return NextListToken();
}

// ---- Helpers of the grammar actions ------------------------------------

TRk_AnalyticFunction* TRkParserOracleSql::NewAnalytic() {
    // Kept in the pool like every other node (statement, vendor and parser
    // stay unset), so that it is freed with the parse.
    return Adopt(CreateNodeOfClass<TRk_AnalyticFunction>());
}

TRk_A_Const* TRkParserOracleSql::IntervalConst(uint8_t Kind, TSourceToken* Interval, TSourceToken* Value,
                                               TSourceToken* Unit, TRk_DummyNode* Precision,
                                               TRk_DummyNode* Qualifier) {
    auto* c = New<TRk_A_Const>();
    c->ConstKind = Kind;
    c->LeadingPrecision = Precision;
    c->TrailingQualifier = Qualifier;
    Tk(c, Interval, Value, Unit);
    AddOwnTokens(c, Precision);
    AddOwnTokens(c, Qualifier);
    return c;
}

TRk_CreateTableStmt* TRkParserOracleSql::NewCreateTable(TRk_DummyNode* Kind, TRk_Attr* Name) {
    auto* c = New<TRk_CreateTableStmt>();
    c->TableKind = Kind ? Kind->Int1 : 0;
    c->TableKindNode = Kind;
    c->TableName = Name;
    return c;
}

TRk_DummyNode* TRkParserOracleSql::Attr(int32_t Code, TSourceToken* T1, TSourceToken* T2, TSourceToken* T3) {
    TRk_DummyNode* h = KindNode(Code, T1, T2);
    h->Tok3 = T3;
    return h;
}

TRk_TypeName* TRkParserOracleSql::CharType(TRk_DummyNode* Word) {
    auto* t = New<TRk_TypeName>();
    t->TypeForm = static_cast<uint8_t>(Word->Int1);
    t->VaryingFlag = Word->Int2;
    AddOwnTokens(t, Word);
    return t;
}

TRk_DummyNode* TRkParserOracleSql::CharWord(int32_t Form, TSourceToken* T1, TSourceToken* T2,
                                            TRk_DummyNode* Varying) {
    auto* h = Holder();
    h->Int1 = Form;
    Tk(h, T1, T2);
    if (Varying) {
        h->Int2 = Varying->Int1;
        if (Varying->Int1 != -9999) Tk(h, Varying->Tok1);
    }
    return h;
}

void TRkParserOracleSql::Charset(TRk_TypeName* Type, TRk_DummyNode* Clause) {
    if (Clause == nullptr || Clause->Int1 == -9999) return;
    Type->CharsetCode = 0;
    Tk(Type, Clause->Tok1, Clause->Tok2, Clause->Tok3);
}

TRk_MergeStmt* TRkParserOracleSql::MakeMerge(TSourceToken* Merge, TSourceToken* Into, TRk_Attr* Target,
                                             TRk_Node* TargetAlias, TSourceToken* Using, TRk_Node* SourceAlias,
                                             TSourceToken* On, TSourceToken* Open, TRk_Node* Condition,
                                             TSourceToken* Close, TSourceToken* When1, TSourceToken* Matched1,
                                             TSourceToken* Then1, TRk_DummyNode* Update, TSourceToken* When2,
                                             TSourceToken* Not2, TSourceToken* Matched2, TSourceToken* Then2,
                                             TRk_DummyNode* Insert) {
    auto* m = New<TRk_MergeStmt>();
    m->MergeToken = Merge;
    m->IntoToken = Into;
    m->UsingToken = Using;
    m->OnToken = On;
    m->TargetTable = Target;
    m->TargetAlias = TargetAlias;
    m->SourceAlias = SourceAlias;
    m->OnPart->Tok1 = Open;
    m->OnPart->Sub1 = Condition;
    m->OnPart->Tok2 = Close;
    m->MatchedPart->Tok1 = When1;
    m->MatchedPart->Tok2 = Matched1;
    m->MatchedPart->Tok3 = Then1;
    m->MatchedPart->Sub1 = Update;
    m->NotMatchedPart->Tok1 = When2;
    m->NotMatchedPart->Tok2 = Not2;
    m->NotMatchedPart->Tok3 = Matched2;
    m->NotMatchedPart->Tok4 = Then2;
    m->NotMatchedPart->Sub1 = Insert;
    return m;
}
