// The PL/SQL element tree: one node class per construct of a PL/SQL unit
// (blocks, sections, declarations, statements, procedures, packages,
// triggers).  The PL/SQL grammar's actions make the elements through the
// parser's NewNode (the node pool owns them) and fill their fields; the
// statement object then runs Analyze on the root once, which hands the token
// events down and turns raw statement lists into owned sections, and walks
// meet every element's tokens and children in source order.
//
// Conventions shared by all classes below:
// - "own token i" is the token at index i of the node's own token list, in
//   the order the grammar appended them;
// - raw lists (TRk_List) and the nodes and tokens in the fields belong to
//   the parser's node pool and the front end; an element owns only what its
//   constructor makes: item lists, sections, list expressions, the dummy
//   statement's token list and an empty parameter name;
// - every walk runs inside the Accept frame: a missing own token or a missing
//   child that the walk needs ends that element's walk (no PostVisit), and
//   the enclosing walk goes on;
// - option nodes made by the grammar are TRk_DummyNode with fixed slots:
//   Int1 the kind or flag, List1 the list, Tok1 the keyword (ELSE,
//   EXCEPTION, INTO, USING, the label of "<<" label ">>"), Tok2.. the
//   further keywords, Sub1.. the nodes, as listed per field below.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "nodes/u_nodes_generic.h"
#include "statementstructure/sqlstatement_types.h"

class TCustomSqlStatement;
class TRkCustomExpression;
class TRkPlsql_Stmt;

// Node kinds of the element classes.
inline constexpr std::uint8_t nkPlsqlElement = 111;
inline constexpr std::uint8_t nkPlsqlDecl = 112;
inline constexpr std::uint8_t nkPlsqlStmt = 113;
inline constexpr std::uint8_t nkPlsqlProcSect = 114;
inline constexpr std::uint8_t nkPlsqlBlock = 116;
inline constexpr std::uint8_t nkPlsqlVarDecl = 117;
inline constexpr std::uint8_t nkPlsqlDummyStmt = 118;
inline constexpr std::uint8_t nkPlsqlProcBasicStmt = 119;
inline constexpr std::uint8_t nkPlsqlExprLeftSide = 120;
inline constexpr std::uint8_t nkPlsqlAssignStmt = 121;
inline constexpr std::uint8_t nkPlsqlSqlStmt = 122;
inline constexpr std::uint8_t nkPlsqlCursorDecl = 123;
inline constexpr std::uint8_t nkPlsqlCursorParamDecl = 124;
inline constexpr std::uint8_t nkPlsqlDeclarationExpr = 125;
inline constexpr std::uint8_t nkPlsqlExitStmt = 126;
inline constexpr std::uint8_t nkPlsqlGotoStmt = 127;
inline constexpr std::uint8_t nkPlsqlRaiseStmt = 128;
inline constexpr std::uint8_t nkPlsqlReturnStmt = 129;
inline constexpr std::uint8_t nkPlsqlCloseStmt = 130;
inline constexpr std::uint8_t nkPlsqlOpenStmt = 131;
inline constexpr std::uint8_t nkPlsqlOpenforStmt = 132;
inline constexpr std::uint8_t nkPlsqlFetchStmt = 133;
inline constexpr std::uint8_t nkPlsqlElsifStmt = 134;
inline constexpr std::uint8_t nkPlsqlIfStmt = 135;
inline constexpr std::uint8_t nkPlsqlLoopStmt = 136;
inline constexpr std::uint8_t nkPlsqlForallStmt = 137;
inline constexpr std::uint8_t nkPlsqlCaseStmt = 138;
inline constexpr std::uint8_t nkPlsqlCaseExpr = 139;
inline constexpr std::uint8_t nkPlsqlCaseExprWhenClause = 140;
inline constexpr std::uint8_t nkPlsqlExecImmeStmt = 141;
inline constexpr std::uint8_t nkPlsqlExceptionhandler = 142;
inline constexpr std::uint8_t nkPlsqlTableTypeDef = 143;
inline constexpr std::uint8_t nkPlsqlVarrayTypeDef = 144;
inline constexpr std::uint8_t nkPlsqlRecordTypeDef = 145;
inline constexpr std::uint8_t nkPlsqlFieldDecl = 146;
inline constexpr std::uint8_t nkPlsqlProcedureDecl = 147;
inline constexpr std::uint8_t nkPlsqlParameterDecl = 148;
inline constexpr std::uint8_t nkPlsqlProcedureSpec = 149;
inline constexpr std::uint8_t nkPlsqlTrigger = 150;
inline constexpr std::uint8_t nkPlsqlNullStmt = 151;
inline constexpr std::uint8_t nkPlsqlPackage = 152;
inline constexpr std::uint8_t nkPlsqlPragmaDecl = 153;

