// Hand-built trees for tests: a node class that walks its parts (tokens and
// child nodes) in the order given, one that prints itself whole (as tables,
// fields and select statements do), a stand-in expression, and a visitor
// that records every call.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "nodes/rkexceptions.h"
#include "nodes/u_nodes.h"

namespace testtree {

// Walks Parts in order.  FailAt >= 0 makes the walk fail (as a positional
// own-token access on a short list does) just before that part.
class TPartsNode : public TRk_Node {
public:
    std::string Name;
    std::vector<TRkVisitedAbs*> Parts;
    int FailAt = -1;

    const char* ClassName() const override { return "TPartsNode"; }
    void DoAccept(TRkVisitorAbs& V) override {
        V.PreVisit(this);
        for (size_t i = 0; i < Parts.size(); ++i) {
            if (static_cast<int>(i) == FailAt) GetOwnToken(1000000);  // throws
            AcceptPart(Parts[i], V);
        }
        V.PostVisit(this);
    }
};

// Prints itself whole: its AsText is its name.
class TSelfPrinted : public TPartsNode {
public:
    const char* ClassName() const override { return "TSelfPrinted"; }
    bool PrintsItself() const override { return true; }
    std::string AsText() override { return Name; }
};

// Stands in for an expression (node kind 2) with its own pretty text.
class TFakeExpression : public TPartsNode {
public:
    std::string Pretty;
    TFakeExpression() { NodeKind = 2; }
    std::string GetPrettyText() override { return Pretty; }
};

// Owns the nodes of one test tree.
class Arena {
public:
    template <class T = TPartsNode>
    T* Make(std::string name, std::vector<TRkVisitedAbs*> parts = {}) {
        auto n = CreateNodeOfClass<T>();
        n->Name = std::move(name);
        n->Parts = std::move(parts);
        // Own tokens are the node's direct tokens in source order.
        for (TRkVisitedAbs* p : n->Parts)
            if (p && p->AsToken()) n->TokenList->Add(p->AsToken());
        T* raw = n.get();
        nodes_.push_back(std::move(n));
        return raw;
    }

private:
    std::vector<std::unique_ptr<TRk_Node>> nodes_;
};

inline std::string Label(TRkVisitedAbs* obj) {
    if (!obj) return "nil";
    if (TSourceToken* t = obj->AsToken()) return std::string(t->GetText());
    if (auto* n = dynamic_cast<TPartsNode*>(obj)) return n->Name;
    return obj->ClassName();
}

// Logs "pre X", "visit X", "post X" with the depth at each call.
class TRecordingVisitor : public TRkVisitorAbs {
public:
    std::vector<std::string> Log;
    std::string StopAtVisitOf;   // clears Enabled inside Visit of this object

    void PreVisit(TRkVisitedAbs* Obj) override { Add("pre", Obj); }
    void Visit(TRkVisitedAbs* Obj) override {
        TRkVisitorAbs::Visit(Obj);
        Add("visit", Obj);
        if (!StopAtVisitOf.empty() && Label(Obj) == StopAtVisitOf) Enabled = false;
    }
    void PostVisit(TRkVisitedAbs* Obj) override { Add("post", Obj); }

private:
    void Add(const char* what, TRkVisitedAbs* obj) {
        Log.push_back(std::string(what) + " " + Label(obj) + "@" + std::to_string(Depth));
    }
};

}  // namespace testtree
