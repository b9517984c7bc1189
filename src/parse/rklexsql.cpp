#include "parse/rklexsql.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>

#include "nodes/rkexceptions.h"
#include "nodes/u_nodes.h"

namespace {

inline unsigned char AsciiLower(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + 32) : u;
}

// Texts up to this length are lower-cased once before the search.
constexpr size_t kLoweredMax = 32;

inline bool IsSign(char c) { return c == '+' || c == '-'; }

inline bool IsArithChar(char c) { return c == '*' || c == '+' || c == '-' || c == '/' || c == '='; }

// A character that, after "@" or "@@", makes a variable name of them.
inline bool IsNameLetter(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u >= 128;
}


}  // namespace

int RkKeywordCompare(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = AsciiLower(a[i]), cb = AsciiLower(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int32_t RkKeywordSearch(const TRkKeywordRec* Table, int32_t Count, int32_t Lo, int32_t Hi,
                        std::string_view Text, int32_t& Code) {
    Lo = std::max(Lo, 1);
    Hi = std::min(Hi, Count);
    // Lower-case the text once; the names are upper-case ASCII.
    char lowered[kLoweredMax];
    const bool shortText = Text.size() <= kLoweredMax;
    if (shortText) {
        for (size_t i = 0; i < Text.size(); ++i) lowered[i] = static_cast<char>(AsciiLower(Text[i]));
    }
    while (Lo <= Hi) {
        int32_t mid = (Lo + Hi) / 2;
        const TRkKeywordRec& rec = Table[mid - 1];
        int c;
        if (shortText) {
            c = 0;
            size_t n = std::min(Text.size(), static_cast<size_t>(rec.Length));
            for (size_t i = 0; i < n && c == 0; ++i) {
                unsigned char a = static_cast<unsigned char>(lowered[i]);
                unsigned char b = AsciiLower(rec.Name[i]);
                if (a != b) c = a < b ? -1 : 1;
            }
            if (c == 0 && Text.size() != rec.Length) c = Text.size() < rec.Length ? -1 : 1;
        } else {
            c = RkKeywordCompare(Text, std::string_view(rec.Name, rec.Length));
        }
        if (c == 0) {
            Code = rec.Code;
            return 0;
        }
        if (c > 0) Lo = mid + 1;
        else Hi = mid - 1;
    }
    return -1;
}

namespace {

constexpr uint64_t kOnes = 0x0101010101010101ull;
// The chunk loads below place a word's first byte lowest.
static_assert(std::endian::native == std::endian::little);

inline uint64_t Load8(const char* P) {
    uint64_t x;
    std::memcpy(&x, P, 8);
    return x;
}

inline uint64_t Load4(const char* P) {
    uint32_t x;
    std::memcpy(&x, P, 4);
    return x;
}

// The N (1 to 7) bytes at P, zero-padded, read without a byte loop: two
// overlapping loads or three single bytes.
inline uint64_t LoadShort(const char* P, size_t N) {
    if (N >= 4) return Load4(P) | Load4(P + N - 4) << ((N - 4) * 8);
    const auto byte = [P](size_t i) { return static_cast<uint64_t>(static_cast<unsigned char>(P[i])); };
    return byte(0) | byte(N / 2) << (N / 2 * 8) | byte(N - 1) << ((N - 1) * 8);
}

// Upper-cases the ASCII letters among eight bytes at once.
inline uint64_t Upper8(uint64_t X) {
    const uint64_t low7 = X & (0x7f * kOnes);
    const uint64_t fromA = low7 + (0x80 - 'a') * kOnes;        // high bit: byte >= 'a'
    const uint64_t pastZ = low7 + (0x80 - 'z' - 1) * kOnes;    // high bit: byte > 'z'
    const uint64_t lower = fromA & ~pastZ & ~X & (0x80 * kOnes);
    return X - (lower >> 2);                                    // 0x80 >> 2 is the case bit
}

// Splits a non-empty Text into upper-cased, zero-padded eight-byte chunks
// and hashes them.  Only Text's own bytes are read: a word is a view into
// the script.
inline uint64_t ChunksOf(std::string_view Text, uint64_t* Chunks, size_t& Count) {
    const char* p = Text.data();
    const size_t n = Text.size();
    Count = (n + 7) / 8;
    if (n < 8) {
        Chunks[0] = Upper8(LoadShort(p, n));
    } else {
        for (size_t i = 0; i < n / 8; ++i) Chunks[i] = Upper8(Load8(p + i * 8));
        // The last part chunk: the eight bytes that end the word, shifted.
        if (n % 8) Chunks[n / 8] = Upper8(Load8(p + n - 8) >> ((8 - n % 8) * 8));
    }
    uint64_t h = n * 0x9e3779b97f4a7c15ull;
    for (size_t i = 0; i < Count; ++i) h = (h ^ Chunks[i]) * 0xff51afd7ed558ccdull;
    return h ^ (h >> 32);
}

}  // namespace

TRkKeywordIndex::TRkKeywordIndex(const TRkKeywordRec* Table, int32_t Count) {
    Reserve(static_cast<size_t>(Count));
    for (int32_t i = 0; i < Count; ++i) Insert(std::string_view(Table[i].Name, Table[i].Length), Table[i].Code);
}

TRkKeywordIndex::TRkKeywordIndex(const std::string_view* Names, size_t Count) {
    Reserve(Count);
    for (size_t i = 0; i < Count; ++i) Insert(Names[i], static_cast<int32_t>(i + 1));
}

void TRkKeywordIndex::Reserve(size_t Count) {
    size_t n = 64;
    while (n < Count * 4) n *= 2;
    FSlots.assign(n, TSlot{});
}

void TRkKeywordIndex::Insert(std::string_view Name, int32_t Code) {
    if (Name.empty() || Name.size() > kMaxLength)
        throw ERkError("keyword that the index cannot hold: \"" + std::string(Name) + "\"");
    uint64_t chunks[kChunks];
    size_t count = 0;
    const size_t mask = FSlots.size() - 1;
    size_t k = ChunksOf(Name, chunks, count) & mask;
    while (FSlots[k].Length != 0) k = (k + 1) & mask;
    FSlots[k] = {chunks[0], static_cast<uint32_t>(FChunks.size()), static_cast<uint8_t>(Name.size()), Code};
    FChunks.insert(FChunks.end(), chunks + 1, chunks + count);
    FLongest = std::max(FLongest, Name.size());
}

bool TRkKeywordIndex::Find(std::string_view Text, int32_t& Code) const {
    if (Text.empty() || Text.size() > FLongest) return false;
    uint64_t chunks[kChunks];
    size_t count = 0;
    const size_t mask = FSlots.size() - 1;
    for (size_t k = ChunksOf(Text, chunks, count) & mask; FSlots[k].Length != 0; k = (k + 1) & mask) {
        const TSlot& slot = FSlots[k];
        if (slot.Length != Text.size() || slot.Chunk0 != chunks[0]) continue;
        const uint64_t* rest = FChunks.data() + slot.Rest;
        size_t i = 1;
        while (i < count && rest[i - 1] == chunks[i]) ++i;
        if (i == count) {
            Code = slot.Code;
            return true;
        }
    }
    return false;
}

void TRkLiteralText::ClearBuffer() {
    LiteralBuffer.clear();
    LiteralLength = 0;
    FSpanLength = 0;
}

void TRkLiteralText::CutBuffer(int32_t N) {
    const auto n = static_cast<size_t>(std::max(N, 0));
    if (n >= LiteralBuffer.size()) return;
    LiteralBuffer.resize(n);
    LiteralLength = static_cast<int32_t>(n);
    FSpanLength = std::min(FSpanLength, n);
}

void TRkLiteralText::AppendText(std::string_view S, int32_t N) {
    if (N < 1) return;
    size_t n = std::min(static_cast<size_t>(N), S.size());
    if (LiteralBuffer.size() == FSpanLength) {
        if (FSpanLength == 0) FSpanStart = S.data();
        if (S.data() == FSpanStart + FSpanLength) FSpanLength += n;
    }
    LiteralBuffer.append(S.substr(0, n));
    LiteralLength = static_cast<int32_t>(LiteralBuffer.size());
}

void TRkLiteralText::AppendChar(char C) {
    LiteralBuffer += C;
    LiteralLength = static_cast<int32_t>(LiteralBuffer.size());
}

std::string TRkLiteralText::BufferText() const {
    return LiteralBuffer.substr(0, static_cast<size_t>(LiteralLength));
}

void TRkLiteralText::TakeText(TRkCustomLexer& Lexer) const {
    const auto n = static_cast<size_t>(std::max(LiteralLength, 0));
    const std::string_view Run(FSpanStart, std::min(n, FSpanLength));
    if (n > 0 && Run.size() == n && Lexer.InInput(Run))
        Lexer.yytext = Run;
    else
        Lexer.yytext = BufferText();
}

int32_t TRkLiteralText::OpenLiteralToken(TRkCustomLexer& Lexer, uint32_t Resets) {
    FLiteralOpen = false;
    // A literal noted open before another reset belonged to an earlier input.
    if (Resets != FOpenResets + 1) return 0;
    TakeText(Lexer);
    PlaceAtOpening(Lexer);
    ClearBuffer();
    return tcError;
}

void TRkLiteralText::PlaceAtOpening(TRkCustomLexer& Lexer) const {
    Lexer.yylineno = FOpenLine;
    const int64_t after = static_cast<int64_t>(FOpenColumn) + LiteralLength;
    Lexer.yycolno = static_cast<int32_t>(std::min<int64_t>(after, std::numeric_limits<int32_t>::max()));
}

bool TRkLiteralText::IsOperatorChar(char C) {
    switch (C) {
        case '~': case '!': case '@': case '#': case '^': case '&':
        case '|': case '`': case '?': case '$': case '%':
            return true;
        default:
            return false;
    }
}

bool TRkLiteralText::IsDelimiterChar(char C) {
    switch (C) {
        case ',': case '(': case ')': case '[': case ']': case '.': case ';':
        case '$': case ':': case '+': case '-': case '*': case '/': case '%':
        case '^': case '<': case '>': case '=':
            return true;
        default:
            return false;
    }
}

uint8_t RkCharTokenType(char c) {
    switch (c) {
        case '$': return ttDollar;
        case '(': return ttLeftParen;
        case ')': return ttRightParen;
        case '*': return ttStar;
        case '+': return ttPlus;
        case ',': return ttComma;
        case '-': return ttMinus;
        case '.': return ttPeriod;
        case '/': return ttSlash;
        case ':': return ttColon;
        case ';': return ttSemicolon;
        case '<': return ttLess;
        case '=': return ttEqual;
        case '>': return ttGreater;
        case '@': return ttAt;
        case '[': return ttLeftBracket;
        case ']': return ttRightBracket;
        case '^': return ttCaret;
        default: return ttOtherChar;
    }
}


void RkDecimalToken(TRkCustomLexer& Lexer, int32_t IntegerCode, int32_t NumberCode) {
    if (Lexer.yytext.back() == '.') {
        const char c = Lexer.GetChar();
        Lexer.UngetChar(c);
        if (c == '.') {
            Lexer.yyless(Lexer.yyleng - 1);
            Lexer.yytext.resize(static_cast<size_t>(Lexer.yyleng));
            Lexer.yyreturn(IntegerCode);
            return;
        }
    }
    Lexer.yyreturn(NumberCode);
}

int32_t RkOperatorCode(std::string_view Text, bool QuestionMarkIdent, int32_t Code,
                       const TRkOperatorCodes& Codes) {
    if (QuestionMarkIdent && Text == "?") return Codes.Ident;
    if (Text == "<<") return Codes.ShiftLeft;
    if (Text == ">>") return Codes.ShiftRight;
    if (Text == ":=") return Codes.Assign;
    if (Text == "..") return Codes.DoubleDot;
    return Code;
}

namespace {

// RkClassifyToken, inlined into RkNextToken: one call less per token.
inline __attribute__((always_inline)) int32_t Classify(TSourceToken& Token, int32_t Code, std::string_view Text,
                                                       bool QuestionMarkIdent, const TRkTokenClasses& Classes) {
    int32_t result = Code;
    Token.TokenCode = Code;
    const uint8_t slot =
        Code >= 0 && static_cast<size_t>(Code) < Classes.ByCodeCount ? Classes.ByCode[Code] : uint8_t{0};
    const TRkTokenClass* cls = slot != 0 ? &Classes.Classes[slot - 1] : nullptr;
    if (cls) {
        if (!cls->KeepType) {
            Token.TokenGroup = cls->Group;
            Token.TokenType = cls->Type;
        }
        if (cls->SubKind >= 0) Token.TokenSubKind = static_cast<uint8_t>(cls->SubKind);
    } else if (Code == tcError) {   // a literal left open: no keyword, whatever its text
        Token.TokenGroup = 0;
        Token.TokenType = ttUnclassified;
    } else if (Code >= 255) {
        Token.TokenGroup = 1;
        Token.TokenType = ttKeyword;
    } else {   // a one-character token keeps that character
        Text = Text.substr(0, 1);
        Token.TokenGroup = 6;
        Token.TokenType = RkCharTokenType(Text.empty() ? '\0' : Text[0]);
    }
    Token.SetText(Text);   // the one copy the token keeps
    if (Code == Classes.Ident) {
        if (Text.starts_with('"')) Token.TokenType = ttQuotedName;
        else if (Classes.BracketedNames && Text.starts_with('[')) Token.TokenType = ttBracketedName;
    } else if (Code == Classes.Operator) {   // re-coded; the token stays an operator
        result = RkOperatorCode(Text, QuestionMarkIdent, result, Classes.OperatorCodes);
        Token.TokenCode = result;
    }
    return result;
}

}  // namespace

int32_t RkClassifyToken(TSourceToken& Token, int32_t Code, std::string_view Text, bool QuestionMarkIdent,
                        const TRkTokenClasses& Classes) {
    return Classify(Token, Code, Text, QuestionMarkIdent, Classes);
}

int32_t RkNextToken(TRkCustomLexer& Lexer, TSourceToken& Token, const TRkTokenClasses& Classes) {
    const int32_t code = Lexer.yylex();
    const int32_t result = Classify(Token, code, Lexer.yytext, Lexer.QuestionMarkIdent, Classes);
    Token.Line = Lexer.yylineno;
    Token.Column = Lexer.yycolno;
    return result;
}

// ---------------------------------------------------------------- operator runs

TRkRunMatch TRkRunScanner::At(int32_t i) {
    const int32_t m = n - i;
    // p counts the characters kept: up to a comment opener, if any, so
    // that the opener starts the next match; at least one.
    int32_t op = NextOpener(i);
    // ... and up to the "@"s of a variable written right after the run.
    if (Rules.VariableAfterRun && VariableStart() > i) op = std::min(op, VariableStart());
    int32_t p = op < n ? op - i : m;
    if (p < 1) p = 1;
    // Trailing signs belong to what follows, unless an operator
    // character comes before them.
    int32_t firstOp = NextOperatorChar(i) - i;
    if (p > 1 && IsSign(T[static_cast<size_t>(i + p - 1)]) && firstOp + 2 > p)
        p = std::max(1, SignRunStart(i + p - 1) - i);
    const char c0 = T[static_cast<size_t>(i)];
    const char c1 = m > 1 ? T[static_cast<size_t>(i + 1)] : '\0';
    const int32_t ch = static_cast<unsigned char>(c0);
    // A character token keeps that one character as its text.
    if (p == 1 && (TRkLiteralText::IsDelimiterChar(c0) || c0 == '@')) return {1, ch, 1};
    if (p == 2 && IsArithChar(c0) && c1 == ':') return {1, ch, 1};
    if (Rules.SignBeforeAt && (p == 2 || (Rules.SignBeforeAtRun && p > 2)) && IsArithChar(c0) && c1 == '@')
        return {1, ch, 1};   // «=@p»: the sign, then the "@" name
    if (p == 2 && c0 == '.' && c1 == '*') return {1, ch, 1};
    if (Rules.AtStartsChar && p >= 2 && c0 == '@') return {1, ch, 1};
    return {p, Rules.Operator, p};
}

int32_t TRkRunScanner::NextOpener(int32_t i) {
    if (opener_ >= i) return opener_;
    int32_t j = i;
    while (j + 1 < n && !((T[static_cast<size_t>(j)] == '/' && T[static_cast<size_t>(j) + 1] == '*') ||
                          (T[static_cast<size_t>(j)] == '-' && T[static_cast<size_t>(j) + 1] == '-')))
        ++j;
    opener_ = j + 1 < n ? j : n;
    return opener_;
}

int32_t TRkRunScanner::NextOperatorChar(int32_t i) {
    if (opChar_ >= i) return opChar_;
    int32_t j = i;
    while (j < n && !TRkLiteralText::IsOperatorChar(T[static_cast<size_t>(j)])) ++j;
    opChar_ = j;
    return j;
}

int32_t TRkRunScanner::VariableStart() {
    if (variable_ < 0) {
        int32_t k = n;
        while (k > 0 && T[static_cast<size_t>(k) - 1] == '@') --k;
        variable_ = k < n && k > 0 && IsNameLetter(After) ? k : n;
    }
    return variable_;
}

int32_t TRkRunScanner::SignRunStart(int32_t j) {
    if (j != signEnd_) {
        int32_t k = j;
        while (k > 0 && IsSign(T[static_cast<size_t>(k) - 1])) --k;
        signEnd_ = j;
        signStart_ = k;
    }
    return signStart_;
}

// ---------------------------------------------------------------- operator runs


bool TRkSqlLexer::ReplayRunPlan(int& Code) {
    while (!RunPlan.empty()) {
        if (RunResets != yyresets() || RunState != yysstate) {
            RunPlan.clear();
            break;
        }
        TRunStep step = std::move(RunPlan.front());
        RunPlan.pop_front();
        if (!yyreplay(std::string_view(RunChars).substr(RunPos, static_cast<size_t>(step.Length)))) {
            RunPlan.clear();
            break;
        }
        RunPos += static_cast<size_t>(step.Length);
        yydone = false;
        ApplyStep(step);
        RunState = yysstate;
        if (yydone) {
            Code = yyretval;
            return true;
        }
    }
    return false;
}

void TRkSqlLexer::StartRunPlan(std::vector<TRunStep>& Steps, std::string_view T) {
    TRunStep& s0 = Steps.front();
    RunPlan.assign(std::make_move_iterator(Steps.begin() + 1), std::make_move_iterator(Steps.end()));
    if (!RunPlan.empty()) RunChars.assign(T);
    RunPos = static_cast<size_t>(s0.Length);
    yyless(s0.Length);
    ApplyStep(s0);
    RunState = yysstate;
    RunResets = yyresets();
}

void TRkSqlLexer::ApplyStep(TRunStep& Step) {
    if (Step.Clear) ClearBuffer();
    if (!Step.Append.empty()) {
        LiteralBuffer += Step.Append;
        LiteralLength = static_cast<int32_t>(LiteralBuffer.size());
    }
    yystart(Step.State);
    CommentDepth = Step.Depth;
    if (Step.Code != 0) {
        yytext = std::move(Step.Text);
        yyreturn(Step.Code);
    }
}

void TRkSqlLexer::CloseComment(const TRkOperatorRunRules& Rules) {
    if (CommentDepth > 0) {   // one nesting level closes; the comment goes on
        --CommentDepth;
        return;
    }
    yystart(Rules.NormalState);
    TakeText(*this);
    yyreturn(Rules.BlockComment);
}

void TRkSqlLexer::OperatorRun(const TRkOperatorRunRules& Rules) {
    if (yysstate == Rules.CommentState) {
        if (yyleng >= 2 && yytext[0] == '*' && yytext[1] == '/') {
            yyless(2);
            AppendText(yytext, yyleng);
            CloseComment(Rules);
        } else {
            yyless(1);
            AppendText(yytext, yyleng);
        }
        return;
    }
    TRkRunMatch r = TRkRunScanner(std::string_view(yytext).substr(0, static_cast<size_t>(yyleng)), Rules).At(0);
    yyless(r.Consume);
    yytext.resize(static_cast<size_t>(r.TextLength));
    yyreturn(r.Code);
}

// Taking the run one match at a time gives most of it back to be scanned
// again, which is quadratic on a long run.  Instead the matches inside the
// run are decided here, in one pass: inside a comment only "*/" and "/*" do
// anything but add to the comment text; outside, each suffix of the run
// (two characters or more, not an opener, not all '#'/'$') goes to the
// operator-run rule.  Where the run's end or what follows it could change
// the outcome, planning stops and the tables take over again.
void TRkSqlLexer::PlanOperatorRun(int32_t Rule, const TRkOperatorRunRules& Rules) {
    // yytext holds the run until the first step below replaces it.
    const std::string_view T = std::string_view(yytext).substr(0, static_cast<size_t>(yyleng));
    const int32_t n = static_cast<int32_t>(T.size());
    char after = '\0';
    if (Rules.VariableAfterRun) {
        after = GetChar();
        UngetChar(after);
    }
    int32_t state = yysstate;
    if (Rules.CommentOrNormal && state != Rules.CommentState) state = Rules.NormalState;
    if (Rule == Rules.OperatorRunRule && state != Rules.CommentState) {
        // The usual case: the rule keeps the whole run, nothing to plan.
        TRkRunMatch r = TRkRunScanner(T, Rules, after).At(0);
        if (r.Consume == n) {
            yytext.resize(static_cast<size_t>(r.TextLength));
            yyreturn(r.Code);
            return;
        }
    }
    std::vector<TRunStep> steps;
    int32_t depth = CommentDepth;
    int32_t i = 0, stepStart = 0;
    bool stepClear = false;
    std::string stepAppend;
    TRkRunScanner run(T, Rules, after);
    bool ownBuffer = false;     // the comment being collected began inside the run
    std::string litAppend;      // added to the real literal buffer (ownBuffer false)
    std::string simBuffer;      // the comment begun inside the run
    auto add = [&](std::string_view a) {
        stepAppend += a;
        (ownBuffer ? simBuffer : litAppend) += a;
    };
    auto emit = [&](int32_t code, std::string text) {
        TRunStep st;
        st.Length = i - stepStart;
        st.Code = code;
        st.Text = std::move(text);
        st.State = state;
        st.Depth = depth;
        st.Clear = stepClear;
        st.Append = std::move(stepAppend);
        steps.push_back(std::move(st));
        stepStart = i;
        stepClear = false;
        stepAppend.clear();
    };
    auto openComment = [&] {
        state = Rules.CommentState;
        depth = 0;
        stepClear = true;
        stepAppend.clear();
        ownBuffer = true;
        simBuffer.clear();
        add("/*");
        i += 2;
    };
    if (Rule == Rules.NestedCommentOpenRule) {
        ++depth;
        add("/*");
        i = 2;
    } else if (Rule == Rules.CommentOpenRule) {
        openComment();
    }
    while (i < n) {
        std::string_view S(T.data() + i, static_cast<size_t>(n - i));
        if (state == Rules.CommentState) {
            if (S.starts_with("*/")) {
                add("*/");
                i += 2;
                if (depth > 0) {
                    --depth;
                    continue;
                }
                state = Rules.NormalState;
                emit(Rules.BlockComment, ownBuffer ? simBuffer : BufferText() + litAppend);
                continue;
            }
            if (S.starts_with("/*")) {
                ++depth;
                add("/*");
                i += 2;
                continue;
            }
            add(S.substr(0, 1));
            ++i;
            continue;
        }
        if (i > 0) {   // the matched rule itself always runs at 0
            if (S.size() == 1 || S.starts_with("--")) break;
            if (S.find_first_not_of(Rules.NameRunChars) == std::string_view::npos) break;
            if (S.starts_with("/*")) {
                openComment();
                continue;
            }
        }
        TRkRunMatch r = run.At(i);
        i += r.Consume;
        emit(r.Code, std::string(S.substr(0, static_cast<size_t>(r.TextLength))));
    }
    if (i > stepStart || stepClear || !stepAppend.empty()) emit(0, std::string());

    // The first step is this match; the others wait for the next calls.
    StartRunPlan(steps, T);
}

// ---------------------------------------------------------------- shared actions

bool RkSqlRuleAction(TRkCustomLexer& L, TRkLiteralText& T, TRkLexRule Rule, const TRkSqlLexCodes& Codes) {
    switch (Rule.Action) {
        case TRkLexAction::Token:
            L.yyreturn(Rule.Arg);
            return true;
        case TRkLexAction::Char:
            L.yyreturnc(L.yytext[0]);
            return true;
        case TRkLexAction::Keyword: {
            int32_t code = 0;
            L.yyreturn(Codes.IsKeyword(L.yytext, code) ? code : Codes.Ident);
            return true;
        }
        case TRkLexAction::Decimal:
            RkDecimalToken(L, Codes.IntegerLit, Codes.NumberLit);
            return true;
        case TRkLexAction::Text:
            T.AppendText(L.yytext, L.yyleng);
            return true;
        case TRkLexAction::FirstChar:
            T.AppendChar(L.yytext[0]);
            return true;
        case TRkLexAction::Quote:
            T.AppendChar('"');
            return true;
        case TRkLexAction::Open:
            L.yystart(Rule.Arg);
            T.ClearBuffer();
            T.AppendText(L.yytext, L.yyleng);
            return true;
        case TRkLexAction::Run: {
            T.AppendText(L.yytext, L.yyleng);
            const char c = L.GetChar();
            if (c == '\n') T.AppendChar(c);
            else L.UngetChar(c);
            return true;
        }
        case TRkLexAction::CloseString:
            L.yystart(Codes.Runs.NormalState);
            T.AppendText(L.yytext, L.yyleng);
            T.TakeText(L);
            L.yyreturn(Codes.StringLit);
            return true;
        case TRkLexAction::CloseName:
        case TRkLexAction::CloseNameUncut: {
            constexpr int32_t kLongestName = 255;
            L.yystart(Codes.Runs.NormalState);
            T.AppendText(L.yytext, L.yyleng);
            if (Rule.Action == TRkLexAction::CloseName && T.LiteralLength > kLongestName) {
                T.CutBuffer(kLongestName);
            }
            T.TakeText(L);
            L.yyreturn(Codes.Ident);
            return true;
        }
        default:
            return false;
    }
}

void TRkSqlLexer::SharedRuleAction(int32_t RuleNo, TRkLexRule Rule, const TRkSqlLexCodes& Codes, bool BulkRuns) {
    const TRkOperatorRunRules& runs = Codes.Runs;
    switch (Rule.Action) {
        case TRkLexAction::CommentClose:
            AppendText(yytext, yyleng);
            CloseComment(runs);
            break;
        case TRkLexAction::CommentNestedOpen:
            if (BulkRuns) {
                PlanOperatorRun(RuleNo, runs);
                break;
            }
            ++CommentDepth;
            yyless(2);
            AppendText(yytext, yyleng);
            break;
        case TRkLexAction::CommentOpen:
            if (yysstate == Codes.StringState) {   // just text of the string
                AppendText(yytext, yyleng - 1);
                yyless(yyleng - 1);
            } else if (BulkRuns) {
                PlanOperatorRun(RuleNo, runs);
            } else {
                CommentDepth = 0;
                yystart(runs.CommentState);
                ClearBuffer();
                yyless(2);   // the operator characters after "/*" are comment text
                AppendText(yytext, yyleng);
            }
            break;
        case TRkLexAction::NStringOpen:
            if (yysstate == Codes.StringState) {   // the letter is string text; the quote comes again
                yyless(1);
                AppendText(yytext, yyleng);
            } else {
                yystart(Codes.StringState);
                ClearBuffer();
                AppendText(yytext, yyleng);
            }
            break;
        case TRkLexAction::StringOpen: {
            yystart(Codes.StringState);
            ClearBuffer();
            AppendText(yytext, yyleng);
            if (!TakeBackslashQuote()) break;
            yystart(runs.NormalState);
            AppendText("\\'", 2);
            TakeText(*this);
            yyreturn(Codes.StringLit);
            break;
        }
        case TRkLexAction::OperatorRun:
            if (BulkRuns) PlanOperatorRun(RuleNo, runs);
            else OperatorRun(runs);
            break;
        case TRkLexAction::LineComment:
            if (yysstate >= 0 && yysstate < 32 && (Codes.LiteralStates >> yysstate & 1u) != 0) {
                yyless(1);
                AppendText(yytext, yyleng);
            } else {
                yyreturn(Codes.LineComment);
            }
            break;
        default:
            RkSqlRuleAction(*this, *this, Rule, Codes);
            break;
    }
}

bool TRkSqlLexer::TakeBackslashQuote() {
    const char c = GetChar();
    if (c != '\\') {
        UngetChar(c);
        return false;
    }
    const char c2 = GetChar();
    if (c2 != '\'') {
        UngetChar(c2);
        UngetChar(c);
        return false;
    }
    return true;
}
