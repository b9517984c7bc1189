// The value-stack record of the table-driven parsers: one pointer, and in
// its low bits the cell (the grammar's %type tag) it was stored as.  A
// record with a pointer member per cell was several times larger and was
// copied on every shift and reduction, while only one member was ever set:
// the cleared record before each action leaves one cell for the action to
// fill, a token goes into the token cell alone, and a rule without an
// action passes its first value on whole.  Reading a cell other than the
// one stored gives nullptr, as the unset member did.
#pragma once

#include <cstdint>

class TRkYYValue {
protected:
    static constexpr std::uintptr_t kCellMask = 7;

    template <class T, unsigned Cell>
    T* Get() const {
        static_assert(Cell > 0 && Cell <= kCellMask, "a cell number fits the low bits");
        static_assert(alignof(T) > kCellMask, "the low bits of a cell's pointers are free");
        return (FBits & kCellMask) == Cell ? reinterpret_cast<T*>(FBits & ~kCellMask) : nullptr;
    }
    template <unsigned Cell, class T>
    void Set(T* Value) {
        static_assert(Cell > 0 && Cell <= kCellMask, "a cell number fits the low bits");
        static_assert(alignof(T) > kCellMask, "the low bits of a cell's pointers are free");
        FBits = Value ? reinterpret_cast<std::uintptr_t>(Value) | Cell : 0;
    }

private:
    std::uintptr_t FBits = 0;
};

// A cell of a dialect's record: read as Name(), written as Name(Value).  The
// grammar's actions reach the cells through these (yaccgen's "%value-cells
// accessors").
#define RK_YY_CELL(Type, Name, Cell)                         \
    Type* Name() const { return Get<Type, Cell>(); }         \
    void Name(Type* Value) { Set<Cell>(Value); }
