#include "parse/rklexsql.h"

#include <algorithm>

namespace {

inline unsigned char AsciiLower(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + 32) : u;
}

// Texts up to this length are lower-cased once before the search.
constexpr size_t kLoweredMax = 32;

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

void TRkLiteralText::ClearBuffer() {
    LiteralBuffer.clear();
    LiteralLength = 0;
}

void TRkLiteralText::AppendText(const std::string& S, int32_t N) {
    if (N < 1) return;
    size_t n = std::min(static_cast<size_t>(N), S.size());
    LiteralBuffer.append(S, 0, n);
    LiteralLength = static_cast<int32_t>(LiteralBuffer.size());
}

void TRkLiteralText::AppendChar(char C) {
    LiteralBuffer += C;
    LiteralLength = static_cast<int32_t>(LiteralBuffer.size());
}

std::string TRkLiteralText::BufferText() const {
    return LiteralBuffer.substr(0, static_cast<size_t>(LiteralLength));
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
