# cmake -DGROFF=<groff> -DMANUAL=<page.1> -DTEXT=<page.txt> -P ManualText.cmake
# Formats a manual page as plain UTF-8 text (no bold or underline escapes), with the
# CR LF line ends that Windows editors expect.
execute_process(COMMAND ${GROFF} -man -Tutf8 -P-cbou -rLL=78n ${MANUAL}
  OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${TEXT} "${text}")
