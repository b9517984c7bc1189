// Statements of the SQL Server batch model that contain other statements:
// BEGIN ... END, IF/WHILE, procedures, functions and the RETURN a function
// body can be.
#include <exception>

#include "nodes/u_nodes_generic.h"
#include "parse/mssql/mssqlsqlstatement.h"
#include "statementstructure/sqlstatement_select.h"

// ---------------------------------------------------------------------------
// Shared base

int TMssqlStatement::AnalyzeParseTree() {
    // The root came from the wrapper and stays, whatever the vendor.
    TRk_Node* Root = RootNode;
    Reset();
    RootNode = Root;
    return 0;
}

TRk_Node* TMssqlStatement::RootOfKind(std::uint8_t Kind) const {
    return RootNode && RootNode->NodeKind == Kind ? RootNode : nullptr;
}

namespace {

// Each item of a wrapper list that is a wrapper: it takes Owner's token
// events and builds its statement, which goes into Into when there is one.
// (Analysis recurses through here: the frame holds no more than the loop.)
void BuildWrapped(TRk_List* List, const TCustomSqlStatement* Owner, TRkStatementList* Into) {
    if (!List) return;
    for (TRkVisitedAbs* Item : List->Items) {
        TRk_Node* N = Item ? Item->AsNode() : nullptr;
        if (!N || N->NodeKind != mnkStmt) continue;
        auto* W = static_cast<_TMssqlStmt*>(N);
        W->InheritTokenEvents(Owner);
        W->Analyze();
        if (W->SqlStatement) Into->Add(W->SqlStatement.get());
    }
}

// A block's child gets the block as owner and the block's events.
[[gnu::noinline]] void AdoptChild(TCustomSqlStatement* Child, TMssqlBlock* Block) {
    Child->SetOwnerObject(Block);
    Child->SetOnParserToken(Block->GetOnParserToken());
    Child->SetOnBindVar(Block->GetOnBindVar());
    Child->SetOnSqlVar(Block->GetOnSqlVar());
    Child->SetOnParserTokenError(Block->GetOnParserTokenError());
    Child->SetOnFieldEvent(Block->GetOnFieldEvent());
    Child->SetOnTableEvent(Block->GetOnTableEvent());
}

// Builds the statement of a wrapper with Owner's token events.
void BuildWrapper(_TMssqlStmt* W, const TCustomSqlStatement* Owner) {
    if (!W) return;
    W->InheritTokenEvents(Owner);
    W->Analyze();
}

// Analyzes Body over Root with Owner's token events.
void AnalyzeBody(TCustomSqlStatement* Body, TRk_Node* Root, const TCustomSqlStatement* Owner) {
    if (!Body) return;
    Body->RootNode = Root;
    Body->SetOnTableTokenEvent(Owner->GetOnTableTokenEvent());
    Body->SetOnFieldTokenEvent(Owner->GetOnFieldTokenEvent());
    if (Body->AnalyzeParseTree() == 0) Body->Parsed = true;
}

// Parameters with the separator before every one but the first.
void AcceptParams(TRk_List* Params, TRkVisitorAbs& V) { AcceptNodeListWithSeparators(Params, &V); }

}  // namespace

// ---------------------------------------------------------------------------
// BEGIN ... END

TMssqlBlock::TMssqlBlock(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlBlock; }

TMssqlBlock::~TMssqlBlock() { Children->Clear(); }

void TMssqlBlock::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlBlock::BuildSqlText() {
    std::string S = "begin ";
    for (TCustomSqlStatement* Child : *Children) {
        S += Child->AsText();
        S += "\r\n";
    }
    S += "end";
    TextCache = S;
}

void TMssqlBlock::Reset() {
    TMssqlStatement::Reset();
    Children->Clear();
}

