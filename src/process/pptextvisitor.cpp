#include "process/pptextvisitor.h"

#include "formatter/rkbasetype.h"
#include "nodes/rkexceptions.h"
#include "nodes/u_nodes.h"

namespace {
// Node kind of TRkCustomExpression and its descendants.
constexpr uint8_t kExpressionKind = 2;

bool IsExpression(TRkVisitedAbs* Obj) {
    TRk_Node* n = Obj ? Obj->AsNode() : nullptr;
    return n && n->NodeKind == kExpressionKind;
}
}  // namespace

// ---------------------------------------------------------------------------
// TRkAsTextVisitor

bool TRkAsTextVisitor::CanVisit() { return Current && Current->AsToken() && Emit; }

void TRkAsTextVisitor::DropClosedFrames(int32_t FromDepth) {
    // A walk that failed after its PreVisit never got its PostVisit; its
    // entry is stale once a frame at its depth or above opens or closes.
    bool dropped = false;
    while (!FStackDepth.empty() && FStackDepth.back() >= FromDepth) {
        FStackDepth.pop_back();
        Stack.pop_back();
        dropped = true;
    }
    if (dropped) Emit = Stack.empty() ? true : Stack.back()->Emit;
}

void TRkAsTextVisitor::Visit(TRkVisitedAbs* Obj) {
    TRkVisitorAbs::Visit(Obj);
    // A node that keeps the base walk is visited inside its own frame, after
    // its PreVisit put it on the stack.
    DropClosedFrames(Obj && Obj->AsToken() ? Depth : Depth + 1);
    if (!CanVisit()) return;
    TopNode = Stack.empty() ? nullptr : Stack.back()->AsNode();
    if (TopNode) TopNode->AppendTokenText(Obj->AsToken(), Result);
}

void TRkAsTextVisitor::PreVisit(TRkVisitedAbs* Obj) {
    if (!Obj || Obj->AsToken()) return;
    TRk_Node* node = Obj->AsNode();
    // Objects that are neither tokens nor nodes (token lists, constraint
    // lists) are not printed: failing here ends their walk unchanged.
    if (!node) throw ERkError("Invalid class typecast");
    DropClosedFrames(Depth);
    TopNode = Stack.empty() ? nullptr : Stack.back()->AsNode();
    Obj->Emit = true;
    if (TopNode) Obj->Emit = Obj->Emit && TopNode->Emit;
    if (!node->TextOverride().empty() || node->PrintsItself()) Obj->Emit = false;
    Emit = Obj->Emit;
    Stack.push_back(Obj);
    FStackDepth.push_back(Depth);
}

void TRkAsTextVisitor::PostVisit(TRkVisitedAbs* Obj) {
    if (!Obj || Obj->AsToken()) return;
    DropClosedFrames(Depth + 1);
    if (!Stack.empty()) {
        Stack.pop_back();
        FStackDepth.pop_back();
    }
    TopNode = Stack.empty() ? nullptr : Stack.back()->AsNode();
    Emit = TopNode ? TopNode->Emit : true;
    if (!Emit) return;
    TRk_Node* node = Obj->AsNode();
    if (!node) return;
    if (node->PrintsItself()) {
        Result.push_back(RkSeparatorChar);
        Result += node->AsText();
        Result.push_back(RkSeparatorChar);
    } else if (!node->TextOverride().empty()) {
        if (Result.empty()) {
            Result = node->TextOverride();
        } else {
            Result.push_back(RkSeparatorChar);
            Result += node->TextOverride();
        }
    }
}

void TRkAsTextVisitor::Execute() {
    if (!Root) return;
    Result.clear();
    Run();
}

void TRkAsTextVisitor::Run() {
    Stack.clear();
    FStackDepth.clear();
    Emit = true;
    Root->Accept(this);
}

// ---------------------------------------------------------------------------
// TRkPpTextVisitor

bool TRkPpTextVisitor::CanVisit() { return Current && Current->AsToken(); }

void TRkPpTextVisitor::Visit(TRkVisitedAbs* Obj) {
    TRkVisitorAbs::Visit(Obj);
    if (CanVisit()) Result += Obj->AsToken()->GetFormattedText();
}

void TRkPpTextVisitor::Run() { Root->Accept(this); }

void TRkPpTextVisitor::Execute() {
    if (!Root) return;
    Result.clear();
    Run();
}

// ---------------------------------------------------------------------------
// TRkPPTextWithExprVisitor

bool TRkPPTextWithExprVisitor::CanVisit() { return Current && Current->AsToken(); }

void TRkPPTextWithExprVisitor::PreVisit(TRkVisitedAbs* Obj) {
    // An expression prints as its own pretty text: its inner parts are not
    // walked.
    if (IsExpression(Obj)) Enabled = false;
}

void TRkPPTextWithExprVisitor::Visit(TRkVisitedAbs* Obj) {
    TRkVisitorAbs::Visit(Obj);
    if (!CanVisit()) return;
    TSourceToken* t = Obj->AsToken();
    if (!Result.empty() && t->TokenType != ttPeriod && Result.back() != '.' &&
        t->TokenType != ttLeftParen)
        Result.push_back(RkSeparatorChar);
    Result += t->GetFormattedText();
}

void TRkPPTextWithExprVisitor::PostVisit(TRkVisitedAbs* Obj) {
    if (!Obj || Obj->AsToken()) return;
    if (IsExpression(Obj)) {
        const std::string pretty = Obj->AsNode()->GetPrettyText();
        Result.push_back(RkSeparatorChar);
        Result += IndentAfter(Result, pretty);
        Result.push_back(RkSeparatorChar);
    }
    Enabled = true;
}
