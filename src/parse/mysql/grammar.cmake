# MySQL dialect: scanner and SQL grammar tables, generated at build time.
set(_mysql_dir "${CMAKE_CURRENT_SOURCE_DIR}/parse/mysql")
orrery_add_lexer(TARGET marlsqlparser SOURCE "${_mysql_dir}/mysql.l" OUTPUT mysql_lex)
if(EXISTS "${_mysql_dir}/mysql_sql.y")
  orrery_add_parser(TARGET marlsqlparser SOURCE "${_mysql_dir}/mysql_sql.y" OUTPUT mysql_yacc)
endif()
