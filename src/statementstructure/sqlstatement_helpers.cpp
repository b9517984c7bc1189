// Fields and tables from parse nodes, node-list walks and texts shared by
// the statement analyses, and the services the parser runtime asks of the
// statement model (wrapping sub-selects, recording variables, re-parsing a
// condition text).
#include <algorithm>

#include "formatter/rkbasetype.h"
#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes_generic.h"
#include "nodes/u_parsenodes.h"
#include "parse/rkyacclib.h"
#include "process/gettextvisitor_search.h"
#include "statementstructure/rkexpression.h"
#include "statementstructure/sqlstatement.h"

#include "statementstructure/sqlstatement_select.h"

namespace {

// Marks a name token unless it is marked already or an '@name' variable.
bool MarkToken(TSourceToken* T, std::uint8_t Kind) {
    if (!T || T->DbObjKind != okUnknown || T->TokenType == ttAtVar) return false;
    T->DbObjKind = Kind;
    return true;
}

// The alias token of an alias clause: its single token, or the last of its
// name list.
TSourceToken* AliasToken(TRk_AliasClause* A) {
    if (!A) return nullptr;
    if (A->AliasToken) return A->AliasToken;
    if (A->NameParts && A->NameParts->Count() > 0)
        return A->NameParts->GetItem(A->NameParts->Count() - 1)->AsToken();
    return nullptr;
}

}  // namespace

TSelectSqlStatement* TCustomSqlStatement::NewSubQuery(TRk_Node* SelectNode) {
    std::unique_ptr<TCustomSqlStatement> S = NewSelectSqlStatement(DbVendor);
    S->RootNode = SelectNode;
    S->SetOnTableTokenEvent(GetOnTableTokenEvent());
    S->SetOnFieldTokenEvent(GetOnFieldTokenEvent());
    S->AnalyzeParseTree();
    TSelectSqlStatement* Raw = static_cast<TSelectSqlStatement*>(S.get());
    SubStatements.push_back(std::move(S));
    return Raw;
}

void TCustomSqlStatement::AddFieldsFromList(TRk_List* List) {
    if (!List) return;
    for (int i = 0; i < List->Count(); ++i) {
        TRk_Node* N = List->GetNode(i);
        if (!N || N->NodeKind != 2) continue;
        auto F = std::make_unique<TRkField>();
        F->FieldKind = 2;
        F->Expression = static_cast<TRkCustomExpression*>(N);
        F->SourceNode = N;
        CollectFieldsInExpr(N);
        Fields->Add(F.release());
    }
}

void TCustomSqlStatement::AddFieldFromNode(TRk_Node* Node, TRkField* Field) {
    if (!Node || !Field) return;
    if (Node->NodeKind == 2) {
        Field->FieldKind = 2;
        Field->Expression = static_cast<TRkCustomExpression*>(Node);
        Field->Expression->AfterAttach();
        CollectFieldsInExpr(Node);
    } else if (Node->NodeKind == TRkCustomParser::SelectNodeKind) {
        Field->SubQuery = NewSubQuery(Node);
        Field->FieldKind = 3;
    }
}

TRkTable* TCustomSqlStatement::AddTableFromNode(TRk_Node* Node) {
    if (!Node || Node->NodeKind != 174) return nullptr;
    auto* Ref = static_cast<TRk_TableRef*>(Node);
    auto T = std::make_unique<TRkTable>();
    T->SourceNode = Node;
    T->AliasNode = Ref->Alias;
    if (TRk_Node* Src = Ref->Source) {
        if (Src->NodeKind == 3) {
            T->TableKind = 1;
            T->NameNode = static_cast<TRk_Attr*>(Src);
            T->NameNode->MarkTableParts(this, nullptr);
        } else if (Src->NodeKind == 2) {
            T->TableKind = 2;
            T->Expression = static_cast<TRkCustomExpression*>(Src);
        } else if (Src->NodeKind == TRkCustomParser::SelectNodeKind) {
            T->TableKind = 3;
            T->SubQuery = NewSubQuery(Src);
        }
    }
    TRkTable* Raw = T.get();
    if (GetOnTableEvent()) GetOnTableEvent()(this, this, Raw);
    Tables->Add(T.release());
    return Raw;
}

