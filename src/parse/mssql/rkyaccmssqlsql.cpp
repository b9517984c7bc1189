#include "parse/mssql/rkyaccmssqlsql.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <limits>

#include "mssql_yacc.h"
#include "parse/mssql/mssqlsqlstatement.h"

using namespace mssqltok;

namespace {

constexpr int kInitialStackSize = 64;
// Stack entries that recovery leaves free above the state it pops to: the
// error statement and the reductions after it need a few.
constexpr int kRecoveryRoom = 8;
constexpr int kMaxExpectedNames = 20;

// Names of tokens in expected-token texts: the first row with a code wins.
const TRkNameRec TokenNames[] = {
    {"Identifier", 262}, {"Select", 467},   {"Insert", 425},   {"Update", 484},     {"Delete", 405},
    {"From", 415},       {"Where", 492},    {"Group", 417},    {"Having", 418},     {"Order", 453},
    {"And", 386},        {"Or", 452},       {"Not", 442},      {"Is", 429},         {"Null", 444},
    {"Distinct", 407},   {"Any", 387},      {"All", 384},      {"As", 388},         {",", 44},
    {"By", 392},         {"Asc", 389},      {"Desc", 406},     {"In", 421},         {"Like", 431},
    {"Minus", 435},      {"Union", 482},    {"intersect", 427}, {"CREATE", 400},    {"DROP", 408},
    {"INDEX", 423},      {"INTO", 428},     {"JOIN", 821},     {"CASCADE", 518},    {"UNIQUE", 483},
    {"ON", 449},         {"REVOKE", 461},   {"TABLE", 477},    {"TRIGGER", 480},    {"USER", 485},
    {"VALUES", 487},     {"CASE", 291},     {"CAST", 519},     {"CLOSE", 293},      {"COMMIT", 535},
    {"CONSTRAINT", 543}, {"CONSTRAINTS", 544}, {"COUNT", 550}, {"CURSOR", 299},     {"FUNCTION", 319},
    {"OVERLAPS", 833},   {"SEQUENCE", 758}, {"TIMESTAMP", 791}, {"TOP", 855},       {"TRANSACTION", 795},
    {"TRIM", 848},       {"TRUNCATE", 798}, {"TYPE", 373},     {"(", 40},           {")", 41},
    {"[", 91},           {"]", 93},         {".", 46},         {"-", 45},           {"/", 47},
    {"*", 42},           {"+", 43},         {"=", 61},         {">", 62},           {"<", 60},
};

// Keywords named in expected-token texts, with their scanner codes.
#define KW(word) {#word, RW_##word}
const TRkNameRec KeywordNames[] = {
    KW(ACTION),     KW(ADD),        KW(ALTER),      KW(BETWEEN),    KW(BYTE),      KW(CHAR),      KW(CHECK),
    KW(COMMENT),    KW(CONNECT),    KW(CONSTANT),   KW(CROSS),      KW(CURRENT),   KW(DATE),      KW(DAY),
    KW(DECIMAL),    KW(DEFAULT),    KW(ELSE),       KW(EXISTS),     KW(EXIT),      KW(EXTRACT),   KW(FILE),
    KW(FIRST),      KW(FETCH),      KW(FLOAT),      KW(FOR),        KW(FOREIGN),   KW(FORALL),    KW(GOTO),
    KW(IMMEDIATE),  KW(INNER),      KW(INT),        KW(INTERVAL),   KW(INTEGER),   KW(LEVEL),     KW(LEFT),
    KW(LOCK),       KW(LONG),       KW(MATCH),      KW(MONTH),      KW(NATURAL),   KW(NOWAIT),    KW(NULLS),
    KW(NUMBER),     KW(OF),         KW(OPTION),     KW(PARTIAL),    KW(PRIOR),     KW(PUBLIC),    KW(RAW),
    KW(RIGHT),      KW(SECOND),     KW(SET),        KW(SMALLINT),   KW(TIES),      KW(THEN),      KW(VARCHAR),
    KW(VARCHAR2),   KW(VIEW),       KW(WAIT),       KW(WHILE),      KW(WITH),      KW(YEAR),      KW(ACCOUNT),
    KW(AFTER),      KW(ARRAY),      KW(AT),         KW(BEFORE),     KW(BEGIN),     KW(BFILE),     KW(BITMAP),
    KW(BLOB),       KW(BLOCK),      KW(BOTH),       KW(BOOLEAN),    KW(CHARACTER), KW(CHECKPOINT), KW(CLOB),
    KW(COMMITTED),  KW(COST),       KW(CYCLE),      KW(DATABASE),   KW(DEC),       KW(DECLARE),   KW(DECODE),
    KW(DEFERRABLE), KW(DEFERRED),   KW(DOUBLE),     KW(DUMP),       KW(EACH),      KW(END),       KW(ESCAPE),
    KW(EXCEPT),     KW(EXCEPTION),  KW(EXECUTE),    KW(FULL),       KW(GLOBAL),    KW(HOUR),      KW(IF),
    KW(ISOLATION),  KW(KEY),        KW(LAST),       KW(LEADING),    KW(LOB),       KW(LOCAL),     KW(LOCATOR),
    KW(LOG),        KW(MAX),        KW(MIN),        KW(MINUTE),     KW(NATIONAL),  KW(NCHAR),     KW(NCLOB),
    KW(NO),         KW(FOUND),      KW(NUMERIC),    KW(OBJECT),     KW(ONLY),      KW(OPEN),      KW(OUT),
    KW(OUTER),      KW(PERCENT),    KW(PRECISION),  KW(PRIMARY),    KW(PROCEDURE), KW(READ),      KW(REAL),
    KW(REF),        KW(REFERENCES), KW(REPLACE),    KW(RESTRICT),   KW(RETURN),    KW(RETURNING), KW(ROLE),
    KW(ROLLBACK),   KW(RULE),       KW(SCHEMA),     KW(SOME),       KW(SQL),       KW(STATISTICS), KW(STORE),
    KW(SUBTYPE),    KW(SUM),        KW(TEMPORARY),  KW(TIME),       KW(TRAILING),  KW(USAGE),     KW(USE),
    KW(USING),      KW(VALUE),      KW(VARYING),    KW(WHEN),       KW(WITHOUT),   KW(WORK),      KW(WRITE),
    KW(BULK),       KW(COLLECT),    KW(ZONE),       KW(PARTITION),  KW(TYPECAST),  KW(INDICATOR),
};
#undef KW

// Codes of the tokens that start a statement.
constexpr int StatementStarts[] = {
    RW_SELECT, RW_INSERT,   RW_UPDATE,  RW_DELETE,     RW_CREATE,  RW_ALTER, RW_COMMIT,    RW_ROLLBACK, RW_SAVE,
    RW_BEGIN,  RW_IF,       RW_RETURN,  RW_PRINT,      RW_USE,     RW_GO,    RW_DECLARE,   RW_BREAK,    RW_CONTINUE,
    RW_WHILE,  RW_OPEN,     RW_CLOSE,   RW_DEALLOCATE, RW_EXECUTE, RW_EXEC,  RW_SET,       RW_DROP,     RW_RAISERROR,
    RW_FETCH,  RW_END,      RW_RESTORE, RW_DBCC,       RW_WAITFOR, RW_BACKUP, RW_REVOKE,   LABEL,
};

bool IsSkippable(int Code) { return Code >= tcBlockComment && Code <= tcSqlplusCmd; }

}  // namespace

