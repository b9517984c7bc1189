// The walk of a left-deep chain (`a OR b OR c`, `x UNION y UNION z`) in a
// loop instead of one Accept frame per link, so that a chain of any length
// walks on any stack.
#pragma once

#include <exception>
#include <new>
#include <vector>

#include "process/rkbasevisitor.h"

// Walks the links below Top exactly as nested Accept frames would: each
// link's frame counts Depth, is skipped when the visitor is disabled, and a
// failure inside it abandons only the rest of that link.  Top's own frame
// (its PreVisit and opening) is the caller's.  ChainLeft(link) gives the
// link on its left (nullptr at the innermost), Open(link) opens a link's
// frame, Innermost(link) walks the innermost link's left operand, and
// Tail(link) walks what follows a link's left operand.
template <class T, class LeftFn, class OpenFn, class InnermostFn, class TailFn>
void AcceptLeftChain(T* Top, TRkVisitorAbs& V, LeftFn ChainLeft, OpenFn Open, InnermostFn Innermost,
                     TailFn Tail) {
    std::vector<T*> open{Top};   // links whose frame is open, outermost first
    bool leftWalked = false;     // a link's opening failed: its left is done
    while (T* left = ChainLeft(open.back())) {
        if (!V.Enabled) break;
        ++V.Depth;
        try {
            Open(left);
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception&) {
            --V.Depth;
            leftWalked = true;
            break;
        }
        open.push_back(left);
    }
    if (!leftWalked) Innermost(open.back());
    for (size_t i = open.size(); i-- > 1;) {
        try {
            Tail(open[i]);
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception&) {
            // the rest of that link is dropped, as its own frame would
        }
        --V.Depth;
    }
    Tail(Top);
}
