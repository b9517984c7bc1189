#include "parse/mysql/rkyaccmysqlsql.h"

#include <algorithm>
#include <charconv>

#include "mysql_yacc.h"
#include "parse/mysql/mysqltokens.h"
#include "parse/rksqlconstraints.h"
#include "parse/rksqlqueries.h"

namespace {

// Names of characters, classes and some keywords for expected-token texts;
// searched from the first row.
const TRkNameRec TokenNames[] = {
    {"Identifier", mysqltok::IDENT}, {"Select", mysqltok::MY_SELECT}, {"Insert", mysqltok::MY_INSERT}, {"Update", mysqltok::MY_UPDATE},
    {"Delete", mysqltok::MY_DELETE}, {"From", mysqltok::MY_FROM}, {"Where", mysqltok::MY_WHERE}, {"Group", mysqltok::MY_GROUP},
    {"Having", mysqltok::MY_HAVING}, {"Order", mysqltok::MY_ORDER}, {"And", mysqltok::MY_AND}, {"Or", mysqltok::MY_OR},
    {"Not", mysqltok::MY_NOT}, {"Is", mysqltok::MY_IS}, {"Null", mysqltok::MY_NULL}, {"Distinct", mysqltok::MY_DISTINCT},
    {"Any", mysqltok::MY_ANY}, {"All", mysqltok::MY_ALL}, {"As", mysqltok::MY_AS}, {",", 44},
    {"By", mysqltok::MY_BY}, {"Asc", mysqltok::MY_ASC}, {"Desc", mysqltok::MY_DESC}, {"In", mysqltok::MY_IN},
    {"Like", mysqltok::MY_LIKE}, {"Minus", mysqltok::MY_MINUS}, {"Union", mysqltok::MY_UNION}, {"intersect", mysqltok::MY_INTERSECT},
    {"CREATE", mysqltok::MY_CREATE}, {"DROP", mysqltok::MY_DROP}, {"INDEX", mysqltok::MY_INDEX}, {"INTO", mysqltok::MY_INTO},
    {"JOIN", mysqltok::MY_JOIN}, {"CASCADE", mysqltok::MY_CASCADE}, {"UNIQUE", mysqltok::MY_UNIQUE}, {"ON", mysqltok::MY_ON},
    {"REVOKE", mysqltok::MY_REVOKE}, {"TABLE", mysqltok::MY_TABLE}, {"TRIGGER", mysqltok::MY_TRIGGER}, {"USER", mysqltok::MY_USER},
    {"VALUES", mysqltok::MY_VALUES}, {"CASE", mysqltok::MY_CASE}, {"CAST", mysqltok::MY_CAST}, {"CLOSE", mysqltok::MY_CLOSE},
    {"COMMIT", mysqltok::MY_COMMIT}, {"CONSTRAINT", mysqltok::MY_CONSTRAINT}, {"CONSTRAINTS", mysqltok::MY_CONSTRAINTS}, {"COUNT", mysqltok::MY_COUNT},
    {"CURSOR", mysqltok::MY_CURSOR}, {"FUNCTION", mysqltok::MY_FUNCTION}, {"OVERLAPS", mysqltok::OVERLAPS_WORD}, {"PACKAGE", mysqltok::MY_PACKAGE},
    {"PASSWORD", mysqltok::MY_PASSWORD}, {"SEQUENCE", mysqltok::MY_SEQUENCE}, {"TIMESTAMP", mysqltok::MY_TIMESTAMP}, {"TOP", mysqltok::MY_TOP},
    {"TRANSACTION", mysqltok::MY_TRANSACTION}, {"TRIGGERS", mysqltok::MY_TRIGGERS}, {"TRIM", mysqltok::MY_TRIM}, {"TRUNCATE", mysqltok::MY_TRUNCATE},
    {"TYPE", mysqltok::MY_TYPE}, {"(", 40}, {")", 41}, {"[", 91},
    {"]", 93}, {".", 46}, {":", 58}, {"-", 45},
    {"/", 47}, {"*", 42}, {"+", 43}, {"=", 61},
    {">", 62}, {"<", 60}, {"@", 64},
};

// Keywords named in expected-token texts, in this (unsorted) order.
const TRkNameRec KeywordNames[] = {
    {"ACCESS", mysqltok::MY_ACCESS}, {"ACTION", mysqltok::MY_ACTION}, {"ADD", mysqltok::MY_ADD},
    {"ALTER", mysqltok::MY_ALTER}, {"BETWEEN", mysqltok::MY_BETWEEN}, {"BYTE", mysqltok::MY_BYTE},
    {"CHAR", mysqltok::MY_CHAR}, {"CHECK", mysqltok::MY_CHECK}, {"COMMENT", mysqltok::MY_COMMENT},
    {"CONNECT", mysqltok::MY_CONNECT}, {"CONSTANT", mysqltok::MY_CONSTANT}, {"CROSS", mysqltok::MY_CROSS},
    {"CURRENT", mysqltok::MY_CURRENT}, {"DATE", mysqltok::MY_DATE}, {"DAY", mysqltok::MY_DAY},
    {"DECIMAL", mysqltok::MY_DECIMAL}, {"DEFAULT", mysqltok::MY_DEFAULT}, {"ELSE", mysqltok::MY_ELSE},
    {"ELSIF", mysqltok::MY_ELSIF}, {"EXISTS", mysqltok::MY_EXISTS}, {"EXIT", mysqltok::MY_EXIT},
    {"EXTRACT", mysqltok::MY_EXTRACT}, {"FILE", mysqltok::MY_FILE}, {"FIRST", mysqltok::MY_FIRST},
    {"FETCH", mysqltok::MY_FETCH}, {"FLOAT", mysqltok::MY_FLOAT}, {"FOR", mysqltok::MY_FOR},
    {"FOREIGN", mysqltok::MY_FOREIGN}, {"FORALL", mysqltok::MY_FORALL}, {"GRANT", mysqltok::MY_GRANT},
    {"GOTO", mysqltok::MY_GOTO}, {"IMMEDIATE", mysqltok::MY_IMMEDIATE}, {"INNER", mysqltok::MY_INNER},
    {"INT", mysqltok::MY_INT}, {"INTERVAL", mysqltok::MY_INTERVAL}, {"INCREMENT", mysqltok::MY_INCREMENT},
    {"INITIAL", mysqltok::MY_INITIAL}, {"INTEGER", mysqltok::MY_INTEGER}, {"LEVEL", mysqltok::MY_LEVEL},
    {"LEFT", mysqltok::MY_LEFT}, {"LOCK", mysqltok::MY_LOCK}, {"LONG", mysqltok::MY_LONG},
    {"LOOP", mysqltok::MY_LOOP}, {"MATCH", mysqltok::MY_MATCH}, {"MATCHED", mysqltok::MY_MATCHED},
    {"MAP", mysqltok::MY_MAP}, {"MODE", mysqltok::MY_MODE}, {"MODIFY", mysqltok::MY_MODIFY},
    {"MONITORING", mysqltok::MY_MONITORING}, {"MONTH", mysqltok::MY_MONTH}, {"NATURAL", mysqltok::MY_NATURAL},
    {"NATURALN", mysqltok::MY_NATURALN}, {"NOMONITORING", mysqltok::MY_NOMONITORING}, {"NOTHING", mysqltok::MY_NOTHING},
    {"NOWAIT", mysqltok::MY_NOWAIT}, {"NUMBER", mysqltok::MY_NUMBER}, {"OF", mysqltok::MY_OF},
    {"OTHERS", mysqltok::MY_OTHERS}, {"OPTION", mysqltok::MY_OPTION}, {"PARTIAL", mysqltok::MY_PARTIAL},
    {"PARTITION", mysqltok::PARTITION_WORD}, {"PRAGMA", mysqltok::MY_PRAGMA}, {"PRIOR", mysqltok::MY_PRIOR},
    {"PRIVILEGES", mysqltok::MY_PRIVILEGES}, {"PUBLIC", mysqltok::MY_PUBLIC}, {"RAW", mysqltok::MY_RAW},
    {"RAISE", mysqltok::MY_RAISE}, {"RIGHT", mysqltok::MY_RIGHT}, {"RENAME", mysqltok::MY_RENAME},
    {"REVERSE", mysqltok::MY_REVERSE}, {"RECORD", mysqltok::MY_RECORD}, {"ROW", mysqltok::MY_ROW},
    {"ROWTYPE", mysqltok::MY_ROWTYPE}, {"ROWCOUNT", mysqltok::MY_ROWCOUNT}, {"ROWNUM", mysqltok::MY_ROWNUM},
    {"SECOND", mysqltok::MY_SECOND}, {"SHARE", mysqltok::MY_SHARE}, {"SERIALLY_REUSABLE", mysqltok::MY_SERIALLY_REUSABLE},
    {"SESSION", mysqltok::MY_SESSION}, {"SET", mysqltok::MY_SET}, {"SIZE", mysqltok::MY_SIZE},
    {"START", mysqltok::MY_START}, {"SMALLINT", mysqltok::MY_SMALLINT}, {"SUCCESSFUL", mysqltok::MY_SUCCESSFUL},
    {"SYNONYM", mysqltok::MY_SYNONYM}, {"SYSDATE", mysqltok::MY_SYSDATE}, {"TIES", mysqltok::MY_TIES},
    {"THEN", mysqltok::MY_THEN}, {"TO", mysqltok::MY_TO}, {"UID", mysqltok::MY_UID},
    {"VALIDATE", mysqltok::MY_VALIDATE}, {"VARCHAR", mysqltok::MY_VARCHAR}, {"VARCHAR2", mysqltok::MY_VARCHAR2},
    {"VIEW", mysqltok::MY_VIEW}, {"WAIT", mysqltok::MY_WAIT}, {"WHENEVER", mysqltok::MY_WHENEVER},
    {"WHILE", mysqltok::MY_WHILE}, {"WITH", mysqltok::MY_WITH}, {"YEAR", mysqltok::MY_YEAR},
    {"ACCOUNT", mysqltok::MY_ACCOUNT}, {"AFTER", mysqltok::MY_AFTER}, {"ARRAY", mysqltok::MY_ARRAY},
    {"AT", mysqltok::MY_AT}, {"BEFORE", mysqltok::MY_BEFORE}, {"BEGIN", mysqltok::MY_BEGIN},
    {"BFILE", mysqltok::MY_BFILE}, {"BITMAP", mysqltok::MY_BITMAP}, {"BINARY_INTEGER", mysqltok::MY_BINARY_INTEGER},
    {"BLOB", mysqltok::MY_BLOB}, {"BLOCK", mysqltok::MY_BLOCK}, {"BODY", mysqltok::MY_BODY},
    {"BOTH", mysqltok::MY_BOTH}, {"BOOLEAN", mysqltok::MY_BOOLEAN}, {"CACHE", mysqltok::MY_CACHE},
    {"CHAINED", mysqltok::MY_CHAINED}, {"CHARACTER", mysqltok::MY_CHARACTER}, {"CHECKPOINT", mysqltok::MY_CHECKPOINT},
    {"CLOB", mysqltok::MY_CLOB}, {"COMMITTED", mysqltok::MY_COMMITTED}, {"COST", mysqltok::MY_COST},
    {"CYCLE", mysqltok::MY_CYCLE}, {"DATABASE", mysqltok::MY_DATABASE}, {"DEC", mysqltok::MY_DEC},
    {"DECLARE", mysqltok::MY_DECLARE}, {"DECODE", mysqltok::MY_DECODE}, {"DEFERRABLE", mysqltok::MY_DEFERRABLE},
    {"DEFERRED", mysqltok::MY_DEFERRED}, {"DOUBLE", mysqltok::MY_DOUBLE}, {"DUMP", mysqltok::MY_DUMP},
    {"EACH", mysqltok::MY_EACH}, {"END", mysqltok::MY_END}, {"ESCAPE", mysqltok::MY_ESCAPE},
    {"EXCEPT", mysqltok::MY_EXCEPT}, {"EXCEPTION", mysqltok::MY_EXCEPTION}, {"EXECUTE", mysqltok::MY_EXECUTE},
    {"EXPLAIN", mysqltok::MY_EXPLAIN}, {"EXTEND", mysqltok::MY_EXTEND}, {"EXTERNALLY", mysqltok::MY_EXTERNALLY},
    {"FORCE", mysqltok::MY_FORCE}, {"FULL", mysqltok::MY_FULL}, {"GLOBAL", mysqltok::MY_GLOBAL},
    {"GLOBALLY", mysqltok::MY_GLOBALLY}, {"GLOBAL_NAME", mysqltok::MY_GLOBAL_NAME}, {"HOUR", mysqltok::MY_HOUR},
    {"IF", mysqltok::MY_IF}, {"INSTEAD", mysqltok::MY_INSTEAD}, {"ISOLATION", mysqltok::MY_ISOLATION},
    {"ISOPEN", mysqltok::MY_ISOPEN}, {"KEY", mysqltok::MY_KEY}, {"LAST", mysqltok::MY_LAST},
    {"LEADING", mysqltok::MY_LEADING}, {"LOB", mysqltok::MY_LOB}, {"LOCAL", mysqltok::MY_LOCAL},
    {"LOCATOR", mysqltok::MY_LOCATOR}, {"LOG", mysqltok::MY_LOG}, {"MAX", mysqltok::MY_MAX},
    {"MAXVALUE", mysqltok::MY_MAXVALUE}, {"MEMBER", mysqltok::MY_MEMBER}, {"MERGE", mysqltok::MY_MERGE},
    {"MIN", mysqltok::MY_MIN}, {"MINUTE", mysqltok::MY_MINUTE}, {"MINVALUE", mysqltok::MY_MINVALUE},
    {"MOVE", mysqltok::MY_MOVE}, {"MOVEMENT", mysqltok::MY_MOVEMENT}, {"NATIONAL", mysqltok::MY_NATIONAL},
    {"NCHAR", mysqltok::MY_NCHAR}, {"NCLOB", mysqltok::MY_NCLOB}, {"NESTED", mysqltok::MY_NESTED},
    {"NO", mysqltok::MY_NO}, {"NOCACHE", mysqltok::MY_NOCACHE}, {"NOCYCLE", mysqltok::MY_NOCYCLE},
    {"NOFORCE", mysqltok::MY_NOFORCE}, {"NOMAXVALUE", mysqltok::MY_NOMAXVALUE}, {"NOMINVALUE", mysqltok::MY_NOMINVALUE},
    {"NOORDER", mysqltok::MY_NOORDER}, {"NORELY", mysqltok::MY_NORELY}, {"NOTFOUND", mysqltok::MY_NOTFOUND},
    {"FOUND", mysqltok::MY_FOUND}, {"NUMERIC", mysqltok::MY_NUMERIC}, {"NVARCHAR2", mysqltok::MY_NVARCHAR2},
    {"OBJECT", mysqltok::MY_OBJECT}, {"ONLY", mysqltok::MY_ONLY}, {"OPEN", mysqltok::MY_OPEN},
    {"OUT", mysqltok::MY_OUT}, {"OUTER", mysqltok::MY_OUTER}, {"PERCENT", mysqltok::MY_PERCENT},
    {"PLS_INTEGER", mysqltok::MY_PLS_INTEGER}, {"POSITIVE", mysqltok::MY_POSITIVE}, {"POSITIVEN", mysqltok::MY_POSITIVEN},
    {"PRECISION", mysqltok::MY_PRECISION}, {"PRIMARY", mysqltok::MY_PRIMARY}, {"PROCEDURE", mysqltok::MY_PROCEDURE},
    {"PURGE", mysqltok::MY_PURGE}, {"READ", mysqltok::MY_READ}, {"REAL", mysqltok::MY_REAL},
    {"REF", mysqltok::MY_REF}, {"REFERENCES", mysqltok::MY_REFERENCES}, {"REPLACE", mysqltok::MY_REPLACE},
    {"RESET", mysqltok::MY_RESET}, {"RESTRICT", mysqltok::MY_RESTRICT}, {"RESTRICTED", mysqltok::MY_RESTRICTED},
    {"RESTRICT_REFERENCES", mysqltok::MY_RESTRICT_REFERENCES}, {"RETURN", mysqltok::MY_RETURN}, {"RETURNING", mysqltok::MY_RETURNING},
    {"ROLE", mysqltok::MY_ROLE}, {"ROLES", mysqltok::MY_ROLES}, {"ROLLBACK", mysqltok::MY_ROLLBACK},
    {"ROWLABEL", mysqltok::MY_ROWLABEL}, {"RULE", mysqltok::MY_RULE}, {"SAVEPOINT", mysqltok::MY_SAVEPOINT},
    {"SCHEMA", mysqltok::MY_SCHEMA}, {"SERIALIZABLE", mysqltok::MY_SERIALIZABLE}, {"SNAPSHOT", mysqltok::MY_SNAPSHOT},
    {"SOME", mysqltok::MY_SOME}, {"SORT", mysqltok::MY_SORT}, {"SQL", mysqltok::MY_SQL},
    {"SQLCODE", mysqltok::MY_SQLCODE}, {"SQLERROR", mysqltok::MY_SQLERROR}, {"SQLERRM", mysqltok::MY_SQLERRM},
    {"STATISTICS", mysqltok::MY_STATISTICS}, {"STORE", mysqltok::MY_STORE}, {"SUBTYPE", mysqltok::MY_SUBTYPE},
    {"SUM", mysqltok::MY_SUM}, {"TEMPORARY", mysqltok::MY_TEMPORARY}, {"TIME", mysqltok::MY_TIME},
    {"TRAILING", mysqltok::MY_TRAILING}, {"TYPECAST", mysqltok::TYPECAST_WORD}, {"UNTIL", mysqltok::MY_UNTIL},
    {"USAGE", mysqltok::MY_USAGE}, {"USE", mysqltok::MY_USE}, {"USING", mysqltok::MY_USING},
    {"UROWID", mysqltok::MY_UROWID}, {"VALUE", mysqltok::MY_VALUE}, {"VARRAY", mysqltok::MY_VARRAY},
    {"VARYING", mysqltok::MY_VARYING}, {"WHEN", mysqltok::MY_WHEN}, {"WITHOUT", mysqltok::MY_WITHOUT},
    {"WORK", mysqltok::MY_WORK}, {"WRITE", mysqltok::MY_WRITE}, {"BULK", mysqltok::MY_BULK},
    {"COLLECT", mysqltok::MY_COLLECT}, {"INDICATOR", mysqltok::INDICATOR_WORD}, {"ZONE", mysqltok::MY_ZONE},
};

}  // namespace

