#include "parse/oracle/rkyaccoracleplsql.h"

#include <algorithm>

#include "oracle_plsql_yacc.h"
#include "parse/oracle/rkyaccoraclesql.h"
#include "statementstructure/sqlstatement.h"

namespace {

struct TPlsqlKeyword {
    const char* Text;
    int Code;
};

// The words that stay keywords inside PL/SQL code, in the order of the
// case-insensitive comparison ("_" before letters).  Only membership is
// read; the codes are the Oracle scanner's for the same word.
const TPlsqlKeyword PlsqlKeywords[] = {
    {"ADD", oracletok::RW_ADD}, {"AFTER", oracletok::RW_AFTER}, {"ALL", oracletok::RW_ALL},
    {"ALTER", oracletok::RW_ALTER}, {"AND", oracletok::RW_AND}, {"ANY", oracletok::RW_ANY},
    {"ARRAY", oracletok::RW_ARRAY}, {"AS", oracletok::RW_AS}, {"ASC", oracletok::RW_ASC},
    {"ASSOCIATE", oracletok::RW_ASSOCIATE}, {"AT", oracletok::RW_AT}, {"BEFORE", oracletok::RW_BEFORE},
    {"BEGIN", oracletok::RW_BEGIN}, {"BETWEEN", oracletok::RW_BETWEEN}, {"BFILE", oracletok::RW_BFILE},
    {"BINARY_INTEGER", oracletok::RW_BINARY_INTEGER}, {"BLOB", oracletok::RW_BLOB},
    {"BODY", oracletok::RW_BODY}, {"BOOLEAN", oracletok::RW_BOOLEAN}, {"BOTH", oracletok::RW_BOTH},
    {"BULK", oracletok::RW_BULK}, {"BY", oracletok::RW_BY}, {"BYTE", oracletok::RW_BYTE},
    {"CALL", oracletok::RW_CALL}, {"CASE", oracletok::RW_CASE}, {"CHAR", oracletok::RW_CHAR},
    {"CHARACTER", oracletok::RW_CHARACTER}, {"CHECK", oracletok::RW_CHECK}, {"CLOB", oracletok::RW_CLOB},
    {"CLOSE", oracletok::RW_CLOSE}, {"CLUSTER", oracletok::RW_CLUSTER}, {"COALESCE", oracletok::RW_COALESCE},
    {"COLLATE", oracletok::RW_COLLATE}, {"COLLECT", oracletok::RW_COLLECT},
    {"COMMENT", oracletok::RW_COMMENT}, {"COMMIT", oracletok::RW_COMMIT},
    {"COMPRESS", oracletok::RW_COMPRESS}, {"CONNECT", oracletok::RW_CONNECT},
    {"CONSTANT", oracletok::RW_CONSTANT}, {"CREATE", oracletok::RW_CREATE},
    {"CURRENT", oracletok::RW_CURRENT}, {"CURSOR", oracletok::RW_CURSOR},
    {"DATABASE", oracletok::RW_DATABASE}, {"DATE", oracletok::RW_DATE}, {"DAY", oracletok::RW_DAY},
    {"DDL", oracletok::RW_DDL}, {"DEC", oracletok::RW_DEC}, {"DECIMAL", oracletok::RW_DECIMAL},
    {"DECLARE", oracletok::RW_DECLARE}, {"DEFAULT", oracletok::RW_DEFAULT}, {"DELETE", oracletok::RW_DELETE},
    {"DESC", oracletok::RW_DESC}, {"DETERMINISTIC", oracletok::RW_DETERMINISTIC},
    {"DISASSOCIATE", oracletok::RW_DISASSOCIATE}, {"DISTINCT", oracletok::RW_DISTINCT},
    {"DOUBLE", oracletok::RW_DOUBLE}, {"DROP", oracletok::RW_DROP}, {"EACH", oracletok::RW_EACH},
    {"ELSE", oracletok::RW_ELSE}, {"ELSIF", oracletok::RW_ELSIF}, {"END", oracletok::RW_END},
    {"ESCAPE", oracletok::RW_ESCAPE}, {"EXCEPTION", oracletok::RW_EXCEPTION},
    {"EXCEPTION_INIT", oracletok::RW_EXCEPTION_INIT}, {"EXECUTE", oracletok::RW_EXECUTE},
    {"EXISTS", oracletok::RW_EXISTS}, {"EXIT", oracletok::RW_EXIT}, {"EXTRACT", oracletok::RW_EXTRACT},
    {"FALSE", oracletok::RW_FALSE}, {"FETCH", oracletok::RW_FETCH}, {"FLOAT", oracletok::RW_FLOAT},
    {"FOR", oracletok::RW_FOR}, {"FORALL", oracletok::RW_FORALL}, {"FORCE", oracletok::RW_FORCE},
    {"FOUND", oracletok::RW_FOUND}, {"FROM", oracletok::RW_FROM}, {"FUNCTION", oracletok::RW_FUNCTION},
    {"GOTO", oracletok::RW_GOTO}, {"GROUP", oracletok::RW_GROUP}, {"HAVING", oracletok::RW_HAVING},
    {"HEAP", oracletok::RW_HEAP}, {"HOUR", oracletok::RW_HOUR}, {"IF", oracletok::RW_IF},
    {"IMMEDIATE", oracletok::RW_IMMEDIATE}, {"IN", oracletok::RW_IN}, {"INDEX", oracletok::RW_INDEX},
    {"INDICATOR", oracletok::RW_INDICATOR}, {"INSERT", oracletok::RW_INSERT},
    {"INSTEAD", oracletok::RW_INSTEAD}, {"INT", oracletok::RW_INT}, {"INTEGER", oracletok::RW_INTEGER},
    {"INTERSECT", oracletok::RW_INTERSECT}, {"INTERVAL", oracletok::RW_INTERVAL},
    {"INTO", oracletok::RW_INTO}, {"IS", oracletok::RW_IS}, {"ISOLATION", oracletok::RW_ISOLATION},
    {"ISOPEN", oracletok::RW_ISOPEN}, {"LEVEL", oracletok::RW_LEVEL}, {"LIKE", oracletok::RW_LIKE},
    {"LOCAL", oracletok::RW_LOCAL}, {"LOCK", oracletok::RW_LOCK}, {"LONG", oracletok::RW_LONG},
    {"LOOP", oracletok::RW_LOOP}, {"MAX", oracletok::RW_MAX}, {"MEMBER", oracletok::RW_MEMBER},
    {"MIN", oracletok::RW_MIN}, {"MINUTE", oracletok::RW_MINUTE}, {"MODE", oracletok::RW_MODE},
    {"MONTH", oracletok::RW_MONTH}, {"NATIONAL", oracletok::RW_NATIONAL}, {"NATURAL", oracletok::RW_NATURAL},
    {"NATURALN", oracletok::RW_NATURALN}, {"NCHAR", oracletok::RW_NCHAR}, {"NOT", oracletok::RW_NOT},
    {"NOTFOUND", oracletok::RW_NOTFOUND}, {"NOWAIT", oracletok::RW_NOWAIT}, {"NULL", oracletok::RW_NULL},
    {"NUMBER", oracletok::RW_NUMBER}, {"NUMERIC", oracletok::RW_NUMERIC},
    {"NVARCHAR2", oracletok::RW_NVARCHAR2}, {"OBJECT", oracletok::RW_OBJECT}, {"OF", oracletok::RW_OF},
    {"ON", oracletok::RW_ON}, {"ONLY", oracletok::RW_ONLY}, {"OPEN", oracletok::RW_OPEN},
    {"OPTION", oracletok::RW_OPTION}, {"OR", oracletok::RW_OR}, {"ORDER", oracletok::RW_ORDER},
    {"ORGANIZATION", oracletok::RW_ORGANIZATION}, {"OTHERS", oracletok::RW_OTHERS},
    {"OUT", oracletok::RW_OUT}, {"OVER", oracletok::RW_OVER}, {"OVERLAPS", oracletok::RW_OVERLAPS},
    {"PACKAGE", oracletok::RW_PACKAGE}, {"PARALLEL_ENABLE", oracletok::RW_PARALLEL_ENABLE},
    {"PARTITION", oracletok::RW_PARTITION}, {"PCTFREE", oracletok::RW_PCTFREE},
    {"PLS_INTEGER", oracletok::RW_PLS_INTEGER}, {"POSITIVE", oracletok::RW_POSITIVE},
    {"POSITIVEN", oracletok::RW_POSITIVEN}, {"PRAGMA", oracletok::RW_PRAGMA},
    {"PRECISION", oracletok::RW_PRECISION}, {"PRIOR", oracletok::RW_PRIOR},
    {"PRIVATE", oracletok::RW_PRIVATE}, {"PROCEDURE", oracletok::RW_PROCEDURE},
    {"PUBLIC", oracletok::RW_PUBLIC}, {"RAISE", oracletok::RW_RAISE}, {"RANGE", oracletok::RW_RANGE},
    {"RAW", oracletok::RW_RAW}, {"REAL", oracletok::RW_REAL}, {"RECORD", oracletok::RW_RECORD},
    {"REF", oracletok::RW_REF}, {"REPLACE", oracletok::RW_REPLACE},
    {"RESTRICT_REFERENCES", oracletok::RW_RESTRICT_REFERENCES}, {"RETURN", oracletok::RW_RETURN},
    {"RETURNING", oracletok::RW_RETURNING}, {"REVERSE", oracletok::RW_REVERSE},
    {"ROLLBACK", oracletok::RW_ROLLBACK}, {"ROW", oracletok::RW_ROW}, {"ROWCOUNT", oracletok::RW_ROWCOUNT},
    {"ROWID", oracletok::RW_ROWID}, {"ROWNUM", oracletok::RW_ROWNUM}, {"ROWTYPE", oracletok::RW_ROWTYPE},
    {"SAVEPOINT", oracletok::RW_SAVEPOINT}, {"SCHEMA", oracletok::RW_SCHEMA},
    {"SECOND", oracletok::RW_SECOND}, {"SELECT", oracletok::RW_SELECT},
    {"SERIALLY_REUSABLE", oracletok::RW_SERIALLY_REUSABLE}, {"SET", oracletok::RW_SET},
    {"SHARE", oracletok::RW_SHARE}, {"SMALLINT", oracletok::RW_SMALLINT}, {"SOME", oracletok::RW_SOME},
    {"SQL", oracletok::RW_SQL}, {"SQLCODE", oracletok::RW_SQLCODE}, {"SQLERRM", oracletok::RW_SQLERRM},
    {"START", oracletok::RW_START}, {"SUBTYPE", oracletok::RW_SUBTYPE},
    {"SUCCESSFUL", oracletok::RW_SUCCESSFUL}, {"SUM", oracletok::RW_SUM}, {"SYNONYM", oracletok::RW_SYNONYM},
    {"TABLE", oracletok::RW_TABLE}, {"THEN", oracletok::RW_THEN}, {"TIME", oracletok::RW_TIME},
    {"TIMESTAMP", oracletok::RW_TIMESTAMP}, {"TO", oracletok::RW_TO}, {"TOP", oracletok::RW_TOP},
    {"TRAILING", oracletok::RW_TRAILING}, {"TRANSACTION", oracletok::RW_TRANSACTION},
    {"TRIGGER", oracletok::RW_TRIGGER}, {"TRIGGERS", oracletok::RW_TRIGGERS}, {"TRUE", oracletok::RW_TRUE},
    {"TYPE", oracletok::RW_TYPE}, {"TYPECAST", oracletok::RW_TYPECAST}, {"UPDATE", oracletok::RW_UPDATE},
    {"UROWID", oracletok::RW_UROWID}, {"USING", oracletok::RW_USING}, {"VARCHAR", oracletok::RW_VARCHAR},
    {"VARCHAR2", oracletok::RW_VARCHAR2}, {"VARRAY", oracletok::RW_VARRAY},
    {"VARYING", oracletok::RW_VARYING}, {"WHEN", oracletok::RW_WHEN}, {"WHILE", oracletok::RW_WHILE},
    {"WITH", oracletok::RW_WITH}, {"WITHOUT", oracletok::RW_WITHOUT}, {"YEAR", oracletok::RW_YEAR},
    {"ZONE", oracletok::RW_ZONE},
};

constexpr int PlsqlKeywordTotal = static_cast<int>(sizeof(PlsqlKeywords) / sizeof(PlsqlKeywords[0]));

// ASCII lower-case comparison, byte by byte.
int CompareNoCase(std::string_view A, const char* B) {
    for (std::size_t i = 0;; ++i) {
        const unsigned char b = static_cast<unsigned char>(B[i]);
        if (i == A.size()) return b == 0 ? 0 : -1;
        if (b == 0) return 1;
        unsigned char a = static_cast<unsigned char>(A[i]);
        const unsigned char lb = (b >= 'A' && b <= 'Z') ? static_cast<unsigned char>(b + 32) : b;
        if (a >= 'A' && a <= 'Z') a = static_cast<unsigned char>(a + 32);
        if (a != lb) return a < lb ? -1 : 1;
    }
}

}  // namespace