// ---------------------------------------------------------------- tables

TRkMssqlSqlDriver::TRkMssqlSqlDriver() { DialectCode = 5; }

bool TRkMssqlSqlDriver::yyact(int State, int Symbol, int& Action) const {
    return TRkCustomParser::yyact(Tables(), State, Symbol, Action);
}

bool TRkMssqlSqlDriver::yygoto(int State, int Symbol, int& NewState) const {
    return TRkCustomParser::yygoto(Tables(), State, Symbol, NewState);
}

bool TRkMssqlSqlDriver::TokenName(int Code, std::string& Name) { return RkFindName(TokenNames, Code, Name); }

bool TRkMssqlSqlDriver::KeywordName(int Code, std::string& Name) { return RkFindName(KeywordNames, Code, Name); }

bool TRkMssqlSqlDriver::IsMssqlStatementStart(int Code) {
    return std::find(std::begin(StatementStarts), std::end(StatementStarts), Code) != std::end(StatementStarts);
}

// ---------------------------------------------------------------- tokens

int TRkMssqlSqlDriver::NextToken(bool SkipBlanks) {
    if (!TokenList) return 0;
    TSourceToken* t = GetNextToken(SkipBlanks);
    if (!t || t->TokenCode == 0) return 0;
    yylval.token(t);
    if (t->TokenCode == BIND_NAME) t->TokenCode = IDENT;
    return t->TokenCode;
}

