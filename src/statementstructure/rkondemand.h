// A part that most holders never use (a statement's join and field lists, a
// table's column and constraint lists): nothing until first touched.
#pragma once

#include <memory>
#include <type_traits>

#include "nodes/u_nodes.h"

// Made with the arguments given here when first touched; a node runs its
// second construction phase as CreateNodeOfClass does.  Reads like the
// pointer it replaces and is never null; Existing() looks without making it,
// for readers that would only find it empty.
template <class T, auto... Args>
class TRkOnDemand {
public:
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    T* get() const {
        if (!FObj) {
            FObj = std::make_unique<T>(Args...);
            if constexpr (std::is_base_of_v<TRk_Node, T>) FObj->AfterConstruction();
        }
        return FObj.get();
    }
    T* Existing() const { return FObj.get(); }
    explicit operator bool() const { return true; }  // always there to use
    // Empties a list that was made; one never made stays so.
    void ClearIfMade() const {
        if (FObj) FObj->Clear();
    }
    // Replaces the part; with nothing, the next use makes an empty one.
    void reset(std::unique_ptr<T> Obj = nullptr) { FObj = std::move(Obj); }
    TRkOnDemand& operator=(std::unique_ptr<T> Obj) {
        FObj = std::move(Obj);
        return *this;
    }

private:
    mutable std::unique_ptr<T> FObj;
};
