# The page's index.html, made when the site is built: the help document's body put in the page,
# where the help window takes it from, so that the page needs no other file for its help.
#   cmake -DTEMPLATE=index.html.in -DHELP=trelumo.html -DOUTPUT=index.html
#         -DTITLE=Trelumo -DDESCRIPTION=... -P web_page.cmake
file(READ "${HELP}" help)
string(REGEX REPLACE ".*<body[^>]*>" "" help "${help}")
string(REGEX REPLACE "</body>.*" "" help "${help}")
string(STRIP "${help}" TRELUMO_HELP_BODY)
get_filename_component(TRELUMO_HELP_NAME "${HELP}" NAME)
set(TRELUMO_TITLE "${TITLE}")
set(TRELUMO_DESCRIPTION "${DESCRIPTION}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
