// What the SQL dialect scanners share: the sorted keyword table and its
// search, the buffer a comment, string or quoted name is collected in, the
// one-pass splitting of operator runs and the token classes of characters.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "parse/rklexlib.h"

// One keyword: its upper-case name and token code.
struct TRkKeywordRec {
    const char* Name;
    uint8_t Length;
    int16_t Code;
};

// ASCII case-insensitive comparison: both sides lower-cased, then compared
// byte by byte ("_" sorts before letters, digits before both).  <0, 0, >0.
int RkKeywordCompare(std::string_view a, std::string_view b);

// Binary search over records Lo..Hi (1-based) of Table[0..Count-1], sorted
// by RkKeywordCompare: 0 and Code set when found, -1 when not.
int32_t RkKeywordSearch(const TRkKeywordRec* Table, int32_t Count, int32_t Lo, int32_t Hi,
                        std::string_view Text, int32_t& Code);

// A dialect's keyword list X(WORD, code) as table records, and as the
// lengths of its words.
#define RK_KEYWORD_RECORD(word, code) {#word, sizeof(#word) - 1, code},
#define RK_KEYWORD_LENGTH(word, code) sizeof(#word) - 1,

// A word list hashed on its upper-cased names, asked once per scanned word:
// the word is read eight bytes at a time, upper-cased and hashed as it is
// read, and nearly always compared with one name, eight bytes at a time.
// Names are at most kMaxLength long.  Made once per list (a function-local
// static of the one who asks), read-only after.
class TRkKeywordIndex {
public:
    static constexpr size_t kMaxLength = 64;

    TRkKeywordIndex(const TRkKeywordRec* Table, int32_t Count);
    // A list of names alone: a name's code is its place, from 1.
    TRkKeywordIndex(const std::string_view* Names, size_t Count);

    // Text (any case) is a name of the list: Code set.  Of two equal names
    // the earlier one answers.
    bool Find(std::string_view Text, int32_t& Code) const;
    bool Contains(std::string_view Text) const {
        int32_t code = 0;
        return Find(Text, code);
    }

private:
    static constexpr size_t kChunks = kMaxLength / 8;
    // A name's first chunk is in its slot: most words are compared
    // with one slot and no other memory.
    struct TSlot {
        uint64_t Chunk0 = 0;
        uint32_t Rest = 0;     // its chunks after the first, in FChunks
        uint8_t Length = 0;    // 0 for an empty slot
        int32_t Code = 0;
    };
    void Reserve(size_t Count);
    void Insert(std::string_view Name, int32_t Code);

    std::vector<TSlot> FSlots;        // a power of two, at most a quarter full
    std::vector<uint64_t> FChunks;    // the longer names' chunks after their first
    size_t FLongest = 0;
};

// The literal being collected across several matches, and the character
// classes the scanners split operator runs by.
class TRkLiteralText {
public:
    std::string LiteralBuffer;      // the comment, string or quoted name being collected
    int32_t LiteralLength = 0;

    void ClearBuffer();
    void AppendText(std::string_view S, int32_t N);
    void AppendChar(char C);
    // Keeps the first N characters (never more than there are).
    void CutBuffer(int32_t N);
    std::string BufferText() const;
    // Gives the collected text to Lexer.yytext: a view of Lexer's input
    // when it was collected from one run of it (the tokens keep views of
    // the input, so a long literal is never copied), else a copy.
    void TakeText(TRkCustomLexer& Lexer) const;
    static bool IsOperatorChar(char C);
    static bool IsDelimiterChar(char C);

    // A comment, string or quoted name still open when the input ends (an
    // unbalanced quote, say) is one error token with all the text it took,
    // so that the parser reports it where it stands instead of the text
    // vanishing.  The end of the input resets the scanner's start state, so
    // it is noted after every match: Lexer has just made one; OpenStates
    // holds bit 1 << state for each literal's start state; Resets is the
    // scanner's reset count.  The match that opens a literal notes where.
    void NoteOpenLiteral(const TRkCustomLexer& Lexer, uint32_t OpenStates, uint32_t Resets) {
        const int32_t state = Lexer.GetStartState();
        const bool open = state >= 0 && state < 32 && (OpenStates >> state & 1u) != 0;
        if (open && (!FLiteralOpen || FOpenResets != Resets)) NoteLiteralOpening(Lexer);
        FLiteralOpen = open;
        FOpenResets = Resets;
    }
    // Code is what the scan just returned.  At the end of the input (0, with
    // the one reset the end makes) and a literal open: tcError, with
    // yytext the literal, placed where it opened (PlaceAtOpening).
    int32_t OpenLiteralAtEnd(TRkCustomLexer& Lexer, int32_t Code, uint32_t Resets) {
        return Code != 0 || !FLiteralOpen ? Code : OpenLiteralToken(Lexer, Resets);
    }
    // The literal has just opened: the buffer holds its opening characters
    // (and what the same match added), all on the line the scanner is on.
    void NoteLiteralOpening(const TRkCustomLexer& Lexer) {
        FOpenLine = Lexer.yylineno;
        FOpenColumn = std::max(Lexer.yycolno - LiteralLength, 0);
    }
    // Gives Lexer the position of the literal's token as every token has
    // one, the line and the column after it, counted as if all its text
    // stood on the line where it opened: the column less the text's length,
    // where error records place a token, is where it opened.  (A literal
    // that reached the end of the input spans lines; the end says nothing.)
    void PlaceAtOpening(TRkCustomLexer& Lexer) const;

private:
    int32_t OpenLiteralToken(TRkCustomLexer& Lexer, uint32_t Resets);

