# Build-time generation of scanner and parser tables from the grammar
# sources kept beside the code they feed (*.l, *.y).  The generated files
# live in the build tree only.
#
#   orrery_add_lexer(TARGET tgt SOURCE file.l OUTPUT name)
#       runs lexgen; adds ${CMAKE_CURRENT_BINARY_DIR}/name.h/.cpp to tgt.
#   orrery_add_parser(TARGET tgt SOURCE file.y OUTPUT name)
#       runs yaccgen; adds ${CMAKE_CURRENT_BINARY_DIR}/name.h/.cpp to tgt.
include(CMakeParseArguments)

function(orrery_add_lexer)
  cmake_parse_arguments(A "" "TARGET;SOURCE;OUTPUT" "" ${ARGN})
  get_filename_component(src "${A_SOURCE}" ABSOLUTE)
  set(out_h "${CMAKE_CURRENT_BINARY_DIR}/${A_OUTPUT}.h")
  set(out_c "${CMAKE_CURRENT_BINARY_DIR}/${A_OUTPUT}.cpp")
  add_custom_command(
    OUTPUT "${out_h}" "${out_c}"
    COMMAND lexgen "${src}" -o "${CMAKE_CURRENT_BINARY_DIR}/${A_OUTPUT}"
    DEPENDS lexgen "${src}"
    COMMENT "lexgen ${A_SOURCE}"
    VERBATIM)
  target_sources(${A_TARGET} PRIVATE "${out_h}" "${out_c}")
  target_include_directories(${A_TARGET} PUBLIC "${CMAKE_CURRENT_BINARY_DIR}")
endfunction()

function(orrery_add_parser)
  cmake_parse_arguments(A "" "TARGET;SOURCE;OUTPUT" "" ${ARGN})
  get_filename_component(src "${A_SOURCE}" ABSOLUTE)
  set(out_h "${CMAKE_CURRENT_BINARY_DIR}/${A_OUTPUT}.h")
  set(out_c "${CMAKE_CURRENT_BINARY_DIR}/${A_OUTPUT}.cpp")
  add_custom_command(
    OUTPUT "${out_h}" "${out_c}"
    COMMAND yaccgen "${src}" -o "${CMAKE_CURRENT_BINARY_DIR}/${A_OUTPUT}"
    DEPENDS yaccgen "${src}"
    COMMENT "yaccgen ${A_SOURCE}"
    VERBATIM)
  target_sources(${A_TARGET} PRIVATE "${out_h}" "${out_c}")
  target_include_directories(${A_TARGET} PUBLIC "${CMAKE_CURRENT_BINARY_DIR}")
endfunction()
