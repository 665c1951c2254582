# Compiles the help pages into one .chm (run with cmake -P).
#   SOURCES    the project file, contents, index, pages and style sheet (UTF-8)
#   STAGE_DIR  scratch directory for the Shift-JIS copies
#   OUTPUT     the .chm to write
#   CHMCMD, ICONV
#
# The help viewer reads the contents, the index and every topic title in the
# code page of the file's language (Japanese: 932), so every source is stored
# in the file as Shift-JIS; the pages say so in their charset declaration.

file(REMOVE_RECURSE ${STAGE_DIR})
file(MAKE_DIRECTORY ${STAGE_DIR})

set(project_file "")
foreach(src IN LISTS SOURCES)
  get_filename_component(name ${src} NAME)
  execute_process(
    COMMAND ${ICONV} -f UTF-8 -t CP932 ${src}
    OUTPUT_FILE ${STAGE_DIR}/${name}
    ERROR_VARIABLE err
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${name} holds text that Shift-JIS cannot store: ${err}")
  endif()
  if(name MATCHES "\\.hhp$")
    set(project_file ${name})
  endif()
endforeach()
if(project_file STREQUAL "")
  message(FATAL_ERROR "no .hhp project file among the help sources")
endif()

# chmcmd ends with 0 whatever it finds, so its report is read instead.
execute_process(
  COMMAND ${CHMCMD} --verbosity 1 ${project_file}
  WORKING_DIRECTORY ${STAGE_DIR}
  OUTPUT_VARIABLE report
  ERROR_VARIABLE report
  RESULT_VARIABLE rc)
string(REGEX MATCHALL "(Error|Warning)[^\n]*" problems "${report}")
if(NOT rc EQUAL 0 OR problems)
  message(FATAL_ERROR "chmcmd failed on ${project_file}:\n${report}")
endif()

get_filename_component(chm_name ${OUTPUT} NAME)
if(NOT EXISTS ${STAGE_DIR}/${chm_name})
  message(FATAL_ERROR "chmcmd wrote no ${chm_name}:\n${report}")
endif()
file(RENAME ${STAGE_DIR}/${chm_name} ${OUTPUT})
