// The SQL Server batch model.
//
// Element nodes: the T-SQL grammar builds ordinary parse nodes for queries,
// DML and DDL, and the element nodes below for what only T-SQL has (batches,
// blocks, IF/WHILE, routines, DECLARE, SET, EXECUTE, cursors and the
// statements that are only recognised).  Every statement of a script is
// wrapped in a _TMssqlStmt; Analyze on the wrapper builds the statement
// object that matches its inner node.
//
// Statement classes: the TMssql* statements that those wrappers build.
//
// Ownership: element nodes belong to the parser's node pool; node and token
// fields only refer.  A wrapper owns the statement it built; a function
// statement owns its two body statements, a declare its cursor query, SET
// and WITH ... AS the query they make.  Lists of child statements do not own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "nodes/u_nodes.h"
#include "statementstructure/sqlstatement.h"
#include "statementstructure/sqlstatement_types.h"

class TSelectSqlStatement;
class _TMssqlStmt;

// Unit name that the walks' "Visitor unassigned" assertion reports.
inline constexpr const char* MssqlStatementUnit = "parse/mssql/mssqlsqlstatement";

// Node kinds of the element classes.
enum TMssqlNodeKind : std::uint8_t {
    mnkErrorStmt = 45,
    mnkDummyStmt = 70,
    mnkContinue = 72,
    mnkBreak = 73,
    mnkElement = 74,
    mnkStmt = 75,
    mnkFetch = 76,
    mnkBlock = 77,
    mnkIfElse = 78,
    mnkReturn = 79,
    mnkUse = 80,
    mnkGo = 81,
    mnkPrint = 82,
    mnkCreateProcedure = 83,
    mnkCreateFunction = 84,
    mnkOptDeclarationExpr = 85,
    mnkParameterDecl = 86,
    mnkDeclareVar = 87,
    mnkDeclare = 88,
    mnkWithas = 89,
    mnkOpen = 90,
    mnkClose = 91,
    mnkDeallocate = 92,
    mnkExecute = 93,
    mnkSet = 94,
    mnkDrop = 95,
    mnkBeginTran = 96,
    mnkCommit = 97,
    mnkRollback = 98,
    mnkSaveTran = 99,
    mnkFirstWordStmt = 100,
    mnkLabel = 101,
};

// ===========================================================================
// Element nodes

class _TMssqlElement : public TRk_Node {
public:
    _TMssqlElement();
    const char* ClassName() const override { return "_TMssqlElement"; }
    virtual void Analyze() {}
    virtual void Clear() {}

protected:
    const char* AssertUnit() const override { return MssqlStatementUnit; }
};

// The wrapper around every statement of a script.
class _TMssqlStmt : public _TMssqlElement {
public:
    TOnStatementFieldEvent OnStatementField;
    TOnStatementTableEvent OnStatementTable;
    TOnDbObjTokenEvent OnFieldTokenEvent;
    TOnDbObjTokenEvent OnTableTokenEvent;
    TRk_Node* InnerNode = nullptr;                      // the statement's own node
    std::unique_ptr<TCustomSqlStatement> SqlStatement;  // built by Analyze
    TSourceToken* TerminatorToken = nullptr;            // the ";" after the statement

    _TMssqlStmt();
    ~_TMssqlStmt() override;
    const char* ClassName() const override { return "_TMssqlStmt"; }

    void SetOnFieldEvent(TOnStatementFieldEvent E) { OnStatementField = std::move(E); }
    void SetOnTableEvent(TOnStatementTableEvent E) { OnStatementTable = std::move(E); }
    void SetOnFieldTokenEvent(TOnDbObjTokenEvent E) { OnFieldTokenEvent = std::move(E); }
    void SetOnTableTokenEvent(TOnDbObjTokenEvent E) { OnTableTokenEvent = std::move(E); }
    // Takes the statement's table-token and field-token events.
    void InheritTokenEvents(const TCustomSqlStatement* Statement);

