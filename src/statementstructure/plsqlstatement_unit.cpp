// PL/SQL program units: procedure and function bodies and specs,
// their parameters, packages and triggers.
#include "nodes/rkexceptions.h"
#include "statementstructure/plsqlstatement_elements.h"
#include "statementstructure/plsqlstatement_walk.h"
#include "statementstructure/sqlstatement.h"

using namespace plsql_detail;

// ---------------------------------------------------------------------------
// TRkPlsql_ParameterDecl

TRkPlsql_ParameterDecl::TRkPlsql_ParameterDecl() { NodeKind = nkPlsqlParameterDecl; }
TRkPlsql_ParameterDecl::~TRkPlsql_ParameterDecl() = default;

void TRkPlsql_ParameterDecl::DoAccept(TRkVisitorAbs& V) {
    // An empty place in a parameter list walks nothing at all.
    if (!NameToken) return;
    V.PreVisit(this);
    NameToken->Accept(&V);
    if (Mode == 2 || Mode == 3) {
        AcceptOwnTok(this, 0, V);
    } else if (Mode == 4) {
        AcceptOwnTok(this, 0, V);
        AcceptOwnTok(this, 1, V);
    }
    AcceptRequired(DataType, V);
    AcceptPart(Default, V);
    V.PostVisit(this);
}

void TRkPlsql_ParameterDecl::Analyze() {
    if (!NameToken) {
        // The empty token is in no list, so it adds nothing to any text.
        if (!EmptyName) EmptyName = MakeSourceToken("", ttUnclassified, 0, 0, -1, -1);
        NameToken = EmptyName.get();
    }
    AnalyzeChild(Default, this);
}

