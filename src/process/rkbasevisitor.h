// The one traversal protocol of the parser library.  A visitable object
// offers Accept(visitor); a visitor offers PreVisit, Visit and PostVisit.
//
// Accept is the frame every walk shares: it asserts a visitor, does nothing
// for a disabled visitor, counts Depth, and runs the object's walk (DoAccept)
// inside a handler.  When anything in the walk fails, the rest of that
// object's walk (its PostVisit included) is dropped silently, Depth is
// restored and the enclosing walk goes on with its next part.
//
// Classes with parts override DoAccept:
//     V.PreVisit(this); <parts' Accept in source order>; V.PostVisit(this);
// (no Visit for themselves).  The inherited DoAccept does
//     V.PreVisit(this); V.Visit(this); V.PostVisit(this);
//
// Walk depth follows the nesting of the tree; every list, and every chain of
// operators (a OR b OR c), is walked by a loop, so only nested constructs
// add frames.  The parser bounds nesting (10000 stack entries, 1000 nested
// expressions); walks were measured to stay well within an 8 MB stack at
// 30000 levels even under AddressSanitizer.
#pragma once

#include <cstdint>

class TSourceToken;
class TRk_Node;
class TRkVisitorAbs;

// The classes the analysis walks single out among the objects they meet.
// One virtual call tells them apart where a cast would search the class
// hierarchy, at every node of every walk.  A derived class answers as its
// base does unless it says otherwise.
enum class TRkVisitedClass : uint8_t {
    Other,
    Token,             // TSourceToken
    Attr,              // TRk_Attr
    Ident,             // TRk_Ident
    Statement,         // TCustomSqlStatement other than the two below
    SelectStatement,   // TSelectSqlStatement
};

class TRkVisitedAbs {
public:
    // Per-object flag the text visitors use to decide whether the object's
    // tokens are printed.
    bool Emit = true;

    TRkVisitedAbs() = default;
    TRkVisitedAbs(const TRkVisitedAbs&) = delete;
    TRkVisitedAbs& operator=(const TRkVisitedAbs&) = delete;
    virtual ~TRkVisitedAbs() = default;

    virtual const char* ClassName() const { return "TRkVisitedAbs"; }

    // Cheap class tests used by the walks instead of casts.
    virtual TSourceToken* AsToken() { return nullptr; }
    virtual TRk_Node* AsNode() { return nullptr; }
    virtual TRkVisitedClass VisitedClass() const { return TRkVisitedClass::Other; }

    // The walk frame (see above).  Fails "Visitor unassigned" for nullptr.
    void Accept(TRkVisitorAbs* Visitor);

    // The walk itself; runs inside the frame of Accept.
    virtual void DoAccept(TRkVisitorAbs& Visitor);

protected:
    // Unit name that the "Visitor unassigned" assertion reports.
    virtual const char* AssertUnit() const { return "process/rkbasevisitor"; }
};

class TRkVisitorAbs {
public:
    // A visitor that clears Enabled stops the walk: later Accepts do nothing.
    bool Enabled = true;
    // Number of Accept frames currently open for this visitor.
    int32_t Depth = 0;
    // Set when a part was left unwalked because the stack ran short.
    bool StackExhausted = false;
    // The object most recently given to Visit.
    TRkVisitedAbs* Current = nullptr;

    TRkVisitorAbs() = default;
    TRkVisitorAbs(const TRkVisitorAbs&) = delete;
    TRkVisitorAbs& operator=(const TRkVisitorAbs&) = delete;
    virtual ~TRkVisitorAbs() = default;

    virtual const char* ClassName() const { return "TRkVisitorAbs"; }

    virtual bool CanVisit() { return true; }
    virtual TRkVisitedAbs* GetCurrent() { return Current; }
    virtual void SetCurrent(TRkVisitedAbs* Obj) { Current = Obj; }
    // Overrides call the inherited Visit first, then act when CanVisit().
    virtual void Visit(TRkVisitedAbs* Obj) { Current = Obj; }
    virtual void PreVisit(TRkVisitedAbs* Obj) {}
    virtual void PostVisit(TRkVisitedAbs* Obj) {}
};

// Accept of an optional part: nothing when Part is nullptr.
inline void AcceptPart(TRkVisitedAbs* Part, TRkVisitorAbs& Visitor) {
    if (Part) Part->Accept(&Visitor);
}
