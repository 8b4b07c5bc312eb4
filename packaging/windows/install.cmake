# The Windows program's own files, all in one folder as on Windows programs
# are: the two programs, their libraries, the help, the tune, the default
# texts and the catalogues. `cmake --install` puts them under the prefix;
# scripts/windows.sh adds Qt, SQLite, zlib and the MinGW runtime beside them.
install(TARGETS zemtar zemtar-forecast RUNTIME DESTINATION .)
install(TARGETS zemtar_forecast_drawing zemtar_media_module LIBRARY DESTINATION .)

get_property(runtime_files GLOBAL PROPERTY ZEMTAR_RUNTIME_FILES)
install(FILES ${runtime_files} DESTINATION .)

get_property(catalogues GLOBAL PROPERTY ZEMTAR_CATALOGUE_FILES)
install(FILES ${catalogues} DESTINATION translations)

install(FILES ${ZEMTAR_WINDOWS_ICON} DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
