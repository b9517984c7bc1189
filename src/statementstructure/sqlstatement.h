// Statement model: the statement base every statement object derives from,
// the simple statements whose model is their text, the statement list,
// substitution variables and the helpers that turn parse nodes into fields
// and tables.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "nodes/u_nodes.h"
#include "statementstructure/schemaobjects.h"
#include "statementstructure/sqlstatement_types.h"

class TRkCustomParser;
class TRkParserFactory;
class TRkVisitorAbs;
class TRk_List;
class TRk_DummyNode;
class TRkInspectDBObj;
class TSelectSqlStatement;
class TCustomMarlSqlParser;

// ---------------------------------------------------------------------------
// Substitution variables (an ampersand followed by a name).

class TSubstitutionVar {
public:
    std::string Value;
    std::string Name;  // the occurrence's text, ampersands included

    const std::string& GetName() const { return Name; }
    void SetValue(const std::string& S) { Value = S; }
};

class TSubstitutionVarList {
public:
    void Add(std::unique_ptr<TSubstitutionVar> Var) { FItems.push_back(std::move(Var)); }
    int Count() const { return static_cast<int>(FItems.size()); }
    // 0-based; a bad index raises ERkListError.
    TSubstitutionVar* GetItem(int Index) const;

private:
    std::vector<std::unique_ptr<TSubstitutionVar>> FItems;
    friend class TSubStitutionVarProcess;
};

class TSubStitutionVarProcess {
public:
    std::string Text;

    void SetText(const std::string& S) { Text = S; }
    void SetOnSubstitutionVar(TOnSubstitutionVarEvent Event) { FOnSubstitutionVar = std::move(Event); }
    // Collects the variables of Text, asks the host for their values and
    // replaces each occurrence by its own entry's value (an empty value by
    // one blank).  An exception raised by the host is swallowed and leaves
    // Text as it was.
    void Execute();
    TSubstitutionVarList& Vars() { return FVars; }

private:
    TSubstitutionVarList FVars;
    std::vector<std::size_t> FOffsets;  // byte offset of each collected occurrence
    TOnSubstitutionVarEvent FOnSubstitutionVar;
};

// 1-based position of SubStr in S at or after Offset; 0 when absent.
int PosFrom(const std::string& SubStr, const std::string& S, int Offset);

// ---------------------------------------------------------------------------
// Statement base.  Statements are made with CreateNodeOfClass<T>(Vendor)
// (nodes/u_nodes.h), which runs the second construction phase (CreatePP).

class TCustomSqlStatement : public TRk_Node {
public:
    explicit TCustomSqlStatement(std::uint8_t Vendor);
    ~TCustomSqlStatement() override;
    TCustomSqlStatement(const TCustomSqlStatement&) = delete;
    TCustomSqlStatement& operator=(const TCustomSqlStatement&) = delete;

    // Fields, in the order the model declares them but for the flags, kept
    // together after the others so that they share one word (a script makes
    // thousands of statements).  The parts most statements never use are
    // made on first use.
    std::unique_ptr<TRkCustomParser> Parser;  // the vendor's SQL parser; nullptr when the dialect is not built
    TSyntaxErrorArray SyntaxErrors;
    std::unique_ptr<TRkParserFactory> Factory;  // made with the first parser
    void* OwnerObject = nullptr;  // the front end or element that created the statement
    TRkLazyText WhereOverride;
    TRk_Node* WhereNode = nullptr;
    TRkLazyText SqlText;
    TRkOnDemand<TRkValueList> BindVars;
    TCustomSqlStatement* ParentStatement = nullptr;
    TRkOnDemand<TRkValueList> SqlVars;
    TRkLazyText TextCache;  // written by BuildSqlText
    std::unique_ptr<TRkCustomParser> PlsqlParser;  // vendor 1 only, when the PL/SQL dialect is built
    TRk_Node* RootNode = nullptr;  // owned by the parser that built it
    std::vector<std::unique_ptr<TCustomSqlStatement>> SubStatements;
    TRkOnDemand<TSourceTokenList, true> TextTokens;       // tokens made from SqlText; owned here
    TRkEmbedded<TSourceTokenList> SourceTokens{false};  // tokens handed over by the front end; not owned
    TRkOnDemand<TSourceTokenList, false> AuxTokens;       // not owned
    TRkOnDemand<TRkFieldList, true> Fields;  // owning
    TRkOnDemand<TRkTableList, true> Tables;  // owning
    TRkTable* TargetTable = nullptr;
    TSourceToken* TerminatorToken = nullptr;
    TSourceToken* TrailingToken = nullptr;
    TRkOnDemand<std::vector<std::unique_ptr<TRkInspectDBObj>>> DbObjects;
    TSqlStatementType StatementType = sstUnknown;
    bool HasPlsqlParser = false;
    bool Parsed = false;
    bool EndsWithSemicolon = false;
    bool SqlTextFromTree = false;  // SqlText was made by the analysis, not given to parse

