# Writes sw.js from its template: the list of the site's files, and a cache
# name made of the version and a digest of every file, so that any change to
# the site replaces the cache of the one before.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(FILES "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND FILES "  './${file}',\n")
endforeach()
string(SHA256 all "${digests}")
string(SUBSTRING ${all} 0 12 all)
set(CACHE_NAME "quimbel-${VERSION}-${all}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
