// Realistic scripts per dialect for the front-end benchmarks: the corpus
// DDL and the sample scripts, statement by statement, repeated with every
// plain name renamed (t becomes t_7 in copy 7), and beside each created
// table a select, insert, update and delete over its columns.  A piece is
// kept only when it parses alone without an error, so a script of any size
// parses with none.  The corpus is read from $ORRERY_SHARED_DIR when set.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/marlsqlparser.h"
#include "nodes/u_nodes.h"
#include "statementstructure/schemaobjects.h"

namespace benchscripts {

struct TDialect {
    const char* Name;
    const char* Folder;   // in the shared corpus
    const char* Sample;   // in samples/
    std::uint8_t Vendor;
};

inline const std::vector<TDialect>& Dialects() {
    static const std::vector<TDialect> D = {
        {"Oracle", "oracle", "oracle_hr.sql", 1},   {"SQLServer", "mssql", "mssql_projects.sql", 0},
        {"MySQL", "mysql", "mysql_shop.sql", 2},    {"MSAccess", "access", "access_contacts.sql", 3},
        {"Generic", "generic", "generic_library.sql", 4},
    };
    return D;
}

inline std::string ReadFile(const std::filesystem::path& P) {
    std::ifstream In(P, std::ios::binary);
    std::ostringstream S;
    S << In.rdbuf();
    return S.str();
}

// A piece of script as texts, where every odd entry is a plain name that
// gets the copy's suffix.
using TPiece = std::vector<std::string>;

inline int ErrorsOf(std::uint8_t Vendor, const std::string& Text) {
    TMarlSqlParser P(Vendor);
    P.SetSqlTextString(Text);
    int R = P.Parse();
    return R < 0 ? 1 : P.ErrorCount();
}

inline TPiece Split(std::uint8_t Vendor, const std::string& Text, bool Rename) {
    TMarlSqlParser P(Vendor);
    P.SetSqlTextString(Text);
    TPiece Out(1);
    if (P.PrepareInput() != 0) return Out;
    P.Tokenize();
    for (TSourceToken* T : P.Tokens().Items()) {
        if (Rename && T->TokenType == ttIdentifier && T->TokenCode > 0) {
            Out.emplace_back(T->GetText());
            Out.emplace_back();
        } else {
            Out.back() += T->GetText();
        }
    }
    return Out;
}

inline std::string Join(const TPiece& P, const std::string& Suffix) {
    std::string S;
    for (size_t i = 0; i < P.size(); ++i) {
        S += P[i];
        if (i % 2) S += Suffix;
    }
    return S;
}

// A select, insert, update and delete over the table's first columns.
inline std::string QueriesFor(TRkTable& Table) {
    std::vector<std::string> Cols;
    for (int k = 0; Table.Columns && k < Table.Columns->Count() && Cols.size() < 3; ++k)
        if (TRkField* F = Table.Columns->GetField(k)) Cols.push_back(F->GetFieldNameText());
    if (Cols.empty()) return {};
    const std::string T = Table.GetTableNameText();
    std::string List, Values;
    for (size_t i = 0; i < Cols.size(); ++i) {
        List += (i ? ", " : "") + Cols[i];
        Values += (i ? ", " : "") + std::to_string(i + 1);
    }
    const std::string& A = Cols.front();
    const std::string& B = Cols.back();
    return "\nselect " + List + " from " + T + " where " + A + " = 1 and " + B + " is not null order by " + A +
           ";\ninsert into " + T + " (" + List + ") values (" + Values + ");\nupdate " + T + " set " + B +
           " = 2 where " + A + " > 10;\ndelete from " + T + " where " + A + " = 3;\n";
}

// The pieces of one source file: each statement with the SQL*Plus lines
// after it, plus queries after a created table.
inline void AddPieces(const TDialect& D, const std::string& Text, std::vector<TPiece>& Out) {
    TMarlSqlParser P(D.Vendor);
    P.SetSqlTextString(Text);
    if (P.Parse() < 0) return;
    std::vector<std::pair<std::string, std::string>> Chunks;   // text, queries
    for (TCustomSqlStatement* S : P.Statements()) {
        std::string T;
        for (TSourceToken* K : S->SourceTokens->Items()) T += K->GetText();
        bool Command = S->StatementType == sstSqlplusCmd;
        if (Command && !Chunks.empty()) {
            Chunks.back().first += T;
            continue;
        }
        std::string Q;
        if (S->StatementType == sstCreateTable && S->TargetTable && S->GetRootNode()) Q = QueriesFor(*S->TargetTable);
        Chunks.emplace_back(T + "\n", Q);
    }
    for (auto& [T, Q] : Chunks) {
        if (T.find_first_not_of(" \t\r\n") == std::string::npos) continue;
        for (const std::string& Text : {T + Q, T}) {
            TPiece Renamed = Split(D.Vendor, Text, true);
            if (ErrorsOf(D.Vendor, Join(Renamed, "_1")) == 0) {
                Out.push_back(std::move(Renamed));
                break;
            }
            if (ErrorsOf(D.Vendor, Text) == 0) {
                Out.push_back(TPiece{Text});
                break;
            }
        }
    }
}

// The script of the dialect, Bytes long or a piece longer.
inline const std::string& Script(const TDialect& D, std::size_t Bytes) {
    static std::map<std::string, std::vector<TPiece>> Pieces;
    static std::map<std::pair<std::string, std::size_t>, std::string> Made;
    auto Key = std::make_pair(std::string(D.Name), Bytes);
    auto It = Made.find(Key);
    if (It != Made.end()) return It->second;
    std::vector<TPiece>& Ps = Pieces[D.Name];
    if (Ps.empty()) {
        namespace fs = std::filesystem;
        std::vector<fs::path> Files;
        const char* Shared = std::getenv("ORRERY_SHARED_DIR");
        fs::path Corpus = fs::path(Shared ? Shared : ORRERY_SHARED_DIR) / "corpus" / D.Folder;
        std::error_code Ec;
        if (fs::is_directory(Corpus, Ec))
            for (const auto& E : fs::directory_iterator(Corpus))
                if (E.is_regular_file() && E.path().extension() != ".md") Files.push_back(E.path());
        std::sort(Files.begin(), Files.end());
        Files.push_back(fs::path(ORRERY_SOURCE_DIR) / "samples" / D.Sample);
        for (const fs::path& F : Files) AddPieces(D, ReadFile(F), Ps);
    }
    std::string S;
    for (int Copy = 1; S.size() < Bytes && !Ps.empty(); ++Copy)
        for (const TPiece& P : Ps) {
            S += Join(P, "_" + std::to_string(Copy));
            if (S.size() >= Bytes) break;
        }
    return Made.emplace(Key, std::move(S)).first->second;
}

}  // namespace benchscripts
