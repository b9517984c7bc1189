// A classic yacc driver over yaccgen's tables for the toy grammar parses,
// reduces, reports and recovers exactly as bison's parser of the same
// grammar file: same reductions in the same order, same error reports,
// same discarded tokens and popped states, same values, same outcome.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <random>
#include <sstream>
#include <string>

#include "toy_support.h"
#include "toy_tables.h"

int toyparse();
extern int toydebug;
extern ToyValue toylval;

namespace {

struct Tok { int code = 0; long value = 0; };

std::vector<Tok> g_input;
size_t g_next = 0;
std::vector<std::string> g_events, g_values;
std::string g_trace;

void Scan(const std::string& s) {
    g_input.clear();
    g_next = 0;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = (unsigned char)s[i];
        const size_t b = i;
        if (std::isspace(c)) {
            ++i;
        } else if (std::isdigit(c)) {
            long v = 0;
            while (i < s.size() && std::isdigit((unsigned char)s[i])) v = (v * 10 + (s[i++] - '0')) % 100000;
            g_input.push_back({toy::NUM, v});
        } else if (std::isalpha(c)) {
            while (i < s.size() && std::isalpha((unsigned char)s[i])) ++i;
            const std::string w = s.substr(b, i - b);
            g_input.push_back(w == "print" ? Tok{toy::PRINT} : w == "if" ? Tok{toy::IF} : w == "then" ? Tok{toy::THEN}
                              : w == "else" ? Tok{toy::ELSE} : Tok{toy::ID, long(w[0] - 'a')});
        } else {
            g_input.push_back({int(c), 0});
            ++i;
        }
    }
}

Tok NextToken() { return g_next < g_input.size() ? g_input[g_next++] : Tok{}; }

// The driver: bison's skeleton's order of decisions (fetch only in states
// without a default reduction; on an error report unless recovering,
// discard the token when three tokens have not yet been shifted since the
// last error, pop to a state that shifts error, shift it).
class Driver : public ToyParser {
public:
    int Parse() {
        const TRkYaccTables& T = toy::tables;
        std::vector<int> ss{0};
        yyv.assign(1, ToyValue{});
        yysp = 0;
        int yychar = -1, yyerrflag = 0;
        ToyValue yylval;
        auto push = [&](int state, const ToyValue& v) { ss.push_back(state); yyv.push_back(v); ++yysp; };
        for (;;) {
            const int s = ss.back();
            int act = T.yyd[s];
            bool found = act != 0;
            if (!found) {
                if (yychar < 0) {
                    const Tok t = NextToken();
                    yychar = t.code;
                    yylval.v = t.value;
                }
                for (int k = T.yyal[s]; k <= T.yyah[s] && !found; ++k)
                    if (T.yya[k].sym == yychar) act = T.yya[k].act, found = true;
            }
            if (found && act > 0) {
                push(act, yylval);
                yychar = -1;
                if (yyerrflag > 0) --yyerrflag;
            } else if (found && act == 0) {
                return 0;
            } else if (found) {
                const int r = -act, len = T.yyr[r].len;
                g_events.push_back("reduce " + std::to_string(r));
                yyaction(r);
                ss.resize(ss.size() - len);
                yysp -= len;
                yyv.resize(size_t(yysp) + 1);
                int to = -1;
                for (int k = T.yygl[ss.back()]; k <= T.yygh[ss.back()] && to < 0; ++k)
                    if (T.yyg[k].sym == T.yyr[r].sym) to = T.yyg[k].act;
                if (to < 0) { g_events.push_back("missing goto"); return 2; }
                push(to, yyval);
            } else {   // syntax error
                if (yyerrflag == 0) g_events.push_back("syntax error");
                if (yyerrflag == 3) {
                    if (yychar == 0) return 1;
                    g_events.push_back("discard");
                    yychar = -1;
                }
                yyerrflag = 3;
                for (int target = 0; target == 0;) {
                    const int st = ss.back();
                    if (T.yyd[st] == 0)
                        for (int k = T.yyal[st]; k <= T.yyah[st] && !target; ++k)
                            if (T.yya[k].sym == 256 && T.yya[k].act > 0) target = T.yya[k].act;
                    if (target > 0) {
                        g_events.push_back("shift error");
                        push(target, yylval);
                    } else if (ss.size() == 1) {
                        return 1;
                    } else {
                        g_events.push_back("pop");
                        ss.pop_back();
                        yyv.pop_back();
                        --yysp;
                    }
                }
            }
        }
    }
};

struct Outcome {
    int result = -1;
    std::vector<std::string> events, values;
};

