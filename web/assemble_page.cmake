cmake_minimum_required(VERSION 3.25)  # @VAR@ in quoted texts stays as it is (CMP0053)
# One HTML file from page.html: the style, the script, the module (its WebAssembly
# inside) and the help text put in its place holders, with the version and the day
# it was built (SOURCE_DATE_EPOCH, where set, fixes that day).
file(READ ${DIR}/page.html page)
file(READ ${DIR}/page.css style)
file(READ ${DIR}/page.js script)
file(READ ${MODULE} module)
file(READ ${HELP} help)
string(TIMESTAMP built "%Y-%m-%d" UTC)

foreach(part script module)
  string(FIND "${${part}}" "</script" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${part} holds </script, which would end its script element")
  endif()
endforeach()
string(REPLACE "&" "&amp;" help "${help}")
string(REPLACE "<" "&lt;" help "${help}")
string(REPLACE ">" "&gt;" help "${help}")

# The parts without place holders of their own first, so that none is read twice.
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@BUILT@" "${built}" page "${page}")
string(REPLACE "/*@STYLE@*/" "${style}" page "${page}")
string(REPLACE "@HELP@" "${help}" page "${page}")
string(REPLACE "/*@SCRIPT@*/" "${script}" page "${page}")
string(REPLACE "/*@MODULE@*/" "${module}" page "${page}")
file(WRITE ${OUT} "${page}")
