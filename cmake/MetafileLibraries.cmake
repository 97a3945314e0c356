# The libraries that read metafiles, as one target: libwmf (WMF, through
# its pkg-config file), libemf2svg (EMF) and libuemf, whose record checks
# run before libemf2svg sees a byte. Debian: libwmf-dev, libemf2svg-dev,
# libuemf-dev.

find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBWMF REQUIRED IMPORTED_TARGET libwmf)

find_path(EMF2SVG_INCLUDE_DIR emf2svg.h REQUIRED)
find_library(EMF2SVG_LIBRARY emf2svg REQUIRED)
find_path(UEMF_INCLUDE_DIR uemf_safe.h REQUIRED)
find_library(UEMF_LIBRARY uemf REQUIRED)

add_library(vorzo_metafile_libraries INTERFACE)
target_include_directories(vorzo_metafile_libraries SYSTEM INTERFACE ${EMF2SVG_INCLUDE_DIR} ${UEMF_INCLUDE_DIR})
target_link_libraries(vorzo_metafile_libraries INTERFACE PkgConfig::LIBWMF ${EMF2SVG_LIBRARY} ${UEMF_LIBRARY})