void TRkPlsql_ParameterDecl::Clear() {
    NameToken = nullptr;
    DataType = nullptr;
    Default = nullptr;
    Mode = 1;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_ProcedureDecl

TRkPlsql_ProcedureDecl::TRkPlsql_ProcedureDecl() : Section(CreateNodeOfClass<TrkPlsql_ProcSect>()) {
    NodeKind = nkPlsqlProcedureDecl;
}
TRkPlsql_ProcedureDecl::~TRkPlsql_ProcedureDecl() = default;

void TRkPlsql_ProcedureDecl::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptCreatePrefix(CreateKind, CreateNode, V);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(Name, V);
    AcceptParameterPart(ParamPart, Params, V);
    if (IsFunction) {
        AcceptRequired(ReturnToken, V);
        AcceptRequired(ReturnType, V);
        if (FuncAttrs) AcceptOwnToks(FuncAttrs, V);
    }
    AcceptPart(IsAsToken, V);
    AcceptNodeListComma(Declarations, &V);
    const bool HasBody = OwnTokCount(this) > 1;
    if (HasBody) AcceptOwnTok(this, 1, V);
    if (Statements) Section->Accept(&V);
    if (Handlers) {
        AcceptPart(ExceptionToken, V);
        AcceptNodeList(Handlers, &V);
    }
    if (HasBody) AcceptOwnTok(this, 2, V);
    AcceptPart(EndLabel, V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_ProcedureDecl::Analyze() {
    AnalyzeChildren(Params, this);
    AnalyzeChildren(Declarations, this);
    if (Statements) FillSection(Section.get(), Statements, this);
    AnalyzeChildren(Handlers, this);
}

void TRkPlsql_ProcedureDecl::Clear() {
    Name = nullptr;
    Params = nullptr;
    Declarations = nullptr;
    Statements = nullptr;
    Handlers = nullptr;
    EndLabel = nullptr;
    Section->Statements = nullptr;
    IsFunction = 0;
    CreateKind = 1;
    IsAsToken = nullptr;
    ReturnType = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_ProcedureSpec

TRkPlsql_ProcedureSpec::TRkPlsql_ProcedureSpec() { NodeKind = nkPlsqlProcedureSpec; }

void TRkPlsql_ProcedureSpec::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(Name, V);
    AcceptParameterPart(ParamPart, Params, V);
    if (IsFunction) {
        AcceptRequired(ReturnToken, V);
        AcceptRequired(ReturnType, V);
    }
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_ProcedureSpec::Clear() {
    Name = nullptr;
    Params = nullptr;
    IsFunction = 0;
    ReturnType = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_Package

TRkPlsql_Package::TRkPlsql_Package() : Section(CreateNodeOfClass<TrkPlsql_ProcSect>()) {
    NodeKind = nkPlsqlPackage;
}
TRkPlsql_Package::~TRkPlsql_Package() = default;

void TRkPlsql_Package::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptCreatePrefix(CreateKind, CreateNode, V);
    AcceptOwnTok(this, 0, V);
    // BODY is own token 2 (the grammar adds it after END) but reads after PACKAGE.
    if (IsBody) AcceptOwnTok(this, 2, V);
    AcceptRequired(Name, V);
    AcceptRequired(IsAsToken, V);
    AcceptNodeList(PackageItems, &V);
    if (Statements) {
        AcceptOwnTok(this, 3, V);
        Section->Accept(&V);
    }
    if (Handlers) {
        AcceptPart(ExceptionToken, V);
        AcceptNodeList(Handlers, &V);
    }
    AcceptOwnTok(this, 1, V);
    AcceptPart(PackageEndLabel, V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_Package::Analyze() {
    // The items do not get the package's token events; the initialisation
    // part and the handlers do.
    AnalyzeChildrenQuietly(PackageItems);
    if (Statements) FillSection(Section.get(), Statements, this);
    AnalyzeChildren(Handlers, this);
}

void TRkPlsql_Package::Clear() {
    TRkPlsql_Element::Clear();
    Name = nullptr;
    CreateKind = 2;
    IsAsToken = nullptr;
    PackageItems = nullptr;
    IsBody = 0;
    Statements = nullptr;
    Handlers = nullptr;
    PackageEndLabel = nullptr;
    Section->Statements = nullptr;
}

// ---------------------------------------------------------------------------
// TRkPlsql_Trigger

TRkPlsql_Trigger::TRkPlsql_Trigger() { NodeKind = nkPlsqlTrigger; }

namespace {

// "ON" and what follows it for DDL and database events: SCHEMA, DATABASE, or
// schema "." SCHEMA.
void AcceptEventTarget(TRk_DummyNode* Event, TRkVisitorAbs& V) {
    AcceptRequired(Event->Tok1, V);
    AcceptRequired(Event->Tok2, V);
    if (Event->Tok3) {
        Event->Tok3->Accept(&V);
        AcceptRequired(Event->Tok4, V);
    }
}

void AcceptTriggerEvent(TRk_DummyNode* Event, TRkVisitorAbs& V) {
    const int32_t Kind = Event->Int1;
    if (Kind != 1 && Kind != 2 && Kind != 3) return;
    const TRk_List* Items = Event->List1;
    const int32_t N = Items ? Items->Count() : 0;
    for (int32_t i = 0; i < N; ++i) {
        auto* Item = dynamic_cast<TRk_DummyNode*>(Items->GetNode(i));
        if (!Item) throw ERkError("PL/SQL trigger event missing");
        if (i > 0) AcceptPart(Item->SeparatorToken, V);
        AcceptRequired(Item->Tok1, V);
        if (Kind == 1) {
            AcceptPart(Item->Tok2, V);
            // The column names keep their commas (separator tokens).
            if (Item->List1) AcceptNodeListSep(Item->List1, &V, true);
        } else if (Kind == 2) {
            AcceptPart(Item->Tok2, V);
        }
    }
    if (Kind != 1) {
        AcceptEventTarget(Event, V);
        return;
    }
    AcceptRequired(Event->Tok1, V);
    if (Event->Tok2) {
        Event->Tok2->Accept(&V);
        AcceptRequired(Event->Tok3, V);
        AcceptRequired(Event->Tok4, V);
        AcceptRequired(Event->Tok5, V);
    }
    AcceptRequired(Event->Sub1, V);
    if (auto* Row = dynamic_cast<TRk_DummyNode*>(Event->Sub3)) {
        AcceptRequired(Row->Tok1, V);
        AcceptRequired(Row->Tok2, V);
        AcceptRequired(Row->Tok3, V);
    }
}

}  // namespace

void TRkPlsql_Trigger::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptCreatePrefix(CreateKind, CreateNode, V);
    AcceptRequired(TriggerToken, V);
    AcceptRequired(TriggerName, V);
    auto* TimingNode = dynamic_cast<TRk_DummyNode*>(Timing);
    if (!TimingNode) throw ERkError("PL/SQL trigger timing missing");
    AcceptRequired(TimingNode->Tok1, V);
    AcceptPart(TimingNode->Tok2, V);
    auto* EventNode = dynamic_cast<TRk_DummyNode*>(Event);
    if (!EventNode) throw ERkError("PL/SQL trigger event missing");
    AcceptTriggerEvent(EventNode, V);
    if (WhenClause) {
        AcceptRequired(WhenClause->Tok1, V);
        AcceptRequired(WhenClause->Tok2, V);
        AcceptRequired(WhenClause->Sub1, V);
        AcceptRequired(WhenClause->Tok3, V);
    }
    AcceptPart(Body, V);
    AcceptPart(CallStatement, V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_Trigger::Analyze() {
    // The body gets no token events, and a CALL body stays unparsed.
    if (Body) Body->Analyze();
}

void TRkPlsql_Trigger::Clear() {}