// ---------------------------------------------------------------------------
// Base of every element.

class TRkPlsql_Element : public TRk_Node {
public:
    std::string NameCache;                  // filled once by GetName
    TOnDbObjTokenEvent OnFieldTokenEvent;   // handed down by InheritTokenEvents
    TOnDbObjTokenEvent OnTableTokenEvent;
    TSourceToken* LabelToken = nullptr;       // the name of "<<" name ">>" before a statement
    TSourceToken* PackageEndLabel = nullptr;  // TRkPlsql_Package only: the name after END
    TSourceToken* LabelOpen = nullptr;        // "<<"
    TSourceToken* LabelClose = nullptr;       // ">>"

    TRkPlsql_Element();
    const char* ClassName() const override { return "TRkPlsql_Element"; }

    // The printer of the element's class (none for the two bases).
    void CreatePP() override;
    // The label's formatted text, cached.
    virtual std::string GetName();
    // Second phase after the parse: hands token events down, fills sections,
    // parses embedded statement objects.  Runs once per parse.
    virtual void Analyze() {}
    // Undoes what the grammar and Analyze linked so the unit can be parsed
    // again.
    virtual void Clear();

    void SetOnFieldTokenEvent(TOnDbObjTokenEvent E) { OnFieldTokenEvent = std::move(E); }
    void SetOnTableTokenEvent(TOnDbObjTokenEvent E) { OnTableTokenEvent = std::move(E); }
    // Child's field-token and table-token events := Parent's.
    static void InheritTokenEvents(TRkPlsql_Element* Child, const TRkPlsql_Element* Parent);
    // "<<", label, ">>", each when set.
    void VisitNameNodes(TRkVisitorAbs& V);

protected:
    const char* AssertUnit() const override { return "statementstructure/plsqlstatement"; }
    // The PL/SQL statement this element belongs to (the parser's statement).
    TCustomSqlStatement* OwningStatement() const;
    // Hands this element's token events to an embedded statement object,
    // parses it with the Oracle SQL grammar and copies its errors into the
    // owning statement when the parse fails.
    void ParseEmbedded(TCustomSqlStatement* Sql);
};

// Base of statements, declarations, blocks and the unit roots.
class TRkPlsql_Stmt : public TRkPlsql_Element {
public:
    TSourceToken* Terminator = nullptr;   // the ";" that ends it, nil when its rule has none

    TRkPlsql_Stmt();
    const char* ClassName() const override { return "TRkPlsql_Stmt"; }
};

// Non-owning list of the analysed items of a section (not a node).
class TRkPlsql_StmtList {
public:
    TRkPlsql_StmtList();
    ~TRkPlsql_StmtList();
    TRkPlsql_StmtList(const TRkPlsql_StmtList&) = delete;
    TRkPlsql_StmtList& operator=(const TRkPlsql_StmtList&) = delete;

    void Add(TRkPlsql_Stmt* Item);
    void Clear();
    int32_t Count() const;
    // Raises ERkListError for an index outside the list.
    TRkPlsql_Stmt* Items(int32_t Index) const;

private:
    std::unique_ptr<std::vector<TRkPlsql_Stmt*>> FList;
};

// Declaration section of a block: [<<label>>] [DECLARE declarations].
class TRkPlsql_Decl : public TRkPlsql_Element {
public:
    std::unique_ptr<TRkPlsql_StmtList> Items;
    TSourceToken* BlockLabel = nullptr;     // the name of "<<" name ">>"
    TRk_DummyNode* LabelNode = nullptr;     // own tokens "<<" (0) and ">>" (1)
    TSourceToken* DeclareToken = nullptr;
    TRk_List* Declarations = nullptr;       // raw; a DECLARE between two is the next one's separator

