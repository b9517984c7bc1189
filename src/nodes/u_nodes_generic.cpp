#include "nodes/u_nodes_generic.h"

#include "formatter/basepp.h"
#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "process/pptextvisitor.h"

TRkStatementHooks RkStatementHooks;
TRkPrinterHooks RkPrinterHooks;

// ---------------------------------------------------------------------------
// Helpers

int32_t OwnTokCount(const TRk_Node* Node) {
    return Node ? Node->TokenList->Count() : 0;
}

TSourceToken* OwnTokOf(const TRk_Node* Node, int32_t K) {
    return Node ? Node->OwnToken(K) : nullptr;
}

void AcceptOwnTok(TRk_Node* Node, int32_t K, TRkVisitorAbs& V) {
    if (!Node) throw ERkListError(K);
    Node->GetOwnToken(K)->Accept(&V);
}

void AcceptOwnToks(TRk_Node* Node, TRkVisitorAbs& V) {
    if (!Node) return;
    for (int32_t i = 0; i < Node->TokenList->Count(); ++i) Node->TokenList->GetToken(i)->Accept(&V);
}

std::string Blank() { return std::string(1, RkSeparatorChar); }

namespace {

bool Markable(TSourceToken* T) {
    return T && T->DbObjKind == 0 && T->TokenType != 13;
}

std::unique_ptr<TCustomPP> MakePP(TRkPPFactory F, TRk_Node* Owner) {
    return F ? F(Owner) : nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------
// TRk_Attr

TRk_Attr::TRk_Attr() { NodeKind = 3; }

int TRk_Attr::PartCount() { return NameParts ? NameParts->Count() : 0; }

TSourceToken* TRk_Attr::Part(int I) {
    TRkVisitedAbs* o = NameParts->GetItem(I);
    return o ? o->AsToken() : nullptr;
}

void TRk_Attr::CreatePP() {
    if (!PP()) SetPP(MakePP(RkPrinterHooks.AttrPP, this));
}

void TRk_Attr::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    const int n = PartCount();
    if (n == 0 && IsFunctionName == 1 && NameToken) NameToken->DbObjKind = 3;
    AcceptPart(NameToken, V);
    AcceptPart(DotToken, V);
    if (n > 0) {
        if (IsFunctionName == 1 && Part(n - 1)) Part(n - 1)->DbObjKind = 3;
        for (int i = 0; i < n; ++i) {
            if (i > 0) AcceptPart(ItemSeparator(NameParts->GetItem(i)), V);
            AcceptPart(NameParts->GetItem(i), V);
        }
    }
    AcceptPart(AtToken, V);
    AcceptPart(LinkedName, V);
    V.PostVisit(this);
}

std::string TRk_Attr::GetPrettyText() {
    TRkPpTextVisitor v;
    v.Root = this;
    v.Execute();
    return v.Result;
}

std::string TRk_Attr::LastPartText() {
    const int n = PartCount();
    return n > 0 ? FormattedText(Part(n - 1)) : FormattedText(NameToken);
}

std::string TRk_Attr::QualifiedText() {
    std::string S;
    const int n = PartCount();
    if (n == 0) return S;
    S = FormattedText(NameToken);
    LastSeparator = DotToken;
    if (n >= 2) {
        if (DotToken) S += DotToken->GetText();
        LastSeparator = Part(n - 1) ? Part(n - 1)->GetSeparatorToken() : nullptr;
        for (int i = 0; i < n - 1; ++i) {
            S += FormattedText(Part(i));
            if (i + 1 < n - 1 && Part(i + 1)) S += FormattedText(Part(i + 1)->GetSeparatorToken());
        }
    }
    return S;
}

std::string TRk_Attr::GetPrettyTextOf() {
    return LinkedName ? LinkedName->GetPrettyText() : std::string();
}

bool TRk_Attr::HasColumnPart() {
    if (NameToken && NameToken->DbObjKind == 2) return true;
    for (int i = 0; i < PartCount(); ++i)
        if (Part(i) && Part(i)->DbObjKind == 2) return true;
    return false;
}

void TRk_Attr::MarkColumnParts(TRk_Node* Statement) {
    auto qualifierKind = [&](TSourceToken* t) -> uint8_t {
        int k = 0;
        if (Statement && RkStatementHooks.TableOrAliasKind)
            k = RkStatementHooks.TableOrAliasKind(std::string(t->GetText()), Statement);
        return static_cast<uint8_t>(k == 0 ? 1 : k);
    };
    const int n = PartCount();
    if (n == 0) {
        if (Markable(NameToken)) {
            NameToken->DbObjKind = 2;
            ColumnToken = NameToken;
        }
    } else if (n == 1) {
        if (Markable(NameToken)) {
            NameToken->DbObjKind = qualifierKind(NameToken);
            TableToken = NameToken;
        }
        if (Markable(Part(0))) {
            Part(0)->DbObjKind = 2;
            ColumnToken = Part(0);
        }
    } else {
        TSourceToken* col = Part(n - 1);
        TSourceToken* tab = Part(n - 2);
        if (Markable(col)) {
            col->DbObjKind = 2;
            ColumnToken = col;
        }
        if (Markable(tab)) {
            tab->DbObjKind = qualifierKind(tab);
            TableToken = tab;
        }
    }
}

void TRk_Attr::MarkTableParts(TRk_Node* Statement, TRkVisitedAbs* Sender) {
    const int n = PartCount();
    TSourceToken* t = n > 0 ? Part(n - 1) : NameToken;
    if (!Markable(t)) return;
    t->DbObjKind = 1;
    TableToken = t;
    if (Statement && RkStatementHooks.FireTableTokenEvent)
        RkStatementHooks.FireTableTokenEvent(Statement, Sender ? Sender : this, t);
}

// ---------------------------------------------------------------------------
// TRk_TypeName

TRk_TypeName::TRk_TypeName() { NodeKind = 175; }

void TRk_TypeName::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    switch (TypeForm) {
        case FormValueList:
            AcceptPart(TypeNameToken, V);
            AcceptPart(MidToken, V);
            AcceptNodeList(ValueList, &V);
            AcceptPart(EndToken, V);
            break;
        case FormAnchored1:
        case FormAnchored2:
            AcceptPart(TypeNode, V);
            AcceptPart(MidToken, V);
            AcceptPart(EndToken, V);
            break;
        case FormNamed:
            AcceptPart(TypeNode, V);
            break;
        default:
            AcceptOwnToks(this, V);
    }
    for (int i = 0; ArrayBounds && i < ArrayBounds->Count(); ++i)
        if (TRk_Node* Bound = ArrayBounds->GetNode(i)) AcceptOwnToks(Bound, V);
    V.PostVisit(this);
}

