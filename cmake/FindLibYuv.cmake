# libyuv ships headers and a library but no pkg-config file on Debian.
find_path(LIBYUV_INCLUDE_DIR libyuv.h REQUIRED)
find_library(LIBYUV_LIBRARY NAMES yuv REQUIRED)
add_library(LibYuv::yuv UNKNOWN IMPORTED)
set_target_properties(LibYuv::yuv PROPERTIES
  IMPORTED_LOCATION "${LIBYUV_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${LIBYUV_INCLUDE_DIR}")