int TMssqlBlock::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlBlock*>(RootOfKind(mnkBlock));
    if (!R) return -1;
    BuildWrapped(R->StmtList, this, Children.get());
    // Only the token events act during a child's analysis; these reach it
    // afterwards.
    for (TCustomSqlStatement* Child : *Children) AdoptChild(Child, this);
    return 0;
}

void TMssqlBlock::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootOfKind(mnkBlock)) {
        AcceptOwnTok(R, 0, Visitor);  // BEGIN
        for (TCustomSqlStatement* Child : *Children) Child->Accept(&Visitor);
        AcceptOwnTok(R, 1, Visitor);  // END
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// IF ... ELSE and WHILE

TMssqlIfElse::TMssqlIfElse(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlIf; }

void TMssqlIfElse::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlIfElse::Reset() {
    TMssqlStatement::Reset();
    Condition = nullptr;
    ThenStmt = nullptr;
    ElseStmt = nullptr;
    HasElse = 0;
    IsLoop = 0;
}

int TMssqlIfElse::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlIfElse*>(RootOfKind(mnkIfElse));
    if (!R) return -1;
    Condition = R->Condition;
    ThenStmt = R->ThenStmt;
    BuildWrapper(ThenStmt, this);
    if (R->ElseStmt) {
        ElseStmt = R->ElseStmt;
        BuildWrapper(ElseStmt, this);
    }
    HasElse = R->HasElse;
    IsLoop = R->IsLoop;
    return 0;
}

void TMssqlIfElse::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootOfKind(mnkIfElse)) {
        AcceptOwnTok(R, 0, Visitor);  // IF or WHILE
        AcceptPart(Condition, Visitor);
        AcceptPart(ThenStmt, Visitor);
        if (HasElse) {
            AcceptOwnTok(R, 1, Visitor);  // ELSE
            AcceptPart(ElseStmt, Visitor);
        }
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// CREATE / ALTER PROCEDURE

TMssqlCreateProcedure::TMssqlCreateProcedure(std::uint8_t Vendor) : TMssqlStatement(Vendor) {
    StatementType = sstMssqlCreateProcedure;
}

TMssqlCreateProcedure::~TMssqlCreateProcedure() { BodyStatements->Clear(); }

void TMssqlCreateProcedure::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlCreateProcedure::Reset() {
    TMssqlStatement::Reset();
    ProcToken = nullptr;
    CreateToken = nullptr;
    Name = nullptr;
    OptionCode = MssqlOptNone;
    ForReplication = 0;
    ProcNumber = nullptr;
    Params = nullptr;
    HasParens = 0;
    BodyStatements->Clear();
}

int TMssqlCreateProcedure::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlCreateProcedure*>(RootOfKind(mnkCreateProcedure));
    if (!R) return -1;
    ProcToken = R->ProcToken;
    Name = R->Name;
    OptionCode = R->OptionCode;
    ForReplication = R->ForReplication;
    ProcNumber = R->ProcNumber;
    Params = R->Params;
    CreateToken = R->CreateToken;
    HasParens = R->HasParens;
    BuildWrapped(R->BodyList, this, BodyStatements.get());
    return 0;
}

void TMssqlCreateProcedure::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (auto* R = static_cast<_TMssqlCreateProcedure*>(RootOfKind(mnkCreateProcedure))) {
        AcceptPart(CreateToken, Visitor);
        AcceptPart(ProcToken, Visitor);
        AcceptPart(Name, Visitor);
        std::int32_t Pos = 0;
        if (ProcNumber) {
            AcceptOwnTok(R, 0, Visitor);  // ";"
            ProcNumber->Accept(&Visitor);
            Pos = 1;
        }
        if (HasParens) AcceptOwnTok(R, Pos, Visitor);  // "("
        AcceptParams(Params, Visitor);
        if (HasParens) AcceptOwnTok(R, Pos + 1, Visitor);  // ")"
        if (OptionCode != MssqlOptNone && R->OptionNode) AcceptOwnToks(R->OptionNode, Visitor);
        if (ForReplication != 0 && R->ReplicationNode) AcceptOwnToks(R->ReplicationNode, Visitor);
        AcceptOwnTok(R, R->TokenList->Count() - 1, Visitor);  // AS
        for (TCustomSqlStatement* S : *BodyStatements) S->Accept(&Visitor);
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// RETURN

TMssqlReturn::TMssqlReturn(std::uint8_t Vendor) : TMssqlStatement(Vendor) { StatementType = sstMssqlReturn; }

void TMssqlReturn::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlReturn::Reset() {
    TMssqlStatement::Reset();
    Operand = nullptr;
}

int TMssqlReturn::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlReturn*>(RootOfKind(mnkReturn));
    if (!R) return -1;
    Operand = R->Operand;
    return 0;
}

