# SPDX-License-Identifier: GPL-3.0-or-later
# tempara_optional(NAME FOUND TEXT): says once per build folder, in German, that an optional
# part is missing and what it is for; again only when it goes missing after having been found.
function(tempara_optional name gefunden text)
    if(gefunden)
        set(TEMPARA_FEHLT_${name} OFF CACHE INTERNAL "")
    elseif(NOT TEMPARA_FEHLT_${name})
        message(STATUS "${text}")
        set(TEMPARA_FEHLT_${name} ON CACHE INTERNAL "")
    endif()
endfunction()
