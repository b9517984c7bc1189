// The PL/SQL statement object, the element base, the sections and the block.
#include "statementstructure/plsqlstatement.h"

#include <exception>
#include <new>
#include <utility>

#include "formatter/basepp.h"
#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"
#include "nodes/rkexceptions.h"
#include "parse/parserfactory.h"
#include "parse/rkyacclib.h"
#include "process/gettextvisitor.h"
#include "statementstructure/plsqlstatement_walk.h"
#include "statementstructure/rkexpression.h"

namespace plsql_detail {

void AcceptRequired(TRkVisitedAbs* Part, TRkVisitorAbs& V) {
    if (!Part) throw ERkError("PL/SQL element part missing");
    Part->Accept(&V);
}

TRkPlsql_Element* AsElement(TRkVisitedAbs* Item) {
    TRk_Node* N = Item ? Item->AsNode() : nullptr;
    return dynamic_cast<TRkPlsql_Element*>(N);
}

void AnalyzeChild(TRkVisitedAbs* Item, const TRkPlsql_Element* Parent) {
    TRkPlsql_Element* E = AsElement(Item);
    if (!E) return;
    TRkPlsql_Element::InheritTokenEvents(E, Parent);
    E->Analyze();
}

void AnalyzeChildren(const TRk_List* List, const TRkPlsql_Element* Parent) {
    if (!List) return;
    for (TRkVisitedAbs* Item : List->Items) AnalyzeChild(Item, Parent);
}

void AnalyzeChildrenQuietly(const TRk_List* List) {
    if (!List) return;
    for (TRkVisitedAbs* Item : List->Items)
        if (TRkPlsql_Element* E = AsElement(Item)) E->Analyze();
}

void ClearChildren(const TRk_List* List) {
    if (!List) return;
    for (TRkVisitedAbs* Item : List->Items)
        if (TRkPlsql_Element* E = AsElement(Item)) E->Clear();
}

void FillSection(TrkPlsql_ProcSect* Section, TRk_List* Statements, const TRkPlsql_Element* Parent) {
    Section->Statements = Statements;
    TRkPlsql_Element::InheritTokenEvents(Section, Parent);
    Section->Analyze();
}

std::unique_ptr<TRkCustomExpression> NewListExpression() {
    return CreateNodeOfClass<TRkCustomExpression>();
}

void SetListExpression(TRkCustomExpression* Expr, std::uint8_t Kind, TRk_List* List) {
    Expr->ExprType = static_cast<TRkOpType>(Kind);
    Expr->LeftOperand = List;
}

void ClearListExpression(TRkCustomExpression* Expr) {
    if (Expr) Expr->LeftOperand = nullptr;
}

void AcceptParameterPart(TRk_DummyNode* Part, TRk_List* Params, TRkVisitorAbs& V) {
    if (!Params) return;
    if (!Part) throw ERkError("PL/SQL parameter part missing");
    AcceptOwnTok(Part, 0, V);
    AcceptNodeListComma(Params, &V);
    AcceptOwnTok(Part, 1, V);
}

void AcceptCreatePrefix(int32_t CreateKind, TRk_DummyNode* CreateNode, TRkVisitorAbs& V) {
    if (CreateKind != 1 && CreateKind != 2) return;
    if (!CreateNode) throw ERkError("PL/SQL CREATE node missing");
    AcceptRequired(CreateNode->Tok1, V);
    if (CreateKind == 2) {
        AcceptRequired(CreateNode->Tok2, V);
        AcceptRequired(CreateNode->Tok3, V);
    }
}

void AcceptNotNull(TRk_DummyNode* Node, TRkVisitorAbs& V) {
    if (!Node) throw ERkError("PL/SQL NOT NULL node missing");
    AcceptOwnTok(Node, 0, V);
    AcceptOwnTok(Node, 1, V);
}

// A statement the SQL grammar could not read (or that was never read) has
// no tree to walk, and the tree recovery left beside error records lacks
// the words it skipped: its words are walked instead, as a skipped
// statement's are, so the unit's regenerated text keeps them.
void AcceptEmbedded(TCustomSqlStatement* Sql, TRkVisitorAbs& V, bool Required) {
    if (!Sql) {
        if (Required) throw ERkError("PL/SQL element part missing");
        return;
    }
    if (Sql->Parsed && Sql->GetErrorCount() == 0) {
        Sql->Accept(&V);
        return;
    }
    for (TSourceToken* T : Sql->SourceTokens->Items())
        if (T->IsSignificant() && T->TokenCode != 0) T->Accept(&V);
}

}  // namespace plsql_detail

