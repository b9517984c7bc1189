// Shared by the toy grammar's two parsers: bison's (the reference) and the
// test driver over yaccgen's tables.
#pragma once

#include <cstdio>
#include <vector>

struct ToyValue {
    long v = -99;   // a cleared record is recognisable
};

// Statement results, in the order the actions produce them.
void toy_emit(long v);
long toy_wrap(long v);

// bison's side: scanner, error report and trace sink.
int toylex();
void toyerror(const char* message);
int toy_trace(FILE*, const char* format, ...);
#ifdef YYBISON
#define YYFPRINTF toy_trace
#endif

// yaccgen's side: the driver's state, as the generated action switch sees it.
class ToyParser {
public:
    ToyValue yyval;
    std::vector<ToyValue> yyv;
    int yysp = 0;
    int yyflag = 0;
    void yyaction(int yyruleno);
};