    // The first FSpanLength characters of LiteralBuffer are those at
    // FSpanStart: AppendText extends the run while the pieces follow each
    // other in memory; the buffer is only ever appended to or cut short.
    const char* FSpanStart = nullptr;
    size_t FSpanLength = 0;
    bool FLiteralOpen = false;
    uint32_t FOpenResets = 0;
    int32_t FOpenLine = 0;
    int32_t FOpenColumn = 0;
};

// A decimal number just matched: one that ends in "." right before another
// "." gives that "." back and is an integer («1..5» is 1, "..", 5).
void RkDecimalToken(TRkCustomLexer& Lexer, int32_t IntegerCode, int32_t NumberCode);

// Token type of a one-character token.
uint8_t RkCharTokenType(char C);

// The codes an operator token is given by its text: "?" (when it stands
// for a name), "<<", ">>", ":=", "..".  Any other text keeps Code.
struct TRkOperatorCodes {
    int32_t Ident = 0;
    int32_t ShiftLeft = 0;
    int32_t ShiftRight = 0;
    int32_t Assign = 0;
    int32_t DoubleDot = 0;
};
int32_t RkOperatorCode(std::string_view Text, bool QuestionMarkIdent, int32_t Code,
                       const TRkOperatorCodes& Codes);

// Group, type and sub-kind of one token code of a dialect.
struct TRkTokenClass {
    int32_t Code = 0;
    uint8_t Group = 0;
    uint8_t Type = 0;
    int8_t SubKind = -1;            // -1: the sub-kind is left as it was
    bool KeepType = false;          // group and type are left as they were
};

// Per token code 0..MaxCode, 1 + the index of its first class in Classes,
// 0 for none: a token's class is one table read, not a search.
template <int32_t MaxCode, size_t N>
constexpr std::array<uint8_t, MaxCode + 1> RkTokenClassIndex(const TRkTokenClass (&Classes)[N]) {
    static_assert(N < 255);
    std::array<uint8_t, MaxCode + 1> index{};
    for (size_t i = N; i-- > 0;)
        if (Classes[i].Code >= 0 && Classes[i].Code <= MaxCode)
            index[static_cast<size_t>(Classes[i].Code)] = static_cast<uint8_t>(i + 1);
    return index;
}

template <size_t N>
constexpr int32_t RkMaxClassCode(const TRkTokenClass (&Classes)[N]) {
    int32_t m = 0;
    for (const TRkTokenClass& c : Classes) m = std::max(m, c.Code);
    return m;
}

// A dialect's token classes; a code not listed is a keyword (255 and up)
// or a one-character token.  A name token ("Ident") is quoted when it
// starts with '"', bracketed when it starts with '[' and BracketedNames.
struct TRkTokenClasses {
    const TRkTokenClass* Classes = nullptr;
    const uint8_t* ByCode = nullptr;    // RkTokenClassIndex of Classes
    size_t ByCodeCount = 0;
    int32_t Ident = 0;
    int32_t Operator = 0;
    bool BracketedNames = false;
    TRkOperatorCodes OperatorCodes;
};

// Fills Token's code, text and classes for the token Code with text Text
// just scanned; returns the code the parser is given (operators re-coded).
int32_t RkClassifyToken(TSourceToken& Token, int32_t Code, std::string_view Text, bool QuestionMarkIdent,
                        const TRkTokenClasses& Classes);

// Scans the next token with Lexer and fills Token: code, text, classes and
// position.  Returns the code the parser is given.
int32_t RkNextToken(TRkCustomLexer& Lexer, TSourceToken& Token, const TRkTokenClasses& Classes);

