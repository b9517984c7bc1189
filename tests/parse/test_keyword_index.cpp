// The hashed word lists the scanners and the SQL*Plus command test ask once
// per word: eight bytes read and upper-cased at a time, so the edges are
// the chunk boundaries, the bytes around the letters, and the word's end.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "nodes/rkexceptions.h"
#include "parse/msaccess/rklexmsaccess.h"
#include "parse/mssql/rklexmssql.h"
#include "parse/mysql/rklexmysql.h"
#include "parse/oracle/rklexoracle.h"
#include "parse/rklexsql.h"

namespace {

// Text copied to the very end of a heap block of its own size, so that a
// read past the word's last byte is one the sanitizer sees.
class TEdgeText {
public:
    explicit TEdgeText(std::string_view Text) : FBytes(new char[Text.size()]), FSize(Text.size()) {
        std::copy(Text.begin(), Text.end(), FBytes.get());
    }
    std::string_view View() const { return {FBytes.get(), FSize}; }

private:
    std::unique_ptr<char[]> FBytes;
    size_t FSize;
};

std::string Lower(std::string S) {
    for (char& c : S)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return S;
}

}  // namespace

TEST(KeywordIndex, EveryDialectFindsItsWordsInAnyCaseAndNothingElse) {
    const struct {
        const TRkKeywordRec* table;
        int count;
        bool (*lookUp)(std::string_view, int32_t&);
    } dialects[] = {{OracleKeywordTable, OracleKeywordCount, IsOracleKeyword},
                    {MssqlKeywordTable, MssqlKeywordCount, IsMssqlKeyword},
                    {MySQLKeywordTable, MySQLKeywordCount, IsMySQLKeyword},
                    {MsaccessKeywordTable, MsaccessKeywordCount, IsMsaccessKeyword}};
    for (const auto& d : dialects) {
        std::set<std::string> names;
        for (int i = 0; i < d.count; ++i) names.insert(std::string(d.table[i].Name, d.table[i].Length));
        for (int i = 0; i < d.count; ++i) {
            const std::string name(d.table[i].Name, d.table[i].Length);
            SCOPED_TRACE(name);
            for (const std::string& w : {name, Lower(name)}) {
                int32_t code = -1;
                EXPECT_TRUE(d.lookUp(TEdgeText(w).View(), code));
                EXPECT_EQ(code, d.table[i].Code);
            }
            // One character more or less is another word.
            for (const std::string& w : {name + "X", name + "_", name.substr(0, name.size() - 1)}) {
                int32_t code = -1;
                EXPECT_EQ(d.lookUp(TEdgeText(w).View(), code), names.count(w) == 1) << w;
            }
        }
    }
}

TEST(KeywordIndex, ChunkEdgesBytesBesideTheLettersAndDuplicates) {
    const std::string_view names[] = {
        "A",        "ABCDEFG",  "ABCDEFGH",          "ABCDEFGHI",
        "ABCDEFGHIJKLMNOP",     "ABCDEFGHIJKLMNOPQ", "@@",
        "\xc1",     "CAF\xc3\x89", "[X]",            "A",   // a second "A": the first answers
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ01"};
    const TRkKeywordIndex index(names, std::size(names));
    for (size_t i = 0; i < std::size(names); ++i) {
        int32_t code = 0;
        EXPECT_TRUE(index.Find(TEdgeText(Lower(std::string(names[i]))).View(), code)) << names[i];
        EXPECT_EQ(code, i == 10 ? 1 : static_cast<int32_t>(i + 1)) << names[i];
    }
    // Only ASCII letters fold: "`" is no "@", "{" no "[", and bytes past
    // 127 whose low bits look like letters stay as they are.
    for (std::string_view w : {std::string_view("``"), std::string_view("{X}"), std::string_view("\xe1"),
                               std::string_view("caf\xc3\xa9"),
                               std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ012"),
                               std::string_view("A\0", 2), std::string_view("ABCDEFG\0", 8), std::string_view()})
        EXPECT_FALSE(index.Contains(TEdgeText(w).View())) << w;
    const std::string_view tooLong[] = {names[11], "0123456789012345678901234567890123456789012345678901234567890123X"};
    EXPECT_THROW(TRkKeywordIndex(tooLong, 2), ERkError);
}