TRkParserOraclePlsql::TRkParserOraclePlsql() { DialectCode = PlsqlDialectCode; }

const TRkYaccTables& TRkParserOraclePlsql::Tables() { return oracleplsql::tables; }

// The PL/SQL name tables are the Oracle SQL parser's, row for row.
bool TRkParserOraclePlsql::TokenName(int Code, std::string& Name) {
    return TRkParserOracleSql::TokenName(Code, Name);
}

bool TRkParserOraclePlsql::KeywordName(int Code, std::string& Name) {
    return TRkParserOracleSql::KeywordName(Code, Name);
}

int TRkParserOraclePlsql::PlsqlKeywordSearch(int Lo, int Hi, std::string_view Text, int& Code) {
    Lo = std::max(Lo, 0);
    Hi = std::min(Hi, PlsqlKeywordTotal - 1);
    while (Lo <= Hi) {
        const int mid = (Lo + Hi) / 2;
        const int c = CompareNoCase(Text, PlsqlKeywords[mid].Text);
        if (c == 0) {
            Code = PlsqlKeywords[mid].Code;
            return 0;
        }
        if (c > 0) Lo = mid + 1;
        else Hi = mid - 1;
    }
    return -1;
}

bool TRkParserOraclePlsql::IsPlsqlKeyword(std::string_view Text, int& Code) {
    return PlsqlKeywordSearch(0, PlsqlKeywordTotal - 1, Text, Code) == 0;
}

