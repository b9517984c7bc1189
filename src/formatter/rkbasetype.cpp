#include "formatter/rkbasetype.h"

#include <algorithm>

constinit TRkFmtOpt FmtOpt{};

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';

inline unsigned char UC(char c) { return static_cast<unsigned char>(c); }
}  // namespace

std::string LowerCase(std::string_view S) {
    std::string r(S);
    for (char& c : r) c = AsciiLower(c);
    return r;
}

std::string UpperCase(std::string_view S) {
    std::string r(S);
    for (char& c : r) c = AsciiUpper(c);
    return r;
}

bool SameText(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (AsciiLower(A[i]) != AsciiLower(B[i])) return false;
    return true;
}

int TextCompare(std::string_view A, std::string_view B) {
    const size_t n = std::min(A.size(), B.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char a = UC(AsciiLower(A[i]));
        const unsigned char b = UC(AsciiLower(B[i]));
        if (a != b) return a < b ? -1 : 1;
    }
    if (A.size() == B.size()) return 0;
    return A.size() < B.size() ? -1 : 1;
}

void ReplaceText(std::string& S, std::string_view Old, std::string_view New, int Flags) {
    if (S.empty() || Old.empty()) return;
    const bool all = (Flags & rfReplaceAll) != 0;
    const bool nocase = (Flags & rfIgnoreCase) != 0;
    auto same = [nocase](char a, char b) {
        return nocase ? AsciiUpper(a) == AsciiUpper(b) : a == b;
    };
    std::string r;
    r.reserve(S.size() >= Old.size() && New.size() > Old.size()
                  ? S.size() + (S.size() / Old.size()) * (New.size() - Old.size())
                  : S.size());
    size_t i = 0;
    bool done = false;
    while (i < S.size()) {
        if (!done && same(S[i], Old[0]) && S.size() - i >= Old.size()) {
            size_t k = 1;
            while (k < Old.size() && same(S[i + k], Old[k])) ++k;
            if (k == Old.size()) {
                r.append(New);
                i += Old.size();
                if (!all) done = true;
                continue;
            }
        }
        if (done) {
            r.append(S, i, std::string::npos);
            break;
        }
        r.push_back(S[i]);
        ++i;
    }
    S = std::move(r);
}