void TRkMssqlSqlDriver::FetchLookahead() {
    do {
        yychar = NextToken(true);
        if (yychar < 0) yychar = 0;
    } while (IsSkippable(yychar));
    if (yychar == 0) yylval.token(MakeEndToken());
    CurToken = yylval.token();
    if (yychar == 0 && !FEndSeen) {
        FEndSeen = true;
        // One report for the end of the input: the statement that the open
        // literal leaves unfinished adds none of its own.
        if (const TSourceToken* open = OpenLiteralAtEnd()) {
            ReportSyntaxError(FState, 0, open);
            FReportAllowed = false;
        }
    }
}

// Whether the script ends inside a comment, string or quoted name: the
// scanner gives such a literal back with the rest of the input, which then
// ends with the line break the input ends with instead of the literal's
// closing characters.  Not reporting it would lose the rest of the script
// without a word.
const TSourceToken* TRkMssqlSqlDriver::OpenLiteralAtEnd() const {
    if (!TokenList) return nullptr;
    const TSourceTokenSpan items = TokenList->Items();
    for (size_t i = items.size(); i-- > 0;) {
        const TSourceToken* t = items[i];
        if (t->TokenCode == 0 && t->GetText().empty()) continue;   // the end token
        if (t->TokenCode != BLOCK_COMMENT && t->TokenCode != STRING_LIT && t->TokenCode != IDENT) return nullptr;
        const bool open = !t->GetText().empty() && (t->GetText().back() == '\n' || t->GetText().back() == '\r');
        return open ? t : nullptr;
    }
    return nullptr;
}

// The first significant token at or after a read position, nullptr at the
// end; LineBreak tells whether a line break comes before it.  Asked again
// from a later position before that token, it answers from what it found,
// so a long run of comments and line breaks is passed over once.
class TSolidCursor {
public:
    explicit TSolidCursor(const TSourceTokenList* List) : FList(List) {}

    TSourceToken* Next(int32_t From, bool* LineBreak = nullptr) {
        if (!FList) return nullptr;
        const TSourceTokenSpan items = FList->Items();
        const int32_t n = static_cast<int32_t>(items.size());
        From = std::max(From, 0);
        if (From < FFrom || From > FAt) {
            FFrom = From;
            FLastBreak = -1;
            int32_t i = From;
            for (; i < n && !items[static_cast<size_t>(i)]->IsSignificant(); ++i)
                if (items[static_cast<size_t>(i)]->TokenType == ttLineBreak) FLastBreak = i;
            FAt = i;
        }
        if (LineBreak) *LineBreak = FLastBreak >= From;
        return FAt < n ? items[static_cast<size_t>(FAt)] : nullptr;
    }

private:
    const TSourceTokenList* FList = nullptr;
    int32_t FFrom = 0;
    int32_t FAt = -1;          // index of the significant token found (n: none)
    int32_t FLastBreak = -1;   // last line break in [FFrom, FAt)
};

