# SPDX-License-Identifier: MIT
# The Windows build's own parts: one static executable that needs no DLL but Windows' own, with the
# program's icon and version resource. Included from the top-level list when building for Windows.

if(MINGW)
    # Without it every program needs the MinGW run-time DLLs beside it.
    target_link_options(quenby INTERFACE -static)
endif()

# The icon is written from the window icon's artwork by the same tool that writes the Linux icons; when
# cross-building it runs under the emulator (Wine).
add_executable(writeprogramicon tools/writeprogramicon.cpp)
target_link_libraries(writeprogramicon PRIVATE quenby)
set(QCP_ICO_FILE ${CMAKE_CURRENT_BINARY_DIR}/generated/quenby-color-picker.ico)
add_custom_command(OUTPUT ${QCP_ICO_FILE}
    COMMAND writeprogramicon --ico ${QCP_ICO_FILE} 32 64 128 256
    DEPENDS writeprogramicon
    COMMENT "Writing the program icon")
configure_file(resources/windows/quenby-color-picker.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/quenby-color-picker.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/generated/quenby-color-picker.rc
                            PROPERTIES OBJECT_DEPENDS ${QCP_ICO_FILE})
target_sources(quenby-color-picker PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated/quenby-color-picker.rc)

# The smallest window program, which scripts/bench-startup measures the program's start-up against.
add_executable(startup_floor EXCLUDE_FROM_ALL bench/startup_floor.cpp)
target_link_libraries(startup_floor PRIVATE Qt6::Widgets)
target_link_options(startup_floor PRIVATE -static)
set_target_properties(startup_floor PROPERTIES WIN32_EXECUTABLE ON)