    // Virtual operations added by the statement base.
    virtual void BuildSqlText() = 0;  // writes TextCache
    virtual std::string GetTrimmedSqlText();
    virtual std::string GetRawSqlText();
    virtual int DoParse();
    virtual void CollectFieldsInExpr(TRk_Node* Expr);
    virtual void Reset();
    virtual int AnalyzeParseTree();
    virtual std::string GetTextByVisitor();
    virtual void CollectFieldsInExprToList(TRk_Node* Expr, std::vector<std::string>& List);
    // Fills DbObjects with the database objects the statement names, sorted
    // by kind.
    virtual void InspectDBObjects();

    // Node operations.
    const char* ClassName() const override { return "TCustomSqlStatement"; }
    TRkVisitedClass VisitedClass() const override { return TRkVisitedClass::Statement; }
    void DoAccept(TRkVisitorAbs& Visitor) override;
    std::string AsText() override;
    // The printer's text, read by this statement's vendor's rules for
    // literals and comments.  A statement whose parse left error records, and
    // an error statement, print as the script writes them: a recovered tree
    // holds only a part of the statement, and formatting must not lose the
    // rest.
    std::string GetPrettyText() override;
    // The statement as written, as a printer would end it: without its
    // terminating ";", with the comments that end it (CommentsAfterText).
    virtual std::string GetWrittenText();

    // Parse the statement's tokens (or SqlText) and analyze the tree.
    // Returns 0, -1 (no tokens, no usable tree, an exception) or the error
    // count of a parse that gave no tree.
    int Parse(bool AnalyzeOnly = false);

    int GetErrorCount() const { return SyntaxErrors.Count(); }
    std::string ErrorMessages() const;
    TSyntaxError& NewError() { return SyntaxErrors.NewError(); }
    void CopyErrors(const TCustomSqlStatement& Other);
    // The parsers' error callback.
    bool ParserError(std::uint8_t ErrorType, const std::string& ExpectedText, const std::string& TokenText,
                     std::int32_t Line, std::int32_t Column);

    std::string GetSqlText();
    void SetSqlText(const std::string& S);
    std::string GetText();
    TRk_Node* GetRootNode() const { return RootNode; }
    std::string GetWhereText();
    std::string GetWherePrettyText();
    std::string GetTextWithoutComments();

    void SetOwnerObject(void* Owner) { OwnerObject = Owner; }
    void SetWhereNode(TRk_Node* Node) { WhereNode = Node; }
    void SetParentStatement(TCustomSqlStatement* S) { ParentStatement = S; }

