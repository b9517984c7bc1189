// Visitors that read a tree's tokens: the source text with token numbering,
// and the first or last token of a node.
#pragma once

#include <cstdint>
#include <string>

#include "process/rkbasevisitor.h"

class TSourceTokenList;

// The node's significant tokens, each followed by the blanks, line breaks and
// comments (and, with NumberSemicolons, semicolons) that follow it; every
// significant token, comment and counted semicolon gets the next SeqNo.  A
// ";" that the walk visits after it was printed behind the token before it
// (a statement that holds its terminator) is not printed again.
class TRkGetTextVisitor : public TRkVisitorAbs {
public:
    TRkVisitedAbs* Root = nullptr;
    std::string Result;
    int32_t Counter = -1;
    bool NumberSemicolons = true;

    const char* ClassName() const override { return "TRkGetTextVisitor"; }
    bool CanVisit() override;
    void Visit(TRkVisitedAbs* Obj) override;
    // Nothing without Root; else Result := "" and Root's walk.  Counter is
    // not reset, so numbering continues over several roots.
    void Execute();

private:
    // The run printed behind the last printed token: list and positions.
    const TSourceTokenList* FRunList = nullptr;
    int32_t FRunFirst = 0, FRunLast = -1;
};

// First (Mode 1) or last (Mode 2) token that a node's walk visits.
class TRkGetTokenVisitor : public TRkVisitorAbs {
public:
    TRkVisitedAbs* Root = nullptr;
    TSourceToken* ResultToken = nullptr;
    int32_t Mode = 1;

    const char* ClassName() const override { return "TRkGetTokenVisitor"; }
    void Visit(TRkVisitedAbs* Obj) override;
    void Execute();
};