TRkTable* TCustomSqlStatement::AddTableFromTableRef(TRk_Node* Node) {
    if (!Node || Node->NodeKind != 174) return nullptr;
    auto* Ref = static_cast<TRk_TableRef*>(Node);
    auto T = std::make_unique<TRkTable>();
    TRkTable* Raw = T.get();
    T->SourceNode = Node;
    T->HasTargetColumnList = Ref->HasColumnList;
    if (Ref->HasColumnList) T->TargetColumnList = Ref->ColumnList;
    T->AliasNode = Ref->Alias;
    if (Ref->HintList) {
        T->Hints = Ref->HintList;
        T->HintsWith = Ref->WithToken ? 1 : 0;
    }
    T->TableKeyword = Ref->IsTableCollection;
    if (TRk_Node* Src = Ref->Source) {
        if (Src->NodeKind == 2) {
            T->TableKind = 2;
            T->Expression = static_cast<TRkCustomExpression*>(Src);
            T->Expression->AfterAttach();
        } else if (Src->NodeKind == 3) {
            T->TableKind = 1;
            T->NameNode = static_cast<TRk_Attr*>(Src);
            T->NameNode->MarkTableParts(this, Raw);
        } else if (Src->NodeKind == TRkCustomParser::SelectNodeKind) {
            T->TableKind = 3;
            T->SubQuery = NewSubQuery(Src);
        }
    }
    if (GetOnTableEvent()) GetOnTableEvent()(this, this, Raw);
    Tables->Add(T.release());
    if (TSourceToken* A = AliasToken(Ref->Alias)) {
        MarkToken(A, okTableAlias);
        if (GetOnTableTokenEvent()) GetOnTableTokenEvent()(Raw, A, this);
    }
    return Raw;
}

std::uint8_t TableOrAliasKind(const std::string& Name, TRkTableList* Tables) {
    if (!Tables) return okTable;
    for (int i = 0; i < Tables->Count(); ++i) {
        TRkTable* T = Tables->GetTable(i);
        if (TextCompare(Name, T->GetTableText()) == 0) return okTable;
        std::string Alias = T->GetAliasText();
        if (!Alias.empty() && TextCompare(Name, Alias) == 0) return okTableAlias;
    }
    return okTable;
}

void AcceptNodeListWithSeparators(TRk_List* List, TRkVisitorAbs* Visitor) {
    if (!List || !Visitor) return;
    for (int i = 0; i < List->Count(); ++i) {
        TRkVisitedAbs* Item = List->GetItem(i);
        if (i > 0) AcceptPart(ItemSeparator(Item), *Visitor);
        AcceptPart(Item, *Visitor);
    }
}

void AcceptNodeListWithTokens(TRk_List* List, TRkVisitorAbs* Visitor) {
    if (!List || !Visitor) return;
    for (int i = 0; i < List->Count(); ++i) {
        AcceptPart(List->GetItem(i), *Visitor);
    }
}

void AcceptDummyNodeList(TRk_DummyNode* Node, TRkVisitorAbs* Visitor) {
    if (!Node || !Visitor) return;
    AcceptPart(Node->Tok1, *Visitor);
    AcceptPart(Node->Tok2, *Visitor);
    if (Node->List1)
        for (TRkVisitedAbs* Item : Node->List1->Items) {
            TRk_Node* N = Item ? Item->AsNode() : nullptr;
            if (!N || N->NodeKind != 41) continue;
            auto* D = static_cast<TRk_DummyNode*>(N);
            AcceptPart(D->Tok1, *Visitor);
            AcceptPart(D->Tok2, *Visitor);
            AcceptPart(D->Tok3, *Visitor);
        }
    AcceptPart(Node->Tok3, *Visitor);
}

std::string ListItemsPrettyText(TRk_List* List) {
    std::string R;
    if (!List) return R;
    for (int i = 0; i < List->Count(); ++i) {
        TRkVisitedAbs* Item = List->GetItem(i);
        if (i > 0) R += FormattedText(ItemSeparator(Item));
        R += ItemPrettyText(Item);
    }
    return R;
}

std::string TokenListText(TRk_List* List) {
    std::string R;
    if (!List) return R;
    for (int i = 0; i < List->Count(); ++i) {
        TSourceToken* T = List->GetItem(i)->AsToken();
        if (!T) continue;
        if (i > 0) R += FormattedText(T->GetSeparatorToken());
        R += T->GetFormattedText();
    }
    return R;
}