TRkParserMySQLSql::TRkParserMySQLSql() { DialectCode = 7; }

const TRkYaccTables& TRkParserMySQLSql::Tables() { return mysql::tables; }

bool TRkParserMySQLSql::TokenName(int Code, std::string& Name) {
    return RkFindName(TokenNames, Code, Name);
}

bool TRkParserMySQLSql::KeywordName(int Code, std::string& Name) {
    return RkFindName(KeywordNames, Code, Name);
}

int TRkParserMySQLSql::NextToken() {
    // A ":name" reaches the grammar as an identifier.
    return NextListToken(mysqltok::BIND_NAME, mysqltok::IDENT);
}

// ---- Helpers of the grammar actions ------------------------------------




TRk_TypeName* TRkParserMySQLSql::TypeName(uint8_t Form, TSourceToken* Keyword, TRk_DummyNode* Params,
                                          TSourceToken* Unsigned, TSourceToken* Zerofill) {
    auto* t = New<TRk_TypeName>();
    t->TypeForm = Form;
    t->TypeNameToken = Keyword;
    Tk(t, Keyword);
    if (Params) {
        t->Param1 = Params->Int1;
        AddOwnTokens(t, Params);
    }
    Tk(t, Unsigned, Zerofill);
    return t;
}

TRk_CreateTableStmt* TRkParserMySQLSql::CreateTable(TSourceToken* Create, TRk_DummyNode* Temp, TSourceToken* Table,
                                                    TRk_DummyNode* IfNotExists, TRk_Attr* Name) {
    auto* c = New<TRk_CreateTableStmt>();
    c->TableKind = Temp ? static_cast<uint8_t>(Temp->Int1 & 0xFF) : 0;
    c->TableKindNode = Temp;
    c->IfNotExists = IfNotExists;
    c->TableName = Name;
    Tk(c, Create, Table);
    return c;
}