// ---------------------------------------------------------------- reports

void TRkMssqlSqlDriver::Report(const std::string& Message, const std::string& TokenText) {
    if (!SyntaxErrorCallback) return;
    SyntaxErrorCallback(1, Message, TokenText, CurToken ? CurToken->Line : -1, CurToken ? CurToken->Column : -1);
}

int TRkMssqlSqlDriver::Fail(const std::string& Message, const std::string& TokenText) {
    ErrorMessage = Message;
    Report(Message, TokenText);
    Report(AbortMessage, AbortCode);
    return 1;
}

std::string TRkMssqlSqlDriver::ExpectedTokens(int State, int /*Lookahead*/) const {
    return RkExpectedTokenText(
        Tables(), State, kMaxExpectedNames, false, [](int Sym, std::string& N) { return TokenName(Sym, N); },
        [](int Sym, std::string& N) { return KeywordName(Sym, N); });
}

std::string TRkMssqlSqlDriver::BalanceNotes() const {
    std::string notes;
    if (!TokenList) return notes;
    auto where = [](const TSourceToken* t) {
        return std::string(t->GetText()) + "(" + std::to_string(t->Line) + "," + std::to_string(t->Column) + ")";
    };
    const TSourceTokenSpan items = TokenList->Items();
    std::vector<const TSourceToken*> open;
    for (size_t i = 0; i < items.size(); ++i) {
        const TSourceToken* t = items[i];
        if (t->TokenCode == RW_BEGIN) {
            // BEGIN TRAN and BEGIN TRANSACTION open no block.
            const TSourceToken* second = i + 2 < items.size() ? items[i + 2] : nullptr;
            if (!second || (second->TokenCode != RW_TRANSACTION && second->TokenCode != RW_TRAN)) open.push_back(t);
        } else if (t->TokenCode == RW_CASE) {
            open.push_back(t);
        } else if (t->TokenCode == RW_END) {
            if (open.empty()) {
                notes += "\r\nCorresponding begin keyword not found of: " + where(t) + "\r\n";
                break;
            }
            open.pop_back();
        }
    }
    for (const TSourceToken* t : open) notes += "\r\nCorresponding end keyword not found of: " + where(t) + "\r\n";
    return notes;
}

void TRkMssqlSqlDriver::ReportSyntaxError(int State, int Lookahead, const TSourceToken* OpenLiteral) {
    if (!SyntaxErrorCallback) return;
    const std::string expected = ExpectedTokens(State, Lookahead);
    std::string text;
    if (Lookahead != 0 && CurToken) text = CurToken->GetText();
    else text = "end of input" + BalanceNotes();
    if (!OpenLiteral) {
        Report(expected, text);
        return;
    }
    // The error record takes the length of the report's text off the
    // column it is given, as for a token; the literal's own column less its
    // length is where it opened.
    const int64_t opened = static_cast<int64_t>(OpenLiteral->Column) - static_cast<int64_t>(OpenLiteral->GetText().size());
    const int64_t column = std::max<int64_t>(opened, 0) + static_cast<int64_t>(text.size());
    SyntaxErrorCallback(1, expected, text, OpenLiteral->Line,
                        static_cast<int32_t>(std::min<int64_t>(column, std::numeric_limits<int32_t>::max())));
}

// ---------------------------------------------------------------- skipping

TRkNodeTokens* TRkMssqlSqlDriver::SkipTarget(TRk_Node* Node, bool& SetMode) {
    SetMode = false;
    if (!Node) return nullptr;
    switch (Node->NodeKind) {
        case mnkSet:
            SetMode = true;
            return &Node->TokenList;
        case mnkDrop:
        case mnkBeginTran:
        case mnkFirstWordStmt:
            return &static_cast<_TMssqlDummyStmt*>(Node)->StmtTokens;
        default:
            return nullptr;
    }
}

