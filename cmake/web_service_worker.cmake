# The page's service worker, made once every other file of the site is: the list of the site's
# files it keeps, and a cache name made from their contents, so that a new version of any file is
# a new cache that replaces the old one.
#   cmake -DTEMPLATE=service_worker.js.in -DOUTPUT=service_worker.js -DSITE=folder
#         -DFILES=index.html,trelumo.js,... -P web_service_worker.cmake
string(REPLACE "," ";" FILES "${FILES}")
set(digests "")
set(quoted "'./'")
foreach(file IN LISTS FILES)
    file(SHA256 "${SITE}/${file}" digest)
    string(APPEND digests "${file} ${digest}\n")
    string(APPEND quoted ", '${file}'")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 version)
set(TRELUMO_CACHE_NAME "trelumo-${version}")
set(TRELUMO_SITE_FILES "${quoted}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
