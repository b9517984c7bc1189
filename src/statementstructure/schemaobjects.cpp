// Tables and fields of the statement model.
#include "statementstructure/schemaobjects.h"

#include "formatter/basepp.h"
#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement.h"

#include "statementstructure/sqlstatement_select.h"

namespace {

// The attribute an Expr_Attr expression wraps, or nullptr.
TRk_Attr* AttrOf(TRkCustomExpression* E) {
    if (!E || E->ExprType != Expr_Attr || !E->LeftOperand) return nullptr;
    TRk_Node* N = E->LeftOperand->AsNode();
    return (N && N->NodeKind == 3) ? static_cast<TRk_Attr*>(N) : nullptr;
}

// The last name part of an attribute: the last token of NameParts, else
// NameToken.
TSourceToken* LastPart(TRk_Attr* A) {
    if (!A) return nullptr;
    if (A->NameParts && A->NameParts->Count() > 0) {
        TRkVisitedAbs* Item = A->NameParts->GetItem(A->NameParts->Count() - 1);
        if (TSourceToken* T = Item->AsToken()) return T;
    }
    return A->NameToken;
}

// A token's text with the case options and nothing that trails it.
std::string CleanTokenText(TSourceToken* T) {
    if (!T) return std::string();
    if (T->GetOwnerList() && T->PosInList >= 0 && T->PosInList < T->GetOwnerList()->Count() &&
        T->GetOwnerList()->TokenAt(T->PosInList) == T)
        return TokenRangeText(T->GetOwnerList(), T->PosInList, T->PosInList, rtNoTrailing);
    return std::string(T->GetText());
}

std::string AliasName(TRk_AliasClause* A) { return A ? A->GetAliasName() : std::string(); }

std::string Trimmed(const std::string& S) {
    std::size_t B = S.find_first_not_of(' ');
    if (B == std::string::npos) return std::string();
    std::size_t E = S.find_last_not_of(' ');
    return S.substr(B, E - B + 1);
}

}  // namespace

std::string ConstraintItemsPrettyText(TRk_List* Items) {
    std::string R;
    for (int i = 0; Items && i < Items->Count(); ++i) {
        std::string Item;
        if (auto* C = dynamic_cast<TRkConstraint*>(Items->GetNode(i))) {
            Item = C->GetPrettyText();
        } else if (auto* State = dynamic_cast<TRk_DummyNode*>(Items->GetNode(i))) {
            for (TSourceToken* T : {State->Tok1, State->Tok2})
                if (T) Item += (Item.empty() ? "" : " ") + T->GetFormattedText();
        }
        if (!Item.empty()) R += (R.empty() ? "" : " ") + Item;
    }
    return R;
}

std::string NodeNameText(TRk_Node* Node) {
    if (!Node) return std::string();
    if (!Node->TextOverride().empty()) return Node->TextOverride();
    TSourceToken* First = Node->GetStartToken();
    TSourceToken* Last = Node->GetEndToken();
    if (First && Last && First->GetOwnerList() && First->GetOwnerList() == Last->GetOwnerList() && First->PosInList >= 0 &&
        First->PosInList <= Last->PosInList && Last->PosInList < First->GetOwnerList()->Count()) {
        // The source text as written, from the first token to the last.
        std::string R;
        for (std::int32_t i = First->PosInList; i <= Last->PosInList; ++i) R += First->GetOwnerList()->TokenAt(i)->GetText();
        return R;
    }
    return TrimTrailingBlanks(Node->AsText());
}

// ---------------------------------------------------------------------------
// TRkField

TRkField::TRkField() = default;
TRkField::~TRkField() = default;

std::string TRkField::GetFieldText() {
    if (!NameOverride.empty()) return NameOverride;
    if (IsColumnDef) return NameToken ? std::string(NameToken->GetText()) : std::string();
    if (FieldKind == 3) return SubQuery ? SubQuery->AsText() : std::string();
    if (Expression) {
        if (TRk_Attr* A = AttrOf(Expression)) return A->LastPartText();
        return Expression->AsText();
    }
    return std::string();
}

std::string TRkField::GetFieldNameText() {
    if (!NameOverride.empty()) return NameOverride;
    if (IsColumnDef) return NameToken ? std::string(NameToken->GetText()) : std::string();
    if (TRk_Attr* A = AttrOf(Expression)) return CleanTokenText(LastPart(A));
    if (FieldKind == 3) return std::string();
    return Expression ? NodeNameText(Expression) : std::string();
}