namespace {

// The array bounds after a type ("[4]" each), as their tokens.
std::string BoundsText(TRk_List* Bounds) {
    std::string S;
    for (int i = 0; Bounds && i < Bounds->Count(); ++i)
        if (TRk_Node* Bound = Bounds->GetNode(i))
            for (int k = 0; k < OwnTokCount(Bound); ++k) S += FormattedText(Bound->OwnToken(k));
    return S;
}

}  // namespace

std::string TRk_TypeName::GetPrettyText() { return TypePrettyText() + BoundsText(ArrayBounds); }

std::string TRk_TypeName::TypePrettyText() {
    switch (TypeForm) {
        case FormValueList:
            return FormattedText(TypeNameToken) + FormattedText(MidToken) +
                   NodeListPrettyText(ValueList) + FormattedText(EndToken);
        case FormAnchored1:
        case FormAnchored2:
            return ItemPrettyText(TypeNode) + FormattedText(MidToken) + FormattedText(EndToken);
        case FormNamed:
            return ItemPrettyText(TypeNode);
        default:
            break;
    }
    std::string S;
    const int n = OwnTokCount(this);
    for (int i = 0; i < n; ++i) {
        TSourceToken* t = TokenList->GetToken(i);
        if (i > 0) {
            const std::string_view prev = TokenList->GetToken(i - 1)->GetText();
            const bool glued = prev == "(" || prev == "," || t->GetText() == "(" ||
                               t->GetText() == ")" || t->GetText() == ",";
            if (!glued) S += Blank();
        }
        S += FormattedText(t);
    }
    return S;
}

// ---------------------------------------------------------------------------
// TRk_FuncCall

TRk_FuncCall::TRk_FuncCall() { NodeKind = 50; }

void TRk_FuncCall::CreatePP() {
    if (!PP()) SetPP(MakePP(RkPrinterHooks.FuncCallPP, this));
}

std::string TRk_FuncCall::GetFuncName() {
    if (FuncName.empty() && NameToken) FuncName = NameToken->GetText();
    return FuncName;
}

