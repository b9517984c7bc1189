// The MS Access dialect's scanner and parser for the parser factory.
#include "parse/msaccess/rklexmsaccess.h"
#include "parse/msaccess/rkyaccmsaccesssql.h"
#include "parse/parserfactory.h"

namespace parserfactory_detail {

std::unique_ptr<TRkCustomLexer> CreateMsaccessLexer() { return std::make_unique<TRkLexerMsaccess>(); }
std::unique_ptr<TRkCustomParser> CreateMsaccessParser() { return std::make_unique<TRkParserMsaccessSql>(); }

}  // namespace parserfactory_detail
