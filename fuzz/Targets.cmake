# The fuzz targets and the layer each reads with: built for libFuzzer by the
# "fuzz" preset, and for replaying their corpora by the ordinary test build.
set(VORZO_FUZZ_TARGETS
    fuzz_shiftjis:vorzo_core
    fuzz_mapfile:vorzo_core
    fuzz_settingsfile:vorzo_core
    fuzz_settinghelp:vorzo_core
    fuzz_profile:vorzo_core
    fuzz_inputs:vorzo_core
    fuzz_settingsgrid:vorzo_core
    fuzz_picture:vorzo_draw
    fuzz_stagecheck:vorzo_core
    fuzz_tiledimport:vorzo_core
    fuzz_editorfile:vorzo_gui
    fuzz_preferences:vorzo_draw
    fuzz_page:vorzo_draw
    fuzz_commandline:vorzo_draw
)