using namespace plsql_detail;

// ---------------------------------------------------------------------------
// TRkPlsql_Element

TRkPlsql_Element::TRkPlsql_Element() { NodeKind = nkPlsqlElement; }

// The formatter picks the printer by node kind; without a formatter the
// element prints its plain text.
void TRkPlsql_Element::CreatePP() {
    if (!PP() && RkStatementPPFactory) SetPP(RkStatementPPFactory(this));
}

std::string TRkPlsql_Element::GetName() {
    if (NameCache.empty() && LabelToken) NameCache = LabelToken->GetFormattedText();
    return NameCache;
}

void TRkPlsql_Element::Clear() { LabelToken = nullptr; }

void TRkPlsql_Element::InheritTokenEvents(TRkPlsql_Element* Child, const TRkPlsql_Element* Parent) {
    if (!Child || !Parent) return;
    Child->OnFieldTokenEvent = Parent->OnFieldTokenEvent;
    Child->OnTableTokenEvent = Parent->OnTableTokenEvent;
}

void TRkPlsql_Element::VisitNameNodes(TRkVisitorAbs& V) {
    AcceptPart(LabelOpen, V);
    AcceptPart(LabelToken, V);
    AcceptPart(LabelClose, V);
}

TCustomSqlStatement* TRkPlsql_Element::OwningStatement() const {
    return dynamic_cast<TCustomSqlStatement*>(Statement);
}

void TRkPlsql_Element::ParseEmbedded(TCustomSqlStatement* Sql) {
    if (!Sql) return;
    Sql->SetOnTableTokenEvent(OnTableTokenEvent);
    Sql->SetOnFieldTokenEvent(OnFieldTokenEvent);
    // Recovery can leave a tree, and so a zero result, beside error records
    // (`where a =;`): the records are the unit's all the same.
    const int Result = Sql->Parse(false);
    if (Result != 0 || Sql->GetErrorCount() > 0) {
        if (TCustomSqlStatement* Owner = OwningStatement()) Owner->CopyErrors(*Sql);
    }
}

TRkPlsql_Stmt::TRkPlsql_Stmt() { NodeKind = nkPlsqlStmt; }

// ---------------------------------------------------------------------------
// TRkPlsql_StmtList

TRkPlsql_StmtList::TRkPlsql_StmtList() : FList(std::make_unique<std::vector<TRkPlsql_Stmt*>>()) {}
TRkPlsql_StmtList::~TRkPlsql_StmtList() = default;

void TRkPlsql_StmtList::Add(TRkPlsql_Stmt* Item) {
    if (FList) FList->push_back(Item);
}

void TRkPlsql_StmtList::Clear() {
    if (FList) FList->clear();
}

int32_t TRkPlsql_StmtList::Count() const { return FList ? static_cast<int32_t>(FList->size()) : 0; }

TRkPlsql_Stmt* TRkPlsql_StmtList::Items(int32_t Index) const {
    if (Index < 0 || Index >= Count()) throw ERkListError(Index);
    return (*FList)[static_cast<size_t>(Index)];
}

// ---------------------------------------------------------------------------
// TRkPlsql_Decl

TRkPlsql_Decl::TRkPlsql_Decl() : Items(std::make_unique<TRkPlsql_StmtList>()) { NodeKind = nkPlsqlDecl; }
TRkPlsql_Decl::~TRkPlsql_Decl() = default;

std::string TRkPlsql_Decl::GetName() {
    if (NameCache.empty() && BlockLabel) NameCache = "<<" + std::string(BlockLabel->GetText()) + ">>";
    return NameCache;
}

