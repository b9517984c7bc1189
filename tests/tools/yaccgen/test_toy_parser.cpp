// A classic yacc driver over yaccgen's tables for the toy grammar parses,
// reduces, reports and recovers exactly as bison's parser of the same
// grammar file: same reductions in the same order, same error reports,
// same discarded tokens and popped states, same values, same outcome.
#include <gtest/gtest.h>

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
std::vector<std::string> g_events;
std::string g_trace;

std::vector<Tok> Scan(const std::string& s) {
    std::vector<Tok> out;
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = (unsigned char)s[i];
        if (std::isspace(c)) { ++i; continue; }
        if (std::isdigit(c)) {
            long v = 0;
            while (i < s.size() && std::isdigit((unsigned char)s[i])) v = (v * 10 + (s[i++] - '0')) % 100000;
            out.push_back({toy::NUM, v});
            continue;
        }
        if (std::isalpha(c)) {
            size_t b = i;
            while (i < s.size() && std::isalpha((unsigned char)s[i])) ++i;
            std::string w = s.substr(b, i - b);
            if (w == "print") out.push_back({toy::PRINT, 0});
            else if (w == "if") out.push_back({toy::IF, 0});
            else if (w == "then") out.push_back({toy::THEN, 0});
            else if (w == "else") out.push_back({toy::ELSE, 0});
            else out.push_back({toy::ID, long(w[0] - 'a')});
            continue;
        }
        out.push_back({int(c), 0});
        ++i;
    }
    return out;
}

Tok NextToken() {
    if (g_next < g_input.size()) return g_input[g_next++];
    return Tok{0, 0};
}

// The driver: bison's skeleton's order of decisions (fetch only in states
// without a default reduction; on an error report unless recovering,
// discard the token when three tokens have not yet been shifted since the
// last error, pop to a state that shifts error, shift it).
class Driver : public ToyParser {
public:
    int Parse() {
        const TRkYaccTables& T = toy::tables;
        std::vector<int> ss{0};
        std::vector<int> accessing{-1};   // symbol that entered each state
        yyv.assign(1, ToyValue{});
        yysp = 0;
        int yychar = -1;
        ToyValue yylval;
        int yyerrflag = 0;
        for (;;) {
            int s = ss.back();
            int act = 0;
            bool found = false;
            if (T.yyd[s] != 0) {
                act = T.yyd[s];
                found = true;
            } else {
                if (yychar < 0) {
                    Tok t = NextToken();
                    yychar = t.code;
                    yylval.v = t.value;
                }
                for (int k = T.yyal[s]; k <= T.yyah[s]; ++k)
                    if (T.yya[k].sym == yychar) { act = T.yya[k].act; found = true; break; }
            }
            if (found && act > 0) {
                ss.push_back(act);
                accessing.push_back(yychar);
                yyv.push_back(yylval);
                ++yysp;
                yychar = -1;
                if (yyerrflag > 0) --yyerrflag;
                continue;
            }
            if (found && act == 0) return 0;
            if (found) {
                int r = -act;
                int len = T.yyr[r].len;
                g_events.push_back("reduce " + std::to_string(r));
                yyaction(r);
                ss.resize(ss.size() - len);
                accessing.resize(accessing.size() - len);
                yysp -= len;
                yyv.resize(size_t(yysp) + 1);
                int from = ss.back(), to = -1;
                for (int k = T.yygl[from]; k <= T.yygh[from]; ++k)
                    if (T.yyg[k].sym == T.yyr[r].sym) { to = T.yyg[k].act; break; }
                if (to < 0) { g_events.push_back("missing goto"); return 2; }
                ss.push_back(to);
                accessing.push_back(T.yyr[r].sym);
                yyv.push_back(yyval);
                ++yysp;
                continue;
            }
            // Syntax error.
            if (yyerrflag == 0) g_events.push_back("syntax error");
            if (yyerrflag == 3) {
                if (yychar == 0) return 1;
                g_events.push_back("discard");
                yychar = -1;
            }
            yyerrflag = 3;
            for (;;) {
                int st = ss.back(), target = 0;
                if (T.yyd[st] == 0)
                    for (int k = T.yyal[st]; k <= T.yyah[st]; ++k)
                        if (T.yya[k].sym == 256 && T.yya[k].act > 0) { target = T.yya[k].act; break; }
                if (target > 0) {
                    g_events.push_back("shift error");
                    ss.push_back(target);
                    accessing.push_back(256);
                    yyv.push_back(yylval);
                    ++yysp;
                    break;
                }
                if (ss.size() == 1) return 1;
                g_events.push_back("pop");
                ss.pop_back();
                accessing.pop_back();
                yyv.pop_back();
                --yysp;
            }
        }
    }
};

std::vector<std::string> g_values;

struct Outcome {
    int result = -1;
    std::vector<std::string> events;
    std::vector<std::string> values;
};