void TRk_FuncCall::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    const int n = OwnTokCount(this);
    auto tok = [&](int k) { AcceptOwnTok(this, k, V); };
    auto keyword = [&]() {
        GetOwnToken(0)->DbObjKind = 3;
        tok(0);
    };
    switch (CallForm) {
        case 1:  // TRIM
            if (TrimKind == 0 && n > 1) {
                keyword();
                tok(1);
            } else if (TrimKind >= 1 && TrimKind <= 3 && n > 2) {
                keyword();
                tok(1);
                tok(2);
            }
            AcceptPart(TrimArgs, V);
            tok(n - 1);
            break;
        case 2:  // CAST
            keyword();
            tok(1);
            AcceptPart(CastExpr, V);
            tok(2);
            AcceptPart(CastType, V);
            tok(3);
            break;
        case 3:  // type first, then expression, then an optional style
            keyword();
            tok(1);
            AcceptPart(CastType, V);
            tok(2);
            AcceptPart(CastExpr, V);
            if (StyleArg) {
                tok(3);
                AcceptPart(StyleArg, V);
            }
            tok(n - 1);
            break;
        case 4:  // EXTRACT
            keyword();
            tok(1);
            AcceptPart(ExtractArgs, V);
            tok(2);
            break;
        default:
            if (NameAttr) NameAttr->IsFunctionName = 1;
            AcceptPart(NameAttr, V);
            tok(0);
            if (IsStar || IsDistinct || IsAll) tok(1);
            AcceptNodeList(ArgList, &V);
            tok(n - 1);
            AcceptPart(Analytic, V);
    }
    V.PostVisit(this);
}

// ---------------------------------------------------------------------------
// TRk_AnalyticFunction

TRk_AnalyticFunction::TRk_AnalyticFunction() { NodeKind = 9; }

void TRk_AnalyticFunction::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptOwnTok(this, 1, V);
    if (PartitionList) {
        AcceptPart(PartitionToken, V);
        AcceptPart(ByToken, V);
        AcceptNodeList(PartitionList, &V);
    }
    if (OrderByClause) {
        AcceptOwnTok(OrderByClause, 0, V);
        AcceptOwnTok(OrderByClause, 1, V);
        AcceptNodeList(OrderByClause->List1, &V);
    }
    AcceptOwnTok(this, 2, V);
    V.PostVisit(this);
}

std::string TRk_AnalyticFunction::GetPrettyText() {
    std::string S = FormattedText(OwnToken(0)) + FormattedText(OwnToken(1));
    if (PartitionList)
        S += FormattedText(PartitionToken) + Blank() + FormattedText(ByToken) + Blank() +
             NodeListPrettyText(PartitionList) + Blank();
    if (OrderByClause) {
        S += FormattedText(OwnTokOf(OrderByClause, 0)) + Blank() + FormattedText(OwnTokOf(OrderByClause, 1));
        TRk_List* items = OrderByClause->List1;
        const int n = items ? items->Count() : 0;
        for (int i = 0; i < n; ++i) {
            S += Blank() + ItemPrettyText(items->GetItem(i));
            if (i + 1 < n) S += FormattedText(ItemSeparator(items->GetItem(i + 1)));
        }
    }
    S += FormattedText(OwnToken(2));
    return S;
}

// ---------------------------------------------------------------------------
// TRk_TrimList, TRk_ExtractList

TRk_TrimList::TRk_TrimList() { NodeKind = 177; }

void TRk_TrimList::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    if (HasFrom == 1) {
        AcceptPart(TrimChar, V);
        AcceptOwnTok(this, 0, V);
    }
    AcceptNodeList(SourceList, &V);
    V.PostVisit(this);
}

TRk_ExtractList::TRk_ExtractList() { NodeKind = 43; }

void TRk_ExtractList::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptPart(FieldToken, V);
    AcceptOwnTok(this, 0, V);
    AcceptPart(SourceExpr, V);
    V.PostVisit(this);
}

// ---------------------------------------------------------------------------
// TRk_AliasClause

TRk_AliasClause::TRk_AliasClause() { NodeKind = 7; }

void TRk_AliasClause::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    if (HasAs == 1 && OwnTokCount(this) > 0) AcceptOwnTok(this, 0, V);
    if (AliasToken) AcceptPart(AliasToken, V);
    else AcceptNodeList(NameParts, &V);
    V.PostVisit(this);
}

std::string TRk_AliasClause::GetPrettyText() {
    std::string S;
    if (HasAs == 1) S = FormattedText(OwnToken(0));
    if (!S.empty()) S += Blank();
    if (AliasToken) return S + FormattedText(AliasToken);
    return S + NodeListPrettyText(NameParts);
}

