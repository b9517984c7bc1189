// yaccgen: an LALR(1) parser generator reading yacc grammar files.
//
// The pipeline is: ReadGrammar (yacc syntax -> Grammar), Generate
// (useless-rule reduction, LR(0) automaton, DeRemer-Pennello lookaheads,
// conflict resolution, table layout) and the emitters (tables and the
// action switch as C++, the human-readable report).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace yaccgen {

enum class Assoc : uint8_t { None, Left, Right, NonAssoc, Precedence };

struct Symbol {
    std::string name;          // identifier, or the literal as written ('x')
    bool terminal = false;
    int code = -1;             // terminals: token code; nonterminals: -(index + 1)
    std::string tag;           // value cell from %token/%type
    int prec = 0;              // 0: no precedence
    Assoc assoc = Assoc::None;
    int line = 0;              // first appearance
    bool usedInRules = false;
};

struct Rule {
    int lhs = 0;               // symbol id
    std::vector<int> rhs;      // symbol ids
    int precSym = -1;          // symbol giving the rule its precedence, -1 none
    bool hasAction = false;
    std::string action;        // C++ text inside the braces, untranslated
    int actionLine = 0;
    int line = 0;
    bool useful = true;        // false: removed as useless (never reduced)
};

// Symbol ids: terminals 0..ntokens-1 (0 = end of input, 1 = error), then
// nonterminals ntokens..nsyms-1 (ntokens = the augmented start symbol).
struct Grammar {
    std::string fileName;
    std::vector<Symbol> syms;
    int ntokens = 0;
    std::vector<Rule> rules;   // rules[0] is the augmented rule: $accept: start $end
    int startSym = -1;
    std::string prologue;
    int prologueLine = 0;
    std::string epilogue;
    int epilogueLine = 0;
    std::string prefix = "yy";
    std::string valueType;
    int expectSR = -1;
    int expectRR = -1;
    int expectUnused = -1;     // declared tokens no rule uses (comment "%expect-unused N")
    // Cells are reached as value.cell() and value.cell(x) (comment
    // "%value-cells accessors"), not as members.
    bool valueAccessors = false;

    int nsyms() const { return int(syms.size()); }
    bool isToken(int s) const { return s < ntokens; }
};

struct Diagnostics {
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    bool ok() const { return errors.empty(); }
};

// Parses yacc source text.  Returns false (with errors) when the grammar is
// unusable.
bool ReadGrammar(const std::string& text, const std::string& fileName,
                 Grammar& g, Diagnostics& diag);

struct Pair { int sym = 0; int act = 0; };

// Parser tables in the drivers' layout (yya/yyg/yyr 1-based, entry 0 unused).
// Within a state the action entries come in this order: shifts by
// ascending token code (the accept entry (0, 0), which stands for the shift
// of end of input, comes first), then reductions by ascending token code.
// A state with a default reduction (yyd = -rule) has no entries: that is a
// state whose only item set action is one reduction.  Gotos of a state are
// in nonterminal order (-2, -3, ...).
struct Tables {
    std::vector<Pair> yya{Pair{}};
    std::vector<Pair> yyg{Pair{}};
    std::vector<Pair> yyr{Pair{}};     // (length, head)
    std::vector<int> yyd, yyal, yyah, yygl, yygh;
    int nstates = 0;
};

// A comb vector: the entry of (state s, column c) is slots[base[s] + c]
// when that index is in range and the slot's sym (its check) is s.  Action
// columns are token codes, goto columns negated nonterminals.
struct Comb {
    std::vector<int> base;
    std::vector<Pair> slots;    // (owning state or -1, value)
};

// The action and goto rows of the tables packed into comb vectors.
void PackCombs(const Tables& t, Comb& actions, Comb& gotos);
Comb PackGotos(const Tables& t);

// The action rows packed for the drivers, a few times smaller than the
// comb of whole token codes so that the rows a parse uses stay in cache:
// token codes map to dense columns (codes no row has to column ncols), and
// states with equal rows share one row.  The entry of (state s, code c) is
// slots[base[rowOf[s]] + column] when the slot's check is rowOf[s].
struct DenseActions {
    std::vector<int> columnOf;   // token code -> column, for codes 0..max
    int ncols = 0;
    std::vector<int> rowOf;      // state -> row
    std::vector<int> base;       // row -> base
    std::vector<Pair> slots;     // (row or -1, action)
};
void PackDenseActions(const Tables& t, DenseActions& d);

struct Result {
    Tables tables;
    int lr0States = 0;     // states including the final state after end of input
    int rules = 0;         // user rules
    int srConflicts = 0;   // not resolved by precedence, counted per token
    int rrConflicts = 0;
    std::string report;    // filled when asked for
};

// Builds the automaton and the tables.  Returns false on errors (values out
// of 16 bits, %expect mismatch, ...).
bool Generate(Grammar& g, Result& r, Diagnostics& diag, bool wantReport);

// Output files.  baseName is the file name of the header as the source
// includes it.
std::string EmitHeader(const Grammar& g, const Result& r);
std::string EmitSource(const Grammar& g, const Result& r,
                       const std::string& headerName, const std::string& sourcePath,
                       Diagnostics& diag);

}  // namespace yaccgen