namespace {

thread_local int LayoutVendor = -1;

// What opens a literal in the layout vendor's scanner: every scanner reads
// '...' strings, "..." names, "--" line comments and nesting block comments;
// MySQL alone escapes with a backslash in strings and quotes names with
// backquotes; SQL Server, MySQL and MS Access take [...] as a name.  Without
// a vendor every opener counts.
struct TLayoutLexis {
    bool Backslash = false;
    bool Backquote = true;
    bool Bracket = true;
};

TLayoutLexis LayoutLexis() {
    switch (LayoutVendor) {
    case -1: return {};
    case 0:
    case 3: return {false, false, true};
    case 2: return {true, true, true};
    default: return {false, false, false};
    }
}

// End of the literal that opens at I (a quote, backquote or bracket): after
// its closer, or the end of S.  A doubled closer is text.
size_t LiteralEnd(std::string_view S, size_t I, bool Escapes) {
    const char Close = S[I] == '[' ? ']' : S[I];
    const size_t n = S.size();
    for (size_t j = I + 1; j < n; ++j) {
        if (Escapes && S[j] == '\\') {
            ++j;
        } else if (S[j] == Close) {
            if (j + 1 < n && S[j + 1] == Close) ++j;
            else return j + 1;
        }
    }
    return n;
}

// End of the block comment that opens at I: after the "*/" that closes it,
// nested comments counted as the scanners count them, or the end of S.
size_t BlockCommentEnd(std::string_view S, size_t I) {
    const size_t n = S.size();
    int32_t Depth = 0;
    for (size_t j = I + 2; j + 1 < n;) {
        if (S[j] == '*' && S[j + 1] == '/') {
            if (Depth == 0) return j + 2;
            --Depth;
            j += 2;
        } else if (S[j] == '/' && S[j + 1] == '*') {
            ++Depth;
            j += 2;
        } else {
            ++j;
        }
    }
    return n;
}

// Calls OnBreak(position, length, in a block comment) for each line break of
// a printed text that belongs to its layout: CR LF (length 2), a lone CR or
// LF (1).  A line break inside a string literal or a quoted name is part of
// its value, so it is skipped; a line comment runs to the end of its line,
// so a quote in it opens nothing.  Literals and comments are read as the
// layout vendor's scanner reads them, or a literal would end elsewhere and
// the layout would indent its later lines on every pass.
template <class F>
void ForEachLayoutBreak(std::string_view S, F&& OnBreak) {
    const TLayoutLexis Lex = LayoutLexis();
    const size_t n = S.size();
    size_t i = 0;
    while (i < n) {
        const char c = S[i];
        if (c == CR || c == LF) {
            const size_t Len = c == CR && i + 1 < n && S[i + 1] == LF ? 2 : 1;
            OnBreak(i, Len, false);
            i += Len;
        } else if (c == '\'' || c == '"' || (c == '`' && Lex.Backquote) || (c == '[' && Lex.Bracket)) {
            i = LiteralEnd(S, i, Lex.Backslash && c == '\'');
        } else if (c == '-' && i + 1 < n && S[i + 1] == '-') {
            while (i < n && S[i] != CR && S[i] != LF) ++i;
        } else if (c == '/' && i + 1 < n && S[i + 1] == '*') {
            // A block comment's lines follow the layout.
            const size_t End = BlockCommentEnd(S, i);
            for (size_t k = i + 2; k < End; ++k)
                if (S[k] == CR || S[k] == LF) {
                    const size_t Len = S[k] == CR && k + 1 < End && S[k + 1] == LF ? 2 : 1;
                    OnBreak(k, Len, true);
                    k += Len - 1;
                }
            i = End;
        } else {
            ++i;
        }
    }
}

// Line with its leading blanks as tabs (TabSize blanks per tab).
void AppendTabbedLine(std::string& R, std::string_view Line) {
    const int32_t tabSize = FmtOpt.TabSize;
    int32_t tabs = 0, spaces = 0;
    size_t k = 0;
    for (; k < Line.size() && (Line[k] == ' ' || Line[k] == '\t'); ++k) {
        if (Line[k] == '\t') {
            ++tabs;
        } else if (++spaces == tabSize) {
            ++tabs;
            spaces = 0;
        }
    }
    if (tabs == 0) {
        R.append(Line);
        return;
    }
    R.append(static_cast<size_t>(tabs), '\t');
    R.append(static_cast<size_t>(spaces), ' ');
    R.append(Line.substr(k));
}

}  // namespace

TRkLayoutVendorScope::TRkLayoutVendorScope(int Vendor) : FSaved(LayoutVendor) { LayoutVendor = Vendor; }
TRkLayoutVendorScope::~TRkLayoutVendorScope() { LayoutVendor = FSaved; }

std::string SpacesToTabs(std::string_view Text) {
    std::string r;
    r.reserve(Text.size());
    size_t from = 0;
    ForEachLayoutBreak(Text, [&](size_t At, size_t Len, bool) {
        AppendTabbedLine(r, Text.substr(from, At - from));
        r += "\r\n";
        from = At + Len;
    });
    // A final line break stays: what follows the text starts a new line.
    if (from < Text.size()) AppendTabbedLine(r, Text.substr(from));
    return r;
}

std::string IndentText(std::string_view Text, int32_t Count) {
    std::string r;
    if (Count > 0) {
        r.reserve(Text.size() + 16);
        size_t from = 0;
        ForEachLayoutBreak(Text, [&](size_t At, size_t Len, bool) {
            if (Len != 2) return;  // only CR LF ends a line of the layout
            r.append(Text.substr(from, At + 2 - from));
            r.append(static_cast<size_t>(Count), ' ');
            from = At + 2;
        });
        r.append(Text.substr(from));
    } else {
        r.assign(Text);
    }
    if (FmtOpt.UseTab) return SpacesToTabs(r);
    return r;
}

std::string IndentAfter(std::string_view Before, std::string_view T) {
    if (T.find_first_of("\r\n") == std::string_view::npos) return FmtOpt.UseTab ? SpacesToTabs(T) : std::string(T);
    return IndentText(T, LastLineLength(Before));
}

std::string UnindentText(std::string_view Text) {
    std::string r;
    r.reserve(Text.size());
    size_t from = 0;
    ForEachLayoutBreak(Text, [&](size_t At, size_t Len, bool InComment) {
        if (Len != 2 || InComment) return;
        r.append(Text.substr(from, At + 2 - from));
        from = At + 2;
        while (from < Text.size() && (Text[from] == ' ' || Text[from] == '\t')) ++from;
    });
    r.append(Text.substr(from));
    return r;
}