std::string TRkField::GetColumnPrettyText() {
    if (IsColumnDef) return NameToken ? NameToken->GetFormattedText() : std::string();
    if (FieldKind == 3) return SubQuery ? SubQuery->GetPrettyText() : std::string();
    if (Expression) {
        if (TRk_Attr* A = AttrOf(Expression)) return A->LastPartText();
        return Expression->GetPrettyText();
    }
    return std::string();
}

std::string TRkField::GetQualifierText() {
    if (!QualifierOverride.empty()) return QualifierOverride;
    DotToken = nullptr;
    if (TRk_Attr* A = AttrOf(Expression)) {
        std::string S = A->QualifiedText();
        DotToken = A->LastSeparator;
        return S;
    }
    return std::string();
}

std::string TRkField::GetDbLinkText() {
    if (!DbLinkOverride.empty()) return DbLinkOverride;
    if (TRk_Attr* A = AttrOf(Expression)) return A->GetPrettyTextOf();
    return std::string();
}

std::string TRkField::GetAliasText() {
    if (AliasOverride == " ") return std::string();
    if (!AliasOverride.empty()) return AliasOverride;
    return AliasName(AliasNode);
}

std::string TRkField::GetAliasPlainText() {
    if (AliasOverride == " ") return std::string();
    if (!AliasOverride.empty()) return AliasOverride;
    return AliasNode ? Trimmed(AliasNode->AsText()) : std::string();
}

void TRkField::SetAliasHasAs(std::uint8_t Value) {
    if (AliasNode) AliasNode->HasAs = Value;
}

std::string TRkField::AsText() {
    if (!TextOverride().empty()) return TextOverride();
    std::string R;
    if (IsColumnDef) {
        R = NameToken ? NameToken->GetText() : std::string();
        if (DataType) R += " " + DataType->AsText();
        for (int i = 0; i < Constraints->Count(); ++i)
            if (TRkConstraint* C = Constraints->GetConstraint(i)) R += " " + C->AsText();
        return R;
    }
    std::string Q = GetQualifierText();
    if (Q.empty())
        R = GetFieldText();
    else
        R = Q + (DotToken ? std::string(DotToken->GetText()) : std::string(".")) + GetFieldText();
    std::string Link = GetDbLinkText();
    if (!Link.empty()) R += "@" + Link;
    if (!GetAliasText().empty()) R += " " + GetAliasPlainText();
    return R;
}

std::string TRkField::GetPrettyText() {
    if (!TextOverride().empty()) return TextOverride();
    std::string R;
    if (IsColumnDef) {
        R = NameToken ? NameToken->GetFormattedText() : std::string();
        if (FmtOpt.ColumnDefListOneLine == 0) R = PadKeyword(AlignWidth, R, FmtOpt.ColumnDefAlign == 0);
        if (DataType) R += " " + DataType->GetPrettyText();
        // The source list holds the DEFERRABLE states the field skips.
        if (auto* Def = dynamic_cast<TRkColumnDef*>(SourceNode); Def && Def->ConstraintNodes) {
            if (std::string C = ConstraintItemsPrettyText(Def->ConstraintNodes); !C.empty()) R += " " + C;
            return R;
        }
        for (int i = 0; i < Constraints->Count(); ++i)
            if (TRkConstraint* C = Constraints->GetConstraint(i)) R += " " + C->GetPrettyText();
        return R;
    }
    std::string Q = GetQualifierText();
    if (Q.empty())
        R = GetColumnPrettyText();
    else
        R = Q + (DotToken ? DotToken->GetFormattedText() : std::string(".")) + GetColumnPrettyText();
    std::string Link = GetDbLinkText();
    if (!Link.empty()) R += "@" + Link;
    if (AliasNode) R += " " + AliasNode->GetPrettyText();
    return R;
}