    // Events.  A statement reads those of the front end that made it (one
    // set per script); an event set on the statement itself overrides that
    // one event, and a statement made alone keeps its own, made when one is
    // first set.
    using TEvents = TStatementEvents;
    void ShareEvents(const TEvents* Events) { FSharedEvents = Events; }
    const TOnSubstitutionVarEvent& GetOnSubstitutionVar() const { return ReadEvent(&TEvents::OnSubstitutionVar, 0); }
    const TOnParserTokenEvent& GetOnParserToken() const { return ReadEvent(&TEvents::OnParserToken, 1); }
    const TOnParserTokenErrorEvent& GetOnParserTokenError() const { return ReadEvent(&TEvents::OnParserTokenError, 2); }
    const TOnBindVarEvent& GetOnBindVar() const { return ReadEvent(&TEvents::OnBindVar, 3); }
    const TOnStatementFieldEvent& GetOnFieldEvent() const { return ReadEvent(&TEvents::OnFieldEvent, 4); }
    const TOnStatementTableEvent& GetOnTableEvent() const { return ReadEvent(&TEvents::OnTableEvent, 5); }
    const TOnDbObjTokenEvent& GetOnFieldTokenEvent() const { return ReadEvent(&TEvents::OnFieldTokenEvent, 6); }
    const TOnDbObjTokenEvent& GetOnTableTokenEvent() const { return ReadEvent(&TEvents::OnTableTokenEvent, 7); }
    const TOnSqlVarEvent& GetOnSqlVar() const { return ReadEvent(&TEvents::OnSqlVar, 8); }
    void SetOnSubstitutionVar(TOnSubstitutionVarEvent E) { WriteEvent(&TEvents::OnSubstitutionVar, 0, std::move(E)); }
    void SetOnFieldEvent(TOnStatementFieldEvent E) { WriteEvent(&TEvents::OnFieldEvent, 4, std::move(E)); }
    void SetOnTableEvent(TOnStatementTableEvent E) { WriteEvent(&TEvents::OnTableEvent, 5, std::move(E)); }
    void SetOnFieldTokenEvent(TOnDbObjTokenEvent E) { WriteEvent(&TEvents::OnFieldTokenEvent, 6, std::move(E)); }
    void SetOnTableTokenEvent(TOnDbObjTokenEvent E) { WriteEvent(&TEvents::OnTableTokenEvent, 7, std::move(E)); }
    // These four also pass the event on to Parser.
    void SetOnParserToken(TOnParserTokenEvent E);
    void SetOnParserTokenError(TOnParserTokenErrorEvent E);
    void SetOnBindVar(TOnBindVarEvent E);
    void SetOnSqlVar(TOnSqlVarEvent E);

    // Helpers shared by the analyses.
    void AddFieldsFromList(TRk_List* List);
    TRkTable* AddTableFromNode(TRk_Node* Node);
    void AddFieldFromNode(TRk_Node* Node, TRkField* Field);
    TRkTable* AddTableFromTableRef(TRk_Node* Node);
    // A select statement made for a sub-query node of this statement: same
    // vendor, token events handed on, analyzed, kept in SubStatements.
    TSelectSqlStatement* NewSubQuery(TRk_Node* SelectNode);

protected:
    // The factory of this vendor's scanners and parsers, made on first use.
    TRkParserFactory& GetFactory();
    // Makes Parser on first use; raises ERkError for a vendor whose dialect
    // is not part of the build.
    void EnsureParser();
    // Makes PlsqlParser on first use (vendor 1 only): most statements are
    // plain SQL and never need one.
    void EnsurePlsqlParser();
    // The parser for a parse (the PL/SQL one when Plsql): the script's, lent
    // by the front end for the statement's first tree, else Parser or
    // PlsqlParser, made on first use.  nullptr: no PL/SQL parser.  HadTree:
    // the statement held a tree before this parse.
    TRkCustomParser* ParserForParse(bool Plsql, bool HadTree);
    // Frees what an analysis made: fields, tables, sub-statements.
    void ClearAnalysis();
    // DoParse of a statement that no grammar reads: 0, or the number of
    // records when it ends in a literal the scanner found open.
    int AcceptUnparsed();
    // The text an analysis makes of the statement's tree (SQL Server's
    // recognised-only statements): GetSqlText and the printers read it, but
    // the statement is not re-parsed from it.  The tokens stay, so a parse
    // again reads them, or analyzes again the root its creator gave.
    void SetAnalyzedText(const std::string& S);
    // SqlText when it is the statement's input, else empty.
    const std::string& TextToParse() const;
    // Drops the end tokens an earlier parse appended to L (a parse appends
    // one to the list it reads; the parser owns it).
    static void DropEndTokens(TSourceTokenList& L);

private:
    struct TOwnEvents : TStatementEvents {
        unsigned Set = 0;  // one bit per event set on the statement
    };
    static const TStatementEvents& NoEvents();
    template <class F>
    const F& ReadEvent(F TEvents::*Member, int Bit) const {
        if (FOwnEvents && (FOwnEvents->Set & (1u << Bit))) return (*FOwnEvents).*Member;
        return (FSharedEvents ? *FSharedEvents : NoEvents()).*Member;
    }
    template <class F>
    void WriteEvent(F TEvents::*Member, int Bit, F E) {
        if (!FOwnEvents) {
            if (!E && !ReadEvent(Member, Bit)) return;  // stays unset: nothing to keep
            FOwnEvents = std::make_unique<TOwnEvents>();
        }
        (*FOwnEvents).*Member = std::move(E);
        FOwnEvents->Set |= 1u << Bit;
    }