void TRkMssqlSqlDriver::SkipUnparsedStatement(TRk_Node* Node, TSourceToken* FirstToken) {
    bool setMode = false;
    TRkNodeTokens* target = SkipTarget(Node, setMode);
    if (!target) return;
    if (FirstToken) target->Add(FirstToken);
    SkipRaw(target, setMode, FirstToken);
}

// The raw tokens of a statement whose words are not parsed.  It ends at a
// line break after which a statement starts (a SET statement at any line
// break, or before a statement start on its line), with a ";" outside
// parentheses, which it reads, and before an END or ELSE that is not a
// CASE's and before a statement start on the same line (not within REVOKE,
// whose privileges are statement words), so that «BEGIN DROP TABLE t END»,
// «BEGIN SET NOCOUNT ON; ... END» and «IF @e <> 0 RAISERROR(...) ELSE ...»
// keep their block and their ELSE.
void TRkMssqlSqlDriver::SkipRaw(TRkNodeTokens* Target, bool SetMode, TSourceToken* FirstToken) {
    const bool revoke = FirstToken && FirstToken->TokenCode == RW_REVOKE;
    TMssqlRawNesting nesting;
    int words = FirstToken ? 1 : 0;   // significant tokens so far
    int32_t lastPos = StatementEndPos;
    TSolidCursor solid(TokenList);
    auto stops = [&](const TSourceToken* next, bool lineBreak) {
        if (!next) return false;
        const int c = next->TokenCode;
        if (nesting.EndsBefore(c)) return true;
        if (!IsMssqlStatementStart(c)) return false;
        if (SetMode) return c != RW_END || nesting.Outside();
        // Across a line break the line-break rule decides.  «DROP TABLE IF
        // EXISTS t»: that IF is no statement.
        return !lineBreak && nesting.Outside() && !revoke && (c != RW_IF || words >= 3);
    };
    for (;;) {
        int code = NextToken(false);
        if (code < 0) code = 0;
        if (code == 0) {
            // The end of the input: it stays the lookahead.
            yychar = 0;
            yylval.token(MakeEndToken());
            CurToken = yylval.token();
            StatementEndPos = lastPos;
            return;
        }
        TSourceToken* t = yylval.token();
        bool lineBreak = false;
        TSourceToken* next = solid.Next(TokenPos, &lineBreak);
        if (code == LINE_BREAK) {
            if (SetMode) {
                Target->Add(t);
                break;
            }
            if (next && IsMssqlStatementStart(next->TokenCode)) {
                Target->Add(t);
                break;
            }
            continue;   // a line break inside the statement is not kept
        }
        Target->Add(t);
        lastPos = TokenPos - 1;
        if (t->IsSignificant()) ++words;
        nesting.Feed(code);
        if (nesting.EndsWith(code) || stops(next, lineBreak)) break;
    }
    yychar = -1;
    StatementEndPos = TokenPos - 1;
}

// ---------------------------------------------------------------- driver

bool TRkMssqlSqlDriver::Push() {
    if (yysp + 1 > MaxStackDepth) return false;
    ++yysp;
    if (static_cast<size_t>(yysp) >= yys.size()) {
        const size_t n = std::max<size_t>(kInitialStackSize, yys.size() * 2);
        yys.resize(n);
        yyv.resize(n);
        yyp.resize(n);
    }
    yys[static_cast<size_t>(yysp)] = static_cast<int16_t>(FState);
    yyp[static_cast<size_t>(yysp)] = FLastShiftPos;
    yyv[static_cast<size_t>(yysp)] = yyval;
    return true;
}