void TRkParserMySQLSql::CreateQuery(TRk_CreateTableStmt* C, TRk_DummyNode* Query) {
    C->QueryPrefix = Query;
    if (Query) C->Query = Query->Sub1;
}

TRk_DummyNode* TRkParserMySQLSql::QueryPart(TRk_Node* Query, int32_t Mode, int32_t As, TSourceToken* T1,
                                            TSourceToken* T2) {
    auto* h = Holder();
    h->Sub1 = Query;
    h->Int1 = Mode;
    h->Int2 = As;
    Tk(h, T1, T2);
    return h;
}

TRk_DummyNode* TRkParserMySQLSql::TableOption(TSourceToken* Keyword, TSourceToken* Equal, TSourceToken* Value) {
    auto* h = Holder();
    Tk(h, Keyword, Equal, Value);
    return h;
}

TRk_DummyNode* TRkParserMySQLSql::CheckOption(int32_t Kind, TSourceToken* T1, TSourceToken* T2, TSourceToken* T3,
                                              TSourceToken* Constraint, TSourceToken* Name) {
    auto* h = Holder();
    h->Int1 = Kind;
    h->Str1Token = Name;
    Tk(h, T1, T2, T3, Constraint, Name);
    return h;
}

TRkAlterTableOption* TRkParserMySQLSql::AlterOption(uint8_t Kind, TSourceToken* Add) {
    auto* o = New<TRkAlterTableOption>();
    o->Kind = Kind;
    Tk(o, Add);
    return o;
}

TRk_SelectLimitClause* TRkParserMySQLSql::Limit(TSourceToken* Keyword) {
    // Its statement, vendor and parser links stay unset; the pool frees it
    // with the rest of the parse.
    auto* l = Adopt(CreateNodeOfClass<TRk_SelectLimitClause>());
    l->LimitKeyword = Keyword;
    return l;
}

TRkTopClause* TRkParserMySQLSql::Top(TSourceToken* Number, bool Percent, bool WithTies) {
    auto* t = New<TRkTopClause>();
    t->NumberToken = Number;
    t->Setpercent(Percent ? 1 : 0);
    t->Setwithties(WithTies ? 1 : 0);
    return t;
}