int TRkParserOraclePlsql::PlsqlKeywordCount() { return PlsqlKeywordTotal; }

const char* TRkParserOraclePlsql::PlsqlKeywordText(int I) {
    return I >= 0 && I < PlsqlKeywordTotal ? PlsqlKeywords[I].Text : "";
}

int TRkParserOraclePlsql::NextToken(bool SkipBlanks) {
    if (!TokenList) return 0;
    TSourceToken* t = GetNextToken(SkipBlanks);
    if (t == nullptr || t->TokenCode == 0) return 0;
    CurToken = t;
    // A token demoted by an earlier parse of the same list gets its keyword
    // code back first, so that parsing again demotes it the same way.
    if (t->TokenCode == tcIdent && t->GetOriginalCode() != 0 && t->TokenType == ttKeyword) t->TokenCode = t->GetOriginalCode();
    t->SetOriginalCode(0);
    int code = 0;
    if (t->TokenType == ttKeyword && !IsPlsqlKeyword(t->GetText(), code)) {
        t->SetOriginalCode(t->TokenCode);
        t->TokenCode = tcIdent;
    }
    yylval.token(t);
    return t->TokenCode;
}

void TRkParserOraclePlsql::CollectStatementTokens(TCustomSqlStatement* Statement) {
    int depth = 0;
    for (;;) {
        if (NextToken(false) <= 0) break;   // out of tokens: LastTokenIndex stays
        TSourceToken* t = CurToken;
        // The Oracle SQL grammar reads the statement later: keywords are
        // keywords again.
        if (t->GetOriginalCode() != 0 && t->TokenCode == tcIdent) t->TokenCode = t->GetOriginalCode();
        if (t->TokenType == ttLeftParen) ++depth;
        else if (t->TokenType == ttRightParen) --depth;
        if (depth < 0) {
            // Closes a bracket opened before the statement: the grammar
            // reads it next.
            --TokenPos;
            LastTokenIndex = TokenPos - 1;
            break;
        }
        Statement->SourceTokens->Add(t);
        if (t->TokenType == ttSemicolon) {
            Statement->TrailingToken = t;
            LastTokenIndex = TokenPos - 1;
            break;
        }
    }
}

