# MS Access dialect: scanner and SQL grammar tables, generated at build time.
set(_msaccess_dir "${CMAKE_CURRENT_SOURCE_DIR}/parse/msaccess")
orrery_add_lexer(TARGET marlsqlparser SOURCE "${_msaccess_dir}/msaccess.l" OUTPUT msaccess_lex)
if(EXISTS "${_msaccess_dir}/msaccess_sql.y")
  orrery_add_parser(TARGET marlsqlparser SOURCE "${_msaccess_dir}/msaccess_sql.y" OUTPUT msaccess_yacc)
endif()