void TRkField::DoAccept(TRkVisitorAbs& Visitor) {
    // A field without a source node is not visited at all.
    if (!SourceNode) return;
    Visitor.PreVisit(this);
    switch (SourceNode->NodeKind) {
        case 3:  // name
        case 2:  // expression
            SourceNode->Accept(&Visitor);
            break;
        case 159: {  // select-list target
            auto* R = static_cast<TRk_ResTarget*>(SourceNode);
            AcceptPart(R->ValueExpr, Visitor);
            AcceptPart(R->AliasClause, Visitor);
            break;
        }
        case 26: {  // column definition
            auto* C = static_cast<TRkColumnDef*>(SourceNode);
            AcceptPart(C->OwnToken(0), Visitor);
            AcceptPart(C->DataType, Visitor);
            if (C->ConstraintNodes)
                for (TRkVisitedAbs* Item : C->ConstraintNodes->Items) AcceptPart(Item, Visitor);
            break;
        }
        default:
            break;
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// TRkFieldList

TRkFieldList::TRkFieldList(bool OwnsObjects) : FItems(OwnsObjects) {}
TRkFieldList::~TRkFieldList() = default;

std::string TRkFieldList::GetPrettyText() {
    const int N = Count();
    int Width = 0, Extra = 0;
    if (N > 0 && FmtOpt.ColumnDefListOneLine == 0) {
        Width = static_cast<int>(GetField(0)->GetFieldText().size());
        Extra = FmtOpt.ColumnDefSeparatorStyle == 1 ? 1 : FmtOpt.ColumnDefSeparatorStyle == 2 ? 2 : 0;
        for (int i = 1; i < N; ++i) {
            int L = static_cast<int>(GetField(i)->GetFieldText().size()) + Extra;
            if (L > Width) Width = L;
        }
    }
    std::string Text;
    for (int i = 0; i < N; ++i) {
        TRkField* F = GetField(i);
        F->AlignWidth = i == 0 ? Width : Width - Extra;
        Text += IndentAfter(Text, F->GetPrettyText());
        if (i + 1 == N) break;
        PlaceSeparatorInPlace(Text, FormattedText(GetField(i + 1)->SeparatorToken), FmtOpt.ColumnDefListOneLine,
                              FmtOpt.ColumnDefSeparatorStyle);
    }
    return Text;
}

void TRkFieldList::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    for (int i = 0; i < Count(); ++i) {
        if (i > 0) AcceptPart(GetField(i)->SeparatorToken, Visitor);
        GetField(i)->Accept(&Visitor);
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// TRkTable

TRkTable::TRkTable() = default;
TRkTable::~TRkTable() = default;

std::string TRkTable::GetTableText() {
    if (!NameOverride.empty()) return NameOverride;
    switch (TableKind) {
        case 1: return NameNode ? NameNode->LastPartText() : std::string();
        case 2: return Expression ? Expression->AsText() : std::string();
        case 3: return SubQuery ? SubQuery->AsText() : std::string();
        default: return std::string();
    }
}

std::string TRkTable::GetTableNameText() {
    if (!NameOverride.empty()) return NameOverride;
    if (TableKind == 1) return CleanTokenText(LastPart(NameNode));
    return std::string();
}

bool TRkTable::IsReferencedBy(const std::string& Name) const {
    if (const auto* L = ReferencedBy.Existing())
        for (const auto& R : *L)
            if (SameText(R, Name)) return true;
    return false;
}

std::string TRkTable::GetSchemaText() {
    if (!SchemaOverride.empty()) return SchemaOverride;
    DotToken = nullptr;
    if (!NameNode) return std::string();
    std::string S = NameNode->QualifiedText();
    DotToken = NameNode->LastSeparator;
    return S;
}

std::string TRkTable::GetDbLinkText() {
    if (!DbLinkOverride.empty()) return DbLinkOverride;
    return NameNode ? NameNode->GetPrettyTextOf() : std::string();
}

std::string TRkTable::GetAliasText() {
    if (AliasOverride == " ") return std::string();
    if (!AliasOverride.empty()) return AliasOverride;
    return AliasName(AliasNode);
}

std::string TRkTable::GetAliasPlainText() {
    if (AliasOverride == " ") return std::string();
    if (!AliasOverride.empty()) return AliasOverride;
    return AliasNode ? Trimmed(AliasNode->AsText()) : std::string();
}

void TRkTable::SetAliasHasAs(std::uint8_t Value) {
    if (AliasNode) AliasNode->HasAs = Value;
}

void TRkTable::Reset() {
    SetAliasHasAs(0);
    NameOverride.clear();
    DbLinkOverride.clear();
    SchemaOverride.clear();
    AliasOverride.clear();
    TableKeyword = 0;
    TableKind = 0;
    Hints = nullptr;
    DotToken = nullptr;
    HintsWith = 1;
    Constraints.ClearIfMade();
    Columns.ClearIfMade();
    FieldRefs.ClearIfMade();
    // The tree these pointed into is freed by the parser's next run.
    AliasNode = nullptr;
    TargetColumnList = nullptr;
    HasTargetColumnList = 0;
    NameNode = nullptr;
    Expression = nullptr;
    SubQuery = nullptr;
    SourceNode = nullptr;
    Join = nullptr;
    JoinItem = nullptr;
}

static std::string ListAsText(TRk_List* L) {
    std::string R;
    if (!L) return R;
    for (int i = 0; i < L->Count(); ++i) {
        if (i > 0) R += ",";
        R += ItemAsText(L->GetItem(i));
    }
    return R;
}

std::string TRkTable::AsText() {
    if (!TextOverride().empty()) return TextOverride();
    std::string R;
    if (TableKind == 1) {
        std::string Schema = GetSchemaText();
        if (!Schema.empty())
            R = Schema + (DotToken ? std::string(DotToken->GetText()) : std::string(".")) + GetTableText();
        else
            R = GetTableText();
        std::string Link = GetDbLinkText();
        if (!Link.empty()) R += "@" + Link;
    } else if (TableKind == 2 || TableKind == 3) {
        R = GetTableText();
        if (TableKeyword) R = "Table (" + R + ")";
    }
    if (TargetColumnList) R += "(" + ListAsText(TargetColumnList) + ")";
    if (!GetAliasText().empty()) R += " " + GetAliasPlainText();
    if (Hints) {
        if (HintsWith)
            R += " with(" + ListAsText(Hints) + ")";
        else
            R += " (" + ListAsText(Hints) + ")";
    }
    return R;
}

std::string TRkTable::GetPrettyText() {
    if (!TextOverride().empty()) return TextOverride();
    auto T = [this](int i) { return SourceNode ? FormattedText(SourceNode->OwnToken(i)) : std::string(); };
    std::string R;
    if (TableKeyword) R += T(0) + T(1);
    if (TableKind == 1) {
        if (NameNode) R += NameNode->GetPrettyText();
    } else if (TableKind == 2) {
        if (Expression) R += IndentAfter(R, Expression->GetPrettyText());
    } else if (TableKind == 3) {
        // Bounded like every nested query: past the bound it prints as written.
        if (SubQuery) R += IndentAfter(R, pp::Pretty(SubQuery));
    }
    if (TableKeyword) R += T(2);
    if (HasTargetColumnList) R += " " + T(0) + ListItemsPrettyText(TargetColumnList) + " " + T(1);
    if (AliasNode) R += " " + AliasNode->GetPrettyText();
    if (Hints) {
        if (HintsWith) R += " " + T(2);
        R += " " + T(0) + ListItemsPrettyText(Hints) + T(1);
    }
    return R;
}

void TRkTable::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    auto T = [this, &Visitor](int i) {
        if (SourceNode) AcceptPart(SourceNode->OwnToken(i), Visitor);
    };
    if (TableKeyword) {
        T(0);
        T(1);
    }
    switch (TableKind) {
        case 1: AcceptPart(NameNode, Visitor); break;
        case 2: AcceptPart(Expression, Visitor); break;
        case 3: AcceptPart(SubQuery, Visitor); break;
        default: break;
    }
    if (TableKeyword) T(2);
    if (HasTargetColumnList) {
        T(0);
        AcceptNodeListComma(TargetColumnList, &Visitor);
        T(1);
    }
    if (SourceNode && SourceNode->NodeKind == 174) AcceptPart(static_cast<TRk_TableRef*>(SourceNode)->Alias, Visitor);
    if (Hints) {
        if (HintsWith) T(2);
        T(0);
        AcceptNodeListComma(Hints, &Visitor);
        T(1);
    }
    Visitor.PostVisit(this);
}

// ---------------------------------------------------------------------------
// TRkTableList

TRkTableList::TRkTableList(bool OwnsObjects) : FItems(OwnsObjects) {}
TRkTableList::~TRkTableList() = default;