std::string OptionListText(TRk_DummyNode* Node) {
    if (!Node) return std::string();
    std::string Head = FormattedText(Node->Tok1) + FormattedText(Node->Tok2);
    std::string Items;
    if (Node->List1) {
        bool First = true;
        for (TRkVisitedAbs* Item : Node->List1->Items) {
            TRk_Node* N = Item ? Item->AsNode() : nullptr;
            if (!N || N->NodeKind != 41) continue;
            auto* D = static_cast<TRk_DummyNode*>(N);
            if (!First) EnsureLineBreakInPlace(Items);
            First = false;
            if (!Items.empty()) Items += RkSeparatorChar;
            Items += FormattedText(D->Tok1);
            if (D->Tok2) Items += RkSeparatorChar + FormattedText(D->Tok2);
            if (D->Tok3) {
                std::string Unit = LowerCase(D->Tok3->GetText());
                if (Unit != "k" && Unit != "m") Items += " ";
                Items += FormattedText(D->Tok3);
            }
        }
    }
    return Head + IndentText(Items, LastLineLength(Head) - 1) + FormattedText(Node->Tok3);
}

// ---------------------------------------------------------------------------
// Services for the parser runtime

namespace {

std::unique_ptr<TRk_Node> HookCreateSelect(std::uint8_t Vendor) { return NewSelectSqlStatement(Vendor); }

void HookAnalyzeSelect(TRk_Node* Statement, TRk_Node* SelectNode) {
    auto* S = static_cast<TCustomSqlStatement*>(Statement);
    S->RootNode = SelectNode;
    S->Parsed = S->AnalyzeParseTree() == 0;
}

bool HookIsSelectAnalyzed(TRk_Node* Statement) { return static_cast<TCustomSqlStatement*>(Statement)->Parsed; }

int HookParseSelect(TRk_Node* Statement) { return static_cast<TCustomSqlStatement*>(Statement)->Parse(false); }

void HookAddBindVar(TCustomSqlStatement* S, std::unique_ptr<TRkValue> V) { S->BindVars->Add(std::move(V)); }
void HookAddSqlVar(TCustomSqlStatement* S, std::unique_ptr<TRkValue> V) { S->SqlVars->Add(std::move(V)); }

// The front end whose nodes a re-parsed condition now uses.
class TReparseFrontEnd : public TRkReparseHolder {
public:
    explicit TReparseFrontEnd(std::uint8_t Vendor) : Parser(Vendor) {}
    TMarlSqlParser Parser;
};

TRkReparseResult HookReparse(std::uint8_t Vendor, const std::string& Sql) {
    TRkReparseResult R;
    auto Holder = std::make_unique<TReparseFrontEnd>(Vendor);
    Holder->Parser.SetSqlTextString(Sql);
    if (Holder->Parser.Parse() == 0 && Holder->Parser.Statements().Count() > 0) {
        TCustomSqlStatement* S = Holder->Parser.Statements().GetStatement(0);
        if (S->Fields->Count() > 0 && S->Fields->GetField(0)->FieldKind == 2 && S->WhereNode &&
            S->WhereNode->NodeKind == 2)
            R.Where = static_cast<TRkCustomExpression*>(S->WhereNode);
    }
    R.Holder = std::move(Holder);
    return R;
}

}  // namespace

void InstallStatementModelHooks() {
    RkParserHooks.CreateSelectStatement = HookCreateSelect;
    RkParserHooks.AnalyzeSelect = HookAnalyzeSelect;
    RkParserHooks.IsSelectAnalyzed = HookIsSelectAnalyzed;
    RkParserHooks.ParseSelect = HookParseSelect;
    RkParserHooks.AddBindVar = HookAddBindVar;
    RkParserHooks.AddSqlVar = HookAddSqlVar;
    RkReparseCondition = HookReparse;
}

// ---------------------------------------------------------------------------
// Name searches over the statement's tree

void TCustomSqlStatement::CollectFieldsInExpr(TRk_Node* Expr) {
    TRkFldInExprVisitor V;
    V.Mode = 1;
    V.Root = Expr;
    V.Statement = this;
    V.Execute();
}

void TCustomSqlStatement::CollectFieldsInExprToList(TRk_Node* Expr, std::vector<std::string>& List) {
    TRkFldInExprVisitor V;
    V.Mode = 2;
    V.Root = Expr;
    V.Statement = this;
    V.Target = &List;
    V.Execute();
}

void TCustomSqlStatement::InspectDBObjects() {
    DbObjects->clear();
    TRkInspectDBObjVisitor V;
    V.Root = this;
    V.Objects = DbObjects.get();
    V.Execute();
    std::stable_sort(DbObjects->begin(), DbObjects->end(),
                     [](const auto& A, const auto& B) { return A->Kind < B->Kind; });
}