void TRkPlsql_Decl::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    if (BlockLabel) {
        if (!LabelNode) throw ERkError("PL/SQL label node missing");
        AcceptOwnTok(LabelNode, 0, V);
        BlockLabel->Accept(&V);
        AcceptOwnTok(LabelNode, 1, V);
    }
    AcceptPart(DeclareToken, V);
    AcceptNodeListComma(Declarations, &V);
    V.PostVisit(this);
}

void TRkPlsql_Decl::Analyze() {
    if (!Declarations) return;
    for (TRkVisitedAbs* Item : Declarations->Items) {
        TRkPlsql_Element* E = AsElement(Item);
        if (!E) continue;
        InheritTokenEvents(E, this);
        E->Analyze();
        if (auto* S = dynamic_cast<TRkPlsql_Stmt*>(E)) Items->Add(S);
    }
}

void TRkPlsql_Decl::Clear() {
    ClearChildren(Declarations);
    LabelNode = nullptr;
    DeclareToken = nullptr;
    Declarations = nullptr;
    Items->Clear();
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TrkPlsql_ProcSect

TrkPlsql_ProcSect::TrkPlsql_ProcSect() : Items(std::make_unique<TRkPlsql_StmtList>()) {
    NodeKind = nkPlsqlProcSect;
}
TrkPlsql_ProcSect::~TrkPlsql_ProcSect() = default;

void TrkPlsql_ProcSect::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    // Walked through the analysed items: an unanalysed section ends here.
    const int32_t N = Statements ? Statements->Count() : 0;
    for (int32_t i = 0; i < N; ++i) {
        TRkPlsql_Stmt* Item = Items->Items(i);
        AcceptRequired(Item, V);
    }
    V.PostVisit(this);
}

void TrkPlsql_ProcSect::Analyze() {
    if (!Statements) return;
    for (TRkVisitedAbs* Item : Statements->Items) {
        TRkPlsql_Element* E = AsElement(Item);
        if (!E) continue;
        InheritTokenEvents(E, this);
        E->Analyze();
        if (auto* S = dynamic_cast<TRkPlsql_Stmt*>(E)) Items->Add(S);
    }
}

