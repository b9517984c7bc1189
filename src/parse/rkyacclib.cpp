#include "parse/rkyacclib.h"

#include <algorithm>

#include "nodes/u_parsenodes.h"
#include "statementstructure/rkexpression.h"

TRkParserHooks RkParserHooks;

TRkCustomParser::TRkCustomParser() = default;

TRkCustomParser::~TRkCustomParser() {
    ResultList.clear();
    FreeNodes();
}

void TRkCustomParser::FreeNodes() {
    while (!NodePool.empty()) NodePool.pop_back();
    FArena.Release();
}

void TRkCustomParser::ReserveTrees(std::size_t Significant) {
    FArena.SetBlockHint(Significant * kArenaBytesPerToken);
    NodePool.reserve(NodePool.size() + Significant * kNodesPer8Tokens / 8);
}

void TRkCustomParser::ReleaseTrees() {
    RootNode = nullptr;
    ResultList.clear();
    FreeNodes();
}

int TRkCustomParser::Prologue() {
    RootNode = nullptr;
    StatementEndPos = 0;
    StatementStartPos = 0;
    ErrorMessage.clear();
    CurToken = nullptr;
    ResultList.clear();
    if (!KeepTrees) FreeNodes();
    if (!TokenList) return -1;
    const auto skippable = [](const TSourceToken* t) {
        return t->TokenType == ttLineBreak || t->TokenType == ttBlanks || t->TokenCode == tcBlockComment ||
               t->TokenCode == tcLineComment;
    };
    const TSourceTokenSpan items = TokenList->Items();
    // A parser that keeps the trees of a script had its room reserved for
    // them all: it only asks whether there is anything to parse.
    if (KeepTrees) return std::all_of(items.begin(), items.end(), skippable) ? -1 : 0;
    const auto Significant = static_cast<size_t>(std::count_if(items.begin(), items.end(), [&](auto* t) {
        return !skippable(t);
    }));
    // Trees take about 200 bytes per significant token of their statement:
    // then most trees fit the first block or two.
    FArena.SetBlockHint(Significant * kArenaBytesPerToken);
    return Significant > 0 ? 0 : -1;
}

// ---------------------------------------------------------------------------
// Builders

TRk_Node* TRkCustomParser::WrapSelectNode(TRk_Node* SelectNode) {
    if (!RkParserHooks.CreateSelectStatement) return SelectNode;
    TRk_Node* stmt = Adopt(RkParserHooks.CreateSelectStatement(DbVendor));
    if (!stmt) return SelectNode;
    stmt->DbVendor = DbVendor;
    if (RkParserHooks.AnalyzeSelect) RkParserHooks.AnalyzeSelect(stmt, SelectNode);
    return stmt;
}

TRkVisitedAbs* TRkCustomParser::WrapItem(TRkVisitedAbs* Item, bool WrapSelect) {
    RK_ASSERT(Item != nullptr, "obj is null(010)", "parse/rkyacclib");
    TRk_Node* n = Item->AsNode();
    if (n && WrapSelect && n->NodeKind == SelectNodeKind) return WrapSelectNode(n);
    return Item;
}

TRk_List* TRkCustomParser::MakeListWithTail(TRkVisitedAbs* Item, TRk_List* Tail, bool WrapSelect) {
    TRkVisitedAbs* item = WrapItem(Item, WrapSelect);
    TRk_List* list = NewNode<TRk_List>(true);
    list->Add(item, &FArena);
    if (Tail && Tail != list) {
        for (TRkVisitedAbs* t : Tail->Items) list->Add(t, &FArena);
        Tail->Clear();
    }
    return list;
}

TRk_List* TRkCustomParser::MakeList(TRkVisitedAbs* Item, bool WrapSelect) {
    return MakeListWithTail(Item, nullptr, WrapSelect);
}

TRk_List* TRkCustomParser::MakeList2(TRkVisitedAbs* First, TRkVisitedAbs* Second, bool WrapSelect) {
    return MakeListWithTail(First, MakeList(Second, true), WrapSelect);
}

