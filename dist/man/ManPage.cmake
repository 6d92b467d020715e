# Writes a man page from a program's --help text, so that the two never disagree.
# cmake -DPROGRAM=... -DNAME=... -DSUMMARY=... -DVERSION=... -DEXTRA=file -DOUTPUT=... -P ManPage.cmake
set(ENV{QT_QPA_PLATFORM} offscreen)
# In English, whatever the language of the machine that builds.
set(ENV{LC_ALL} C)
set(ENV{LANG} C)
set(ENV{LANGUAGE} "")
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE rc
    ERROR_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${rc}")
endif()
# The usage line names the program as it was called: the page names it as installed.
string(REGEX REPLACE "Usage: [^ \n]*/" "Usage: " help "${help}")
# Backslashes, and lines that troff would read as requests, are kept as text.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" help "\n${help}")
string(REGEX REPLACE "^\n" "" help "${help}")
string(TOUPPER "${NAME}" upper)
string(TIMESTAMP month "%Y-%m")
file(READ ${EXTRA} extra)
file(WRITE ${OUTPUT} ".TH ${upper} 1 \"${month}\" \"Duoband ${VERSION}\" \"User Commands\"
.SH NAME
${NAME} \\- ${SUMMARY}
.SH DESCRIPTION
.nf
${help}
.fi
${extra}")