std::string TRk_AliasClause::GetAliasName() {
    if (AliasToken) return std::string(AliasToken->GetText());
    std::string S;
    const int n = NameParts ? NameParts->Count() : 0;
    for (int i = 0; i < n; ++i) {
        if (i > 0) S += ".";
        S += ItemAsText(NameParts->GetItem(i));
    }
    return S;
}

// ---------------------------------------------------------------------------
// TRk_SelectDistinct

TRk_SelectDistinct::TRk_SelectDistinct() { NodeKind = 163; }

void TRk_SelectDistinct::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    switch (DistinctKind) {
        case 1: case 3: case 4: case 5:
            AcceptOwnTok(this, 0, V);
            break;
        case 2:
            AcceptOwnTok(this, 0, V);
            AcceptOwnTok(this, 1, V);
            AcceptOwnTok(this, 2, V);
            AcceptNodeList(OnList, &V);
            AcceptOwnTok(this, 3, V);
            break;
        default:
            break;
    }
    V.PostVisit(this);
}

std::string TRk_SelectDistinct::GetPrettyText() {
    switch (DistinctKind) {
        case 1: case 3: case 4: case 5:
            return FormattedText(OwnToken(0));
        case 2:
            return FormattedText(OwnToken(0)) + Blank() + FormattedText(OwnToken(1)) +
                   FormattedText(OwnToken(2)) + NodeListPrettyText(OnList) +
                   FormattedText(OwnToken(3));
        default:
            return std::string();
    }
}

// ---------------------------------------------------------------------------
// TRk_JoinExpr, TRk_DummyNode, TRkInspectDBObj

TRk_JoinExpr::TRk_JoinExpr() { NodeKind = 59; }

TRk_DummyNode::TRk_DummyNode() { NodeKind = 41; }

TRkInspectDBObj::TRkInspectDBObj() : Occurrences(std::make_unique<TSourceTokenList>(false)) {}
TRkInspectDBObj::~TRkInspectDBObj() = default;

// ---------------------------------------------------------------------------
// TRkConstraintRefClause

TRkConstraintRefClause::TRkConstraintRefClause() { NodeKind = 0; }

void TRkConstraintRefClause::CreatePP() {
    if (!PP()) SetPP(MakePP(RkPrinterHooks.ConstraintRefClausePP, this));
}

void TRkConstraintRefClause::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptOwnTok(this, 0, V);
    AcceptPart(RefTable, V);
    if (RefColumns) {
        if (RefColumnsNode) AcceptOwnTok(RefColumnsNode, 0, V);
        AcceptNodeList(RefColumns, &V);
        if (RefColumnsNode) AcceptOwnTok(RefColumnsNode, 1, V);
    }
    if ((MatchKind == 1 || MatchKind == 2) && MatchClause) {
        AcceptPart(MatchClause->Tok1, V);
        AcceptPart(MatchClause->Tok2, V);
    }
    if (ActionsClause) {
        TRk_DummyNode* a = ActionsClause;
        if (ActionKinds == 1 || ActionKinds == 2 || ActionKinds == 3) {
            AcceptPart(a->Tok1, V);
            AcceptPart(a->Tok2, V);
            AcceptPart(a->Tok3, V);
            AcceptPart(a->Tok4, V);
        }
        if (ActionKinds == 3) {
            AcceptPart(a->Tok5, V);
            AcceptPart(a->Tok6, V);
            AcceptPart(a->Tok7, V);
            AcceptPart(a->Tok8, V);
        }
    }
    if (StateClause) {
        AcceptPart(StateClause->Tok1, V);
        AcceptPart(StateClause->Tok2, V);
    }
    V.PostVisit(this);
}

// ---------------------------------------------------------------------------
// TRkConstraint

TRkConstraint::TRkConstraint() { NodeKind = 27; }

