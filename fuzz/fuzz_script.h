// What the fuzz targets share: the fuzzer's bytes as a script through the
// front end, and a reading of everything a host can ask of the statements.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class TMarlSqlParser;

// The bytes as a script file's contents, parsed by a fresh front end of
// the vendor.  Oracle also gets a value for every substitution variable.
std::unique_ptr<TMarlSqlParser> ParseScript(std::uint8_t Vendor, const std::uint8_t* Data, std::size_t Size,
                                            int* Result = nullptr);

// For every statement and sub-statement: its rebuilt text, its formatted
// text under the current options, its tables and fields; then the error
// messages.  Any exception escapes to the fuzzer.
void ReadStatements(TMarlSqlParser& Parser);

// The front end's own promises: a non-negative result is the error count
// (a vendor but SQL Server), and a significant token that ends in no
// statement has a record saying so (for SQL Server, any record).
void CheckParseOutcome(TMarlSqlParser& Parser, int Result);

// Stops the run with a finding when Condition is false.
void Require(bool Condition, const char* What);