    TRkPlsql_Decl();
    ~TRkPlsql_Decl() override;
    const char* ClassName() const override { return "TRkPlsql_Decl"; }
    std::string GetName() override;   // "<<" label ">>"
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// Statement section: the analysed items of a raw statement list.  Made and
// owned by the element that holds it, never by the grammar.
class TrkPlsql_ProcSect : public TRkPlsql_Element {
public:
    std::unique_ptr<TRkPlsql_StmtList> Items;
    TRk_List* Statements = nullptr;   // raw, set by the owner's Analyze

    TrkPlsql_ProcSect();
    ~TrkPlsql_ProcSect() override;
    const char* ClassName() const override { return "TrkPlsql_ProcSect"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// A block: declaration section, BEGIN statements [EXCEPTION handlers] END [label].
// Own tokens: BEGIN (0), END (1).
class TRk_Plsql : public TRkPlsql_Stmt {
public:
    TRkPlsql_Decl* DeclSection = nullptr;   // always made by the grammar
    TRk_List* Statements = nullptr;         // raw
    TRk_List* Handlers = nullptr;           // raw TRkPlsql_Exceptionhandler items; nil without EXCEPTION
    TSourceToken* EndLabel = nullptr;
    TSourceToken* ExceptionToken = nullptr;
    std::unique_ptr<TrkPlsql_ProcSect> Section;

    TRk_Plsql();
    ~TRk_Plsql() override;
    const char* ClassName() const override { return "TRk_Plsql"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// ---------------------------------------------------------------------------
// Declarations.

// Default-value clause: ":=" expr (Kind 1) or DEFAULT expr (Kind 2); own token 0
// is ":=" or DEFAULT.
class TRkPlsql_opt_declaration_expr : public TRkPlsql_Stmt {
public:
    TRk_Node* Expression = nullptr;
    int32_t Kind = 0;

    TRkPlsql_opt_declaration_expr();
    const char* ClassName() const override { return "TRkPlsql_opt_declaration_expr"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// Variable (1), constant (2), subtype (3), exception (5) and
// PRAGMA EXCEPTION_INIT (6) declarations.  Own tokens: kind 2 CONSTANT;
// kind 3 SUBTYPE, IS; kind 5 EXCEPTION; kind 6 PRAGMA, EXCEPTION_INIT, "(", ",", ")".
class TRkPlsql_VarDecl : public TRkPlsql_Stmt {
public:
    uint8_t ConstraintFlagCache = 0;
    std::string VarNameCache;
    TRk_Node* DataTypeCache = nullptr;
    TSourceToken* NameToken = nullptr;
    TRk_Node* DataType = nullptr;          // TRk_TypeName
    uint8_t ConstraintFlag = 0;            // NOT NULL written
    TRk_Node* Value = nullptr;             // TRkPlsql_opt_declaration_expr (1, 2) or the error number (6)
    uint8_t DeclKind = 0;
    TRk_DummyNode* NotNullNode = nullptr;  // own tokens NOT, NULL

    TRkPlsql_VarDecl();
    const char* ClassName() const override { return "TRkPlsql_VarDecl"; }
    uint8_t GetConstraintFlag();
    TRk_Node* GetDataTypeNode();
    std::string GetVarName();
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// CURSOR name [(params)] [RETURN type] [IS query] and
// TYPE name IS REF CURSOR [RETURN type];  Own token 0: CURSOR or TYPE.
class TRkPlsql_CursorDecl : public TRkPlsql_Stmt {
public:
    TSourceToken* CursorName = nullptr;
    TRk_DummyNode* ParamPart = nullptr;     // own tokens "(" ")", List1 the TRkPlsql_CursorParamDecl items
    TRk_Node* ReturnType = nullptr;
    TCustomSqlStatement* Query = nullptr;   // select object, ends with its own ";"
    uint8_t RefCursor = 0;
    TRk_Node* TypeName = nullptr;
    TSourceToken* IsToken = nullptr;
    TSourceToken* ReturnToken = nullptr;
    TSourceToken* RefToken = nullptr;
    TSourceToken* CursorToken = nullptr;    // of the REF CURSOR form

    TRkPlsql_CursorDecl();
    const char* ClassName() const override { return "TRkPlsql_CursorDecl"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// Cursor parameter: name [IN] datatype [default].
class TRkPlsql_CursorParamDecl : public TRkPlsql_Stmt {
public:
    TSourceToken* NameToken = nullptr;
    TRk_Node* DataType = nullptr;
    TRk_Node* Default = nullptr;   // TRkPlsql_opt_declaration_expr
    TSourceToken* InToken = nullptr;

    TRkPlsql_CursorParamDecl();
    const char* ClassName() const override { return "TRkPlsql_CursorParamDecl"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// TYPE name IS TABLE OF type [NOT NULL] [INDEX BY BINARY_INTEGER].
// Own tokens TYPE, TABLE, OF.
class TRkPlsql_TableTypeDef : public TRkPlsql_Stmt {
public:
    TRk_Node* TypeName = nullptr;
    TSourceToken* IsToken = nullptr;
    uint8_t NotNull = 0;
    TRk_DummyNode* NotNullNode = nullptr;
    TRk_Node* ElementType = nullptr;
    TRk_DummyNode* IndexBy = nullptr;   // Int1 1 when written; Tok1 INDEX, Tok2 BY, Tok3 the key type

    TRkPlsql_TableTypeDef();
    const char* ClassName() const override { return "TRkPlsql_TableTypeDef"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// TYPE name IS VARRAY (n) OF type [NOT NULL]; VARYING ARRAY as form 2.
// Own tokens: form 1 TYPE, VARRAY, "(", ")", OF; form 2 TYPE, VARYING, ARRAY, "(", ")", OF.
class TRkPlsql_VarrayTypeDef : public TRkPlsql_Stmt {
public:
    TRk_Node* TypeName = nullptr;
    TSourceToken* IsToken = nullptr;
    TSourceToken* LimitToken = nullptr;
    uint8_t NotNull = 0;
    TRk_DummyNode* NotNullNode = nullptr;
    TRk_Node* ElementType = nullptr;
    int32_t ArrayForm = 1;

    TRkPlsql_VarrayTypeDef();
    const char* ClassName() const override { return "TRkPlsql_VarrayTypeDef"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// TYPE name IS RECORD (fields).  Own tokens TYPE, IS, RECORD, "(", ")".
class TRkPlsql_RecordTypeDef : public TRkPlsql_Stmt {
public:
    TRk_Node* TypeName = nullptr;
    TRk_List* FieldList = nullptr;   // TRkPlsql_FieldDecl items, "," separators

    TRkPlsql_RecordTypeDef();
    const char* ClassName() const override { return "TRkPlsql_RecordTypeDef"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// A record field: name datatype [NOT NULL] [default].
class TRkPlsql_FieldDecl : public TRkPlsql_Stmt {
public:
    TSourceToken* NameToken = nullptr;
    TRk_Node* DataType = nullptr;
    uint8_t NotNull = 0;
    TRk_DummyNode* NotNullNode = nullptr;
    TRk_Node* Default = nullptr;   // TRkPlsql_opt_declaration_expr

    TRkPlsql_FieldDecl();
    const char* ClassName() const override { return "TRkPlsql_FieldDecl"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// PRAGMA SERIALLY_REUSABLE; PRAGMA RESTRICT_REFERENCES ([DEFAULT,] names).
// Own tokens: PRAGMA, the name, then "(", ")" or "(", DEFAULT, ",", ")".
class TRkPlsql_PragmaDecl : public TRkPlsql_Stmt {
public:
    TRk_List* Arguments = nullptr;
    std::unique_ptr<TRkCustomExpression> ArgumentExpr;

    TRkPlsql_PragmaDecl();
    ~TRkPlsql_PragmaDecl() override;
    const char* ClassName() const override { return "TRkPlsql_PragmaDecl"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// ---------------------------------------------------------------------------
// Statements.

// GOTO label.  Own token 0 GOTO.
class TRkPlsql_GotoStmt : public TRkPlsql_Stmt {
public:
    TSourceToken* LabelName = nullptr;

    TRkPlsql_GotoStmt();
    const char* ClassName() const override { return "TRkPlsql_GotoStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// RAISE [name].  Own token 0 RAISE.
class TRkPlsql_RaiseStmt : public TRkPlsql_Stmt {
public:
    TSourceToken* ExceptionName = nullptr;

    TRkPlsql_RaiseStmt();
    const char* ClassName() const override { return "TRkPlsql_RaiseStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// RETURN [expr].  Own token 0 RETURN.
class TRkPlsql_ReturnStmt : public TRkPlsql_Stmt {
public:
    TRk_Node* Expression = nullptr;

    TRkPlsql_ReturnStmt();
    const char* ClassName() const override { return "TRkPlsql_ReturnStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// CLOSE cursor.  Own token 0 CLOSE.
class TRkPlsql_CloseStmt : public TRkPlsql_Stmt {
public:
    TSourceToken* CursorName = nullptr;

    TRkPlsql_CloseStmt();
    const char* ClassName() const override { return "TRkPlsql_CloseStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// NULL after a statement label.  Own token 0 NULL.
class TRkPlsql_NullStmt : public TRkPlsql_Stmt {
public:
    TRkPlsql_NullStmt();
    const char* ClassName() const override { return "TRkPlsql_NullStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
};

// EXIT [label] [WHEN condition].  Own tokens EXIT [, WHEN].
class TRkPlsql_ExitStmt : public TRkPlsql_Stmt {
public:
    TSourceToken* LabelName = nullptr;
    TRk_Node* Condition = nullptr;

    TRkPlsql_ExitStmt();
    const char* ClassName() const override { return "TRkPlsql_ExitStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// A procedure call or any other expression used as a statement.
class TRkPlsql_ProcBasicStmt : public TRkPlsql_Stmt {
public:
    TRk_Node* CallExpr = nullptr;

    TRkPlsql_ProcBasicStmt();
    const char* ClassName() const override { return "TRkPlsql_ProcBasicStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// Assignment target.  Own tokens "(" ")" in the bracket form.
class TRkPlsql_ExprLeftSide : public TRkPlsql_Stmt {
public:
    TSourceToken* NameToken = nullptr;
    TRk_Node* Attr = nullptr;            // a qualified name
    TRk_List* Qualifiers = nullptr;      // raw call chain, "." separators
    uint8_t Bracket = 0;
    TSourceToken* DotToken = nullptr;

    TRkPlsql_ExprLeftSide();
    const char* ClassName() const override { return "TRkPlsql_ExprLeftSide"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// target := value.  Own token 0 ":=".
class TRkPlsql_AssignStmt : public TRkPlsql_Stmt {
public:
    TRkPlsql_ExprLeftSide* Target = nullptr;
    TRk_Node* Value = nullptr;

    TRkPlsql_AssignStmt();
    const char* ClassName() const override { return "TRkPlsql_AssignStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// An embedded SQL statement.  The statement object took its tokens through
// its ";" and belongs to the PL/SQL statement's sub-statement list.
class TRkPlsql_SqlStmt : public TRkPlsql_Stmt {
public:
    TCustomSqlStatement* SqlStatement = nullptr;

    TRkPlsql_SqlStmt();
    const char* ClassName() const override { return "TRkPlsql_SqlStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// OPEN cursor [(args)].  Own tokens OPEN [, "(", ")"].
class TRkPlsql_OpenStmt : public TRkPlsql_Stmt {
public:
    TRk_Node* Cursor = nullptr;
    TRk_List* Arguments = nullptr;
    std::unique_ptr<TRkCustomExpression> ArgumentExpr;

    TRkPlsql_OpenStmt();
    ~TRkPlsql_OpenStmt() override;
    const char* ClassName() const override { return "TRkPlsql_OpenStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// FETCH cursor INTO targets.  Own tokens FETCH, INTO.
class TRkPlsql_FetchStmt : public TRkPlsql_Stmt {
public:
    TRk_Node* Cursor = nullptr;
    TRk_List* IntoList = nullptr;
    std::unique_ptr<TRkCustomExpression> IntoExpr;

    TRkPlsql_FetchStmt();
    ~TRkPlsql_FetchStmt() override;
    const char* ClassName() const override { return "TRkPlsql_FetchStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// OPEN cursor FOR query | expr [USING binds].  Own tokens OPEN, FOR [, USING].
class TRkPlsql_OpenforStmt : public TRkPlsql_Stmt {
public:
    TSourceToken* CursorVar = nullptr;
    TRk_Node* QueryExpr = nullptr;
    TRk_List* Binds = nullptr;
    TCustomSqlStatement* Query = nullptr;
    std::unique_ptr<TRkCustomExpression> BindExpr;

    TRkPlsql_OpenforStmt();
    ~TRkPlsql_OpenforStmt() override;
    const char* ClassName() const override { return "TRkPlsql_OpenforStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// ELSIF condition THEN statements.  Own tokens ELSIF, THEN.
class TRkPlsql_ElsifStmt : public TRkPlsql_Stmt {
public:
    TRk_Node* Condition = nullptr;
    TRk_List* Statements = nullptr;
    std::unique_ptr<TrkPlsql_ProcSect> Section;

    TRkPlsql_ElsifStmt();
    ~TRkPlsql_ElsifStmt() override;
    const char* ClassName() const override { return "TRkPlsql_ElsifStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// IF ... [ELSIF ...] [ELSE ...] END IF.  Own tokens IF, THEN, [ELSE,] END, IF.
class TRkPlsql_IfStmt : public TRkPlsql_Stmt {
public:
    TRk_Node* Condition = nullptr;
    TRk_List* ThenStmts = nullptr;
    TRk_List* ElseStmts = nullptr;
    TRk_List* ElsifList = nullptr;   // TRkPlsql_ElsifStmt items
    std::unique_ptr<TrkPlsql_ProcSect> ThenSection;
    std::unique_ptr<TrkPlsql_ProcSect> ElseSection;

    TRkPlsql_IfStmt();
    ~TRkPlsql_IfStmt() override;
    const char* ClassName() const override { return "TRkPlsql_IfStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// The eight loop forms (LoopKind 1..8; own tokens per kind as the grammar
// appends them).
class TRkPlsql_LoopStmt : public TRkPlsql_Stmt {
public:
    int32_t LoopKind = 1;
    TRk_Node* WhileCondition = nullptr;
    TSourceToken* IndexToken = nullptr;
    TRk_List* Statements = nullptr;
    TRk_Node* LowerBound = nullptr;
    TRk_Node* UpperBound = nullptr;
    uint8_t Reverse = 0;
    TCustomSqlStatement* Query = nullptr;   // kind 5: the bracketed select
    TRk_Node* Cursor = nullptr;             // kinds 6, 7, 8
    TSourceToken* EndLabel = nullptr;
    TRk_List* CursorArgs = nullptr;         // kind 7
    std::unique_ptr<TRkCustomExpression> CursorArgExpr;
    std::unique_ptr<TrkPlsql_ProcSect> Section;

    TRkPlsql_LoopStmt();
    ~TRkPlsql_LoopStmt() override;
    const char* ClassName() const override { return "TRkPlsql_LoopStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// FORALL i IN low .. high dml.  Own tokens FORALL, IN, "..".
class TRkPlsql_ForallStmt : public TRkPlsql_Stmt {
public:
    TSourceToken* IndexToken = nullptr;
    TRk_Node* LowerBound = nullptr;
    TRk_Node* UpperBound = nullptr;
    TRkPlsql_SqlStmt* DmlStmt = nullptr;

    TRkPlsql_ForallStmt();
    const char* ClassName() const override { return "TRkPlsql_ForallStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
};

// WHEN condition THEN statements | result.  Own tokens WHEN, THEN.
class TRkPlsql_CaseExprWhenClause : public TRkPlsql_Stmt {
public:
    TRk_Node* Condition = nullptr;
    TRk_Node* Result = nullptr;
    TRk_List* Statements = nullptr;
    std::unique_ptr<TrkPlsql_ProcSect> Section;

    TRkPlsql_CaseExprWhenClause();
    ~TRkPlsql_CaseExprWhenClause() override;
    const char* ClassName() const override { return "TRkPlsql_CaseExprWhenClause"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// CASE [selector] WHEN ... [ELSE ...] END.  Own tokens CASE, END.
class TRkPlsql_CaseExpr : public TRkPlsql_Stmt {
public:
    TRk_Node* Selector = nullptr;
    TRk_List* WhenClauses = nullptr;    // TRkPlsql_CaseExprWhenClause items
    TRk_List* ElseStmts = nullptr;
    TRk_Node* ElseExpr = nullptr;
    TRk_DummyNode* ElsePart = nullptr;  // Tok1 ELSE; Int1 1 statements, 2 expression
    std::unique_ptr<TrkPlsql_ProcSect> Section;

    TRkPlsql_CaseExpr();
    ~TRkPlsql_CaseExpr() override;
    const char* ClassName() const override { return "TRkPlsql_CaseExpr"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// CASE body followed by CASE [label].  Own token 0: the CASE after END.
class TRkPlsql_CaseStmt : public TRkPlsql_Stmt {
public:
    TRkPlsql_CaseExpr* Body = nullptr;
    TSourceToken* EndLabel = nullptr;

    TRkPlsql_CaseStmt();
    const char* ClassName() const override { return "TRkPlsql_CaseStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// EXECUTE IMMEDIATE expr [INTO ...] [USING ...] [RETURNING INTO ...].
// Own tokens EXECUTE, IMMEDIATE.  A bind (TRk_DummyNode): Int1 mode (1 none,
// 2 IN, 3 OUT, 4 IN OUT), Tok1 the bound name, Tok2 and Tok3 the mode
// keywords; a bind after the first carries its "," as separator.  The
// RETURNING node: Int1 1 RETURN or 2 RETURNING, Tok1 that keyword, Tok2 INTO,
// List1 the targets (nil without the clause).
class TRkPlsql_ExecImmeStmt : public TRkPlsql_Stmt {
public:
    TRk_Node* SqlExpr = nullptr;
    TRk_List* IntoList = nullptr;
    TRk_List* UsingList = nullptr;
    TRk_DummyNode* Returning = nullptr;
    std::unique_ptr<TRkCustomExpression> IntoExpr;
    TSourceToken* IntoToken = nullptr;
    TSourceToken* UsingToken = nullptr;
    std::unique_ptr<TRkCustomExpression> ReturningExpr;

    TRkPlsql_ExecImmeStmt();
    ~TRkPlsql_ExecImmeStmt() override;
    const char* ClassName() const override { return "TRkPlsql_ExecImmeStmt"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// WHEN OTHERS THEN ... (kind 1; own tokens WHEN, OTHERS, THEN) or
// WHEN names THEN ... (kind 2; own tokens WHEN, THEN; OR between names is
// the next name's separator).
class TRkPlsql_Exceptionhandler : public TRkPlsql_Stmt {
public:
    int32_t HandlerKind = 1;
    TRk_List* ExceptionNames = nullptr;
    TRk_List* Statements = nullptr;
    std::unique_ptr<TrkPlsql_ProcSect> Section;
    std::unique_ptr<TRkCustomExpression> NameExpr;

    TRkPlsql_Exceptionhandler();
    ~TRkPlsql_Exceptionhandler() override;
    const char* ClassName() const override { return "TRkPlsql_Exceptionhandler"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// A statement or declaration skipped in error recovery: the skipped tokens.
class TRkPlsql_DummyStmt : public TRkPlsql_Stmt {
public:
    std::unique_ptr<TSourceTokenList> SkippedTokens;   // non-owning

    TRkPlsql_DummyStmt();
    ~TRkPlsql_DummyStmt() override;
    const char* ClassName() const override { return "TRkPlsql_DummyStmt"; }
    // Walks the skipped words, so the unit's regenerated text keeps them.
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// ---------------------------------------------------------------------------
// Program units.  A CREATE node (TRk_DummyNode): Int1 0 none, 1 CREATE,
// 2 CREATE OR REPLACE; Tok1 CREATE, Tok2 OR, Tok3 REPLACE.  A parameter part
// node: own tokens "(" ")", List1 the parameters ("," separators).

// name [IN | OUT | IN OUT] datatype [default].  Own tokens: the mode keywords.
class TRkPlsql_ParameterDecl : public TRkPlsql_Stmt {
public:
    TSourceToken* NameToken = nullptr;
    TRk_Node* DataType = nullptr;
    int32_t Mode = 1;                 // 1 none, 2 IN, 3 OUT, 4 IN OUT
    TRk_Node* Default = nullptr;      // TRkPlsql_opt_declaration_expr
    std::unique_ptr<TSourceToken> EmptyName;   // made by Analyze for an empty place

    TRkPlsql_ParameterDecl();
    ~TRkPlsql_ParameterDecl() override;
    const char* ClassName() const override { return "TRkPlsql_ParameterDecl"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// Procedure or function body (also the root of CREATE PROCEDURE/FUNCTION).
// Own tokens: PROCEDURE or FUNCTION, BEGIN, END.
class TRkPlsql_ProcedureDecl : public TRkPlsql_Stmt {
public:
    TRk_Node* Name = nullptr;
    TRk_List* Params = nullptr;
    TRk_DummyNode* ParamPart = nullptr;
    TRk_DummyNode* FuncAttrs = nullptr;   // own tokens DETERMINISTIC / PARALLEL_ENABLE
    TRk_List* Declarations = nullptr;
    TRk_List* Statements = nullptr;
    TRk_List* Handlers = nullptr;
    TSourceToken* EndLabel = nullptr;
    std::unique_ptr<TrkPlsql_ProcSect> Section;
    uint8_t IsFunction = 0;
    int32_t CreateKind = 1;
    TSourceToken* IsAsToken = nullptr;
    TRk_Node* ReturnType = nullptr;
    TSourceToken* ExceptionToken = nullptr;
    TSourceToken* ReturnToken = nullptr;
    TRk_DummyNode* CreateNode = nullptr;

    TRkPlsql_ProcedureDecl();
    ~TRkPlsql_ProcedureDecl() override;
    const char* ClassName() const override { return "TRkPlsql_ProcedureDecl"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// PROCEDURE name [(params)] | FUNCTION name [(params)] RETURN type.
// Own token 0 PROCEDURE or FUNCTION.
class TRkPlsql_ProcedureSpec : public TRkPlsql_Stmt {
public:
    TRk_Node* Name = nullptr;
    TRk_List* Params = nullptr;
    TRk_DummyNode* ParamPart = nullptr;
    uint8_t IsFunction = 0;
    TRk_Node* ReturnType = nullptr;
    TSourceToken* ReturnToken = nullptr;

    TRkPlsql_ProcedureSpec();
    const char* ClassName() const override { return "TRkPlsql_ProcedureSpec"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Clear() override;
};

// Package spec or body.  Own tokens: PACKAGE, END [, BODY [, BEGIN]].
// The name after END is PackageEndLabel.
class TRkPlsql_Package : public TRkPlsql_Stmt {
public:
    TRk_Node* Name = nullptr;
    int32_t CreateKind = 2;
    TRk_DummyNode* CreateNode = nullptr;
    TSourceToken* IsAsToken = nullptr;
    TRk_List* PackageItems = nullptr;
    uint8_t IsBody = 0;
    TRk_List* Statements = nullptr;   // initialisation part
    TRk_List* Handlers = nullptr;
    TSourceToken* ExceptionToken = nullptr;
    std::unique_ptr<TrkPlsql_ProcSect> Section;

    TRkPlsql_Package();
    ~TRkPlsql_Package() override;
    const char* ClassName() const override { return "TRkPlsql_Package"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};

// CREATE [OR REPLACE] TRIGGER name timing event [WHEN (cond)] body.
// Timing node: Tok1 BEFORE/AFTER/INSTEAD, Tok2 OF.  Event node: Int1 1 DML,
// 2 DDL, 3 database; List1 the event items (OR separators); Tok1 ON.
//   DML: Tok2..Tok5 NESTED, TABLE, the nested column, OF; Sub1 the table;
//   Sub3 the FOR EACH ROW node (Tok1..Tok3).  Items: Tok1 the keyword,
//   Tok2 OF, List1 the UPDATE OF columns.
//   DDL and database: Tok2 SCHEMA, DATABASE or the schema name; Tok3 ".",
//   Tok4 SCHEMA.  Items: Tok1 and Tok2 the keywords.
// WHEN clause node: Tok1 WHEN, Tok2 "(", Sub1 the condition, Tok3 ")".
class TRkPlsql_Trigger : public TRkPlsql_Stmt {
public:
    int32_t CreateKind = 0;
    TRk_DummyNode* CreateNode = nullptr;
    TRk_Node* TriggerName = nullptr;
    TSourceToken* TriggerToken = nullptr;
    TRk_Plsql* Body = nullptr;
    TRk_Node* Timing = nullptr;
    TRk_Node* Event = nullptr;
    TRk_DummyNode* WhenClause = nullptr;
    TCustomSqlStatement* CallStatement = nullptr;

    TRkPlsql_Trigger();
    const char* ClassName() const override { return "TRkPlsql_Trigger"; }
    void DoAccept(TRkVisitorAbs& V) override;
    void Analyze() override;
    void Clear() override;
};
