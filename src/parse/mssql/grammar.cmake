# SQL Server dialect: scanner and SQL grammar tables, generated at build time.
set(_mssql_dir "${CMAKE_CURRENT_SOURCE_DIR}/parse/mssql")
orrery_add_lexer(TARGET marlsqlparser SOURCE "${_mssql_dir}/mssql.l" OUTPUT mssql_lex)
if(EXISTS "${_mssql_dir}/mssql_sql.y")
  orrery_add_parser(TARGET marlsqlparser SOURCE "${_mssql_dir}/mssql_sql.y" OUTPUT mssql_yacc)
endif()