void TRkConstraint::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    AcceptPart(ConstraintToken, V);
    AcceptPart(NameToken, V);
    auto tok = [&](int k) { AcceptOwnTok(this, k, V); };
    switch (ConstraintType) {
        case 1:
            tok(0);
            tok(1);
            break;
        case 2:
        case 10:
            tok(0);
            break;
        case 3:
        case 4:
            for (int i = 0; i < OwnTokCount(this); ++i) {
                TSourceToken* t = TokenList->GetToken(i);
                t->Accept(&V);
                if (t->GetText() == "(" && SeparatorFollows == 1) AcceptNodeList(ColumnList, &V);
            }
            break;
        case 5:
            tok(0);
            tok(1);
            AcceptPart(ForeignKeyName, V);
            tok(2);
            AcceptNodeList(ColumnList, &V);
            tok(3);
            AcceptPart(RefClause, V);
            break;
        case 6:
            tok(0);
            tok(1);
            AcceptPart(Expression, V);
            tok(2);
            break;
        case 7:
            tok(0);
            AcceptPart(Expression, V);
            if (OwnTokCount(this) > 1) {
                tok(1);
                if (OwnTokCount(this) > 2) tok(2);
            }
            break;
        case 8:
            AcceptPart(RefClause, V);
            break;
        case 9:
            tok(0);
            AcceptPart(IndexName, V);
            tok(1);
            AcceptNodeList(ColumnList, &V);
            tok(2);
            break;
        case 11:
            tok(0);
            AcceptPart(OptionalName, V);
            tok(1);
            AcceptNodeList(ColumnList, &V);
            tok(2);
            break;
        case 12:
            tok(0);
            if (ColumnList) {
                tok(1);
                AcceptNodeList(ColumnList, &V);
                tok(2);
            }
            break;
        case 13:
            tok(0);
            AcceptPart(Extra, V);
            break;
        default:
            break;
    }
    V.PostVisit(this);
}

std::string TRkConstraint::GetPrettyText() {
    TRkPPTextWithExprVisitor v;
    v.Root = this;
    v.Execute();
    return v.Result;
}

// ---------------------------------------------------------------------------
// TRkConstraintList

TRkConstraintList::TRkConstraintList(bool AOwnsObjects) : Owns(AOwnsObjects) {}

TRkConstraintList::~TRkConstraintList() { Clear(); }

void TRkConstraintList::Add(TRk_Node* Item) {
    Items.push_back(Item);
    if (Owns) Store.emplace_back(Item);
}

void TRkConstraintList::Clear() {
    Items.clear();
    Store.clear();
}

TRk_Node* TRkConstraintList::GetItem(int I) const {
    if (I < 0 || I >= Count()) throw ERkListError(I);
    return Items[static_cast<size_t>(I)];
}

TRkConstraint* TRkConstraintList::GetConstraint(int I) const {
    return dynamic_cast<TRkConstraint*>(GetItem(I));
}

std::vector<TRkConstraint*> TRkConstraintList::Constraints() const {
    std::vector<TRkConstraint*> r;
    r.reserve(Items.size());
    for (TRk_Node* n : Items)
        if (auto* c = dynamic_cast<TRkConstraint*>(n)) r.push_back(c);
    return r;
}

void TRkConstraintList::DoAccept(TRkVisitorAbs& V) {
    V.PreVisit(this);
    const auto cs = Constraints();
    for (size_t i = 0; i < cs.size(); ++i) {
        cs[i]->Accept(&V);
        if (cs[i]->SeparatorFollows == 1 && i + 1 < cs.size()) AcceptPart(cs[i + 1]->SeparatorToken, V);
    }
    V.PostVisit(this);
}

std::string TRkConstraintList::GetPrettyText() {
    std::string S;
    const auto cs = Constraints();
    for (size_t i = 0; i < cs.size(); ++i) {
        if (i > 0) {
            if (cs[i - 1]->SeparatorFollows == 1) {
                if (cs[i]->SeparatorToken) {
                    S += FormattedText(cs[i]->SeparatorToken);
                    EnsureLineBreakInPlace(S);
                }
            } else {
                S += Blank();
            }
        }
        S += cs[i]->GetPrettyText();
    }
    return S;
}

std::string TRkConstraintList::AsText() {
    std::string S;
    const auto cs = Constraints();
    for (size_t i = 0; i < cs.size(); ++i) {
        S += cs[i]->AsText();
        if (cs[i]->SeparatorFollows == 1 && i + 1 < cs.size() && cs[i + 1]->SeparatorToken)
            S += cs[i + 1]->SeparatorToken->GetText();
    }
    return S;
}

// ---------------------------------------------------------------------------
// TRkColumnDef

TRkColumnDef::TRkColumnDef() { NodeKind = 26; }

TRkConstraintList* TRkColumnDef::Constraints() {
    if (!FConstraints) {
        FConstraints = std::make_unique<TRkConstraintList>(false);
        MarkOwnsHeap();
    }
    return FConstraints.get();
}

TRkColumnDef::~TRkColumnDef() = default;