// A dialect's start states, rules and token codes that operator runs and
// block comments are decided by.
struct TRkOperatorRunRules {
    int32_t NormalState = 0;
    int32_t CommentState = 0;
    int32_t OperatorRunRule = 0;
    int32_t CommentOpenRule = 0;
    int32_t NestedCommentOpenRule = 0;
    int32_t BlockComment = 0;
    int32_t Operator = 0;
    bool SignBeforeAt = false;      // «=@p» is the sign, then the "@" name
    bool SignBeforeAtRun = false;   // also before two "@"s and more («=@@p»)
    bool AtStartsChar = true;       // an "@" that starts a longer run is a token of its own
    bool VariableAfterRun = false;  // a run ends before the "@"s of a variable name written right after it
    bool CommentOrNormal = false;   // a plan starts in NormalState unless in CommentState
    const char* NameRunChars = "#$";   // a rest of only these is left to the name rules
};

// The rule actions the SQL scanners share.  A dialect maps each of its
// rule numbers to one of them; a rule mapped to Own runs the dialect's own
// code.
enum class TRkLexAction : uint8_t {
    Own,
    Token,              // the token Arg
    Char,               // the character matched, as its own token
    Keyword,            // a keyword's code, else a name
    Decimal,            // a decimal number (RkDecimalToken)
    Text,               // the match joins the literal
    FirstChar,          // its first character joins the literal
    Quote,              // a doubled quote in a quoted name: one '"' joins it
    Open,               // a literal opens in start state Arg; the match is its first text
    Run,                // literal text; a line feed right after it joins as well
    CloseString,        // the string ends
    CloseName,          // a quoted or bracketed name ends, cut to 255 characters
    CloseNameUncut,     // a name that ends as it is
    // Of TRkSqlLexer, which plans operator runs:
    CommentClose,       // "*/": a nesting level or the comment closes
    CommentNestedOpen,  // "/*" inside a comment
    CommentOpen,        // "/*" outside: a comment opens (inside a string: its text)
    NStringOpen,        // N'...' opens (inside a string the letter is its text)
    StringOpen,         // ' opens a string; quote, backslash, quote is a whole one
    OperatorRun,        // a run of operator characters
    LineComment,        // "--": a comment, or literal text where a literal is open
};

struct TRkLexRule {
    TRkLexAction Action = TRkLexAction::Own;
    int32_t Arg = 0;
};

struct TRkLexRow {
    int32_t Rule = 0;
    TRkLexAction Action = TRkLexAction::Own;
    int32_t Arg = 0;
};

// A dialect's rules 1..RuleCount and their actions.
template <int RuleCount>
class TRkLexRuleTable {
public:
    constexpr TRkLexRuleTable(std::initializer_list<TRkLexRow> Rows) {
        for (const TRkLexRow& r : Rows) Rules[static_cast<size_t>(r.Rule)] = {r.Action, r.Arg};
    }
    constexpr TRkLexRule operator[](int32_t Rule) const {
        return Rule >= 1 && Rule <= RuleCount ? Rules[static_cast<size_t>(Rule)] : TRkLexRule{};
    }
    // Per rule, what the walk makes itself: the rules whose action only
    // hands back a token.  Ident is the code of a word that is no keyword.
    constexpr std::array<TRkQuickRule, RuleCount + 1> QuickRules(int32_t Ident) const {
        std::array<TRkQuickRule, RuleCount + 1> quick{};
        for (size_t r = 1; r < Rules.size(); ++r) {
            if (Rules[r].Action == TRkLexAction::Token) quick[r] = {TRkQuickRule::Fixed, Rules[r].Arg};
            else if (Rules[r].Action == TRkLexAction::Char) quick[r] = {TRkQuickRule::Char, 0};
            else if (Rules[r].Action == TRkLexAction::Keyword) quick[r] = {TRkQuickRule::Word, Ident};
        }
        return quick;
    }

private:
    std::array<TRkLexRule, RuleCount + 1> Rules{};
};

// A dialect's start states and token codes the shared actions use.
struct TRkSqlLexCodes {
    TRkOperatorRunRules Runs;
    int32_t StringState = 0;
    uint32_t LiteralStates = 0;     // bit 1 << state: inside a literal ("--" is its text there)
    int32_t Ident = 0;
    int32_t StringLit = 0;
    int32_t IntegerLit = 0;
    int32_t NumberLit = 0;
    int32_t LineComment = 0;
    bool (*IsKeyword)(std::string_view Text, int32_t& Code) = nullptr;
};

// The quick rules Rows (TRkLexRuleTable::QuickRules) of a dialect: quick
// outside its literals.
template <size_t N>
constexpr TRkQuickRules RkQuickRules(const std::array<TRkQuickRule, N>& Rows, const TRkSqlLexCodes& Codes) {
    return {Rows.data(), static_cast<int32_t>(N) - 1, Codes.LiteralStates, Codes.IsKeyword};
}