TRk_Node* TRkParserOraclePlsql::EmbeddedStatement(std::unique_ptr<TCustomSqlStatement> Statement,
                                                  TSourceToken* Keyword) {
    TCustomSqlStatement* s = Statement.get();
    s->SetParentStatement(CurStatement);
    s->SourceTokens->Add(Keyword);
    if (CurStatement) {
        CurStatement->SubStatements.push_back(std::move(Statement));
    } else {
        // No owning statement (a parser driven on its own): the pool keeps it.
        Adopt(std::move(Statement));
    }
    CollectStatementTokens(s);
    return s;
}

std::string TRkParserOraclePlsql::ExpectedTokens(int State) {
    return RkExpectedTokenText(Tables(), State, static_cast<size_t>(MaxExpectedNames), false, &TokenName,
                               &KeywordName);
}

void TRkParserOraclePlsql::ReportSyntaxError(int State, int Lookahead) {
    (void)Lookahead;
    if (!SyntaxErrorCallback) return;
    // At the end of the input this is the end token: no text, line and
    // column -1.
    SyntaxErrorCallback(1, ExpectedTokens(State), CurToken ? std::string(CurToken->GetText()) : std::string(),
                        CurToken ? CurToken->Line : -1, CurToken ? CurToken->Column : -1);
}

