# Which source folders each translation file gathers its texts from (lupdate), kept in one
# place for the build, the update target and the completeness check. Paths are relative
# to the project's top folder.
# The Qt-free cores and dopusk-limits: their texts go through i18n::translate.
set(DOPUSK_CORES_TS_SOURCES i18n number data diagram tolerance thread iso286 iso965 iso965diagram limits)
# The windows, the program's widgets and the start-up: their texts go through tr().
set(DOPUSK_WINDOWS_TS_SOURCES windows widgets widgets/AppInfo.h.in app)
