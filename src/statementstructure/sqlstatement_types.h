// Types shared by the statement model, the parser runtime and the front end:
// the statement kind, error records, the parse-error answer and the event
// signatures.  Kept free of class definitions so that every unit of the
// parser library can include it without include cycles.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TSourceToken;
class TSourceTokenList;
class TRk_Node;
class TRkField;
class TRkTable;
class TCustomSqlStatement;
class TCustomMarlSqlParser;
class TSubstitutionVarList;

// Statement kind, one byte.
enum TSqlStatementType : std::uint8_t {
    sstUnknown = 0,
    sstSelect = 1,
    sstDelete = 2,
    sstUpdate = 3,
    sstInsert = 4,
    sstCreateTable = 5,
    sstCreateView = 6,
    sstSqlplusCmd = 7,
    sstCreateSequenceStmt = 8,
    sstDropSequenceStmt = 9,
    sstDropTypeStmt = 10,
    sstplsql_packages = 11,
    sstplsql_objecttype = 12,
    sstcreate_plsql_procedure = 13,
    sstcreate_plsql_function = 14,
    sstcreate_varray_type = 15,
    sstcreate_nested_table_type = 16,
    sstCreateObjectTableStmt = 17,
    sstplsql_block = 18,
    sstplsql_createprocedure = 19,
    sstplsql_createfunction = 20,
    sstplsql_createpackage = 21,
    sstplsql_createtrigger = 22,
    sstplsql_createtype = 23,
    sstAlterSession = 24,
    sstCreateIndex = 25,
    sstDropIndex = 26,
    sstDropView = 27,
    sstMerge = 28,
    sstSet = 29,
    sstDropTable = 30,
    sstAlterTable = 31,
    sstCommit = 32,
    sstRollback = 33,
    sstSavepoint = 34,
    sstSettransaction = 35,
    sstLockTable = 36,
    sstOracleCall = 37,
    sstMssqlDummyStmt = 38,
    sstMssqlIf = 39,
    sstMssqlUse = 40,
    sstMssqlGo = 41,
    sstMssqlBlock = 42,
    sstMssqlCreateDatabase = 43,
    sstMssqlCreateProcedure = 44,
    sstMssqlCreateFunction = 45,
    sstMssqlCreateTrigger = 46,
    sstMssqlExec = 47,
    sstMssqlReturn = 48,
    sstMssqlPrint = 49,
    sstMssqlDeclare = 50,
    sstMssqlBreak = 51,
    sstMssqlContinue = 52,
    sstMssqlOpen = 53,
    sstMssqlClose = 54,
    sstMssqlDeallocate = 55,
    sstMssqlFetch = 56,
    sstExecuteStmt = 57,
    sstSetStmt = 58,
    sstDropStmt = 59,
    sstBeginTranStmt = 60,
    sstMssqlCommit = 61,
    sstMssqlRollback = 62,
    sstMssqlSaveTrans = 63,
    sstRaiserrorStmt = 64,
    sstMssqlWithas = 65,
    sstMssqlSet = 66,
    sstMssqlLabel = 67,
    sstErrorStmt = 68,
};
inline constexpr int SqlStatementTypeCount = 69;

// Answer of a host to a syntax error offered through OnParserTokenError.
enum TActionOnParseError : std::uint8_t { aopAbort = 0, aopContinue = 1 };

// One error record.  Error types: 1 syntax error from a parse driver,
// 2 token that starts no statement, 4 and 6 pretty-print errors.
struct TSyntaxError {
    std::string TokenText;
    std::int32_t Line = 0;
    std::int32_t Column = 0;
    std::string Message;
    std::uint8_t ErrorType = 0;
};

// The (at most) 100 error records of a front end or statement with their
// count.  At the cap the 100th record is reused for the latest error.
// Records are indexed 1..100 as hosts know them.  Storage grows with use:
// most statements never hold a record.
class TSyntaxErrorArray {
public:
    static constexpr int Capacity = 100;

    // A cleared record for a new error (the count stops at 100).
    TSyntaxError& NewError();
    // A new record holding a copy of Source.
    void AddCopy(const TSyntaxError& Source);
    void Clear() { FCount = 0; }
    int Count() const { return FCount; }
    // 1-based; an index outside 1..Count() raises ERkRangeError.
    const TSyntaxError& Get(int Index) const;
    TSyntaxError& Get(int Index);

private:
    // Made with the first record: a statement keeps one array, and an empty
    // vector in each was 16 bytes more than a pointer.
    std::unique_ptr<std::vector<TSyntaxError>> FItems;
    int FCount = 0;
};

// Adds a record the way the parse drivers' error callback does: the
// driver reports the column just after the token, so the token's length is
// taken off (clamped at 0).  The end-of-input pseudo token keeps its column.
void AddParserErrorRecord(TSyntaxErrorArray& Errors, std::uint8_t ErrorType,
                          const std::string& ExpectedText, const std::string& TokenText,
                          std::int32_t Line, std::int32_t Column);

// Event signatures.  An empty std::function is an unset event and is
// skipped; in-out parameters are references.  Senders are passed as the
// object that fires (a parser, the front end, a statement, a field, a
// table or a name node).
using TOnTokenlizerTokenEvent = std::function<void(TCustomMarlSqlParser* Sender, TSourceToken* st)>;
using TOnTokenlizerTokenErrorEvent = std::function<void(TCustomMarlSqlParser* Sender, TSourceToken* st)>;
using TOnTokenListEvent = std::function<void(TCustomMarlSqlParser* Sender, TSourceTokenList* List)>;
using TOnGetRawSqlStatementEvent =
    std::function<void(void* Sender, TSqlStatementType sqltype, int StartPos, int EndPos)>;
using TOnParserTokenEvent = std::function<void(void* Sender, TSourceToken*& pToken, int pDbVendor)>;
using TOnParserTokenErrorEvent =
    std::function<void(void* Sender, TSourceToken*& pToken, int pDbVendor, const std::string& pExpectedTokens,
                       TActionOnParseError& pAction, int& pRollbackTokens, bool& pRollbackState)>;
using TOnBindVarEvent = std::function<void(void* Sender, const std::string& bindvarname, std::string& replacestr)>;
using TOnSqlVarEvent = std::function<void(void* Sender, const std::string& sqlvarname, std::string& replacestr)>;
using TOnStatementFieldEvent =
    std::function<void(TRk_Node* Sender, TCustomSqlStatement* asqlstatement, TRkField* pField)>;
using TOnStatementTableEvent =
    std::function<void(TRk_Node* Sender, TCustomSqlStatement* asqlstatement, TRkTable* pTable)>;
// Field-token and table-token events: (sender, token, enclosing statement or node).
using TOnDbObjTokenEvent = std::function<void(TRk_Node* Sender, TSourceToken* Token, TRk_Node* Statement)>;
using TOnSubstitutionVarEvent = std::function<void(TSubstitutionVarList& aSubstitutionVarList)>;

// The events a statement raises.  A front end keeps one set for all its
// statements; a statement made alone keeps its own, made when first set.
struct TStatementEvents {
    TOnSubstitutionVarEvent OnSubstitutionVar;
    TOnParserTokenEvent OnParserToken;
    TOnParserTokenErrorEvent OnParserTokenError;
    TOnBindVarEvent OnBindVar;
    TOnStatementFieldEvent OnFieldEvent;
    TOnStatementTableEvent OnTableEvent;
    TOnDbObjTokenEvent OnFieldTokenEvent;
    TOnDbObjTokenEvent OnTableTokenEvent;
    TOnSqlVarEvent OnSqlVar;
};