void TMssqlReturn::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (TRk_Node* R = RootOfKind(mnkReturn)) {
        AcceptOwnTok(R, 0, Visitor);  // RETURN
        AcceptPart(Operand, Visitor);
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// CREATE / ALTER FUNCTION

TMssqlCreateFunction::TMssqlCreateFunction(std::uint8_t Vendor)
    : TMssqlStatement(Vendor),
      BlockBody(CreateNodeOfClass<TMssqlBlock>(Vendor)),
      ReturnBody(CreateNodeOfClass<TMssqlReturn>(Vendor)) {
    StatementType = sstMssqlCreateFunction;
}

TMssqlCreateFunction::~TMssqlCreateFunction() = default;

void TMssqlCreateFunction::CreatePP() { stmtwalk::UsePrinter(this); }

void TMssqlCreateFunction::Reset() {
    TMssqlStatement::Reset();
    Name = nullptr;
    OptionCode = MssqlOptNone;
    ReturnType = nullptr;
    ReturnKind = 1;
    Params = nullptr;
    BodyKind = 1;
    BlockBody->Reset();
    ReturnBody->Reset();
    AsToken = nullptr;
    CreateToken = nullptr;
}

int TMssqlCreateFunction::AnalyzeParseTree() {
    TMssqlStatement::AnalyzeParseTree();
    auto* R = static_cast<_TMssqlCreateFunction*>(RootOfKind(mnkCreateFunction));
    if (!R) return -1;
    Name = R->Name;
    OptionCode = R->OptionCode;
    Params = R->Params;
    ReturnType = R->ReturnType;
    ReturnKind = R->ReturnKind;
    BodyKind = R->BodyKind;
    CreateToken = R->CreateToken;
    AsToken = R->AsToken;
    if (BodyKind == 1)
        AnalyzeBody(BlockBody.get(), R->Body, this);
    else if (BodyKind == 2)
        AnalyzeBody(ReturnBody.get(), R->Body, this);
    return 0;
}

void TMssqlCreateFunction::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    if (auto* R = static_cast<_TMssqlCreateFunction*>(RootOfKind(mnkCreateFunction))) {
        AcceptPart(CreateToken, Visitor);
        AcceptOwnTok(R, 0, Visitor);  // FUNCTION
        AcceptPart(Name, Visitor);
        AcceptOwnTok(R, 1, Visitor);  // "("
        AcceptParams(Params, Visitor);
        AcceptOwnTok(R, 2, Visitor);  // ")"
        AcceptOwnTok(R, 3, Visitor);  // RETURNS
        if (R->TokenList->Count() == 5) AcceptOwnTok(R, 4, Visitor);  // TABLE
        AcceptPart(ReturnType, Visitor);
        if (OptionCode != MssqlOptNone && R->OptionNode) AcceptOwnToks(R->OptionNode, Visitor);
        AcceptPart(AsToken, Visitor);
        if (BodyKind == 1)
            BlockBody->Accept(&Visitor);
        else if (BodyKind == 2)
            ReturnBody->Accept(&Visitor);
    }
    Visitor.PostVisit(this);
}