    const TStatementEvents* FSharedEvents = nullptr;  // the front end's
    std::unique_ptr<TOwnEvents> FOwnEvents;
};

// The statement Obj is, or nullptr: the walks' cast-free test.
inline TCustomSqlStatement* AsSqlStatement(TRkVisitedAbs* Obj) {
    if (!Obj) return nullptr;
    const TRkVisitedClass c = Obj->VisitedClass();
    return c == TRkVisitedClass::Statement || c == TRkVisitedClass::SelectStatement
               ? static_cast<TCustomSqlStatement*>(Obj)
               : nullptr;
}

// ---------------------------------------------------------------------------
// Simple statements.

class TUnknownSqlStatement : public TCustomSqlStatement {
public:
    explicit TUnknownSqlStatement(std::uint8_t Vendor);
    const char* ClassName() const override { return "TUnknownSqlStatement"; }
    void CreatePP() override;
    void BuildSqlText() override;
    int DoParse() override;
    int AnalyzeParseTree() override;
};

class TSqlplusCmdStatement : public TCustomSqlStatement {
public:
    explicit TSqlplusCmdStatement(std::uint8_t Vendor);
    const char* ClassName() const override { return "TSqlplusCmdStatement"; }
    void CreatePP() override;
    void BuildSqlText() override;
    int DoParse() override;
    int AnalyzeParseTree() override;
    std::string GetTrimmedSqlText() override;
};

class TAlterSessionStatement : public TCustomSqlStatement {
public:
    explicit TAlterSessionStatement(std::uint8_t Vendor);
    const char* ClassName() const override { return "TAlterSessionStatement"; }
    void CreatePP() override;
    void BuildSqlText() override;
    int DoParse() override;
};

class TCommitSqlStatement : public TCustomSqlStatement {
public:
    explicit TCommitSqlStatement(std::uint8_t Vendor);
    const char* ClassName() const override { return "TCommitSqlStatement"; }
    void BuildSqlText() override;
    int AnalyzeParseTree() override;
};

class TRollbackSqlStatement : public TCustomSqlStatement {
public:
    explicit TRollbackSqlStatement(std::uint8_t Vendor);
    const char* ClassName() const override { return "TRollbackSqlStatement"; }
    void CreatePP() override;
    void BuildSqlText() override;
    int AnalyzeParseTree() override;
};

