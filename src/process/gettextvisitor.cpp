#include "process/gettextvisitor.h"

#include "nodes/u_nodes.h"

bool TRkGetTextVisitor::CanVisit() {
    TSourceToken* t = Current ? Current->AsToken() : nullptr;
    return t && t->IsSignificant();
}

void TRkGetTextVisitor::Visit(TRkVisitedAbs* Obj) {
    TRkVisitorAbs::Visit(Obj);
    if (!CanVisit()) return;
    TSourceToken* t = Obj->AsToken();
    TSourceTokenList* list = t->GetOwnerList();
    const int32_t idx = list ? list->IndexOf(t) : -1;
    if (idx < 0) return;
    if (list == FRunList && idx > FRunFirst && idx <= FRunLast) return;  // printed with the run
    Result += t->GetText();
    t->SetSeqNo(++Counter);
    const auto& items = list->Items();
    size_t j = static_cast<size_t>(idx) + 1;
    for (; j < items.size(); ++j) {
        TSourceToken* n = items[j];
        if (n->TokenType == ttBlockComment || n->TokenType == ttLineComment ||
            (n->TokenType == ttSemicolon && NumberSemicolons)) {
            n->SetSeqNo(++Counter);
            Result += n->GetText();
        } else if (n->TokenType == ttLineBreak || n->TokenType == ttBlanks) {
            Result += n->GetText();
        } else {
            break;
        }
    }
    FRunList = list;
    FRunFirst = idx;
    FRunLast = static_cast<int32_t>(j) - 1;
}

void TRkGetTextVisitor::Execute() {
    if (!Root) return;
    Result.clear();
    FRunList = nullptr;
    Root->Accept(this);
}

void TRkGetTokenVisitor::Visit(TRkVisitedAbs* Obj) {
    TRkVisitorAbs::Visit(Obj);
    TSourceToken* t = Obj ? Obj->AsToken() : nullptr;
    if (!t) return;
    if (!ResultToken) ResultToken = t;
    if (Mode == 1)
        Enabled = false;
    else if (Mode == 2)
        ResultToken = t;
}

void TRkGetTokenVisitor::Execute() {
    ResultToken = nullptr;
    if (Root) Root->Accept(this);
}
