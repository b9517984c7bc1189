// lexgen: builds the DFA tables of a table-driven scanner from a lex-style
// rule file.  The tables follow the layout that TRkCustomLexer walks: start
// states in pairs (2k anywhere, 2k+1 at a line start), per state the rules
// to mark and the rules that match (ascending rule number, marks equal
// matches) and disjoint 256-bit transition sets that never hold byte 0.
//
// Rule file format:
//   definitions            one per line, until a line "%%":
//     %option prefix="ns"    C++ namespace of the generated names
//     %s A B                 inclusive start conditions (unprefixed rules apply)
//     %x C                   exclusive start conditions (only their own rules)
//     NAME  pattern          a definition, used as {NAME}
//     // comment
//   rules                  one per line, until "%%" or the end:
//     [<A,B>][^]pattern   { RULE_NAME }   // comment
//   The action only names the rule: the constant RULE_NAME (the rule's number,
//   1..R in file order) is emitted; the action itself is hand-written C++.
// Patterns: "literal", \n \r \t \f \v \a \b \e \xHH \ooo escapes, [a-z] and
// [^...] classes (a negated class never holds byte 0), . (any byte but NUL
// and LF), {NAME}, ( ), |, *, +, ?; a leading ^ anchors at a line start.
// Rejected: byte 0 anywhere, a rule that matches the empty string, trailing
// context ('/'), '$' anchors and counted repetition.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace lexgen {

using CharSet = std::bitset<256>;

struct GenError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Rule {
    int number = 0;                 // 1..R in file order
    std::string name;               // rule constant
    std::string pattern;            // source text, for messages and comments
    std::vector<int> conditions;    // start conditions; empty = every inclusive one
    bool anchored = false;          // "^": only at the start of a line
    int line = 0;
};

struct StartCondition {
    std::string name;
    bool exclusive = false;
};

struct Spec {
    std::string prefix = "lex";                 // namespace of the generated names
    std::vector<StartCondition> conditions;     // [0] is INITIAL
    std::map<std::string, std::string> macros;  // name -> pattern text
    std::vector<Rule> rules;
};

struct Transition {
    CharSet set;
    int next = 0;
};

struct State {
    std::vector<int> rules;                 // matching rules, ascending (yyk = yym)
    std::vector<Transition> transitions;    // disjoint sets
};

struct Tables {
    std::vector<State> states;              // 0..2K-1 are the start states
    int conditions = 0;                     // K
};

// Parses a rule file.  Throws GenError with "file:line: message".
Spec ParseSpec(const std::string& text, const std::string& fileName);

// Builds the minimal DFA.  Throws GenError for rules that match the empty
// string, NUL bytes in patterns and the like.
Tables BuildTables(const Spec& spec, const std::string& fileName,
                   std::vector<std::string>* warnings = nullptr);

// The generated header and source text; baseName is the bare output name.
std::string EmitHeader(const Spec& spec, const Tables& tables, const std::string& baseName);
std::string EmitSource(const Spec& spec, const Tables& tables, const std::string& baseName);

}  // namespace lexgen
