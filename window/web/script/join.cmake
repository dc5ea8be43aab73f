# cmake -DOUTPUT=FILE -DPARTS="a.js;b.js;..." -P join.cmake: the page's
# script from its parts, one scope for them all, whose value is their `page`.
set(script "var ddPage = (function () {\n  'use strict';\n")
foreach(part ${PARTS})
  file(READ ${part} text)
  string(APPEND script "${text}")
endforeach()
string(APPEND script "return page;\n})();\n")
file(WRITE ${OUTPUT}.new "${script}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