int TRkMssqlSqlDriver::Reduce(int Rule) {
    const TRkYaccTables& t = Tables();
    yyflag = 0;
    if (!RkPassOn(t, Rule, yyv.data() + yysp, yyval)) yyaction(Rule);
    FLastMove = lmReduce;
    yysp -= t.yyr[Rule].len;
    int target = 0;
    if (yysp >= 1 && yygoto(yys[static_cast<size_t>(yysp)], t.yyr[Rule].sym, target)) FState = target;
    if (yyflag == 1) return 1;
    if (yyflag == 2) return 2;
    if (yyflag == 3) return 3;
    return 0;
}

// Runs the reductions of the automaton on copies of the states, the stack
// below Sp read in place: no action runs.
bool TRkMssqlSqlDriver::TakesAfterError(int Sp, int Target, int Symbol) const {
    const TRkYaccTables& t = Tables();
    std::vector<int> above{Target};   // states above yys[Sp]
    int below = Sp;                   // top of the part of yys still in use
    auto top = [&] { return above.empty() ? static_cast<int>(yys[static_cast<size_t>(below)]) : above.back(); };
    // An LR automaton reduces at most once per stack entry and rule length
    // before it shifts; the bound only guards against bad tables.
    for (int steps = 0; steps < Sp + 1000; ++steps) {
        const int state = top();
        int act = 0, rule = 0;
        if (t.yyd[state] != 0) rule = -t.yyd[state];
        else if (yyact(state, Symbol, act)) {
            if (act >= 0) return true;
            rule = -act;
        } else if (yyact(state, ';', act) && act < 0) {
            rule = -act;
        } else {
            return false;
        }
        for (int n = t.yyr[rule].len; n > 0; --n) {
            if (!above.empty()) above.pop_back();
            else if (--below < 1) return false;
        }
        int next = 0;
        if (!yygoto(top(), t.yyr[rule].sym, next)) return false;
        above.push_back(next);
    }
    return false;
}

// Whether the offending token is a keyword that starts its line: when the
// statement around takes it after the error statement, it starts the next
// statement rather than being lost in the broken one.
bool TRkMssqlSqlDriver::IsLineStartWord() const {
    return yychar >= FirstKeywordCode && yychar <= LastKeywordCode && StartsLine(ReadIndex(CurToken), true);
}

// The nearest state below the top that shifts the error token.  An END or
// ELSE that the statement around takes stays the lookahead, and so does a
// keyword that starts its line and there starts a statement, and a GO that
// starts its line: it ends the batch, so recovery pops past the blocks and
// bodies left open in it until one takes the GO.
bool TRkMssqlSqlDriver::FindErrorState(int& Sp, int& Target, bool& Keep, bool& PastNearest) const {
    int keepable = -1;
    bool pastOpen = false;
    if (FRecovery == rcSyntax && (yychar == RW_END || yychar == RW_ELSE || IsLineStartWord())) keepable = yychar;
    if (FRecovery == rcSyntax && yychar == RW_GO && IsGoLine(ReadIndex(CurToken))) keepable = yychar, pastOpen = true;
    Sp = 0;
    Keep = false;
    PastNearest = false;
    for (int s = yysp; s >= 1; --s) {
        int t = 0;
        if (!yyact(yys[static_cast<size_t>(s)], ERROR_TOKEN, t) || t <= 0) continue;
        if (s + kRecoveryRoom > MaxStackDepth) continue;
        if (Sp == 0) Sp = s, Target = t;
        if (keepable < 0) break;
        if (TakesAfterError(s, t, keepable)) {
            PastNearest = s != Sp;
            Sp = s, Target = t, Keep = true;
            break;
        }
        if (!pastOpen) break;
    }
    return Sp != 0;
}

// Input nested past the parser's bounds loses only its statement: one
// record, then the usual recovery, with an error statement that runs on
// while the parentheses opened in it are open.
void TRkMssqlSqlDriver::ReportAndReadAfterLastShift(const std::string& Message, const std::string& TokenText) {
    if (FReportAllowed) Report(Message, TokenText);
    FReportAllowed = false;
    // The lookahead may stand on the next line: reading goes on after the
    // last shifted token.
    if (FLastShiftPos >= 0) {
        TokenPos = FLastShiftPos + 1;
        PushedBackToken = nullptr;
    }
}