int TRkParserOraclePlsql::yyparse() {
    if (Prologue() == -1) return 1;
    const TRkYaccTables& t = Tables();
    LastTokenIndex = 0;
    ResumeIndex = 0;
    RecoveryToken = nullptr;
    ErrorSemicolon = nullptr;
    int state = 0;
    bool report = true;   // at most one report per shifted token
    yychar = -1;
    yyerrflag = 0;
    yyflag = 0;
    yysp = 0;
    yyval = oracleplsqlYYSType{};
    yylval = oracleplsqlYYSType{};
    if (yys.size() < static_cast<std::size_t>(InitialStackSize)) {
        yys.resize(InitialStackSize);
        yyv.resize(InitialStackSize);
    }
    yyConsumed.resize(yys.size());

    // Reduces by Rule: 0 go on, 1 accept, 2 fail.
    auto reduce = [&](int Rule) {
        yyflag = 0;
        if (!PassOn(Rule, t)) yyaction(Rule);
        yysp -= t.yyr[Rule].len;
        int16_t target = 0;
        if (yysp >= 1 && yygoto(yys[static_cast<std::size_t>(yysp)], t.yyr[Rule].sym, target)) state = target;
        if (yyflag == 1) return 1;
        if (yyflag == 2 || yyflag == 3) {
            // An action gave up (an expression nested too deep): never a
            // silent failure.
            ReportFatalError(ErrorMessage.empty() ? std::string("yyparse aborted") : ErrorMessage);
            return 2;
        }
        return 0;
    };

    for (;;) {
        if (yysp + 1 >= MaxStackDepth) {
            ReportFatalError("yyparse stack overflow");
            return 1;
        }
        ++yysp;
        if (static_cast<std::size_t>(yysp) >= yys.size()) {
            yys.resize(yys.size() * 2);
            yyv.resize(yyv.size() * 2);
            yyConsumed.resize(yys.size());
        }
        yys[static_cast<std::size_t>(yysp)] = static_cast<int16_t>(state);
        yyv[static_cast<std::size_t>(yysp)] = yyval;
        yyConsumed[static_cast<std::size_t>(yysp)] = LastTokenIndex;

        // Comments, blanks and line breaks are passed over; a SQL*Plus
        // command token is not, so it is a syntax error.
        if (t.yyd[state] == 0 && yychar == -1) {
            do {
                yychar = NextToken(true);
                if (yychar < 0) yychar = 0;
            } while (yychar >= tcBlockComment && yychar <= tcLineBreak);
            if (yychar == 0) {
                yylval.token(MakeEndToken());
                CurToken = yylval.token();
            }
        }
        int16_t act = 0;
        int rule = 0;
        if (t.yyd[state] != 0) {
            rule = -t.yyd[state];
        } else if (yychar != tcError && yyact(state, yychar, act)) {
            // (An error token in the input, a literal the scanner found open
            // at the end, is a syntax error, never the recovery's own token.)
            if (act == 0) return 0;
            if (act > 0) {
                report = true;
                state = act;
                yychar = -1;
                yyval = yylval;
                LastTokenIndex = TokenPos - 1;
                continue;
            }
            rule = -act;
        } else if (yyact(state, ';', act) && act < 0) {
            // A construct left open by a missing ";" is reduced as far as it
            // goes before anything is reported.
            rule = -act;
        } else {
            if (report) {
                ReportSyntaxError(state, yychar);
                report = false;
            }
            while (yysp > 0 && !(yyact(yys[static_cast<std::size_t>(yysp)], tcError, act) && act > 0)) --yysp;
            if (yysp <= 0) return 1;
            ErrorSemicolon = yychar == ';' ? CurToken : nullptr;
            // The skipped construct starts after what the state kept, so it
            // holds every token that the popped states had shifted and
            // nothing of the enclosing header.
            ResumeIndex = yyConsumed[static_cast<std::size_t>(yysp)] + 1;
            // Shift the error token; the offending token is dropped.
            state = act;
            yychar = -1;
            continue;
        }
        const int r = reduce(rule);
        if (r == 1) return 0;
        if (r == 2) return 1;
    }
}