TRk_List* TRkCustomParser::AppendToList(TRk_List* List, TRkVisitedAbs* Item, bool WrapSelect) {
    if (!List) return MakeList(Item, WrapSelect);
    // Straight onto the list: a one-item list per append only to empty it
    // again was a node per list item.
    List->Add(WrapItem(Item, WrapSelect), &FArena);
    return List;
}

TRk_List* TRkCustomParser::ConcatLists(TRk_List* A, TRk_List* B) {
    if (!A) return B;
    if (!B || B == A) return A;
    for (TRkVisitedAbs* t : B->Items) A->Add(t, &FArena);
    B->Clear();
    return A;
}

// A raw select operand is wrapped into an analyzed select statement.  A
// select statement object is kept as it is when it already holds its
// analysis; otherwise it is parsed and kept only when that succeeds.
TRk_Node* TRkCustomParser::ConvertOperand(TRk_Node* Operand) {
    if (!Operand) return nullptr;
    if (Operand->NodeKind == SelectNodeKind) return WrapSelectNode(Operand);
    if (Operand->NodeKind == SelectStatementKind) {
        if (RkParserHooks.IsSelectAnalyzed && RkParserHooks.IsSelectAnalyzed(Operand)) return Operand;
        if (!RkParserHooks.ParseSelect) return Operand;
        return RkParserHooks.ParseSelect(Operand) == 0 ? Operand : nullptr;
    }
    return Operand;
}

namespace {

int32_t OperandDepth(TRk_Node* Operand) {
    if (!Operand) return 0;
    if (Operand->NodeKind == 2) return static_cast<TRkCustomExpression*>(Operand)->NestDepth;
    int32_t d = 0;
    if (Operand->IsList())
        for (TRkVisitedAbs* item : static_cast<TRk_List*>(Operand)->Items)
            if (TRk_Node* n = item ? item->AsNode() : nullptr; n && n->NodeKind == 2)
                d = std::max(d, static_cast<TRkCustomExpression*>(n)->NestDepth);
    return d;
}

}  // namespace

TRkCustomExpression* TRkCustomParser::MakeExpression(std::uint8_t ExprType, TSourceToken* OperatorToken,
                                                     TRk_Node* Left, TRk_Node* Right) {
    TRkCustomExpression* e = NewNode<TRkCustomExpression>(true);
    e->ExprType = static_cast<TRkOpType>(ExprType);
    e->OperatorToken = OperatorToken;
    e->LeftOperand = ConvertOperand(Left);
    e->RightOperand = ConvertOperand(Right);
    // A link of a chain (a OR b OR c) is no deeper than the chain below it:
    // walks follow chains in a loop.
    const int32_t left = OperandDepth(e->LeftOperand) + (e->ChainLeft() ? 0 : 1);
    e->NestDepth = std::max(left, 1 + OperandDepth(e->RightOperand));
    // Nesting this deep could not be walked: end the parse with an error.
    if (e->NestDepth > MaxExpressionDepth) {
        ErrorMessage = "yyparse stack overflow";
        yyflag = 3;
    }
    return e;
}

TRk_SelectStmt* TRkCustomParser::MakeSelectNode(std::uint8_t SetOperation, TSourceToken* OperatorToken,
                                                TRk_Node* Left, TRk_Node* Right) {
    TRk_SelectStmt* s = NewNode<TRk_SelectStmt>(true);
    s->SetOperation = SetOperation;
    s->SetOperatorToken = OperatorToken;
    s->LeftSelect = Left;
    s->RightSelect = Right;
    return s;
}

// ---------------------------------------------------------------------------
// Token feed

