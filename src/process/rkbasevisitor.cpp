#include "process/rkbasevisitor.h"

#include <exception>
#include <new>

#include "nodes/rkexceptions.h"
#include "process/stackguard.h"

void TRkVisitedAbs::Accept(TRkVisitorAbs* Visitor) {
    if (!Visitor) RkAssertFailed("Visitor unassigned", AssertUnit(), __LINE__);
    if (!Visitor->Enabled) return;
    // Nesting past what the stack holds: this part is not walked, and the
    // visitor says so for its owner to report.
    if (rkstack::Exhausted()) {
        Visitor->StackExhausted = true;
        return;
    }
    const int32_t depth = Visitor->Depth;
    Visitor->Depth = depth + 1;
    try {
        DoAccept(*Visitor);
    } catch (const std::bad_alloc&) {
        Visitor->Depth = depth;
        throw;  // out of memory is not a walk failure
    } catch (const std::exception&) {
        // A failing part ends only its own walk: no PostVisit, no report.
    }
    Visitor->Depth = depth;
}

void TRkVisitedAbs::DoAccept(TRkVisitorAbs& Visitor) {
    Visitor.PreVisit(this);
    Visitor.Visit(this);
    Visitor.PostVisit(this);
}
