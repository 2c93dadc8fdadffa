# Installation step: the machine-wide settings copies record the installed data directory and
# the moment of this installation, so that every user's copy is seeded again afterwards.
# AIRCOOLER_SETTINGS_TEMPLATES is set by the install(CODE) step before this script.
include("${AIRCOOLER_SETTINGS_TEMPLATES}/MachineSettings.cmake")

get_filename_component(aircooler_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(aircooler_data_dir "${aircooler_prefix}/share/aircooler")
string(TIMESTAMP aircooler_now "%Y-%m-%d %H:%M:%S UTC" UTC)
aircooler_write_machine_settings("${AIRCOOLER_SETTINGS_TEMPLATES}"
    "$ENV{DESTDIR}${aircooler_data_dir}" "${aircooler_data_dir}" "${aircooler_now}")

foreach(edition US EU)
    set(aircooler_file "$ENV{DESTDIR}${aircooler_data_dir}/MachineSettings-${edition}.ini")
    message(STATUS "Installing: ${aircooler_file}")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${aircooler_file}")
endforeach()