Outcome RunOurs(const std::string& text) {
    Scan(text);
    g_events.clear();
    g_values.clear();
    Outcome o;
    o.result = Driver().Parse();
    o.events = g_events;
    o.values = g_values;
    return o;
}

// bison's trace names every reduction, every error-token shift, every
// discarded token and every popped state.
Outcome RunBison(const std::string& text) {
    Scan(text);
    g_values.clear();
    g_trace.clear();
    toydebug = 1;
    Outcome o;
    o.result = toyparse();
    std::istringstream tr(g_trace);
    std::string line;
    for (int r = 0; std::getline(tr, line);) {
        if (std::sscanf(line.c_str(), "Reducing stack by rule %d", &r) == 1) o.events.push_back("reduce " + std::to_string(r));
        else if (line.rfind("Shifting token error", 0) == 0) o.events.push_back("shift error");
        else if (line.rfind("Error: discarding", 0) == 0) o.events.push_back("discard");
        else if (line.rfind("Error: popping", 0) == 0) o.events.push_back("pop");
        else if (line.rfind("@@syntax error", 0) == 0) o.events.push_back("syntax error");
    }
    o.values = g_values;
    return o;
}

void ExpectSameRun(const std::string& text) {
    const Outcome b = RunBison(text), o = RunOurs(text);
    EXPECT_EQ(b.result, o.result) << "input: " << text;
    EXPECT_EQ(b.events, o.events) << "input: " << text;
    EXPECT_EQ(b.values, o.values) << "input: " << text;
}

TEST(YaccgenToyParser, ValidInputsMatchBison) {
    for (const char* in : {"", ";", "1;", "1 + 2 * 3;", "1 - 2 - 3;", "2 ^ 3 ^ 2;", "- 2 ^ 3;", "- - 4 * 5;", "1 < 2;",
                           "(1 + 2) * 3;", "a : 4 + b;", "print a * (b - 3);", "if 1 then if 2 then 3; else 4;",
                           "if 1 then 2; else if 3 then 4; else 5;", "{ 1; { 2; 3; } ; }", "{ }", "a; b; c; d; e;"})
        ExpectSameRun(in);
}

TEST(YaccgenToyParser, ErrorsAndRecoveryMatchBison) {
    for (const char* in : {"1 +;", "1 < 2 < 3;" /* %nonassoc: no entry */, "1 2 3 4; 5;", "+;;", "(1 + ) * 2;",
                           "(1 2) + 3;", "print print 1; 2;", "1 + 2" /* end of input inside an expression */,
                           "if 1 then ;; else 2;", "{ 1; 2 }", "{ 1 +; }; 3;", "a : : b; c : 1;", ")", "1; ) ) ) 2;",
                           "( ( ( error", "else 1; else; 2;", "1 + ( ; 2;", "} 1;", "{ { ; } } }"})
        ExpectSameRun(in);
}

TEST(YaccgenToyParser, RandomTokenStringsMatchBison) {
    const char* alphabet[] = {"1", "a", "+", "-", "*", "/", "^", "<", "(", ")", ";", ":",
                              "{", "}", "print", "if", "then", "else", "2", ";", ";"};
    std::mt19937 rng(20261206);
    for (int n = 0; n < 400 && !HasFailure(); ++n) {
        std::string text;
        for (int i = 0, len = int(rng() % 18); i < len; ++i) text += std::string(alphabet[rng() % std::size(alphabet)]) + " ";
        ExpectSameRun(text);
    }
}

// A cleared record before each action, and rules without an action pass
// their first value on whole: "NUM" and "';'" keep the token's value.
TEST(YaccgenToyParser, ActionValueConventions) {
    Outcome o = RunOurs("7; ;");
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.values, (std::vector<std::string>{"7", "1002"}));
}

}  // namespace

void toy_emit(long v) { g_values.push_back(std::to_string(v)); }
long toy_wrap(long v) { return v % 1000003; }

int toylex() {
    Tok t = NextToken();
    toylval.v = t.value;
    return t.code;
}

void toyerror(const char*) { g_trace += "@@syntax error\n"; }

int toy_trace(FILE*, const char* format, ...) {
    va_list ap, again;
    va_start(ap, format);
    va_copy(again, ap);
    const int n = std::max(std::vsnprintf(nullptr, 0, format, ap), 0);
    va_end(ap);
    std::string buf(size_t(n) + 1, '\0');
    std::vsnprintf(buf.data(), buf.size(), format, again);
    va_end(again);
    buf.resize(size_t(n));
    g_trace += buf;
    return n;
}