bool TRkMssqlSqlDriver::StartDeepRecovery() {
    if (FDeepSinceShift) return false;
    FDeepSinceShift = true;
    ReportAndReadAfterLastShift("yyparse stack overflow", "error 1010");
    ErrorSpansParens = true;
    FRecovery = rcDeep;
    return true;
}

// Before CREATE or ALTER PROCEDURE/PROC/FUNCTION the statement in progress
// ends as at a ";".
bool TRkMssqlSqlDriver::ForcedRoutineEnd(int& Rule) {
    if (yychar != RW_CREATE && yychar != RW_ALTER) return false;
    const TSourceToken* next = TSolidCursor(TokenList).Next(TokenPos);
    if (!next) return false;
    const int c = next->TokenCode;
    if (c != RW_PROCEDURE && c != RW_PROC && c != RW_FUNCTION) return false;
    int act = 0;
    if (!yyact(FState, ';', act) || act >= 0) return false;
    Rule = -act;
    return true;
}

int TRkMssqlSqlDriver::yyparse() {
    if (Prologue() == -1) return Fail("lcRetires = -1", "error 1003");
    const TRkYaccTables& t = Tables();
    FState = 0;
    yysp = 0;
    yychar = -1;
    yyerrflag = 0;
    FReportAllowed = true;
    FLastMove = lmNone;
    FHandlerCalls = 0;
    yyval = mssqlYYSType{};
    yylval = mssqlYYSType{};
    FSavedVal = mssqlYYSType{};
    FSavedState = 0;
    FSavedSp = 0;
    LastShiftedToken = nullptr;
    FLastShiftPos = -1;
    FEndSeen = false;
    FRecovery = rcSyntax;
    FDeepSinceShift = false;
    ErrorStartFloor = 0;
    ErrorSpansParens = false;
    ErrorEndsBefore = nullptr;
    if (yys.size() < static_cast<size_t>(kInitialStackSize)) {
        yys.resize(kInitialStackSize);
        yyv.resize(kInitialStackSize);
        yyp.resize(kInitialStackSize);
    }

    enum { stPush, stFetch, stDecide, stReduce, stError, stRecover } step = stPush;
    int act = 0;
    int rule = 0;
    for (;;) {
        switch (step) {
            case stPush:
                if (Push()) {
                    step = stFetch;
                } else {
                    if (!StartDeepRecovery()) return Fail("yyparse stack overflow", "error 1010");
                    step = stRecover;
                }
                break;

            case stFetch:
                if (t.yyd[FState] == 0 && yychar == -1) FetchLookahead();
                step = stDecide;
                break;

            case stDecide:
                if (t.yyd[FState] != 0) {
                    rule = -t.yyd[FState];
                } else if (ForcedRoutineEnd(rule)) {
                    // reduce as at a ";"; CREATE/ALTER stays the lookahead
                } else if (!yyact(FState, yychar, act)) {
                    step = stError;
                    break;
                } else if (act == 0) {
                    return 0;
                } else if (act > 0) {
                    FSavedState = FState;
                    FSavedSp = yysp;
                    FSavedVal = yyval;
                    FLastMove = lmShift;
                    FState = act;
                    yychar = -1;
                    yyval = yylval;
                    FReportAllowed = true;
                    if (FHandlerCalls > 0) --FHandlerCalls;
                    StatementEndPos = TokenPos - 1;
                    FLastShiftPos = TokenPos - 1;
                    LastShiftedToken = CurToken;
                    FDeepSinceShift = false;
                    step = stPush;
                    break;
                } else {
                    rule = -act;
                }
                step = stReduce;
                break;

            case stReduce: {
                int r = 0;
                try {
                    r = Reduce(rule);
                } catch (const std::exception& e) {
                    // An action refused the input (a second ORDER BY, ...):
                    // one error record, then the usual recovery, so the
                    // statements around it are kept.
                    ReportAndReadAfterLastShift(e.what(), CurToken ? std::string(CurToken->GetText()) : std::string());
                    FRecovery = rcAction;
                    step = stRecover;
                    break;
                }
                if (r == 1) return 0;
                if (r == 3) {
                    // An expression nested past the bound.
                    if (!StartDeepRecovery()) return Fail(ErrorMessage, "error 1010");
                    step = stRecover;
                    break;
                }
                if (r == 2)
                    return Fail(ErrorMessage.empty() ? std::string("yyparse aborted") : ErrorMessage, "error");
                step = stPush;
                break;
            }

            case stError: {
                TActionOnParseError action = aopAbort;
                int rollbackTokens = 0;
                bool rollbackState = false;
                if (OnParserTokenError && FHandlerCalls < 1) {
                    PushedBackToken = nullptr;
                    ++FHandlerCalls;
                    // The handler may put another token in the lookahead's place.
                    TSourceToken* lookahead = yylval.token();
                    try {
                        OnParserTokenError(this, lookahead, DbVendor, ExpectedTokens(FState, yychar), action,
                                           rollbackTokens, rollbackState);
                    } catch (...) {
                        action = aopAbort;
                    }
                    yylval.token(lookahead);
                }
                if (action == aopContinue && yychar == 0 && PushedBackToken == nullptr &&
                    (!TokenList || TokenPos >= TokenList->Count()))
                    action = aopAbort;   // nothing new to read: retrying would loop
                if (action != aopContinue) {
                    // The statement in progress ends as at a ";" when it can.
                    if (yyact(FState, ';', act) && act < 0) {
                        rule = -act;
                        step = stReduce;
                        break;
                    }
                    FRecovery = rcSyntax;
                    step = stRecover;
                    break;
                }
                if (rollbackTokens > 0) TokenPos = std::max(0, TokenPos - rollbackTokens);
                yychar = -1;
                if (rollbackState && FLastMove == lmReduce) {
                    FState = FSavedState;
                    yyval = FSavedVal;
                    yysp = std::max(0, FSavedSp - 1);
                    FLastMove = lmNone;
                    step = stPush;
                    break;
                }
                if (rollbackState && FLastMove == lmShift) {
                    FState = FSavedState;
                    if (yysp > 0) --yysp;
                }
                FLastMove = lmNone;
                step = stFetch;
                break;
            }

            case stRecover: {
                if (FReportAllowed) {
                    ReportSyntaxError(FState, yychar);
                    FReportAllowed = false;
                }
                // Pop to a state that shifts the error token.
                int sp = 0, target = 0;
                bool keep = false, pastNearest = false;
                if (!FindErrorState(sp, target, keep, pastNearest)) return Fail("error recover failed", "error");
                // The tokens of the states kept belong to the statements
                // around; the error statement starts after them.  Popped
                // past a block or body left open at a GO, it takes all that
                // block's tokens.
                ErrorStartFloor = yyp[static_cast<size_t>(sp)] + 1;
                if (pastNearest && StatementStartPos >= 0) StatementStartPos = ErrorStartFloor;
                yysp = sp;
                // The offending token is dropped, or read again after the
                // error statement.
                if (keep) {
                    UnreadToken(CurToken);
                    // The error statement ends before it (END, ELSE and GO
                    // it leaves alone anyway, unless in a CASE of its own).
                    if (yychar != RW_END && yychar != RW_ELSE && yychar != RW_GO) ErrorEndsBefore = CurToken;
                }
                FRecovery = rcSyntax;
                FState = target;
                yychar = -1;
                yyval = mssqlYYSType{};
                yyval.token(CurToken);
                step = stPush;
                break;
            }
        }
    }
}

// ---------------------------------------------------------------- the grammar

const TRkYaccTables& TRkParserMssqlSql::Tables() const { return mssql::tables; }
