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
};
