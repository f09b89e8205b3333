# The release zip: `cmake --build --preset win32 --target package` makes
# Tavrin-<version>.zip in the build folder, holding one folder Tavrin/ with the
# three programs and the help page, as a Windows user copies it. The binaries
# in the zip are stripped; their debug information stays beside the build in
# debug/<name>.debug, named in each binary by a debug link, so a debugger given
# that folder finds it.

install(TARGETS Tavrin Quenlo Play RUNTIME DESTINATION Tavrin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help DESTINATION Tavrin)

set(TAVRIN_DEBUG_DIR ${CMAKE_BINARY_DIR}/debug)
foreach(target Tavrin Quenlo Play)
  install(CODE "
    set(built \"$<TARGET_FILE:${target}>\")
    set(shipped \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/Tavrin/$<TARGET_FILE_NAME:${target}>\")
    set(debug \"${TAVRIN_DEBUG_DIR}/$<TARGET_FILE_NAME:${target}>.debug\")
    file(MAKE_DIRECTORY \"${TAVRIN_DEBUG_DIR}\")
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --only-keep-debug \"\${built}\" \"\${debug}\" COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug --strip-unneeded \"\${shipped}\" COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --add-gnu-debuglink=\${debug} \"\${shipped}\" COMMAND_ERROR_IS_FATAL ANY)
  ")
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Tavrin-${PROJECT_VERSION})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)

# The zip is made by the test run too, and checked as a user would take it:
# its contents (label "static": no program runs, so this part is checked on
# hosts that cannot run 32-bit programs too), then the unpacked program.
add_test(NAME ReleaseZip COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target package)
set_tests_properties(ReleaseZip PROPERTIES FIXTURES_SETUP ReleaseZip TIMEOUT 300 LABELS static)
foreach(part Contents Start)
  add_test(NAME ReleaseZip${part}Test
    COMMAND ${TAVRIN_WINE_RUN} ${PROJECT_SOURCE_DIR}/main/tests/ReleaseZipTest.py --build-dir ${CMAKE_BINARY_DIR}
            --source-dir ${PROJECT_SOURCE_DIR} --version ${PROJECT_VERSION}
            --wine-run ${TAVRIN_WINE_RUN} --probe $<TARGET_FILE:WindowProbe> ${part})
  set_tests_properties(ReleaseZip${part}Test PROPERTIES FIXTURES_REQUIRED ReleaseZip RUN_SERIAL ON TIMEOUT 300)
endforeach()
set_tests_properties(ReleaseZipContentsTest PROPERTIES LABELS static)
