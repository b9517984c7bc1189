// The constant LALR tables that yaccgen emits for one grammar and that the
// table-driven drivers walk.  Ranges keep the drivers' 1-based indexing: the
// entry at index 0 of yya, yyg and yyr is unused.
#pragma once

#include <cstdint>

struct TYYARec {          // action entry (yya) or goto entry (yyg)
    int16_t sym;          // terminal code (yya) or nonterminal, negative (yyg)
    int16_t act;          // yya: >0 shift to state, <0 reduce by rule -act, 0 accept
                          // yyg: target state
};

struct TYYRRec {          // rule: length of the right-hand side and head
    int16_t len;
    int16_t sym;          // head nonterminal, negative
};

struct TYYCRec {          // comb-vector slot
    int16_t check;        // the state whose entry this is, -1 for none
    int16_t act;          // as in TYYARec
};

struct TYYSRec {          // what a driver reads of a state first
    int32_t base;         // its action row's base in yyxc
    int16_t row;          // its action row: the check of the row's slots
    int16_t def;          // as yyd: 0, or -rule (default reduction)
};

struct TRkYaccTables {
    const TYYARec* yya;   int yyna;     // yya[1..yyna]
    const TYYARec* yyg;   int yyng;     // yyg[1..yyng]
    const int16_t* yyd;                 // per state: 0, or -rule (default reduction)
    const int32_t* yyal;                // per state: first index into yya
    const int32_t* yyah;                // per state: last index into yya (< yyal: none)
    const int32_t* yygl;                // per state: first index into yyg
    const int32_t* yygh;                // per state: last index into yyg
    int yynstates;                      // states 0..yynstates-1; 0 is the start state
    const TYYRRec* yyr;   int yynr;     // yyr[1..yynr]
    // The entries of yya and yyg once more as comb vectors: the entry of
    // (state, symbol) is yyac[yyab[state] + symbol] when that slot's check
    // is the state (gotos: yygc[yygb[state] - nonterminal]).  nullptr:
    // search the ranges.  yaccgen emits the goto comb; its actions go in
    // the denser form below, a row per whole token code range wasting most
    // of its slots.
    const int32_t* yyab = nullptr;
    const TYYCRec* yyac = nullptr; int yynac = 0;
    const int32_t* yygb = nullptr;
    const TYYCRec* yygc = nullptr; int yyngc = 0;
    // The actions packed densely, which the look-ups take first: a token
    // code's column is yytr[code] (codes past yyntr: yynocol, which no row
    // has), states with equal rows share one, and the entry of (state,
    // code) is yyxc[yyst[state].base + column] when that slot's check is
    // yyst[state].row.  nullptr: the comb or the ranges.
    const TYYSRec* yyst = nullptr;
    const int16_t* yytr = nullptr; int yyntr = 0; int yynocol = 0;
    const TYYCRec* yyxc = nullptr; int yynxc = 0;
    // Per rule: 0 its action runs, 1 it has none and passes $1 on, 2 it
    // has none and is empty (a cleared record).  nullptr: every action runs.
    const uint8_t* yyrk = nullptr;
};

// A rule without an action gives its value here, without the action
// switch (most of a script's reductions are such unit rules): $1 passed
// on, or a cleared record for an empty rule.  Top: the value stack's top.
// False when the rule's action must run.
template <class V>
bool RkPassOn(const TRkYaccTables& T, int Rule, const V* Top, V& Value) {
    const uint8_t kind = T.yyrk ? T.yyrk[Rule] : 0;
    if (kind == 0) return false;
    Value = kind == 1 ? Top[1 - T.yyr[Rule].len] : V{};
    return true;
}

// The default reduction of a state: 0, or -rule.
inline int RkYaccDefault(const TRkYaccTables& T, int State) {
    return T.yyst ? T.yyst[State].def : T.yyd[State];
}

inline bool RkDenseFind(const TRkYaccTables& T, int State, int Sym, int& Value) {
    const TYYSRec& st = T.yyst[State];
    const int col = static_cast<unsigned>(Sym) < static_cast<unsigned>(T.yyntr) ? T.yytr[Sym] : T.yynocol;
    const unsigned i = static_cast<unsigned>(st.base + col);
    if (i >= static_cast<unsigned>(T.yynxc) || T.yyxc[i].check != st.row) return false;
    Value = T.yyxc[i].act;
    return true;
}

// The first entry of the state's row for the symbol: one index and one
// check in the comb vector, the range search where a table has none.
inline bool RkCombFind(const int32_t* Base, const TYYCRec* Slots, int Count, int State, int Column, int& Value) {
    const unsigned i = static_cast<unsigned>(Base[State] + Column);
    if (i >= static_cast<unsigned>(Count) || Slots[i].check != State) return false;
    Value = Slots[i].act;
    return true;
}

inline bool RkRangeFind(const TYYARec* Entries, int First, int Last, int Sym, int& Value) {
    for (int i = First; i <= Last; ++i)
        if (Entries[i].sym == Sym) {
            Value = Entries[i].act;
            return true;
        }
    return false;
}

inline bool RkYaccAction(const TRkYaccTables& T, int State, int Sym, int& Action) {
    if (State < 0 || State >= T.yynstates) return false;
    if (T.yyst) return RkDenseFind(T, State, Sym, Action);
    if (T.yyab) return RkCombFind(T.yyab, T.yyac, T.yynac, State, Sym, Action);
    return RkRangeFind(T.yya, T.yyal[State], T.yyah[State], Sym, Action);
}

inline bool RkYaccGoto(const TRkYaccTables& T, int State, int Sym, int& Target) {
    if (State < 0 || State >= T.yynstates) return false;
    if (T.yygb) return RkCombFind(T.yygb, T.yygc, T.yyngc, State, -Sym, Target);
    return RkRangeFind(T.yyg, T.yygl[State], T.yygh[State], Sym, Target);
}