std::string IndentBlock(std::string_view Text, int32_t Count) {
    // The first line's blanks go in before the tab conversion, which would
    // otherwise leave them as blanks.
    std::string r(static_cast<size_t>(Count > 0 ? Count : 0), ' ');
    r.append(Text);
    return IndentText(r, Count);
}

int32_t LastLineLength(std::string_view S) {
    const size_t p = S.find_last_of("\r\n");
    if (p == std::string_view::npos) return static_cast<int32_t>(S.size());
    return static_cast<int32_t>(S.size() - p - 1);
}

std::string ChangeCase(std::string_view S, int CaseKind) {
    std::string r(S);
    if (r.empty()) return r;
    switch (CaseKind) {
    case 0:
        for (char& c : r) c = AsciiUpper(c);
        break;
    case 1:
        for (char& c : r) c = AsciiLower(c);
        break;
    case 2:
        for (char& c : r) c = AsciiLower(c);
        r[0] = AsciiUpper(r[0]);
        break;
    default:
        break;
    }
    return r;
}

int32_t TrailingLineBreakCount(std::string_view S) {
    int32_t n = 0;
    for (size_t i = S.size(); i > 0; --i) {
        const char c = S[i - 1];
        if (c == LF)
            ++n;
        else if (c != CR && c != ' ' && c != '\t')
            break;
    }
    return n;
}

size_t TrimmedLength(std::string_view S) {
    size_t n = S.size();
    while (n > 0 && (S[n - 1] == ' ' || UC(S[n - 1]) < UC(LF))) --n;
    return n;
}

std::string TrimTrailingBlanks(std::string_view S) { return std::string(S.substr(0, TrimmedLength(S))); }

void EnsureLineBreakInPlace(std::string& S) {
    if (TrailingLineBreakCount(S) > 0) S.resize(TrimmedLength(S));
    else S += "\r\n";
}

std::string TrimTrailingSpace(std::string_view S) {
    const size_t e = S.find_last_not_of(" \t\r\n");
    return std::string(S.substr(0, e == std::string_view::npos ? 0 : e + 1));
}

std::string EnsureLineBreak(std::string_view S) {
    std::string r(S);
    EnsureLineBreakInPlace(r);
    return r;
}

void PlaceSeparatorInPlace(std::string& Text, std::string_view Sep, int OneLine, int Style) {
    if (OneLine != 1 && Style == 0) {
        Text.append(Sep);
        EnsureLineBreakInPlace(Text);
    } else if (OneLine != 1 && (Style == 1 || Style == 2)) {
        EnsureLineBreakInPlace(Text);
        Text.append(Sep);
        if (Style == 2) Text += ' ';
    } else {
        Text.append(Sep);
    }
}

std::string PlaceSeparator(std::string_view Text, std::string_view Sep, int OneLine, int Style) {
    std::string r;
    r.reserve(Text.size() + Sep.size() + 3);
    r.assign(Text);
    PlaceSeparatorInPlace(r, Sep, OneLine, Style);
    return r;
}

std::string JoinWithSpace(std::string_view A, std::string_view B) {
    if (A.empty()) return std::string(B);
    std::string r;
    r.reserve(A.size() + 1 + B.size());
    r.append(A);
    r.push_back(RkSeparatorChar);
    r.append(B);
    return r;
}

std::string TrimChar(std::string_view S, char Ch) {
    auto skip = [Ch](char c) { return UC(c) <= UC(' ') || c == Ch; };
    size_t b = 0;
    while (b < S.size() && skip(S[b])) ++b;
    if (b == S.size()) return std::string();
    size_t e = S.size();
    while (e > b && skip(S[e - 1])) --e;
    return std::string(S.substr(b, e - b));
}

std::string PadKeyword(int32_t Width, std::string_view S, bool LeftJustify) {
    std::string r(S);
    if (static_cast<int64_t>(S.size()) < Width) {
        const size_t pad = static_cast<size_t>(Width) - S.size();
        if (LeftJustify)
            r.append(pad, ' ');
        else
            r.insert(0, pad, ' ');
    }
    return r;
}