    // Builds SqlStatement from InnerNode; never raises.
    void Analyze() override;
    // The statement for InnerNode with the wrapper's events, not analyzed.
    void BuildStatement();
    void Clear() override;
    void CreatePP() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class _TMssqlBlock : public _TMssqlElement {
public:
    TRk_List* StmtList = nullptr;  // _TMssqlStmt items

    _TMssqlBlock();
    const char* ClassName() const override { return "_TMssqlBlock"; }
};

// IF ... [ELSE ...] and WHILE.
class _TMssqlIfElse : public _TMssqlElement {
public:
    TRk_Node* Condition = nullptr;
    _TMssqlStmt* ThenStmt = nullptr;
    _TMssqlStmt* ElseStmt = nullptr;
    std::uint8_t IsLoop = 0;   // 0 IF, 1 WHILE
    std::uint8_t HasElse = 0;

    _TMssqlIfElse();
    const char* ClassName() const override { return "_TMssqlIfElse"; }
};

class _TMssqlReturn : public _TMssqlElement {
public:
    TRk_Node* Operand = nullptr;

    _TMssqlReturn();
    const char* ClassName() const override { return "_TMssqlReturn"; }
};

class _TMssqlUse : public _TMssqlElement {
public:
    TSourceToken* DatabaseName = nullptr;

    _TMssqlUse();
    const char* ClassName() const override { return "_TMssqlUse"; }
};

class _TMssqlGo : public _TMssqlElement {
public:
    TRk_Node* Node = nullptr;
    std::int32_t Count = 1;

    _TMssqlGo();
    const char* ClassName() const override { return "_TMssqlGo"; }
};

class _TMssqlPrint : public _TMssqlElement {
public:
    TRk_Node* Operand = nullptr;

    _TMssqlPrint();
    const char* ClassName() const override { return "_TMssqlPrint"; }
};

// Option codes of procedures and functions.
inline constexpr std::int32_t MssqlOptNone = 0;
inline constexpr std::int32_t MssqlOptRecompile = 1;
inline constexpr std::int32_t MssqlOptEncryption = 2;
inline constexpr std::int32_t MssqlOptBoth = 3;

class _TMssqlCreateProcedure : public _TMssqlElement {
public:
    TSourceToken* ProcToken = nullptr;      // PROCEDURE or PROC
    TRk_Node* Name = nullptr;
    std::int32_t OptionCode = MssqlOptNone;
    TRk_Node* OptionNode = nullptr;
    std::int32_t ForReplication = 0;        // 1 FOR REPLICATION
    TRk_Node* ReplicationNode = nullptr;
    TRk_List* BodyList = nullptr;           // _TMssqlStmt items
    TSourceToken* ProcNumber = nullptr;     // the integer after ";"
    TRk_List* Params = nullptr;             // _TMssql_ParameterDecl items
    TSourceToken* CreateToken = nullptr;    // CREATE or ALTER
    std::uint8_t HasParens = 0;             // parameters in parentheses

    _TMssqlCreateProcedure();
    const char* ClassName() const override { return "_TMssqlCreateProcedure"; }
};

class _TMssqlCreateFunction : public _TMssqlElement {
public:
    TRk_Node* Name = nullptr;
    std::int32_t OptionCode = MssqlOptNone;
    TRk_Node* OptionNode = nullptr;
    TRk_Node* Body = nullptr;               // a _TMssqlBlock or a _TMssqlReturn
    TRk_List* Params = nullptr;
    TRk_Node* ReturnType = nullptr;
    std::int32_t ReturnKind = 1;            // 1 data type, 2 TABLE
    std::int32_t BodyKind = 1;              // 1 BEGIN ... END, 2 RETURN
    TSourceToken* CreateToken = nullptr;    // CREATE or ALTER
    TSourceToken* AsToken = nullptr;

    _TMssqlCreateFunction();
    const char* ClassName() const override { return "_TMssqlCreateFunction"; }
};

// [VARYING] [= default] [OUTPUT] of a parameter.
class _TMssql_opt_declaration_expr : public _TMssqlElement {
public:
    TRk_Node* DefaultExpr = nullptr;
    std::uint8_t IsVarying = 0;
    std::uint8_t IsOutput = 0;
    TSourceToken* EqualToken = nullptr;