// Runs Rule's action when it is one of the literal and token actions;
// false when it is not.
bool RkSqlRuleAction(TRkCustomLexer& Lexer, TRkLiteralText& Literal, TRkLexRule Rule, const TRkSqlLexCodes& Codes);

// One match of the operator-run rule.
struct TRkRunMatch {
    int32_t Consume = 0;      // characters the match keeps
    int32_t Code = 0;         // token code
    int32_t TextLength = 0;   // characters of the token text
};

// What the operator-run rule makes of the suffixes T[i..] of one run of
// operator characters, outside comments, for non-decreasing i; each answer
// takes amortized constant time, so a whole run is decided in linear time.
class TRkRunScanner {
public:
    // After is the input character that follows the run.
    TRkRunScanner(std::string_view t, const TRkOperatorRunRules& rules, char after = '\0')
        : T(t), n(static_cast<int32_t>(t.size())), After(after), Rules(rules) {}

    TRkRunMatch At(int32_t i);

private:
    // First "/*" or "--" starting at or after i (n when none).
    int32_t NextOpener(int32_t i);
    int32_t NextOperatorChar(int32_t i);
    // Start of the run of signs that ends at j.
    int32_t SignRunStart(int32_t j);
    // Where the run's trailing "@"s begin when they start a variable name
    // with the character after the run (n when they do not).
    int32_t VariableStart();

    std::string_view T;
    int32_t n = 0;
    char After = '\0';
    int32_t variable_ = -1;
    int32_t opener_ = -1;
    int32_t opChar_ = -1;
    int32_t signEnd_ = -1;
    int32_t signStart_ = 0;
    const TRkOperatorRunRules& Rules;
};

// A SQL scanner whose operator runs are split in one pass: the matches
// after the first are planned and replayed by the next calls, as long as
// the input still holds that run and nothing reset the scanner in between,
// so that a long run costs linear time.
class TRkSqlLexer : public TRkCustomLexer, public TRkLiteralText {
public:
    int32_t CommentDepth = 0;       // open nested comments beyond the outermost

protected:
    // The next token code, 0 at the end: the planned matches of an operator
    // run first, then the tables.  A literal open at the end of the input is
    // one error token; RuleAction notes after each match whether one is
    // open (NoteOpenLiteral with OpenStates).
    int ScanSql(const TRkLexTables& Tables, uint32_t OpenStates, const TRkQuickRules* Quick = nullptr) {
        int code = 0;
        const bool replayed = !RunPlan.empty() && ReplayRunPlan(code);
        // A replayed step may open a comment.  A quick rule changes no start
        // state, so this note stands for one after its match.
        NoteOpenLiteral(*this, OpenStates, yyresets());
        if (replayed) return code;
        const int walked = yywalk(Tables, Quick);   // the walk may reset the scanner
        return OpenLiteralAtEnd(*this, walked, yyresets());
    }

    // After an opening quote: consumes a following backslash and quote and
    // says so (quote, backslash, quote is a whole string); otherwise reads
    // nothing.
    bool TakeBackslashQuote();

    // One planned match inside an operator run and what it leaves behind.
    struct TRunStep {
        int32_t Length = 0;         // characters consumed
        int32_t Code = 0;           // token code, 0 when the step yields none
        std::string Text;           // token text
        int32_t State = 0;          // start state after the step
        int32_t Depth = 0;          // CommentDepth after the step
        bool Clear = false;         // literal buffer cleared (a comment opens), then Append added
        std::string Append;
    };

    // Replays the next planned matches while the plan still holds; true
    // with Code set when one of them yielded a token.
    bool ReplayRunPlan(int& Code);
    // Steps[0] is the match just made, the others wait for the next calls;
    // T is the whole run.
    void StartRunPlan(std::vector<TRunStep>& Steps, std::string_view T);
    virtual void ApplyStep(TRunStep& Step);

    // A block comment's closer: one nesting level closes, or the comment.
    void CloseComment(const TRkOperatorRunRules& Rules);
    // One match of the operator-run rule taken through the tables.
    void OperatorRun(const TRkOperatorRunRules& Rules);
    // The rule that fired (operator run, comment opener or nested opener)
    // matched a whole run of operator characters: all its matches decided
    // in one pass.
    void PlanOperatorRun(int32_t Rule, const TRkOperatorRunRules& Rules);
    // Runs the shared action of Rule (number RuleNo); BulkRuns plans
    // operator runs in one pass.
    void SharedRuleAction(int32_t RuleNo, TRkLexRule Rule, const TRkSqlLexCodes& Codes, bool BulkRuns);

    std::deque<TRunStep> RunPlan;
    std::string RunChars;           // the run the plan covers
    size_t RunPos = 0;              // characters of it consumed so far
    int32_t RunState = 0;           // start state the next step expects
    uint32_t RunResets = 0;
};