class TSavepointSqlStatement : public TCustomSqlStatement {
public:
    explicit TSavepointSqlStatement(std::uint8_t Vendor);
    const char* ClassName() const override { return "TSavepointSqlStatement"; }
    void CreatePP() override;
    void BuildSqlText() override;
    int AnalyzeParseTree() override;
};

class TSetTranscationSqlStatement : public TSavepointSqlStatement {
public:
    explicit TSetTranscationSqlStatement(std::uint8_t Vendor);
    const char* ClassName() const override { return "TSetTranscationSqlStatement"; }
};

class TLockTableSqlStatement : public TSavepointSqlStatement {
public:
    explicit TLockTableSqlStatement(std::uint8_t Vendor);
    const char* ClassName() const override { return "TLockTableSqlStatement"; }
};

class TOracleCallSqlStatement : public TSavepointSqlStatement {
public:
    explicit TOracleCallSqlStatement(std::uint8_t Vendor);
    const char* ClassName() const override { return "TOracleCallSqlStatement"; }
    void BuildSqlText() override;
};

// ---------------------------------------------------------------------------
// Statement list: the front end's statements in script order.  Whether it
// owns them is chosen at creation (the SQL Server path's statements belong
// to the elements of its parse).

class TRkStatementList {
public:
    explicit TRkStatementList(bool OwnsObjects) : FItems(OwnsObjects) {}

    // Appends; an owning list takes ownership.
    void Add(TCustomSqlStatement* Statement) { FItems.Add(Statement); }
    void Add(std::unique_ptr<TCustomSqlStatement> Statement) { FItems.Add(Statement.release()); }
    void Clear() { FItems.Clear(); }
    int Count() const { return FItems.Count(); }
    // 0-based; a bad index raises ERkListError ("List index out of bounds (%d)").
    TCustomSqlStatement* GetStatement(int Index) const { return FItems.Get(Index); }
    bool OwnsObjects() const { return FItems.OwnsObjects(); }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    TRkPtrList<TCustomSqlStatement> FItems;
};

// ---------------------------------------------------------------------------
// Creation of the statement classes that live in their own units.  The
// splitter, the analyses and the parser runtime make statements only through
// these, so the units stay independent of each other.

std::unique_ptr<TCustomSqlStatement> NewSelectSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewInsertSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewUpdateSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewDeleteSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewMergeSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewCreateTableSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewCreateViewSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewCreateIndexSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewDropTableSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewDropIndexSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewDropViewSqlStatement(std::uint8_t Vendor);
std::unique_ptr<TCustomSqlStatement> NewAlterTableStatement(std::uint8_t Vendor);
// A PL/SQL unit (statement type 18).
std::unique_ptr<TCustomSqlStatement> NewPlsqlBlockStatement(std::uint8_t Vendor);

// Gives the parser runtime what it asks of the statement model (select
// statements for sub-selects, variable records, re-parsed conditions).
// Statements and front ends install it when they are made.
void InstallStatementModelHooks();

// ---------------------------------------------------------------------------
// Routines of the statement unit shared by the analyses and walks.

// Database-object kind (1 table, 4 table alias) of a column qualifier.
std::uint8_t TableOrAliasKind(const std::string& Name, TRkTableList* Tables);
void AcceptNodeListWithSeparators(TRk_List* List, TRkVisitorAbs* Visitor);
void AcceptNodeListWithTokens(TRk_List* List, TRkVisitorAbs* Visitor);
void AcceptDummyNodeList(TRk_DummyNode* Node, TRkVisitorAbs* Visitor);
std::string ListItemsPrettyText(TRk_List* List);
// The comments that end S's own tokens (no ";" after them), which
// GetTrimmedSqlText leaves out, as written with the line breaks before them;
// a final line comment is followed by a line break, so that nothing printed
// after it joins the comment.  Empty when S ends in ";" or in no comment.
std::string CommentsAfterText(TCustomSqlStatement& S);
std::string TokenListText(TRk_List* List);
std::string OptionListText(TRk_DummyNode* Node);