    _TMssql_opt_declaration_expr();
    const char* ClassName() const override { return "_TMssql_opt_declaration_expr"; }
    void Analyze() override {}
    void Clear() override {}
    void CreatePP() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class _TMssql_ParameterDecl : public _TMssqlElement {
public:
    TSourceToken* NameToken = nullptr;
    TRk_Node* DataType = nullptr;
    _TMssql_opt_declaration_expr* DefaultPart = nullptr;
    TSourceToken* AsToken = nullptr;

    _TMssql_ParameterDecl();
    const char* ClassName() const override { return "_TMssql_ParameterDecl"; }
    void Analyze() override {}
    void Clear() override {}
    void CreatePP() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class _TMssql_declare_var : public _TMssqlElement {
public:
    TSourceToken* NameToken = nullptr;
    TRk_Node* DataType = nullptr;
    std::int32_t Kind = 1;                  // 1 typed variable, 2 cursor variable
    TSourceToken* AsToken = nullptr;

    _TMssql_declare_var();
    const char* ClassName() const override { return "_TMssql_declare_var"; }
    void Analyze() override {}
    void Clear() override;
    void CreatePP() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class _TMssqlDeclare : public _TMssqlElement {
public:
    TRk_List* Vars = nullptr;               // _TMssql_declare_var items
    TSourceToken* CursorName = nullptr;
    TSourceToken* CursorOption = nullptr;   // INSENSITIVE or SCROLL
    std::int32_t Kind = 1;                  // 1 variable list, 2 cursor
    TRk_Node* Query = nullptr;
    TRk_List* CursorOptions = nullptr;      // tokens, no separators

    _TMssqlDeclare();
    const char* ClassName() const override { return "_TMssqlDeclare"; }
};

class _TMssqlWithas : public _TMssqlElement {
public:
    TRk_Node* CteList = nullptr;
    TRk_Node* Query = nullptr;

    _TMssqlWithas();
    const char* ClassName() const override { return "_TMssqlWithas"; }
};

class _TMssqlExecute : public _TMssqlElement {
public:
    TSourceToken* ExecToken = nullptr;      // EXEC or EXECUTE
    TSourceToken* ReturnStatus = nullptr;   // @status of "@status = proc"
    TSourceToken* EqualToken = nullptr;
    TSourceToken* WithToken = nullptr;
    TSourceToken* RecompileToken = nullptr;
    TRk_Node* ModuleName = nullptr;         // TRk_DummyNode: Sub1 name or Tok1 variable
    TRk_List* Params = nullptr;             // parameter nodes, or the string parts
    std::int32_t IsStringExec = 0;          // 1 for EXEC ( string + ... )

    _TMssqlExecute();
    const char* ClassName() const override { return "_TMssqlExecute"; }
};

class _TMssqlSet : public _TMssqlElement {
public:
    TSourceToken* SetToken = nullptr;
    TSourceToken* EqualToken = nullptr;
    TSourceToken* CursorToken = nullptr;
    TSourceToken* VarToken = nullptr;
    TSourceToken* ForToken = nullptr;
    TRk_Node* Expr = nullptr;
    TRk_Node* Query = nullptr;
    TSourceToken* ScrollToken = nullptr;
    TSourceToken* CursorKindToken = nullptr;
    TSourceToken* ConcurrencyToken = nullptr;
    TSourceToken* TypeWarningToken = nullptr;

    _TMssqlSet();
    const char* ClassName() const override { return "_TMssqlSet"; }
};

class _TMssqlFetch : public _TMssqlElement {
public:
    TRk_Node* Direction = nullptr;          // TRk_DummyNode; Int1 the direction code
    TSourceToken* CursorName = nullptr;
    std::uint8_t IsGlobal = 0;
    TRk_Node* IntoNode = nullptr;           // TRk_DummyNode: own token INTO, List1 the targets

    _TMssqlFetch();
    const char* ClassName() const override { return "_TMssqlFetch"; }
};

// Form codes of COMMIT, ROLLBACK and SAVE.
inline constexpr std::int32_t MssqlTranFormKeyword = 1;
inline constexpr std::int32_t MssqlTranFormWork = 2;
inline constexpr std::int32_t MssqlTranFormTran = 3;
inline constexpr std::int32_t MssqlTranFormTransaction = 4;

// A statement that is only recognised; the grammar sets its node kind.
class _TMssqlDummyStmt : public _TMssqlElement {
public:
    TSourceToken* CursorName = nullptr;
    std::uint8_t IsGlobal = 0;
    // The raw tokens of the statement (not owned).
    TRkNodeTokens StmtTokens;
    std::int32_t FormCode = 0;
    TSourceToken* TranName = nullptr;

    _TMssqlDummyStmt();
    ~_TMssqlDummyStmt() override;
    const char* ClassName() const override { return "_TMssqlDummyStmt"; }
};

// ===========================================================================
// Statement classes

// Base of the batch-model statements: the walk frame's unit name and the
// Reset that AnalyzeParseTree starts with.  Every Reset clears each
// reference into the parse tree that an analysis filled (the root stays: it
// came from the wrapper).
class TMssqlStatement : public TCustomSqlStatement {
public:
    explicit TMssqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {}
    const char* ClassName() const override { return "TMssqlStatement"; }
    void BuildSqlText() override { TextCache.clear(); }
    // Reset, then 0 (the root is kept: it came from the wrapper).
    int AnalyzeParseTree() override;

protected:
    const char* AssertUnit() const override { return MssqlStatementUnit; }
    // The root when it is of the given kind, else nullptr.
    TRk_Node* RootOfKind(std::uint8_t Kind) const;
};

// BEGIN ... END
class TMssqlBlock : public TMssqlStatement {
public:
    std::unique_ptr<TRkStatementList> Children = std::make_unique<TRkStatementList>(false);

    explicit TMssqlBlock(std::uint8_t Vendor);
    ~TMssqlBlock() override;
    const char* ClassName() const override { return "TMssqlBlock"; }
    void CreatePP() override;
    // "begin ", each child's text and CR LF, "end".
    void BuildSqlText() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

// IF ... ELSE and WHILE
class TMssqlIfElse : public TMssqlStatement {
public:
    TRk_Node* Condition = nullptr;
    _TMssqlStmt* ThenStmt = nullptr;
    _TMssqlStmt* ElseStmt = nullptr;
    std::uint8_t HasElse = 0;
    std::uint8_t IsLoop = 0;

    explicit TMssqlIfElse(std::uint8_t Vendor);
    const char* ClassName() const override { return "TMssqlIfElse"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlCreateProcedure : public TMssqlStatement {
public:
    std::unique_ptr<TRkStatementList> BodyStatements = std::make_unique<TRkStatementList>(false);
    TSourceToken* ProcToken = nullptr;
    TRk_Node* Name = nullptr;
    std::int32_t OptionCode = MssqlOptNone;
    std::int32_t ForReplication = 0;
    TSourceToken* ProcNumber = nullptr;
    TRk_List* Params = nullptr;
    TSourceToken* CreateToken = nullptr;
    std::uint8_t HasParens = 0;

    explicit TMssqlCreateProcedure(std::uint8_t Vendor);
    ~TMssqlCreateProcedure() override;
    const char* ClassName() const override { return "TMssqlCreateProcedure"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlReturn : public TMssqlStatement {
public:
    TRk_Node* Operand = nullptr;

    explicit TMssqlReturn(std::uint8_t Vendor);
    const char* ClassName() const override { return "TMssqlReturn"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlCreateFunction : public TMssqlStatement {
public:
    TRk_Node* Name = nullptr;
    std::int32_t OptionCode = MssqlOptNone;
    std::unique_ptr<TMssqlBlock> BlockBody;      // made with the statement
    std::unique_ptr<TMssqlReturn> ReturnBody;    // made with the statement
    TRk_Node* ReturnType = nullptr;
    std::int32_t ReturnKind = 1;
    TRk_List* Params = nullptr;
    std::int32_t BodyKind = 1;
    TSourceToken* CreateToken = nullptr;
    TSourceToken* AsToken = nullptr;

    explicit TMssqlCreateFunction(std::uint8_t Vendor);
    ~TMssqlCreateFunction() override;
    const char* ClassName() const override { return "TMssqlCreateFunction"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlUse : public TMssqlStatement {
public:
    TSourceToken* DatabaseName = nullptr;

    explicit TMssqlUse(std::uint8_t Vendor);
    const char* ClassName() const override { return "TMssqlUse"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlGo : public TMssqlStatement {
public:
    std::int32_t Count = 1;
    TRk_Node* Node = nullptr;

    explicit TMssqlGo(std::uint8_t Vendor);
    const char* ClassName() const override { return "TMssqlGo"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlPrint : public TMssqlStatement {
public:
    TRk_Node* Operand = nullptr;

    explicit TMssqlPrint(std::uint8_t Vendor);
    const char* ClassName() const override { return "TMssqlPrint"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlDeclare : public TMssqlStatement {
public:
    TRk_List* Vars = nullptr;
    TSourceToken* CursorName = nullptr;
    TSourceToken* CursorOption = nullptr;
    std::int32_t Kind = 1;
    std::unique_ptr<TCustomSqlStatement> CursorQuery;  // a select statement, made with the statement
    TRk_List* CursorOptions = nullptr;

    explicit TMssqlDeclare(std::uint8_t Vendor);
    ~TMssqlDeclare() override;
    const char* ClassName() const override { return "TMssqlDeclare"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

// Every statement that is only recognised; its type says which.
class TMssqlDummyStmt : public TMssqlStatement {
public:
    TSourceToken* CursorName = nullptr;
    std::uint8_t IsGlobal = 0;
    std::int32_t FormCode = 0;
    TSourceToken* TranName = nullptr;

    explicit TMssqlDummyStmt(std::uint8_t Vendor);
    const char* ClassName() const override { return "TMssqlDummyStmt"; }
    void CreatePP() override;
    // The text AnalyzeParseTree set (BuildSqlText makes none of its own).
    void BuildSqlText() override { TextCache = SqlText.str(); }
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
    // An error statement holds the ";" that ended it, so its written text
    // runs from the first to the last word its walk meets.
    std::string GetWrittenText() override;
};

class TMssqlFetch : public TMssqlStatement {
public:
    TRk_Node* Direction = nullptr;
    TSourceToken* CursorName = nullptr;
    std::uint8_t IsGlobal = 0;
    TRk_Node* IntoNode = nullptr;

    explicit TMssqlFetch(std::uint8_t Vendor);
    const char* ClassName() const override { return "TMssqlFetch"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlWithas : public TMssqlStatement {
public:
    TRk_Node* CteList = nullptr;
    std::unique_ptr<TCustomSqlStatement> Query;  // a select statement

    explicit TMssqlWithas(std::uint8_t Vendor);
    ~TMssqlWithas() override;
    const char* ClassName() const override { return "TMssqlWithas"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlSet : public TMssqlStatement {
public:
    std::unique_ptr<TCustomSqlStatement> CursorQuery;  // a select statement

    explicit TMssqlSet(std::uint8_t Vendor);
    ~TMssqlSet() override;
    const char* ClassName() const override { return "TMssqlSet"; }
    void CreatePP() override;
    void Reset() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

class TMssqlExecute : public TMssqlStatement {
public:
    explicit TMssqlExecute(std::uint8_t Vendor);
    const char* ClassName() const override { return "TMssqlExecute"; }
    void CreatePP() override;
    int AnalyzeParseTree() override;
    void DoAccept(TRkVisitorAbs& Visitor) override;
};

// The statement object for a raw statement whose first word is "use" or
// "go" (nullptr for any other word).
std::unique_ptr<TCustomSqlStatement> NewMssqlStatementForWord(const std::string& LowerWord, std::uint8_t Vendor);
