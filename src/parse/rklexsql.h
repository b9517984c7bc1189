// What the SQL dialect scanners share: the sorted keyword table and its
// search, and the buffer a comment, string or quoted name is collected in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// The literal being collected across several matches, and the character
// classes the scanners split operator runs by.
class TRkLiteralText {
public:
    std::string LiteralBuffer;      // the comment, string or quoted name being collected
    int32_t LiteralLength = 0;

    void ClearBuffer();
    void AppendText(const std::string& S, int32_t N);
    void AppendChar(char C);
    std::string BufferText() const;
    static bool IsOperatorChar(char C);
    static bool IsDelimiterChar(char C);
};
