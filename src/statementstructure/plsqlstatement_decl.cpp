// PL/SQL declaration elements: variables, constants, subtypes, exceptions,
// cursors, collection and record types, record fields and pragmas.
#include "nodes/rkexceptions.h"
#include "statementstructure/plsqlstatement_elements.h"
#include "statementstructure/plsqlstatement_walk.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement.h"

using namespace plsql_detail;

// ---------------------------------------------------------------------------
// TRkPlsql_opt_declaration_expr

TRkPlsql_opt_declaration_expr::TRkPlsql_opt_declaration_expr() { NodeKind = nkPlsqlDeclarationExpr; }

void TRkPlsql_opt_declaration_expr::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(Expression, V);
    V.PostVisit(this);
}

void TRkPlsql_opt_declaration_expr::Clear() {
    Expression = nullptr;
    Kind = 0;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_VarDecl

TRkPlsql_VarDecl::TRkPlsql_VarDecl() { NodeKind = nkPlsqlVarDecl; }

uint8_t TRkPlsql_VarDecl::GetConstraintFlag() {
    ConstraintFlagCache = ConstraintFlag;
    return ConstraintFlagCache;
}

TRk_Node* TRkPlsql_VarDecl::GetDataTypeNode() {
    if (!DataTypeCache && DataType) DataTypeCache = DataType;
    return DataTypeCache;
}

std::string TRkPlsql_VarDecl::GetVarName() {
    if (VarNameCache.empty() && NameToken) VarNameCache = NameToken->GetFormattedText();
    return VarNameCache;
}

void TRkPlsql_VarDecl::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    if (DeclKind == 6) {
        AcceptOwnTok(this, 0, V);
        AcceptOwnTok(this, 1, V);
        AcceptOwnTok(this, 2, V);
        AcceptRequired(NameToken, V);
        AcceptOwnTok(this, 3, V);
        AcceptRequired(Value, V);
        AcceptOwnTok(this, 4, V);
    } else if (DeclKind == 3) {
        AcceptOwnTok(this, 0, V);
        AcceptRequired(NameToken, V);
        AcceptOwnTok(this, 1, V);
    } else {
        AcceptRequired(NameToken, V);
    }
    if (DeclKind == 5 || DeclKind == 2) AcceptOwnTok(this, 0, V);
    AcceptPart(GetDataTypeNode(), V);
    if (GetConstraintFlag()) AcceptNotNull(NotNullNode, V);
    if (DeclKind != 6) AcceptPart(Value, V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_VarDecl::Clear() {
    ConstraintFlagCache = 0;
    VarNameCache.clear();
    DataTypeCache = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_CursorDecl

TRkPlsql_CursorDecl::TRkPlsql_CursorDecl() { NodeKind = nkPlsqlCursorDecl; }

void TRkPlsql_CursorDecl::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    if (RefCursor) {
        AcceptRequired(TypeName, V);
        AcceptRequired(IsToken, V);
        AcceptRequired(RefToken, V);
        AcceptRequired(CursorToken, V);
        if (ReturnType) {
            AcceptRequired(ReturnToken, V);
            ReturnType->Accept(&V);
        }
    } else {
        AcceptRequired(CursorName, V);
        if (ParamPart && ParamPart->List1) AcceptParameterPart(ParamPart, ParamPart->List1, V);
        if (ReturnType) {
            AcceptRequired(ReturnToken, V);
            ReturnType->Accept(&V);
        }
        AcceptPart(IsToken, V);
        AcceptEmbedded(Query, V);
    }
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_CursorDecl::Analyze() { ParseEmbedded(Query); }

void TRkPlsql_CursorDecl::Clear() {
    CursorName = nullptr;
    ParamPart = nullptr;
    ReturnType = nullptr;
    Query = nullptr;
    RefCursor = 0;
    TypeName = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_CursorParamDecl

TRkPlsql_CursorParamDecl::TRkPlsql_CursorParamDecl() { NodeKind = nkPlsqlCursorParamDecl; }

void TRkPlsql_CursorParamDecl::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptRequired(NameToken, V);
    AcceptPart(InToken, V);
    AcceptRequired(DataType, V);
    AcceptPart(Default, V);
    V.PostVisit(this);
}

void TRkPlsql_CursorParamDecl::Clear() {
    NameToken = nullptr;
    DataType = nullptr;
    Default = nullptr;
    InToken = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_TableTypeDef

TRkPlsql_TableTypeDef::TRkPlsql_TableTypeDef() { NodeKind = nkPlsqlTableTypeDef; }

void TRkPlsql_TableTypeDef::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(TypeName, V);
    AcceptRequired(IsToken, V);
    AcceptOwnTok(this, 1, V);
    AcceptOwnTok(this, 2, V);
    AcceptRequired(ElementType, V);
    if (NotNull) AcceptNotNull(NotNullNode, V);
    if (IndexBy && IndexBy->Int1 == 1) {
        AcceptRequired(IndexBy->Tok1, V);
        AcceptRequired(IndexBy->Tok2, V);
        AcceptRequired(IndexBy->Tok3, V);
    }
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_TableTypeDef::Clear() {
    TypeName = nullptr;
    IsToken = nullptr;
    NotNull = 0;
    ElementType = nullptr;
    IndexBy = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_VarrayTypeDef

TRkPlsql_VarrayTypeDef::TRkPlsql_VarrayTypeDef() { NodeKind = nkPlsqlVarrayTypeDef; }

void TRkPlsql_VarrayTypeDef::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(TypeName, V);
    AcceptRequired(IsToken, V);
    // VARYING ARRAY takes one own token more than VARRAY.
    int32_t k = 1;
    AcceptOwnTok(this, k++, V);
    if (ArrayForm == 2) AcceptOwnTok(this, k++, V);
    AcceptOwnTok(this, k++, V);   // "("
    AcceptRequired(LimitToken, V);
    AcceptOwnTok(this, k++, V);   // ")"
    AcceptOwnTok(this, k, V);     // OF
    AcceptRequired(ElementType, V);
    if (NotNull) AcceptNotNull(NotNullNode, V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_VarrayTypeDef::Clear() {
    TypeName = nullptr;
    IsToken = nullptr;
    LimitToken = nullptr;
    NotNull = 0;
    ElementType = nullptr;
    ArrayForm = 1;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_RecordTypeDef

TRkPlsql_RecordTypeDef::TRkPlsql_RecordTypeDef() { NodeKind = nkPlsqlRecordTypeDef; }

void TRkPlsql_RecordTypeDef::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptRequired(TypeName, V);
    AcceptOwnTok(this, 1, V);
    AcceptOwnTok(this, 2, V);
    AcceptOwnTok(this, 3, V);
    AcceptNodeListComma(FieldList, &V);
    AcceptOwnTok(this, 4, V);
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_RecordTypeDef::Analyze() { AnalyzeChildren(FieldList, this); }

void TRkPlsql_RecordTypeDef::Clear() {
    TypeName = nullptr;
    FieldList = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_FieldDecl

TRkPlsql_FieldDecl::TRkPlsql_FieldDecl() { NodeKind = nkPlsqlFieldDecl; }

void TRkPlsql_FieldDecl::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptRequired(NameToken, V);
    AcceptRequired(DataType, V);
    if (NotNull) AcceptNotNull(NotNullNode, V);
    AcceptPart(Default, V);
    V.PostVisit(this);
}

void TRkPlsql_FieldDecl::Analyze() { AnalyzeChild(Default, this); }

void TRkPlsql_FieldDecl::Clear() {
    NameToken = nullptr;
    DataType = nullptr;
    NotNull = 0;
    Default = nullptr;
    TRkPlsql_Element::Clear();
}

// ---------------------------------------------------------------------------
// TRkPlsql_PragmaDecl

TRkPlsql_PragmaDecl::TRkPlsql_PragmaDecl() : ArgumentExpr(NewListExpression()) { NodeKind = nkPlsqlPragmaDecl; }
TRkPlsql_PragmaDecl::~TRkPlsql_PragmaDecl() = default;

void TRkPlsql_PragmaDecl::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptOwnTok(this, 1, V);
    const int32_t n = OwnTokCount(this);
    if (n == 4) {
        AcceptOwnTok(this, 2, V);
        AcceptNodeListSep(Arguments, &V, true);
        AcceptOwnTok(this, 3, V);
    } else if (n == 6) {
        AcceptOwnTok(this, 2, V);
        AcceptOwnTok(this, 3, V);
        AcceptOwnTok(this, 4, V);
        AcceptNodeListSep(Arguments, &V, true);
        AcceptOwnTok(this, 5, V);
    }
    AcceptPart(Terminator, V);
    V.PostVisit(this);
}

void TRkPlsql_PragmaDecl::Analyze() { SetListExpression(ArgumentExpr.get(), Expr_namelist, Arguments); }

void TRkPlsql_PragmaDecl::Clear() {
    Arguments = nullptr;
    ClearListExpression(ArgumentExpr.get());
    TRkPlsql_Element::Clear();
}