void TRkCustomParser::HandleVariable(TSourceToken* T, bool Bind) {
    const std::string name = T->GetText().size() > 1 ? std::string(T->GetText().substr(1)) : std::string();
    std::string r;
    const auto& event = Bind ? OnBindVar : OnSqlVar;
    if (event) event(this, name, r);
    if (CurStatement) {
        auto add = Bind ? RkParserHooks.AddBindVar : RkParserHooks.AddSqlVar;
        if (add) {
            std::unique_ptr<TRkValue> v = CreateNodeOfClass<TRkValue>();
            v->Str1 = name;
            v->Str2 = r;
            v->PayloadObject = T;
            add(CurStatement, std::move(v));
        }
    }
    if (!r.empty()) T->SetText(r);
    if (!Bind) T->TokenType = ttIdentifier;
}

TSourceToken* TRkCustomParser::GetNextToken(bool SkipBlanks) {
    if (!TokenList) return nullptr;
    for (;;) {
        TSourceToken* t = nullptr;
        if (PushedBackToken) {
            t = PushedBackToken;
            PushedBackToken = nullptr;
        } else {
            const TSourceTokenSpan items = TokenList->Items();
            const int32_t n = static_cast<int32_t>(items.size());
            int32_t i = std::max<int32_t>(TokenPos, 0);
            for (; i < n; ++i) {
                const TSourceToken* c = items[static_cast<size_t>(i)];
                if (c->TokenStatus == 1 || c->TokenStatus == 2) continue;
                if (SkipBlanks && (c->TokenType == ttBlanks || c->TokenType == ttLineBreak ||
                                   c->TokenCode == tcLineComment || c->TokenCode == tcBlockComment))
                    continue;
                break;
            }
            if (i >= n) return nullptr;
            t = items[static_cast<size_t>(i)];
            TokenPos = i + 1;
        }
        if (DbVendor != 0 && t->TokenStatus != 1) {
            if (t->TokenType == ttBindVar) HandleVariable(t, true);
            else if (t->TokenType == ttAtVar) HandleVariable(t, false);
        }
        if (OnParserToken && t->SkipParserEvent == 0 && t->TokenStatus != 1 && t->TokenType != ttBindVar) {
            try {
                OnParserToken(this, t, DbVendor);
            } catch (...) {
                // A failing handler leaves the token as it was handed out.
            }
        }
        if (!t || t->TokenStatus != 1) return t;
        // Removed by the handler: hand out the next one instead.
    }
}

TSourceToken* TRkCustomParser::MakeEndToken() {
    // One end token per list: a list parsed again keeps the one it has.
    if (TokenList && TokenList->Count() > 0) {
        TSourceToken* last = TokenList->Items().back();
        if (IsEndToken(last)) return last;
    }
    // A statement's tokens read in its script's list take none: appending
    // would copy them all.  The parser's own end token, in no list, serves
    // every such statement alike.
    if (TokenList && TokenList->IsRange()) {
        if (!FRangeEndToken) FRangeEndToken = MakeSourceToken("", ttUnclassified, 0, 0, -1, -1);
        return FRangeEndToken.get();
    }
    TSourceToken* t = NewEndToken();
    if (TokenList) {
        TokenList->Add(t);
        t->SetOwnerList(TokenList);
    }
    return t;
}

TSourceToken* TRkCustomParser::NewEndToken() {
    if (FEndTokens.size() < kEndTokensOnHeap) {
        FEndTokens.push_back(MakeSourceToken("", ttUnclassified, 0, 0, -1, -1));
        return FEndTokens.back().get();
    }
    // A stored token is made as MakeSourceToken makes this one, and its
    // owner-list record goes to the store's blocks, not to a heap block.
    if (!FEndTokenStore) FEndTokenStore = std::make_unique<TSourceTokenList>(true);
    return FEndTokenStore->NewStoredToken();
}

void TRkCustomParser::ReportFatalError(const std::string& Message) {
    ErrorMessage = Message;
    if (!SyntaxErrorCallback) return;
    const bool end = !CurToken || CurToken->TokenCode == 0;
    SyntaxErrorCallback(1, Message, end ? std::string("end of input") : std::string(CurToken->GetText()),
                        CurToken ? CurToken->Line : -1, CurToken ? CurToken->Column : -1);
}
