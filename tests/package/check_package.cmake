# Builds the Debian package from the build tree, checks its fields and contents, runs lintian,
# validates the software-centre entry, the manual page and the menu entry, unpacks it into a
# temporary root and runs the installed-program test from that root's usr/bin/ folder.
# Arguments: BUILD_DIR, WORK_DIR (emptied first), PROBE (the installed-program test), VERSION.
file(REMOVE_RECURSE ${WORK_DIR})
set(root ${WORK_DIR}/root)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(failed)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "${command} failed:\n${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

function(require text pattern what)
    if(NOT text MATCHES "${pattern}")
        message(FATAL_ERROR "${what}: no match for ${pattern} in:\n${text}")
    endif()
endfunction()

# The package, named as Debian names it.
run(cpack --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR})
run(dpkg --print-architecture)
string(STRIP "${out}" arch)
set(deb ${WORK_DIR}/veld_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
    message(FATAL_ERROR "no ${deb}")
endif()

# Its fields: the dependencies found by dpkg-shlibdeps among them.
run(dpkg-deb --field ${deb})
set(fields "${out}")
message(STATUS "control fields:\n${fields}")
require("${fields}" "\nVersion: ${VERSION}\n" "version")
require("${fields}" "\nSection: [a-z]+\n" "section")
require("${fields}" "\nMaintainer: [^\n]+@kavronet\\.qv>\n" "maintainer")
require("${fields}" "\nDepends: [^\n]*libc6 \\(>= [^\n]*libqt6widgets6 \\(>= " "dependencies")
require("${fields}" "\nDescription: [^\n]+\n [^\n]+" "description")

# Its contents: everything under /usr, owned by root, the items a desktop program brings.
run(dpkg-deb --contents ${deb})
set(contents "${out}")
message(STATUS "contents:\n${contents}")
foreach(path usr/bin/veld usr/share/veld/dat1.jov usr/share/veld/dat7.jov
        usr/share/applications/qv.kavronet.veld.desktop
        usr/share/metainfo/qv.kavronet.veld.metainfo.xml usr/share/man/man1/veld.1.gz
        usr/share/doc/veld/copyright usr/share/doc/veld/changelog.gz
        usr/share/icons/hicolor/scalable/apps/veld.svg
        usr/share/icons/hicolor/48x48/apps/veld.png)
    string(REPLACE "." "\\." pattern "${path}")
    require("${contents}" "root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./${pattern}\n" "contents")
endforeach()
string(REGEX MATCHALL " \\./[^ \n]*" paths "${contents}")
foreach(path ${paths})
    if(NOT path MATCHES "^ \\./(usr/.*)?$")
        message(FATAL_ERROR "${path} lies outside /usr")
    endif()
endforeach()

# lintian: no error and no warning. What it is told to accept stands, with the reasons, in
# the package's own overrides and in the README.
run(lintian --fail-on error,warning --display-info ${deb})
message(STATUS "lintian:\n${out}")

run(dpkg -x ${deb} ${root})

run(appstreamcli validate --no-net ${root}/usr/share/metainfo/qv.kavronet.veld.metainfo.xml)
message(STATUS "appstreamcli:\n${out}")
find_program(desktop_file_validate desktop-file-validate REQUIRED)
run(${desktop_file_validate} ${root}/usr/share/applications/qv.kavronet.veld.desktop)
if(out)
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
# man writes its warnings to the error stream; the page itself goes nowhere.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
    man --warnings -l ${root}/usr/share/man/man1/veld.1.gz
    RESULT_VARIABLE failed OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
if(failed OR warnings)
    message(FATAL_ERROR "man --warnings: ${warnings}")
endif()
foreach(section NAME SYNOPSIS DESCRIPTION "SMTP SERVER" FILES "EXIT STATUS")
    require("${page}" "\n${section}\n" "manual page")
endforeach()

# The changelog and the software-centre entry both name this version as the newest.
run(gzip -dc ${root}/usr/share/doc/veld/changelog.gz)
require("${out}" "^veld \\(${VERSION}\\) " "changelog's newest entry")
file(READ ${root}/usr/share/metainfo/qv.kavronet.veld.metainfo.xml metainfo)
require("${metainfo}" "<releases>[ \n]*<release version=\"${VERSION}\"" "metainfo's newest release")

# The unpacked program, from another folder, with its help topics beside it.
get_filename_component(probe_name ${PROBE} NAME)
file(COPY ${PROBE} DESTINATION ${root}/usr/bin)
execute_process(COMMAND ${root}/usr/bin/${probe_name} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the unpacked program failed its test")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
