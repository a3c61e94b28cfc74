# SPDX-License-Identifier: MIT
# Writes the service worker of the page in SITE from TEMPLATE: every file of the folder to
# keep, and a cache name made of PROJECT_VERSION and the files' digest.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests)
set(QUIMBELO_WEB_FILES)
foreach(file IN LISTS files)
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND digests "${file} ${digest}\n")
    list(APPEND QUIMBELO_WEB_FILES "'${file}'")
endforeach()
string(SHA256 QUIMBELO_WEB_DIGEST "${digests}")
string(SUBSTRING ${QUIMBELO_WEB_DIGEST} 0 12 QUIMBELO_WEB_DIGEST)
list(JOIN QUIMBELO_WEB_FILES ", " QUIMBELO_WEB_FILES)
set(QUIMBELO_WEB_FILES "[${QUIMBELO_WEB_FILES}]")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