Outcome RunOurs(const std::string& text) {
    g_input = Scan(text);
    g_next = 0;
    g_events.clear();
    g_values.clear();
    Driver d;
    Outcome o;
    o.result = d.Parse();
    o.events = g_events;
    o.values = g_values;
    return o;
}

// bison's trace names every reduction, every error-token shift, every
// discarded token and every popped state.
Outcome RunBison(const std::string& text) {
    g_input = Scan(text);
    g_next = 0;
    g_events.clear();
    g_values.clear();
    g_trace.clear();
    toydebug = 1;
    Outcome o;
    o.result = toyparse();
    std::istringstream tr(g_trace);
    std::string line;
    std::vector<std::string> ev;
    size_t errors = 0;
    while (std::getline(tr, line)) {
        int r = 0;
        if (std::sscanf(line.c_str(), "Reducing stack by rule %d", &r) == 1) {
            ev.push_back("reduce " + std::to_string(r));
        } else if (line.rfind("Shifting token error", 0) == 0) {
            ev.push_back("shift error");
        } else if (line.rfind("Error: discarding", 0) == 0) {
            ev.push_back("discard");
        } else if (line.rfind("Error: popping", 0) == 0) {
            ev.push_back("pop");
        } else if (line.rfind("@@syntax error", 0) == 0) {
            ev.push_back("syntax error");
            ++errors;
        }
    }
    o.events = ev;
    o.values = g_values;
    return o;
}

void ExpectSameRun(const std::string& text) {
    Outcome b = RunBison(text);
    Outcome o = RunOurs(text);
    EXPECT_EQ(b.result, o.result) << "input: " << text;
    EXPECT_EQ(b.events, o.events) << "input: " << text;
    EXPECT_EQ(b.values, o.values) << "input: " << text;
}

TEST(YaccgenToyParser, ValidInputsMatchBison) {
    const char* inputs[] = {
        "",
        ";",
        "1;",
        "1 + 2 * 3;",
        "1 - 2 - 3;",
        "2 ^ 3 ^ 2;",
        "- 2 ^ 3;",
        "- - 4 * 5;",
        "1 < 2;",
        "(1 + 2) * 3;",
        "a : 4 + b;",
        "print a * (b - 3);",
        "if 1 then if 2 then 3; else 4;",
        "if 1 then 2; else if 3 then 4; else 5;",
        "{ 1; { 2; 3; } ; }",
        "{ }",
        "a; b; c; d; e;",
    };
    for (const char* in : inputs) ExpectSameRun(in);
}

TEST(YaccgenToyParser, ErrorsAndRecoveryMatchBison) {
    const char* inputs[] = {
        "1 +;",
        "1 < 2 < 3;",                 // %nonassoc: no entry, a syntax error
        "1 2 3 4; 5;",
        "+;;",
        "(1 + ) * 2;",
        "(1 2) + 3;",
        "print print 1; 2;",
        "1 + 2",                      // end of input while an expression is open
        "if 1 then ;; else 2;",
        "{ 1; 2 }",
        "{ 1 +; }; 3;",
        "a : : b; c : 1;",
        ")",
        "1; ) ) ) 2;",
        "( ( ( error",
        "else 1; else; 2;",
        "1 + ( ; 2;",
        "} 1;",
        "{ { ; } } }",
    };
    for (const char* in : inputs) ExpectSameRun(in);
}

TEST(YaccgenToyParser, RandomTokenStringsMatchBison) {
    const char* alphabet[] = {"1", "a", "+", "-", "*", "/", "^", "<", "(", ")", ";", ":",
                              "{", "}", "print", "if", "then", "else", "2", ";", ";"};
    std::mt19937 rng(20261206);
    for (int n = 0; n < 400; ++n) {
        std::string text;
        int len = int(rng() % 18);
        for (int i = 0; i < len; ++i) text += std::string(alphabet[rng() % std::size(alphabet)]) + " ";
        ExpectSameRun(text);
        if (HasFailure()) break;
    }
}

// A cleared record before each action, and rules without an action pass
// their first value on whole: "NUM" and "';'" keep the token's value.
TEST(YaccgenToyParser, ActionValueConventions) {
    Outcome o = RunOurs("7; ;");
    ASSERT_EQ(o.result, 0);
    ASSERT_EQ(o.values.size(), 2u);
    EXPECT_EQ(o.values[0], "7");
    EXPECT_EQ(o.values[1], "1002");
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
    int n = std::vsnprintf(nullptr, 0, format, ap);
    va_end(ap);
    std::string buf(size_t(n > 0 ? n : 0) + 1, '\0');
    std::vsnprintf(buf.data(), buf.size(), format, again);
    va_end(again);
    buf.resize(size_t(n > 0 ? n : 0));
    g_trace += buf;
    return n;
}