void TrkPlsql_ProcSect::Clear() {
    ClearChildren(Statements);
    Statements = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRk_Plsql

TRk_Plsql::TRk_Plsql() : Section(CreateNodeOfClass<TrkPlsql_ProcSect>()) { NodeKind = nkPlsqlBlock; }
TRk_Plsql::~TRk_Plsql() = default;

void TRk_Plsql::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptRequired(DeclSection, V);
    AcceptOwnTok(this, 0, V);
    if (Statements) Section->Accept(&V);
    if (Handlers) {
        AcceptPart(ExceptionToken, V);
        AcceptNodeList(Handlers, &V);
    }
    AcceptOwnTok(this, 1, V);
    AcceptPart(EndLabel, V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRk_Plsql::Analyze() {
    // The declarations and the handlers do not get the block's events.
    if (DeclSection) DeclSection->Analyze();
    if (Statements) FillSection(Section.get(), Statements, this);
    AnalyzeChildrenQuietly(Handlers);
}

void TRk_Plsql::Clear() {
    DeclSection = nullptr;
    Statements = nullptr;
    Handlers = nullptr;
    EndLabel = nullptr;
    Section->Statements = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TPlsqlStatement

TPlsqlStatement::TPlsqlStatement(std::uint8_t Vendor) : TCustomSqlStatement(Vendor) {
    StatementType = sstplsql_block;
}

TPlsqlStatement::~TPlsqlStatement() {
    // The tree refers to the sub-statements and to the parser's nodes: drop
    // the references before the base frees them.
    if (TRkPlsql_Element* Root = RootElement()) {
        try {
            Root->Clear();
        } catch (const std::exception&) {
        }
    }
    RootNode = nullptr;
}

TRkPlsql_Element* TPlsqlStatement::RootElement() const { return dynamic_cast<TRkPlsql_Element*>(RootNode); }

void TPlsqlStatement::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    AcceptRequired(RootNode, Visitor);
    Visitor.PostVisit(this);
}

void TPlsqlStatement::CreatePP() {
    if (!PP() && RkStatementPPFactory) SetPP(RkStatementPPFactory(this));
}

void TPlsqlStatement::BuildSqlText() {
    if (StatementType >= sstplsql_block && StatementType <= sstplsql_createtrigger)
        TextCache = PP() ? GetPrettyText() : TRk_Node::AsText();
    else
        TextCache = "Desc sql text in pl/sql(type)  is not implemented yet!";
}

int TPlsqlStatement::DoParse() {
    int Result = -1;
    const bool HadTree = RootNode != nullptr;
    Reset();
    try {
        if (!HasPlsqlParser) {
            ParserError(0, "PLSQL is not supported in this module", std::string(), 0, 0);
            return GetErrorCount();
        }
        TRkCustomParser* Plsql = ParserForParse(true, HadTree);
        if (!Plsql) {
            ParserError(0, "PLSQL is not supported in this module", std::string(), 0, 0);
            return GetErrorCount();
        }
        DropEndTokens(*SourceTokens);
        if (SourceTokens->Count() == 0 && !TextToParse().empty()) {
            // A unit given as text is tokenized like any other statement.
            TextTokens->Clear();
            TokenizeString(DbVendor, TextToParse(), *TextTokens);
        }
        if (TextTokens.Existing()) DropEndTokens(*TextTokens);
        TRkCustomParser& P = *Plsql;
        P.TokenList = SourceTokens->Count() > 0 ? SourceTokens.get() : TextTokens.get();
        P.TokenPos = 0;
        P.SetAuxTokenList(AuxTokens.Existing());
        P.CurStatement = this;
        P.DbVendor = DbVendor;
        P.ErrorMessage.clear();
        // The host's token events see the unit's tokens as the grammar reads them.
        P.SetOnParserToken(GetOnParserToken());
        P.SetOnBindVar(GetOnBindVar());
        P.SetOnSqlVar(GetOnSqlVar());
        RootNode = nullptr;
        TRkCustomParser::TUse InUse(P);
        const int R = P.yyparse();
        if (R == 0 && P.RootNode) {
            RootNode = P.RootNode;
            return 0;
        }
        P.RootNode = nullptr;
        // A parse that gave up without a report (stack overflow, an action
        // that stopped it) still leaves a record, so it never reads as a
        // success.
        if (R != 0 && GetErrorCount() == 0 && !P.ErrorMessage.empty())
            ParserError(1, P.ErrorMessage, P.CurToken ? std::string(P.CurToken->GetText()) : std::string(),
                        P.CurToken ? P.CurToken->Line : 0, P.CurToken ? P.CurToken->Column : 0);
        Result = GetErrorCount();
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& Ex) {
        ParserError(0, Ex.what(), std::string(), 0, 0);
        Result = -1;
    }
    return Result;
}

void TPlsqlStatement::Reset() {
    if (TRkPlsql_Element* Root = RootElement()) Root->Clear();
    TCustomSqlStatement::Reset();
}

int TPlsqlStatement::AnalyzeParseTree() {
    TRkPlsql_Element* Root = RootElement();
    if (!Root) return -1;
    switch (Root->NodeKind) {
        case nkPlsqlBlock: case nkPlsqlProcedureDecl: case nkPlsqlPackage: case nkPlsqlTrigger:
            break;
        default:
            return -1;
    }
    try {
        Root->SetOnTableTokenEvent(GetOnTableTokenEvent());
        Root->SetOnFieldTokenEvent(GetOnFieldTokenEvent());
        Root->Analyze();
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return -1;
    }
    return 0;
}

std::string TPlsqlStatement::GetWrittenText() { return TrimTrailingSpace(GetSqlText()); }

std::string TPlsqlStatement::GetTextByVisitor() {
    if (!Parsed) return std::string();
    TRkGetTextVisitor V;
    V.Root = this;
    V.NumberSemicolons = false;
    V.Execute();
    return V.Result;
}

std::unique_ptr<TCustomSqlStatement> NewPlsqlBlockStatement(std::uint8_t Vendor) {
    return CreateNodeOfClass<TPlsqlStatement>(Vendor);
}
