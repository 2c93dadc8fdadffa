# Writes the machine-wide settings copy of each edition into `outputDir`, recording `dataDir`
# as the program's data directory and `installTime` as the moment of installation. Shared by
# the configuration of the build tree and by the installation.
function(aircooler_write_machine_settings templateDir outputDir dataDir installTime)
    # FilePath is a quoted text in the settings file: a backslash or a quote in the path must
    # be escaped or the whole file would be unreadable.
    set(AIRCOOLER_FILE_PATH "${dataDir}/")
    string(REPLACE "\\" "\\\\" AIRCOOLER_FILE_PATH "${AIRCOOLER_FILE_PATH}")
    string(REPLACE "\"" "\\\"" AIRCOOLER_FILE_PATH "${AIRCOOLER_FILE_PATH}")
    set(AIRCOOLER_INSTALL_TIME "${installTime}")
    foreach(edition US EU)
        configure_file("${templateDir}/MachineSettings-${edition}.ini.in"
                       "${outputDir}/MachineSettings-${edition}.ini" @ONLY)
    endforeach()
endfunction()
