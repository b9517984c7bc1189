# Oracle dialect: scanner and SQL grammar tables, generated at build time.
set(_oracle_dir "${CMAKE_CURRENT_SOURCE_DIR}/parse/oracle")
if(EXISTS "${_oracle_dir}/oracle.l")
  orrery_add_lexer(TARGET marlsqlparser SOURCE "${_oracle_dir}/oracle.l" OUTPUT oracle_lex)
endif()
if(EXISTS "${_oracle_dir}/oracle_sql.y")
  orrery_add_parser(TARGET marlsqlparser SOURCE "${_oracle_dir}/oracle_sql.y" OUTPUT oracle_yacc)
endif()
